#include "hosts/pc_stacks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

#include "decode/dispatch.h"
#include "decode/host_ids.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct Row {
  std::string line;
  Expected expected;
};

// Every prefix of the line, each in a buffer of exactly its size, so that
// the sanitizer build catches a parser that reads past the terminator.
void ParseEveryPrefix(const std::string& line, int32_t hostType) {
  for (std::size_t length = 0; length <= line.size(); ++length) {
    auto copy = std::make_unique<char[]>(length + 1);
    std::memcpy(copy.get(), line.data(), length);
    ListingEntry entry{};
    DispatchLine(entry, copy.get(), hostType, "", "");
  }
}

void ExpectRows(std::initializer_list<Row> rows, std::initializer_list<int32_t> hostTypes) {
  for (int32_t hostType : hostTypes) {
    for (const Row& row : rows) {
      EXPECT_EQ(Mismatch(Decode(row.line, hostType), row.expected), "")
          << "'" << row.line << "' as host " << hostType;
      ParseEveryPrefix(row.line, hostType);
    }
  }
}

void ExpectDropped(std::initializer_list<std::string> lines,
                   std::initializer_list<int32_t> hostTypes) {
  for (int32_t hostType : hostTypes) {
    for (const std::string& line : lines) {
      EXPECT_EQ(Decode(line, hostType).result, 0) << "'" << line << "' as host " << hostType;
      ParseEveryPrefix(line, hostType);
    }
  }
}

constexpr int kDir = KIND_DIRECTORY;

TEST(CountWords, SeparatesAtBlanksAndTabs) {
  struct {
    const char* text;
    int words;
  } rows[] = {{nullptr, 0}, {"", 0}, {" \t ", 0}, {"one", 1}, {" a\tb  c ", 3}, {"a\t\tb", 2}};
  for (const auto& row : rows) EXPECT_EQ(CountWords(row.text), row.words) << row.text;
}

TEST(ParseGroupedSize, DropsCommasAndStopsAtTheFirstOtherCharacter) {
  struct {
    std::string text;
    int64_t size;
  } rows[] = {
      {"1,234,567 bytes", 1234567},
      {" \t42x", 42},
      {"bytes 12", 0},
      {",,7,", 7},
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
          {"A.TXT  10  12-01-99  11:05P", {"A.TXT", 10, 1999, 12, 1, 23, 5}},
          // No ":" at all: no time, the rest is read.
          {"NOTES 1,234,567 12-01-99", {"NOTES", 1234567, 1999, 12, 1}},
          // A ":" in columns 0 to 2 belongs to the name; the line has no time.
          {"a:b 12 12-01-99", {"a:b", 12, 1999, 12, 1}},
          {"ab:c 12 12-01-99", {"ab:c", 12, 1999, 12, 1}},
          {"LONELY", {"LONELY"}},
      },
      {HOST_CHAMELEON, HOST_SUPER_TCP});
}

TEST(ParseChameleon, DropsMatchSummaries) {
  ExpectDropped({"Files match 3", "Directories match 12", "Files match"},
                {HOST_CHAMELEON, HOST_SUPER_TCP});
}

TEST(ParseNos, ReadsTheRightHandEntryOfALine) {
  ExpectRows(
      {
          {Columns({{0, "AUTOEXEC.BAT"}, {14, "1,234"}, {21, "12:05"}, {28, "3/04/95"}}),
           {"AUTOEXEC.BAT", 1234, 1995, 3, 4, 12, 5}},
          {Columns({{0, "SRC/"}, {14, "12:05"}, {21, "3/04/95"}}),
           {"SRC", 0, 1995, 3, 4, 12, 5, kDir}},
          {Columns({{0, "BIN\\"}, {14, "8:00"}, {21, "1/02/03"}}),
           {"BIN", 0, 2003, 1, 2, 8, 0, kDir}},
          {Columns({{0, "AUTOEXEC.BAT"},
                    {14, "1,234"},
                    {21, "12:05"},
                    {28, "3/04/95"},
                    {41, "CONFIG.SYS"},
                    {55, "567"},
                    {62, "9:30"},
                    {69, "12/31/99"}}),
           {"CONFIG.SYS", 567, 1999, 12, 31, 9, 30}},
          {Columns({{0, "A.TXT"},
                    {14, "1"},
                    {21, "1:00"},
                    {28, "1/1/90"},
                    {41, "DOCS/"},
                    {55, "8:00"},
                    {62, "1/02/03"}}),
           {"DOCS", 0, 2003, 1, 2, 8, 0, kDir}},
          // A file's numeric date is read month first, as a directory's is.
          {Columns({{0, "A.TXT"}, {14, "10"}, {21, "1:00"}, {28, "12-31-99"}}),
           {"A.TXT", 10, 1999, 12, 31, 1, 0}},
          {Columns({{0, "A.TXT"}, {14, "10"}, {21, "1:00"}, {28, "Feb-03-99"}}),
           {"A.TXT", 10, 1999, 2, 3, 1, 0}},
      },
      {HOST_QB7Q_NOS});
}

