// IBM MVS data set listings: the host's own servers, the C-Server, KNET and
// Spartacus KNET. Partitioned data sets (" PO ") are directories.
#pragma once

#include "decode/parser.h"
#include "qordahosts.h"

namespace qorda {

// 'WYOSPT 3420   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD'
// and member lists; names lose the qualifiers of the current directory.
int ParseMvs(ListingEntry& entry, const LineInput& in);

// The same listings as the C-Server writes them.
int ParseMvsCServer(ListingEntry& entry, const LineInput& in);

// 'USER.TEST.DATA  PO ...': the data set name first; names lose the high-level
// qualifier that the data set prefix names.
int ParseMvsKnet(ListingEntry& entry, const LineInput& in);

// 'USER   TEST   DATA' in columns 0 to 22, then tracks, block size, date, time.
int ParseSpartacusKnet(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
