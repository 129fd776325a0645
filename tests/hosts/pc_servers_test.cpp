#include "hosts/pc_servers.h"

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

void ExpectDropped(std::initializer_list<std::string> lines, int32_t hostType) {
  for (const std::string& line : lines) {
    EXPECT_EQ(Decode(line, hostType).result, 0) << "'" << line << "' as host " << hostType;
    ParseEveryPrefix(line, hostType);
  }
}

constexpr int kDir = KIND_DIRECTORY;
constexpr int kNoTime = FLAG_NO_TIME;
constexpr int kInferred = FLAG_YEAR_INFERRED;

// 'read.me' with a leader of dots up to the given width.
std::string Dotted(const std::string& name, std::size_t width) {
  return name + std::string(width - name.size(), '.');
}

// The line with every blank from column `from` on turned into a dot, as
// VersaTerm pads its fields.
std::string DotsForBlanks(std::string line, std::size_t from) {
  for (std::size_t column = from; column < line.size(); ++column) {
    if (line[column] == ' ') line[column] = '.';
  }
  return line;
}

TEST(ParseMacServer, DirectoriesHaveOneWordLess) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"-rw-r--r-- owner group 1234 Jan 12 1999 read me",
           {"read me", 1234, 1999, 1, 12, 0, 0, 0, kNoTime}},
          {"drwxr-xr-x folder 512 Jan 12 12:30 Stuff",
           {"Stuff", 512, 2026, 1, 12, 12, 30, kDir, kInferred}},
          // Only a lower-case "d" takes the name from word 7.
          {"Drwxr-xr-x folder 512 Jan 12 12:30 My Stuff",
           {"Stuff", 512, 2026, 1, 12, 12, 30, kDir, kInferred}},
          {"-rw-r--r-- 1 2", {"2"}},  // too few words: the last one is the name
      },
      {HOST_MAC_MORVO_SERVER});
  ExpectDropped({"Total 12", "total"}, HOST_MAC_MORVO_SERVER);
}

TEST(ParseHellSoft, ReadsEightWords) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"-rw-r--r-- 1 owner 1234 Jan 12 12:30 read me",
           {"read me", 1234, 2026, 1, 12, 12, 30, 0, kInferred}},
          {"drwxr-xr-x 1 owner 512 Aug 12 12:30 src",
           {"src", 512, 2025, 8, 12, 12, 30, kDir, kInferred}},
          {"-rw-r--r-- 1 owner 10 Mar 3 2019 x", {"x", 10, 2019, 3, 3, 0, 0, 0, kNoTime}},
      },
      {HOST_HELLSOFT});
  ExpectDropped({"total 5", "TOTAL"}, HOST_HELLSOFT);
}

TEST(ParseHummingbird, FindsTheSizeColumnPerLine) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt",
           {"file name.txt", 1234, 2026, 1, 12, 12, 30, 0, kInferred}},
          // No group column: the size is word 4.
          {"-rw-r--r-- 1 owner 1234 Jan 12 2019 readme",
           {"readme", 1234, 2019, 1, 12, 0, 0, 0, kNoTime}},
          // A further word before the size: the size is word 6.
          {"-rw-r--r-- 1 owner group extra 1234 Jan 12 2019 read me",
           {"read me", 1234, 2019, 1, 12, 0, 0, 0, kNoTime}},
          {"Drwxr-xr-x 1 owner group 512 Jan 12 2019 docs",
           {"docs", 512, 2019, 1, 12, 0, 0, kDir, kNoTime}},
          {"-rw-r--r-- 1 owner group 10 Jan", {"Jan", 10, 0, 1}},
      },
      {HOST_HUMMINGBIRD});
  ExpectDropped({"total 24"}, HOST_HUMMINGBIRD);
}

TEST(ParseNetWare4, ReadsTheTenWordForm) {
  ExpectRows(
      {
          {"d [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm Public Files",
           {"Public Files", 512, 1998, 1, 12, 21, 5, kDir}},
          {"- [RWCEAFMS] owner 10 Jan 12 98 12:30 pm x", {"x", 10, 1998, 1, 12, 12, 30}},
          {"- [RWCEAFMS] owner 10 Jan 12 05 12:30 am x", {"x", 10, 2005, 1, 12, 12, 30}},
          {"- [RWCEAFMS] owner 10 Jan 12 98 10:30 PM x y", {"x y", 10, 1998, 1, 12, 22, 30}},
      },
      {HOST_NETWARE_V4});
}

