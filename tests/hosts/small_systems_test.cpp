#include "hosts/small_systems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/host_ids.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct Row {
  std::string line;
  Expected expected;
};

void ExpectRows(int32_t hostType, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, hostType), row.expected), "") << "'" << row.line << "'";
  }
}

void ExpectDropped(int32_t hostType, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    EXPECT_EQ(Decode(line, hostType).result, 0) << "'" << line << "'";
  }
}

constexpr int kDir = KIND_DIRECTORY;

std::string AmosLine(const char* name, const char* extension, const char* date) {
  return Columns({{0, name}, {7, extension}, {11, "3"}, {16, date}, {26, "11:46"}});
}

TEST(ParseAmos, ReadsNameExtensionBlocksDateAndTime) {
  ExpectRows(
      HOST_AMOS_TCP_IP,
      {
          {AmosLine("AB", "TXT", "Mar-16-95"), {"AB.TXT", 1536, 1995, 3, 16, 11, 46}},
          {AmosLine("ABCDEF", "BAS", "Mar-16-95"), {"ABCDEF.BAS", 1536, 1995, 3, 16, 11, 46}},
          {AmosLine("AB", "C", "Mar-16-95"), {"AB.C", 1536, 1995, 3, 16, 11, 46}},
          {AmosLine("SUBDIR", "", "Mar-16-95"), {"SUBDIR", 1536, 1995, 3, 16, 11, 46}},
          {AmosLine("AB", "TXT", "Mar 16 95"), {"AB.TXT", 1536, 1995, 3, 16, 11, 46}},
          // Only a date led by a month name is read.
          {AmosLine("AB", "TXT", "16-Mar-95"), {"AB.TXT", 1536, 0, 0, 0, 11, 46}},
          // Column 6 separates name and extension and is never read.
          {AmosLine("ABCDEFG", "", "Mar-16-95"), {"ABCDEF", 1536, 1995, 3, 16, 11, 46}},
          {Columns({{0, "BIG"}, {7, "DAT"}, {11, "4000"}, {16, "Jan-02-03"}, {26, "08:05"}}),
           {"BIG.DAT", 2048000, 2003, 1, 2, 8, 5}},
      });
}

TEST(ParseAmos, DropsTheSummaryAndShortLines) {
  ExpectDropped(HOST_AMOS_TCP_IP,
                {
                    "Total of 12 files in 40 blocks",
                    Columns({{0, "AB"}, {7, "TXT"}, {11, "3"}, {16, "Mar-16-95"}, {25, "X"}}),
                });
}

TEST(ParseAmiga, ReadsTheLastWordAndDirectoryMarks) {
  ExpectRows(HOST_AMIGA,
             {
                 {"drwxr-xr-x  0  Jan 12 12:30 Music", {"Music", 0, 0, 0, 0, 0, 0, kDir}},
                 {"dr-xr-xr-x  0  Jan 12 12:30 Libs", {"Libs", 0, 0, 0, 0, 0, 0, kDir}},
                 {"       <DIR>   Fonts", {"Fonts", 0, 0, 0, 0, 0, 0, kDir}},
                 {"-rw-r--r--  1234 Jan 12 12:30 readme", {"readme"}},
                 // The directory letter is case-sensitive.
                 {"Drwxr-xr-x  1234 Jan 12 12:30 upper", {"upper"}},
                 {"single", {"single"}},
             });
}

TEST(ParseAmiga, DropsTheSummary) {
  ExpectDropped(HOST_AMIGA, {"Dirs:2  Files:14  Blocks:96", "DIRS: 3"});
}

std::string Os9Line(int attributeColumn, const char* attributes, const char* time,
                    const char* name) {
  return Columns({{3, "0.0"},
                  {10, "95/03/16"},
                  {19, time},
                  {attributeColumn, attributes},
                  {39, "A8"},
                  {45, "160"},
                  {54, name}});
}

TEST(ParseOs9, ReadsDateClockBytesAndAttributes) {
  ExpectRows(
      HOST_OS_9,
      {
          {Os9Line(26, "d-ewrewr", "1146", "CMDS"), {"CMDS", 160, 1995, 3, 16, 11, 46, kDir}},
          {Os9Line(26, "----r-wr", "1200", "startup"), {"startup", 160, 1995, 3, 16, 12, 0}},
          // Clock values of 99 or less are not read.
          {Os9Line(26, "-----r-r", "0045", "x"), {"x", 160, 1995, 3, 16, 0, 0}},
          {Os9Line(26, "-----r-r", "0100", "y"), {"y", 160, 1995, 3, 16, 1, 0}},
          // OS-9 looks for "d" at column 26 only.
          {Os9Line(24, "d-ewrewr", "1146", "CMDS"), {"CMDS", 160, 1995, 3, 16, 11, 46}},
          // A name that is word 7 is not taken for the byte count.
          {Columns({{3, "0.0"},
                    {10, "95/03/16"},
                    {19, "1146"},
                    {26, "d-ewrewr"},
                    {39, "A8"},
                    {45, "2024"}}),
           {"2024", 0, 1995, 3, 16, 11, 46, kDir}},
          {"CMDS", {"CMDS"}},
      });
}

TEST(ParseOs9000, ReadsTheAttributesAtColumn24) {
  ExpectRows(
      HOST_OS_9000,
      {
          {Os9Line(24, "d-ewrewr", "1146", "CMDS"), {"CMDS", 160, 1995, 3, 16, 11, 46, kDir}},
          {Os9Line(26, "d-ewrewr", "1146", "CMDS"), {"CMDS", 160, 1995, 3, 16, 11, 46}},
      });
}

