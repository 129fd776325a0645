#include "hosts/minicomputers.h"

#include <gtest/gtest.h>

#include <string>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

std::string AosVsLine(const char* name, const char* type) {
  return Columns({{0, name}, {24, type}, {44, "1234"}, {52, "05-Mar-97"}, {63, "12:30:00"}});
}

TEST(ParseAosVs, ReadsNameTypeSizeDateAndTime) {
  ExpectRows({{AosVsLine("DISK1", "LDU"), {"DISK1", 1234, 1997, 3, 5, 12, 30, kDir}},
              {AosVsLine("ALIAS", "LNK"), {"ALIAS", 1234, 1997, 3, 5, 12, 30, kLink}},
              // A directory mark wins over a link mark; a type word needs blanks.
              {AosVsLine("BOTH", "LNK DIR"), {"BOTH", 1234, 1997, 3, 5, 12, 30, kDir}},
              {AosVsLine("X", "DIRS"), {"X", 1234, 1997, 3, 5, 12, 30}},
              {AosVsLine("A-B:C", "TXT"), {"A-B:C", 1234, 1997, 3, 5, 12, 30}},  // not the date
              {Columns({{0, "NEW"}, {44, "7"}, {52, "17-Jan-02"}, {63, "08:05"}}),
               {"NEW", 7, 2002, 1, 17, 8, 5}},
              // The size is read at column 44, wherever the number starts.
              {Columns({{0, "SHIFT"}, {43, "12345"}}), {"SHIFT", 2345}},
              {"5-Mar-97", {"5-Mar-97", 0, 1997, 3, 5}}},  // no blank: the date is the name's
             {HOST_AOS_VS});
  ExpectDropped({"   Directory :UDD:X"}, {HOST_AOS_VS});
}

TEST(ParseGcos6Aix, ReadsNameAndTypeWord) {
  ExpectRows(
      {{Columns({{11, "SOURCES"}, {25, "DIR"}, {50, "1"}}), {"SOURCES", 0, 0, 0, 0, 0, 0, kDir}},
       {Columns({{11, "alias"}, {25, "Lnk"}, {50, "1"}}), {"alias", 0, 0, 0, 0, 0, 0, kLink}},
       // The type word is read at column 25 only; 51 characters suffice.
       {Columns({{11, "X"}, {26, "DIR"}, {50, "1"}}), {"X"}}},
      {HOST_GCOS_6_HVS_AIX});
  ExpectDropped({Columns({{11, "Entry Name"}, {25, "Type"}, {50, "Size"}}),
                 Columns({{9, "*"}, {11, "COMMENT"}, {50, "1"}}),
                 Columns({{12, "PAYROLL"}, {25, "DAT"}, {50, "1"}}),  // blank at column 11
                 Columns({{11, "SHORT"}, {49, "1"}})},                // 50 characters
                {HOST_GCOS_6_HVS_AIX});
}

TEST(ParseGcos6Os, ReadsKindAndRecordSize) {
  const std::string line = Columns({{0, "PAYROLL"}, {13, "SEQ"}, {24, "120"}, {33, "80"}});
  ExpectRows(
      {{line, {"PAYROLL", 9600, 0, 0, 0, 0, 0, kFile}},
       {Columns({{0, "SOURCES"}, {13, "<DIR>"}, {24, "1"}}), {"SOURCES", 0, 0, 0, 0, 0, 0, kDir}},
       // Columns count from the first character past blanks and tabs.
       {"\t  " + line, {"PAYROLL", 9600, 0, 0, 0, 0, 0, kFile}},
       // A marker before column 13 belongs to the name field.
       {Columns({{0, "A"}, {6, "<DIR>"}, {24, "1"}, {33, "5"}}), {"A", 5, 0, 0, 0, 0, 0, kFile}}},
      {HOST_GCOS_6_HVS_OS});
  ExpectDropped({"Directory: >UDD>PAYROLL", "  Time: 10:30:00", "Record CI  Size",
                 "\tEntry Name   Type", "*** end ***"},
                {HOST_GCOS_6_HVS_OS});
}

TEST(ParseUnisysA, ReadsNameSizeAndDate) {
  ExpectRows(
      {// The whole number that covers column 56, however far left it reaches.
       {Columns({{0, "BIG"}, {47, "9876543210"}, {58, "12/01/02 08:05"}}),
        {"BIG", 9876543210LL, 2002, 12, 1, 8, 5}},
       {Columns({{0, "NOSIZE"}, {50, "12345"}, {58, "03/16/95 11:46"}}),
        {"NOSIZE", 0, 1995, 3, 16, 11, 46}},
       // 56 to 69 characters: name and size, no date.
       {Columns({{0, "X"}, {52, "12345"}, {58, "03/16/95"}}), {"X", 12345}},
       {std::string(31, 'N'), {"NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN"}}},
      {HOST_UNISYS_A_SERIES});
  ExpectDropped(
      {"Report for: (USER)PAYROLL ON DISK", Columns({{10, "3 files"}, {50, "12345 Octets"}}),
       Columns({{0, "PAYROLL"}, {29, "1"}})},  // 30 characters
      {HOST_UNISYS_A_SERIES});
}

std::string Os2200Line(const char* element, const char* version, const char* type,
                       const char* size) {
  return Columns({{0, element}, {16, version}, {32, type}, {36, "03/16/95    11:46"}, {56, size}});
}

