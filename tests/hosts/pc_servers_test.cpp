#include "hosts/pc_servers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

TEST(ParseMacServerHellSoftHummingbird, FindTheNameAndSizeWords) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"-rw-r--r-- owner group 1234 Jan 12 1999 read me",
           {"read me", 1234, 1999, 1, 12, 0, 0, 0, kNoTime}},
          // Directories have one word less; only a lower-case "d" takes the name from word 7.
          {"drwxr-xr-x folder 512 Aug 12 12:30 Stuff",
           {"Stuff", 512, 2025, 8, 12, 12, 30, kDir, kInferred}},
          {"Drwxr-xr-x folder 512 Jan 12 12:30 My Stuff",
           {"Stuff", 512, 2026, 1, 12, 12, 30, kDir, kInferred}},
          {"-rw-r--r-- 1 2", {"2"}},  // too few words: the last one is the name
      },
      {HOST_MAC_MORVO_SERVER});
  ExpectRows({{"drwxr-xr-x 1 owner 512 Mar 3 2019 my src",
               {"my src", 512, 2019, 3, 3, 0, 0, kDir, kNoTime}}},
             {HOST_HELLSOFT});
  ExpectRows(
      {
          // The size is word 4 without a group column, word 6 behind a further word.
          {"-rw-r--r-- 1 owner 1234 Jan 12 2019 readme",
           {"readme", 1234, 2019, 1, 12, 0, 0, 0, kNoTime}},
          {"-rw-r--r-- 1 owner group extra 1234 Jan 12 2019 read me",
           {"read me", 1234, 2019, 1, 12, 0, 0, 0, kNoTime}},
          {"Drwxr-xr-x 1 owner group 512 Jan 12 2019 docs",
           {"docs", 512, 2019, 1, 12, 0, 0, kDir, kNoTime}},
          {"-rw-r--r-- 1 owner group 10 Jan", {"Jan", 10, 0, 1}},
      },
      {HOST_HUMMINGBIRD});
  ExpectDropped({"Total 12"}, {HOST_MAC_MORVO_SERVER, HOST_HELLSOFT, HOST_HUMMINGBIRD});
}

TEST(ParseNetWare4, ReadsTheTenWordAndTheFixedColumnForms) {
  // '-rw-r--r--       1234   Jan 12, 98 1:15 pm   a b': the size ends before column 48.
  auto line = [](const char* type, const char* size, const char* rest,
                 const char* date = "Jan 12, ") {
    return Columns(
        {{0, type}, {48 - static_cast<int>(std::strlen(size)), size}, {51, date}, {59, rest}});
  };
  ExpectRows(
      {
          {"d [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm Public Files",
           {"Public Files", 512, 1998, 1, 12, 21, 5, kDir}},
          {"- [RWCEAFMS] owner 10 Jan 12 05 12:30 am x", {"x", 10, 2005, 1, 12, 12, 30}},
          {"- [RWCEAFMS] owner 10 Jan 12 98 10:30 PM x y", {"x y", 10, 1998, 1, 12, 22, 30}},
          {line("-rw-r--r--", "1234", "98 1:15 pm   a b"), {"a b", 1234, 1998, 1, 12, 13, 15}},
          {line("-rw-r--r--", "1", "05 12:15 pm   a b"), {"a b", 1, 2005, 1, 12, 12, 15}},
          {line("drwxr-xr-x", "512", "70 10:00 am   a b"), {"a b", 512, 1970, 1, 12, 10, 0, kDir}},
          {line("--------", "512", "69 10:00 pm   a b"), {"a b", 512, 2038, 1, 12, 22, 0}},
          // A year no record can hold runs over the clock's columns; it wraps
          // rather than overflowing, and the decoder brings it into range.
          {line("-rw-r--r--", "1234", "2147483647 1:15 pm   a b"),
           {"pm   a b", 1234, 2038, 1, 12, 255, 1}},
      },
      {HOST_NETWARE_V4});
  ExpectDropped(
      {
          "total 12",
          "xy [RWCEAFMS] owner 512 Jan 12 1998 9:05 pm name",  // column 1 is neither form's
          // Without the "," there is no year, time or name start.
          line("-rw-r--r--", "1234", "98 1:15 pm   a b", "Jan 12  "),
      },
      {HOST_NETWARE_V4});
}

