#include "hosts/mvs.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

// 'WYOSPT 3390   2003/03/28 ...  PS  name', the name at column 56.
std::string SequentialLine(const char* name) {
  return Columns(
      {{0, "WYOSPT 3390"}, {14, "2003/03/28  1    9  FB     100 27900  PS"}, {56, name}});
}

const std::string kVolumeHeading =
    "Volume Unit    Referred Ext Used Recfm Lrecl BlkSz Dsorg Dsname";
const std::string kMemberHeading =
    "Name     VV.MM   Created       Changed      Size  Init   Mod   Id";
// The change date and time, then the line count: four-digit and two-digit years.
const std::string kMemberStatistics = Columns(
    {{0, "MEMBER1"}, {10, "01.00 2001/05/10 2001/05/16 12:34"}, {46, "10    10    0   USER01"}});
const std::string kMemberShortYears = Columns(
    {{0, "MEMBER2"}, {10, "01.03 01/05/10 01/05/16 12:34"}, {42, "25    20    0     USER01"}});
const std::string kPartitioned =
    Columns({{0, "SMS001 3390"}, {14, "2007/06/20"}, {45, "27920  PO  ISPF.PROFILE"}});

// Rows both parsers read alike.
TEST(ParseMvs, SharesHeadingsMembersAndDropsWithTheCServer) {
  ExpectRows({{Columns({{0, "Migrated"}, {56, "USER.OLD.DATA"}}), {"USER.OLD.DATA"}},
              {kMemberHeading, {"Name"}},  // no time, so it passes as a name
              {kMemberStatistics, {"MEMBER1", 10, 2001, 5, 16, 12, 34}},
              {kMemberShortYears, {"MEMBER2", 25, 2001, 5, 16, 12, 34}},
              // 51 characters is read name first; 50 with a blank is dropped.
              {Columns({{0, "ABCDEFGHIJ"}, {50, "X"}}), {"ABCDEFGHIJ"}}},
             {HOST_IBM_MVS, HOST_IBM_MVS_C_SERVER});
  ExpectDropped({kVolumeHeading, Columns({{0, "ABCDEFGHIJ"}, {49, "X"}}),
                 Columns({{0, "USER.OLD"}, {20, "MIGRAT"}, {51, "x"}}),
                 Columns({{0, "WYTAPE 3480"}, {14, "Not Direct Access Device"}, {56, "USER.TAPE"}}),
                 Columns({{0, "VSAM01 3390"}, {14, "2003/03/28"}, {51, "VSAM USER.KSDS"}}),
                 Columns({{1, "WYOSP 3390"}, {14, "2003/03/28"}, {56, "USER.X"}}), " MEMBER1"},
                {HOST_IBM_MVS, HOST_IBM_MVS_C_SERVER});
}

TEST(ParseMvs, ReadsVolumeFirstAndMemberLines) {
  ExpectRows(
      {
          {kPartitioned, {"ISPF.PROFILE", 27920, 2007, 6, 20, 0, 0, kDir}},
          {Columns({{0, "MIGRATED"}, {56, "USER.OLD.DATA"}}), {"USER.OLD.DATA"}},
          // Four-digit year ("/" at column 21): the size covers column 49, not
          // 47; a partitioned data set's name starts at column 56.
          {Columns({{0, "WYOSPT 3390"}, {14, "2003/03/28"}, {44, "1234 27900 PS USER.SEQ"}}),
           {"USER.SEQ", 27900, 2003, 3, 28}},
          {Columns({{0, "SMS001 3390"}, {14, "2007/06/20"}, {49, "PO"}, {54, "XXISPF.PROFILE"}}),
           {"ISPF.PROFILE", 0, 2007, 6, 20, 0, 0, kDir}},
          // Two-digit year, read month first: size column 47, name column 54.
          {Columns({{0, "WYOSPT 3390"}, {14, "05/16/01"}, {44, "6160 77 PS USER.SEQ"}}),
           {"USER.SEQ", 6160, 2001, 5, 16}},
          {Columns({{0, "WYOSPT 3390"}, {14, "05/16/01"}, {44, "6160  PO"}, {54, "USER.CNTL"}}),
           {"USER.CNTL", 6160, 2001, 5, 16, 0, 0, kDir}},
          // A blank at column 8 and a digit at column 10 make a member line.
          {Columns({{0, "ABCDEF X"}, {10, "1"}, {56, "Z"}}), {"ABCDEF X"}},
          // A volume-first line needs 55 characters.
          {Columns({{0, "WYOSPT 3390"}, {14, "05/16/01"}, {50, "PS A"}}), {""}},
          {Columns({{0, "WYOSPT 3390"}, {14, "05/16/01"}, {50, "PS AB"}}), {"AB", 0, 2001, 5, 16}},
          {Columns({{0, "USER.LOADLIB"}, {20, "PO"}, {30, "x"}, {51, "y"}}),
           {"USER.LOADLIB", 0, 0, 0, 0, 0, 0, kDir}},
          // Without statistics: eight columns, or one word of up to 50.
          {Columns({{0, "MEMBER1"}, {10, "01.00"}}), {"MEMBER1"}},
          {"MEMBER12", {"MEMBER12"}},
          {std::string(45, 'Q') + ".DATA", {"QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ.DATA"}},
          {std::string(51, 'Q'), {""}},
          {"TOOLONGNAME X", {""}},
      },
      {HOST_IBM_MVS});
}