TEST(ParseOs2200, ReadsElementTypeDateAndSize) {
  const std::string longName(511, 'E');
  ExpectRows(
      {{Os2200Line("PROG", "V2", "SYM", "4096"), {"PROG/V2", 4096, 1995, 3, 16, 11, 46, kFile}},
       {Os2200Line("MAIN", "", "REL", "12"), {"MAIN", 12, 1995, 3, 16, 11, 46, kObject}},
       {Os2200Line("MAP", "", "sym", "12"), {"MAP", 12, 1995, 3, 16, 11, 46}},
       // The size needs a line longer than 57 characters.
       {Os2200Line("ONE", "", "SYM", "7"), {"ONE", 0, 1995, 3, 16, 11, 46, kFile}},
       {Os2200Line("TWO", "", "SYM", "77"), {"TWO", 77, 1995, 3, 16, 11, 46, kFile}},
       // An element name that runs through the version column, for the whole
       // line: name and version together are cut to the longest name.
       {std::string(600, 'E'), {longName.c_str()}}},
      {HOST_OS2200});
  ExpectDropped({Columns({{0, "PROG"}, {32, "SYM 03/16/95"}, {50, "1"}}),
                 "Element         Version         Type"},
                {HOST_OS2200});
}

TEST(ParseHp3000, ReadsTheNameOfEitherLayout) {
  ExpectRows({{Columns({{0, "PAYROLL"}, {20, "80B"}, {40, "FA"}, {61, "1  128"}}), {"PAYROLL"}},
              // The blank ending the name is searched from column 1 on.
              {Columns({{1, "PAYROLL"}, {20, "80B"}, {61, "1  128"}}), {" PAYROLL"}},
              // A digit must be followed by white space to mean the first layout.
              {Columns({{2, "1234"}, {61, "1ST.PUB"}}), {"1ST.PUB"}},
              {Columns({{2, "1234"}, {61, "2"}}), {"2"}}},
             {HOST_HP_3000});
  ExpectDropped({"PATH= /PAYROLL/PUB/", Columns({{0, "FILENAME"}, {20, "CODE"}, {40, "SIZE  TYP"}}),
                 Columns({{0, "--------"}, {61, "1 x"}}),
                 Columns({{0, "PAYROLL"}, {59, "1"}}),   // 60 characters
                 Columns({{0, "PAYROLL"}, {60, "1"}})},  // nothing from 61 on
                {HOST_HP_3000});
}

TEST(ParseMusic, ReadsNameKilobytesDateAndTime) {
  const std::string line = Columns({{0, "PROG.S"}, {30, "12"}, {45, "16Mar95 11:46"}, {60, "X"}});
  ExpectRows({{line, {"PROG.S", 12288, 1995, 3, 16, 11, 46}},
              {Columns({{0, "BIG.DATA"}, {32, "4000000"}, {45, "16Mar95 11:46"}, {60, "X"}}),
               {"BIG.DATA", 4096000000LL, 1995, 3, 16, 11, 46}}},
             {HOST_MUSIC});
  ExpectDropped({" " + line, line.substr(0, 60), std::string(61, 'A')}, {HOST_MUSIC});
}

TEST(ParseCdcCyber, ReadsTheBlankLedNameAndSizeDigits) {
  ExpectRows(
      {{Columns({{1, "FILEA"}, {11, "1,234"}}), {" FILEA", 1234, 1980, 1, 1}},
       // More than six characters from column 23 make a directory.
       {Columns({{1, "SUB"}, {11, "512"}, {23, "SUBDIRS"}}), {" SUB", 512, 1980, 1, 1, 0, 0, kDir}},
       {Columns({{1, "SUB"}, {11, "512"}, {23, "SUBDIR"}}), {" SUB", 512, 1980, 1, 1}},
       // Only the digits of columns 11 to 21 count.
       {Columns({{1, "LONG"}, {11, "1234567890123"}}), {" LONG", 12345678901LL, 1980, 1, 1}},
       {Columns({{1, "ODD"}, {10, "9  4 5"}, {22, "6"}}), {" ODD", 45, 1980, 1, 1}},
       // The name field ends at column 10.
       {Columns({{1, "ABCDEFGHIJK"}}), {" ABCDEFGHI", 0, 1980, 1, 1}}},
      {HOST_CDC_CYBER});
  ExpectDropped({Columns({{0, "FILEA"}, {11, "1,234"}})}, {HOST_CDC_CYBER});
}

TEST(ParseR1000, ReadsTheNameAndClassWords) {
  ExpectRows({{"Users  DIRECTORY", {"Users", 0, 0, 0, 0, 0, 0, kDir}},
              {"Tools\tWORLD", {"Tools", 0, 0, 0, 0, 0, 0, kDir}},
              {"WORLDS.TXT  FILE", {"WORLDS.TXT"}},  // only the words after the name count
              // A directory mark wins over a session mark; sessions are dropped.
              {"Home  WORLD SESSION", {"Home", 0, 0, 0, 0, 0, 0, kDir}}},
             {HOST_IBM_R1000});
  ExpectDropped({"S_1  SESSION", "Fred.S_2\tSESSION ACTIVE"}, {HOST_IBM_R1000});
}

}  // namespace
}  // namespace qorda::testing
