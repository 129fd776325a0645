#include "support/decode.h"

namespace qorda::testing {

TEST(VmsParsers, ReadUcxMultiNetAndRsxLines) {
  HostTypes{HOST_VMS_UCX, HOST_VMS_MULTINET, HOST_PDP11_RSX11M}.Expect({
      {"used blocks", "LOGIN.COM;3  2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)",
       Expected{.name = "LOGIN.COM;3", .size = 1024, .date = "1999-03-12 14:05"}},
  });
  HostTypes{HOST_VMS_UCX}.Expect({
      {"behind the directory", "DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30",
       Expected{.name = "NOTES.TXT;12", .size = 2048, .date = "2001-05-05 09:30"}},
      {"a directory, no slash", "TOOLS.DIR;1  3  1-JAN-2000 12:00",
       Expected{.name = "TOOLS", .size = 1536, .date = "2000-01-01 12:00", .kind = kDir}},
      {"the UCX message", "NOSUCH.TXT;1, file not found", Expected{}},
      {"four characters are no directory", ".DIR;1  1/1  1-JAN-2000 12:00",
       Expected{.name = ".DIR;1", .size = 512, .date = "2000-01-01 12:00"}},
  });
  HostTypes{HOST_PDP11_RSX11M}.Expect({
      {"the UIC stays in front", "DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30",
       Expected{.name = "DKA0:[USER.WORK]NOTES.TXT;12", .size = 2048, .date = "2001-05-05 09:30"}},
      {"a directory is its UIC", "001002.DIR;1  1/1  1-JAN-1990 08:00",
       Expected{.name = "[001,002]", .size = 512, .date = "1990-01-01 08:00", .kind = kDir}},
  });
}

}  // namespace qorda::testing
