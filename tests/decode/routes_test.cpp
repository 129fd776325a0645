// Every host type id reaches the parser of its dialect and no other: an id
// moved to the wrong row of the routes table, or lost to the Unix default,
// fails here by name.
#include "decode/routes.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "decode/decode_line.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct RouteRow {
  std::vector<int32_t> ids;
  std::string line;
  // False where other parsers rightly read the line alike: Unix lines (the
  // NCSA family hands them over) and PRIMOS, which decodes none.
  bool distinct = true;
};

// Decodes as a fresh client would, with a current directory and a data set
// prefix for the IBM dialects that read them; the Stratus VOS parser is
// told first that a section of files begins.
Decoded DecodeFresh(const std::string& line, int32_t id) {
  gListingState = ListingState{};
  if (id == HOST_STRATUS_VOS) Decode("Files: 3  Blocks: 12", id);
  return Decode(line, id, "USER");
}

bool SameRecord(const Decoded& a, const Decoded& b) {
  return a.result == b.result && std::memcmp(&a.entry, &b.entry, sizeof a.entry) == 0;
}

// The Unix parser's: AUTO, the Unix servers, the ids below AUTO, and every id
// outside 5995 to the table's last.
std::vector<int32_t> UnixIds() {
  std::vector<int32_t> ids = {HOST_AUTO, HOST_UNISYS_5000_EXOS, HOST_UNIX_STANDARD, 5996, 5997};
  ids.insert(ids.end(), {HOST_SUN_SOLARIS, HOST_SERV_U, HOST_WFTPD, HOST_SECURETRANSPORT, 5998});
  ids.insert(ids.end(), {5999, 0, 17, 72, HOST_NAME_LIST - 1, HOST_TYPE_LAST + 1, INT32_MIN});
  return ids;
}

