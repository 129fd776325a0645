#include "hosts/bull_primos.h"

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

constexpr int kNoMode = -1;

struct GcosRow {
  const char* line;
  Expected expected;
  int mode;  // kNoMode: FLAG_MODE_VALID stays clear
  int second;
};

TEST(ParseBullGcos, ReadsPermissionsSizeDateAndTime) {
  const GcosRow rows[] = {
      {" - rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT",
       {"REPORT", 4096, 1998, 7, 15, 13, 45},
       0644,
       10},
      {" d rwx,r-x,--x USER1 ACCT 512 07/15/98 13:45:10 SUB",
       {"SUB", 512, 1998, 7, 15, 13, 45, KIND_DIRECTORY},
       0751,
       10},
      {" - rw-,r--,r-- USER1 ACCT 4096 07/15/98 UNDATED REPORT",
       {"REPORT", 4096, 1998, 7, 15, 0, 0, KIND_UNSTATED, FLAG_NO_TIME},
       0644,
       0},
      // The date word is all that is left once the name is cut off: 8
      // characters, too few to be read.
      {" - rw-,r--,r-- USER1 ACCT 4096 07/15/98 REPORT", {"REPORT", 4096}, 0644, 0},
      // The time is looked for behind a two-digit year only.
      {" - rw-,r--,r-- USER1 ACCT 4096 07/15/1998 13:45:10 REPORT",
       {"REPORT", 4096, 1998, 7, 15, 0, 0, KIND_UNSTATED, FLAG_NO_TIME},
       0644,
       0},
      {" - rw-,r--,r-- USER1 ACCT 4096 13:45:10 X REPORT",
       {"REPORT", 4096, 0, 0, 0, 13, 45},
       0644,
       10},
      // Minutes and seconds past the end of the time read as 0.
      {" - rw-,r--,r-- U A 1 07/15/98 13: REPORT", {"REPORT", 1, 1998, 7, 15, 13, 0}, 0644, 0},
      // Letters are not checked: a field without any in its place still sets
      // the flag.
      {" - ---,---,--- U A 1 07/15/98 13:45:10 X", {"X", 1, 1998, 7, 15, 13, 45}, 0, 10},
      {" - xrw,xrw,xrw U A 1 07/15/98 13:45:10 X", {"X", 1, 1998, 7, 15, 13, 45}, 0, 10},
      // The permission word must run on for more than 11 characters.
      {" - rw-,r--,r-- X", {"X"}, kNoMode, 0},
      {" - rw-,r--,r--  X", {"X"}, 0644, 0},
  };
  for (const GcosRow& row : rows) {
    Decoded decoded = Decode(row.line, HOST_BULL_GCOS);
    EXPECT_EQ(Mismatch(decoded, row.expected), "") << row.line;
    if (row.mode == kNoMode) {
      EXPECT_EQ(decoded.entry.flags & FLAG_MODE_VALID, 0) << row.line;
    } else {
      EXPECT_EQ(decoded.entry.flags & FLAG_MODE_VALID, FLAG_MODE_VALID) << row.line;
      EXPECT_EQ(decoded.entry.mode, row.mode) << row.line;
    }
    EXPECT_EQ(decoded.entry.second, row.second) << row.line;
  }
}

TEST(ParseBullGcos, DropsLinesThatAreNoEntries) {
  for (const char* line : {"Total 12 blocks", " Type Permissions Owner Account Size Date Time Name",
                           "- rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT", " d X",
                           " x rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT", "", " "}) {
    EXPECT_EQ(Decode(line, HOST_BULL_GCOS).result, 0) << line;
  }
}

TEST(ParseBullCp6, TakesTheFirstWordFromColumn43) {
  const Row rows[] = {
      {Columns({{0, "MYFILE"}, {10, "12"}, {20, "07/15/98"}, {44, "   MYFILE  X"}}), {"MYFILE"}},
      {Columns({{0, "x"}, {43, "NAME"}, {50, "Y"}}), {"NAME"}},
      {Columns({{0, "x"}, {42, "AB"}, {50, "Y"}}), {"B"}},
      {Columns({{0, "x"}, {30, "ab:cd"}, {45, "LAST"}}), {"LAST"}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_BULL_CP6);
}

TEST(ParseBullCp6, DropsHeadingsSummariesAndShortLines) {
  const Row rows[] = {
      {Columns({{0, "File name"}, {30, "Last modified"}, {50, "x"}}), {""}},
      {Columns({{0, "   2 files listed"}, {50, "x"}}), {""}},
      {Columns({{0, "x"}, {40, "ABCD"}}), {""}},  // 44 characters
      {Columns({{0, "12:30"}, {44, "NAME"}}), {""}},
      {Columns({{0, "x"}, {50, " "}}), {""}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_BULL_CP6);
}

TEST(ParsePrimos, DecodesNothingButKeepsTheModeBits) {
  for (const char* line :
       {"-rw-r--r-- 1 owner group 10 Jan 12 2020 readme", "README  12  SAM", "docs/"}) {
    Decoded decoded = Decode(line, HOST_PRIMOS);
    EXPECT_EQ(Mismatch(decoded, {""}), "") << line;
  }
  Decoded decoded = Decode("-rw-r--r-- 1 owner group 10 Jan 12 2020 readme", HOST_PRIMOS);
  EXPECT_EQ(decoded.entry.flags, FLAG_MODE_VALID);
  EXPECT_EQ(decoded.entry.mode, 0644);
}

TEST(ParseNameList, ReadsOneNameALine) {
  const Row rows[] = {
      {"docs/", {"docs/", 0, 0, 0, 0, 0, 0, KIND_DIRECTORY}},
      {"my%20file.txt", {"my file.txt"}},
      {"a b", {"a"}},  // a literal blank ends the name
      {"a%20b/", {"a b/", 0, 0, 0, 0, 0, 0, KIND_DIRECTORY}},
      {"%20%20x%20", {"  x "}},
      {"%%2020", {"% 20"}},
      {"50%2", {"50%2"}},
      {"-rw-r--r-- 1 owner group 10 Jan 12 2020 readme", {"-rw-r--r--"}},
      {" leading", {""}},
      {"", {""}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_NAME_LIST);
}

TEST(ParseNameList, NeighbouringIdsAreUnixListings) {
  EXPECT_EQ(Mismatch(Decode("my%20file.txt", HOST_NAME_LIST + 1), {"my%20file.txt"}), "");
  EXPECT_EQ(Mismatch(Decode("my%20file.txt", HOST_NAME_LIST - 1), {"my%20file.txt"}), "");
}

}  // namespace
}  // namespace qorda::testing
