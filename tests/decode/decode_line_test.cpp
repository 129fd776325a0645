#include "decode/decode_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

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
  EXPECT_EQ(bytes[6] | bytes[7], 0);            // second, reserved
  EXPECT_EQ(bytes[8] | bytes[12] << 8, 0x101);  // size, little-endian: 2^32 + 1
  EXPECT_EQ(bytes[16] | bytes[17] << 8, 0751);  // mode
  EXPECT_EQ(bytes[18] | bytes[19] << 8, FLAG_MODE_VALID | FLAG_YEAR_INFERRED);  // flags
  EXPECT_EQ(bytes[20], KIND_UNSTATED);                                          // kind
  EXPECT_STREQ(reinterpret_cast<const char*>(bytes + 21), "a.out");
}

// Whatever the host type, before its parser: PRIMOS decodes nothing else.
TEST(DecodeLine, ReadsPermissionBitsWhateverTheHostType) {
  HostTypes{HOST_PRIMOS}.Expect({
      {"a directory", "drwxr-xr-x   2 user  group  512 Mar  3  2019 docs", Expected{.mode = 0755}},
      {"s at position 3", "-rwsr-xr-x more", Expected{.mode = kNoMode}},
      {"t at position 9", "drwxrwxrwt more", Expected{.mode = kNoMode}},
      {"10 characters", "-rwxrwxrwx   \r\n", Expected{.mode = kNoMode}},
      {"11 characters", "-rwxrwxrwx1", Expected{.mode = 0777}},
      {"single bits", "--w---x-wx more", Expected{.mode = 0213}},
  });
}

TEST(DecodeLine, TrimsAndCutsTheLineInACopyOrInPlace) {
  HostTypes{HOST_UNIX_STANDARD}.Expect({
      {"blanks only", " \t\r\n", Expected{}},
      {"cut at 511", std::string(300, 'a') + " " + std::string(299, 'b'),
       Expected{.name = std::string(210, 'b').c_str()}},
  });
  HostTypes{HOST_MLSD}.Expect({
      {"trimmed in place", "type=file;size=7; name \r\n",
       Expected{.name = "name", .size = 7, .kind = kFile}},
      {"cut at 511 in place", "type=file; " + std::string(600, 'n'),
       Expected{.name = std::string(500, 'n').c_str(), .kind = kFile}},
      {"a size cut short", std::string(502, 'x') + "=1;size=12345; n", Expected{.size = 1}},
  });
}

TEST(NormaliseDate, CompletesAndClampsYearsMonthsAndDays) {
  const struct {
    uint16_t year;
    uint8_t month, day;
    const char* date;
  } rows[] = {
      {99, 5, 1, "1999-05-01"},   {5, 5, 1, "2005-05-01"},         {5, 5, 0, "1905-05-00"},
      {0, 1, 0, "0000-01-00"},    {0, 1, 1, "2000-01-01"},         {37, 1, 1, "2037-01-01"},
      {38, 1, 1, "2038-01-01"},   {50, 1, 1, "1950-01-01"},        {1899, 1, 1, "2038-01-01"},
      {1900, 1, 1, "1900-01-01"}, {65535, 255, 255, "2038-12-31"},
  };
  for (const auto& row : rows) {
    ListingEntry entry{};
    entry.year = row.year, entry.month = row.month, entry.day = row.day;
    NormaliseDate(entry);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", entry.year, entry.month, entry.day);
    EXPECT_STREQ(date, row.date) << row.year << "-" << +row.month << "-" << +row.day;
  }
}

// A null text reads as empty, a null record is nothing to fill.
TEST(DecodeLine, TakesNullArguments) {
  ListingEntry withNull, withEmpty;
  const ListingEntry zero{};
  for (int32_t hostType : {HOST_IBM_VM, HOST_IBM_MVS, HOST_IBM_MVS_KNET}) {
    EXPECT_EQ(QORDA_DecodeLine(&withNull, "USER.DATA.CNTL", hostType, nullptr, nullptr),
              QORDA_DecodeLine(&withEmpty, "USER.DATA.CNTL", hostType, "", ""));
    EXPECT_EQ(std::memcmp(&withNull, &withEmpty, sizeof withNull), 0) << hostType;
  }
  std::memset(&withNull, 0xA5, sizeof withNull);
  EXPECT_EQ(QORDA_DecodeLine(&withNull, nullptr, HOST_IBM_MVS, nullptr, nullptr), 0);
  EXPECT_EQ(std::memcmp(&withNull, &zero, sizeof zero), 0);  // every byte cleared
  EXPECT_EQ(QORDA_DecodeLine(nullptr, "drwxr-xr-x 2 u g 512 Mar 3 2019 docs", 6010, "", ""), 0);
}

}  // namespace
}  // namespace qorda::testing