const std::vector<RouteRow>& Rows() {
  static const std::vector<RouteRow> rows = {
      {{HOST_MICROSOFT_NT, HOST_CARROX_DMZ}, "01-05-23  12:07AM                12345 x"},
      {{HOST_ACI}, "01-05-23  10:00AM       1234           x <DIR> y"},
      {{HOST_MICROSOFT_IIS}, "Tue Jan 12 2009 09:15 AM 12345 file.txt"},
      {{HOST_APACHE}, "index.html              12-Jan-2009 12:30  1.2K"},
      {{HOST_SI_NT_FTPD}, "lrwxrwxrwx   1 owner group 10 Jan 12 12:30 lnk -> target"},
      {{HOST_MLSD, HOST_QORDA_SERVER}, "type=file;size=1234;modify=20230105123456; readme.txt"},
      {{HOST_VMS_UCX}, "TOOLS.DIR;1  3  1-JAN-2000 12:00"},
      {{HOST_VMS_MULTINET}, "TOOLS.DIR;1  3  1-JAN-2000 12:00"},
      {{HOST_PDP11_RSX11M}, "DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30"},
      {{HOST_IBM_MVS}, "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD"},
      {{HOST_IBM_MVS_C_SERVER}, "SMS001 3390   2007/06/20                     27920  PO  ISPF"},
      {{HOST_IBM_MVS_KNET}, "USER.TEST.DATA"},
      {{HOST_IBM_SPARTACUS_KNET}, "USER   TEST   DATA         10    6160"},
      {{HOST_IBM_VM}, "05/16/2001 12:34      F80       100             PROFILE.EXEC"},
      {{HOST_IBM_AS_400, HOST_IBM_AS_400_MM_DD_YY, HOST_IBM_AS_400_DD_MM_YY},
       "MYUSER          4096 12/12/12 12:34:56 *FILE      MYFILE.FILE"},
      {{HOST_CHAMELEON, HOST_SUPER_TCP}, "README.TXT        1,234  Jan 12 1999  9:05"},
      {{HOST_FTP_PC_TCP}, "  1234    README.TXT                 Jan 12 09:05    95"},
      {{HOST_IBM_PC_TCP_IP}, "12-05-99  01:05p1234                    README.TXT"},
      {{HOST_QB7Q_NOS}, "AUTOEXEC.BAT  1,234  12:05  3/04/95"},
      {{HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD},
       "read me.txt  1234  Jan-12-99  9:05"},
      {{HOST_QVT_NET_2_3}, "bin\\ old"},
      {{HOST_MAC_NCSA}, "read me.txt"},
      {{HOST_QVT_NET_4_0}, "1234          05-12-97   14:10    readme.txt"},
      {{HOST_MAC_MORVO_SERVER}, "drwxr-xr-x folder 512 Jan 12 12:30 Stuff"},
      {{HOST_LUMBRIX, HOST_PCNFS_PRO}, "README   TXT 1234      12-18-96  02:10p"},
      {{HOST_NETWARE_V4}, "d [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm Public Files"},
      {{HOST_MAC_VERSATERM}, "read.me........."},
      {{HOST_HELLSOFT}, "Drwxr-xr-x 1 owner group 512 Jan 12 2019 docs"},
      {{HOST_IBM_OS2_WARP}, "  1 A 12-18-96"},
      {{HOST_IBM_OS2}, "            123456                 12-18-96   14:10  readme.txt"},
      {{HOST_NOVELL_LWP}, "12-18-96  2:10p  1234  read me.txt"},
      {{HOST_REFLECTION}, "            12-18-96  14:10 1234             read me"},
      {{HOST_HUMMINGBIRD}, "-rw-r--r-- 1 owner group extra 1234 Jan 12 2019 read me"},
      {{HOST_TANDEM}, "FILEA                         1234  5-Jan-99 12:34:56"},
      {{HOST_TANDEM_G}, "FILEA                           1234  5-Jan-99 12:34:56"},
      {{HOST_STRATUS_VOS}, "w        4  seq      01-05-16 12:34:56  foo.txt"},
      {{HOST_CONNECT_ENTERPRISE}, "-SR--M---- FTP CT=1234 BID=B0001 1234-01136 rest"},
      {{HOST_UNITREE}, "-rw-r--r-- 1 owner group 2 disk 1234 Jan 12 12:30 file name"},
      {{HOST_AOS_VS}, "REPORT.TXT              TXT                 1234    05-Mar-97  12:30:00"},
      {{HOST_GCOS_6_HVS_AIX}, "  0001     PAYROLL       DAT       1024      03/16/95"},
      {{HOST_GCOS_6_HVS_OS}, "PAYROLL      SEQ        120      80"},
      {{HOST_UNISYS_A_SERIES},
       "PAYROLL/DATA SEQ                                   123456 03/16/95 11:46"},
      {{HOST_OS2200}, "PROG            V2              SYM 03/16/95    11:46   4096"},
      {{HOST_HP_3000}, " PAYROLL            80B                                      1  128"},
      {{HOST_MUSIC}, "PROG.S                        12             16Mar95 11:46  X"},
      {{HOST_CDC_CYBER}, " FILEA     1,234"},
      {{HOST_IBM_R1000}, "Users  DIRECTORY"},
      {{HOST_BULL_GCOS}, " - rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT"},
      {{HOST_BULL_CP6}, "x                                          NAME   Y"},
      {{HOST_PRIMOS}, "-rw-r--r-- 1 owner group 10 Jan 12 2020 readme", false},
      {{HOST_NAME_LIST}, "my%20notes.txt extra"},
      {{HOST_AMOS_TCP_IP}, "AB     TXT 3    Mar-16-95 11:46"},
      {{HOST_AMIGA}, "Drwxr-xr-x  1234 Jan 12 12:30 upper"},
      {{HOST_OS_9}, "   0.0    95/03/16 1146   d-ewrewr     A8    160      CMDS"},
      {{HOST_OS_9000}, "   0.0    95/03/16 1146 d-ewrewr       A8    160      CMDS"},
      {{HOST_PASSPORT_160}, "   12345    MAR 16 95    11:46      MY REPORT.TXT"},
      {{HOST_QNX2}, "    2     rwe-r-                            16 Mar 97 11:46 report.txt"},
      {{HOST_VXWORKS}, "1234    Mar-16-1995  11:46:00  data.bin"},
      {UnixIds(), "drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs/", false},
  };
  return rows;
}

// Every id the decoder knows, up to the table's last, stands in one row here.
TEST(Routes, EveryIdHasExactlyOneRow) {
  for (int32_t id = HOST_NAME_LIST; id <= HOST_TYPE_LAST; ++id) {
    int rows = 0;
    for (const RouteRow& row : Rows()) rows += std::count(row.ids.begin(), row.ids.end(), id);
    EXPECT_EQ(rows, 1) << "host type " << id;
  }
}

// Each row's line decodes alike under all of its ids, and differently under
// the first id of every other row.
TEST(Routes, EachIdReadsItsDialectAsTheOthersOfItsRowAndNoOtherDoes) {
  FixedClock clock(2026, 6);
  for (const RouteRow& row : Rows()) {
    const Decoded own = DecodeFresh(row.line, row.ids.front());
    for (int32_t id : row.ids) {
      EXPECT_TRUE(SameRecord(DecodeFresh(row.line, id), own))
          << id << " differs from " << row.ids.front() << " on '" << row.line << "'";
    }
    for (const RouteRow& other : Rows()) {
      if (row.distinct && &other != &row) {
        EXPECT_FALSE(SameRecord(DecodeFresh(row.line, other.ids.front()), own))
            << other.ids.front() << " decodes '" << row.line << "' as " << row.ids.front();
      }
    }
  }
}

}  // namespace
}  // namespace qorda::testing
