// Listing parsers for Windows servers and for servers that write
// Windows-flavoured listings: the DOS style with its AM/PM clock and
// "<DIR>" column, the IIS and Apache layouts, and SI NT FTPD's last word.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// '12-31-99  10:00AM       <DIR>          src', or a Unix long listing.
int ParseWindowsNt(ListingEntry& entry, const LineInput& in);

// The same two styles with ACI's columns, clock and directory markers.
int ParseAci(ListingEntry& entry, const LineInput& in);

// 'Tue Jan 12 2009 09:15 AM 12345 file.txt'
int ParseIis(ListingEntry& entry, const LineInput& in);

// 'index.html              12-Jan-2009 12:30  1.2K'
int ParseApache(ListingEntry& entry, const LineInput& in);

// Only the last word and the kind: 'drwxr-xr-x ... 12:30 docs/'
int ParseSiNt(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
