// IBM AS/400 listings in their three date orders (host types 6017, 6061,
// 6067). Member lines take the date, time and size of the line before them.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE'
// 'MYUSER                                 *MEM       MYFILE.FILE/MYMEMBER.MBR'
// A member line takes what the listing state remembers of the line before.
int ParseAs400(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
