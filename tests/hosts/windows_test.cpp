#include "support/decode.h"

namespace qorda::testing {

TEST(WindowsParsers, ReadDosIisApacheAndSiNtLines) {
  FixedClock clock(2026, 6);
  HostTypes{HOST_MICROSOFT_NT, HOST_CARROX_DMZ, HOST_ACI}.Expect({
      {"usual shape, directory", "12-31-99  10:00AM       <DIR>          src",
       Expected{.name = "src", .date = "1999-12-31 10:00", .kind = kDir}},
      {"12:07PM stays 12", "01-05-23  12:07PM         12345        x",
       Expected{.name = "x", .size = 12345, .date = "2023-01-05 12:07"}},
  });
  HostTypes{HOST_MICROSOFT_NT, HOST_CARROX_DMZ}.Expect({
      {"12:07AM is midnight", "01-05-23  12:07AM         12345        x",
       Expected{.name = "x", .size = 12345, .date = "2023-01-05 00:07"}},
      {"<Dir> in the size field", "01-05-23  10:00AM         <Dir>        x",
       Expected{.name = "x", .date = "2023-01-05 10:00", .kind = kDir}},
      {"Unix with a group", "-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name",
       Expected{.name = "file name", .size = 1234, .date = "2026-01-12 12:30", .flags = kInferred}},
  });
  HostTypes{HOST_ACI}.Expect({
      {"12:07AM stays 12", "01-05-23  12:07AM         12345        x",
       Expected{.name = "x", .size = 12345, .date = "2023-01-05 12:07"}},
      {"markers anywhere", "01-05-23  10:00AM         1234         x <DIR>",
       Expected{.name = "x <DIR>", .date = "2023-01-05 10:00", .kind = kDir}},
      {"Unix, no group", "-rw-r--r--   1 owner        1234 Jan 12 2019 12:30 notes.txt",
       Expected{.name = "notes.txt", .size = 1234, .date = "2026-01-12 12:30", .flags = kInferred}},
  });
  HostTypes{HOST_MICROSOFT_IIS}.Expect({
      {"a year column", "Mon Mar  3 2019 2019 -- 77 name with blanks",
       Expected{.name = "name with blanks", .size = 77, .date = "2019-03-03", .flags = kNoTime}},
  });
  HostTypes{HOST_APACHE}.Expect({
      {"escaped blanks", "my%20file%20x.txt       21-Feb-1999 17:48  123",
       Expected{.name = "my file x.txt", .size = 123, .date = "1999-02-21 17:48"}},
      {"tenths of 102 bytes", "a.txt                   05-Mai-2020 09:01  1.25k",
       Expected{.name = "a.txt", .size = 3574, .date = "2020-05-05 09:01"}},
  });
  HostTypes{HOST_SI_NT_FTPD}.Expect({
      {"a directory", "drwxr-xr-x 1 o g 0 Jan 12 12:30 some dir/",
       Expected{.name = "dir", .kind = kDir}},
  });
}

}  // namespace qorda::testing
