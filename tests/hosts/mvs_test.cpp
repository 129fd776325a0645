#include "hosts/mvs.h"

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

// A row with the current directory (or data set prefix) it is decoded under.
struct ContextRow {
  std::string line;
  const char* context;
  Expected expected;
};

void ExpectRows(const Row* begin, const Row* end, int32_t hostType) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(Mismatch(Decode(row->line, hostType), row->expected), "") << "'" << row->line << "'";
  }
}

constexpr int kDir = KIND_DIRECTORY;

// 'WYOSPT 3390   2003/03/28 ...  PS  name' with the name at column 56.
std::string SequentialLine(const char* name) {
  return Columns({{0, "WYOSPT"},
                  {7, "3390"},
                  {14, "2003/03/28"},
                  {26, "1"},
                  {31, "9"},
                  {34, "FB"},
                  {41, "100"},
                  {45, "27900"},
                  {52, "PS"},
                  {56, name}});
}

const std::string kVolumeHeading = Columns({{0, "Volume"},
                                            {7, "Unit"},
                                            {15, "Referred"},
                                            {24, "Ext"},
                                            {28, "Used"},
                                            {33, "Recfm"},
                                            {39, "Lrecl"},
                                            {45, "BlkSz"},
                                            {51, "Dsorg"},
                                            {57, "Dsname"}});
const std::string kMemberHeading = Columns({{0, "Name"},
                                            {9, "VV.MM"},
                                            {17, "Created"},
                                            {31, "Changed"},
                                            {44, "Size"},
                                            {50, "Init"},
                                            {57, "Mod"},
                                            {63, "Id"}});
// Member statistics: the change date and time, then the line count.
const std::string kMemberStatistics = Columns({{0, "MEMBER1"},
                                               {10, "01.00"},
                                               {16, "2001/05/10"},
                                               {27, "2001/05/16"},
                                               {38, "12:34"},
                                               {46, "10"},
                                               {52, "10"},
                                               {58, "0"},
                                               {62, "USER01"}});
const std::string kMemberStatisticsShortYears = Columns({{0, "MEMBER2"},
                                                         {10, "01.03"},
                                                         {16, "01/05/10"},
                                                         {25, "01/05/16"},
                                                         {34, "12:34"},
                                                         {42, "25"},
                                                         {48, "20"},
                                                         {54, "0"},
                                                         {60, "USER01"}});
const std::string kMigrated = Columns({{0, "Migrated"}, {56, "USER.OLD.DATA"}});

