#include "hosts/windows.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/host_ids.h"
#include "hosts/every_prefix.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

constexpr int kNoTime = FLAG_NO_TIME;
constexpr int kInferred = FLAG_YEAR_INFERRED;
constexpr int kDir = KIND_DIRECTORY;

struct Row {
  std::string line;
  Expected expected;
};

void ExpectRows(std::initializer_list<Row> rows, int32_t hostType) {
  for (const Row& row : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, hostType), row.expected), "")
        << "'" << row.line << "' as " << hostType;
  }
}

// One line, as NT (and Carrox DMZ) and as ACI read it.
struct NtAciRow {
  std::string line;
  Expected nt;
  Expected aci;
};

void ExpectNtAndAci(std::initializer_list<NtAciRow> rows) {
  for (const NtAciRow& row : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_MICROSOFT_NT), row.nt), "") << "NT: " << row.line;
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_CARROX_DMZ), row.nt), "") << "DMZ: " << row.line;
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_ACI), row.aci), "") << "ACI: " << row.line;
  }
}

TEST(ParseWindowsNt, ReadsDosLinesLikeAci) {
  FixedClock clock(2026, 6);
  const Expected src = {"src", 0, 1999, 12, 31, 10, 0, kDir};
  const Expected readMe = {"read me.txt", 12345, 2023, 1, 5, 21, 7};
  ExpectNtAndAci({
      {Columns({{0, "12-31-99"}, {10, "10:00AM"}, {24, "<DIR>"}, {39, "src"}}), src, src},
      {Columns({{0, "01-05-2023"}, {12, "09:07PM"}, {35, "12345"}, {41, "read me.txt"}}), readMe,
       readMe},
      // Published IIS listings.
      {"02-11-10  09:53AM       <DIR>          aspnet_client",
       {"aspnet_client", 0, 2010, 2, 11, 9, 53, kDir},
       {"aspnet_client", 0, 2010, 2, 11, 9, 53, kDir}},
      {"04-27-00  09:09PM                 1234 readme.txt",
       {"readme.txt", 1234, 2000, 4, 27, 21, 9},
       {"readme.txt", 1234, 2000, 4, 27, 21, 9}},
      {Columns({{0, "01-05-1999"}, {12, "08:00AM"}, {28, "99999999999"}, {40, "big.iso"}}),
       {"big.iso", 99999999999LL, 1999, 1, 5, 8, 0},
       {"big.iso", 99999999999LL, 1999, 1, 5, 8, 0}},
      // The run of blanks behind the size goes; blanks inside the name stay.
      {Columns({{0, "01-05-23"}, {10, "10:00AM"}, {34, "10"}, {39, "  two  blanks"}}),
       {"two  blanks", 10, 2023, 1, 5, 10, 0},
       {"two  blanks", 10, 2023, 1, 5, 10, 0}},
  });
}

TEST(ParseWindowsNt, AppliesTheClockMarksUnlikeAci) {
  auto at = [](const char* clock) {
    return Columns({{0, "01-05-23"}, {10, clock}, {33, "12345"}, {39, "x"}});
  };
  auto hour = [](int h, int m) { return Expected{"x", 12345, 2023, 1, 5, h, m}; };
  ExpectNtAndAci({
      {at("12:07AM"), hour(0, 7), hour(12, 7)},  // midnight: ACI keeps 12
      {at("12:07PM"), hour(12, 7), hour(12, 7)},
      {at("12:07pm"), hour(12, 7), hour(12, 7)},
      {at("09:07pm"), hour(9, 7), hour(9, 7)},  // lower case marks do not count
      {at("09:07PM"), hour(21, 7), hour(21, 7)},
      {at("11:59PM"), hour(23, 59), hour(23, 59)},
      {at("00:15AM"), hour(0, 15), hour(0, 15)},
      {at("9:5PM"), hour(9, 5), hour(9, 5)},  // the mark must sit two places behind
      {at("10::30PM"), hour(22, 30), hour(22, 30)},
      // An hour no clock has still gets its mark: the sum wraps to a byte.
      {at("2147483647:07PM"), hour(11, 7), hour(11, 7)},
  });
}

