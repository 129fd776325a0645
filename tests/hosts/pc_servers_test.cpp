#include "support/decode.h"

namespace qorda::testing {

TEST(PcServerParsers, ReadTheirWordsAndColumns) {
  HostTypes{HOST_MAC_MORVO_SERVER}.Expect({
      {"a file", "-rw-r--r-- owner group 1234 Jan 12 1999 read me",
       Expected{.name = "read me", .size = 1234, .date = "1999-01-12", .flags = kNoTime}},
  });
  HostTypes{HOST_HUMMINGBIRD}.Expect({
      {"the size in word 6", "-rw-r--r-- 1 owner group extra 1234 Jan 12 2019 read me",
       Expected{.name = "read me", .size = 1234, .date = "2019-01-12", .flags = kNoTime}},
  });
  HostTypes{HOST_HELLSOFT}.Expect({
      {"no group column", "-rwxr-xr-x 1 owner 512 Mar 3 2019 my src",
       Expected{.name = "my src", .size = 512, .date = "2019-03-03", .flags = kNoTime}},
  });
  HostTypes{HOST_NETWARE_V4}.Expect({
      {"ten words", "d [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm Public Files",
       Expected{.name = "Public Files", .size = 512, .date = "1998-01-12 21:05", .kind = kDir}},
      {"fixed columns",
       "-rw-r--r--                                  1234   Jan 12, 98 1:15 pm   a b",
       Expected{.name = "a b", .size = 1234, .date = "1998-01-12 13:15"}},
      {"69 is 2069", "--------                                     512   Jan 12, 69 10:00 pm   a b",
       Expected{.name = "a b", .size = 512, .date = "2038-01-12 22:00"}},
  });
  HostTypes{HOST_NOVELL_LWP}.Expect({
      {"a file", "12-18-96  2:10p  1234  read me.txt",
       Expected{.name = "read me.txt", .size = 1234, .date = "1996-12-18 14:10"}},
  });
  HostTypes{HOST_IBM_OS2_WARP}.Expect({
      {"a file", "              1234      A          01-02-03    9:05  My Document.txt",
       Expected{.name = "My Document.txt", .size = 1234, .date = "2003-01-02 09:05"}},
  });
  HostTypes{HOST_IBM_OS2}.Expect({
      {"a file", "            123456                 12-18-96   14:10  readme.txt",
       Expected{.name = "readme.txt", .size = 123456, .date = "1996-12-18 14:10"}},
  });
  HostTypes{HOST_REFLECTION}.Expect({
      {"a five-character time", "            12-18-96  2:10p      98765       read me",
       Expected{.name = "read me", .size = 98765, .date = "1996-12-18 14:10"}},
  });
  HostTypes{HOST_MAC_VERSATERM}.Expect({
      {"a P mark", "report.txt..............................    1234         Jan 12  03:05 P    98",
       Expected{.name = "report.txt", .size = 1234, .date = "1998-01-12 15:05"}},
  });
  HostTypes{HOST_LUMBRIX, HOST_PCNFS_PRO}.Expect({
      {"an eight-letter base name", "FILENAME EXT     5     01-02-05  12:05a",
       Expected{.name = "FILENAME.EXT", .size = 5, .date = "2005-01-02 00:05"}},
  });
}

}  // namespace qorda::testing
