#include "text_escape.h"

#include <nlohmann/json.hpp>

namespace qorda::ls {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHexEscape(std::string& out, const char* prefix, uint8_t byte) {
  out += prefix;
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0xF];
}

// A C1 control in UTF-8: C2 80 to C2 9F.
bool IsC1At(std::string_view text, size_t index) {
  return static_cast<uint8_t>(text[index]) == 0xC2 && index + 1 < text.size() &&
         static_cast<uint8_t>(text[index + 1]) >= 0x80 &&
         static_cast<uint8_t>(text[index + 1]) <= 0x9F;
}

// The length of the valid UTF-8 sequence at index, or 0. An overlong form
// (E0 82 9B is a C1 control written long), a surrogate or a code point past
// U+10FFFF is not valid: a terminal may still act on it, so it is escaped.
size_t Utf8SequenceAt(std::string_view text, size_t index) {
  const auto lead = static_cast<uint8_t>(text[index]);
  const size_t length = lead >= 0xF5   ? 0
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC2 ? 2
                                       : 0;
  if (length == 0 || index + length > text.size()) return 0;
  const auto second = static_cast<uint8_t>(text[index + 1]);
  const uint8_t lowest = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const uint8_t highest = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (second < lowest || second > highest) return 0;
  for (size_t i = 2; i < length; ++i) {
    if ((static_cast<uint8_t>(text[index + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

void AppendTerminalSafe(std::string_view utf8, std::string& out) {
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<uint8_t>(utf8[i]);
    if (kByteClasses[byte] == kControl) {
      AppendHexEscape(out, "\\x", byte);
    } else if (IsC1At(utf8, i)) {
      AppendHexEscape(out, "\\u00", static_cast<uint8_t>(utf8[++i]));
    } else if (byte < 0x80) {
      out += utf8[i];
    } else if (const size_t length = Utf8SequenceAt(utf8, i); length > 0) {
      out.append(utf8.substr(i, length));
      i += length - 1;
    } else {
      AppendHexEscape(out, "\\x", byte);  // server text that never met the converter
    }
  }
}

std::string TerminalSafe(std::string_view utf8) {
  std::string out;
  AppendTerminalSafe(utf8, out);
  return out;
}

void AppendJsonStringGeneral(std::string_view utf8, std::string& out) {
  const std::string dumped =
      nlohmann::json(utf8).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  for (size_t i = 0; i < dumped.size(); ++i) {
    if (dumped[i] == 0x7F) {
      out += "\\u007f";
    } else if (IsC1At(dumped, i)) {
      AppendHexEscape(out, "\\u00", static_cast<uint8_t>(dumped[++i]));
    } else {
      out += dumped[i];
    }
  }
}

std::string JsonString(std::string_view utf8) {
  std::string out;
  AppendJsonStringGeneral(utf8, out);
  return out;
}

void AppendCsvFieldGeneral(std::string_view utf8, std::string& out) {
  const std::string safe = TerminalSafe(utf8);
  if (safe.find_first_of(",\"") == std::string::npos) {
    out += safe;
    return;
  }
  out += '"';
  for (char c : safe) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string_view TableText(std::string_view utf8, uint8_t classes, std::string& scratch) {
  if ((classes & kTableSpecial) == 0) return utf8;
  scratch.clear();
  AppendTerminalSafe(utf8, scratch);
  return scratch;
}

std::string_view JsonStringBody(std::string_view utf8, uint8_t classes, std::string& scratch) {
  if ((classes & kJsonSpecial) == 0) return utf8;
  scratch.clear();
  AppendJsonStringGeneral(utf8, scratch);
  return std::string_view(scratch).substr(1, scratch.size() - 2);
}

std::string_view CsvField(std::string_view utf8, uint8_t classes, std::string& scratch) {
  if ((classes & kCsvSpecial) == 0) return utf8;
  scratch.clear();
  AppendCsvFieldGeneral(utf8, scratch);
  return scratch;
}

}  // namespace qorda::ls
