// Listing dialects of FTP servers on Macintosh, NetWare, OS/2 and DOS or
// Windows network products: Unix-like words with their own counts, short
// word layouts and fixed columns.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// MAC Morvo Server: a directory line has one word fewer than a file line.
int ParseMacServer(ListingEntry& entry, const LineInput& in);

// '-rw-r--r-- 1 owner 1234 Jan 12 12:30 read me'
int ParseHellSoft(ListingEntry& entry, const LineInput& in);

// Unix-like words whose size column moves between words 4, 5 and 6.
int ParseHummingbird(ListingEntry& entry, const LineInput& in);

// Ten words with a year column and 12-hour clock, or fixed columns.
int ParseNetWare4(ListingEntry& entry, const LineInput& in);

// '12-18-96  2:10p  <DIR>  name'
int ParseNovellLwp(ListingEntry& entry, const LineInput& in);

// '     1234      A   12-18-96   14:10  name'
int ParseOs2Warp(ListingEntry& entry, const LineInput& in);

// Size at column 16, date at 35, time at 46, name from 53.
int ParseOs2(ListingEntry& entry, const LineInput& in);

// Date at column 12, time at 22, size at 27, name from 45.
int ParseReflection(ListingEntry& entry, const LineInput& in);

// Names padded with dot leaders, with fixed columns on long lines.
int ParseVersaTerm(ListingEntry& entry, const LineInput& in);

// 'README  TXT      1234  12-18-96  2:10p' (Lumbrix, PCNFS-Pro).
int ParsePcNfs(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
