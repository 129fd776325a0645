#include "support/decode.h"

namespace qorda::testing {

TEST(ParseUnixLine, ReadsBothLayoutsDevicesAndLinks) {
  FixedClock clock(2026, 6);
  HostTypes{HOST_UNIX_STANDARD}.Expect({
      {"an l without an arrow", "lrw 1 o g 1234 Jan 12 12:30 a b.txt",
       Expected{.name = "a b.txt", .size = 1234, .date = "2026-01-12 12:30", .flags = kInferred}},
      {"an aligned year", "drwxr-xr-x   2 owner    group   512 Mar  3  2019 docs/",
       Expected{.name = "docs", .size = 512, .date = "2019-03-03", .kind = kDir, .flags = kNoTime}},
      {"a directory with an arrow", "drw 1 o g 11 Feb 1 2019 d -> /x",
       Expected{.name = "d", .size = 11, .date = "2019-02-01", .kind = kLink, .flags = kNoTime}},
      {"a device", "crw 1 root root 4,  64 Jan 12 12:30 tty0",
       Expected{.name = "tty0", .size = 64, .date = "2026-01-12 12:30", .flags = kInferred}},
      {"a later month is last year's", "-rw 1 o g 10 Aug 12 12:30 x",
       Expected{.name = "x", .size = 10, .date = "2025-08-12 12:30", .flags = kInferred}},
      {"this month is this year's", "-rw 1 o g 10 Jun 30 23:59 x",
       Expected{.name = "x", .size = 10, .date = "2026-06-30 23:59", .flags = kInferred}},
      {"no group column", "-rw 1 o 99999999999 Jan 12 2020 big",
       Expected{.name = "big", .size = 99999999999LL, .date = "2020-01-12", .flags = kNoTime}},
      {"aligned, two blanks", "-rw 1 o g 10 Jan 12  2019  two",
       Expected{.name = " two", .size = 10, .date = "2019-01-12", .flags = kNoTime}},
      {"h.mm is a year", "-rw 1 o g 10 Jan 12 9.05 x",
       Expected{.name = "x", .size = 10, .date = "2009-01-12", .flags = kNoTime}},
      {"neither layout", "some odd line", Expected{.name = "line"}},
      {"no blank behind the comma", "crw 1 o g 4,64 Jan 12 12:30 tty",
       Expected{.name = "tty", .size = 4, .date = "2026-01-12 12:30", .flags = kInferred}},
  });
}

}  // namespace qorda::testing
