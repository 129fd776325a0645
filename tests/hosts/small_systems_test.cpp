#include "hosts/small_systems.h"

#include <gtest/gtest.h>

#include <string>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

std::string AmosLine(const char* name, const char* extension, const char* date = "Mar-16-95") {
  return Columns({{0, name}, {7, extension}, {11, "3"}, {16, date}, {26, "11:46"}});
}

TEST(ParseAmos, ReadsNameExtensionBlocksDateAndTime) {
  ExpectRows({{AmosLine("AB", "TXT"), {"AB.TXT", 1536, 1995, 3, 16, 11, 46}},
              {AmosLine("AB", "C"), {"AB.C", 1536, 1995, 3, 16, 11, 46}},
              {AmosLine("SUBDIR", ""), {"SUBDIR", 1536, 1995, 3, 16, 11, 46}},
              // Only a date led by a month name is read.
              {AmosLine("AB", "TXT", "16-Mar-95"), {"AB.TXT", 1536, 0, 0, 0, 11, 46}},
              // Column 6 separates name and extension and is never read.
              {AmosLine("ABCDEFG", ""), {"ABCDEF", 1536, 1995, 3, 16, 11, 46}}},
             {HOST_AMOS_TCP_IP});
  ExpectDropped({"Total of 12 files in 40 blocks",
                 Columns({{0, "AB"}, {7, "TXT"}, {11, "3"}, {16, "Mar-16-95"}, {25, "X"}})},
                {HOST_AMOS_TCP_IP});
}

TEST(ParseAmiga, ReadsTheLastWordAndDirectoryMarks) {
  ExpectRows({{"drwxr-xr-x  0  Jan 12 12:30 Music", {"Music", 0, 0, 0, 0, 0, 0, kDir}},
              {"dr-xr-xr-x  0  Jan 12 12:30 Libs", {"Libs", 0, 0, 0, 0, 0, 0, kDir}},
              {"       <DIR>   Fonts", {"Fonts", 0, 0, 0, 0, 0, 0, kDir}},
              {"Drwxr-xr-x  1234 Jan 12 12:30 upper", {"upper"}}},  // case-sensitive
             {HOST_AMIGA});
  ExpectDropped({"Dirs:2  Files:14  Blocks:96", "DIRS: 3"}, {HOST_AMIGA});
}

std::string Os9Line(int attributeColumn, const char* attributes, const char* time = "1146") {
  std::string line = Columns({{3, "0.0    95/03/16"}, {19, time}, {39, "A8    160      CMDS"}});
  return line.replace(attributeColumn, 8, attributes);
}

TEST(ParseOs9, ReadsDateClockBytesAndTheAttributesColumn) {
  // OS-9 looks for "d" at column 26 only, OS-9000 at column 24 only.
  const std::string at24 = Os9Line(24, "d-ewrewr");
  const std::string at26 = Os9Line(26, "d-ewrewr");
  ExpectRows({{at26, {"CMDS", 160, 1995, 3, 16, 11, 46, kDir}},
              {at24, {"CMDS", 160, 1995, 3, 16, 11, 46}},
              // A name that is word 7 is not taken for the byte count.
              {Columns({{3, "0.0"}, {10, "95/03/16 1146   d-ewrewr"}, {39, "A8    2024"}}),
               {"2024", 0, 1995, 3, 16, 11, 46, kDir}}},
             {HOST_OS_9});
  ExpectRows({{at24, {"CMDS", 160, 1995, 3, 16, 11, 46, kDir}},
              {at26, {"CMDS", 160, 1995, 3, 16, 11, 46}}},
             {HOST_OS_9000});
  // Clock values of 99 or less are not read.
  ExpectRows({{Os9Line(26, "-----r-r", "0045"), {"CMDS", 160, 1995, 3, 16, 0, 0}},
              {Os9Line(26, "-----r-r", "0100"), {"CMDS", 160, 1995, 3, 16, 1, 0}}},
             {HOST_OS_9, HOST_OS_9000});
  ExpectDropped({"                            Directory of . 10:41:03",
                 " Owner    Last modified  Attributes Sector Bytecount Name",
                 "-------   -------------  ---------- ------ --------- ----"},
                {HOST_OS_9, HOST_OS_9000});
}

