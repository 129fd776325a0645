#include "hosts/tandem_vos.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/host_ids.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct Row {
  std::string line;
  Expected expected;
};

void ExpectRows(const Row* begin, const Row* end, int32_t hostType) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(Mismatch(Decode(row->line, hostType), row->expected), "") << "'" << row->line << "'";
  }
}

// Tandem columns: size word ending at 33, day at 35, month letters at 38,
// year at 42, time at 45. Tandem-G writes every field after the name two
// columns further right. The date is placed by its month letters, so a
// one-digit day stands at 36 and a two-digit day at 35.
std::string TandemLine(int shift, std::string_view name, std::string_view size,
                       std::string_view date, std::string_view time) {
  int sizeColumn = 34 + shift - static_cast<int>(size.size());
  int dateColumn = 38 + shift - static_cast<int>(date.find('-')) - 1;
  return Columns({{0, name},
                  {sizeColumn, size},
                  {dateColumn, date},
                  {45 + shift, time},
                  {54 + shift, "255, 12"}});
}

TEST(ParseTandem, ReadsEachLayoutsColumns) {
  const Expected fileA = {"FILEA", 1234, 1999, 1, 5, 12, 34};
  EXPECT_EQ(
      Mismatch(Decode(Columns({{0, "FILEA"}, {30, "1234"}, {36, "5-Jan-99"}, {45, "12:34:56"}}),
                      HOST_TANDEM),
               fileA),
      "");
  EXPECT_EQ(
      Mismatch(Decode(Columns({{0, "FILEA"}, {32, "1234"}, {38, "5-Jan-99"}, {47, "12:34:56"}}),
                      HOST_TANDEM_G),
               fileA),
      "");
}

TEST(ParseTandem, ReadsTheFixedColumns) {
  for (int shift : {0, 2}) {
    int32_t hostType = shift == 0 ? HOST_TANDEM : HOST_TANDEM_G;
    const Row rows[] = {
        {TandemLine(shift, "FILEA", "1234", "5-Jan-99", "12:34:56"),
         {"FILEA", 1234, 1999, 1, 5, 12, 34}},
        {TandemLine(shift, "FILEA", "1234", "5-Jan-01", "12:34:56"),
         {"FILEA", 1234, 2001, 1, 5, 12, 34}},
        // The size word may start well left of its column.
        {TandemLine(shift, "BIG", "123456789012", "5-MAY-99", "00:01:00"),
         {"BIG", 123456789012LL, 1999, 5, 5, 0, 1}},
        {TandemLine(shift, "F", "7", "31-Dec-70", "23:59:00"), {"F", 7, 1970, 12, 31, 23, 59}},
        // 69 is 2069, which the record cannot hold.
        {TandemLine(shift, "F", "7", "31-Dec-69", "23:59:00"), {"F", 7, 2038, 12, 31, 23, 59}},
        // Only ten characters of name; the blanks behind a short one go.
        {TandemLine(shift, "ABCDEFGHIJKL", "1", "5-Jan-99", "12:34:56"),
         {"ABCDEFGHIJ", 1, 1999, 1, 5, 12, 34}},
        {TandemLine(shift, "AB", "1", "5-Jan-99", "12:34:56"), {"AB", 1, 1999, 1, 5, 12, 34}},
        // A lower-case "file" is a name, not the heading.
        {TandemLine(shift, "filex", "1", "5-Jan-99", "12:34:56"), {"filex", 1, 1999, 1, 5, 12, 34}},
        // The columns lie past the end of a bare name: year 0 becomes 2000.
        {"FILEA", {"FILEA", 0, 2000}},
    };
    ExpectRows(std::begin(rows), std::end(rows), hostType);
  }
}

TEST(ParseTandem, DropsTheHeading) {
  for (int32_t hostType : {HOST_TANDEM, HOST_TANDEM_G}) {
    for (const char* line :
         {"File         Code             EOF  Last Modification    Owner  RWEP", "Files", "File"}) {
      EXPECT_EQ(Decode(line, hostType).result, 0) << line;
    }
  }
}

// A VOS listing: the heading lines decide how the lines below them read.
TEST(ParseStratusVos, DecodesAListingInOrderThroughItsSections) {
  ResetStratusVosSectionsForTesting();
  const std::string fileLine =
      Columns({{0, "w"}, {9, "4"}, {12, "seq"}, {21, "01-05-16 12:34:56"}, {40, "foo.txt"}});
  const Row listing[] = {
      // No heading yet: the lines mean nothing.
      {fileLine, {""}},
      {"Files: 3  Blocks: 12", {""}},
      {"", {""}},
      {fileLine, {"foo.txt", 16384, 2001, 5, 16, 12, 34}},
      {Columns({{0, "w"}, {4, "0"}, {21, "99-12-31 23:59:00"}, {40, "my file"}}),
       {"file", 0, 1999, 12, 31, 23, 59}},
      // Too short once the name is cut off: 32 characters before "bar".
      {Columns({{0, "w"}, {9, "4"}, {21, "01-05-16"}, {33, "bar"}}), {""}},
      {"w  4  01-05-16  x", {""}},  // 20 characters or fewer
      {"Dirs: 1", {""}},
      {"FILES: 2", {""}},  // no heading: headings are case-sensitive
      {Columns({{0, "m"}, {4, "8"}, {11, "01-05-16 12:34:56"}, {30, "subdir"}}),
       {"subdir", 32768, 2001, 5, 16, 12, 34, KIND_DIRECTORY}},
      {Columns({{0, "m"}, {4, "8"}, {11, "01-05-16"}, {23, "x"}}), {""}},
      {"Links: 2", {""}},
      {"01-05-16 12:34:56  mylink -> target", {"mylink", 0, 2001, 5, 16, 12, 34, KIND_LINK}},
      {"01-05-16 12:34:56  lonely", {"lonely", 0, 2001, 5, 16, 12, 34, KIND_LINK}},
      {"01-05-16 12: averyveryverylongname", {""}},  // 12 characters before the name
      {"Files: 1", {""}},
      {fileLine, {"foo.txt", 16384, 2001, 5, 16, 12, 34}},
  };
  for (const Row& row : listing) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_STRATUS_VOS), row.expected), "")
        << "'" << row.line << "'";
  }
  ResetStratusVosSectionsForTesting();
}

