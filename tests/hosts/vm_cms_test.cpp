#include "support/decode.h"

namespace qorda::testing {

TEST(ParseVmCms, ReadsBothShapesAndShortensNames) {
  HostTypes{HOST_IBM_VM}.Expect({
      {"date first", "05/16/2001 12:34      F80       100             PROFILE.EXEC",
       Expected{.name = "PROFILE.EXEC", .size = 8000, .date = "2001-05-16 12:34"}},
      {"E3 is a link", "05/16/2001 12:34      E3        100             ALIAS",
       Expected{.name = "ALIAS", .date = "2001-05-16 12:34", .kind = kLink}},
      {"48 characters read name first", "05/16/2001 12:34      F80                      X",
       Expected{.name = "05/16/2001.12:34"}},
      {"name first", "PROFILE  EXEC                80         23           2001-05-16 12:34:56",
       Expected{.name = "PROFILE.EXEC", .size = 1840, .date = "2001-05-16 12:34"}},
      {"exactly its characters", "PROFILE  EXEC                80         23",
       Expected{.name = "ILE.EXEC", .size = 1840}, "PROF"},
  });
}

}  // namespace qorda::testing
