#include "support/decode.h"

namespace qorda::testing {

TEST(PcStackParsers, ReadTheirColumnsAndClocks) {
  HostTypes{HOST_CHAMELEON, HOST_SUPER_TCP}.Expect({
      {"a file", "README.TXT        1,234  Jan 12 1999  9:05",
       Expected{.name = "README.TXT", .size = 1234, .date = "1999-01-12 09:05"}},
      {"a : in the name", "ab:c 12 12-01-99",
       Expected{.name = "ab:c", .size = 12, .date = "1999-12-01"}},
  });
  HostTypes{HOST_QB7Q_NOS}.Expect({
      {"right-hand", "A.TXT         1      1:00   1/1/90       BIN\\          8:00   1/02/03",
       Expected{.name = "BIN", .date = "2003-01-02 08:00", .kind = kDir}},
  });
  HostTypes{HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD}.Expect({
      {"a directory", "src  <DIR>  Feb-01-05  1:30p",
       Expected{.name = "src", .date = "2005-02-01 13:30", .kind = kDir}},
      {"tabs separate", "big.dat\t\t99999999999\tJan-12-99\t9:05",
       Expected{.name = "big.dat", .size = 99999999999LL, .date = "1999-01-12 09:05"}},
  });
  HostTypes{HOST_FTP_PC_TCP}.Expect({
      {"a file", "  1234    README.TXT                 Jan 12 19:45    95",
       Expected{.name = "README.TXT", .size = 1234, .date = "1995-01-12 19:45"}},
      {"a missing year is 1900", "  5       X                          xyz 12 09:05    --",
       Expected{.name = "X", .size = 5, .date = "1900-00-12 09:05"}},
  });
  HostTypes{HOST_IBM_PC_TCP_IP}.Expect({
      {"a file", "12-05-99  01:05p1234                    README.TXT",
       Expected{.name = "README.TXT", .size = 1234, .date = "1999-12-05 13:05"}},
      {"12:05a is midnight", "01-02-05  12:05a              7         my file",
       Expected{.name = "my file", .size = 7, .date = "2005-01-02 00:05"}},
  });
  HostTypes{HOST_MAC_NCSA}.Expect({
      {"the whole line", "My Folder/", Expected{.name = "My Folder", .kind = kDir}},
  });
  HostTypes{HOST_QVT_NET_2_3}.Expect({
      {"a directory", "bin\\ old", Expected{.name = "bin", .kind = kDir}},
  });
  HostTypes{HOST_QVT_NET_4_0}.Expect({
      {"size first", "1234          05-12-97   14:10    readme.txt",
       Expected{.name = "readme.txt", .size = 1234, .date = "1997-05-12 14:10"}},
      {"name first", "Old                                       [DIR] 01-02-2003  9:05",
       Expected{.name = "Old", .date = "2003-01-02 09:05", .kind = kDir}},
  });
}

}  // namespace qorda::testing
