// Servers answering MLSD, this system's own server among them:
//   type=file;size=1234;modify=20230105123456;perm=adfr; readme.txt
#include "hosts/mlsd.h"

#include <bit>
#include <cstdint>
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

constexpr bool NamesHaveFourLetters(const MlsdFact* table) {
  for (int i = 0; table[i].code != MLSD_FACT_NONE; ++i) {
    if (table[i].nameLength < 4) return false;
  }
  return true;
}
static_assert(NamesHaveFourLetters(MlsdFactTable), "the lookup compares four bytes at once");

// The first four bytes of a name as one integer, in memory order, so that a
// fact name is compared in one step. Every fact name has at least four.
uint32_t FirstFour(const char* bytes) {
  uint32_t key;
  std::memcpy(&key, bytes, sizeof key);
  return key;
}

const MlsdFact* FindFact(const char* name, int length) {
  if (length <= 3) return nullptr;
  // Or-ing 0x20 into each byte lower-cases the letters the table holds.
  uint32_t key = FirstFour(name) | 0x20202020u;
  char first = ToLower(name[0]);
  for (const MlsdFact* fact = MlsdFactTable; fact->code != MLSD_FACT_NONE; ++fact) {
    if (key != FirstFour(fact->name)) {
      if (fact->name[0] > first) return nullptr;  // cannot come later
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
// a short "modify=2023;" runs out, it counts as 0. reach is how many
// characters the value has before the terminator, up to the twelve read.
int DigitAt(const char* value, int reach, int pos) {
  return pos < reach ? value[pos] - '0' : 0;
}

// "type=file;" or "type=file " but not "type=fileX;".
bool IsTypeWord(const char* value, const char* word) {
  if (!StartsWithNoCase(value, word)) return false;
  // The word matched up to its end, so the value reaches that far.
  char next = value[std::strlen(word)];
  return next == ';' || next == ' ';
}

// Reads the fact at cursor and moves cursor to the next one (null once the
// line, which ends at lineEnd, is used up). value points at the fact's value
// inside the line; it is not terminated and runs up to the next ";" or blank.
int NextMlsdFact(const char*& cursor, const char* lineEnd, const char*& value) {
  // Exactly one blank separates the facts from the name: 'type=file;  two'
  // names ' two'.
  if (*cursor == ' ') {
    value = cursor + 1;
    cursor = nullptr;
    return MLSD_FACT_NAME;
  }
  const char* equals = nullptr;
  const char* end = nullptr;
#if defined(__SSE2__)
  // A fact and its value nearly always fit in 32 bytes: both separators are
  // found from two compares of each kind, without a loop.
  if (lineEnd - cursor >= 32) {
    auto bitsOf = [cursor](char c) {
      return uint64_t{SixteenMatches(cursor, c)} | uint64_t{SixteenMatches(cursor + 16, c)} << 16;
    };
    if (const uint64_t equalsBits = bitsOf('='); equalsBits != 0) {
      const int at = std::countr_zero(equalsBits);
      equals = cursor + at;
      const uint64_t stops = (bitsOf(';') | bitsOf(' ')) & ~((uint64_t{2} << at) - 1);
      end = stops != 0 ? cursor + std::countr_zero(stops)
                       : FindEither(cursor + 32, lineEnd, ';', ' ');
    }
  }
#endif
  if (equals == nullptr) {
    // Fact names are a few letters long: a walk finds the "=" soonest.
    equals = cursor;
    while (equals < lineEnd && *equals != '=') ++equals;
    if (equals == lineEnd) {
      cursor = nullptr;
      return MLSD_FACT_NONE;
    }
    end = FindEither(equals + 1, lineEnd, ';', ' ');
  }
  const char* name = cursor;
  cursor = end == lineEnd ? nullptr : *end == ';' ? end + 1 : end;

  const MlsdFact* fact = FindFact(name, static_cast<int>(equals - name));
  if (fact == nullptr) return MLSD_FACT_NONE;
  value = equals + 1;
  return fact->code;
}

}  // namespace

int ParseMlsd(ListingEntry& entry, char* line, int length, int32_t hostTypeId) {
  (void)hostTypeId;
  if (line == nullptr) return 0;
  const char* const lineEnd = line + length;
  const char* cursor = line;
  int nameLength = 0;
  while (cursor != nullptr) {
    const char* value = nullptr;
    switch (NextMlsdFact(cursor, lineEnd, value)) {
      case MLSD_FACT_NAME:
        nameLength = CopyName(entry, value, static_cast<std::size_t>(lineEnd - value));
        break;
      case MLSD_FACT_SIZE:
        entry.size = ScanInt64(value);
        break;
      case MLSD_FACT_MODIFY: {
        // YYYYMMDDHHMMSS[.sss], in whatever zone the server keeps; seconds
        // are not read.
        const int reach = lineEnd - value < 12 ? static_cast<int>(lineEnd - value) : 12;
        auto digits = [value, reach](int pos) {
          return DigitAt(value, reach, pos) * 10 + DigitAt(value, reach, pos + 1);
        };
        entry.year = static_cast<uint16_t>(digits(0) * 100 + digits(2));
        entry.month = static_cast<uint8_t>(digits(4));
        entry.day = static_cast<uint8_t>(digits(6));
        entry.hour = static_cast<uint8_t>(digits(8));
        entry.minute = static_cast<uint8_t>(digits(10));
        break;
      }
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
  return nameLength;
}

}  // namespace qorda
