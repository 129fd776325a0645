// What the tests share: decode a line as a caller does, fix the clock, and
// hold tables of listing lines against the records they must give.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "qordahosts.h"

namespace qorda::testing {

struct Decoded {
  int32_t result;
  ListingEntry entry;
};

// Through the exported entry point, so that the decoder's clearing,
// permission test and date normalisation are part of every result.
Decoded Decode(std::string_view line, int32_t hostTypeId, const char* context = "");

// Fixes the clock, from which a "12:30" date takes its year, while it lives.
struct FixedClock {
  FixedClock(int year, int month) { SetClockForTesting({year, month}); }
  ~FixedClock() { ResetClockForTesting(); }
};

// The record a line must give: a field left out must be zero, and a line
// that is no entry has an empty name.
struct Expected {
  const char* name = "";
  int64_t size = 0;
  const char* date = "";  // "yyyy-mm-dd", " hh:mm" and ":ss" behind when they are set
  int kind = KIND_UNSTATED;
  int flags = 0;  // FLAG_NO_TIME and FLAG_YEAR_INFERRED
  int mode = -1;  // the permission bits, or kNoMode; -1 leaves them unchecked
};
constexpr int kNoMode = -2;
constexpr int kFile = KIND_FILE, kDir = KIND_DIRECTORY, kLink = KIND_LINK, kObject = KIND_OBJECT;
constexpr int kNoTime = FLAG_NO_TIME, kInferred = FLAG_YEAR_INFERRED;

// A named listing line and its record:
//   {"a directory", "drwxr-xr-x 2 o g 512 Mar 3 2019 docs", Expected{.name = "docs", ...}}
struct Row {
  const char* label;
  std::string line;
  Expected expected;
  const char* context = "";  // the current directory and the data set prefix
};

// The first field of the record that differs from expected; empty if none.
std::string Mismatch(const Decoded& decoded, const Expected& expected);

// HostTypes{HOST_VMS_UCX, HOST_VMS_MULTINET}.Expect({rows}) decodes every
// row in order under every host type, then parses every prefix of the line
// in a heap block of exactly its size (unterminated on a route that reads in
// place): the sanitizers catch a read past a line's end that the decoder's
// own 512-byte copy would hide.
class HostTypes {
 public:
  HostTypes(std::initializer_list<int32_t> ids) : ids_(ids) {}
  void Expect(std::initializer_list<Row> rows) const;

 private:
  std::vector<int32_t> ids_;
};

}  // namespace qorda::testing
