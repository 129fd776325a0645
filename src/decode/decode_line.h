#pragma once

#include <cstddef>
#include <cstring>

#include "qordahosts.h"

namespace qorda {

// Zeroes the whole record. GCC expands a memset of constant size into rep
// stosq, whose start-up, and the stall of the stores that follow it into
// the same record, cost more than the library's vector stores: hiding the
// size from the compiler leaves the clearing to the library.
inline void ClearRecord(ListingEntry& entry) {
  std::size_t size = sizeof entry;
#if defined(__GNUC__)
  asm("" : "+r"(size));
#endif
  std::memset(&entry, 0, size);
}

// Sets the mode bits when the line starts with a Unix permission string.
void ReadPermissions(ListingEntry& entry, const char* line, int length);

// Brings the year, month and day a parser left into the record's range.
void NormaliseDate(ListingEntry& entry);

}  // namespace qorda
