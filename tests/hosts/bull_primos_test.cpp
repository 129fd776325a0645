#include "support/decode.h"

namespace qorda::testing {

TEST(BullAndNameListParsers, ReadTheirLines) {
  HostTypes{HOST_BULL_GCOS}.Expect({
      {"a file", " - rw-,r--,r-- U A 4096 07/15/98 13:45:10 X",
       Expected{.name = "X", .size = 4096, .date = "1998-07-15 13:45:10", .mode = 0644}},
      {"a directory", " d rwx,r-x,--x U A 1 07/15/98 13:45:10 X",
       Expected{.name = "X", .size = 1, .date = "1998-07-15 13:45:10", .kind = kDir, .mode = 0751}},
  });
  HostTypes{HOST_BULL_CP6}.Expect({
      {"the first word", "MYFILE              07/15/98                  MYFILE  X",
       Expected{.name = "MYFILE"}},
      {"a time first", "12:30                                       NAME", Expected{}},
  });
  HostTypes{HOST_NAME_LIST}.Expect({
      {"an escaped directory", "a%20b/", Expected{.name = "a b/", .kind = kDir}},
      {"a blank ends the name", "a b", Expected{.name = "a"}},
  });
}

}  // namespace qorda::testing
