// A client may hand the decoder whatever it has at hand, including null
// pointers: a null text reads as empty, a null record is nothing to fill.
#include <gtest/gtest.h>

#include <cstring>

#include "qordahosts.h"
#include "support/decode.h"

namespace qorda::testing {
namespace {

struct NullTextRow {
  int32_t hostTypeId;
  const char* currentDirectory;
  const char* datasetPrefix;
};

TEST(NullArguments, NullContextTextsDecodeAsEmptyOnes) {
  FixedClock clock(2026, 6);
  const char* line = "-rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt";
  const NullTextRow rows[] = {
      {HOST_UNIX_STANDARD, nullptr, nullptr},
      {HOST_IBM_VM, nullptr, ""},
      {HOST_IBM_MVS, nullptr, ""},
      {HOST_IBM_MVS_C_SERVER, nullptr, ""},
      {HOST_IBM_MVS_KNET, "", nullptr},
      {HOST_AUTO, nullptr, nullptr},
  };
  for (const NullTextRow& row : rows) {
    ListingEntry withNull, withEmpty;
    std::memset(&withNull, 0xA5, sizeof withNull);
    int32_t nullResult =
        QORDA_DecodeLine(&withNull, line, row.hostTypeId, row.currentDirectory, row.datasetPrefix);
    int32_t emptyResult = QORDA_DecodeLine(&withEmpty, line, row.hostTypeId, "", "");
    EXPECT_EQ(nullResult, emptyResult) << "host " << row.hostTypeId;
    EXPECT_EQ(std::memcmp(&withNull, &withEmpty, sizeof withNull), 0) << "host " << row.hostTypeId;
  }
}

TEST(NullArguments, NullLineLeavesTheRecordCleared) {
  const int32_t hostTypes[] = {HOST_UNIX_STANDARD, HOST_IBM_MVS, HOST_PRIMOS, HOST_NAME_LIST, 0};
  for (int32_t hostTypeId : hostTypes) {
    ListingEntry entry;
    std::memset(&entry, 0xA5, sizeof entry);
    EXPECT_EQ(QORDA_DecodeLine(&entry, nullptr, hostTypeId, nullptr, nullptr), 0);
    ListingEntry zero{};
    EXPECT_EQ(std::memcmp(&entry, &zero, sizeof zero), 0) << "host " << hostTypeId;
  }
}

TEST(NullArguments, NullRecordIsNothingToFill) {
  EXPECT_EQ(
      QORDA_DecodeLine(nullptr, "drwxr-xr-x 2 u g 512 Mar 3 2019 docs", HOST_UNIX_STANDARD, "", ""),
      0);
  EXPECT_EQ(QORDA_DecodeLine(nullptr, nullptr, HOST_IBM_MVS, nullptr, nullptr), 0);
}

TEST(NullArguments, StripOfANullTextIsZero) {
  EXPECT_EQ(Strip(nullptr), 0);
}

}  // namespace
}  // namespace qorda::testing
