#include "scan/text.h"

#include <cstring>

namespace qorda {
namespace {

constexpr bool IsTrailingSpace(char c) {
  return c == '\n' || c == '\r' || c == ' ' || c == '\t';
}

template <typename Int, typename Unsigned>
Int ScanDecimal(const char* text) {
  if (text == nullptr) return 0;
  while (IsSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  Unsigned value = 0;
  for (; IsDigit(*text); ++text) value = value * 10 + static_cast<Unsigned>(*text - '0');
  return static_cast<Int>(negative ? Unsigned{0} - value : value);
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

constexpr const char* kDirMarkers[] = {"<DIR>",       " dir ", " Dir ", " DIR ",
                                       "<DIRECTORY>", "[dir]", "<dir>"};

}  // namespace

const char* NthWord(const char* text, int n) {
  if (text == nullptr) return nullptr;
  for (int word = 1; word < n; ++word) {
    while (*text != '\0' && *text != ' ') ++text;
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

const char* FindText(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr || *text == '\0') return nullptr;
  return std::strstr(text, pattern);
}

bool IsDirMarker(const char* text) {
  for (const char* marker : kDirMarkers) {
    if (FindText(text, marker) != nullptr) return true;
  }
  return false;
}

int32_t ScanInt(const char* text) {
  return ScanDecimal<int32_t, uint32_t>(text);
}
int64_t ScanInt64(const char* text) {
  return ScanDecimal<int64_t, uint64_t>(text);
}

int MonthFromName(const char* text) {
  if (text == nullptr || text[0] == '\0' || text[1] == '\0' || text[2] == '\0') return 0;
  for (const MonthName& name : kMonthNames) {
    if (ToLower(text[0]) == ToLower(name.letters[0]) &&
        ToLower(text[1]) == ToLower(name.letters[1]) &&
        ToLower(text[2]) == ToLower(name.letters[2])) {
      return name.month;
    }
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
  std::size_t length = std::strlen(text);
  while (length > 0 && qorda::IsTrailingSpace(text[length - 1])) --length;
  text[length] = '\0';
  return static_cast<int32_t>(length);
}