TEST(ParseMvs, ReadsVolumeFirstDataSetLines) {
  const Row rows[] = {
      // A listing as the server sends it.
      {kVolumeHeading, {""}},
      {SequentialLine("BACKUP.PASSWORD"), {"BACKUP.PASSWORD", 27900, 2003, 3, 28}},
      {Columns({{0, "SMS001"},
                {7, "3390"},
                {14, "2007/06/20"},
                {26, "1"},
                {30, "15"},
                {34, "FB"},
                {42, "80"},
                {45, "27920"},
                {52, "PO"},
                {56, "ISPF.PROFILE"}}),
       {"ISPF.PROFILE", 27920, 2007, 6, 20, 0, 0, kDir}},
      {kMigrated, {"USER.OLD.DATA"}},
      {Columns({{0, "MIGRATED"}, {56, "USER.OLD.DATA"}}), {"USER.OLD.DATA"}},
      // Four-digit year ("/" at column 21): the size covers column 49, not 47.
      {Columns({{0, "WYOSPT"},
                {7, "3390"},
                {14, "2003/03/28"},
                {44, "1234"},
                {49, "27900"},
                {55, "PS"},
                {58, "USER.SEQ"}}),
       {"USER.SEQ", 27900, 2003, 3, 28}},
      // ... and a partitioned data set's name starts at column 56.
      {Columns(
           {{0, "SMS001"}, {7, "3390"}, {14, "2007/06/20"}, {49, "PO"}, {54, "XXISPF.PROFILE"}}),
       {"ISPF.PROFILE", 0, 2007, 6, 20, 0, 0, kDir}},
      // Two-digit year, read month first: size column 47, name column 54.
      {Columns({{0, "WYOSPT"},
                {7, "3390"},
                {14, "05/16/01"},
                {44, "6160"},
                {49, "77"},
                {52, "PS"},
                {55, "USER.SEQ"}}),
       {"USER.SEQ", 6160, 2001, 5, 16}},
      {Columns({{0, "WYOSPT"},
                {7, "3390"},
                {14, "05/16/01"},
                {44, "6160"},
                {50, "PO"},
                {54, "USER.CNTL"}}),
       {"USER.CNTL", 6160, 2001, 5, 16, 0, 0, kDir}},
      // Tapes and VSAM clusters have no columns to read, and no name here.
      {Columns({{0, "WYTAPE"}, {7, "3480"}, {14, "Not Direct Access Device"}, {56, "USER.TAPE"}}),
       {""}},
      {Columns({{0, "VSAM01"}, {7, "3390"}, {14, "2003/03/28"}, {51, "VSAM"}, {56, "USER.KSDS"}}),
       {""}},
      {Columns({{1, "WYOSP"}, {7, "3390"}, {14, "2003/03/28"}, {56, "USER.X"}}), {""}},
      // A blank at column 8 and a digit at column 10 make a member line.
      {Columns({{0, "ABCDEF"}, {7, "X"}, {10, "1"}, {56, "Z"}}), {"ABCDEF X"}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_IBM_MVS);
}

TEST(ParseMvs, ReadsMemberLines) {
  const Row rows[] = {
      {kMemberHeading, {"Name"}},  // the heading has no time, so it passes as a name
      {kMemberStatistics, {"MEMBER1", 10, 2001, 5, 16, 12, 34}},
      {kMemberStatisticsShortYears, {"MEMBER2", 25, 2001, 5, 16, 12, 34}},
      {Columns({{0, "USER.LOADLIB"}, {20, "PO"}, {30, "x"}, {51, "y"}}),
       {"USER.LOADLIB", 0, 0, 0, 0, 0, 0, kDir}},
      {Columns({{0, "USER.OLD"}, {20, "MIGRAT"}, {51, "x"}}), {""}},
      {"MEMBER1", {"MEMBER1"}},
      {"MEMBER12", {"MEMBER12"}},
      {Columns({{0, "MEMBER1"}, {10, "01.00"}}), {"MEMBER1"}},
      {std::string(45, 'Q') + ".DATA",
       {"QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ"
        "QQQQ.DATA"}},
      {"TOOLONGNAME X", {""}},
      {" MEMBER1", {""}},
      {"", {""}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_IBM_MVS);
}

TEST(ParseMvs, ChoosesTheShapeByLineLength) {
  const Row rows[] = {
      // 50 characters: a line with blanks and no member column is dropped; at
      // 51 it is read name first.
      {Columns({{0, "ABCDEFGHIJ"}, {49, "X"}}), {""}},
      {Columns({{0, "ABCDEFGHIJ"}, {50, "X"}}), {"ABCDEFGHIJ"}},
      // A single word is a name up to 50 characters; at 51 it has no blank to
      // end its first word.
      {std::string(51, 'Q'), {""}},
      // A volume-first line needs 55 characters.
      {Columns({{0, "WYOSPT"}, {7, "3390"}, {14, "05/16/01"}, {50, "PS"}, {53, "A"}}), {""}},
      {Columns({{0, "WYOSPT"}, {7, "3390"}, {14, "05/16/01"}, {50, "PS"}, {53, "AB"}}),
       {"AB", 0, 2001, 5, 16}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_IBM_MVS);
}

TEST(ParseMvs, RemovesTheCurrentDirectoryFromNames) {
  const std::string longDirectory(300, 'A');
  const std::string longName = longDirectory.substr(0, 200) + ".X";
  const ContextRow rows[] = {
      {SequentialLine("USER.DATA.CNTL"), "'USER.DATA'", {"CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.DATA.CNTL"), "USER.DATA", {"CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.DATA.CNTL"), "USER.DATA.", {"CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.DATA.CNTL"), "'USER.DATA", {"CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("OTHER.CNTL"), "'USER.DATA'", {"OTHER.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.DATA.CNTL"), "'user.data'", {"USER.DATA.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.DATA.CNTL"), "USER.DAT", {"USER.DATA.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.DATA.CNTL"),
       "'USER.DATA.CNTL'",
       {"USER.DATA.CNTL", 27900, 2003, 3, 28}},
      // Shorter than two characters: no prefix at all.
      {SequentialLine("U.CNTL"), "U", {"U.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.CNTL"), "''", {"USER.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.CNTL"), nullptr, {"USER.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine("USER.CNTL"), longDirectory.c_str(), {"USER.CNTL", 27900, 2003, 3, 28}},
      {SequentialLine(longName.c_str()),
       longDirectory.c_str(),
       {longName.c_str(), 27900, 2003, 3, 28}},
  };
  for (const ContextRow& row : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_IBM_MVS, row.context), row.expected), "")
        << row.line << " in " << (row.context ? row.context : "(null)");
  }
  // The C-Server removes the prefix too, here from a partitioned data set.
  const std::string partitioned = Columns({{0, "SMS001"},
                                           {7, "3390"},
                                           {14, "2007/06/20"},
                                           {45, "27920"},
                                           {52, "PO"},
                                           {56, "ISPF.PROFILE"}});
  EXPECT_EQ(Mismatch(Decode(partitioned, HOST_IBM_MVS_C_SERVER, "'ISPF'"),
                     {"PROFILE", 0, 2007, 6, 20, 0, 0, kDir}),
            "");
}

TEST(ParseMvsCServer, ReadsNameFirstUnlessMarked) {
  const Row rows[] = {
      {kVolumeHeading, {""}},
      // Without " PO " a volume-first line is read name first: the volume.
      {SequentialLine("BACKUP.PASSWORD"), {"WYOSPT"}},
      {Columns({{0, "SMS001"},
                {7, "3390"},
                {14, "2007/06/20"},
                {45, "27920"},
                {52, "PO"},
                {56, "ISPF.PROFILE"}}),
       {"ISPF.PROFILE", 0, 2007, 6, 20, 0, 0, kDir}},
      {Columns({{0, "WYOSPT"},
                {7, "3390"},
                {14, "05/16/01"},
                {44, "6160"},
                {50, "PO"},
                {54, "USER.CNTL"}}),
       {"USER.CNTL", 0, 2001, 5, 16, 0, 0, kDir}},
      {kMigrated, {"USER.OLD.DATA"}},
      {kMemberHeading, {"Name"}},
      {kMemberStatistics, {"MEMBER1", 10, 2001, 5, 16, 12, 34}},
      {Columns({{0, "USER.OLD"}, {20, "MIGRAT"}, {51, "x"}}), {""}},
      {Columns({{0, "VSAM01"}, {7, "3390"}, {14, "2003/03/28"}, {51, "VSAM"}, {56, "USER.KSDS"}}),
       {""}},
      // Member names keep their padding to nine columns.
      {Columns({{0, "MEMBER1"}, {10, "01.00"}}), {"MEMBER1  "}},
      {Columns({{0, "MEMBER1"}, {9, "01.00"}}), {""}},
      {"MEMBER1", {"MEMBER1"}},
      {"MEMBER1234", {"MEMBER1234"}},
      {" MEMBER1", {""}},
      {Columns({{0, "ABCDEFGHIJ"}, {49, "X"}}), {""}},
      {Columns({{0, "ABCDEFGHIJ"}, {50, "X"}}), {"ABCDEFGHIJ"}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_IBM_MVS_C_SERVER);
}

TEST(ParseMvsKnet, RemovesTheHighLevelQualifier) {
  const std::string longPrefix(200, 'A');
  const std::string longName = std::string(127, 'A') + ".X";
  const ContextRow rows[] = {
      {"USER.TEST.DATA", "user", {"TEST.DATA"}},
      {"USERX.DATA", "user", {"USERX.DATA"}},
      {"USER", "user", {"USER"}},
      {Columns({{0, "USER.LOADLIB"}, {16, "PO"}, {20, "U"}}),
       "USER",
       {"LOADLIB", 0, 0, 0, 0, 0, 0, kDir}},
      {"USER.LOADLIB\tPO", "USER", {"LOADLIB"}},  // a tab ends the word; " PO " needs its blank
      {"USER.TEST.DATA", nullptr, {"USER.TEST.DATA"}},
      {"USER.TEST.DATA", longPrefix.c_str(), {"USER.TEST.DATA"}},
      // The prefix is cut to 127 characters.
      {longName, longPrefix.c_str(), {"X"}},
      {"USER.OLD Migrated", "USER", {""}},
      {"Migrated USER.OLD", "USER", {""}},
      {"MIGRATED USER.OLD", "USER", {"MIGRATED"}},
  };
  for (const ContextRow& row : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_IBM_MVS_KNET, "", row.context), row.expected), "")
        << row.line;
  }
}

TEST(ParseSpartacusKnet, JoinsQualifiersAndMultipliesTheSize) {
  const std::string line = Columns({{0, "USER"},
                                    {7, "TEST"},
                                    {14, "DATA"},
                                    {27, "10"},
                                    {33, "6160"},
                                    {57, "05/16/01"},
                                    {67, "12:34:56"}});
  const Row rows[] = {
      {line, {"USER.TEST.DATA", 61600, 2001, 5, 16, 12, 34}},
      // The name field ends at column 22.
      {Columns({{0, "USER.LONG.NAME.FIELD.AB"}, {23, "Z"}, {27, "2"}, {33, "100"}}),
       {"USER.LONG.NAME.FIELD.AB", 200}},
      {Columns({{2, "USER"}, {6, " X"}}), {"USER.X"}},
      {"AB", {"AB"}},
      {Columns({{0, "AB"}, {57, "xx/16/01"}, {67, "01:02:03"}}), {"AB", 0, 0, 0, 0, 1, 2}},
      {Columns({{0, "BIG"}, {27, "10000"}, {33, "99999999999"}}), {"BIG", 999999999990000LL}},
      {Columns({{0, "A"}, {27, "1"}, {33, "1"}}), {""}},
      {Columns({{5, "A"}}), {""}},
      {Columns({{0, "USER.OLD"}, {40, "Migrated"}}), {""}},
  };
  ExpectRows(std::begin(rows), std::end(rows), HOST_IBM_SPARTACUS_KNET);
  EXPECT_EQ(Decode(line, HOST_IBM_SPARTACUS_KNET).entry.second, 56);
}

}  // namespace
}  // namespace qorda::testing
