// The decoder frame: the internal entry behind QORDA_DecodeLine, the
// process-wide listing state, and the steps every line passes through
// whatever its route.
#pragma once

#include <cstddef>
#include <cstring>

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// The decoder reads this much of a line; the rest is never seen.
constexpr int kMaxLineLength = 511;

// The listing state behind QORDA_DecodeLine: one for the whole process,
// fed by every AS/400 and Stratus VOS line decoded through it, tied to no
// connection or listing, and not locked. The caller therefore decodes the
// lines of one listing in order, one listing at a time, from one thread.
extern ListingState gListingState;

// QORDA_DecodeLine with the listing state the caller keeps: clears the
// record, trims the line (in a private copy, or in place for a route that
// reads in place), reads a leading permission string, runs the host type's
// parser, brings the date into range and returns the name's length. line,
// currentDirectory and datasetPrefix may be null. ListingState is a plain
// value: a caller that must leave a listing's state as it found it decodes
// with a copy.
int32_t DecodeLine(ListingEntry& entry, const char* line, int32_t hostTypeId,
                   const char* currentDirectory, const char* datasetPrefix, ListingState& state);

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