TEST(ParseMvsCServer, ReadsNameFirstUnlessPartitioned) {
  ExpectRows(
      {
          // Without " PO " a volume-first line is read name first: the volume.
          {SequentialLine("BACKUP.PASSWORD"), {"WYOSPT"}},
          {kPartitioned, {"ISPF.PROFILE", 0, 2007, 6, 20, 0, 0, kDir}},
          {Columns({{0, "WYOSPT 3390"}, {14, "05/16/01"}, {44, "6160  PO"}, {54, "USER.CNTL"}}),
           {"USER.CNTL", 0, 2001, 5, 16, 0, 0, kDir}},
          // Member names keep their padding to nine columns.
          {Columns({{0, "MEMBER1"}, {10, "01.00"}}), {"MEMBER1  "}},
          {Columns({{0, "MEMBER1"}, {9, "01.00"}}), {""}},
          {"MEMBER1234", {"MEMBER1234"}},
      },
      {HOST_IBM_MVS_C_SERVER});
}

TEST(ParseMvs, RemovesTheCurrentDirectoryFromNames) {
  // A prefix is cut to 259 characters and then takes no closing ".".
  const std::string longDirectory(300, 'A');
  const std::string longName = std::string(259, 'A') + ".X";
  const std::pair<const char*, Row> rows[] = {
      {"'USER.DATA'", {SequentialLine("USER.DATA.CNTL"), {"CNTL", 27900, 2003, 3, 28}}},
      {"USER.DATA.", {SequentialLine("USER.DATA.CNTL"), {"CNTL", 27900, 2003, 3, 28}}},
      {"'USER.DATA", {SequentialLine("USER.DATA.CNTL"), {"CNTL", 27900, 2003, 3, 28}}},
      {"'user.data'", {SequentialLine("USER.DATA.CNTL"), {"USER.DATA.CNTL", 27900, 2003, 3, 28}}},
      {"USER.DAT", {SequentialLine("USER.DATA.CNTL"), {"USER.DATA.CNTL", 27900, 2003, 3, 28}}},
      {"U", {SequentialLine("U.CNTL"), {"U.CNTL", 27900, 2003, 3, 28}}},  // too short to be one
      {nullptr, {SequentialLine("USER.CNTL"), {"USER.CNTL", 27900, 2003, 3, 28}}},
      {longDirectory.c_str(), {SequentialLine(longName.c_str()), {".X", 27900, 2003, 3, 28}}},
  };
  for (const auto& [directory, row] : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_IBM_MVS, directory), row.expected), "") << row.line;
  }
  EXPECT_EQ(Mismatch(Decode(kPartitioned, HOST_IBM_MVS_C_SERVER, "'ISPF'"),
                     {"PROFILE", 0, 2007, 6, 20, 0, 0, kDir}),
            "");
}

TEST(ParseMvsKnet, RemovesTheHighLevelQualifier) {
  const std::string longPrefix(200, 'A');
  const std::pair<const char*, Row> rows[] = {
      {"user", {"USER.TEST.DATA", {"TEST.DATA"}}},
      {"user", {"USERX.DATA", {"USERX.DATA"}}},
      {"user", {"USER", {"USER"}}},
      {"USER", {"USER.LOADLIB    PO  U", {"LOADLIB", 0, 0, 0, 0, 0, 0, kDir}}},
      {"USER", {"USER.LOADLIB\tPO", {"LOADLIB"}}},  // a tab ends the word; " PO " needs its blank
      {nullptr, {"USER.TEST.DATA", {"USER.TEST.DATA"}}},
      {longPrefix.c_str(), {std::string(127, 'A') + ".X", {"X"}}},  // cut to 127 characters
      {"USER", {"USER.OLD Migrated", {""}}},
      {"USER", {"MIGRATED USER.OLD", {"MIGRATED"}}},
  };
  for (const auto& [prefix, row] : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_IBM_MVS_KNET, "", prefix), row.expected), "")
        << row.line;
  }
}

TEST(ParseSpartacusKnet, JoinsQualifiersAndMultipliesTheSize) {
  const std::string line =
      Columns({{0, "USER   TEST   DATA"}, {27, "10    6160"}, {57, "05/16/01  12:34:56"}});
  ExpectRows(
      {
          {line, {"USER.TEST.DATA", 61600, 2001, 5, 16, 12, 34}},
          // The name field ends at column 22.
          {Columns({{0, "USER.LONG.NAME.FIELD.AB"}, {23, "Z   2     100"}}),
           {"USER.LONG.NAME.FIELD.AB", 200}},
          {"  USER X", {"USER.X"}},
          {"AB", {"AB"}},
          {Columns({{0, "A"}, {27, "1     1"}}), {""}},
          {Columns({{0, "AB"}, {57, "xx/16/01  01:02:03"}}), {"AB", 0, 0, 0, 0, 1, 2}},
          {Columns({{0, "BIG"}, {27, "10000 99999999999"}}), {"BIG", 999999999990000LL}},
          {Columns({{0, "USER.OLD"}, {40, "Migrated"}}), {""}},
      },
      {HOST_IBM_SPARTACUS_KNET});
  EXPECT_EQ(Decode(line, HOST_IBM_SPARTACUS_KNET).entry.second, 56);
}

}  // namespace
}  // namespace qorda::testing
