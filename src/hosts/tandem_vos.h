// Tandem, Stratus VOS, CONNECT:Enterprise and UniTree listings: two
// fixed-column layouts, a sectioned listing, a mailbox listing with a packed
// time stamp and a Unix listing with two more columns.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'FILEA           1234  5-Jan-99 12:34:56 ...': name in columns 0 to 9.
int ParseTandem(ListingEntry& entry, const LineInput& in);
// The same layout with every field after the name two columns further right.
int ParseTandemG(ListingEntry& entry, const LineInput& in);

// Lines under the "Files:", "Dirs:" and "Links:" headings; the heading seen
// last, which the listing state keeps, decides how a line reads, so the
// lines must come in listing order.
int ParseStratusVos(ListingEntry& entry, const LineInput& in);

// '... CT=1234 BID=B0001 1234-01136 ...': count, batch id, hhmm-yyddd.
int ParseConnectEnterprise(ListingEntry& entry, const LineInput& in);

// A Unix long listing with size in word 7 and the name from word 11.
int ParseUniTree(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