TEST(ParseOs9, DropsHeadingsAndTheRule) {
  const std::vector<std::string> headings = {
      "                            Directory of . 10:41:03",
      " Owner    Last modified  Attributes Sector Bytecount Name",
      "-------   -------------  ---------- ------ --------- ----",
  };
  ExpectDropped(HOST_OS_9, headings);
  ExpectDropped(HOST_OS_9000, headings);
}

std::string PassportLine(int sizeColumn, const char* size, const char* month, const char* name) {
  return Columns(
      {{sizeColumn, size}, {12, month}, {16, "16"}, {19, "95"}, {25, "11:46"}, {36, name}});
}

TEST(ParsePassport, ReadsSizeDateAndName) {
  ExpectRows(
      HOST_PASSPORT_160,
      {
          {PassportLine(3, "12345", "MAR", "MY REPORT.TXT"),
           {"MY REPORT.TXT", 12345, 1995, 3, 16, 11, 46}},
          {PassportLine(5, "512", "JUL", "SRC      <DIR>"),
           {"SRC", 512, 1995, 7, 16, 11, 46, kDir}},
          {PassportLine(5, "512", "Jun", "<DIR>.TXT"), {"<DIR>.TXT", 512, 1995, 6, 16, 11, 46}},
          // With no blank in columns 1 to 7 the size starts at column 1.
          {PassportLine(0, "123456789", "Dec", "WIDE"), {"WIDE", 23456789, 1995, 12, 16, 11, 46}},
          // A size that ends before column 7 is not read.
          {PassportLine(2, "42", "Jan", "LEFT"), {"LEFT", 0, 1995, 1, 16, 11, 46}},
      });
}

TEST(ParsePassport, DropsHeadingsRulesAndShortLines) {
  ExpectDropped(
      HOST_PASSPORT_160,
      {
          Columns({{2, "size"}, {12, "date"}, {25, "time"}, {36, "name"}}),
          Columns({{0, "--------"}, {12, "----"}, {36, "----"}}),
          // 35 characters: the name column is never reached.
          Columns(
              {{3, "12345"}, {12, "MAR"}, {16, "16"}, {19, "95"}, {25, "11:46"}, {30, "NAMES"}}),
      });
}

std::string QnxLine(const char* month, const char* year, const char* name) {
  return Columns(
      {{4, "2"}, {10, "rwe-r-"}, {44, "16"}, {47, month}, {51, year}, {54, "11:46"}, {60, name}});
}

TEST(ParseQnx2, ReadsFilesAndPlusLedDirectories) {
  ExpectRows(HOST_QNX2,
             {
                 {QnxLine("Mar", "97", "report.txt"), {"report.txt", 1024, 1997, 3, 16, 11, 46}},
                 {QnxLine("Jan", "05", "new"), {"new", 1024, 2005, 1, 16, 11, 46}},
                 {QnxLine("Jan", "50", "old"), {"old", 1024, 1950, 1, 16, 11, 46}},
                 {QnxLine("Jan", "49", "late"), {"late", 1024, 2038, 1, 16, 11, 46}},
                 // Without a month the year is not moved into this century.
                 {QnxLine("???", "05", "nomonth"), {"nomonth", 1024, 1905, 0, 16, 11, 46}},
                 {"+docs", {"docs", 0, 0, 0, 0, 0, 0, kDir}},
             });
}

TEST(ParseQnx2, DropsHeadingsTotalsAndShortLines) {
  ExpectDropped(HOST_QNX2, {
                               "Total 12 files, 40 blocks", " Blocks  Attributes",
                               QnxLine("Mar", "97", ""),  // 59 characters
                           });
}

TEST(ParseVxWorks, ReadsSizeDateTimeAndName) {
  const std::string fileLine =
      Columns({{0, "1234"}, {8, "Mar-16-1995"}, {21, "11:46:00"}, {31, "data.bin"}});
  ExpectRows(
      HOST_VXWORKS,
      {
          {fileLine, {"data.bin", 1234, 1995, 3, 16, 11, 46}},
          // A leading blank makes an empty first word: every field moves one on.
          {" " + fileLine, {"data.bin", 1234, 1995, 3, 16, 11, 46}},
          {Columns({{5, "512"}, {12, "JAN-01-1980"}, {25, "00:00:00"}, {36, "."}, {52, "<DIR>"}}),
           {".", 512, 1980, 1, 1, 0, 0, kDir}},
          {Columns({{0, "512"}, {8, "JAN-01-1980"}, {21, "00:00:00"}, {31, "sub"}, {47, "<DIR>"}}),
           {"sub", 512, 1980, 1, 1, 0, 0, kDir}},
          // Only a date led by a month name is read.
          {Columns({{0, "1234"}, {8, "03/16/1995"}, {21, "11:46:00"}, {31, "data.bin"}}),
           {"data.bin", 1234, 0, 0, 0, 11, 46}},
      });
}

TEST(ParseVxWorks, DropsHeadingsRulesAndShortLines) {
  ExpectDropped(HOST_VXWORKS,
                {
                    "  size          date       time       name",
                    "--------       ------     ------    --------",
                    Columns({{0, "1234"}, {8, "Mar-16-1995"}, {21, "11:46"}, {27, "abcdefgh"}}),
                    // Size and date only: no name word.
                    Columns({{0, "1234"}, {30, "Mar-16-1995"}}),
                });
}

}  // namespace
}  // namespace qorda::testing
