// Machine-readable listings: facts as name=value; pairs, one blank, then the
// entry's name. Only "modify", "size" and "type" are read.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// What a fact of the line is. MLSD_FACT_NONE is a fact the table does not know,
// or the end of the line.
enum MlsdFactCode : int {
  MLSD_FACT_NONE = 0,
  MLSD_FACT_NAME = 1,  // the entry's name behind the blank
  MLSD_FACT_SIZE = 2,
  MLSD_FACT_MODIFY = 4,
  MLSD_FACT_TYPE = 8,
};

struct MlsdFact {
  const char* name;
  int nameLength;
  MlsdFactCode code;
};

// The facts read, each name at most eight letters long and in lower case
// (the lookup compares a whole name at once); a code of MLSD_FACT_NONE ends
// the table.
inline constexpr MlsdFact MlsdFactTable[] = {
    {"modify", 6, MLSD_FACT_MODIFY},
    {"size", 4, MLSD_FACT_SIZE},
    {"type", 4, MLSD_FACT_TYPE},
    {"", 0, MLSD_FACT_NONE},
};

// 'type=file;size=1234;modify=20230105123456; readme.txt', of the given
// length; no byte past it is read, so the line need not be terminated.
// Returns the name's length, 0 for no entry.
int ParseMlsd(ListingEntry& entry, const char* line, int length, int32_t hostTypeId);

}  // namespace qorda
