#include "decode/decode_line.h"
#include "support/decode.h"

namespace qorda::testing {

TEST(ParseAs400, ReadsTheHostTypesDateOrderAndMemberLines) {
  HostTypes{HOST_IBM_AS_400_DD_MM_YY}.Expect({
      {"day first", "MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE",
       Expected{.name = "MYFILE.FILE", .size = 4096, .date = "2016-05-01 12:34"}},
  });
  HostTypes{HOST_IBM_AS_400}.Expect({
      {"a size across column 20", "MYUSER      123456789 01/05/16 12:34:56 *FILE      B",
       Expected{.name = "B", .size = 123456789, .date = "2001-05-16 12:34"}},
      {"the slash shape", "MYUSER           2048   01/05/16 12:34:56  DIR       ROOT/DIR",
       Expected{.name = "ROOT/DIR", .size = 2048, .date = "2001-05-16 12:34", .kind = kDir}},
  });
  HostTypes{HOST_IBM_AS_400_MM_DD_YY}.Expect({
      {"month first", "MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE",
       Expected{.name = "MYFILE.FILE", .size = 4096, .date = "2016-01-05 12:34"}},
  });
  gListingState = ListingState{};
  HostTypes{HOST_IBM_AS_400}.Expect({
      {"a file", "MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE",
       Expected{.name = "MYFILE.FILE", .size = 4096, .date = "2001-05-16 12:34"}},
      {"its member", "MYUSER                                 *MEM       MYFILE.FILE/M1.MBR",
       Expected{.name = "M1.MBR", .size = 4096, .date = "2001-05-16 12:34"}},
      {"column shapes drop members", "MYUSER           2048   01/05/16 12:34:56  MEM       F/M2",
       Expected{}},
      {"and feed only the size", "MYUSER           2048 03/03/03 12:34:56  FILE      B.FILE",
       Expected{.name = "B.FILE", .size = 2048, .date = "2003-03-03 12:34"}},
  });
}

}  // namespace qorda::testing
