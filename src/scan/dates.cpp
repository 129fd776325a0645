#include "scan/dates.h"

#include <cstring>

#include "scan/fast_readers.h"
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

// The three fields of a numeric date: the values and whether the second is
// a month's name (then its value is that month).
struct NumericFields {
  int first;
  int second;
  int third;
  bool secondIsMonthName;
  bool operator==(const NumericFields&) const = default;
};

// 99/99/99 and 9999/99/99 ('-' as well), the shapes nearly every server
// writes, read in place to the values the general walk finds. Each test
// fails on a terminator, so nothing behind one is read.
bool ReadUsualNumericDate(const char* text, NumericFields& fields) {
  if (!IsDigit(text[0]) || !IsDigit(text[1])) return false;
  int firstDigits = 2;
  if (IsDigit(text[2])) {
    if (!IsDigit(text[3])) return false;
    firstDigits = 4;
  }
  const char* rest = text + firstDigits;
  if (!IsDateSeparator(rest[0]) || !IsDigit(rest[1]) || !IsDigit(rest[2]) ||
      !IsDateSeparator(rest[3]) || !IsDigit(rest[4]) || !IsDigit(rest[5]) || IsDigit(rest[6])) {
    return false;
  }
  fields = {DigitsValueIn(text, firstDigits), DigitsValueIn(rest + 1, 2),
            DigitsValueIn(rest + 4, 2), false};
  return true;
}

// Any numeric date: the fields found by their separators.
NumericFields WalkNumericDate(const char* text) {
  NumericFields fields;
  const char* second = NextDateField(text);
  const char* third = second == nullptr ? nullptr : NextDateField(second);
  fields.secondIsMonthName = second != nullptr && !IsDigit(*second);
  fields.first = FieldValue(text);
  fields.second = fields.secondIsMonthName ? MonthFromName(second) : FieldValue(second);
  fields.third = FieldValue(third);
  return fields;
}

NumericFields ReadNumericDate(const char* text) {
  NumericFields fields;
  if (!ReadUsualNumericDate(text, fields)) return WalkNumericDate(text);
  if constexpr (kCheckFastReaders) {
    ExpectSameReading(fields == WalkNumericDate(text), "ReadUsualNumericDate", text,
                      static_cast<int>(std::strlen(text)));
  }
  return fields;
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
    const NumericFields fields = ReadNumericDate(text);
    if (order & DATE_YEAR_FIRST) {
      year = fields.first, month = fields.second, day = fields.third;
    } else if (order & DATE_MONTH_FIRST) {
      if (!fields.secondIsMonthName) {
        month = fields.first, day = fields.second, year = fields.third;
      } else if (fields.first != 0) {
        year = fields.first, month = fields.second, day = fields.third;
      } else {
        month = fields.second, year = fields.third;
      }
    } else if (order & DATE_DAY_FIRST) {
      day = fields.first, month = fields.second, year = fields.third;
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

  // Completed before it is checked: '1899' becomes 3799, which no record holds.
  if (complete) year = CompleteTwoDigitYear(year, month, day);
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

int MonthFromLettersLenient(const char* text) {
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
