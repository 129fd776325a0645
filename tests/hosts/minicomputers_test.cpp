#include "hosts/minicomputers.h"

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
constexpr int kLink = KIND_LINK;
constexpr int kFile = KIND_FILE;
constexpr int kObject = KIND_OBJECT;

std::string AosVsLine(const char* name, const char* type) {
  return Columns({{0, name}, {24, type}, {44, "1234"}, {52, "05-Mar-97"}, {63, "12:30:00"}});
}

TEST(ParseAosVs, ReadsNameTypeSizeDateAndTime) {
  ExpectRows(HOST_AOS_VS,
             {
                 {AosVsLine("REPORT.TXT", "TXT"), {"REPORT.TXT", 1234, 1997, 3, 5, 12, 30}},
                 {AosVsLine("SUBDIR", "DIR"), {"SUBDIR", 1234, 1997, 3, 5, 12, 30, kDir}},
                 {AosVsLine("DISK1", "LDU"), {"DISK1", 1234, 1997, 3, 5, 12, 30, kDir}},
                 {AosVsLine("ALIAS", "LNK"), {"ALIAS", 1234, 1997, 3, 5, 12, 30, kLink}},
                 // A directory mark wins over a link mark wherever they stand.
                 {AosVsLine("BOTH", "LNK DIR"), {"BOTH", 1234, 1997, 3, 5, 12, 30, kDir}},
                 // The type word needs a blank on both sides.
                 {AosVsLine("X", "DIRS"), {"X", 1234, 1997, 3, 5, 12, 30}},
                 // Dashes and colons in the name are not the date's.
                 {AosVsLine("A-B:C", "TXT"), {"A-B:C", 1234, 1997, 3, 5, 12, 30}},
                 {Columns({{0, "NEW"}, {44, "7"}, {52, "17-Jan-02"}, {63, "08:05"}}),
                  {"NEW", 7, 2002, 1, 17, 8, 5}},
                 // The size is read at column 44, wherever the number starts.
                 {Columns({{0, "SHIFT"}, {43, "12345"}}), {"SHIFT", 2345}},
                 {"NAME", {"NAME"}},
                 // With no blank the date is searched in the name itself, and
                 // the day of '5-Mar-97' is read from column 0.
                 {"5-Mar-97", {"5-Mar-97", 0, 1997, 3, 5}},
             });
}

TEST(ParseAosVs, DropsIndentedLines) {
  ExpectDropped(HOST_AOS_VS, {" " + AosVsLine("REPORT.TXT", "TXT"), "   Directory :UDD:X"});
}

std::string Gcos6AixLine(const char* name, const char* type) {
  return Columns({{2, "0001"}, {11, name}, {25, type}, {35, "1024"}, {45, "03/16/95"}});
}

TEST(ParseGcos6Aix, ReadsNameAndTypeWord) {
  ExpectRows(HOST_GCOS_6_HVS_AIX,
             {
                 {Gcos6AixLine("PAYROLL", "DAT"), {"PAYROLL"}},
                 {Gcos6AixLine("SOURCES", "DIR"), {"SOURCES", 0, 0, 0, 0, 0, 0, kDir}},
                 {Gcos6AixLine("ALIAS", "LNK"), {"ALIAS", 0, 0, 0, 0, 0, 0, kLink}},
                 {Gcos6AixLine("alias", "Lnk"), {"alias", 0, 0, 0, 0, 0, 0, kLink}},
                 // The type word is read at column 25 only.
                 {Columns({{11, "X"}, {26, "DIR"}, {50, "1"}}), {"X"}},
                 // Exactly 51 characters is long enough.
                 {Columns({{11, "EDGE"}, {50, "1"}}), {"EDGE"}},
             });
}

TEST(ParseGcos6Aix, DropsHeadingsMarkedAndShortLines) {
  ExpectDropped(HOST_GCOS_6_HVS_AIX,
                {
                    Columns({{0, "Directory: >UDD>SYS"}, {50, "1"}}),
                    Columns({{11, "Entry Name"}, {25, "Type"}, {50, "Size"}}),
                    Columns({{9, "*"}, {11, "COMMENT"}, {50, "1"}}),
                    Columns({{12, "PAYROLL"}, {25, "DAT"}, {50, "1"}}),  // blank at column 11
                    Columns({{11, "SHORT"}, {49, "1"}}),                 // 50 characters
                });
}

std::string Gcos6OsLine(const char* name, const char* type) {
  return Columns({{0, name}, {13, type}, {24, "120"}, {33, "80"}});
}

