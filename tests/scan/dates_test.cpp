#include "scan/dates.h"

#include <gtest/gtest.h>

namespace qorda {
namespace {

struct DateRow {
  const char* text;
  uint32_t order;
  int year, month, day;
};

TEST(ParseDate, ReadsEveryOrderAndRepairsMisorders) {
  const DateRow rows[] = {
      {"1999-12-31", DATE_YEAR_FIRST, 1999, 12, 31},
      {"12-31-99", DATE_YEAR_FIRST, 1999, 12, 31},  // day 99 rotates into the year
      {"12/31/1999", DATE_YEAR_FIRST, 1999, 12, 31},
      {"1/5/23", DATE_YEAR_FIRST, 2001, 5, 23},
      {"05-01-2023", DATE_YEAR_FIRST, 2023, 5, 1},
      {"1899-01-01", DATE_YEAR_FIRST, 0, 0, 0},  // 3799 after completion
      {"49-1-1", DATE_YEAR_FIRST, 2049, 1, 1},
      {"50-1-1", DATE_YEAR_FIRST, 1950, 1, 1},
      {"1999-12", DATE_YEAR_FIRST, 0, 0, 0},     // the rotation moves 1999 into the month
      {"12-31", DATE_YEAR_FIRST, 2000, 12, 31},  // no day: rotated, then completed
      {"12-31-99", DATE_MONTH_FIRST, 1999, 12, 31},
      {"12/31/1999", DATE_MONTH_FIRST, 1999, 12, 31},
      {"1/5/23", DATE_MONTH_FIRST, 2023, 1, 5},
      {"1999-12-31", DATE_MONTH_FIRST, 0, 0, 0},
      {"12--31//99", DATE_MONTH_FIRST, 1999, 12, 31},
      {"12-31-1999 extra", DATE_MONTH_FIRST, 1999, 12, 31},
      {"13-12-99", DATE_MONTH_FIRST, 0, 0, 0},
      {"99-Dec-31", DATE_MONTH_FIRST, 1999, 12, 31},  // month name in the middle
      {"0-Dec-99", DATE_MONTH_FIRST, 0, 0, 0},        // no day: rotated into month 99
      {"31-12-99", DATE_DAY_FIRST, 1999, 12, 31},
      {"31/12/1999", DATE_DAY_FIRST, 1999, 12, 31},
      {"12-Jan-99", DATE_DAY_FIRST, 1999, 1, 12},
      {"2023-01-05", DATE_DAY_FIRST, 2023, 5, 1},
      {"13-12-99", DATE_DAY_FIRST, 1999, 12, 13},
      {"5-2023", DATE_DAY_FIRST, 0, 0, 0},       // month 2023 fails the validation
      {"12.31.99", DATE_MONTH_FIRST, 0, 12, 0},  // dots do not separate
      {"Dec 31 1999", DATE_DAY_FIRST, 1999, 12, 31},
      {"Jan-12-99", 0, 1999, 1, 12},
      {"Dec 31", DATE_YEAR_FIRST, 2000, 12, 31},
      {"Jan-5-1999", DATE_MONTH_FIRST, 0, 0, 0},  // one-digit day: the year reads as 999
      {"Jan 12 12:30", DATE_MONTH_FIRST, 2012, 1, 12},
      {"  Feb 3 97", DATE_MONTH_FIRST, 1997, 2, 3},
      {"Jan-", DATE_MONTH_FIRST, 0, 1, 0},  // positions past the end read as 0
      {"12-31-99", 0, 0, 0, 0},
      {"8/15", DATE_MONTH_FIRST, 2000, 8, 15},  // month and day known, year missing
  };
  for (const DateRow& row : rows) {
    ListingEntry entry{};
    entry.year = 7, entry.month = 7, entry.day = 7;
    ParseDate(entry, row.text, row.order);
    EXPECT_EQ(entry.year, row.year) << row.text << " order " << row.order;
    EXPECT_EQ(entry.month, row.month) << row.text << " order " << row.order;
    EXPECT_EQ(entry.day, row.day) << row.text << " order " << row.order;
  }
}

TEST(ParseDate, LeavesTheDateAloneWithoutText) {
  for (const char* text : {static_cast<const char*>(nullptr), "", "    "}) {
    ListingEntry entry{};
    entry.year = 1999, entry.month = 2, entry.day = 3;
    ParseDate(entry, text, DATE_MONTH_FIRST);
    EXPECT_EQ(entry.year, 1999);
    EXPECT_EQ(entry.month, 2);
    EXPECT_EQ(entry.day, 3);
  }
}

TEST(ParseTimeOfDay, ReadsHourMinuteAndAnAttachedPmMark) {
  struct Row {
    const char* text;
    int hour, minute;
  } rows[] = {
      {"1:05PM", 13, 5},   {"01:05pm", 13, 5}, {"1:05 PM", 1, 5}, {"12:30PM", 12, 30},
      {"12:30AM", 12, 30}, {"10::15", 10, 15}, {"9", 9, 59},      {"3.04PM", 3, 59},
      {"11:59p", 23, 59},  {"13:00PM", 13, 0}, {"7:", 7, 0},      {"7:5", 7, 5},
  };
  for (const Row& row : rows) {
    ListingEntry entry{};
    entry.minute = 59;
    ParseTimeOfDay(entry, row.text);
    EXPECT_EQ(entry.hour, row.hour) << row.text;
    EXPECT_EQ(entry.minute, row.minute) << row.text;
  }
}

TEST(MonthFromLetters, DecidesByTheLettersItTests) {
  struct Row {
    const char* text;
    int month;
  } rows[] = {
      {"jan", 1},  {"JUX", 6},  {"MXR", 3}, {"Txx", 0}, {"Ax", 8}, {"Jxx", 6}, {"MAI", 5},
      {"OKT", 10}, {"DEZ", 12}, {"jul", 7}, {"Apr", 4}, {"J", 6},  {"M", 5},   {"", 0},
  };
  for (const Row& row : rows) EXPECT_EQ(MonthFromLetters(row.text), row.month) << row.text;
}

}  // namespace
}  // namespace qorda
