#include "hosts/vm_cms.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/host_ids.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct Row {
  std::string line;
  const char* currentDirectory;
  Expected expected;
};

void ExpectRows(const Row* begin, const Row* end) {
  for (const Row* row = begin; row != end; ++row) {
    EXPECT_EQ(Mismatch(Decode(row->line, HOST_IBM_VM, row->currentDirectory), row->expected), "")
        << "'" << row->line << "' in "
        << (row->currentDirectory ? row->currentDirectory : "(null)");
  }
}

constexpr int kDir = KIND_DIRECTORY;
constexpr int kLink = KIND_LINK;

// '05/16/2001 12:34      F80       100             PROFILE.EXEC': the type
// letter at column 22, the two size factors from 23 and 32, the name at 48.
std::string DateFirst(const char* typeAndSize, const char* name, const char* date = "05/16/2001") {
  return Columns({{0, date}, {11, "12:34"}, {22, typeAndSize}, {32, "100"}, {48, name}});
}

// 'PROFILE  EXEC ... 80 ... 23 ... 2001-05-16 12:34:56': the name field in
// columns 0 to 17, the size factors from 23 and 31, the date from 53.
std::string NameFirst(const char* field, const char* date = "2001-05-16 12:34:56") {
  return Columns({{0, field}, {29, "80"}, {40, "23"}, {53, date}});
}

