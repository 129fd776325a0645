#include "scan/text.h"

#include <array>
#include <bit>
#include <cstring>
#include <iterator>

namespace qorda {
namespace {

struct MonthName {
  char letters[4];
  int month;
};

// Tried in order; "M\xE4r" is "Mär" in the Western European code page and
// its middle byte must match exactly.
constexpr MonthName kMonthNames[] = {
    {"Jan", 1},  {"Feb", 2},  {"Mar", 3},  {"M\xE4r", 3}, {"Apr", 4},  {"May", 5},
    {"Mai", 5},  {"Maj", 5},  {"Jun", 6},  {"Jul", 7},    {"Aug", 8},  {"Sep", 9},
    {"Oct", 10}, {"Okt", 10}, {"Nov", 11}, {"Dec", 12},   {"Dez", 12},
};

// The three letters lower-cased in one integer, so that a name is matched
// with one comparison per month.
constexpr uint32_t LowerKey(const char* letters) {
  return static_cast<uint32_t>(static_cast<unsigned char>(ToLower(letters[0]))) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(ToLower(letters[1]))) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(ToLower(letters[2])));
}

constexpr auto kMonthKeys = [] {
  std::array<uint32_t, std::size(kMonthNames)> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = LowerKey(kMonthNames[i].letters);
  return keys;
}();

// Each with its "d" or "D" second, which IsDirMarker relies on.
constexpr const char* kDirMarkers[] = {"<DIR>",       " dir ", " Dir ", " DIR ",
                                       "<DIRECTORY>", "[dir]", "<dir>"};

}  // namespace

namespace {

constexpr uint64_t EveryByte(uint8_t byte) {
  return 0x0101010101010101ull * byte;
}

// One bit per byte of the eight at bytes, set where the byte is not a blank.
uint64_t NonBlankBits(const char* bytes) {
  if constexpr (std::endian::native == std::endian::little) {
    // The high bit of each byte of highBits is set exactly where that byte
    // is not a blank (no carry crosses a byte); one multiplication then
    // gathers the eight high bits into the top byte, in order.
    const uint64_t blankIsZero = LoadEight(bytes) ^ EveryByte(' ');
    const uint64_t low = EveryByte(0x7F);
    const uint64_t highBits = (((blankIsZero & low) + low) | blankIsZero) & EveryByte(0x80);
    return ((highBits >> 7) * 0x0102040810204080ull) >> 56;
  } else {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= uint64_t{bytes[i] != ' '} << i;
    return bits;
  }
}

}  // namespace

int FindWordStarts(const char* text, std::size_t length, const char** starts, int count) {
  if (text == nullptr || count <= 0) return 0;
  // A block of 64 bytes becomes one mask of the bytes that start a word: a
  // non-blank after a blank. Building it has no branch that depends on the
  // text, and taking the starts from it runs once per word wanted, so the
  // padded columns of a listing leave nothing to mispredict.
  int found = 0;
  uint64_t blankBefore = 0;  // byte 0 starts word 1, never a later one
  for (std::size_t block = 0; block < length && found < count; block += 64) {
    const std::size_t end = length - block < 64 ? length : block + 64;
    uint64_t nonBlank = 0;
    std::size_t at = block;
    for (; at + 8 <= end; at += 8) nonBlank |= NonBlankBits(text + at) << (at - block);
    for (; at < end; ++at) nonBlank |= uint64_t{text[at] != ' '} << (at - block);
    const uint64_t blank = ~nonBlank;  // bytes past the end count as blanks
    uint64_t wordStarts = nonBlank & (blank << 1 | blankBefore);
    blankBefore = blank >> 63;
    for (; wordStarts != 0 && found < count; wordStarts &= wordStarts - 1) {
      starts[found++] = text + block + std::countr_zero(wordStarts);
    }
  }
  return found;
}

const char* NthWord(const char* text, int n) {
  if (text == nullptr || n <= 1) return text;
  // Most parsers ask for words up to the tenth; further ones step on from it.
  constexpr int kBatch = 15;
  const char* starts[kBatch];
  std::size_t length = std::strlen(text);
  int wanted = n - 1;
  while (wanted > kBatch) {
    if (FindWordStarts(text, length, starts, kBatch) < kBatch) return nullptr;
    length -= static_cast<std::size_t>(starts[kBatch - 1] - text);
    text = starts[kBatch - 1];
    wanted -= kBatch;
  }
  return FindWordStarts(text, length, starts, wanted) == wanted ? starts[wanted - 1] : nullptr;
}

char* LastWord(char* text) {
  if (text == nullptr) return nullptr;
  int length = Strip(text);
  if (length == 0) return text;
  char* found = std::strrchr(text, ' ');
  if (found == nullptr) found = std::strrchr(text, '\t');
  if (found == nullptr) return text;
  while (*found == ' ' || *found == '\t') ++found;
  return found;
}

bool IsDirMarker(const char* text) {
  if (text == nullptr || *text == '\0') return false;
  // Every marker has its "d" or "D" second, so only the places before those
  // letters can start one: one scan of the line instead of one per marker.
  for (const char* letter = std::strpbrk(text + 1, "dD"); letter != nullptr;
       letter = std::strpbrk(letter + 1, "dD")) {
    // Every marker opens with one of these; names are full of other "d"s.
    const char before = letter[-1];
    if (before != ' ' && before != '<' && before != '[') continue;
    for (const char* marker : kDirMarkers) {
      if (StartsWith(letter - 1, marker)) return true;
    }
  }
  return false;
}

int MonthFromName(const char* text) {
  if (text == nullptr || text[0] == '\0' || text[1] == '\0' || text[2] == '\0') return 0;
  uint32_t key = LowerKey(text);
  for (std::size_t i = 0; i < std::size(kMonthNames); ++i) {
    if (kMonthKeys[i] == key) return kMonthNames[i].month;
  }
  return 0;
}

void CopyName(ListingEntry& entry, const char* text) {
  std::size_t length = 0;
  if (text != nullptr) {
    length = strnlen(text, kMaxNameLength);
    std::memcpy(entry.name, text, length);
  }
  entry.name[length] = '\0';
}

}  // namespace qorda

extern "C" int32_t QORDA_CALL Strip(char* text) {
  if (text == nullptr) return 0;
  return qorda::StripKnownLength(text, std::strlen(text));
}
