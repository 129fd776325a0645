// Listing parsers of the proprietary minicomputers and mainframes: AOS/VS,
// GCOS 6 HVS (OS and AIX), Unisys A-Series, OS 2200, HP/3000, MUSIC, CDC
// Cyber and the R1000.
#pragma once

#include "qordahosts.h"

namespace qorda {

// 'REPORT.TXT          TXT   ...     1234  05-Mar-97 12:30:00'
void ParseAosVs(ListingEntry& entry, char* line);

// Name at column 11, type word "DIR" or "LNK" at column 25.
void ParseGcos6Aix(ListingEntry& entry, char* line);

// Columns counted from the first non-blank; the size is records times the
// record length at columns 24 and 33.
void ParseGcos6Os(ListingEntry& entry, char* line);

// Name first, the size covering column 56, date and time from column 58.
void ParseUnisysA(ListingEntry& entry, char* line);

// Element, version at 16, type at 32, date at 36, time at 48, size at 56.
void ParseOs2200(ListingEntry& entry, char* line);

// Only the file name, from either of the two report layouts.
void ParseHp3000(ListingEntry& entry, char* line);

// Name first, kilobytes at column 30, date and time from column 45.
void ParseMusic(ListingEntry& entry, char* line);

// A blank-led ten-column name, size digits in columns 11 to 21.
void ParseCdcCyber(ListingEntry& entry, char* line);

// Object name and its class words.
void ParseR1000(ListingEntry& entry, char* line);

}  // namespace qorda
