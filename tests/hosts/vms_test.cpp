#include "hosts/vms.h"

#include <gtest/gtest.h>

#include <string>

#include "decode/host_ids.h"
#include "hosts/every_prefix.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

constexpr int kDir = KIND_DIRECTORY;

// One line as UCX, MultiNet and RSX-11M read it.
struct VmsRow {
  const char* line;
  Expected ucx;
  Expected multiNet;
  Expected rsx;
};

void ExpectRows(std::initializer_list<VmsRow> rows) {
  for (const VmsRow& row : rows) {
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_VMS_UCX), row.ucx), "") << "UCX: " << row.line;
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_VMS_MULTINET), row.multiNet), "")
        << "MultiNet: " << row.line;
    EXPECT_EQ(Mismatch(Decode(row.line, HOST_PDP11_RSX11M), row.rsx), "") << "RSX: " << row.line;
  }
}

// The same result from all three.
VmsRow Same(const char* line, const Expected& expected) {
  return {line, expected, expected, expected};
}

TEST(ParseVmsUcx, ReadsFilesLikeMultiNetAndRsx) {
  ExpectRows({
      Same("LOGIN.COM;3  2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)",
           {"LOGIN.COM;3", 1024, 1999, 3, 12, 14, 5}),
      // Published listing: the "-" in the name is not taken for the date's.
      Same("CII-MANUAL.TEX;1  213/216  29-JAN-1996 03:33:12  [ANONYMOU,ANONYMOUS]   (RWED,RWED,,)",
           {"CII-MANUAL.TEX;1", 109056, 1996, 1, 29, 3, 33}),
      Same("DATA.DAT;2  7  3-APR-2003 10:00", {"DATA.DAT;2", 3584, 2003, 4, 3, 10, 0}),
      Same("BACKUP.SAV;1  0/0  2-FEB-2002 23:59", {"BACKUP.SAV;1", 0, 2002, 2, 2, 23, 59}),
      Same("FILE.TXT;1  2/2  1-JAN-99 10:00", {"FILE.TXT;1", 1024, 1999, 1, 1, 10, 0}),
      Same("FILE.TXT;1  2/2  12-MAR-1999 9:05", {"FILE.TXT;1", 1024, 1999, 3, 12, 9, 5}),
      Same("FILE.TXT;1\t2/2\t1-JAN-2000\t10:00", {"FILE.TXT;1", 1024, 2000, 1, 1, 10, 0}),
      Same("FILE.TXT;1  2/2  12-MAR 10:00", {"FILE.TXT;1", 1024, 0, 0, 0, 10, 0}),  // no year
      Same("A_VERY_LONG_FILE_NAME_INDEED.TXT;1", {"A_VERY_LONG_FILE_NAME_INDEED.TXT;1"}),
      Same("FILE.TXT;", {"FILE.TXT;"}),
      Same("FILE.TXT;12X  1/1", {"FILE.TXT;12", 512}),  // the version ends at the first non-digit
      // Four characters are not enough for a directory name.
      Same(".DIR;1  1/1  1-JAN-2000 12:00", {".DIR;1", 512, 2000, 1, 1, 12, 0}),
      Same("FILE.dir;1  1/1", {"FILE.dir;1", 512}),
  });
}