TEST(ParseWindowsNt, FindsDirectoriesInTheSizeFieldWhereAciLooksAnywhere) {
  auto line = [](const char* field, const char* name) {
    return Columns({{0, "01-05-23"}, {10, "10:00AM"}, {24, field}, {39, name}});
  };
  ExpectNtAndAci({
      {line("1234", "x <DIR> y"),
       {"x <DIR> y", 1234, 2023, 1, 5, 10, 0},
       {"x <DIR> y", 0, 2023, 1, 5, 10, 0, kDir}},
      {line("10", "my dir x"),
       {"my dir x", 10, 2023, 1, 5, 10, 0},
       {"my dir x", 0, 2023, 1, 5, 10, 0, kDir}},
      {line("<Dir>", "x"),
       {"x", 0, 2023, 1, 5, 10, 0, kDir},
       {"x", 0, 2023, 1, 5, 10, 0}},  // not one of ACI's exact markers
      {line("<dir>", "x"), {"x", 0, 2023, 1, 5, 10, 0, kDir}, {"x", 0, 2023, 1, 5, 10, 0, kDir}},
      {line("DIR", "x"), {"x", 0, 2023, 1, 5, 10, 0, kDir}, {"x", 0, 2023, 1, 5, 10, 0, kDir}},
      {line("<DIRECTORY>", "x"),  // NT knows only "<dir>" and "dir "
       {"x", 0, 2023, 1, 5, 10, 0},
       {"x", 0, 2023, 1, 5, 10, 0, kDir}},
  });
}

TEST(ParseWindowsNt, ReadsUnixLinesFromOtherColumnsThanAci) {
  FixedClock clock(2026, 6);
  ExpectNtAndAci({
      // NT has the group column; ACI reads "group" as its size, "1234" as
      // the day (1234 & 0xFF = 210, clamped).
      {"-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt",
       {"file name.txt", 1234, 2026, 1, 12, 12, 30, 0, kInferred},
       {"file name.txt", 0, 2026, 1, 31, 12, 30, 0, kInferred}},
      // ACI's own shape: no group column, a word between day and time.
      {"-rw-r--r--   1 owner        1234 Jan 12 2019 12:30 notes.txt",
       {"notes.txt", 0, 2026, 0, 31, 12, 30, 0, kInferred},
       {"notes.txt", 1234, 2026, 1, 12, 12, 30, 0, kInferred}},
      {"drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs/",
       {"docs/", 512, 2019, 3, 3, 0, 0, kDir, kNoTime},
       {"docs/", 0, 2019, 3, 0, 0, 0, kDir, kNoTime}},
      // The name is word 9 to the end: arrows are not looked for.
      {"-rw-r--r--   1 owner    group          11 Feb  1 09:05 a -> b",
       {"a -> b", 11, 2026, 2, 1, 9, 5, 0, kInferred},
       {"a -> b", 0, 2026, 2, 11, 9, 5, 0, kInferred}},
  });
}

TEST(ParseWindowsNt, DropsLinesOfNeitherStyle) {
  const Expected none = {""};
  const std::string dosLine39 = Columns({{0, "01-05-23"}, {10, "10:00AM"}, {24, "12"}, {38, "x"}});
  const std::string dosLine40 = Columns({{0, "01-05-23"}, {10, "10:00AM"}, {24, "12"}, {39, "x"}});
  ASSERT_EQ(dosLine39.size(), 39u);
  ASSERT_EQ(dosLine40.size(), 40u);
  ExpectNtAndAci({
      {dosLine39, none, none},  // too short for a DOS line
      {dosLine40, {"x", 12, 2023, 1, 5, 10, 0}, {"x", 12, 2023, 1, 5, 10, 0}},
      {"lrwxrwxrwx   1 owner    group          11 Feb  1 09:05 link -> target", none, none},
      {"Drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs", none, none},
      {"-rw-r--r--   1 owner    group        1234 Jan 12 12:30", none, none},  // no word 9
      {Columns({{0, "2023-01-05"}, {12, "09:07PM"}, {35, "12345"}, {41, "iso date"}}), none, none},
      {" Volume in drive C has no label and this line is long enough", none, none},
      {"total 12", none, none},
      {"", none, none},
  });
}

