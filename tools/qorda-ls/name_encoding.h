// Names are bytes in the server's code page; qorda-ls writes UTF-8 only.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace qorda::ls {

// Converts names to UTF-8 with iconv. Without a code page, a name that is
// already valid UTF-8 stays as it is and any other is read as cp1252, the
// code page of the Windows servers most non-UTF-8 names come from. Bytes the
// code page does not define become U+FFFD.
class NameConverter {
 public:
  // Empty codePage: the default above. Throws std::invalid_argument when iconv
  // does not know the code page.
  explicit NameConverter(const std::string& codePage);
  ~NameConverter();
  NameConverter(const NameConverter&) = delete;
  NameConverter& operator=(const NameConverter&) = delete;

  // The UTF-8 form of text, valid until the next call. ASCII text, the
  // usual name, is its own UTF-8 form in every ASCII-based code page and
  // skips iconv: isAscii says so, from the caller's look at its bytes.
  std::string_view ToUtf8(std::string_view text, bool isAscii) {
    if (isAscii && asciiIsIdentity_) return text;
    return ToUtf8ByIconv(text);
  }
  // The general path, for every text.
  std::string_view ToUtf8ByIconv(std::string_view text);

 private:
  bool Convert(iconv_t converter, std::string_view text, bool replaceInvalid);

  iconv_t fromCodePage_;
  iconv_t strictUtf8_ = reinterpret_cast<iconv_t>(-1);  // validates in the default mode
  std::string converted_;
  bool asciiIsIdentity_ = false;  // the code page maps ASCII to itself
};

}  // namespace qorda::ls