TEST(ParseVmCms, ReadsTheDateFirstShape) {
  const Row rows[] = {
      {DateFirst("F80", "PROFILE.EXEC"), "", {"PROFILE.EXEC", 8000, 2001, 5, 16, 12, 34}},
      {DateFirst("V 7", "PROFILE.EXEC"), "", {"PROFILE.EXEC", 700, 2001, 5, 16, 12, 34}},
      {DateFirst("F80", "PROFILE.EXEC", "05/16/01  "),
       "",
       {"PROFILE.EXEC", 8000, 2001, 5, 16, 12, 34}},
      // The type letter replaces the size for directories and links.
      {DateFirst("D80", "SUBDIR"), "", {"SUBDIR", 0, 2001, 5, 16, 12, 34, kDir}},
      {DateFirst("E3", "ALIAS"), "", {"ALIAS", 0, 2001, 5, 16, 12, 34, kLink}},
      {DateFirst("L", "ALIAS"), "", {"ALIAS", 0, 2001, 5, 16, 12, 34, kLink}},
      {DateFirst("E4", "NOTALINK"), "", {"NOTALINK", 400, 2001, 5, 16, 12, 34}},
      {DateFirst("L1", "NOTALINK"), "", {"NOTALINK", 100, 2001, 5, 16, 12, 34}},
      // Names with blanks come quoted; an unclosed quote keeps the rest.
      {DateFirst("D", "'MY FILE'"), "", {"MY FILE", 0, 2001, 5, 16, 12, 34, kDir}},
      {DateFirst("D", "'MY FILE"), "", {"MY FILE", 0, 2001, 5, 16, 12, 34, kDir}},
      {DateFirst("D", "'"), "", {"", 0, 2001, 5, 16, 12, 34, kDir}},
      // The shape needs more than 48 characters: at 48 the line is read name
      // first, and its first 18 columns become the name.
      {Columns({{0, "05/16/2001"}, {11, "12:34"}, {22, "F80"}, {47, "X"}}),
       "",
       {"05/16/2001.12:34"}},
      {Columns({{0, "05/16/2001"}, {11, "12:34"}, {22, "F80"}, {48, "X"}}),
       "",
       {"X", 0, 2001, 5, 16, 12, 34}},
  };
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ParseVmCms, ReadsTheNameFirstShape) {
  const Row rows[] = {
      {NameFirst("PROFILE  EXEC"), "", {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("PROFILE  EXEC", "05/16/01 12:34"),
       "",
       {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("PROFILE  EXEC", "2001-5-16  9:05"),
       "",
       {"PROFILE.EXEC", 1840, 2001, 5, 16, 9, 5}},
      // A missing separator leaves every later number at 0.
      {NameFirst("PROFILE  EXEC", "05/16 12:34"), "", {"PROFILE.EXEC", 1840, 2000, 5, 16, 0, 0}},
      {NameFirst("PROFILE  EXEC", "2001-05-16"), "", {"PROFILE.EXEC", 1840, 2001, 5, 16, 0, 0}},
      {NameFirst("SUBDIR   DIR"), "", {"SUBDIR.DIR", 1840, 2001, 5, 16, 12, 34, kDir}},
      {NameFirst("PROFILE  DIRS"), "", {"PROFILE.DIRS", 1840, 2001, 5, 16, 12, 34}},
      {Columns({{0, "SUBDIR"}, {9, "DIR"}, {20, "DIR"}, {29, "0"}}),
       "XYZ",
       {"SUBDIR.DIR", 0, 0, 0, 0, 0, 0, kDir}},
      // Blank name field, or one that begins with a tab: fields but no name.
      {NameFirst(""), "", {"", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("\tPROFILE EXEC"), "", {"", 1840, 2001, 5, 16, 12, 34}},
      // The line is too short for the size and date columns.
      {"PROFILE  EXEC", "", {"PROFILE.EXEC"}},
      {"A", "", {"A"}},
  };
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST(ParseVmCms, ShortensNamesByTheCurrentDirectory) {
  const Row rows[] = {
      // Exactly the directory's characters go, with no separator.
      {NameFirst("PROFILE  EXEC"), "PROFILE", {".EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("PROFILE  EXEC"), "PROF", {"ILE.EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("PROFILE  EXEC"), "profile", {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("PROFILE  EXEC"), nullptr, {"PROFILE.EXEC", 1840, 2001, 5, 16, 12, 34}},
      // An unbroken 18-column field runs on to the next blank.
      {Columns({{0, "ABCDEFGHIJKLMNOPQRSTU"}, {29, "80"}, {40, "23"}}),
       "",
       {"ABCDEFGHIJKLMNOPQRSTU", 1840}},
      {Columns({{0, "PROFILEX EXECUTIVELONG"}, {29, "80"}, {40, "23"}}),
       "",
       {"PROFILEX.EXECUTIVELONG", 1840}},
      {Columns({{0, "ABCDEFGHIJKLMNOPQRSTU"}, {29, "80"}, {40, "23"}}),
       "ABC",
       {"DEFGHIJKLMNOPQRSTU", 1840}},
      // Two blanks shorten the field: it stays cut at column 18.
      {Columns({{0, "PROFILEX  EXECUTIVELONG"}, {29, "80"}, {40, "23"}}),
       "",
       {"PROFILEX.EXECUTIV", 1840}},
      // A leading blank becomes the "." of the join; a directory that does
      // not match then closes up every blank.
      {NameFirst(" PROFILE EXEC"), "", {".PROFILE EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst(" PROFILE EXEC"), "XYZ", {"PROFILEEXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("   PROFILE EXEC"), "XYZ", {"PROFILEEXEC", 1840, 2001, 5, 16, 12, 34}},
      // A first byte from 0x80 on counts as a blank and is dropped.
      {NameFirst("\xC4NDERN   EXEC"), "XYZ", {"NDERN.EXEC", 1840, 2001, 5, 16, 12, 34}},
      {NameFirst("\xC4NDERN   EXEC"), "", {"\xC4NDERN.EXEC", 1840, 2001, 5, 16, 12, 34}},
  };
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST(RemoveBlanks, TrimsAndClosesUpEveryBlank) {
  const struct {
    const char* text;
    const char* expected;
  } rows[] = {
      {"  A B  C  ", "ABC"}, {"ABC", "ABC"}, {"   ", ""}, {"", ""},
      {"A\tB", "A\tB"},  // only blanks close up
  };
  for (const auto& row : rows) {
    std::string text = row.text;
    EXPECT_STREQ(RemoveBlanks(text.data()), row.expected) << "'" << row.text << "'";
  }
}

}  // namespace
}  // namespace qorda::testing