TEST(ParseWindowsNt, StopsWhereTheLineEnds) {
  ExpectNtAndAci({
      // The line ends right after the time: date and time, no name.
      {Columns({{0, "01-05-23"}, {33, "10:00AM"}}),
       {"", 0, 2023, 1, 5, 10, 0},
       {"", 0, 2023, 1, 5, 10, 0}},
      // No blank at all: the date only.
      {"01-05-23" + std::string(32, 'x'), {"", 0, 2023, 1, 5}, {"", 0, 2023, 1, 5}},
      // A size but no name.
      {Columns({{0, "01-05-23"}, {10, "10:00AM"}, {35, "12345"}}),
       {"", 12345, 2023, 1, 5, 10, 0},
       {"", 12345, 2023, 1, 5, 10, 0}},
  });
}

TEST(ParseIis, ReadsTheMonthNameLayout) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"Tue Jan 12 2009 09:15 AM 12345 file.txt",
           {"file.txt", 12345, 2026, 1, 12, 9, 15, 0, kInferred}},
          {"Tue Jan 12 2009 09:15 PM 12345 file.txt",  // the PM word is not applied
           {"file.txt", 12345, 2026, 1, 12, 9, 15, 0, kInferred}},
          {"Wed Aug 12 2009 09:15 AM 12345 file.txt",  // later than June: last year
           {"file.txt", 12345, 2025, 8, 12, 9, 15, 0, kInferred}},
          {"Mon Mar  3 2019 2019 -- 77 name with blanks",
           {"name with blanks", 77, 2019, 3, 3, 0, 0, 0, kNoTime}},
          {"Tue Jan 12 2009 09:15 AM <dir> sub", {"sub", 0, 2026, 1, 12, 9, 15, kDir, kInferred}},
          // Only lower-case "dir" counts, from word 7 on: the name too.
          {"Tue Jan 12 2009 09:15 AM <DIR> sub", {"sub", 0, 2026, 1, 12, 9, 15, 0, kInferred}},
          {"Tue Jan 12 2009 09:15 AM 4096 readdir.c",
           {"readdir.c", 4096, 2026, 1, 12, 9, 15, kDir, kInferred}},
          {"dir Jan 12 2009 09:15 AM 4096 x", {"x", 4096, 2026, 1, 12, 9, 15, 0, kInferred}},
          // Fewer than eight words: no name.
          {"Tue Jan 12 2009 09:15 AM 12345", {"", 12345, 2026, 1, 12, 9, 15, 0, kInferred}},
          {"", {""}},
      },
      HOST_MICROSOFT_IIS);
}

