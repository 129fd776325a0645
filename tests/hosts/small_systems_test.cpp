#include "support/decode.h"

namespace qorda::testing {

TEST(SmallSystemParsers, ReadTheirReports) {
  HostTypes{HOST_AMOS_TCP_IP}.Expect({
      {"name and extension", "AB     TXT 3    Mar-16-95 11:46",
       Expected{.name = "AB.TXT", .size = 1536, .date = "1995-03-16 11:46"}},
  });
  HostTypes{HOST_AMIGA}.Expect({
      {"drw", "drwxr-xr-x  0  Jan 12 12:30 Music", Expected{.name = "Music", .kind = kDir}},
  });
  HostTypes{HOST_OS_9}.Expect({
      {"a directory", "   0.0    95/03/16 1146   d-ewrewr     A8    160      CMDS",
       Expected{.name = "CMDS", .size = 160, .date = "1995-03-16 11:46", .kind = kDir}},
  });
  HostTypes{HOST_OS_9000}.Expect({
      {"a directory", "   0.0    95/03/16 1146 d-ewrewr       A8    160      CMDS",
       Expected{.name = "CMDS", .size = 160, .date = "1995-03-16 11:46", .kind = kDir}},
  });
  HostTypes{HOST_PASSPORT_160}.Expect({
      {"a file", "   12345    MAR 16 95    11:46      MY FILE",
       Expected{.name = "MY FILE", .size = 12345, .date = "1995-03-16 11:46"}},
      {"no blank: from column 1", "123456789   Dec 16 95    11:46      WIDE",
       Expected{.name = "WIDE", .size = 23456789, .date = "1995-12-16 11:46"}},
  });
  HostTypes{HOST_QNX2}.Expect({
      {"05 is 2005", "    2     rwe-r-                            16 Jan 05 11:46 new",
       Expected{.name = "new", .size = 1024, .date = "2005-01-16 11:46"}},
      {"no month, no century", "    2     rwe-r-                            16 ??? 05 11:46 x",
       Expected{.name = "x", .size = 1024, .date = "1905-00-16 11:46"}},
      {"50 is 1950", "    2     rwe-r-                            16 Jan 50 11:46 old",
       Expected{.name = "old", .size = 1024, .date = "1950-01-16 11:46"}},
  });
  HostTypes{HOST_VXWORKS}.Expect({
      {"a directory", "     512    JAN-01-1980  00:00:00   .               <DIR>",
       Expected{.name = ".", .size = 512, .date = "1980-01-01", .kind = kDir}},
  });
}

}  // namespace qorda::testing
