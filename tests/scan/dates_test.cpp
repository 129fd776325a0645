#include "scan/dates.h"

#include <gtest/gtest.h>

#include <utility>

namespace qorda {
namespace {

TEST(ParseDate, ReadsEveryOrderAndRepairsMisorders) {
  struct Row {
    const char* text;
    uint32_t order;
    int date;  // yyyymmdd; 70707 is the date the entry had
  } rows[] = {
      {"12-31-99", DATE_YEAR_FIRST, 19991231},  // day 99 rotates into the year
      {"12-31", DATE_YEAR_FIRST, 20001231},     // no day: rotated, then completed
      {"49-1-1", DATE_YEAR_FIRST, 20490101},
      {"50-1-1", DATE_YEAR_FIRST, 19500101},
      {"1899-01-01", DATE_YEAR_FIRST, 0},  // 3799 after completion
      {"1//5--23", DATE_MONTH_FIRST, 20230105},
      {"12.31.99", DATE_MONTH_FIRST, 1200},       // dots do not separate
      {"99-Dec-31", DATE_MONTH_FIRST, 19991231},  // month name in the middle
      {"0-Dec-99", DATE_MONTH_FIRST, 0},          // no day: rotated into month 99
      {"13-12-99", DATE_DAY_FIRST, 19991213},
      // The usual shapes and their near misses, read in place or walked.
      {"2001/05/16", DATE_YEAR_FIRST, 20010516},
      {"12/31-99x", DATE_MONTH_FIRST, 19991231},
      {"01/05/167", DATE_MONTH_FIRST, 20670105},  // a third digit in the last field
      {"999/01/02", DATE_YEAR_FIRST, 0},          // 2899
      {"12-31-99", 0, 0},                         // no order: no numeric date
      {"Jan-12-99", 0, 19990112},
      {"Jan-", DATE_MONTH_FIRST, 100},  // positions past the end read as 0
      {"  Feb 3 97", DATE_MONTH_FIRST, 19970203},
      {"    ", DATE_MONTH_FIRST, 70707},
      {nullptr, DATE_MONTH_FIRST, 70707},
  };
  for (const Row& row : rows) {
    ListingEntry entry{};
    entry.year = 7, entry.month = 7, entry.day = 7;
    ParseDate(entry, row.text, row.order);
    EXPECT_EQ(entry.year * 10000 + entry.month * 100 + entry.day, row.date)
        << row.text << " order " << row.order;
  }
}

TEST(ParseTimeOfDay, ReadsHourMinuteAndAnAttachedPmMark) {
  // hhmm; a minute of 59 is the one the entry had.
  const std::pair<const char*, int> rows[] = {
      {"1:05PM", 1305}, {"1:05 PM", 105}, {"11:59p", 2359}, {"12:30PM", 1230}, {"12:30AM", 1230},
      {"10::15", 1015}, {"9", 959},       {"3.04PM", 359},  {"7:", 700},
  };
  for (const auto& [text, time] : rows) {
    ListingEntry entry{};
    entry.minute = 59;
    ParseTimeOfDay(entry, text);
    EXPECT_EQ(entry.hour * 100 + entry.minute, time) << text;
  }
}

TEST(MonthFromLetters, DecidesByTheLettersItTests) {
  const std::pair<const char*, int> rows[] = {
      {"jan", 1},  {"JUX", 6},  {"jul", 7}, {"MXR", 3}, {"MAI", 5}, {"Apr", 4}, {"Ax", 8},
      {"OKT", 10}, {"DEZ", 12}, {"Txx", 0}, {"J", 6},   {"M", 5},   {"", 0},
  };
  for (const auto& [text, month] : rows) EXPECT_EQ(MonthFromLettersLenient(text), month) << text;
}

}  // namespace
}  // namespace qorda
