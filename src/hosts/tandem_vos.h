// Tandem, Stratus VOS, CONNECT:Enterprise and UniTree listings: two
// fixed-column layouts, a sectioned listing, a mailbox listing with a packed
// time stamp and a Unix listing with two more columns.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// 'FILEA           1234  5-Jan-99 12:34:56 ...': name in columns 0 to 9.
// Both return the name's length.
int ParseTandem(ListingEntry& entry, char* line, int length);
// The same layout with every field after the name two columns further right.
int ParseTandemG(ListingEntry& entry, char* line, int length);

// Lines under the "Files:", "Dirs:" and "Links:" headings; the heading seen
// last decides how a line reads, so the lines must come in listing order.
void ParseStratusVos(ListingEntry& entry, char* line);
// Back to the state of a freshly loaded library: no section yet.
void ResetStratusVosSectionsForTesting();

// '... CT=1234 BID=B0001 1234-01136 ...': count, batch id, hhmm-yyddd.
void ParseConnectEnterprise(ListingEntry& entry, char* line);

// A Unix long listing with size in word 7 and the name from word 11.
void ParseUniTree(ListingEntry& entry, char* line, int32_t hostTypeId);

}  // namespace qorda