TEST(ParseVmsUcx, NamesDirectoriesAndPrefixesUnlikeMultiNetAndRsx) {
  ExpectRows({
      {"DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30",
       {"NOTES.TXT;12", 2048, 2001, 5, 5, 9, 30},
       {"NOTES.TXT;12", 2048, 2001, 5, 5, 9, 30},
       {"DKA0:[USER.WORK]NOTES.TXT;12", 2048, 2001, 5, 5, 9, 30}},
      {"[1,2]REPORT.TXT;4  1/1  1-JAN-1990 08:00",
       {"REPORT.TXT;4", 512, 1990, 1, 1, 8, 0},
       {"REPORT.TXT;4", 512, 1990, 1, 1, 8, 0},
       {"[1,2]REPORT.TXT;4", 512, 1990, 1, 1, 8, 0}},
      {"SUBDIR.DIR;1  1/3  1-JAN-2000 00:00:00  [USER]  (RWE,RWE,RE,E)",
       {"SUBDIR", 512, 2000, 1, 1, 0, 0, kDir},
       {"SUBDIR", 512, 2000, 1, 1, 0, 0, kDir},
       {"[SUB,DIR]", 512, 2000, 1, 1, 0, 0, kDir}},
      {"001002.DIR;1  1/1  1-JAN-1990 08:00",
       {"001002", 512, 1990, 1, 1, 8, 0, kDir},
       {"001002", 512, 1990, 1, 1, 8, 0, kDir},
       {"[001,002]", 512, 1990, 1, 1, 8, 0, kDir}},
      // Without "/", UCX gives directories the word behind the version.
      {"TOOLS.DIR;1  3  1-JAN-2000 12:00",
       {"TOOLS", 1536, 2000, 1, 1, 12, 0, kDir},
       {"TOOLS", 0, 2000, 1, 1, 12, 0, kDir},
       {"[TOO, LS]", 0, 2000, 1, 1, 12, 0, kDir}},
      {"DISK$USER:[FTP]PUB.DIR;1  1/3",
       {"PUB", 512, 0, 0, 0, 0, 0, kDir},
       {"PUB", 512, 0, 0, 0, 0, 0, kDir},
       {"[DIS,K$U]", 512, 0, 0, 0, 0, 0, kDir}},
      // Too short for two groups: the second is left blank.
      {"AB.DIR;1",
       {"AB", 0, 0, 0, 0, 0, 0, kDir},
       {"AB", 0, 0, 0, 0, 0, 0, kDir},
       {"[ AB,   ]", 0, 0, 0, 0, 0, 0, kDir}},
      {"XYZ.DIR;1",
       {"XYZ", 0, 0, 0, 0, 0, 0, kDir},
       {"XYZ", 0, 0, 0, 0, 0, 0, kDir},
       {"[XYZ,   ]", 0, 0, 0, 0, 0, 0, kDir}},
  });
}

TEST(ParseVmsUcx, DropsHeadingsSummariesAndContinuations) {
  const Expected none = {""};
  ExpectRows({
      Same("Directory DKA0:[ANONYMOUS]", none),
      Same("Total of 3 files, 12/15 blocks.", none),
      Same("Grand total of 1 directory, 3 files, 12/15 blocks.", none),
      // A long name alone on its line; its attributes follow, indented.
      Same("                    2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)", none),
      Same(" X.TXT;1  2/3  12-MAR-1999 14:05:10", none),
      Same("%RMS-E-FNF, file not found", none),
      Same("", none),
      // Only UCX knows the message.
      {"NOSUCH.TXT;1, file not found", none, {"NOSUCH.TXT;1"}, {"NOSUCH.TXT;1"}},
  });
}

TEST(ParseVmsDate, ReadsDayMonthYearOrClears) {
  struct Row {
    const char* text;
    int result, year, month, day;
  } rows[] = {
      {"12-MAR-1999", 1, 1999, 3, 12},
      {"  1-jan-99 10:00", 1, 99, 1, 1},
      {"5-FOO-2000", 1, 2000, 0, 5},
      {"x-y-z", 1, 0, 0, 0},
      {"12-MAR", 0, 0, 0, 0},
      {"12", 0, 0, 0, 0},
      {"", 0, 0, 0, 0},
  };
  for (const Row& row : rows) {
    ListingEntry entry{};
    entry.year = 7, entry.month = 7, entry.day = 7;  // cleared first
    EXPECT_EQ(ParseVmsDate(entry, row.text), row.result) << row.text;
    EXPECT_EQ(entry.year, row.year) << row.text;
    EXPECT_EQ(entry.month, row.month) << row.text;
    EXPECT_EQ(entry.day, row.day) << row.text;
  }
}

TEST(SkipWord, PassesAWordAndTheBlanksAndTabsBehindIt) {
  struct Row {
    const char* text;
    const char* rest;
  } rows[] = {
      {"abc  def", "def"}, {"abc\t def g", "def g"}, {"abc", ""}, {"", ""}, {"  abc", "abc"},
  };
  for (const Row& row : rows) EXPECT_STREQ(SkipWord(row.text), row.rest) << row.text;
}

TEST(ParseVmsUcx, ReadsNothingPastTheEndOfAnyPrefix) {
  const char* lines[] = {
      "DKA0:[USER.WORK]NOTES.TXT;12  4/6  5-MAY-2001 09:30:12  [USER]  (RWED,RWED,RE,)",
      "001002.DIR;1\t1/1\t1-JAN-1990 08:00",
      "TOOLS.DIR;1 3 1-JAN-2000 12:00",
  };
  for (const char* line : lines) {
    for (int32_t hostType : {HOST_VMS_UCX, HOST_VMS_MULTINET, HOST_PDP11_RSX11M}) {
      ParseEveryPrefix(line, [hostType](ListingEntry& entry, char* text) {
        if (hostType == HOST_VMS_UCX) {
          ParseVmsUcx(entry, text, hostType);
        } else {
          ParseVmsMultiNet(entry, text, hostType);
        }
      });
    }
  }
}

}  // namespace
}  // namespace qorda::testing
