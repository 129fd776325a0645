// Walks the whole routes table: every host type id reaches the parser of
// its dialect, and no other. Each row holds the ids that share a parser and a
// line of that dialect; the line must decode alike under all of them and
// differently under the first id of every other row, so an id moved to the
// wrong row of the table, or lost to the Unix default, fails here by name.
#include "decode/routes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "decode/decode_line.h"
#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct RouteRow {
  std::vector<int32_t> ids;
  std::string line;
  const char* name;
  // False where other parsers may rightly read the line the same way: the
  // Unix default (the NCSA family hands Unix lines over to it) and PRIMOS,
  // which decodes no line at all.
  bool distinct = true;
};

// The IBM dialects that read the context get one, so that each row decodes as
// a client with a current directory or data set prefix would see it.
const char* CurrentDirectoryFor(int32_t id) {
  return id == HOST_IBM_VM || id == HOST_IBM_MVS || id == HOST_IBM_MVS_C_SERVER ? "'USER.DATA'"
                                                                                : "";
}
const char* DatasetPrefixFor(int32_t id) {
  return id == HOST_IBM_MVS_KNET ? "USER" : "";
}

// Decodes as a fresh client would: the Stratus VOS parser is told first that
// a section of files begins, since it decodes nothing outside a section.
Decoded DecodeFresh(const std::string& line, int32_t id) {
  gListingState = ListingState{};
  if (id == HOST_STRATUS_VOS) Decode("Files: 3  Blocks: 12", id);
  return Decode(line, id, CurrentDirectoryFor(id), DatasetPrefixFor(id));
}

bool SameRecord(const Decoded& a, const Decoded& b) {
  return a.result == b.result && std::memcmp(&a.entry, &b.entry, sizeof a.entry) == 0;
}

std::string PadTo(std::string text, std::size_t column) {
  text.resize(column, ' ');
  return text;
}