TEST(ParseConnectEnterprise, ReadsCountBatchIdAndTimeStamp) {
  const Row rows[] = {
      {"-SR--M---- FTP CT=1234 BID=B0001 1234-01136 rest", {"B0001", 1234, 2001, 5, 16, 12, 34}},
      {"x y CT=1 BID=B 0101-00060", {"B", 1, 2000, 2, 29, 1, 1}},  // 2000 is a leap year
      {"x y CT=1 BID=B 0000-01031", {"B", 1, 2001, 1, 31}},
      {"x y CT=1 BID=B 0000-01032", {"B", 1, 2001, 2, 1}},
      {"x y CT=1 BID=B 0000-01059", {"B", 1, 2001, 2, 28}},
      {"x y CT=1 BID=B 0000-01060", {"B", 1, 2001, 3, 1}},
      {"x y CT=1 BID=B 0000-96060", {"B", 1, 1996, 2, 29}},
      {"x y CT=1 BID=B 2359-01365", {"B", 1, 2001, 12, 31, 23, 59}},
      {"x y CT=1 BID=B 0000-00366", {"B", 1, 2000, 12, 31}},
      {"x y CT=1 BID=B 0000-01400", {"B", 1, 2001, 12, 31}},  // past December, clamped
      // Four words: no time stamp at all.
      {"x y CT=5 BID=X", {"X", 5}},
      // A fifth word that is no time stamp still gives January 2000.
      {"x y CT=5 BID=X garbage", {"X", 5, 2000, 1, 0}},
      // The day count is read from the stamp word only, never the next word.
      {"x y CT=5 BID=X 1234-01 136", {"X", 5, 2001, 1, 0, 12, 34}},
      {"x y 1234 BID=X", {"X"}},
      {"x y ct=5 BID=X", {"X"}},
      {"x y CT=5 bid=X 1234-01136", {"", 5, 2001, 5, 16, 12, 34}},  // no name: no entry
      {"x y", {""}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_CONNECT_ENTERPRISE);
}

TEST(ParseUniTree, ReadsTwoMoreColumnsThanUnix) {
  FixedClock clock(2026, 6);
  const Row rows[] = {
      {"-rw-r--r-- 1 owner group 2 disk 1234 Jan 12 12:30 file name",
       {"file name", 1234, 2026, 1, 12, 12, 30, KIND_UNSTATED, FLAG_YEAR_INFERRED}},
      {"drwxr-xr-x 2 owner group 1 disk 512 Mar 3 2019 docs/",
       {"docs", 512, 2019, 3, 3, 0, 0, KIND_DIRECTORY, FLAG_NO_TIME}},
      {"drwxr-xr-x 2 owner group 1 disk 512 Mar 3 2019 win\\",
       {"win", 512, 2019, 3, 3, 0, 0, KIND_DIRECTORY, FLAG_NO_TIME}},
      {"lrwxrwxrwx 1 owner group 1 disk 11 Feb 1 09:05 a -> b",
       {"a", 11, 2026, 2, 1, 9, 5, KIND_LINK, FLAG_YEAR_INFERRED}},
      {"-rw-r--r-- 1 owner group 1 disk 11 Aug 1 09:05 late",
       {"late", 11, 2025, 8, 1, 9, 5, KIND_UNSTATED, FLAG_YEAR_INFERRED}},
      // A standard Unix line has too few words: only the name and kind.
      {"drwxr-xr-x 2 owner group 512 Mar 3 2019 docs", {"docs", 0, 0, 0, 0, 0, 0, KIND_DIRECTORY}},
      {"d dirname/", {"dirname", 0, 0, 0, 0, 0, 0, KIND_DIRECTORY}},
      {"x y a -> b", {"b"}},  // the last word alone holds no arrow
      {"plain", {"plain"}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_UNITREE);
}

TEST(ParseUniTree, DropsTotalLines) {
  for (const char* line : {"total 12", "TOTAL 12", "Total"}) {
    EXPECT_EQ(Decode(line, HOST_UNITREE).result, 0) << line;
  }
}

}  // namespace
}  // namespace qorda::testing
