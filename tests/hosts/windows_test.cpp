#include "hosts/windows.h"

#include <gtest/gtest.h>

#include <string>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

// One line as NT (and Carrox DMZ) reads it and as ACI does; an ACI result
// without a name is the same as NT's.
struct NtAciRow {
  std::string line;
  Expected nt;
  Expected aci = {};
};

void ExpectNtAndAci(std::initializer_list<NtAciRow> rows) {
  for (const NtAciRow& row : rows) {
    ExpectRows({{row.line, row.nt}}, {HOST_MICROSOFT_NT, HOST_CARROX_DMZ});
    ExpectRows({{row.line, row.aci.name != nullptr ? row.aci : row.nt}}, {HOST_ACI});
  }
}

TEST(ParseWindowsNt, ReadsDosLinesLikeAci) {
  ExpectNtAndAci({
      {Columns({{0, "12-31-99"}, {10, "10:00AM"}, {24, "<DIR>"}, {39, "src"}}),
       {"src", 0, 1999, 12, 31, 10, 0, kDir}},
      {Columns({{0, "01-05-2023"}, {12, "09:07PM"}, {35, "12345"}, {41, "read me.txt"}}),
       {"read me.txt", 12345, 2023, 1, 5, 21, 7}},
      // The run of blanks behind the size goes; blanks inside the name stay.
      {Columns({{0, "01-05-23"}, {10, "10:00AM"}, {34, "10"}, {39, "  two  blanks"}}),
       {"two  blanks", 10, 2023, 1, 5, 10, 0}},
      // Forty characters are enough; the line may end after any field.
      {Columns({{0, "01-05-23"}, {10, "10:00AM"}, {24, "12"}, {39, "x"}}),
       {"x", 12, 2023, 1, 5, 10, 0}},
      {Columns({{0, "01-05-23"}, {33, "10:00AM"}}), {"", 0, 2023, 1, 5, 10, 0}},
      {"01-05-23" + std::string(32, 'x'), {"", 0, 2023, 1, 5}},  // no blank: the date only
  });
}

TEST(ParseWindowsNt, AppliesClockMarksAndFindsDirectoriesUnlikeAci) {
  auto line = [](const char* clock, const char* field, const char* name) {
    return Columns({{0, "01-05-23"}, {10, clock}, {26, field}, {39, name}});
  };
  auto at = [](int h, int m) { return Expected{"x", 12345, 2023, 1, 5, h, m}; };
  auto dir = [](int kind) { return Expected{"x", 0, 2023, 1, 5, 10, 0, kind}; };
  ExpectNtAndAci({
      {line("12:07AM", "12345", "x"), at(0, 7), at(12, 7)},  // midnight: ACI keeps 12
      {line("12:07PM", "12345", "x"), at(12, 7)},
      {line("09:07pm", "12345", "x"), at(9, 7)},  // lower case marks do not count
      {line("09:07PM", "12345", "x"), at(21, 7)},
      {line("9:5PM", "12345", "x"), at(9, 5)},  // the mark must sit two places behind
      {line("10::30PM", "12345", "x"), at(22, 30)},
      // An hour no clock has still gets its mark: the sum wraps to a byte.
      {line("2147483647:07PM", "12345", "x"), at(11, 7)},
      // NT looks for "<dir>" and "dir " in the size field, ACI for its exact
      // markers anywhere in the line.
      {line("10:00AM", "1234", "x <DIR>"),
       {"x <DIR>", 1234, 2023, 1, 5, 10, 0},
       {"x <DIR>", 0, 2023, 1, 5, 10, 0, kDir}},
      {line("10:00AM", "<Dir>", "x"), dir(kDir), dir(0)},
      {line("10:00AM", "DIR", "x"), dir(kDir)},
      {line("10:00AM", "<DIRECTORY>", "x"), dir(0), dir(kDir)},
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
  });
}

TEST(ParseWindowsNt, DropsLinesOfNeitherStyle) {
  ExpectDropped(
      {
          Columns({{0, "01-05-23"}, {10, "10:00AM"}, {24, "12"}, {38, "x"}}),  // 39 characters
          "lrwxrwxrwx   1 owner    group          11 Feb  1 09:05 link -> target",
          "-rw-r--r--   1 owner    group        1234 Jan 12 12:30",  // no word 9
          Columns({{0, "2023-01-05"}, {12, "09:07PM"}, {35, "12345"}, {41, "iso date"}}),
      },
      {HOST_MICROSOFT_NT, HOST_CARROX_DMZ, HOST_ACI});
}

