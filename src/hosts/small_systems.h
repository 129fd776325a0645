// Listing parsers of small desktop and embedded systems: AMOS, Amiga, OS-9,
// OS-9000, Passport, QNX 2 and VxWorks.
#pragma once

#include "qordahosts.h"

namespace qorda {

// 'AB     TXT     3  16-Mar-95  11:46': name, extension, blocks, date, time.
void ParseAmos(ListingEntry& entry, char* line);

// Names and directory marks only.
void ParseAmiga(ListingEntry& entry, char* line);

// OS-9 and OS-9000 differ only in the column of the attribute string.
void ParseOs9(ListingEntry& entry, char* line);
void ParseOs9000(ListingEntry& entry, char* line);

// Size, month name, day, year, time, name from column 36.
void ParsePassport(ListingEntry& entry, char* line);

// '+name' for a directory, a fixed-column line for a file.
void ParseQnx2(ListingEntry& entry, char* line);

// Words: size, date, time, name, and "<DIR>" for a directory.
void ParseVxWorks(ListingEntry& entry, char* line);

}  // namespace qorda