TEST(ParseNovellLwp, ReadsDateTimeSizeAndName) {
  ExpectRows(
      {
          {"12-18-96  2:10p  1234  read me.txt", {"read me.txt", 1234, 1996, 12, 18, 14, 10}},
          {"01-02-03  12:30p  <DIR>  src", {"src", 0, 2003, 1, 2, 12, 30, kDir}},
      },
      {HOST_NOVELL_LWP});
  ExpectDropped({"   3 File(s)  1234 bytes", "Directory of SYS:PUBLIC"}, {HOST_NOVELL_LWP});
}

TEST(ParseOs2Warp, ReadsSixWords) {
  ExpectRows(
      {
          {"                 0           DIR   12-18-96   14:10  ADOBE",
           {"ADOBE", 0, 1996, 12, 18, 14, 10, kDir}},
          {"              1234      A          01-02-03    9:05  My Document.txt",
           {"My Document.txt", 1234, 2003, 1, 2, 9, 5}},
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
  // 52 characters: too short for a name at column 53.
  ExpectDropped({Columns({{12, "1"}, {35, "12-18-96"}, {46, "14:10"}, {51, "x"}})}, {HOST_IBM_OS2});
}

TEST(ParseReflection, ReadsFixedColumns) {
  ExpectRows(
      {
          // A time of five characters fills column 26; the size field starts at 27.
          {Columns({{12, "12-18-96"}, {22, "2:10p"}, {33, "98765"}, {45, "read me"}}),
           {"read me", 98765, 1996, 12, 18, 14, 10}},
          {Columns({{12, "01-02-03"}, {22, "9:05"}, {30, "<DIR>"}, {45, "src"}}),
           {"src", 0, 2003, 1, 2, 9, 5, kDir}},
      },
      {HOST_REFLECTION});
  // 44 characters: too short for a name at column 45.
  ExpectDropped({Columns({{12, "12-18-96"}, {22, "14:10"}, {28, "1"}, {43, "x"}})},
                {HOST_REFLECTION});
}

TEST(ParseVersaTerm, ReadsTheNameAloneOrTheColumnsOfLongLines) {
  auto line = [](const std::string& name, const char* clock) {
    return Columns({{0, name + std::string(40 - name.size(), '.')},
                    {44, "1234         Jan 12"},
                    {65, clock},
                    {76, "98"}});
  };
  ExpectRows(
      {
          {"Documents/", {"Documents", 0, 0, 0, 0, 0, 0, kDir}},
          {"long.name" + std::string(67, '.'), {"long.name"}},
          {line("report.txt", "03:05 P"), {"report.txt", 1234, 1998, 1, 12, 15, 5}},
          {line("report.txt", "12:05 P"), {"report.txt", 1234, 1998, 1, 12, 12, 5}},
          {line("report.txt", "03:05 p"), {"report.txt", 1234, 1998, 1, 12, 3, 5}},
          {line("Projects/", "11:00"), {"Projects", 1234, 1998, 1, 12, 11, 0, kDir}},
          // Dots pad the fields too; they read as blanks.
          {"x.txt" + std::string(36, '.') + "1234" + std::string(12, '.') + "Feb.03..11:30......05",
           {"x.txt", 1234, 2005, 2, 3, 11, 30}},
          // A leader that runs to the end of the line leaves no fields.
          {"x" + std::string(76, '.'), {"x"}},
      },
      {HOST_MAC_VERSATERM});
  ExpectDropped({"plain", "a.b.c", "/"}, {HOST_MAC_VERSATERM});
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
  ExpectDropped(
      {
          line("..", "<DIR>", "06-30-98", "09:00a"),
          line(" README  TXT", "1234", "12-18-96", "02:10p"),
          "README   TXT",
      },
      {HOST_LUMBRIX, HOST_PCNFS_PRO});
}

}  // namespace
}  // namespace qorda::testing
