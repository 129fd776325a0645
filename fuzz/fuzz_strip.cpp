// Strip: removes only trailing CR, LF, blanks and tabs, in place, and
// answers the new length.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_support.h"

using namespace qorda::fuzzing;

namespace {

bool IsTrailingSpace(char c) {
  return c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string original(reinterpret_cast<const char*>(data), size);
  original.resize(std::strlen(original.c_str()));
  std::unique_ptr<char[]> text(new char[original.size() + 1]);
  std::memcpy(text.get(), original.c_str(), original.size() + 1);

  int32_t length = Strip(text.get());
  if (length < 0 || static_cast<std::size_t>(length) > original.size()) {
    Fail("Strip gave a length outside the text", original);
  }
  std::size_t kept = static_cast<std::size_t>(length);
  if (std::strlen(text.get()) != kept) Fail("Strip's result is not the new length", original);
  if (original.compare(0, kept, text.get()) != 0) Fail("Strip changed the kept text", original);
  for (std::size_t i = kept; i < original.size(); ++i) {
    if (!IsTrailingSpace(original[i])) Fail("Strip removed more than trailing space", original);
  }
  if (kept > 0 && IsTrailingSpace(original[kept - 1])) Fail("Strip left trailing space", original);
  if (Strip(nullptr) != 0) Fail("Strip of a null text is not 0", original);
  return 0;
}
