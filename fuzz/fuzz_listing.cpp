// A whole listing decoded line by line in order under one host type, as a
// client does: the AS/400 and Stratus VOS parsers carry state from line to
// line, and every record must still obey its rules.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"

using namespace qorda::fuzzing;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FixClock();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  Input input = SplitInput(data, size);
  std::string_view listing = input.rest;
  while (!listing.empty()) {
    std::size_t end = listing.find('\n');
    std::string_view line = listing.substr(0, end);
    listing = end == std::string_view::npos ? std::string_view() : listing.substr(end + 1);
    // Keep the CR: servers send CR LF, and the decoder trims it.
    DecodeAndCheck(std::string(line.substr(0, line.find('\0'))), input, false);
  }
  return 0;
}
