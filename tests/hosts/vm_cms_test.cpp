#include "hosts/vm_cms.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

// The type letter at column 22, size factors from 23 and 32, the name at 48.
std::string DateFirst(const char* typeAndSize, const char* name, const char* date = "05/16/2001") {
  return Columns({{0, date}, {11, "12:34"}, {22, typeAndSize}, {32, "100"}, {48, name}});
}

// The name field in columns 0 to 17, size factors from 23 and 31, the date at 53.
std::string NameFirst(const char* field, const char* date = "2001-05-16 12:34:56") {
  return Columns({{0, field}, {29, "80"}, {40, "23"}, {53, date}});
}

TEST(ParseVmCms, ReadsTheDateFirstAndTheNameFirstShape) {
  ExpectRows(
      {
          {DateFirst("F80", "PROFILE.EXEC"), {"PROFILE.EXEC", 8000, 2001, 5, 16, 12, 34}},
          {DateFirst("F80", "A", "05/16/01  "), {"A", 8000, 2001, 5, 16, 12, 34}},
          // The type letter replaces the size for directories and links.
          {DateFirst("D80", "SUBDIR"), {"SUBDIR", 0, 2001, 5, 16, 12, 34, kDir}},
          {DateFirst("E3", "ALIAS"), {"ALIAS", 0, 2001, 5, 16, 12, 34, kLink}},
          {DateFirst("L", "ALIAS"), {"ALIAS", 0, 2001, 5, 16, 12, 34, kLink}},
          {DateFirst("L1", "NOTALINK"), {"NOTALINK", 100, 2001, 5, 16, 12, 34}},
          // Names with blanks come quoted.
          {DateFirst("D", "'MY FILE'"), {"MY FILE", 0, 2001, 5, 16, 12, 34, kDir}},
          {DateFirst("D", "'"), {"", 0, 2001, 5, 16, 12, 34, kDir}},
          // The shape needs more than 48 characters: at 48 the line is read
          // name first, and its first 18 columns become the name.
          {Columns({{0, "05/16/2001 12:34"}, {22, "F80"}, {47, "X"}}), {"05/16/2001.12:34"}},
          {Columns({{0, "05/16/2001 12:34"}, {22, "F80"}, {48, "X"}}),
           {"X", 0, 2001, 5, 16, 12, 34}},
          // The name-first shape.
          {NameFirst("PROFILE  EXEC"), {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}},
          {NameFirst("A", "05/16/01 12:34"), {"A", 1840, 2001, 5, 16, 12, 34}},
          {NameFirst("A", "2001-5-16  9:05"), {"A", 1840, 2001, 5, 16, 9, 5}},
          // A missing separator leaves every later number at 0.
          {NameFirst("A", "05/16 12:34"), {"A", 1840, 2000, 5, 16, 0, 0}},
          {NameFirst(""), {"", 1840, 2001, 5, 16, 12, 34}},  // fields but no name
          // Two blanks shorten the field, which then stays cut at column 18.
          {Columns({{0, "PROFILEX  EXECUTIVELONG"}, {29, "80"}, {40, "23"}}),
           {"PROFILEX.EXECUTIV", 1840}},
      },
      {HOST_IBM_VM});
}

TEST(ParseVmCms, ShortensNamesByTheCurrentDirectory) {
  const std::pair<const char*, Row> rows[] = {
      // Exactly the directory's characters go, with no separator.
      {"PROF", {NameFirst("PROFILE  EXEC"), {"ILE.EXEC", 1840, 2001, 5, 16, 12, 34}}},
      {"profile", {NameFirst("PROFILE  EXEC"), {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}}},
      {nullptr, {NameFirst("PROFILE  EXEC"), {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}}},
      {"SUBDIR", {NameFirst("SUBDIR   DIR"), {"SUBDIR.DIR", 1840, 2001, 5, 16, 12, 34, kDir}}},
      // An unbroken field runs on to the next blank.
      {"ABC",
       {Columns({{0, "ABCDEFGHIJKLMNOPQRSTU"}, {29, "80"}, {40, "23"}}),
        {"DEFGHIJKLMNOPQRSTU", 1840}}},
      // A leading blank becomes the "." of the join; a directory that does
      // not match then closes up every blank.
      {"XYZ", {NameFirst(" PROFILE EXEC"), {"PROFILEEXEC", 1840, 2001, 5, 16, 12, 34}}},
      // A first byte from 0x80 on counts as a blank and is dropped.
      {"XYZ", {NameFirst("\xC4NDERN   EXEC"), {"NDERN.EXEC", 1840, 2001, 5, 16, 12, 34}}},
  };
  for (const auto& [directory, row] : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_IBM_VM, directory), row.expected), "") << row.line;
  }
}

TEST(RemoveBlanks, TrimsAndClosesUpEveryBlank) {
  std::string text = "  A\tB  C  ";
  EXPECT_STREQ(RemoveBlanks(text.data()), "A\tBC");  // only blanks close up
}

}  // namespace
}  // namespace qorda::testing
