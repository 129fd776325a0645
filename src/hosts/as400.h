// IBM AS/400 listings in their three date orders (host types 6017, 6061,
// 6067). Member lines take the date, time and size of the line before them.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// 'MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE'
// 'MYUSER                                 *MEM       MYFILE.FILE/MYMEMBER.MBR',
// of the given length.
void ParseAs400(ListingEntry& entry, char* line, int length, int32_t hostTypeId);

}  // namespace qorda
