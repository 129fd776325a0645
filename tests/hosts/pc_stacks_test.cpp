#include "hosts/pc_stacks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

TEST(CountWords, SeparatesAtBlanksAndTabs) {
  EXPECT_EQ(CountWords(nullptr), 0);
  EXPECT_EQ(CountWords(" a\tb  c "), 3);
}

TEST(ParseGroupedSize, DropsCommasAndStopsAtTheFirstOtherCharacter) {
  struct {
    std::string text;
    int64_t size;
  } rows[] = {
      {" \t1,234,567x", 1234567},
      // A run of more than 255 characters is read whole: leading zeros do not cut it.
      {std::string(300, '0') + "1,234", 1234},
      {"123456789012345678901234567890", INT64_MAX},  // saturates
  };
  for (const auto& row : rows) {
    ListingEntry entry{};
    ParseGroupedSize(entry, row.text.c_str());
    EXPECT_EQ(entry.size, row.size) << row.text;
  }
}

TEST(ParseChameleon, ReadsNameSizeDateAndTime) {
  ExpectRows(
      {
          {"README.TXT        1,234  Jan 12 1999  9:05", {"README.TXT", 1234, 1999, 1, 12, 9, 5}},
          {"SRC          <DIR>  12-01-99  10:30", {"SRC", 0, 1999, 12, 1, 10, 30, kDir}},
          {"A.TXT  10  12-01-99  1:05p", {"A.TXT", 10, 1999, 12, 1, 13, 5}},
          {"A.TXT  10  12-01-99  12:05p", {"A.TXT", 10, 1999, 12, 1, 12, 5}},
          {"NOTES 1,234,567 12-01-99", {"NOTES", 1234567, 1999, 12, 1}},  // no time
          // A ":" in columns 0 to 2 belongs to the name; the line has no time.
          {"ab:c 12 12-01-99", {"ab:c", 12, 1999, 12, 1}},
          {"LONELY", {"LONELY"}},
      },
      {HOST_CHAMELEON, HOST_SUPER_TCP});
  ExpectDropped({"Files match 3", "Directories match 12"}, {HOST_CHAMELEON, HOST_SUPER_TCP});
}

TEST(ParseNos, ReadsTheRightHandEntryOfALine) {
  ExpectRows(
      {
          {Columns({{0, "AUTOEXEC.BAT"}, {14, "1,234"}, {21, "12:05"}, {28, "3/04/95"}}),
           {"AUTOEXEC.BAT", 1234, 1995, 3, 4, 12, 5}},
          {Columns(
               {{0, "A.TXT         1      1:00   1/1/90"}, {41, "BIN\\          8:00   1/02/03"}}),
           {"BIN", 0, 2003, 1, 2, 8, 0, kDir}},
          // A file's numeric date is read month first, as a directory's is.
          {Columns({{0, "A.TXT"}, {14, "10"}, {21, "1:00"}, {28, "12-31-99"}}),
           {"A.TXT", 10, 1999, 12, 31, 1, 0}},
      },
      {HOST_QB7Q_NOS});
  ExpectDropped(
      {
          "Disk size 1,440K  Free 1,024K",
          "ABCDEFGHIJKLM",  // a name field and nothing behind it
          // The right-hand entry is too short; the left one is not read.
          Columns({{0, "A.TXT"}, {14, "10"}, {21, "1:00"}, {28, "1/1/90"}, {41, "B.TXT"}}),
      },
      {HOST_QB7Q_NOS});
}

TEST(ParseNcsa, ReadsTheLastThreeWordsBehindTheName) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"read me.txt  1234  Jan-12-99  9:05", {"read me.txt", 1234, 1999, 1, 12, 9, 5}},
          {"src  <DIR>  Feb-01-05  1:30p", {"src", 0, 2005, 2, 1, 13, 30, kDir}},
          {"notes.txt 10 12-01-99 10:00", {"notes.txt", 10, 0, 0, 0, 10, 0}},  // numeric date
          // Nine words, but column 1 is no "r": not a Unix line.
          {"my long file name with many words 10 Jan-01-99 1:00",
           {"my long file name with many words", 10, 1999, 1, 1, 1, 0}},
          {"-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt",
           {"file name.txt", 1234, 2026, 1, 12, 12, 30, KIND_UNSTATED, kInferred}},
          // Tab-separated columns read as if blanks separated them.
          {"big.dat\t\t99999999999\tJan-12-99\t9:05",
           {"big.dat", 99999999999LL, 1999, 1, 12, 9, 5}},
      },
      {HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD});
  ExpectDropped({"Files match 3", "a\tb\tc", ""}, {HOST_NCSA_CUTCP, HOST_WARFTPD});
}

