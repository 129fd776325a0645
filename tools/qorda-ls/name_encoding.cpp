#include "name_encoding.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace qorda::ls {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

std::string AsciiBytes() {
  std::string bytes;
  for (char c = 1; c < 0x7F; ++c) bytes += c;
  return bytes + '\x7F';
}

}  // namespace

NameConverter::NameConverter(const std::string& codePage)
    : fromCodePage_(iconv_open("UTF-8", codePage.empty() ? "CP1252" : codePage.c_str())) {
  if (fromCodePage_ == kNoConverter) {
    throw std::invalid_argument("unknown encoding '" + codePage + "'");
  }
  if (codePage.empty()) strictUtf8_ = iconv_open("UTF-8", "UTF-8");
  // EBCDIC and the like map ASCII bytes elsewhere and always go through iconv.
  const std::string ascii = AsciiBytes();
  asciiIsIdentity_ = ToUtf8ByIconv(ascii) == ascii;
}

NameConverter::~NameConverter() {
  iconv_close(fromCodePage_);
  if (strictUtf8_ != kNoConverter) iconv_close(strictUtf8_);
}

std::string_view NameConverter::ToUtf8ByIconv(std::string_view text) {
  if (strictUtf8_ != kNoConverter && Convert(strictUtf8_, text, false)) return converted_;
  Convert(fromCodePage_, text, true);
  return converted_;
}

// Converts text into converted_. Without replaceInvalid, stops and answers
// false at the first byte the code page does not define.
bool NameConverter::Convert(iconv_t converter, std::string_view text, bool replaceInvalid) {
  converted_.resize(text.size() * 4 + 4);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  size_t written = 0;
  while (inLeft > 0) {
    char* out = converted_.data() + written;
    size_t outLeft = converted_.size() - written;
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    written = converted_.size() - outLeft;
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      converted_.resize(converted_.size() * 2);
      continue;
    }
    // EILSEQ or EINVAL: a byte (or a cut sequence) that the code page lacks.
    if (!replaceInvalid) return false;
    converted_.resize(std::max(converted_.size(), written + kReplacement.size() + inLeft * 4));
    converted_.replace(written, kReplacement.size(), kReplacement);
    written += kReplacement.size();
    ++in;
    --inLeft;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
  converted_.resize(written);
  return true;
}

}  // namespace qorda::ls
