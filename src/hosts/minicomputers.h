// Listing parsers of the proprietary minicomputers and mainframes: AOS/VS,
// GCOS 6 HVS (OS and AIX), Unisys A-Series, OS 2200, HP/3000, MUSIC, CDC
// Cyber and the R1000.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'REPORT.TXT          TXT   ...     1234  05-Mar-97 12:30:00'
int ParseAosVs(ListingEntry& entry, const LineInput& in);

// Name at column 11, type word "DIR" or "LNK" at column 25.
int ParseGcos6Aix(ListingEntry& entry, const LineInput& in);

// Columns counted from the first non-blank; the size is records times the
// record length at columns 24 and 33.
int ParseGcos6Os(ListingEntry& entry, const LineInput& in);

// Name first, the size covering column 56, date and time from column 58.
int ParseUnisysA(ListingEntry& entry, const LineInput& in);

// Element, version at 16, type at 32, date at 36, time at 48, size at 56.
int ParseOs2200(ListingEntry& entry, const LineInput& in);

// Only the file name, from either of the two report layouts.
int ParseHp3000(ListingEntry& entry, const LineInput& in);

// Name first, kilobytes at column 30, date and time from column 45.
int ParseMusic(ListingEntry& entry, const LineInput& in);

// A blank-led ten-column name, size digits in columns 11 to 21.
int ParseCdcCyber(ListingEntry& entry, const LineInput& in);

// Object name and its class words.
int ParseR1000(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
