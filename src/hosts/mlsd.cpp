// Servers answering MLSD, this system's own server among them:
//   type=file;size=1234;modify=20230105123456;perm=adfr; readme.txt
#include "hosts/mlsd.h"

#include <cstring>

#include "scan/text.h"

namespace qorda {
namespace {

constexpr bool IsAlphabetical(const MlsdFact* table) {
  for (int i = 0; table[i].code != MLSD_FACT_NONE; ++i) {
    if (table[i + 1].code == MLSD_FACT_NONE) break;
    for (int c = 0;; ++c) {
      if (table[i].name[c] < table[i + 1].name[c]) break;
      if (table[i].name[c] > table[i + 1].name[c] || table[i].name[c] == '\0') return false;
    }
  }
  return true;
}
static_assert(IsAlphabetical(MlsdFactTable), "the fact lookup relies on alphabetical order");

const MlsdFact* FindFact(const char* name, int length) {
  if (length <= 3) return nullptr;
  for (const MlsdFact* fact = MlsdFactTable; fact->code != MLSD_FACT_NONE; ++fact) {
    bool firstFourMatch = true;
    for (int i = 0; i < 4; ++i) {
      if ((name[i] | 0x20) != fact->name[i]) firstFourMatch = false;
    }
    if (!firstFourMatch) {
      if (fact->name[0] > ToLower(name[0])) return nullptr;  // cannot come later
      continue;
    }
    if (length != fact->nameLength) return nullptr;
    for (int i = 4; i < length; ++i) {
      if (ToLower(name[i]) != ToLower(fact->name[i])) return nullptr;
    }
    return fact;
  }
  return nullptr;
}

// A time stamp digit, read without a check; past the end of the line, where
// a short "modify=2023;" runs out, it counts as 0.
int DigitAt(const char* value, int pos) {
  char c = CharAt(value, pos);
  return c == '\0' ? 0 : c - '0';
}

// "type=file;" or "type=file " but not "type=fileX;".
bool IsTypeWord(const char* value, const char* word) {
  if (!StartsWithNoCase(value, word)) return false;
  char next = *TextAt(value, static_cast<int>(std::strlen(word)));
  return next == ';' || next == ' ';
}

}  // namespace

int NextMlsdFact(const char*& cursor, const char*& value) {
  // Exactly one blank separates the facts from the name: 'type=file;  two'
  // names ' two'.
  if (*cursor == ' ') {
    value = cursor + 1;
    cursor = nullptr;
    return MLSD_FACT_NAME;
  }
  const char* equals = FindText(cursor, "=");
  if (equals == nullptr) {
    cursor = nullptr;
    return MLSD_FACT_NONE;
  }
  const char* end = equals + 1;
  while (*end != '\0' && *end != ';' && *end != ' ') ++end;
  const char* name = cursor;
  cursor = *end == ';' ? end + 1 : *end == ' ' ? end : nullptr;

  const MlsdFact* fact = FindFact(name, static_cast<int>(equals - name));
  if (fact == nullptr) return MLSD_FACT_NONE;
  value = equals + 1;
  return fact->code;
}

int ParseMlsd(ListingEntry& entry, char* line, int32_t hostTypeId) {
  (void)hostTypeId;
  if (line == nullptr) return 0;
  const char* cursor = line;
  while (cursor != nullptr) {
    const char* value = nullptr;
    switch (NextMlsdFact(cursor, value)) {
      case MLSD_FACT_NAME:
        CopyName(entry, value);
        break;
      case MLSD_FACT_SIZE:
        entry.size = ScanInt64(value);
        break;
      case MLSD_FACT_MODIFY:
        // YYYYMMDDHHMMSS[.sss], in whatever zone the server keeps; seconds
        // are not read.
        entry.year = static_cast<uint16_t>(DigitAt(value, 0) * 1000 + DigitAt(value, 1) * 100 +
                                           DigitAt(value, 2) * 10 + DigitAt(value, 3));
        entry.month = static_cast<uint8_t>(DigitAt(value, 4) * 10 + DigitAt(value, 5));
        entry.day = static_cast<uint8_t>(DigitAt(value, 6) * 10 + DigitAt(value, 7));
        entry.hour = static_cast<uint8_t>(DigitAt(value, 8) * 10 + DigitAt(value, 9));
        entry.minute = static_cast<uint8_t>(DigitAt(value, 10) * 10 + DigitAt(value, 11));
        break;
      case MLSD_FACT_TYPE:
        if (IsTypeWord(value, "file")) {
          entry.kind = KIND_FILE;
        } else if (IsTypeWord(value, "dir")) {
          entry.kind = KIND_DIRECTORY;
        } else if (StartsWithNoCase(value, "OS.unix=slink")) {
          entry.kind = KIND_LINK;  // "OS.unix=slink:/target"
        } else if (IsTypeWord(value, "cdir") || IsTypeWord(value, "pdir")) {
          // The listed directory itself ('.') or its parent: no entry.
          entry.name[0] = '\0';
          return 0;
        }
        break;
      default:
        break;
    }
  }
  return entry.name[0] != '\0' ? 1 : 0;
}

}  // namespace qorda
