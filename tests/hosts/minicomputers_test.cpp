#include "support/decode.h"

namespace qorda::testing {

TEST(MinicomputerParsers, ReadTheirReports) {
  HostTypes{HOST_AOS_VS}.Expect({
      {"a disk unit", "DISK1                   LDU                 1234    05-Mar-97  12:30:00",
       Expected{.name = "DISK1", .size = 1234, .date = "1997-03-05 12:30", .kind = kDir}},
  });
  HostTypes{HOST_GCOS_6_HVS_AIX}.Expect({
      {"a directory", "           SOURCES       DIR                      1",
       Expected{.name = "SOURCES", .kind = kDir}},
  });
  HostTypes{HOST_GCOS_6_HVS_OS}.Expect({
      {"a directory", "SOURCES      <DIR>      1", Expected{.name = "SOURCES", .kind = kDir}},
      {"records times their length", "\t  PAYROLL      SEQ        120      80",
       Expected{.name = "PAYROLL", .size = 9600, .kind = kFile}},
  });
  HostTypes{HOST_UNISYS_A_SERIES}.Expect({
      {"a size reaching left",
       "BIG                                            9876543210 12/01/02 08:05",
       Expected{.name = "BIG", .size = 9876543210LL, .date = "2002-12-01 08:05"}},
  });
  HostTypes{HOST_OS2200}.Expect({
      {"a symbolic element", "PROG            V2              SYM 03/16/95    11:46   4096",
       Expected{.name = "PROG/V2", .size = 4096, .date = "1995-03-16 11:46", .kind = kFile}},
      {"a relocatable one", "MAIN                            REL 03/16/95    11:46   12",
       Expected{.name = "MAIN", .size = 12, .date = "1995-03-16 11:46", .kind = kObject}},
  });
  HostTypes{HOST_HP_3000}.Expect({
      {"the name leads", "PAYROLL             80B                 FA                   1  128",
       Expected{.name = "PAYROLL"}},
  });
  HostTypes{HOST_MUSIC}.Expect({
      {"kilobytes beyond 32 bits", "BIG.DATA                        4000000      16Mar95 11:46  X",
       Expected{.name = "BIG.DATA", .size = 4096000000LL, .date = "1995-03-16 11:46"}},
  });
  HostTypes{HOST_CDC_CYBER}.Expect({
      {"a directory", " SUB       512         SUBDIRS",
       Expected{.name = " SUB", .size = 512, .date = "1980-01-01", .kind = kDir}},
  });
  HostTypes{HOST_IBM_R1000}.Expect({
      {"a world, behind a tab", "Tools\tWORLD", Expected{.name = "Tools", .kind = kDir}},
  });
}

}  // namespace qorda::testing
