// Listing dialects of FTP servers on Macintosh, NetWare, OS/2 and DOS or
// Windows network products: Unix-like words with their own counts, short
// word layouts and fixed columns.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// MAC Morvo Server: a directory line has one word fewer than a file line.
void ParseMacServer(ListingEntry& entry, char* line, int32_t hostTypeId);

// '-rw-r--r-- 1 owner 1234 Jan 12 12:30 read me'
void ParseHellSoft(ListingEntry& entry, char* line, int32_t hostTypeId);

// Unix-like words whose size column moves between words 4, 5 and 6.
void ParseHummingbird(ListingEntry& entry, char* line, int32_t hostTypeId);

// Ten words with a year column and 12-hour clock, or fixed columns.
void ParseNetWare4(ListingEntry& entry, char* line, int32_t hostTypeId);

// '12-18-96  2:10p  <DIR>  name'
void ParseNovellLwp(ListingEntry& entry, char* line);

// '     1234      A   12-18-96   14:10  name'
void ParseOs2Warp(ListingEntry& entry, char* line);

// Size at column 16, date at 35, time at 46, name from 53. Returns the
// name's length.
int ParseOs2(ListingEntry& entry, char* line, int length);

// Date at column 12, time at 22, size at 27, name from 45.
void ParseReflection(ListingEntry& entry, char* line);

// Names padded with dot leaders, with fixed columns on long lines.
void ParseVersaTerm(ListingEntry& entry, char* line);

// 'README  TXT      1234  12-18-96  2:10p' (Lumbrix, PCNFS-Pro).
void ParsePcNfs(ListingEntry& entry, char* line);

}  // namespace qorda
