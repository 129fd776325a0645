#include "scan/dates.h"

#include "scan/text.h"

namespace qorda {
namespace {

constexpr bool IsDateSeparator(char c) {
  return c == '-' || c == '/';
}

// The next field of a numeric date: past the first run of "-" and "/", or
// null when the text ends before one.
const char* NextDateField(const char* field) {
  while (*field != '\0' && !IsDateSeparator(*field)) ++field;
  if (*field == '\0') return nullptr;
  while (IsDateSeparator(*field)) ++field;
  return field;
}

int FieldValue(const char* field) {
  return field == nullptr ? 0 : ScanInt(field);
}

}  // namespace

void ParseDate(ListingEntry& entry, const char* text, uint32_t order) {
  if (text == nullptr) return;
  while (*text == ' ') ++text;
  if (*text == '\0') return;

  int year = 0;
  int month = 0;
  int day = 0;
  bool complete = true;
  if (!IsDigit(*text)) {
    month = MonthFromName(text);
    if (CharAt(text, 3) == '-') {
      // Mon-DD-YY: fixed positions, so the day must have two digits.
      day = ScanInt(TextAt(text, 4));
      year = ScanInt(TextAt(text, 7));
    } else {
      if (const char* dayWord = NthWord(text, 2)) day = ScanInt(dayWord);
      if (const char* yearWord = NthWord(text, 3)) year = ScanInt(yearWord);
    }
  } else {
    const char* first = text;
    const char* second = NextDateField(first);
    const char* third = second == nullptr ? nullptr : NextDateField(second);
    bool secondIsMonthName = second != nullptr && !IsDigit(*second);
    int secondValue = secondIsMonthName ? MonthFromName(second) : FieldValue(second);
    if (order & DATE_YEAR_FIRST) {
      year = FieldValue(first), month = secondValue, day = FieldValue(third);
    } else if (order & DATE_MONTH_FIRST) {
      if (!secondIsMonthName) {
        month = FieldValue(first), day = secondValue, year = FieldValue(third);
      } else if (FieldValue(first) != 0) {
        year = FieldValue(first), month = secondValue, day = FieldValue(third);
      } else {
        month = secondValue, year = FieldValue(third);
      }
    } else if (order & DATE_DAY_FIRST) {
      day = FieldValue(first), month = secondValue, year = FieldValue(third);
    }
    // else: no order given, numeric dates are not accepted and all stay 0.

    // A day above 31, or a missing day, means the fields were read in the
    // wrong order: '12-31-99' read year first gives year 12, month 31, day 99.
    if (day > 31 || (day == 0 && month != 0 && year != 0)) {
      int oldYear = year;
      year = day, day = month, month = oldYear;
    } else if (day >= 1 && day <= 31 && month == 0 && year != 0) {
      month = year, year = 2000;
      complete = false;
    }
  }

  if (complete) {
    if (year < 50 && month != 0 && day != 0) {
      year += 2000;
    } else if (year >= 1 && year <= 1899) {
      year += 1900;
    }
  }
  if (year > 2099 || month > 12 || day > 31) year = month = day = 0;
  entry.year = static_cast<uint16_t>(year);
  entry.month = static_cast<uint8_t>(month);
  entry.day = static_cast<uint8_t>(day);
}

void ParseTimeOfDay(ListingEntry& entry, const char* text) {
  if (text == nullptr) return;
  int hour = ScanInt(text);
  const char* colon = FindNear(text, ':');
  if (colon != nullptr) {
    while (*colon == ':') ++colon;
    entry.minute = static_cast<uint8_t>(ScanInt(colon));
    // '1:05PM' is 13:05; the mark must sit right behind two minute digits.
    char mark = CharAt(colon, 2);
    if (hour < 12 && (mark == 'P' || mark == 'p')) hour += 12;
  }
  entry.hour = static_cast<uint8_t>(hour);
}

int MonthFromLetters(const char* text) {
  if (text == nullptr) return 0;
  char first = ToUpper(CharAt(text, 0));
  char second = ToUpper(CharAt(text, 1));
  char third = ToUpper(CharAt(text, 2));
  switch (first) {
    case 'A':
      return second == 'P' ? 4 : 8;
    case 'D':
      return 12;
    case 'F':
      return 2;
    case 'J':
      return second == 'A' ? 1 : third == 'L' ? 7 : 6;
    case 'M':
      return third == 'R' ? 3 : 5;
    case 'N':
      return 11;
    case 'O':
      return 10;
    case 'S':
      return 9;
    default:
      return 0;
  }
}

}  // namespace qorda
