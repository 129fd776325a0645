#include "scan/unix.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/host_ids.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct UnixRow {
  const char* line;
  Expected expected;
};

void ExpectRows(const UnixRow* begin, const UnixRow* end, int32_t hostType = HOST_UNIX_STANDARD) {
  for (const UnixRow* row = begin; row != end; ++row) {
    EXPECT_EQ(Mismatch(Decode(row->line, hostType), row->expected), "") << row->line;
  }
}

constexpr int kNoTime = FLAG_NO_TIME;
constexpr int kInferred = FLAG_YEAR_INFERRED;

TEST(ParseUnixLine, ReadsBothLayoutsDevicesAndLinks) {
  FixedClock clock(2026, 6);
  const UnixRow rows[] = {
      {"-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt",
       {"file name.txt", 1234, 2026, 1, 12, 12, 30, KIND_UNSTATED, kInferred}},
      {"drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs/",
       {"docs", 512, 2019, 3, 3, 0, 0, KIND_DIRECTORY, kNoTime}},
      {"drwxr-xr-x   2 owner    group         512 Mar  3  2019 win\\",
       {"win", 512, 2019, 3, 3, 0, 0, KIND_DIRECTORY, kNoTime}},
      {"lrwxrwxrwx   1 owner    group          11 Feb  1 09:05 link -> target",
       {"link", 11, 2026, 2, 1, 9, 5, KIND_LINK, kInferred}},
      {"drwxrwxrwx   1 owner    group          11 Feb  1 09:05 dirlink -> /x",
       {"dirlink", 11, 2026, 2, 1, 9, 5, KIND_LINK, kInferred}},
      {"lrwxrwxrwx   1 owner    group          11 Feb  1 09:05 no arrow",
       {"no arrow", 11, 2026, 2, 1, 9, 5, KIND_UNSTATED, kInferred}},
      {"crw-rw-rw-   1 root     root       4,  64 Jan 12 12:30 tty0",
       {"tty0", 64, 2026, 1, 12, 12, 30, KIND_UNSTATED, kInferred}},
      {"brw-rw----   1 root     disk       8,   0 Jan 12  2020 sda",
       {"sda", 0, 2020, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},
      // 'C' is no device letter: the columns shift and read as they fall.
      {"C--------- 1 root root 4, 64 Jan 12 2020 x", {"2020 x", 4, 2012, 1, 31, 0, 0, 0, kNoTime}},
      {"-rw-r--r-- 1 owner 1234 Jan 12 2020 readme",
       {"readme", 1234, 2020, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},
      {"-rw-r--r-- 1 owner group 10 Jan 12 2020  name",
       {"name", 10, 2020, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},
      {"-rw-r--r-- 1 owner group 10 Jan 12  2019  two blanks",
       {" two blanks", 10, 2019, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},
      {"-rw-r--r-- 1 owner group 10 12 Jan 12:30 x",
       {"x", 10, 2026, 1, 12, 12, 30, KIND_UNSTATED, kInferred}},
      {"-rw-r--r-- 1 owner group 10 Jan 12 9.05 x",
       {"x", 10, 2009, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},  // h.mm is a year
      {"-rw-r--r-- 1 owner group 10 Jan 12 10.05 x",
       {"x", 10, 2026, 1, 12, 10, 5, KIND_UNSTATED, kInferred}},
      {"-rw-r--r-- 1 owner group 10 Jan 12 1899 x",
       {"x", 10, 2038, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},  // 3799, clamped
      {"-rw-r--r-- 1 owner group 10 Jan 12 0 x", {"x", 10, 2000, 1, 12, 0, 0, 0, kNoTime}},
      {"-rw-r--r-- 1 owner group 99999999999 Jan 12 2020 big",
       {"big", 99999999999LL, 2020, 1, 12, 0, 0, KIND_UNSTATED, kNoTime}},
      {"-rw-r--r-- 1 owner group 10 Jan 12 12:30    lead",
       {"   lead", 10, 2026, 1, 12, 12, 30, 0, kInferred}},
  };
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ParseUnixLine, FallsBackToTheLastWord) {
  const UnixRow rows[] = {
      {"readme.txt", {"readme.txt"}},
      {"some odd line", {"line"}},
      {"d dirname", {"dirname", 0, 0, 0, 0, 0, 0, KIND_DIRECTORY}},
      {"D  dirname", {"dirname", 0, 0, 0, 0, 0, 0, KIND_DIRECTORY}},
      // The line ends after the day: no name start, so no date either.
      {"-rw-r--r-- 1 owner group 10 Jan 12", {"12"}},
      {"-rw-r--r-- 1 owner group 10 Jan 12 2020", {"2020"}},
      {"-rw-r--r-- 1 owner 10 Jan", {"Jan"}},
      {"a\tb", {"b"}},
  };
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ParseUnixLine, DropsTotalLines) {
  for (const char* line : {"total 24", "TOTAL 3", "Total", "totally 5 words here x y z"}) {
    EXPECT_EQ(Decode(line, HOST_UNIX_STANDARD).result, 0) << line;
  }
}

TEST(ParseUnixLine, InfersTheYearFromTheMonth) {
  struct Row {
    int clockYear, clockMonth;
    const char* date;
    int year;
  } rows[] = {
      {2026, 6, "Jun 30 23:59", 2026},  {2026, 6, "Aug 12 12:30", 2025},
      {2027, 1, "Jan  1 00:00", 2027},  {2027, 1, "Dec 31 23:59", 2026},
      {2026, 12, "Dec 31 23:59", 2026}, {2026, 12, "Jan  1 00:01", 2026},
      {2026, 6, "xyz 12 12:30", 2026},  // no month: the current year
  };
  for (const Row& row : rows) {
    FixedClock clock(row.clockYear, row.clockMonth);
    std::string line = std::string("-rw-r--r--   1 owner group 10 ") + row.date + " file";
    Decoded decoded = Decode(line, HOST_UNIX_STANDARD);
    EXPECT_EQ(decoded.entry.year, row.year) << line << " in " << row.clockMonth;
    EXPECT_EQ(decoded.entry.flags & FLAG_YEAR_INFERRED, FLAG_YEAR_INFERRED) << line;
  }
}

TEST(ParseUnixColumns, NetWareReadsItsOwnYearAndTwelveHourClock) {
  struct Row {
    const char* line;
    int year, hour, minute;
  } rows[] = {
      {"Jan 12 1999 9:05 pm", 1999, 21, 5},   {"Jan 12 1999 12:30 pm", 1999, 12, 30},
      {"Jan 12 1999 10:30 PM", 1999, 22, 30}, {"Jan 12 1999 10:30 am", 1999, 10, 30},
      {"Jan 12 99 noclock pm", 1999, 12, 0},  {"Jan 12 1999 9.05 x", 1999, 0, 0},
  };
  for (const Row& row : rows) {
    ListingEntry entry{};
    std::string line = row.line;
    ParseUnixColumns(entry, line.c_str(), 3, 1, 2, 4, 9, HOST_NETWARE_V4);
    EXPECT_EQ(entry.year, row.year) << row.line;
    EXPECT_EQ(entry.hour, row.hour) << row.line;
    EXPECT_EQ(entry.minute, row.minute) << row.line;
    EXPECT_EQ(entry.flags, 0) << row.line;
  }
}

TEST(FindUnixName, FindsTheNameAfterAlignedAndUnalignedDates) {
  struct Row {
    const char* line;
    const char* name;  // "(null)" for no name start
    int extra;
  } rows[] = {
      {"-rw 1 o g 10 Jan 12 12:30 name", "name", 0}, {"-rw 1 o g 10 Jan 12  2019 name", "name", 0},
      {"-rw 1 o g 10 Jan 12 2019  name", "name", 0}, {"-rw 1 o g 10 Jan 12 2019 name", "name", 0},
      {"-rw 1 o g 10 Jan 12 12:30", "", 0},          {"-rw 1 o g 10 Jan 12 2019", "(null)", 0},
      {"-rw 1 o g 10 Jan 12 2019 ", "(null)", 0},    {"c 1 o g 4, 64 Jan 12 12:30 tty", "tty", 1},
      {"c 1 o g 4,64 Jan 12 12:30 tty", "tty", 0},  // no blank after the comma
      {"c 1 o g 4,  64 Jan 12 12:30 tty", "tty", 1}, {"-rw 1 o", "(null)", 0},
  };
  for (const Row& row : rows) {
    std::string line = row.line;
    int extra = -1;
    char* name = FindUnixName(line.data(), &extra);
    EXPECT_EQ(name == nullptr ? std::string("(null)") : std::string(name), row.name) << row.line;
    EXPECT_EQ(extra, row.extra) << row.line;
  }
}

}  // namespace
}  // namespace qorda::testing
