// Helpers shared by the tests: decode a line as a caller does, fix the
// clock, and build fixed-column lines.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/clock.h"
#include "qordahosts.h"

namespace qorda::testing {

struct Decoded {
  int32_t result;
  ListingEntry entry;
};

// Decodes through the exported entry point, so that the decoder's clearing,
// permission test and date normalisation are part of every result.
Decoded Decode(std::string_view line, int32_t hostTypeId, const char* currentDirectory = "",
               const char* datasetPrefix = "");

// Fixes the clock for the lifetime of the object.
class FixedClock {
 public:
  FixedClock(int year, int month) { SetClockForTesting({year, month}); }
  ~FixedClock() { ResetClockForTesting(); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;
};

// A line with each text placed at its 0-based column, blanks between:
// Columns({{0, "NAME"}, {12, "42"}}) is "NAME        42".
std::string Columns(std::initializer_list<std::pair<int, std::string_view>> fields);

// The fields a test table states; a row compares only what it names.
struct Expected {
  const char* name;
  int64_t size = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  int kind = KIND_UNSTATED;
  int flags = 0;  // compared without FLAG_MODE_VALID, which the permission tests cover
};

// gtest assertion text for the first field that differs, or empty.
std::string Mismatch(const Decoded& decoded, const Expected& expected);

// The kinds and flags as the tables write them.
constexpr int kFile = KIND_FILE;
constexpr int kDir = KIND_DIRECTORY;
constexpr int kLink = KIND_LINK;
constexpr int kObject = KIND_OBJECT;
constexpr int kNoTime = FLAG_NO_TIME;
constexpr int kInferred = FLAG_YEAR_INFERRED;

// A listing line and the fields it must decode to.
struct Row {
  std::string line;
  Expected expected;
};

// Decodes every row under every host type given and compares the fields the
// row names; then runs the host type's parser on every prefix of the line,
// each in a heap block of exactly its size, so that the sanitize build
// reports a parser that reads past a line's end (the decoder's own 512-byte
// copy would hide it).
void ExpectRows(std::span<const Row> rows, std::initializer_list<int32_t> hostTypes);
inline void ExpectRows(std::initializer_list<Row> rows, std::initializer_list<int32_t> hostTypes) {
  ExpectRows(std::span<const Row>(rows.begin(), rows.size()), hostTypes);
}

// Lines that are no entry under every host type given, with the same check
// of every prefix.
void ExpectDropped(std::initializer_list<std::string_view> lines,
                   std::initializer_list<int32_t> hostTypes);

}  // namespace qorda::testing