TEST(ParseNos, DropsSummariesAndShortEntries) {
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
  ExpectRows(
      {
          {"read me.txt  1234  Jan-12-99  9:05", {"read me.txt", 1234, 1999, 1, 12, 9, 5}},
          {"src  <DIR>  Feb-01-05  12:30p", {"src", 0, 2005, 2, 1, 12, 30, kDir}},
          {"a.out  10  Feb-01-05  1:30p", {"a.out", 10, 2005, 2, 1, 13, 30}},
          {"notes.txt 10 12-01-99 10:00", {"notes.txt", 10, 0, 0, 0, 10, 0}},  // numeric date
          // Nine words, but column 1 is no "r": not a Unix line.
          {"my long file name with many words 10 Jan-01-99 1:00",
           {"my long file name with many words", 10, 1999, 1, 1, 1, 0}},
          // Tab-separated columns read as if blanks separated them.
          {"read me.txt\t1234\tJan-12-99\t9:05", {"read me.txt", 1234, 1999, 1, 12, 9, 5}},
          {"big.dat\t\t99999999999\tJan-12-99\t9:05",
           {"big.dat", 99999999999LL, 1999, 1, 12, 9, 5}},
      },
      {HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD});
}

TEST(ParseNcsa, HandsUnixLongListingsToTheUnixParser) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt",
           {"file name.txt", 1234, 2026, 1, 12, 12, 30, KIND_UNSTATED, FLAG_YEAR_INFERRED}},
          {"drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs/",
           {"docs", 512, 2019, 3, 3, 0, 0, kDir, FLAG_NO_TIME}},
      },
      {HOST_NCSA_CUTCP, HOST_TGV_MULTINET, HOST_FTP_PC_TCP_3_0, HOST_WARFTPD});
}

TEST(ParseNcsa, DropsSummariesAndShortLines) {
  ExpectDropped({"Files match 3", "Directories match 1", "a b c", "a\tb\tc", ""},
                {HOST_NCSA_CUTCP, HOST_WARFTPD});
}

