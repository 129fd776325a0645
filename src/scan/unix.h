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

// The word numbers (1-based, as NthWord counts them) of the columns of a
// Unix-like line; 0 for a column the line does not have.
struct UnixColumns {
  int size;
  int month;
  int day;
  int timeOrYear;  // "12:30", whose year is inferred from the clock, or "2019"
};

// Reads size, month, day and time of day or year from the given columns:
// ParseUnixColumns(entry, line, {.size = 5, .month = 6, .day = 7, .timeOrYear = 8}).
void ParseUnixColumns(ListingEntry& entry, const char* line, const UnixColumns& columns);

// Where the name begins, so that names with blanks survive whole; null when
// the line ends before a name. *extraWord is 1 for a device entry whose size
// column is two words ("4,  64").
char* FindUnixName(char* line, int* extraWord);

}  // namespace qorda
