#include "decode/decode_line.h"
#include "support/decode.h"

namespace qorda::testing {

TEST(TandemVosParsers, ReadColumnsSectionsStampsAndUniTreeLines) {
  HostTypes{HOST_TANDEM}.Expect({
      {"a file", "FILEA                         1234  5-Jan-99 12:34:56 255, 12",
       Expected{.name = "FILEA", .size = 1234, .date = "1999-01-05 12:34"}},
      {"a size reaching left", "B                     123456789012  5-MAY-99 12:34:56 255, 12",
       Expected{.name = "B", .size = 123456789012LL, .date = "1999-05-05 12:34"}},
  });
  HostTypes{HOST_TANDEM_G}.Expect({
      {"a file", "FILEA                           1234  5-Jan-99 12:34:56 255, 12",
       Expected{.name = "FILEA", .size = 1234, .date = "1999-01-05 12:34"}},
      {"a size reaching left", "B                       123456789012  5-MAY-99 12:34:56",
       Expected{.name = "B", .size = 123456789012LL, .date = "1999-05-05 12:34"}},
  });
  gListingState = ListingState{};
  HostTypes{HOST_STRATUS_VOS}.Expect({
      {"no heading yet", "w        4  seq      01-05-16 12:34:56  foo.txt", Expected{}},
      {"files", "Files: 3  Blocks: 12", Expected{}},
      {"a file", "w        4  seq      01-05-16 12:34:56  foo.txt",
       Expected{.name = "foo.txt", .size = 16384, .date = "2001-05-16 12:34"}},
      {"links", "Links: 2", Expected{}},
      {"a link", "01-05-16 12:34:56  mylink -> target",
       Expected{.name = "mylink", .date = "2001-05-16 12:34", .kind = kLink}},
  });
  HostTypes{HOST_CONNECT_ENTERPRISE}.Expect({
      {"hhmm-yyddd", "-SR--M---- FTP CT=1234 BID=B0001 1234-01136 rest",
       Expected{.name = "B0001", .size = 1234, .date = "2001-05-16 12:34"}},
  });
  HostTypes{HOST_UNITREE}.Expect({
      {"a directory", "drw 2 o g 1 d 512 Mar 3 2019 win\\",
       Expected{.name = "win", .size = 512, .date = "2019-03-03", .kind = kDir, .flags = kNoTime}},
  });
}

}  // namespace qorda::testing
