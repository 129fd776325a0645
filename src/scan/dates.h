// The shared date and time readers, and the rules that complete a year. About
// twenty dialects hand their date text to ParseDate with the field order
// their server writes.
//
// The decoder completes every year a parser leaves ('96' is 1996, '03' is
// 2003 in a complete date) and clamps it, so a parser that only stores a
// year leaves it as read. The rules below are for the parsers that must
// complete a year before they validate it, or whose servers mean something
// else by a two-digit year.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// Field order of a numeric date; only the lowest set bit counts.
enum DateOrder : uint32_t {
  DATE_YEAR_FIRST = 0x1,
  DATE_MONTH_FIRST = 0x2,
  DATE_DAY_FIRST = 0x4,
};

// Reads '12-31-99', '31/12/1999', '31-DEC-99', 'Dec 31 1999' and the like
// into the entry's year, month and day (all three, or none).
void ParseDate(ListingEntry& entry, const char* text, uint32_t order);

constexpr bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days before each month, in a common year and in a leap year.
inline constexpr int kDaysBeforeMonth[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

// The day of the year of a date, 1 January being 1; month is 1 to 12.
constexpr int DayOfYear(int year, int month, int day) {
  return kDaysBeforeMonth[IsLeapYear(year) ? 1 : 0][month - 1] + day;
}

// Reads 'hh:mm' with an optional P/p mark right behind the minutes.
void ParseTimeOfDay(ListingEntry& entry, const char* text);

// Month from the first three letters by a few letter tests, leniently: any
// word that starts with "A" but not "AP" is August, and "MAI", "OKT" and
// "DEZ" come out right by the same tests.
int MonthFromLettersLenient(const char* text);

// The decoder's rule, for a year that must be complete before it is
// checked or stored: '96' is 1996; '03' is 2003 only when month and day are
// known, since a lone year below 50 is more likely one counted from 1900.
constexpr int CompleteTwoDigitYear(int year, int month, int day) {
  if (year < 50 && month != 0 && day != 0) return year + 2000;
  if (year >= 1 && year <= 1899) return year + 1900;
  return year;
}

// Year, month and day of a complete date, its year completed before it is
// cut to the record's 16 bits.
inline void SetDate(ListingEntry& entry, int year, int month, int day) {
  entry.year = static_cast<uint16_t>(CompleteTwoDigitYear(year, month, day));
  entry.month = static_cast<uint8_t>(month);
  entry.day = static_cast<uint8_t>(day);
}

// Tandem and NetWare list no file older than 1970: '69' is 2069, with or
// without a month and day. Wraps rather than overflows.
constexpr uint16_t YearPivotedAt70(int year) {
  return static_cast<uint16_t>(static_cast<uint32_t>(year) + (year < 70 ? 2000u : 1900u));
}

// PC/TCP shows a missing year as 1900, where the decoder would leave 0.
constexpr int CompleteYearMissingAs1900(int year, int month, int day) {
  if (year < 50 && month != 0 && day != 0) return year + 2000;
  if (year < 1900) return year + 1900;
  return year;
}

// QNX 2 counts years from 1900 and writes two digits: '05' is 2005 in a
// complete date, and '97' is 1997.
constexpr uint16_t QnxYear(int yearsSince1900, int month, int day) {
  int64_t year = int64_t{yearsSince1900} + 1900;
  if (year < 1950 && month != 0 && day != 0) year += 100;
  return static_cast<uint16_t>(year);
}

// '12:05a' is 0:05 and '1:05p' 13:05; the PC and DOS servers that write
// these marks write them in lower case, and an upper-case letter is none.
constexpr int HourFromMeridiem(int hour, char mark) {
  if (hour == 12 && mark == 'a') return 0;
  if (hour != 12 && mark == 'p') return hour + 12;
  return hour;
}

}  // namespace qorda
