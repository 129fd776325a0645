// Listing parsers for Windows servers and for servers that write
// Windows-flavoured listings: the DOS style with its AM/PM clock and
// "<DIR>" column, the IIS and Apache layouts, and SI NT FTPD's last word.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// '12-31-99  10:00AM       <DIR>          src', or a Unix long listing, of
// the given length. Returns the name's length, as ParseAci does.
int ParseWindowsNt(ListingEntry& entry, char* line, int length, int32_t hostTypeId);

// The same two styles with ACI's columns, clock and directory markers.
int ParseAci(ListingEntry& entry, char* line, int length, int32_t hostTypeId);

// 'Tue Jan 12 2009 09:15 AM 12345 file.txt'
void ParseIis(ListingEntry& entry, char* line, int32_t hostTypeId);

// 'index.html              12-Jan-2009 12:30  1.2K'
void ParseApache(ListingEntry& entry, char* line, int32_t hostTypeId);

// Only the last word and the kind: 'drwxr-xr-x ... 12:30 docs/'
void ParseSiNt(ListingEntry& entry, char* line, int32_t hostTypeId);

}  // namespace qorda
