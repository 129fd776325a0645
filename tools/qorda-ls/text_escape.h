// Server bytes made safe for where they go: a terminal, JSON, CSV. Each
// format has a general path and a fast one for the usual name, plain
// printable ASCII, which is copied as it is; the two agree (tested).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qorda::ls {

// ASCII upper case to lower, byte-exact whatever the locale.
constexpr char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// What a byte asks of each output; a text's classes are its bytes' or-ed.
enum ByteClass : uint8_t {
  kNonAscii = 0x01,   // 0x80 and above: converted, and C1 controls escaped
  kControl = 0x02,    // C0 but the tab, and DEL: escaped everywhere
  kTab = 0x04,        // escaped in JSON only
  kQuote = 0x08,      // '"': JSON and CSV
  kBackslash = 0x10,  // JSON
  kComma = 0x20,      // CSV
};

// The classes that keep a text off the fast path of each output.
constexpr uint8_t kTableSpecial = kNonAscii | kControl;
constexpr uint8_t kJsonSpecial = kNonAscii | kControl | kTab | kQuote | kBackslash;
constexpr uint8_t kCsvSpecial = kNonAscii | kControl | kQuote | kComma;

constexpr std::array<uint8_t, 256> MakeByteClasses() {
  std::array<uint8_t, 256> classes{};
  for (int byte = 0; byte < 256; ++byte) {
    uint8_t& c = classes[static_cast<size_t>(byte)];
    if (byte >= 0x80) c = kNonAscii;
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F) c = kControl;
  }
  classes['\t'] = kTab;
  classes['"'] = kQuote;
  classes['\\'] = kBackslash;
  classes[','] = kComma;
  return classes;
}
inline constexpr std::array<uint8_t, 256> kByteClasses = MakeByteClasses();

// The general path: a byte at a time through the table.
inline uint8_t ClassesOfBytes(std::string_view text) {
  uint8_t classes = 0;
  for (char c : text) classes |= kByteClasses[static_cast<uint8_t>(c)];
  return classes;
}

// Whether some byte of word is below n (n at most 0x80), or equal to c.
constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHighBits = 0x8080808080808080;
constexpr uint64_t HasByteBelow(uint64_t word, uint8_t n) {
  return (word - kOnes * n) & ~word & kHighBits;
}
constexpr uint64_t HasByte(uint64_t word, uint8_t c) {
  return HasByteBelow(word ^ (kOnes * c), 1);
}

// The fast path: eight bytes at a time, answering 0 at once for the usual
// name, which no output changes; any other text goes through the table.
inline uint8_t ClassesOf(std::string_view text) {
  const char* at = text.data();
  const char* const end = at + text.size();
  for (; end - at >= 8; at += 8) {
    uint64_t word;
    std::memcpy(&word, at, 8);
    const uint64_t special = (word & kHighBits) | HasByteBelow(word, 0x20) | HasByte(word, 0x7F) |
                             HasByte(word, '"') | HasByte(word, '\\') | HasByte(word, ',');
    if (special != 0) return ClassesOfBytes(text);
  }
  return ClassesOfBytes({at, static_cast<size_t>(end - at)});
}

// The text as each output shows it, between the JSON quotes for JSON:
// utf8 itself when its classes ask for nothing, else scratch filled by the
// general path below.
std::string_view TableText(std::string_view utf8, uint8_t classes, std::string& scratch);
std::string_view JsonStringBody(std::string_view utf8, uint8_t classes, std::string& scratch);
std::string_view CsvField(std::string_view utf8, uint8_t classes, std::string& scratch);

// UTF-8 text for a terminal: C0 controls but the tab, and DEL, as "\x1b";
// C1 controls as "\u009b"; bytes that are no UTF-8 as "\xff". The table,
// CSV and standard error show text so.
void AppendTerminalSafe(std::string_view utf8, std::string& out);
std::string TerminalSafe(std::string_view utf8);

// A JSON string through the JSON library, with DEL and the C1 controls
// escaped as well, as some terminals act on them.
void AppendJsonStringGeneral(std::string_view utf8, std::string& out);
std::string JsonString(std::string_view utf8);

// A CSV field: terminal-safe, then quoted as RFC 4180 asks when it holds a
// comma or a quote.
void AppendCsvFieldGeneral(std::string_view utf8, std::string& out);

}  // namespace qorda::ls
