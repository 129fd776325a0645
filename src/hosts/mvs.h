// IBM MVS data set listings: the host's own servers, the C-Server, KNET and
// Spartacus KNET. Partitioned data sets (" PO ") are directories.
#pragma once

#include "qordahosts.h"

namespace qorda {

// 'WYOSPT 3420   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD'
// and member lists, of the given length; names lose the qualifiers of
// currentDirectory.
void ParseMvs(ListingEntry& entry, char* line, int length, const char* currentDirectory);

// The same listings as the C-Server writes them.
void ParseMvsCServer(ListingEntry& entry, char* line, int length, const char* currentDirectory);

// 'USER.TEST.DATA  PO ...': the data set name first; names lose the high-level
// qualifier datasetPrefix.
void ParseMvsKnet(ListingEntry& entry, char* line, const char* datasetPrefix);

// 'USER   TEST   DATA' in columns 0 to 22, then tracks, block size, date, time.
void ParseSpartacusKnet(ListingEntry& entry, char* line);

}  // namespace qorda
