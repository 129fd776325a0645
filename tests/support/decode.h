// Helpers shared by the tests: decode a line as a caller does, fix the
// clock, and build fixed-column lines.
#pragma once

#include <cstdint>
#include <initializer_list>
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

}  // namespace qorda::testing
