#pragma once

#include <cstdint>

#include "hosts/mlsd.h"
#include "qordahosts.h"

namespace qorda {

// Runs the one parser that the host type id selects on the decoder's
// trimmed copy of the line, whose length is given, and returns the length
// of the name it wrote. The parsers of the busiest dialects report the
// length of the name they copied (measuring the name just written waits
// for the copy's stores); for the others it is measured here.
int DispatchLine(ListingEntry& entry, char* line, int length, int32_t hostTypeId,
                 const char* currentDirectory, const char* datasetPrefix);

// A parser that only reads its line, and no byte past the length it is
// given: it needs no copy, and no terminator.
using InPlaceParser = int (*)(ListingEntry& entry, const char* line, int length,
                              int32_t hostTypeId);

// The host type's parser if it reads in place, or null: the decoder then
// hands it the caller's text, trimmed, instead of a copy. DispatchLine
// leaves these host types out. Inline, so that every other host type pays
// one compare for it.
inline InPlaceParser InPlaceParserFor(int32_t hostTypeId) {
  switch (hostTypeId) {
    // MLSD facts.
    case HOST_MLSD:
    case HOST_QORDA_SERVER:
      return ParseMlsd;
    default:
      return nullptr;
  }
}

}  // namespace qorda
