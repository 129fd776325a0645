// Servers answering MLSD, this system's own server among them:
//   type=file;size=1234;modify=20230105123456;perm=adfr; readme.txt
#include "hosts/mlsd.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "scan/text.h"

namespace qorda {
namespace {

// The lookup compares four bytes at once and the rest against lower case.
constexpr bool NamesAreFourLowerCaseLettersOrMore(const MlsdFact* table) {
  for (int i = 0; table[i].code != MLSD_FACT_NONE; ++i) {
    if (table[i].nameLength < 4) return false;
    for (int c = 0; c < table[i].nameLength; ++c) {
      if (!IsLower(table[i].name[c])) return false;
    }
  }
  return true;
}
static_assert(NamesAreFourLowerCaseLettersOrMore(MlsdFactTable));

constexpr int kKnownFacts = static_cast<int>(std::size(MlsdFactTable)) - 1;

// A fact name's first four bytes as they lie in memory, with 0x20 or-ed into
// each (which lower-cases the letters the table holds), and its length: one
// compare tells a name from every entry of the table, but for the tails of
// names longer than four.
constexpr uint64_t FactKey(uint32_t firstFour, int length) {
  return (firstFour | 0x20202020u) | uint64_t{static_cast<uint32_t>(length)} << 32;
}

constexpr uint32_t FirstFourOf(const char* name) {
  uint32_t four = 0;
  for (int i = 0; i < 4; ++i) {
    const int shift = std::endian::native == std::endian::little ? 8 * i : 24 - 8 * i;
    four |= uint32_t{static_cast<unsigned char>(name[i])} << shift;
  }
  return four;
}

struct KeyedFact {
  uint64_t key;
  const MlsdFact* fact;
};

constexpr std::array<KeyedFact, kKnownFacts> kKeyedFacts = [] {
  std::array<KeyedFact, kKnownFacts> keyed{};
  for (int i = 0; i < kKnownFacts; ++i) {
    const MlsdFact& fact = MlsdFactTable[i];
    keyed[i] = {FactKey(FirstFourOf(fact.name), fact.nameLength), &fact};
  }
  return keyed;
}();

const MlsdFact* FindFact(const char* name, int length) {
  if (length < 4) return nullptr;
  uint32_t firstFour;
  std::memcpy(&firstFour, name, sizeof firstFour);
  const uint64_t key = FactKey(firstFour, length);
  for (const KeyedFact& keyed : kKeyedFacts) {
    if (key != keyed.key) continue;
    for (int i = 4; i < length; ++i) {
      if (ToLower(name[i]) != keyed.fact->name[i]) return nullptr;
    }
    return keyed.fact;
  }
  return nullptr;
}

// YYYYMMDDHHMMSS[.sss], in whatever zone the server keeps; seconds are not
// read, and the digits are not checked. Past the end of the line, where a
// short "modify=2023;" runs out, a digit counts as 0.
void ReadModify(ListingEntry& entry, const char* value, const char* lineEnd) {
  if (lineEnd - value >= 12) {
    entry.year = static_cast<uint16_t>(DigitsValue(value, 4));
    entry.month = static_cast<uint8_t>(DigitsValue(value + 4, 2));
    entry.day = static_cast<uint8_t>(DigitsValue(value + 6, 2));
    entry.hour = static_cast<uint8_t>(DigitsValue(value + 8, 2));
    entry.minute = static_cast<uint8_t>(DigitsValue(value + 10, 2));
    return;
  }
  const auto reach = static_cast<int>(lineEnd - value);
  auto digits = [value, reach](int pos) {
    auto digitAt = [value, reach](int at) { return at < reach ? value[at] - '0' : 0; };
    return digitAt(pos) * 10 + digitAt(pos + 1);
  };
  entry.year = static_cast<uint16_t>(digits(0) * 100 + digits(2));
  entry.month = static_cast<uint8_t>(digits(4));
  entry.day = static_cast<uint8_t>(digits(6));
  entry.hour = static_cast<uint8_t>(digits(8));
  entry.minute = static_cast<uint8_t>(digits(10));
}

// One fact of the line: what it is, and its value inside the line, which is
// not terminated and runs up to valueEnd (the next ';' or blank, or the end
// of the line).
struct Fact {
  int code;
  const char* value;
  const char* valueEnd;
};

// "type=file;" or "type=file " but not "type=fileX;", nor a "type=file" that
// ends the line.
bool IsTypeWord(const Fact& fact, const char* lineEnd, const char* word, int wordLength) {
  return fact.valueEnd != lineEnd && fact.valueEnd - fact.value == wordLength &&
         StartsWithNoCase(fact.value, word);
}

// Reads the fact at cursor and moves cursor to the next one (null once the
// line, which ends at lineEnd, is used up).
Fact NextMlsdFact(const char*& cursor, const char* lineEnd) {
  if (cursor == lineEnd) {
    cursor = nullptr;
    return {MLSD_FACT_NONE, nullptr, nullptr};
  }
  // Exactly one blank separates the facts from the name: 'type=file;  two'
  // names ' two'.
  if (*cursor == ' ') {
    const char* name = cursor + 1;
    cursor = nullptr;
    return {MLSD_FACT_NAME, name, lineEnd};
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
      return {MLSD_FACT_NONE, nullptr, nullptr};
    }
    end = FindEither(equals + 1, lineEnd, ';', ' ');
  }
  const char* name = cursor;
  cursor = end == lineEnd ? nullptr : *end == ';' ? end + 1 : end;

  const MlsdFact* fact = FindFact(name, static_cast<int>(equals - name));
  if (fact == nullptr) return {MLSD_FACT_NONE, nullptr, nullptr};
  return {fact->code, equals + 1, end};
}

}  // namespace

int ParseMlsd(ListingEntry& entry, const char* line, int length, int32_t hostTypeId) {
  (void)hostTypeId;
  if (line == nullptr) return 0;
  const char* const lineEnd = line + length;
  const char* cursor = line;
  int nameLength = 0;
  while (cursor != nullptr) {
    const Fact fact = NextMlsdFact(cursor, lineEnd);
    switch (fact.code) {
      case MLSD_FACT_NAME:
        nameLength = CopyName(entry, fact.value, static_cast<std::size_t>(lineEnd - fact.value));
        break;
      case MLSD_FACT_SIZE:
        entry.size = ScanInt64In(fact.value, lineEnd);
        break;
      case MLSD_FACT_MODIFY:
        ReadModify(entry, fact.value, lineEnd);
        break;
      case MLSD_FACT_TYPE:
        if (IsTypeWord(fact, lineEnd, "file", 4)) {
          entry.kind = KIND_FILE;
        } else if (IsTypeWord(fact, lineEnd, "dir", 3)) {
          entry.kind = KIND_DIRECTORY;
        } else if (lineEnd - fact.value >= 13 && StartsWithNoCase(fact.value, "OS.unix=slink")) {
          entry.kind = KIND_LINK;  // "OS.unix=slink:/target"
        } else if (IsTypeWord(fact, lineEnd, "cdir", 4) || IsTypeWord(fact, lineEnd, "pdir", 4)) {
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
