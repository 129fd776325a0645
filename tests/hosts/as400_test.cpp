#include "hosts/as400.h"

#include <gtest/gtest.h>

#include <string>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

// 'MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE': the size
// ends at column 19, one blank before the date.
std::string StarLine(const char* type, const char* name,
                     const char* fields = "  4096 01/05/16 12:34:56") {
  return Columns({{0, "MYUSER"}, {14, fields}, {39, type}, {50, name}});
}

// A member line shows no date, time or size of its own.
std::string MemberLine(const char* name) {
  return Columns({{0, "MYUSER"}, {39, "*MEM"}, {50, name}});
}

// Without a "*": the slash shape has the date's "/" at column 26, the plain
// shape writes every column two further left.
std::string SlashLine(const char* type, const char* name) {
  return Columns({{0, "MYUSER"}, {17, "2048   01/05/16 12:34:56"}, {43, type}, {53, name}});
}
std::string PlainLine(const char* type, const char* name,
                      const char* fields = "2048 01/05/16 12:34:56") {
  return Columns({{0, "MYUSER"}, {17, fields}, {41, type}, {51, name}});
}

TEST(ParseAs400, ReadsObjectTypesPathsAndColumnsInTheHostTypesDateOrder) {
  const std::string line = StarLine("*FILE", "MYFILE.FILE");
  ExpectRows({{line, {"MYFILE.FILE", 4096, 2016, 1, 5, 12, 34}}}, {HOST_IBM_AS_400_MM_DD_YY});
  ExpectRows({{line, {"MYFILE.FILE", 4096, 2016, 5, 1, 12, 34}}}, {HOST_IBM_AS_400_DD_MM_YY});
  ExpectRows(
      {
          {line, {"MYFILE.FILE", 4096, 2001, 5, 16, 12, 34}},
          {StarLine("*DIR", "QOpenSys/"), {"QOpenSys", 4096, 2001, 5, 16, 12, 34, kDir}},
          {StarLine("*DDIR", "home/"), {"home", 4096, 2001, 5, 16, 12, 34, kDir}},
          {StarLine("*STMF", "/home/user/notes.txt"), {"notes.txt", 4096, 2001, 5, 16, 12, 34}},
          {StarLine("*DI", "SHORT"), {"SHORT", 4096, 2001, 5, 16, 12, 34}},  // three letters
          // A size that reaches column 20 is the word covering that column.
          {Columns({{0, "MYUSER"}, {12, "123456789 01/05/16"}, {31, "12:34:56 *FILE"}, {51, "B"}}),
           {"B", 123456789, 2001, 5, 16, 12, 34}},
          {SlashLine("DIR", "ROOT/DIR"), {"ROOT/DIR", 2048, 2001, 5, 16, 12, 34, kDir}},
          {PlainLine("LIB", "MYLIB"), {"MYLIB", 2048, 2001, 5, 16, 12, 34, kDir}},
          {PlainLine("FLR", "DOCS"), {"DOCS", 2048, 2001, 5, 16, 12, 34, kDir}},
          // More than 51 characters are needed.
          {StarLine("*FILE", "A"), {""}},
          {StarLine("*FILE", "AB"), {"AB", 4096, 2001, 5, 16, 12, 34}},
      },
      {HOST_IBM_AS_400});
}

// Member lines take the date, time and size of the line decoded before them,
// whatever listing it came from.
TEST(ParseAs400, MemberLinesTakeTheFieldsOfTheLineBefore) {
  const Row rows[] = {
      {StarLine("*FILE", "MYFILE.FILE"), {"MYFILE.FILE", 4096, 2001, 5, 16, 12, 34}},
      {MemberLine("MYFILE.FILE/MYMEMBER.MBR"), {"MYMEMBER.MBR", 4096, 2001, 5, 16, 12, 34}},
      // Member lines of the column shapes are dropped and feed nothing.
      {SlashLine("MEM", "MYFILE.FILE/M1.MBR"), {""}},
      {MemberLine("MYFILE.FILE/M2.MBR"), {"M2.MBR", 4096, 2001, 5, 16, 12, 34}},
      // Column-shape lines feed only the size.
      {PlainLine("FILE", "B.FILE", "2048 03/03/03 12:34:56"), {"B.FILE", 2048, 2003, 3, 3, 12, 34}},
      {MemberLine("B.FILE/M3.MBR"), {"M3.MBR", 2048, 2001, 5, 16, 12, 34}},
      {StarLine("*FILE", "C.FILE", "    77 02/03/04 12:34:56"), {"C.FILE", 77, 2002, 3, 4, 12, 34}},
      {MemberLine("C.FILE/M4.MBR"), {"M4.MBR", 77, 2002, 3, 4, 12, 34}},
  };
  ExpectRows(rows, {HOST_IBM_AS_400});
  // Another host type of the family shares the one memory.
  ExpectRows({{MemberLine("C.FILE/M5.MBR"), {"M5.MBR", 77, 2002, 3, 4, 12, 34}}},
             {HOST_IBM_AS_400_DD_MM_YY});
}

}  // namespace
}  // namespace qorda::testing
