// VMS directory listings (UCX and MultiNet servers) and RSX-11M, which
// MultiNet's parser reads with its own naming: a version behind every name,
// sizes in 512-byte blocks, dates as day-MON-year.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'LOGIN.COM;3  2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)'
int ParseVmsUcx(ListingEntry& entry, const LineInput& in);

// The same lines for MultiNet and, by host type, RSX-11M: '001002.DIR;1'
// is the directory [001,002].
int ParseVmsMultiNet(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
