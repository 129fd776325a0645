#include "scan/dates.h"

#include <gtest/gtest.h>

namespace qorda {
namespace {

TEST(CompleteTwoDigitYear, NeedsACompleteDateForTheTwentyFirstCentury) {
  struct {
    int year, month, day, completed;
  } rows[] = {
      {96, 12, 18, 1996}, {3, 1, 2, 2003},    {3, 0, 2, 1903},    {3, 1, 0, 1903},
      {49, 1, 1, 2049},   {50, 1, 1, 1950},   {0, 1, 1, 2000},    {0, 0, 0, 0},
      {1899, 1, 1, 3799}, {1900, 1, 1, 1900}, {2005, 1, 1, 2005},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CompleteTwoDigitYear(row.year, row.month, row.day), row.completed)
        << row.year << "-" << row.month << "-" << row.day;
  }
}

TEST(HourFromMeridiem, CountsOnlyLowerCaseMarks) {
  struct {
    int hour;
    char mark;
    int completed;
  } rows[] = {
      {12, 'a', 0}, {12, 'p', 12}, {1, 'p', 13}, {11, 'a', 11},
      {1, 'P', 1},  {12, 'A', 12}, {0, 'p', 12}, {9, ' ', 9},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(HourFromMeridiem(row.hour, row.mark), row.completed) << row.hour << row.mark;
  }
}

}  // namespace
}  // namespace qorda