TEST(ParseNetWare4, ReadsTheFixedColumnForm) {
  auto line = [](const char* type, const char* size, const char* year, const char* clock) {
    return Columns({{0, type},
                    {12, "owner"},
                    {48 - static_cast<int>(std::string(size).size()), size},
                    {51, "Jan"},
                    {55, "12,"},
                    {59, year},
                    {62, clock},
                    {72, "My File"}});
  };
  ExpectRows(
      {
          {line("-rw-r--r--", "1234", "98", "1:15 pm"), {"My File", 1234, 1998, 1, 12, 13, 15}},
          {line("-rw-r--r--", "12345678", "98", "12:15 pm"),
           {"My File", 12345678, 1998, 1, 12, 12, 15}},
          {line("-rw-r--r--", "1", "05", "9:05 am"), {"My File", 1, 2005, 1, 12, 9, 5}},
          {line("drwxr-xr-x", "512", "70", "10:00 pm"), {"My File", 512, 1970, 1, 12, 22, 0, kDir}},
          {line("--------", "512", "69", "10:00 pm"), {"My File", 512, 2038, 1, 12, 22, 0}},
          // A year no record can hold runs over the clock's columns; it wraps
          // rather than overflowing, and the decoder brings it into range.
          {Columns({{0, "-rw-r--r--"},
                    {44, "1234"},
                    {51, "Jan"},
                    {55, "12,"},
                    {59, "2147483647"},
                    {70, "1:15 pm"},
                    {80, "My File"}}),
           {"pm   My File", 1234, 2038, 1, 12, 255, 1}},
      },
      {HOST_NETWARE_V4});
}

TEST(ParseNetWare4, DropsTotalsAndUnknownForms) {
  ExpectDropped(
      {
          "total 12",
          "xy [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm name",  // column 1 is neither form's
          // Without the "," there is no year, time or name start.
          Columns({{0, "-rw-r--r--"},
                   {44, "1234"},
                   {51, "Jan"},
                   {55, "12"},
                   {59, "98"},
                   {62, "1:15 pm"},
                   {72, "name"}}),
      },
      HOST_NETWARE_V4);
}

TEST(ParseNovellLwp, ReadsDateTimeSizeAndName) {
  ExpectRows(
      {
          {"12-18-96  2:10p  1234  read me.txt", {"read me.txt", 1234, 1996, 12, 18, 14, 10}},
          {"01-02-03  12:30p  <DIR>  src", {"src", 0, 2003, 1, 2, 12, 30, kDir}},
          {"01-02-03  11:30a  5  a", {"a", 5, 2003, 1, 2, 11, 30}},
      },
      {HOST_NOVELL_LWP});
  ExpectDropped({"   3 File(s)  1234 bytes", "Directory of SYS:PUBLIC"}, HOST_NOVELL_LWP);
}

TEST(ParseOs2Warp, ReadsSixWords) {
  ExpectRows(
      {
          {"                 0           DIR   12-18-96   14:10  ADOBE",
           {"ADOBE", 0, 1996, 12, 18, 14, 10, kDir}},
          {"              1234      A          12-18-96   14:10  My Document.txt",
           {"My Document.txt", 1234, 1996, 12, 18, 14, 10}},
          {"              1234      A          01-02-03    9:05  x", {"x", 1234, 2003, 1, 2, 9, 5}},
          // The date word ends the line: too short to read, and it is the name.
          {"  1 A 12-18-96", {"12-18-96", 1}},
      },
      {HOST_IBM_OS2_WARP});
}

TEST(ParseOs2, ReadsFixedColumns) {
  ExpectRows(
      {
          {Columns({{12, "123456"}, {35, "12-18-96"}, {46, "14:10"}, {53, "readme.txt"}}),
           {"readme.txt", 123456, 1996, 12, 18, 14, 10}},
          {Columns({{17, "42"}, {35, "01-02-03"}, {46, "2:10p"}, {53, "a b"}}),
           {"a b", 42, 2003, 1, 2, 14, 10}},
          {Columns({{0, "12345678901234567"}, {35, "01-02-03"}, {46, "12:10p"}, {53, "big"}}),
           {"big", 12345678901234567LL, 2003, 1, 2, 12, 10}},
          {Columns({{18, "<DIR>"}, {35, "12-18-96"}, {46, "14:10"}, {53, "src"}}),
           {"src", 0, 1996, 12, 18, 14, 10, kDir}},
      },
      {HOST_IBM_OS2});
  ExpectDropped(
      {Columns({{12, "1"}, {35, "12-18-96"}, {46, "14:10"}, {51, "x"}})},  // 52 characters
      HOST_IBM_OS2);
}