TEST(ParseApache, ReadsNameDateAndScaledSize) {
  auto line = [](const char* name, const char* date, const char* size) {
    return Columns({{0, name}, {24, date}, {43, size}});
  };
  ExpectRows(
      {
          {line("index.html", "12-Jan-2009 12:30", "1.2K"),
           {"index.html", 1228, 2009, 1, 12, 12, 30}},
          {line("sub/", "01-Feb-2011 00:00", "-"), {"sub/", 0, 2011, 2, 1, 0, 0, kDir}},
          {line("my%20file%20x.txt", "01-Feb-2011 00:00", "123"),
           {"my file x.txt", 123, 2011, 2, 1}},
          {line("big.iso", "31-Dec-1999 23:59", "3.5M"),
           {"big.iso", 3667968, 1999, 12, 31, 23, 59}},
          {line("a.txt", "05-Mai-2020 09:01", "1.25k"), {"a.txt", 3574, 2020, 5, 5, 9, 1}},
          {line("b.txt", "05-Okt-2020 09:01", "2K"), {"b.txt", 2048, 2020, 10, 5, 9, 1}},
          {line("c.txt", "05-Jun-2020 09:01", "17"), {"c.txt", 17, 2020, 6, 5, 9, 1}},
          {line("e.txt", "05-Jun-2020 09:01", "1.5"), {"e.txt", 511, 2020, 6, 5, 9, 1}},
          // A two-digit year moves the clock off its place: only ":01" is read.
          {line("d.txt", "05-Jul-99 09:01", "1M"), {"d.txt", 1048576, 1999, 7, 5, 0, 1}},
          // The date's fields sit at fixed places: a one-digit day shifts them
          // (month from "an-", year from "009", no clock at the place).
          {"x 1-Jan-2009 9:30 5", {"x", 5, 2009, 8, 1, 0, 30}},
          // A date cut short: year and clock read as empty text.
          {"x 12-Jan", {"x", 0, 2000, 1, 12}},
          {"README", {"README"}},
          {"a%20%20b", {"a  b"}},
          {"%20", {" "}},
      },
      HOST_APACHE);
}

TEST(ParseSiNt, TakesTheLastWordAndTheKind) {
  ExpectRows(
      {
          {"drwxr-xr-x   1 owner group 0 Jan 12 12:30 some dir/", {"dir", 0, 0, 0, 0, 0, 0, kDir}},
          {"drwxr-xr-x   1 owner group 0 Jan 12 12:30 win\\", {"win", 0, 0, 0, 0, 0, 0, kDir}},
          {"lrwxrwxrwx   1 owner group 10 Jan 12 12:30 lnk -> target",
           {"lnk", 0, 0, 0, 0, 0, 0, KIND_LINK}},
          {"drwxr-xr-x   1 owner group 0 Jan 12 12:30 dl -> /x/",
           {"dl", 0, 0, 0, 0, 0, 0, KIND_LINK}},
          {"lrwxrwxrwx   1 owner group 10 Jan 12 12:30 no arrow", {"arrow"}},
          {"-rw-r--r--   1 owner group 5 Jan 12 12:30 file.txt", {"file.txt"}},
          {"12-31-99  10:00AM       <DIR>          src", {"src", 0, 0, 0, 0, 0, 0, kDir}},
          {"12-31-99  10:00AM        512           src/", {"src/"}},  // "/" kept on a file
          {"Docs", {"Docs", 0, 0, 0, 0, 0, 0, kDir}},
          {"docs/", {"docs", 0, 0, 0, 0, 0, 0, kDir}},
          {"total 12", {"12"}},
          {"abcd x", {"x"}},
          {"abcd", {"abcd"}},
          {"abc x", {""}},  // three characters before the last word
          {"abc", {""}},
          {"", {""}},
      },
      HOST_SI_NT_FTPD);
}

TEST(WindowsParsers, ReadNothingPastTheEndOfAnyPrefix) {
  FixedClock clock(2026, 6);
  const char* lines[] = {
      "01-05-2023  09:07PM             12345 read me.txt",
      "12-31-99  10:00AM       <DIR>          src",
      "-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt",
      "lrwxrwxrwx   1 owner group 10 Jan 12 12:30 lnk -> target/",
      "Tue Jan 12 2009 09:15 AM 12345 readdir.c",
      "my%20file%20x.txt       01-Feb-2011 00:00  1.2M",
  };
  for (const char* line : lines) {
    for (auto parse : {ParseWindowsNt, ParseAci, ParseIis, ParseApache, ParseSiNt}) {
      ParseEveryPrefix(line, [parse](ListingEntry& entry, char* text) {
        parse(entry, text, HOST_MICROSOFT_NT);
      });
    }
  }
}

}  // namespace
}  // namespace qorda::testing