TEST(ParseGcos6Os, ReadsKindAndRecordSize) {
  ExpectRows(
      HOST_GCOS_6_HVS_OS,
      {
          {Gcos6OsLine("PAYROLL", "SEQ"), {"PAYROLL", 9600, 0, 0, 0, 0, 0, kFile}},
          {Gcos6OsLine("SOURCES", "<DIR>"), {"SOURCES", 9600, 0, 0, 0, 0, 0, kDir}},
          // Columns count from the first character past blanks and tabs.
          {"\t  " + Gcos6OsLine("PAYROLL", "SEQ"), {"PAYROLL", 9600, 0, 0, 0, 0, 0, kFile}},
          // A marker before column 13 belongs to the name field.
          {Columns({{0, "A"}, {6, "<DIR>"}, {24, "1"}, {33, "5"}}), {"A", 5, 0, 0, 0, 0, 0, kFile}},
          {Columns({{0, "NOSIZE"}, {24, "3"}}), {"NOSIZE", 0, 0, 0, 0, 0, 0, kFile}},
      });
}

TEST(ParseGcos6Os, DropsHeadings) {
  ExpectDropped(HOST_GCOS_6_HVS_OS, {
                                        "Directory: >UDD>PAYROLL",
                                        "  Time: 10:30:00",
                                        "Record CI  Size",
                                        "\tEntry Name   Type",
                                        "*** end ***",
                                    });
}

TEST(ParseUnisysA, ReadsNameSizeAndDate) {
  ExpectRows(HOST_UNISYS_A_SERIES,
             {
                 {Columns({{0, "PAYROLL/DATA"}, {51, "123456"}, {58, "03/16/95"}, {67, "11:46"}}),
                  {"PAYROLL/DATA", 123456, 1995, 3, 16, 11, 46}},
                 // The whole number that covers column 56, however far left it reaches.
                 {Columns({{0, "BIG"}, {47, "9876543210"}, {58, "12/01/02"}, {67, "08:05"}}),
                  {"BIG", 9876543210LL, 2002, 12, 1, 8, 5}},
                 {Columns({{0, "NOSIZE"}, {50, "12345"}, {58, "03/16/95"}, {67, "11:46"}}),
                  {"NOSIZE", 0, 1995, 3, 16, 11, 46}},
                 // 56 to 69 characters: name and size, no date.
                 {Columns({{0, "X"}, {52, "12345"}, {58, "03/16/95"}}), {"X", 12345}},
                 {Columns({{0, "SHORT"}, {28, "VERSION"}}), {"SHORT"}},
                 {std::string(31, 'N'), {"NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN"}},
             });
}

TEST(ParseUnisysA, DropsReportHeadingsSummariesAndShortLines) {
  ExpectDropped(HOST_UNISYS_A_SERIES, {
                                          "Report for: (USER)PAYROLL ON DISK",
                                          Columns({{10, "3 files"}, {50, "12345 Octets"}}),
                                          Columns({{0, "PAYROLL"}, {29, "1"}}),  // 30 characters
                                      });
}

std::string Os2200Line(const char* element, const char* version, const char* type,
                       const char* size) {
  return Columns(
      {{0, element}, {16, version}, {32, type}, {36, "03/16/95"}, {48, "11:46"}, {56, size}});
}

TEST(ParseOs2200, ReadsElementTypeDateAndSize) {
  ExpectRows(
      HOST_OS2200,
      {
          {Os2200Line("PROG", "V2", "SYM", "4096"), {"PROG/V2", 4096, 1995, 3, 16, 11, 46, kFile}},
          {Os2200Line("PROG", "", "SYM", "4096"), {"PROG", 4096, 1995, 3, 16, 11, 46, kFile}},
          {Os2200Line("MAIN", "", "REL", "12"), {"MAIN", 12, 1995, 3, 16, 11, 46, kObject}},
          {Os2200Line("MAIN", "PROD", "ABS", "12"),
           {"MAIN/PROD", 12, 1995, 3, 16, 11, 46, kObject}},
          {Os2200Line("MAP", "", "OMN", "12"), {"MAP", 12, 1995, 3, 16, 11, 46}},
          {Os2200Line("MAP", "", "sym", "12"), {"MAP", 12, 1995, 3, 16, 11, 46}},
          // The size needs a line longer than 57 characters.
          {Os2200Line("ONE", "", "SYM", "7"), {"ONE", 0, 1995, 3, 16, 11, 46, kFile}},
          {Os2200Line("TWO", "", "SYM", "77"), {"TWO", 77, 1995, 3, 16, 11, 46, kFile}},
          {Columns({{0, "NODATE"}, {32, "SYM"}, {51, "X"}}), {"NODATE", 0, 0, 0, 0, 0, 0, kFile}},
      });
}

// An element name that runs through the version column, for the whole line:
// name and version together are cut to the longest name a record carries.
TEST(ParseOs2200, CutsAJoinedNameToTheLongestName) {
  const Decoded decoded = Decode(std::string(600, 'E'), HOST_OS2200);
  EXPECT_EQ(decoded.result, 511);
  EXPECT_EQ(std::string(decoded.entry.name), std::string(511, 'E'));
}

TEST(ParseOs2200, DropsShortLines) {
  ExpectDropped(HOST_OS2200, {Columns({{0, "PROG"}, {32, "SYM"}, {36, "03/16/95"}, {50, "1"}}),
                              "Element         Version         Type"});
}

