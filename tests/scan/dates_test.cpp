#include "scan/dates.h"

#include <gtest/gtest.h>

namespace qorda {
namespace {

TEST(ParseDate, ReadsEveryOrderAndRepairsMisorders) {
  const struct {
    const char* text;
    uint32_t order;
    int date;  // yyyymmdd; 70707 is the date the entry had
  } rows[] = {
      {"12-31-99", DATE_YEAR_FIRST, 19991231},  // day 99 rotates into the year
      {"12-31", DATE_YEAR_FIRST, 20001231},     // no day: rotated, then completed
      {"1899-01-01", DATE_YEAR_FIRST, 0},       // 3799 once completed
      {"1//5--23", DATE_MONTH_FIRST, 20230105},
      {"99-Dec-31", DATE_MONTH_FIRST, 19991231},  // a month name in the middle
      {"0-Dec-99", DATE_MONTH_FIRST, 0},          // no day: rotated into month 99
      {"13-12-99", DATE_DAY_FIRST, 19991213},
      {"01/05/167", DATE_MONTH_FIRST, 20670105},  // a third digit: the general walk
      {"Jan-", DATE_MONTH_FIRST, 100},            // past the end reads as 0
  };
  for (const auto& row : rows) {
    ListingEntry entry{};
    entry.year = 7, entry.month = 7, entry.day = 7;
    ParseDate(entry, row.text, row.order);
    EXPECT_EQ(entry.year * 10000 + entry.month * 100 + entry.day, row.date) << row.text;
  }
}

TEST(ParseTimeOfDayAndMonthFromLettersLenient, ReadWhatTheirDialectsWrite) {
  ListingEntry entry{};
  ParseTimeOfDay(entry, "10::15p");  // a run of colons; the mark right behind the minutes
  EXPECT_EQ(entry.hour * 100 + entry.minute, 2215);
  ParseTimeOfDay(entry, "1:05 PM");
  EXPECT_EQ(entry.hour * 100 + entry.minute, 105);
  ParseTimeOfDay(entry, "9");  // no colon: the minute stays
  EXPECT_EQ(entry.hour * 100 + entry.minute, 905);
  EXPECT_EQ(MonthFromLettersLenient("MXR"), 3);  // lenient: only the letters it tests count
  EXPECT_EQ(MonthFromLettersLenient(""), 0);
}

}  // namespace
}  // namespace qorda
