#include "support/decode.h"

namespace qorda::testing {

TEST(MvsParsers, ReadDataSetsMembersAndPrefixes) {
  HostTypes{HOST_IBM_MVS, HOST_IBM_MVS_C_SERVER}.Expect({
      {"migrated", "Migrated                                                USER.OLD.DATA",
       Expected{.name = "USER.OLD.DATA"}},
      {"member statistics", "MEMBER1   01.00 2001/05/10 2001/05/16 12:34   10    10    0   USER",
       Expected{.name = "MEMBER1", .size = 10, .date = "2001-05-16 12:34"}},
  });
  HostTypes{HOST_IBM_MVS}.Expect({
      {"a four-digit year", "WYOSPT 3390   2003/03/28                    1234 27900 PS X",
       Expected{.name = "X", .size = 27900, .date = "2003-03-28"}},
      {"a two-digit year", "WYOSPT 3390   05/16/01                      6160  PO  USER.CNTL",
       Expected{.name = "USER.CNTL", .size = 6160, .date = "2001-05-16", .kind = kDir}},
      {"a member line", "ABCDEF X  1                                             Z",
       Expected{.name = "ABCDEF X"}},
  });
  HostTypes{HOST_IBM_MVS_C_SERVER}.Expect({
      {"the volume is the name", "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  X",
       Expected{.name = "WYOSPT"}},
  });
  HostTypes{HOST_IBM_MVS}.Expect({
      {"quoted", "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  USER.DATA.CNTL",
       Expected{.name = "CNTL", .size = 27900, .date = "2003-03-28"}, "'USER.DATA'"},
      {"case counts", "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  USER.DATA.CNTL",
       Expected{.name = "USER.DATA.CNTL", .size = 27900, .date = "2003-03-28"}, "'user.data'"},
  });
  HostTypes{HOST_IBM_MVS_C_SERVER}.Expect({
      {"partitioned", "SMS001 3390   2007/06/20                     27920  PO  ISPF.PROFILE",
       Expected{.name = "PROFILE", .date = "2007-06-20", .kind = kDir}, "'ISPF'"},
  });
  HostTypes{HOST_IBM_MVS_KNET}.Expect({
      {"any case", "USER.TEST.DATA", Expected{.name = "TEST.DATA"}, "user"},
  });
  HostTypes{HOST_IBM_SPARTACUS_KNET}.Expect({
      {"qualifiers", "USER   TEST   DATA         10    6160                    05/16/01  12:34:56",
       Expected{.name = "USER.TEST.DATA", .size = 61600, .date = "2001-05-16 12:34:56"}},
  });
}

}  // namespace qorda::testing
