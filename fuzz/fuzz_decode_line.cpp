// One listing line under any host type, with any current directory and data
// set prefix: the record obeys its rules, the caller's texts stay unchanged
// and a stateless host type decodes the line the same way twice.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"

using namespace qorda::fuzzing;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FixClock();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  Input input = SplitInput(data, size);
  std::string line(input.rest.substr(0, input.rest.find('\0')));
  DecodeAndCheck(line, input, true);

  // Null texts read as empty, a null record is nothing to fill.
  ListingEntry entry;
  if (input.options & 1) {
    CheckEntry(entry, QORDA_DecodeLine(&entry, line.c_str(), input.hostTypeId, nullptr, nullptr),
               line);
  }
  if (input.options & 2) {
    if (QORDA_DecodeLine(nullptr, line.c_str(), input.hostTypeId, "", "") != 0) {
      Fail("a null record gave a non-zero result", line);
    }
    CheckEntry(entry, QORDA_DecodeLine(&entry, nullptr, input.hostTypeId, "", ""), line);
  }
  return 0;
}