const std::vector<RouteRow>& Rows() {
  static const std::vector<RouteRow> rows = {
      // Windows and DOS-style servers.
      {{HOST_MICROSOFT_NT, HOST_CARROX_DMZ}, "01-05-23  12:07AM                12345 x", "x"},
      {{HOST_ACI}, "01-05-23  10:00AM       1234           x <DIR> y", "x <DIR> y"},
      {{HOST_MICROSOFT_IIS}, "Tue Jan 12 2009 09:15 AM 12345 file.txt", "file.txt"},
      {{HOST_APACHE}, "index.html              12-Jan-2009 12:30  1.2K", "index.html"},
      {{HOST_SI_NT_FTPD}, "lrwxrwxrwx   1 owner group 10 Jan 12 12:30 lnk -> target", "lnk"},
      // MLSD facts.
      {{HOST_MLSD, HOST_QORDA_SERVER},
       "type=file;size=1234;modify=20230105123456; readme.txt",
       "readme.txt"},
      // VMS and RSX-11M.
      {{HOST_VMS_UCX}, "TOOLS.DIR;1  3  1-JAN-2000 12:00", "TOOLS"},
      {{HOST_VMS_MULTINET}, "TOOLS.DIR;1  3  1-JAN-2000 12:00", "TOOLS"},
      {{HOST_PDP11_RSX11M},
       "DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30",
       "DKA0:[USER.WORK]NOTES.TXT;12"},
      // IBM mainframes and midrange.
      {{HOST_IBM_MVS},
       "WYOSPT 3390   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD",
       "BACKUP.PASSWORD"},
      {{HOST_IBM_MVS_C_SERVER},
       "SMS001 3390   2007/06/20                     27920  PO  ISPF.PROFILE",
       "ISPF.PROFILE"},
      {{HOST_IBM_MVS_KNET}, "USER.TEST.DATA", "TEST.DATA"},
      {{HOST_IBM_SPARTACUS_KNET},
       "USER   TEST   DATA         10    6160                    05/16/01  12:34:56",
       "USER.TEST.DATA"},
      {{HOST_IBM_VM},
       "05/16/2001 12:34      F80       100             PROFILE.EXEC",
       "PROFILE.EXEC"},
      // 12/12/12 reads the same in all three date orders.
      {{HOST_IBM_AS_400, HOST_IBM_AS_400_MM_DD_YY, HOST_IBM_AS_400_DD_MM_YY},
       "MYUSER          4096 12/12/12 12:34:56 *FILE      MYFILE.FILE",
       "MYFILE.FILE"},
      // PC TCP/IP stacks.
      {{HOST_CHAMELEON, HOST_SUPER_TCP},
       "README.TXT        1,234  Jan 12 1999  9:05",
       "README.TXT"},
      {{HOST_FTP_PC_TCP}, "  1234    README.TXT                 Jan 12 09:05    95", "README.TXT"},
      {{HOST_IBM_PC_TCP_IP}, "12-05-99  01:05p1234                    README.TXT", "README.TXT"},
      {{HOST_QB7Q_NOS}, "AUTOEXEC.BAT  1,234  12:05  3/04/95", "AUTOEXEC.BAT"},
      {{HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD},
       "read me.txt  1234  Jan-12-99  9:05",
       "read me.txt"},
      {{HOST_QVT_NET_2_3}, "bin\\ old", "bin"},
      {{HOST_MAC_NCSA}, "read me.txt", "read me.txt"},
      {{HOST_QVT_NET_4_0}, "1234          05-12-97   14:10    readme.txt", "readme.txt"},
      // Mac, NetWare, OS/2 and PC-NFS servers.
      {{HOST_MAC_MORVO_SERVER}, "drwxr-xr-x folder 512 Jan 12 12:30 Stuff", "Stuff"},
      {{HOST_LUMBRIX, HOST_PCNFS_PRO}, "README   TXT 1234      12-18-96  02:10p", "README.TXT"},
      {{HOST_NETWARE_V4},
       "d [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm Public Files",
       "Public Files"},
      {{HOST_MAC_VERSATERM}, "read.me.........", "read.me"},
      {{HOST_HELLSOFT}, "Drwxr-xr-x 1 owner group 512 Jan 12 2019 docs", "2019 docs"},
      {{HOST_IBM_OS2_WARP}, "  1 A 12-18-96", "12-18-96"},
      {{HOST_IBM_OS2},
       "            123456                 12-18-96   14:10  readme.txt",
       "readme.txt"},
      {{HOST_NOVELL_LWP}, "12-18-96  2:10p  1234  read me.txt", "read me.txt"},
      {{HOST_REFLECTION}, "            12-18-96  14:10 1234             read me", "read me"},
      {{HOST_HUMMINGBIRD}, "-rw-r--r-- 1 owner group extra 1234 Jan 12 2019 read me", "read me"},
      // Tandem, Stratus VOS, CONNECT:Enterprise, UniTree.
      {{HOST_TANDEM}, "FILEA                         1234  5-Jan-99 12:34:56", "FILEA"},
      {{HOST_TANDEM_G}, "FILEA                           1234  5-Jan-99 12:34:56", "FILEA"},
      {{HOST_STRATUS_VOS}, "w        4  seq      01-05-16 12:34:56  foo.txt", "foo.txt"},
      {{HOST_CONNECT_ENTERPRISE}, "-SR--M---- FTP CT=1234 BID=B0001 1234-01136 rest", "B0001"},
      {{HOST_UNITREE}, "-rw-r--r-- 1 owner group 2 disk 1234 Jan 12 12:30 file name", "file name"},
      // Other minicomputers and mainframes.
      {{HOST_AOS_VS},
       "REPORT.TXT              TXT                 1234    05-Mar-97  12:30:00",
       "REPORT.TXT"},
      {{HOST_GCOS_6_HVS_AIX}, "  0001     PAYROLL       DAT       1024      03/16/95", "PAYROLL"},
      {{HOST_GCOS_6_HVS_OS}, "PAYROLL      SEQ        120      80", "PAYROLL"},
      {{HOST_UNISYS_A_SERIES},
       PadTo("PAYROLL/DATA SEQ", 51) + "123456 03/16/95 11:46",
       "PAYROLL/DATA"},
      {{HOST_OS2200}, "PROG            V2              SYM 03/16/95    11:46   4096", "PROG/V2"},
      {{HOST_HP_3000},
       " PAYROLL            80B                                      1  128",
       " PAYROLL"},
      {{HOST_MUSIC}, "PROG.S                        12             16Mar95 11:46  X", "PROG.S"},
      {{HOST_CDC_CYBER}, " FILEA     1,234", " FILEA"},
      {{HOST_IBM_R1000}, "Users  DIRECTORY", "Users"},
      // BULL, PRIMOS and the name list.
      {{HOST_BULL_GCOS}, " - rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT", "REPORT"},
      {{HOST_BULL_CP6}, "x                                          NAME   Y", "NAME"},
      {{HOST_PRIMOS}, "-rw-r--r-- 1 owner group 10 Jan 12 2020 readme", "", false},
      {{HOST_NAME_LIST}, "my%20notes.txt extra", "my notes.txt"},
      // Small systems and embedded hosts.
      {{HOST_AMOS_TCP_IP}, "AB     TXT 3    Mar-16-95 11:46", "AB.TXT"},
      {{HOST_AMIGA}, "Drwxr-xr-x  1234 Jan 12 12:30 upper", "upper"},
      {{HOST_OS_9}, "   0.0    95/03/16 1146   d-ewrewr     A8    160      CMDS", "CMDS"},
      {{HOST_OS_9000}, "   0.0    95/03/16 1146 d-ewrewr       A8    160      CMDS", "CMDS"},
      {{HOST_PASSPORT_160}, "   12345    MAR 16 95    11:46      MY REPORT.TXT", "MY REPORT.TXT"},
      {{HOST_QNX2},
       "    2     rwe-r-                            16 Mar 97 11:46 report.txt",
       "report.txt"},
      {{HOST_VXWORKS}, "1234    Mar-16-1995  11:46:00  data.bin", "data.bin"},
      // The Unix parser: AUTO, the Unix-like servers, the ids below AUTO and
      // every id the table does not know.
      {{5996,
        5997,
        5998,
        5999,
        HOST_AUTO,
        HOST_UNISYS_5000_EXOS,
        HOST_UNIX_STANDARD,
        HOST_SUN_SOLARIS,
        HOST_SERV_U,
        HOST_WFTPD,
        HOST_SECURETRANSPORT,
        0,
        17,
        72,
        5994,
        6073,
        -1,
        100000,
        INT32_MIN,
        INT32_MAX},
       "drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs/",
       "docs",
       false},
  };
  return rows;
}

