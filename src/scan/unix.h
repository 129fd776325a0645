// The Unix long-listing parser, the default for every host type without a
// dialect of its own, and its column reader, which many dialects that write
// Unix-like columns share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// '-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt'.
int ParseUnixLine(ListingEntry& entry, const LineInput& in);

// Reads month, day, time of day or year, and size from the given word
// numbers. yearWord is read only for NetWare v4, which writes its own year
// column and a 12-hour clock.
void ParseUnixColumns(ListingEntry& entry, const char* line, int yearWord, int monthWord,
                      int dayWord, int timeWord, int sizeWord, int32_t hostTypeId);

// Where the name begins, so that names with blanks survive whole; null when
// the line ends before a name. *extraWord is 1 for a device entry whose size
// column is two words ("4,  64").
char* FindUnixName(char* line, int* extraWord);

}  // namespace qorda