TEST(ParsePcTcp, ReadsFixedColumns) {
  auto line = [](const char* front, const char* month, const char* year) {
    return Columns({{0, front}, {37, month}, {41, "12"}, {44, "09:05"}, {53, year}});
  };
  ExpectRows(
      {
          {line("  1234    README.TXT", "Jan", "95"), {"README.TXT", 1234, 1995, 1, 12, 9, 5}},
          {line("<DIR>     SRC", "Dec", "05"), {"SRC", 0, 2005, 12, 12, 9, 5, kDir}},
          // Only the last word of columns 0 to 29 is the name.
          {line("77   two words", "Mar", "1998"), {"words", 77, 1998, 3, 12, 9, 5}},
          // A name that fills columns 0 to 29 has no size before it.
          {line("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", "Mar", "98"),
           {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", 0, 1998, 3, 12, 9, 5}},
          // A missing year becomes 1900 when the date is incomplete.
          {line("  5       X", "xyz", "--"), {"X", 5, 1900, 0, 12, 9, 5}},
      },
      {HOST_FTP_PC_TCP});
  ExpectDropped(
      {
          // 53 characters: the last one just before the year's column
          Columns({{0, "  1234    README.TXT"}, {37, "Jan"}, {41, "12"}, {44, "09:05"}, {52, "9"}}),
          line("DIRS: 3", "Jan", "95"), line("", "Jan", "95"),  // no name
      },
      {HOST_FTP_PC_TCP});
}

TEST(ParseIbmPcTcpIp, ReadsFixedColumnsAndTheTwelveHourClock) {
  auto at = [](const char* clock) {
    return Columns({{0, "01-02-05"}, {10, clock}, {30, "7"}, {40, "my file"}});
  };
  ExpectRows(
      {
          {Columns({{0, "12-05-99"}, {10, "01:05p"}, {16, "1234"}, {40, "README.TXT"}}),
           {"README.TXT", 1234, 1999, 12, 5, 13, 5}},
          {at("12:05a"), {"my file", 7, 2005, 1, 2, 0, 5}},
          {at("12:05p"), {"my file", 7, 2005, 1, 2, 12, 5}},
          {at("01:05P"), {"my file", 7, 2005, 1, 2, 1, 5}},  // only the lower-case mark counts
          {Columns({{0, "06-30-98"}, {10, "09:00a"}, {20, "<DIR>"}, {40, "SRC"}}),
           {"SRC", 0, 1998, 6, 30, 9, 0, kDir}},
      },
      {HOST_IBM_PC_TCP_IP});
  ExpectDropped(
      {
          Columns({{0, " Volume in drive C has volume label DISK1"}, {50, "x"}}),
          Columns({{0, "       3 file(s)     1234 bytes"}, {50, "x"}}),
          Columns({{0, "12-05-99"}, {10, "01:05p"}, {16, "1234"}, {39, "X"}}),  // 40 characters
      },
      {HOST_IBM_PC_TCP_IP});
}

TEST(ParseQvtNet, ListsNamesOnly) {
  ExpectRows({{"readme.txt extra", {"readme.txt"}}, {"bin\\ old", {"bin", 0, 0, 0, 0, 0, 0, kDir}}},
             {HOST_QVT_NET_2_3});
  ExpectRows({{"My Folder/", {"My Folder", 0, 0, 0, 0, 0, 0, kDir}}, {" lead", {" lead"}}},
             {HOST_MAC_NCSA});
  ExpectDropped({"", "/"}, {HOST_QVT_NET_2_3, HOST_MAC_NCSA});
  ExpectDropped({" readme"}, {HOST_QVT_NET_2_3});
}

TEST(ParseQvtNet4, ReadsTheSizeFirstAndTheNameFirstLayouts) {
  ExpectRows(
      {
          {Columns({{0, "1234"}, {14, "05-12-97"}, {25, "14:10"}, {34, "readme.txt"}}),
           {"readme.txt", 1234, 1997, 5, 12, 14, 10}},
          {Columns({{0, "[dir]"}, {14, "01-02-03"}, {25, "09:05"}, {34, "my folder"}}),
           {"my folder", 0, 2003, 1, 2, 9, 5, kDir}},
          {Columns({{0, "Old"}, {42, "[DIR]"}, {48, "01-02-2003"}, {60, "9:05"}}),
           {"Old", 0, 2003, 1, 2, 9, 5, kDir}},
          // One blank between name and size reads as well as several.
          {"0123456789 123456789 123456789 123456789 98765 12-31-1999 23:59",
           {"0123456789 123456789 123456789 123456789", 98765, 1999, 12, 31, 23, 59}},
          // The line ends inside the date: only what is there is read.
          {Columns({{0, "name"}, {42, "1234"}, {48, "xx"}}), {"name", 1234}},
          {Columns({{0, "name"}, {42, "1234"}, {48, "05-12-"}}), {"name", 1234, 2000, 5, 12}},
      },
      {HOST_QVT_NET_4_0});
  ExpectDropped(
      {
          Columns({{0, "read me.txt"}, {40, "1234"}}),                         // 44 characters
          Columns({{0, "1234"}, {14, "05/12/97"}, {25, "14:10"}, {34, "x"}}),  // no dashes
          Columns({{42, "1234"}, {48, "05-12-1997"}}),                         // no name
      },
      {HOST_QVT_NET_4_0});
}

}  // namespace
}  // namespace qorda::testing
