#include "decode/decode_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "qordahosts.h"
#include "support/decode.h"

extern "C" int HeaderOffsetsAsSeenFromC(void);

namespace qorda::testing {
namespace {

TEST(RecordLayout, FieldsSitAtTheirByteOffsets) {
  EXPECT_EQ(HeaderOffsetsAsSeenFromC(), 1);
  FixedClock clock(2026, 6);
  Decoded decoded = Decode("-rwxr-x--x   1 owner    group  4294967297 Mar  3 12:30 a.out", 6010);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&decoded.entry);
  EXPECT_EQ(bytes[0] | bytes[1] << 8, 2026);    // year
  EXPECT_EQ(bytes[2], 3);                       // month
  EXPECT_EQ(bytes[3], 3);                       // day
  EXPECT_EQ(bytes[4], 12);                      // hour
  EXPECT_EQ(bytes[5], 30);                      // minute
  EXPECT_EQ(bytes[6], 0);                       // second
  EXPECT_EQ(bytes[7], 0);                       // reserved
  EXPECT_EQ(bytes[8], 1);                       // size, little-endian
  EXPECT_EQ(bytes[12], 1);                      // size bit 32
  EXPECT_EQ(bytes[16] | bytes[17] << 8, 0751);  // mode
  EXPECT_EQ(bytes[18] | bytes[19] << 8, FLAG_MODE_VALID | FLAG_YEAR_INFERRED);  // flags
  EXPECT_EQ(bytes[20], KIND_UNSTATED);                                          // kind
  EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 21), "a.out");
}

struct PermissionRow {
  const char* line;
  bool valid;
  int mode;
};

TEST(PermissionTest, ReadsModeBitsWhateverTheHostType) {
  const PermissionRow rows[] = {
      {"drwxr-xr-x   2 user  group  512 Mar  3  2019 docs", true, 0755},
      {"-rw-r--r-- more", true, 0644},
      {"-rwsr-xr-x   1 root  root  512 Mar  3  2019 su", false, 0},   // s at position 3
      {"drwxrwxrwt   2 root  root  512 Mar  3  2019 tmp", false, 0},  // t at position 9
      {"-rwxr-Sr-x   1 root  root  512 Mar  3  2019 x", true, 0745},  // S adds nothing
      {"-rwxrwxrwx", false, 0},                                       // exactly 10 characters
      {"-rwxrwxrwx   \r\n", false, 0},                                // trailing blanks don't count
      {"-rwxrwxrwx1", true, 0777},
      {" drwxr-xr-x 2 user group 512 Mar 3 2019 docs", false, 0},  // shifted by a blank
      {"x---------x", true, 0},
      {"--w---x-wx more", true, 0213},  // single bits, each in its own place
      {"-r-xw-r-wx more", true, 0503},  // a letter counts only where it belongs
  };
  const int hostTypes[] = {6010, HOST_IBM_MVS, HOST_PRIMOS, 17, 0};
  for (const PermissionRow& row : rows) {
    for (int hostType : hostTypes) {
      Decoded decoded = Decode(row.line, hostType);
      EXPECT_EQ(decoded.entry.flags & FLAG_MODE_VALID, row.valid ? FLAG_MODE_VALID : 0)
          << row.line << " host " << hostType;
      EXPECT_EQ(decoded.entry.mode, row.mode) << row.line << " host " << hostType;
    }
  }
}

TEST(DecodeLine, ClearsTheRecordAndDropsEmptyLines) {
  const char* blankLines[] = {"", "   \t  ", "\r\n", " \t\r\n", "total 24"};
  for (const char* line : blankLines) {
    Decoded decoded = Decode(line, 6010);
    EXPECT_EQ(decoded.result, 0) << '"' << line << '"';
    ListingEntry zero{};
    EXPECT_EQ(std::memcmp(&decoded.entry, &zero, sizeof zero), 0) << '"' << line << '"';
  }
}

TEST(DecodeLine, SeesOnlyTheFirst511Characters) {
  // The name is the last word; a 600-character line is cut at 511, in the
  // middle of its second word.
  std::string line = std::string(300, 'a') + " " + std::string(299, 'b');
  Decoded decoded = Decode(line, 6010);
  EXPECT_EQ(decoded.result, 511 - 301);
  EXPECT_EQ(std::string(decoded.entry.name), std::string(210, 'b'));
}

