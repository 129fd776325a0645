// IBM VM/CMS listings: file name and file type in columns 0 to 17, the size as
// the product of two count columns.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'PROFILE  EXEC      V         80         23 ... 2001-05-16 12:34:56' and
// the date-first shape '05/16/2001 12:34 ... PROFILE.EXEC'. Names that begin
// with the current directory lose it.
int ParseVmCms(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
