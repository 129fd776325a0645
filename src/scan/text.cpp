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

const char* NthWord(const char* text, int n) {
  if (text == nullptr || n <= 1) return text;
  // Most parsers ask for words up to the tenth; further ones step on from it.
  constexpr int kBatch = 15;
  const char* starts[kBatch];
  std::size_t length = std::strlen(text);
  int wanted = n - 1;
  while (wanted > kBatch) {
    if (FindWordStartsIn(text, length, starts, kBatch) < kBatch) return nullptr;
    length -= static_cast<std::size_t>(starts[kBatch - 1] - text);
    text = starts[kBatch - 1];
    wanted -= kBatch;
  }
  return FindWordStartsIn(text, length, starts, wanted) == wanted ? starts[wanted - 1] : nullptr;
}

char* LastWord(char* text) {
  if (text == nullptr) return nullptr;
  int length = Strip(text);
  if (length == 0) return text;
  char* found = std::strrchr(text, ' ');
  if (found == nullptr) found = std::strrchr(text, '\t');
  if (found == nullptr) return text;
  while (IsBlankOrTab(*found)) ++found;
  return found;
}

char* CutBeforeLastWord(char* text) {
  char* word = LastWord(text);
  if (word != text) word[-1] = '\0';
  return word;
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

int CopyName(ListingEntry& entry, const char* text) {
  std::size_t length = 0;
  if (text != nullptr) {
    length = strnlen(text, kMaxNameLength);
    std::memcpy(entry.name, text, length);
  }
  entry.name[length] = '\0';
  return static_cast<int>(length);
}

std::size_t UnescapeBlanks(char* name, std::size_t length) {
  std::size_t kept = 0;
  for (std::size_t at = 0; at < length; ++at, ++kept) {
    // A blank written in cannot begin another "%20", so one pass finds
    // every escape.
    const bool escape =
        name[at] == '%' && at + 2 < length && name[at + 1] == '2' && name[at + 2] == '0';
    name[kept] = escape ? ' ' : name[at];
    if (escape) at += 2;
  }
  name[kept] = '\0';
  return kept;
}

}  // namespace qorda

extern "C" int32_t QORDA_CALL Strip(char* text) {
  if (text == nullptr) return 0;
  return qorda::StripIn(text, std::strlen(text));
}
