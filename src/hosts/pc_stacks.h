// Listing dialects of the FTP servers of PC and early Macintosh TCP/IP
// stacks: name-first lines, fixed columns, two entries side by side, and
// plain name lists.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'README.TXT  1,234  12-01-99  9:05' (Chameleon, Super TCP).
int ParseChameleon(ListingEntry& entry, const LineInput& in);

// Up to two 41-column entries a line; the right-hand one is decoded.
int ParseNos(ListingEntry& entry, const LineInput& in);

// 'read me.txt  1234  Jan-12-99  9:05', or a Unix long listing.
int ParseNcsa(ListingEntry& entry, const LineInput& in);

// Size and name in columns 0 to 29, the date and time in fixed columns.
int ParsePcTcp(ListingEntry& entry, const LineInput& in);

// '12-05-99  1:05p   1234 ...' with the name from column 40.
int ParseIbmPcTcpIp(ListingEntry& entry, const LineInput& in);

// Names only; QVT/Net 2/3 lists the first word, MAC NCSA the whole line.
int ParseQvtNet(ListingEntry& entry, const LineInput& in);

// Size-first fixed columns, or name first with the size field at column 44.
int ParseQvtNet4(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
