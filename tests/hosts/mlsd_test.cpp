#include "hosts/mlsd.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/host_ids.h"
#include "hosts/every_prefix.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct Row {
  const char* line;
  Expected expected;
};

void ExpectRows(std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    for (int32_t hostType : {HOST_MLSD, HOST_QORDA_SERVER}) {
      EXPECT_EQ(Mismatch(Decode(row.line, hostType), row.expected), "")
          << "'" << row.line << "' as " << hostType;
    }
  }
}

constexpr int kFile = KIND_FILE;
constexpr int kDir = KIND_DIRECTORY;
constexpr int kLink = KIND_LINK;

TEST(ParseMlsd, ReadsModifySizeAndType) {
  ExpectRows({
      {"type=file;size=1234;modify=20230105123456; readme.txt",
       {"readme.txt", 1234, 2023, 1, 5, 12, 34, kFile}},
      {"Type=FILE;Size=99;Modify=19991231235959.123; My File.txt",
       {"My File.txt", 99, 1999, 12, 31, 23, 59, kFile}},
      {"type=dir;modify=20200101000000; src", {"src", 0, 2020, 1, 1, 0, 0, kDir}},
      {"modify=20230105123456;perm=adfr;size=7;type=file;unique=802U1; a b",
       {"a b", 7, 2023, 1, 5, 12, 34, kFile}},
      // Published examples of machine listings.
      {"Type=file;Size=25730;Modify=19940728095854;Perm=; capmux.tar.z",
       {"capmux.tar.z", 25730, 1994, 7, 28, 9, 58, kFile}},
      {"Type=dir;Modify=19990112033515;Perm=el; incoming",
       {"incoming", 0, 1999, 1, 12, 3, 35, kDir}},
      {"type=OS.unix=slink:/tmp/x;size=5; lnk", {"lnk", 5, 0, 0, 0, 0, 0, kLink}},
      {"TYPE=os.UNIX=SLINK; l", {"l", 0, 0, 0, 0, 0, 0, kLink}},
      {"type=OS.unix=symlink; lnk2", {"lnk2"}},
      {"type=fileX; fx", {"fx"}},
      {"type=DIR ; d", {"; d", 0, 0, 0, 0, 0, 0, kDir}},  // the blank ends the facts
      // The last of a repeated fact counts.
      {"type=dir;type=file;size=1;size=2; x", {"x", 2, 0, 0, 0, 0, 0, kFile}},
      {"size=12 x y", {"x y", 12}},
  });
}

TEST(ParseMlsd, LooksFactNamesUpByLengthAndCase) {
  ExpectRows({
      {"sizes=1; n", {"n"}},    // longer than "size"
      {"siz=1; n", {"n"}},      // too short to look up
      {"SIZE=1; n", {"n", 1}},  // any case
      {"sIzE=1; n", {"n", 1}},
      {"modi=20230105123456; n", {"n"}},    // first four match, length does not
      {"modifx=20230105123456; n", {"n"}},  // the rest of the name differs
      {"MODIFY=20230105123456; n", {"n", 0, 2023, 1, 5, 12, 34}},
      {"abcd=1;size=3; n", {"n", 3}},  // sorts before every fact: looked up no further
      {"zzzz=1;size=3; n", {"n", 3}},  // sorts after every fact
      {"x.type=file; n", {"n"}},
      {"typo=file; n", {"n"}},
  });
}

TEST(ParseMlsd, DropsTheDirectoryItselfAndLinesWithoutAName) {
  ExpectRows({
      {"type=cdir; .", {""}},
      {"type=pdir; ..", {""}},
      {"Type=cdir;Modify=19981107085215;Perm=el; /tmp", {""}},  // facts behind it are not read
      {"Type=pdir;Modify=19990112030508;Perm=el; ..", {""}},
      {"modify=20230105123456;type=cdir; .", {"", 0, 2023, 1, 5, 12, 34}},  // those before stay
      {"type=file;size=3;", {"", 3, 0, 0, 0, 0, 0, kFile}},
      {"no facts at all", {""}},
      {"", {""}},
  });
}

TEST(ParseMlsd, KeepsTheNameAsWritten) {
  ExpectRows({
      {" onlyname", {"onlyname"}},
      {"type=file;  two", {" two", 0, 0, 0, 0, 0, 0, kFile}},  // one blank separates
      {"type=file; a;b=c d", {"a;b=c d", 0, 0, 0, 0, 0, 0, kFile}},
  });
}

TEST(ParseMlsd, ReadsAShortModifyValueInsideTheLine) {
  ExpectRows({
      // The twelve places run on into the next fact and stop at the line's
      // end, which counts as "0".
      {"size=5;modify=2023", {"", 5, 2023}},
      {"modify=202301; x", {"x", 0, 2023, 1, 31, 208, 0}},  // "; x" read as digits
      {"modify=; x", {"x", 0, 2038}},
  });
}

struct FactRow {
  const char* text;
  int code;
  const char* value;   // where the value begins; null when none is given
  const char* cursor;  // what is left; null when the line is used up
};

TEST(NextMlsdFact, ReturnsTheCodeValueAndNextPosition) {
  const FactRow rows[] = {
      {"size=12;x", MLSD_FACT_SIZE, "12;x", "x"},
      {"Modify=1; n", MLSD_FACT_MODIFY, "1; n", " n"},
      {"type=dir n", MLSD_FACT_TYPE, "dir n", " n"},
      {" name with blanks", MLSD_FACT_NAME, "name with blanks", nullptr},
      {"perm=el; n", MLSD_FACT_NONE, nullptr, " n"},
      {"siz=1;", MLSD_FACT_NONE, nullptr, ""},
      {"size=1", MLSD_FACT_SIZE, "1", nullptr},
      {"noequals", MLSD_FACT_NONE, nullptr, nullptr},
      {"type=OS.unix=slink:/x; l", MLSD_FACT_TYPE, "OS.unix=slink:/x; l", " l"},
  };
  for (const FactRow& row : rows) {
    std::string text = row.text;
    const char* cursor = text.c_str();
    const char* value = nullptr;
    EXPECT_EQ(NextMlsdFact(cursor, value), row.code) << row.text;
    EXPECT_EQ(value == nullptr ? "(none)" : std::string(value),
              row.value == nullptr ? "(none)" : std::string(row.value))
        << row.text;
    EXPECT_EQ(cursor == nullptr ? "(end)" : std::string(cursor),
              row.cursor == nullptr ? "(end)" : std::string(row.cursor))
        << row.text;
  }
}

TEST(ParseMlsd, ReadsNothingPastTheEndOfAnyPrefix) {
  for (const char* line : {"type=file;size=1234;modify=20230105123456; readme.txt",
                           "modify=2023;type=OS.unix=slink:/x; l", "Type=cdir;Perm=el; /tmp"}) {
    ParseEveryPrefix(line,
                     [](ListingEntry& entry, char* text) { ParseMlsd(entry, text, HOST_MLSD); });
  }
}

}  // namespace
}  // namespace qorda::testing
