// BULL GCOS and CP6 listings, PRIMOS (not decoded) and the bare name list
// of host type 5995.
#pragma once

#include "qordahosts.h"

namespace qorda {

// ' - rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT'
void ParseBullGcos(ListingEntry& entry, char* line);

// Fixed columns; the name is the first word from column 43 on.
void ParseBullCp6(ListingEntry& entry, char* line);

// PRIMOS lines are not decoded: the entry keeps only the decoder's mode bits.
void ParsePrimos(ListingEntry& entry, char* line);

// 'my%20file.txt', 'docs/': one name a line, "/" marking a directory.
void ParseNameList(ListingEntry& entry, char* line);

}  // namespace qorda
