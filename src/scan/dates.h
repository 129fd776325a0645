// The shared date and time readers. About twenty dialects hand their date
// text to ParseDate with the field order their server writes.
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

// Reads 'hh:mm' with an optional P/p mark right behind the minutes.
void ParseTimeOfDay(ListingEntry& entry, const char* text);

// Month from the first three letters by letter tests ("MAI", "OKT" work).
int MonthFromLetters(const char* text);

}  // namespace qorda
