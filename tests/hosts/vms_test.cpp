#include "hosts/vms.h"

#include <gtest/gtest.h>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

TEST(ParseVmsUcx, ReadsFilesLikeMultiNetAndRsx) {
  ExpectRows(
      {
          {"LOGIN.COM;3  2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)",
           {"LOGIN.COM;3", 1024, 1999, 3, 12, 14, 5}},
          // Published listing: the "-" in the name is not taken for the date's.
          {"CII-MANUAL.TEX;1  213/216  29-JAN-1996 03:33:12  [ANONYMOU,ANONYMOUS]   (RWED,RWED,,)",
           {"CII-MANUAL.TEX;1", 109056, 1996, 1, 29, 3, 33}},
          {"DATA.DAT;2  7  3-APR-2003 10:00", {"DATA.DAT;2", 3584, 2003, 4, 3, 10, 0}},
          {"FILE.TXT;1\t2/2\t1-JAN-99\t10:00", {"FILE.TXT;1", 1024, 1999, 1, 1, 10, 0}},
          {"FILE.TXT;1  2/2  12-MAR-1999 9:05", {"FILE.TXT;1", 1024, 1999, 3, 12, 9, 5}},
          {"FILE.TXT;1  2/2  12-MAR 10:00", {"FILE.TXT;1", 1024, 0, 0, 0, 10, 0}},  // no year
          {"FILE.TXT;12X  1/1", {"FILE.TXT;12", 512}},  // the version ends at the first non-digit
          // Four characters are not enough for a directory name; ".dir" is none.
          {".DIR;1  1/1  1-JAN-2000 12:00", {".DIR;1", 512, 2000, 1, 1, 12, 0}},
          {"FILE.dir;1  1/1", {"FILE.dir;1", 512}},
      },
      {HOST_VMS_UCX, HOST_VMS_MULTINET, HOST_PDP11_RSX11M});
}

TEST(ParseVmsUcx, NamesDirectoriesAndPrefixesUnlikeMultiNetAndRsx) {
  // MultiNet reads as UCX where the row gives it no result of its own.
  struct {
    const char* line;
    Expected ucx, rsx, multiNet = {};
  } rows[] = {
      {"DKA0:[USER.WORK]NOTES.TXT;12  4  5-MAY-2001 09:30",
       {"NOTES.TXT;12", 2048, 2001, 5, 5, 9, 30},
       {"DKA0:[USER.WORK]NOTES.TXT;12", 2048, 2001, 5, 5, 9, 30}},
      {"001002.DIR;1  1/1  1-JAN-1990 08:00",
       {"001002", 512, 1990, 1, 1, 8, 0, kDir},
       {"[001,002]", 512, 1990, 1, 1, 8, 0, kDir}},
      // Without "/", UCX gives directories the word behind the version.
      {"TOOLS.DIR;1  3  1-JAN-2000 12:00",
       {"TOOLS", 1536, 2000, 1, 1, 12, 0, kDir},
       {"[TOO, LS]", 0, 2000, 1, 1, 12, 0, kDir},
       {"TOOLS", 0, 2000, 1, 1, 12, 0, kDir}},
      {"DISK$USER:[FTP]PUB.DIR;1  1/3",
       {"PUB", 512, 0, 0, 0, 0, 0, kDir},
       {"[DIS,K$U]", 512, 0, 0, 0, 0, 0, kDir}},
      // Too short for two groups: the second is left blank.
      {"AB.DIR;1", {"AB", 0, 0, 0, 0, 0, 0, kDir}, {"[ AB,   ]", 0, 0, 0, 0, 0, 0, kDir}},
      // Only UCX knows the message.
      {"NOSUCH.TXT;1, file not found", {""}, {"NOSUCH.TXT;1"}, {"NOSUCH.TXT;1"}},
  };
  for (const auto& row : rows) {
    ExpectRows({{row.line, row.ucx}}, {HOST_VMS_UCX});
    ExpectRows({{row.line, row.multiNet.name != nullptr ? row.multiNet : row.ucx}},
               {HOST_VMS_MULTINET});
    ExpectRows({{row.line, row.rsx}}, {HOST_PDP11_RSX11M});
  }
}

TEST(ParseVmsUcx, DropsHeadingsSummariesAndContinuations) {
  ExpectDropped(
      {
          "Directory DKA0:[ANONYMOUS]",
          "Total of 3 files, 12/15 blocks.",
          // A long name alone on its line; its attributes follow, indented.
          "                    2/3  12-MAR-1999 14:05:10  [SYSTEM]  (RWED,RWED,RE,)",
          "%RMS-E-FNF, file not found",
      },
      {HOST_VMS_UCX, HOST_VMS_MULTINET, HOST_PDP11_RSX11M});
}

TEST(ParseVmsDate, ReadsDayMonthYearOrClears) {
  struct {
    const char* text;
    int result, year, month, day;
  } rows[] = {
      {"  1-jan-99 10:00", 1, 99, 1, 1},
      {"5-FOO-2000", 1, 2000, 0, 5},
      {"12-MAR", 0, 0, 0, 0},
      {"12", 0, 0, 0, 0},
  };
  for (const auto& row : rows) {
    ListingEntry entry{};
    entry.year = 7, entry.month = 7, entry.day = 7;  // cleared first
    EXPECT_EQ(ParseVmsDate(entry, row.text), row.result) << row.text;
    EXPECT_EQ(entry.year, row.year) << row.text;
    EXPECT_EQ(entry.month, row.month) << row.text;
    EXPECT_EQ(entry.day, row.day) << row.text;
  }
}

}  // namespace
}  // namespace qorda::testing