TEST(ParseIis, ReadsTheMonthNameLayout) {
  FixedClock clock(2026, 6);
  ExpectRows(
      {
          {"Tue Jan 12 2009 09:15 PM 12345 file.txt",  // the PM word is not applied
           {"file.txt", 12345, 2026, 1, 12, 9, 15, 0, kInferred}},
          {"Mon Mar  3 2019 2019 -- 77 name with blanks",
           {"name with blanks", 77, 2019, 3, 3, 0, 0, 0, kNoTime}},
          {"Tue Jan 12 2009 09:15 AM <dir> sub", {"sub", 0, 2026, 1, 12, 9, 15, kDir, kInferred}},
          // Only lower-case "dir" counts, from word 7 on: the name too.
          {"Tue Jan 12 2009 09:15 AM <DIR> sub", {"sub", 0, 2026, 1, 12, 9, 15, 0, kInferred}},
          {"Tue Jan 12 2009 09:15 AM 4096 readdir.c",
           {"readdir.c", 4096, 2026, 1, 12, 9, 15, kDir, kInferred}},
          // Fewer than eight words: no name.
          {"Tue Jan 12 2009 09:15 AM 12345", {"", 12345, 2026, 1, 12, 9, 15, 0, kInferred}},
      },
      {HOST_MICROSOFT_IIS});
}

TEST(ParseApache, ReadsNameDateAndScaledSize) {
  auto line = [](const char* name, const char* date, const char* size) {
    return Columns({{0, name}, {24, date}, {43, size}});
  };
  ExpectRows(
      {
          {line("sub/", "01-Feb-2011 00:00", "-"), {"sub/", 0, 2011, 2, 1, 0, 0, kDir}},
          {line("my%20file%20x.txt", "01-Feb-2011 00:00", "123"),
           {"my file x.txt", 123, 2011, 2, 1}},
          {line("big.iso", "31-Dec-1999 23:59", "3.5M"),
           {"big.iso", 3667968, 1999, 12, 31, 23, 59}},
          // The digits behind the point count 102 bytes each: 1024 + 25 * 102.
          {line("a.txt", "05-Mai-2020 09:01", "1.25k"), {"a.txt", 3574, 2020, 5, 5, 9, 1}},
          {line("e.txt", "05-Jun-2020 09:01", "1.5"), {"e.txt", 511, 2020, 6, 5, 9, 1}},
          // A two-digit year moves the clock off its place: only ":01" is read.
          {line("d.txt", "05-Jul-99 09:01", "1M"), {"d.txt", 1048576, 1999, 7, 5, 0, 1}},
          // The date's fields sit at fixed places: a one-digit day shifts them
          // (month from "an-", year from "009", no clock at the place).
          {"x 1-Jan-2009 9:30 5", {"x", 5, 2009, 8, 1, 0, 30}},
          // A date cut short: year and clock read as empty text.
          {"x 12-Jan", {"x", 0, 2000, 1, 12}},
          {"README", {"README"}},
          {"%20", {" "}},
      },
      {HOST_APACHE});
}

TEST(ParseSiNt, TakesTheLastWordAndTheKind) {
  ExpectRows(
      {
          {"drwxr-xr-x 1 o g 0 Jan 12 12:30 some dir/", {"dir", 0, 0, 0, 0, 0, 0, kDir}},
          {"lrwxrwxrwx 1 o g 10 Jan 12 12:30 lnk -> target", {"lnk", 0, 0, 0, 0, 0, 0, kLink}},
          {"drwxr-xr-x 1 o g 0 Jan 12 12:30 dl -> /x/", {"dl", 0, 0, 0, 0, 0, 0, kLink}},
          {"lrwxrwxrwx 1 o g 10 Jan 12 12:30 no arrow", {"arrow"}},
          {"12-31-99  10:00AM       <DIR>          src", {"src", 0, 0, 0, 0, 0, 0, kDir}},
          {"12-31-99  10:00AM        512           src/", {"src/"}},  // "/" kept on a file
          {"Docs", {"Docs", 0, 0, 0, 0, 0, 0, kDir}},
          {"abcd x", {"x"}},
          {"abc x", {""}},  // three characters before the last word
          {"abc", {""}},
      },
      {HOST_SI_NT_FTPD});
}

}  // namespace
}  // namespace qorda::testing
