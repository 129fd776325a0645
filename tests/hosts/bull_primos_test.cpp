#include "hosts/bull_primos.h"

#include <gtest/gtest.h>

#include <span>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

constexpr int kNoMode = -1;

TEST(ParseBullGcos, ReadsPermissionsSizeDateAndTime) {
  struct GcosRow {
    int mode;  // kNoMode: FLAG_MODE_VALID stays clear
    int second;
    Row row;
  } rows[] = {
      {0644, 10, {" - rw-,r--,r-- U A 4096 07/15/98 13:45:10 X", {"X", 4096, 1998, 7, 15, 13, 45}}},
      {0751, 10, {" d rwx,r-x,--x U A 1 07/15/98 13:45:10 X", {"X", 1, 1998, 7, 15, 13, 45, kDir}}},
      {0644,
       0,
       {" - rw-,r--,r-- U A 1 07/15/98 UNDATED X", {"X", 1, 1998, 7, 15, 0, 0, 0, kNoTime}}},
      // Once the name is cut off, the date word is too short to be read.
      {0644, 0, {" - rw-,r--,r-- U A 1 07/15/98 X", {"X", 1}}},
      // The time is looked for behind a two-digit year only.
      {0644,
       0,
       {" - rw-,r--,r-- U A 1 07/15/1998 13:45:10 X", {"X", 1, 1998, 7, 15, 0, 0, 0, kNoTime}}},
      {0644, 10, {" - rw-,r--,r-- U A 1 13:45:10 Y X", {"X", 1, 0, 0, 0, 13, 45}}},
      // Minutes and seconds past the end of the time read as 0.
      {0644, 0, {" - rw-,r--,r-- U A 1 07/15/98 13: X", {"X", 1, 1998, 7, 15, 13, 0}}},
      // Letters out of place count for nothing, yet still set the flag.
      {0, 10, {" - xrw,xrw,xrw U A 1 07/15/98 13:45:10 X", {"X", 1, 1998, 7, 15, 13, 45}}},
      // The permission word must run on for more than 11 characters.
      {kNoMode, 0, {" - rw-,r--,r-- X", {"X"}}},
      {0644, 0, {" - rw-,r--,r--  X", {"X"}}},
  };
  for (const GcosRow& gcos : rows) {
    ExpectRows(std::span(&gcos.row, 1), {HOST_BULL_GCOS});
    const ListingEntry entry = Decode(gcos.row.line, HOST_BULL_GCOS).entry;
    EXPECT_EQ((entry.flags & FLAG_MODE_VALID) != 0 ? entry.mode : kNoMode, gcos.mode)
        << gcos.row.line;
    EXPECT_EQ(entry.second, gcos.second) << gcos.row.line;
  }
  // Only ' - ' and ' d ' lines are entries.
  ExpectDropped({"- rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT",
                 " x rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT", " d X", ""},
                {HOST_BULL_GCOS});
}

TEST(ParseBullCp6, TakesTheFirstWordFromColumn43) {
  ExpectRows({{Columns({{0, "x"}, {42, "ABC"}}), {"BC"}},  // 45 characters
              {Columns({{0, "MYFILE"}, {20, "07/15/98"}, {46, "MYFILE  X"}}), {"MYFILE"}}},
             {HOST_BULL_CP6});
  ExpectDropped({Columns({{0, "File name"}, {30, "Last modified"}, {50, "x"}}),
                 Columns({{0, "   2 files listed"}, {50, "x"}}),
                 Columns({{0, "x"}, {40, "ABCD"}}),  // 44 characters
                 Columns({{0, "12:30"}, {44, "NAME"}}), Columns({{0, "x"}, {50, " "}})},
                {HOST_BULL_CP6});
}

TEST(ParsePrimos, DecodesNothingButKeepsTheModeBits) {
  const char* unixLine = "-rw-r--r-- 1 owner group 10 Jan 12 2020 readme";
  ExpectDropped({unixLine, "README  12  SAM"}, {HOST_PRIMOS});
  Decoded decoded = Decode(unixLine, HOST_PRIMOS);
  EXPECT_EQ(decoded.entry.flags, FLAG_MODE_VALID);
  EXPECT_EQ(decoded.entry.mode, 0644);
}

TEST(ParseNameList, ReadsOneNameALine) {
  ExpectRows(
      {
          {"a%20b/", {"a b/", 0, 0, 0, 0, 0, 0, kDir}},
          {"a b", {"a"}},  // a literal blank ends the name
          {" leading", {""}},
          {"%20%20x%20", {"  x "}},
          {"%%2020", {"% 20"}},
          {"50%2", {"50%2"}},
      },
      {HOST_NAME_LIST});
  // The neighbouring ids are Unix listings.
  ExpectRows({{"my%20file.txt", {"my%20file.txt"}}}, {HOST_NAME_LIST - 1, HOST_NAME_LIST + 1});
}

}  // namespace
}  // namespace qorda::testing
