// Machine-readable listings: facts as name=value; pairs, one blank, then the
// entry's name. Only "modify", "size" and "type" are read.
#pragma once

#include "decode/parser.h"
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

// 'type=file;size=1234;modify=20230105123456; readme.txt'. Reads only the
// line's text and no byte past its length, so its route reads in place: the
// line need be neither copied nor terminated.
int ParseMlsd(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
