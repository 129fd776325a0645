// Year and hour completion shared by the fixed-column PC, DOS and OS/2
// dialects, which write two-digit years and 12-hour clocks:
//   12-18-96  1:05p        1234  README.TXT
#pragma once

namespace qorda {

// '96' is 1996; '03' is 2003 only when month and day are known, since a
// lone year below 50 is more likely a year counted from 1900.
constexpr int CompleteTwoDigitYear(int year, int month, int day) {
  if (year < 50 && month != 0 && day != 0) return year + 2000;
  if (year >= 1 && year <= 1899) return year + 1900;
  return year;
}

// '12:05a' is 0:05 and '1:05p' 13:05; these servers write the mark in
// lower case, and an upper-case letter is no mark.
constexpr int HourFromMeridiem(int hour, char mark) {
  if (hour == 12 && mark == 'a') return 0;
  if (hour != 12 && mark == 'p') return hour + 12;
  return hour;
}

}  // namespace qorda
