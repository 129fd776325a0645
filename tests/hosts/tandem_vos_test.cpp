#include "hosts/tandem_vos.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/decode_line.h"
#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

// Tandem columns: size word ending at 33, day at 35, month letters at 38,
// year at 42, time (here always 12:34:56) at 45. Tandem-G writes every field
// after the name two columns further right. The date is placed by its month
// letters, so a one-digit day stands at 36 and a two-digit day at 35.
std::string Tandem(int shift, std::string_view name, std::string_view size, std::string_view date) {
  int sizeColumn = 34 + shift - static_cast<int>(size.size());
  int dateColumn = 38 + shift - static_cast<int>(date.find('-')) - 1;
  return Columns({{0, name},
                  {sizeColumn, size},
                  {dateColumn, date},
                  {45 + shift, "12:34:56"},
                  {54 + shift, "255, 12"}});
}

TEST(ParseTandem, ReadsTheFixedColumns) {
  for (int shift : {0, 2}) {
    const Row rows[] = {
        {Tandem(shift, "FILEA", "1234", "5-Jan-99"), {"FILEA", 1234, 1999, 1, 5, 12, 34}},
        // The size word may start well left of its column.
        {Tandem(shift, "B", "123456789012", "5-MAY-99"), {"B", 123456789012LL, 1999, 5, 5, 12, 34}},
        // 69 is 2069, which the record cannot hold.
        {Tandem(shift, "F", "7", "31-Dec-70"), {"F", 7, 1970, 12, 31, 12, 34}},
        {Tandem(shift, "F", "7", "31-Dec-69"), {"F", 7, 2038, 12, 31, 12, 34}},
        // Only ten characters of name; a lower-case "file" is no heading.
        {Tandem(shift, "fileFGHIJKL", "1", "5-Jan-99"), {"fileFGHIJK", 1, 1999, 1, 5, 12, 34}},
        // The columns lie past the end of a bare name: year 0 becomes 2000.
        {"FILEA", {"FILEA", 0, 2000}},
    };
    ExpectRows(rows, {shift == 0 ? HOST_TANDEM : HOST_TANDEM_G});
  }
  ExpectDropped({"File         Code             EOF  Last Modification    Owner  RWEP", "File"},
                {HOST_TANDEM, HOST_TANDEM_G});
}

// A VOS listing: the heading lines decide how the lines below them read.
TEST(ParseStratusVos, DecodesAListingInOrderThroughItsSections) {
  gListingState = ListingState{};
  const std::string fileLine =
      Columns({{0, "w"}, {9, "4"}, {12, "seq"}, {21, "01-05-16 12:34:56"}, {40, "foo.txt"}});
  const Row listing[] = {
      // No heading yet: the lines mean nothing.
      {fileLine, {""}},
      {"Files: 3  Blocks: 12", {""}},
      {fileLine, {"foo.txt", 16384, 2001, 5, 16, 12, 34}},
      {Columns({{0, "w"}, {4, "0"}, {21, "99-12-31 23:59:00"}, {40, "my file"}}),
       {"file", 0, 1999, 12, 31, 23, 59}},
      // Too short once the name is cut off: 32 characters before "bar".
      {Columns({{0, "w"}, {9, "4"}, {21, "01-05-16"}, {33, "bar"}}), {""}},
      {"w  4  01-05-16  x", {""}},  // 20 characters or fewer
      {"Dirs: 1", {""}},
      {"FILES: 2", {""}},  // no heading: headings are case-sensitive
      {Columns({{0, "m"}, {4, "8"}, {11, "01-05-16 12:34:56"}, {30, "subdir"}}),
       {"subdir", 32768, 2001, 5, 16, 12, 34, kDir}},
      {Columns({{0, "m"}, {4, "8"}, {11, "01-05-16"}, {23, "x"}}), {""}},
      {"Links: 2", {""}},
      {"01-05-16 12:34:56  mylink -> target", {"mylink", 0, 2001, 5, 16, 12, 34, kLink}},
      {"01-05-16 12:34:56  lonely", {"lonely", 0, 2001, 5, 16, 12, 34, kLink}},
      {"01-05-16 12: averyveryverylongname", {""}},  // 12 characters before the name
  };
  ExpectRows(listing, {HOST_STRATUS_VOS});
  gListingState = ListingState{};
}

TEST(ParseConnectEnterprise, ReadsCountBatchIdAndTimeStamp) {
  const Row rows[] = {
      {"-SR--M---- FTP CT=1234 BID=B0001 1234-01136 rest", {"B0001", 1234, 2001, 5, 16, 12, 34}},
      {"x y CT=1 BID=B 0101-00060", {"B", 1, 2000, 2, 29, 1, 1}},  // 2000 is a leap year
      {"x y CT=1 BID=B 0000-01031", {"B", 1, 2001, 1, 31}},
      {"x y CT=1 BID=B 0000-01032", {"B", 1, 2001, 2, 1}},
      {"x y CT=1 BID=B 0000-01060", {"B", 1, 2001, 3, 1}},
      {"x y CT=1 BID=B 2359-01365", {"B", 1, 2001, 12, 31, 23, 59}},
      {"x y CT=1 BID=B 0000-01400", {"B", 1, 2001, 12, 31}},  // past December, clamped
      // No fifth word: no time stamp; a fifth word that is none: January 2000.
      {"x y CT=5 BID=X", {"X", 5}},
      {"x y CT=5 BID=X garbage", {"X", 5, 2000, 1, 0}},
      // The day count is read from the stamp word only, never the next word.
      {"x y CT=5 BID=X 1234-01 136", {"X", 5, 2001, 1, 0, 12, 34}},
      {"x y ct=5 BID=X", {"X"}},
  };
  ExpectRows(rows, {HOST_CONNECT_ENTERPRISE});
  ExpectDropped({"x y CT=5 bid=X 1234-01136", "x y"}, {HOST_CONNECT_ENTERPRISE});
}

TEST(ParseUniTree, ReadsTwoMoreColumnsThanUnix) {
  FixedClock clock(2026, 6);
  const Row rows[] = {
      {"-rw 1 o g 2 d 1234 Jan 12 12:30 file name",
       {"file name", 1234, 2026, 1, 12, 12, 30, 0, kInferred}},
      {"drw 2 o g 1 d 512 Mar 3 2019 win\\", {"win", 512, 2019, 3, 3, 0, 0, kDir, kNoTime}},
      {"lrw 1 o g 1 d 11 Feb 1 09:05 a -> b", {"a", 11, 2026, 2, 1, 9, 5, kLink, kInferred}},
      // A standard Unix line has too few words: only the name and kind.
      {"drw 2 o g 512 Mar 3 2019 docs", {"docs", 0, 0, 0, 0, 0, 0, kDir}},
      {"x y a -> b", {"b"}},  // the last word alone holds no arrow
  };
  ExpectRows(rows, {HOST_UNITREE});
  ExpectDropped({"TOTAL 12", "Total"}, {HOST_UNITREE});
}

}  // namespace
}  // namespace qorda::testing