TEST(Routes, EveryIdOfTheTableHasExactlyOneRow) {
  std::vector<int> rowsPerId(kRoutedIdCount, 0);
  for (const RouteRow& row : Rows()) {
    for (int32_t id : row.ids) {
      if (id >= kFirstRoutedId && id <= kLastRoutedId) ++rowsPerId[id - kFirstRoutedId];
    }
  }
  for (std::size_t i = 0; i < rowsPerId.size(); ++i) {
    EXPECT_EQ(rowsPerId[i], 1) << "host type " << kFirstRoutedId + i;
  }
}

TEST(Routes, EachIdDecodesItsDialectLikeTheOthersOfItsRow) {
  FixedClock clock(2026, 6);
  for (const RouteRow& row : Rows()) {
    const Decoded first = DecodeFresh(row.line, row.ids.front());
    EXPECT_STREQ(first.entry.name, row.name) << row.ids.front() << ": '" << row.line << "'";
    EXPECT_EQ(first.result, static_cast<int32_t>(std::strlen(row.name))) << row.ids.front();
    for (int32_t id : row.ids) {
      EXPECT_TRUE(SameRecord(DecodeFresh(row.line, id), first))
          << id << " differs from " << row.ids.front() << " on '" << row.line << "'";
    }
  }
}

TEST(Routes, NoOtherParserReadsADialectTheSameWay) {
  FixedClock clock(2026, 6);
  for (const RouteRow& row : Rows()) {
    if (!row.distinct) continue;
    const Decoded own = DecodeFresh(row.line, row.ids.front());
    for (const RouteRow& other : Rows()) {
      if (&other == &row) continue;
      int32_t id = other.ids.front();
      EXPECT_FALSE(SameRecord(DecodeFresh(row.line, id), own))
          << id << " decodes '" << row.line << "' as " << row.ids.front() << " does";
    }
  }
}

}  // namespace
}  // namespace qorda::testing
