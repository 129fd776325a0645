#include "scan/unix.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

TEST(ParseUnixLine, ReadsBothLayoutsDevicesAndLinks) {
  FixedClock clock(2026, 6);
  const Row rows[] = {
      // An l without an arrow is no link; the name keeps its blanks.
      {"lrw 1 o g 1234 Jan 12 12:30 a b.txt", {"a b.txt", 1234, 2026, 1, 12, 12, 30, 0, kInferred}},
      {"drwxr-xr-x   2 owner    group   512 Mar  3  2019 docs/",
       {"docs", 512, 2019, 3, 3, 0, 0, kDir, kNoTime}},
      {"d 2 o g 512 Mar 3 2019 win\\", {"win", 512, 2019, 3, 3, 0, 0, kDir, kNoTime}},
      {"lrw 1 o g 11 Feb 1 09:05 l -> t", {"l", 11, 2026, 2, 1, 9, 5, kLink, kInferred}},
      {"drw 1 o g 11 Feb 1 09:05 d -> /x", {"d", 11, 2026, 2, 1, 9, 5, kLink, kInferred}},
      {"crw 1 root root 4,  64 Jan 12 12:30 tty0", {"tty0", 64, 2026, 1, 12, 12, 30, 0, kInferred}},
      // 'C' is no device letter: the columns shift and read as they fall.
      {"C-- 1 root root 4, 64 Jan 12 2020 x", {"2020 x", 4, 2012, 1, 31, 0, 0, 0, kNoTime}},
      // A month after the clock's is last year's.
      {"-rw 1 o g 10 Aug 12 12:30 x", {"x", 10, 2025, 8, 12, 12, 30, 0, kInferred}},
      {"-rw 1 o g 10 Jun 30 23:59 x", {"x", 10, 2026, 6, 30, 23, 59, 0, kInferred}},
      {"-rw 1 o g 10 xyz 12 12:30 x", {"x", 10, 2026, 0, 12, 12, 30, 0, kInferred}},
      // No group column.
      {"-rw 1 o 99999999999 Jan 12 2020 big",
       {"big", 99999999999LL, 2020, 1, 12, 0, 0, 0, kNoTime}},
      {"-rw 1 o g 10 Jan 12 2020  name", {"name", 10, 2020, 1, 12, 0, 0, 0, kNoTime}},
      {"-rw 1 o g 10 Jan 12  2019  two", {" two", 10, 2019, 1, 12, 0, 0, 0, kNoTime}},
      {"-rw 1 o g 10 Jan 12 12:30  two", {" two", 10, 2026, 1, 12, 12, 30, 0, kInferred}},
      // Three blanks after the day: the third is taken for the date column.
      {"-rw 1 o g 10 Jan 12   2019 x", {"2019 x", 10, 2000, 1, 12, 0, 0, 0, 0}},
      {"-rw 1 o g 10 12 Jan 12:30 x", {"x", 10, 2026, 1, 12, 12, 30, 0, kInferred}},
      // h.mm is a year, hh.mm a time; 1899 is 3799, clamped.
      {"-rw 1 o g 10 Jan 12 9.05 x", {"x", 10, 2009, 1, 12, 0, 0, 0, kNoTime}},
      {"-rw 1 o g 10 Jan 12 10.05 x", {"x", 10, 2026, 1, 12, 10, 5, 0, kInferred}},
      {"-rw 1 o g 10 Jan 12 1899 x", {"x", 10, 2038, 1, 12, 0, 0, 0, kNoTime}},
      {"-rw 1 o g 10 Jan 12 0 x", {"x", 10, 2000, 1, 12, 0, 0, 0, kNoTime}},
      // Days of other widths than one or two digits read as the digits run.
      {"-rw 1 o g 10 Jan 123 2020 x", {"x", 10, 2020, 1, 31, 0, 0, 0, kNoTime}},
      {"-rw 1 o g 10 Jan 7x 2020 x", {"x", 10, 2020, 1, 7, 0, 0, 0, kNoTime}},
      // Neither layout, or no name behind the date: the last word.
      {"some odd line", {"line"}},
      {"D  dirname", {"dirname", 0, 0, 0, 0, 0, 0, kDir}},
      {"-rw 1 o g 10 Jan 12", {"12"}},
      {"-rw 1 o g 10 Jan 12 2020", {"2020"}},
      {"-rw 1 o 10 Jan", {"Jan"}},
  };
  ExpectRows(rows, {HOST_UNIX_STANDARD});
  ExpectDropped({"TOTAL 3", "Total", "totally 5 words here x y z"}, {HOST_UNIX_STANDARD});
}

// The rows ParseUnixLine's table does not already decide.
TEST(FindUnixName, FindsNoNameAtTheEndAndCountsTheDeviceWord) {
  struct Row {
    const char* line;
    const char* name;  // "(null)" for no name start
    int extra;
  } rows[] = {
      {"-rw 1 o g 10 Jan 12 12:30", "", 0},         {"-rw 1 o g 10 Jan 12 2019", "(null)", 0},
      {"-rw 1 o g 10 Jan 12 2019 ", "(null)", 0},   {"-rw 1 o", "(null)", 0},
      {"c 1 o g 4, 64 Jan 12 12:30 tty", "tty", 1}, {"c 1 o g 4,64 Jan 12 12:30 tty", "tty", 0},
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
