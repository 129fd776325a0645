// Listing dialects of the FTP servers of PC and early Macintosh TCP/IP
// stacks: name-first lines, fixed columns, two entries side by side, and
// plain name lists.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// Words separated by runs of blanks and tabs (unlike NthWord, a tab counts).
int CountWords(const char* text);

// '1,234,567 bytes' gives 1234567: digits with grouping commas.
void ParseGroupedSize(ListingEntry& entry, const char* text);

// 'README.TXT  1,234  12-01-99  9:05' (Chameleon, Super TCP).
void ParseChameleon(ListingEntry& entry, char* line);

// Up to two 41-column entries a line; the right-hand one is decoded.
void ParseNos(ListingEntry& entry, char* line);

// 'read me.txt  1234  Jan-12-99  9:05', or a Unix long listing.
void ParseNcsa(ListingEntry& entry, char* line, int32_t hostTypeId);

// Size and name in columns 0 to 29, the date and time in fixed columns.
void ParsePcTcp(ListingEntry& entry, char* line);

// '12-05-99  1:05p   1234 ...' with the name from column 40.
void ParseIbmPcTcpIp(ListingEntry& entry, char* line);

// Names only; QVT/Net 2/3 lists the first word, MAC NCSA the whole line.
void ParseQvtNet(ListingEntry& entry, char* line, int32_t hostTypeId);

// Size-first fixed columns, or name first with the size field at column 44.
void ParseQvtNet4(ListingEntry& entry, char* line);

}  // namespace qorda
