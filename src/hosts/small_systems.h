// Listing parsers of small desktop and embedded systems: AMOS, Amiga, OS-9,
// OS-9000, Passport, QNX 2 and VxWorks.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'AB     TXT     3  16-Mar-95  11:46': name, extension, blocks, date, time.
int ParseAmos(ListingEntry& entry, const LineInput& in);

// Names and directory marks only.
int ParseAmiga(ListingEntry& entry, const LineInput& in);

// OS-9 and OS-9000 differ only in the column of the attribute string.
int ParseOs9(ListingEntry& entry, const LineInput& in);
int ParseOs9000(ListingEntry& entry, const LineInput& in);

// Size, month name, day, year, time, name from column 36.
int ParsePassport(ListingEntry& entry, const LineInput& in);

// '+name' for a directory, a fixed-column line for a file.
int ParseQnx2(ListingEntry& entry, const LineInput& in);

// Words: size, date, time, name, and "<DIR>" for a directory.
int ParseVxWorks(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
