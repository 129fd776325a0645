#include "scan/text.h"

#include <array>
#include <cstring>
#include <iterator>

namespace qorda {
namespace {

constexpr bool IsTrailingSpace(char c) {
  return c == '\n' || c == '\r' || c == ' ' || c == '\t';
}

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
  if (text == nullptr) return nullptr;
  for (int word = 1; word < n; ++word) {
    while (!EndsWord(*text)) ++text;
    while (*text == ' ') ++text;
    if (*text == '\0') return nullptr;
  }
  return text;
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

namespace qorda {

int32_t StripKnownLength(char* text, std::size_t length) {
  while (length > 0 && IsTrailingSpace(text[length - 1])) --length;
  text[length] = '\0';
  return static_cast<int32_t>(length);
}

}  // namespace qorda

extern "C" int32_t QORDA_CALL Strip(char* text) {
  if (text == nullptr) return 0;
  return qorda::StripKnownLength(text, std::strlen(text));
}
