// Runs a parser on every prefix of a line, each in a heap block of exactly
// its own size: under the sanitize preset, a read past a line's terminator
// is reported as a heap overflow (the decoder's 512-byte stack copy would
// hide it).
#pragma once

#include <cstring>
#include <memory>
#include <string_view>

#include "qordahosts.h"

namespace qorda::testing {

template <typename Parser>
void ParseEveryPrefix(std::string_view line, Parser parse) {
  for (std::size_t length = 0; length <= line.size(); ++length) {
    std::unique_ptr<char[]> copy(new char[length + 1]);
    std::memcpy(copy.get(), line.data(), length);
    copy[length] = '\0';
    ListingEntry entry{};
    parse(entry, copy.get());
  }
}

}  // namespace qorda::testing
