// BULL GCOS and CP6 listings, PRIMOS (not decoded) and the bare name list
// of host type 5995.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// ' - rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT'
int ParseBullGcos(ListingEntry& entry, const LineInput& in);

// Fixed columns; the name is the first word from column 43 on.
int ParseBullCp6(ListingEntry& entry, const LineInput& in);

// PRIMOS lines are not decoded: the entry keeps only the decoder's mode bits.
int ParsePrimos(ListingEntry& entry, const LineInput& in);

// 'my%20file.txt', 'docs/': one name a line, "/" marking a directory.
int ParseNameList(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
