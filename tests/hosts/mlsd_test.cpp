#include "support/decode.h"

namespace qorda::testing {

TEST(ParseMlsd, ReadsFactsByNameAndTheNameBehindThem) {
  HostTypes{HOST_MLSD, HOST_QORDA_SERVER}.Expect({
      {"a file", "type=file;size=1234;modify=20230105123456;perm=adfr; readme.txt",
       Expected{.name = "readme.txt", .size = 1234, .date = "2023-01-05 12:34", .kind = kFile}},
      {"any case, fractions", "Type=FILE;Size=99;Modify=19991231235959.123; My File.txt",
       Expected{.name = "My File.txt", .size = 99, .date = "1999-12-31 23:59", .kind = kFile}},
      {"a link", "type=OS.unix=slink:/tmp/x;size=5; lnk",
       Expected{.name = "lnk", .size = 5, .kind = kLink}},
      {"a blank ends the facts", "type=DIR ; d", Expected{.name = "; d", .kind = kDir}},
      {"the line's end reads as 0", "size=5;modify=2023",
       Expected{.size = 5, .date = "2023-00-00"}},
      {"facts past 32 bytes", "x.unique=0123456789abcdef0123456789;size=7; n",
       Expected{.name = "n", .size = 7}},
      {"exactly one blank before the name", "type=file;  two",
       Expected{.name = " two", .kind = kFile}},
      {"facts before it stay", "modify=20230105123456;type=cdir; .",
       Expected{.date = "2023-01-05 12:34"}},
  });
}

}  // namespace qorda::testing
