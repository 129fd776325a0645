// The one place the library reads the clock: the current local year and
// month, which a Unix listing needs to give 'Jan 12 12:30' its year.
#pragma once

namespace qorda {

struct LocalDate {
  int year;   // e.g. 2026
  int month;  // 1 to 12
};

LocalDate CurrentLocalDate();

// Test seam: while set, CurrentLocalDate answers this date instead of the
// clock. Internal to the static library and never exported.
void SetClockForTesting(LocalDate date);
void ResetClockForTesting();

}  // namespace qorda