TEST(ParsePcTcp, ReadsFixedColumns) {
  ExpectRows(
      {
          {Columns({{2, "1234"},
                    {10, "README.TXT"},
                    {37, "Jan"},
                    {41, "12"},
                    {44, "09:05"},
                    {53, "95"}}),
           {"README.TXT", 1234, 1995, 1, 12, 9, 5}},
          {Columns({{2, "1234"},
                    {10, "README.TXT"},
                    {37, "Jan"},
                    {41, "12"},
                    {44, "09:05"},
                    {53, "05"}}),
           {"README.TXT", 1234, 2005, 1, 12, 9, 5}},
          {Columns(
               {{0, "<DIR>"}, {10, "SRC"}, {37, "Dec"}, {41, "31"}, {44, "23:59"}, {53, "1999"}}),
           {"SRC", 0, 1999, 12, 31, 23, 59, kDir}},
          // Only the last word of columns 0 to 29 is the name.
          {Columns(
               {{0, "77"}, {5, "two words"}, {37, "Mar"}, {41, "3"}, {44, "10:00"}, {53, "98"}}),
           {"words", 77, 1998, 3, 3, 10, 0}},
          // A name that fills columns 0 to 29 has no size before it.
          {Columns({{0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
                    {37, "Mar"},
                    {41, "3"},
                    {44, "10:00"},
                    {53, "98"}}),
           {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", 0, 1998, 3, 3, 10, 0}},
          // A missing year becomes 1900 when the date is incomplete.
          {Columns({{2, "5"}, {10, "X"}, {37, "xyz"}, {41, "12"}, {44, "01:02"}, {53, "--"}}),
           {"X", 5, 1900, 0, 12, 1, 2}},
      },
      {HOST_FTP_PC_TCP});
}

TEST(ParsePcTcp, DropsShortLinesAndDirectoryCounts) {
  ExpectDropped(
      {
          Columns({{2, "1234"},
                   {10, "README.TXT"},
                   {37, "Jan"},
                   {41, "12"},
                   {44, "09:05"},
                   {52, "9"}}),  // 53 characters
          Columns({{0, "Dirs: 3"}, {10, "Files: 4"}, {37, "Jan"}, {53, "95"}}),
          Columns({{0, "DIRS: 3"}, {37, "Jan"}, {53, "95"}}),
          Columns({{37, "Jan"}, {41, "12"}, {44, "09:05"}, {53, "95"}}),  // no name
      },
      {HOST_FTP_PC_TCP});
}

TEST(ParseIbmPcTcpIp, ReadsFixedColumnsAndTheTwelveHourClock) {
  ExpectRows(
      {
          {Columns({{0, "12-05-99"}, {10, "01:05p"}, {16, "1234"}, {40, "README.TXT"}}),
           {"README.TXT", 1234, 1999, 12, 5, 13, 5}},
          {Columns({{0, "01-02-05"}, {10, "12:05a"}, {30, "1234"}, {40, "my file.txt"}}),
           {"my file.txt", 1234, 2005, 1, 2, 0, 5}},
          {Columns({{0, "01-02-05"}, {10, "12:05p"}, {30, "7"}, {40, "A"}}),
           {"A", 7, 2005, 1, 2, 12, 5}},
          {Columns({{0, "01-02-05"}, {10, "01:05P"}, {30, "7"}, {40, "A"}}),
           {"A", 7, 2005, 1, 2, 1, 5}},  // only the lower-case mark counts
          {Columns({{0, "01-02-05"}, {10, "11:59a"}, {30, "7"}, {40, "A"}}),
           {"A", 7, 2005, 1, 2, 11, 59}},
          {Columns({{0, "06-30-98"}, {10, "09:00a"}, {20, "<DIR>"}, {40, "SRC"}}),
           {"SRC", 0, 1998, 6, 30, 9, 0, kDir}},
      },
      {HOST_IBM_PC_TCP_IP});
}

TEST(ParseIbmPcTcpIp, DropsHeadingsAndSummaries) {
  ExpectDropped(
      {
          Columns({{0, " Volume in drive C has volume label DISK1"}, {50, "x"}}),
          Columns({{0, " Volume Serial Number is 1234-5678"}, {50, "x"}}),
          Columns({{0, " Directory of C:\\TCP"}, {50, "x"}}),
          Columns({{0, "       3 file(s)     1234 bytes"}, {50, "x"}}),
          Columns({{0, "12-05-99"}, {10, "01:05p"}, {16, "1234"}, {39, "X"}}),  // 40 characters
      },
      {HOST_IBM_PC_TCP_IP});
}

TEST(ParseQvtNet, ListsNamesOnly) {
  ExpectRows({{"readme.txt extra", {"readme.txt"}},
              {"Folder/", {"Folder", 0, 0, 0, 0, 0, 0, kDir}},
              {"bin\\ old", {"bin", 0, 0, 0, 0, 0, 0, kDir}}},
             {HOST_QVT_NET_2_3});
  ExpectRows({{"read me.txt", {"read me.txt"}},
              {"My Folder/", {"My Folder", 0, 0, 0, 0, 0, 0, kDir}},
              {" lead", {" lead"}}},
             {HOST_MAC_NCSA});
}

TEST(ParseQvtNet, EmptyLinesGiveNoName) {
  ExpectDropped({"", "\r\n", "/"}, {HOST_QVT_NET_2_3, HOST_MAC_NCSA});
  ExpectDropped({" readme"}, {HOST_QVT_NET_2_3});
}

TEST(ParseQvtNet4, ReadsTheSizeFirstLayout) {
  ExpectRows(
      {
          {Columns({{0, "1234"}, {14, "05-12-97"}, {25, "14:10"}, {34, "readme.txt"}}),
           {"readme.txt", 1234, 1997, 5, 12, 14, 10}},
          {Columns({{0, "[dir]"}, {14, "01-02-03"}, {25, "09:05"}, {34, "my folder"}}),
           {"my folder", 0, 2003, 1, 2, 9, 5, kDir}},
      },
      {HOST_QVT_NET_4_0});
}

TEST(ParseQvtNet4, ReadsTheNameFirstLayout) {
  ExpectRows(
      {
          {Columns({{0, "read me.txt"}, {42, "1234"}, {48, "05-12-1997"}, {60, "14:10"}}),
           {"read me.txt", 1234, 1997, 5, 12, 14, 10}},
          {Columns({{0, "My Folder"}, {42, "[dir]"}, {48, "01-02-2003"}, {60, "9:05"}}),
           {"My Folder", 0, 2003, 1, 2, 9, 5, kDir}},
          {Columns({{0, "Old"}, {42, "[DIR]"}, {48, "01-02-2003"}, {60, "9:05"}}),
           {"Old", 0, 2003, 1, 2, 9, 5, kDir}},
          // One blank between name and size reads as well as several.
          {Columns({{0, "0123456789 123456789 123456789 123456789"},
                    {41, "98765"},
                    {47, "12-31-1999"},
                    {58, "23:59"}}),
           {"0123456789 123456789 123456789 123456789", 98765, 1999, 12, 31, 23, 59}},
          // The line ends inside the date: only what is there is read.
          {Columns({{0, "name"}, {42, "1234"}, {48, "xx"}}), {"name", 1234}},
          {Columns({{0, "name"}, {42, "1234"}, {48, "05-12-"}}), {"name", 1234, 2000, 5, 12}},
      },
      {HOST_QVT_NET_4_0});
}

TEST(ParseQvtNet4, DropsShortLines) {
  ExpectDropped(
      {
          "short line", Columns({{0, "read me.txt"}, {40, "1234"}}),           // 44 characters
          Columns({{0, "1234"}, {14, "05/12/97"}, {25, "14:10"}, {34, "x"}}),  // no dashes
          Columns({{42, "1234"}, {48, "05-12-1997"}}),                         // no name
      },
      {HOST_QVT_NET_4_0});
}

}  // namespace
}  // namespace qorda::testing