TEST(ParseHp3000, ReadsTheNameOfEitherLayout) {
  ExpectRows(
      HOST_HP_3000,
      {
          {Columns({{0, "PAYROLL"}, {20, "80B"}, {40, "FA"}, {61, "1"}, {64, "128"}}), {"PAYROLL"}},
          // The blank ending the name is searched from column 1 on.
          {Columns({{1, "PAYROLL"}, {20, "80B"}, {61, "1"}, {64, "128"}}), {" PAYROLL"}},
          {Columns({{2, "1234"}, {10, "FA"}, {61, "REPORT.PUB.SYS"}}), {"REPORT.PUB.SYS"}},
          // A digit must be followed by white space to mean the first layout.
          {Columns({{2, "1234"}, {61, "1ST.PUB"}}), {"1ST.PUB"}},
          {Columns({{2, "1234"}, {61, "2"}}), {"2"}},
      });
}

TEST(ParseHp3000, DropsHeadingsRulesAndShortLines) {
  ExpectDropped(HOST_HP_3000, {
                                  "PATH= /PAYROLL/PUB/",
                                  Columns({{0, "FILENAME"}, {20, "CODE"}, {40, "SIZE  TYP"}}),
                                  Columns({{0, "--------"}, {61, "1"}, {63, "x"}}),
                                  Columns({{0, "PAYROLL"}, {59, "1"}}),  // 60 characters
                                  Columns({{0, "PAYROLL"}, {60, "1"}}),  // nothing from 61 on
                              });
}

std::string MusicLine(const char* name, const char* size) {
  return Columns({{0, name}, {30, size}, {45, "16Mar95 11:46"}, {60, "X"}});
}

TEST(ParseMusic, ReadsNameKilobytesDateAndTime) {
  ExpectRows(HOST_MUSIC, {
                             {MusicLine("PROG.S", "12"), {"PROG.S", 12288, 1995, 3, 16, 11, 46}},
                             {MusicLine("BIG.DATA", "  4000000"),
                              {"BIG.DATA", 4096000000LL, 1995, 3, 16, 11, 46}},
                         });
}

TEST(ParseMusic, DropsIndentedShortAndSingleWordLines) {
  ExpectDropped(HOST_MUSIC, {" " + MusicLine("PROG.S", "12"),
                             MusicLine("PROG.S", "12").substr(0, 60), std::string(61, 'A')});
}

TEST(ParseCdcCyber, ReadsTheBlankLedNameAndSizeDigits) {
  ExpectRows(
      HOST_CDC_CYBER,
      {
          {Columns({{1, "FILEA"}, {11, "1,234"}}), {" FILEA", 1234, 1980, 1, 1}},
          {Columns({{1, "SUB"}, {11, "512"}, {23, "SUBDIRS"}}),
           {" SUB", 512, 1980, 1, 1, 0, 0, kDir}},
          // Six characters from column 23 are not enough for a directory.
          {Columns({{1, "SUB"}, {11, "512"}, {23, "SUBDIR"}}), {" SUB", 512, 1980, 1, 1}},
          // Only the digits of columns 11 to 21 count.
          {Columns({{1, "LONG"}, {11, "1234567890123"}}), {" LONG", 12345678901LL, 1980, 1, 1}},
          {Columns({{1, "ODD"}, {10, "9"}, {13, "4 5"}, {22, "6"}}), {" ODD", 45, 1980, 1, 1}},
          // The name field ends at column 10.
          {Columns({{1, "ABCDEFGHIJK"}}), {" ABCDEFGHI", 0, 1980, 1, 1}},
          {" X", {" X", 0, 1980, 1, 1}},
      });
}

TEST(ParseCdcCyber, DropsLinesNotLedByABlank) {
  ExpectDropped(HOST_CDC_CYBER, {Columns({{0, "FILEA"}, {11, "1,234"}}), "CATALOG OF USER"});
}

TEST(ParseR1000, ReadsTheNameAndClassWords) {
  ExpectRows(HOST_IBM_R1000,
             {
                 {"Calendar  Ada  PACK_SPEC", {"Calendar"}},
                 {"Users  DIRECTORY", {"Users", 0, 0, 0, 0, 0, 0, kDir}},
                 {"Tools\tWORLD", {"Tools", 0, 0, 0, 0, 0, 0, kDir}},
                 // Only the words after the name tell the class.
                 {"DIRECTORY", {"DIRECTORY"}},
                 {"WORLDS.TXT  FILE", {"WORLDS.TXT"}},
                 // A directory mark wins over a session mark.
                 {"Home  WORLD SESSION", {"Home", 0, 0, 0, 0, 0, 0, kDir}},
             });
}

TEST(ParseR1000, DropsSessions) {
  ExpectDropped(HOST_IBM_R1000, {"S_1  SESSION", "Fred.S_2\tSESSION ACTIVE"});
}

}  // namespace
}  // namespace qorda::testing
