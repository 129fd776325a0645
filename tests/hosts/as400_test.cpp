#include "hosts/as400.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "decode/host_ids.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct Row {
  std::string line;
  Expected expected;
};

constexpr int kDir = KIND_DIRECTORY;

// 'MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE': the size
// ends at column 19, one blank before the date.
std::string StarLine(const char* type, const char* name, std::string_view size = "4096",
                     const char* date = "01/05/16") {
  return Columns({{0, "MYUSER"},
                  {20 - static_cast<int>(size.size()), size},
                  {21, date},
                  {30, "12:34:56"},
                  {39, type},
                  {50, name}});
}

// A member line shows no date, time or size of its own.
std::string MemberLine(const char* name) {
  return Columns({{0, "MYUSER"}, {39, "*MEM"}, {50, name}});
}

// Without a "*": the slash shape has the date's "/" at column 26, the plain
// shape writes every column two further left.
std::string SlashLine(const char* type, const char* name) {
  return Columns(
      {{0, "MYUSER"}, {17, "2048"}, {24, "01/05/16"}, {33, "12:34:56"}, {43, type}, {53, name}});
}
std::string PlainLine(const char* type, const char* name, const char* date = "01/05/16") {
  return Columns(
      {{0, "MYUSER"}, {17, "2048"}, {22, date}, {31, "12:34:56"}, {41, type}, {51, name}});
}

void ExpectRowsInOrder(const Row* begin, const Row* end, int32_t hostType) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(Mismatch(Decode(row->line, hostType), row->expected), "") << "'" << row->line << "'";
  }
}

TEST(ParseAs400, ReadsTheDateInTheHostTypesOrder) {
  const struct {
    int32_t hostType;
    Expected expected;
  } rows[] = {
      {HOST_IBM_AS_400, {"MYFILE.FILE", 4096, 2001, 5, 16, 12, 34}},
      {HOST_IBM_AS_400_MM_DD_YY, {"MYFILE.FILE", 4096, 2016, 1, 5, 12, 34}},
      {HOST_IBM_AS_400_DD_MM_YY, {"MYFILE.FILE", 4096, 2016, 5, 1, 12, 34}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Mismatch(Decode(StarLine("*FILE", "MYFILE.FILE"), row.hostType), row.expected), "")
        << row.hostType;
  }
}

TEST(ParseAs400, ReadsObjectTypesAndPaths) {
  const Row rows[] = {
      {StarLine("*DIR", "QOpenSys/"), {"QOpenSys", 4096, 2001, 5, 16, 12, 34, kDir}},
      {StarLine("*DDIR", "home/"), {"home", 4096, 2001, 5, 16, 12, 34, kDir}},
      {StarLine("*LIB", "QGPL"), {"QGPL", 4096, 2001, 5, 16, 12, 34, kDir}},
      {StarLine("*FLR", "QDOC"), {"QDOC", 4096, 2001, 5, 16, 12, 34, kDir}},
      {StarLine("*STMF", "/home/user/notes.txt"), {"notes.txt", 4096, 2001, 5, 16, 12, 34}},
      {StarLine("*DI", "SHORT"), {"SHORT", 4096, 2001, 5, 16, 12, 34}},
      // A size that reaches column 20 is the word covering that column.
      {Columns({{0, "MYUSER"},
                {12, "123456789"},
                {22, "01/05/16"},
                {31, "12:34:56"},
                {40, "*FILE"},
                {51, "BIG.FILE"}}),
       {"BIG.FILE", 123456789, 2001, 5, 16, 12, 34}},
  };
  ExpectRowsInOrder(std::begin(rows), std::end(rows), HOST_IBM_AS_400);
}

TEST(ParseAs400, ReadsLinesWithoutAStarAtTheirColumns) {
  const Row rows[] = {
      {SlashLine("DIR", "ROOT/DIR"), {"ROOT/DIR", 2048, 2001, 5, 16, 12, 34, kDir}},
      {SlashLine("FILE", "A.FILE"), {"A.FILE", 2048, 2001, 5, 16, 12, 34}},
      {PlainLine("LIB", "MYLIB"), {"MYLIB", 2048, 2001, 5, 16, 12, 34, kDir}},
      {PlainLine("FLR", "DOCS"), {"DOCS", 2048, 2001, 5, 16, 12, 34, kDir}},
      {PlainLine("MEM", "MYFILE.FILE/M1.MBR"), {""}},
      {SlashLine("MEM", "MYFILE.FILE/M1.MBR"), {""}},
  };
  ExpectRowsInOrder(std::begin(rows), std::end(rows), HOST_IBM_AS_400);
}

TEST(ParseAs400, NeedsMoreThan51Characters) {
  const std::string line52 = StarLine("*FILE", "AB");
  ASSERT_EQ(line52.size(), 52u);
  const Row rows[] = {
      {line52.substr(0, 51), {""}},
      {line52, {"AB", 4096, 2001, 5, 16, 12, 34}},
  };
  ExpectRowsInOrder(std::begin(rows), std::end(rows), HOST_IBM_AS_400);
}

// Member lines take the date, time and size of the line decoded before them,
// whatever listing it came from.
TEST(ParseAs400, MemberLinesTakeTheFieldsOfTheLineBefore) {
  const Row rows[] = {
      {StarLine("*FILE", "MYFILE.FILE"), {"MYFILE.FILE", 4096, 2001, 5, 16, 12, 34}},
      {MemberLine("MYFILE.FILE/MYMEMBER.MBR"), {"MYMEMBER.MBR", 4096, 2001, 5, 16, 12, 34}},
      {MemberLine("MYFILE.FILE/OTHER.MBR"), {"OTHER.MBR", 4096, 2001, 5, 16, 12, 34}},
      // Member lines of the column shapes are dropped and feed nothing.
      {SlashLine("MEM", "MYFILE.FILE/M1.MBR"), {""}},
      {MemberLine("MYFILE.FILE/M2.MBR"), {"M2.MBR", 4096, 2001, 5, 16, 12, 34}},
      // Column-shape lines feed only the size.
      {PlainLine("FILE", "B.FILE", "03/03/03"), {"B.FILE", 2048, 2003, 3, 3, 12, 34}},
      {MemberLine("B.FILE/M3.MBR"), {"M3.MBR", 2048, 2001, 5, 16, 12, 34}},
      {StarLine("*FILE", "C.FILE", "77", "02/03/04"), {"C.FILE", 77, 2002, 3, 4, 12, 34}},
      {MemberLine("C.FILE/M4.MBR"), {"M4.MBR", 77, 2002, 3, 4, 12, 34}},
  };
  ExpectRowsInOrder(std::begin(rows), std::end(rows), HOST_IBM_AS_400);
  // Another host type of the family shares the one memory.
  EXPECT_EQ(Mismatch(Decode(MemberLine("C.FILE/M5.MBR"), HOST_IBM_AS_400_DD_MM_YY),
                     {"M5.MBR", 77, 2002, 3, 4, 12, 34}),
            "");
}

}  // namespace
}  // namespace qorda::testing