TEST(DecodeLine, ParsersReadingInPlaceSeeTheLineTrimmedAndCut) {
  // No copy is made for them, so the trimming and the cut at 511 happen in
  // the length they are given alone.
  const std::string longName(600, 'n');
  EXPECT_EQ(
      Mismatch(Decode("type=file;size=7; name \r\n", HOST_MLSD), {"name", 7, 0, 0, 0, 0, 0, kFile}),
      "");
  Decoded cut = Decode("type=file; " + longName, HOST_MLSD);
  EXPECT_EQ(std::string(cut.entry.name), longName.substr(0, 511 - 11));
  // "size=12345" cut after its first digit, where more digits follow.
  EXPECT_EQ(Mismatch(Decode(std::string(502, 'x') + "=1;size=12345; n", HOST_MLSD), {"", 1}), "");
  Decoded mode = Decode("-rw-r--r--=1; n", HOST_MLSD);
  const int modeBits = mode.entry.mode;  // the record is packed: copied out, not bound
  EXPECT_EQ(modeBits, 0644);
  EXPECT_NE(mode.entry.flags & FLAG_MODE_VALID, 0);
}

TEST(DecodeLine, UnknownIdsAndTableIndexesUseTheUnixParser) {
  FixedClock clock(2026, 6);
  const char* line = "-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt";
  for (int hostType : {0, 17, 72, 5994, 5996, 5999, 6000, 6010, 6073, -1, 100000}) {
    Decoded decoded = Decode(line, hostType);
    EXPECT_EQ(Mismatch(decoded, {"file name.txt", 1234, 2026, 1, 12, 12, 30, KIND_UNSTATED,
                                 FLAG_YEAR_INFERRED}),
              "")
        << "host " << hostType;
  }
}

struct DateRow {
  int year, month, day;
  int wantYear, wantMonth, wantDay;
};

TEST(NormaliseDate, CompletesAndClampsYearsMonthsAndDays) {
  const DateRow rows[] = {
      {99, 5, 1, 1999, 5, 1},   {5, 5, 1, 2005, 5, 1},        {5, 5, 0, 1905, 5, 0},
      {0, 0, 0, 0, 0, 0},       {0, 1, 0, 0, 1, 0},           {0, 1, 1, 2000, 1, 1},
      {40, 1, 1, 2038, 1, 1},   {37, 1, 1, 2037, 1, 1},       {49, 1, 1, 2038, 1, 1},
      {50, 1, 1, 1950, 1, 1},   {100, 0, 0, 2000, 0, 0},      {137, 1, 1, 2037, 1, 1},
      {138, 1, 1, 2038, 1, 1},  {1899, 1, 1, 2038, 1, 1},     {1900, 1, 1, 1900, 1, 1},
      {2050, 1, 1, 2038, 1, 1}, {2019, 13, 45, 2019, 12, 31}, {65535, 255, 255, 2038, 12, 31},
  };
  for (const DateRow& row : rows) {
    ListingEntry entry{};
    entry.year = static_cast<uint16_t>(row.year);
    entry.month = static_cast<uint8_t>(row.month);
    entry.day = static_cast<uint8_t>(row.day);
    NormaliseDate(entry);
    EXPECT_EQ(entry.year, row.wantYear) << row.year << "-" << row.month << "-" << row.day;
    EXPECT_EQ(entry.month, row.wantMonth) << row.year << "-" << row.month << "-" << row.day;
    EXPECT_EQ(entry.day, row.wantDay) << row.year << "-" << row.month << "-" << row.day;
  }
}

TEST(DecodeLine, NullArgumentsAreHarmless) {
  ListingEntry entry;
  EXPECT_EQ(QORDA_DecodeLine(&entry, nullptr, 6010, nullptr, nullptr), 0);
  EXPECT_EQ(QORDA_DecodeLine(nullptr, "x", 6010, nullptr, nullptr), 0);
  EXPECT_EQ(QORDA_DecodeLine(&entry, "name", 6010, nullptr, nullptr), 4);
}

}  // namespace
}  // namespace qorda::testing