std::string PassportLine(int sizeColumn, const char* size, const char* month, const char* name) {
  return Columns({{sizeColumn, size}, {12, month}, {16, "16 95"}, {25, "11:46"}, {36, name}});
}

TEST(ParsePassport, ReadsSizeDateAndName) {
  ExpectRows(
      {{PassportLine(3, "12345", "MAR", "MY FILE"), {"MY FILE", 12345, 1995, 3, 16, 11, 46}},
       {PassportLine(5, "512", "JUL", "SRC      <DIR>"), {"SRC", 512, 1995, 7, 16, 11, 46, kDir}},
       {PassportLine(5, "512", "Jun", "<DIR>.TXT"), {"<DIR>.TXT", 512, 1995, 6, 16, 11, 46}},
       // With no blank in columns 1 to 7 the size starts at column 1; a size
       // that ends before column 7 is not read.
       {PassportLine(0, "123456789", "Dec", "WIDE"), {"WIDE", 23456789, 1995, 12, 16, 11, 46}},
       {PassportLine(2, "42", "Jan", "LEFT"), {"LEFT", 0, 1995, 1, 16, 11, 46}}},
      {HOST_PASSPORT_160});
  ExpectDropped({Columns({{2, "size"}, {12, "date"}, {25, "time"}, {36, "name"}}),
                 Columns({{0, "--------"}, {12, "----"}, {36, "----"}}),
                 // 35 characters: the name column is never reached.
                 Columns({{3, "12345"}, {12, "MAR 16 95"}, {25, "11:46"}, {30, "NAMES"}})},
                {HOST_PASSPORT_160});
}

std::string QnxLine(const char* month, const char* year, const char* name) {
  return Columns(
      {{4, "2     rwe-r-"}, {44, "16"}, {47, month}, {51, year}, {54, "11:46"}, {60, name}});
}

TEST(ParseQnx2, ReadsFilesAndPlusLedDirectories) {
  ExpectRows({{QnxLine("Jan", "05", "new"), {"new", 1024, 2005, 1, 16, 11, 46}},
              {QnxLine("Jan", "50", "old"), {"old", 1024, 1950, 1, 16, 11, 46}},
              {QnxLine("Jan", "49", "late"), {"late", 1024, 2038, 1, 16, 11, 46}},
              // Without a month the year is not moved into this century.
              {QnxLine("???", "05", "nomonth"), {"nomonth", 1024, 1905, 0, 16, 11, 46}},
              {"+docs", {"docs", 0, 0, 0, 0, 0, 0, kDir}}},
             {HOST_QNX2});
  ExpectDropped({"Total 12 files, 40 blocks", " Blocks  Attributes",
                 QnxLine("Mar", "97", "")},  // 59 characters
                {HOST_QNX2});
}

TEST(ParseVxWorks, ReadsSizeDateTimeAndName) {
  const std::string line = Columns({{0, "1234"}, {8, "Mar-16-1995  11:46:00  data.bin"}});
  ExpectRows({{line, {"data.bin", 1234, 1995, 3, 16, 11, 46}},
              // A leading blank makes an empty first word: every field moves one on.
              {" " + line, {"data.bin", 1234, 1995, 3, 16, 11, 46}},
              {Columns({{5, "512"}, {12, "JAN-01-1980  00:00:00"}, {36, "."}, {52, "<DIR>"}}),
               {".", 512, 1980, 1, 1, 0, 0, kDir}},
              // Only a date led by a month name is read.
              {Columns({{0, "1234"}, {8, "03/16/1995   11:46:00  data.bin"}}),
               {"data.bin", 1234, 0, 0, 0, 11, 46}}},
             {HOST_VXWORKS});
  ExpectDropped(
      {"  size          date       time       name", "--------       ------     ------    --------",
       Columns({{0, "1234"}, {8, "Mar-16-1995"}, {21, "11:46"}, {27, "abcdefgh"}}),
       Columns({{0, "1234"}, {30, "Mar-16-1995"}})},  // no name word
      {HOST_VXWORKS});
}

}  // namespace
}  // namespace qorda::testing