TEST(ParseReflection, ReadsFixedColumns) {
  ExpectRows(
      {
          {Columns({{12, "12-18-96"}, {22, "14:10"}, {28, "1234"}, {45, "read me"}}),
           {"read me", 1234, 1996, 12, 18, 14, 10}},
          {Columns({{12, "12-18-96"}, {22, "2:10p"}, {30, "1234"}, {45, "x"}}),
           {"x", 1234, 1996, 12, 18, 14, 10}},
          // A time of five characters fills column 26; the size field starts at 27.
          {Columns({{12, "12-18-96"}, {22, "14:10"}, {33, "98765"}, {45, "x"}}),
           {"x", 98765, 1996, 12, 18, 14, 10}},
          {Columns({{12, "01-02-03"}, {22, "9:05"}, {27, "<DIR>"}, {45, "src"}}),
           {"src", 0, 2003, 1, 2, 9, 5, kDir}},
          {Columns({{12, "01-02-03"}, {22, "9:05"}, {30, "<DIR>"}, {45, "src"}}),
           {"src", 0, 2003, 1, 2, 9, 5, kDir}},
      },
      {HOST_REFLECTION});
  ExpectDropped(
      {Columns({{12, "12-18-96"}, {22, "14:10"}, {28, "1"}, {43, "x"}})},  // 44 characters
      HOST_REFLECTION);
}

TEST(ParseVersaTerm, ReadsNamesWithDotLeaders) {
  ExpectRows(
      {
          {"Documents/", {"Documents", 0, 0, 0, 0, 0, 0, kDir}},
          {"read.me.........", {"read.me"}},
          {Dotted("long.name", 76), {"long.name"}},
      },
      {HOST_MAC_VERSATERM});
  ExpectDropped({"plain", "a.b.c", "/"}, HOST_MAC_VERSATERM);
}

TEST(ParseVersaTerm, ReadsTheColumnsOfLongLines) {
  auto line = [](const std::string& name, const char* hour, const char* mark) {
    return Columns({{0, Dotted(name, 40)},
                    {44, "1234"},
                    {57, "Jan"},
                    {61, "12"},
                    {65, hour},
                    {71, mark},
                    {76, "98"}});
  };
  ExpectRows(
      {
          {line("report.txt", "03:05", "P"), {"report.txt", 1234, 1998, 1, 12, 15, 5}},
          {line("report.txt", "12:05", "P"), {"report.txt", 1234, 1998, 1, 12, 12, 5}},
          {line("report.txt", "03:05", "p"), {"report.txt", 1234, 1998, 1, 12, 3, 5}},
          {line("Projects/", "11:00", " "), {"Projects", 1234, 1998, 1, 12, 11, 0, kDir}},
          // Dots pad the fields too; they read as blanks.
          {DotsForBlanks(Columns({{0, "x.txt"},
                                  {41, "1234"},
                                  {57, "Feb"},
                                  {61, "03"},
                                  {65, "11:30"},
                                  {76, "05"}}),
                         5),
           {"x.txt", 1234, 2005, 2, 3, 11, 30}},
          // A leader that runs to the end of the line leaves no fields.
          {Dotted("x", 77), {"x"}},
      },
      {HOST_MAC_VERSATERM});
}

TEST(ParsePcNfs, ReadsTheDosNameFieldAndFixedColumns) {
  auto line = [](const char* name, const char* size, const char* date, const char* clock) {
    return Columns({{0, name}, {13, size}, {23, date}, {33, clock}});
  };
  ExpectRows(
      {
          {line("README   TXT", "1234", "12-18-96", "02:10p"),
           {"README.TXT", 1234, 1996, 12, 18, 14, 10}},
          {line("FILENAME EXT", "    5", "01-02-05", "12:05a"),
           {"FILENAME.EXT", 5, 2005, 1, 2, 0, 5}},
          {line("MAKEFILE", "5", "01-02-05", "12:05p"), {"MAKEFILE", 5, 2005, 1, 2, 12, 5}},
          {line("AB       C", "5", "01-02-05", "01:05P"), {"AB.C", 5, 2005, 1, 2, 1, 5}},
          {line("SRC", "<DIR>", "06-30-98", "09:00a"), {"SRC", 0, 1998, 6, 30, 9, 0, kDir}},
      },
      {HOST_LUMBRIX, HOST_PCNFS_PRO});
  for (int32_t hostType : {HOST_LUMBRIX, HOST_PCNFS_PRO}) {
    ExpectDropped(
        {
            line(".", "<DIR>", "06-30-98", "09:00a"),
            line("..", "<DIR>", "06-30-98", "09:00a"),
            " " + line("README   TXT", "1234", "12-18-96", "02:10p"),
            "README   TXT",
        },
        hostType);
  }
}

}  // namespace
}  // namespace qorda::testing
