// Servers answering MLSD, this system's own server among them:
//   type=file;size=1234;modify=20230105123456;perm=adfr; readme.txt
#include "hosts/mlsd.h"

#include <array>
#include <bit>
#include <cstdint>
#include <iterator>

#include "scan/bytes.h"
#include "scan/fast_readers.h"
#include "scan/text.h"

namespace qorda {
namespace {

// A word of up to eight bytes as one integer, its bytes in memory order and
// zero past them, with 0x20 or-ed into each: against a word of lower-case
// letters, one compare matches whatever the case (only a letter and its
// capital become the letter) and the length (no or-ed byte is zero).
constexpr int ByteShift(int i) {
  return kLittleEndian ? 8 * i : 56 - 8 * i;
}

constexpr uint64_t WordKeyOf(const char* word, int length) {
  uint64_t key = 0;
  for (int i = 0; i < length; ++i) {
    key |= uint64_t{static_cast<unsigned char>(word[i] | 0x20)} << ByteShift(i);
  }
  return key;
}

// The same for a word inside the line; eight bytes are loaded at once when
// the line has them.
uint64_t WordKey(const char* word, int length, const char* lineEnd) {
  if (lineEnd - word < 8) return WordKeyOf(word, length);
  const uint64_t firstBytes = length >= 8     ? ~uint64_t{0}
                              : kLittleEndian ? (uint64_t{1} << 8 * length) - 1
                                              : ~(~uint64_t{0} >> 8 * length);
  const uint64_t key = (LoadEight(word) | EveryByte(0x20)) & firstBytes;
  if constexpr (kCheckFastReaders) {
    ExpectSameReading(key == WordKeyOf(word, length), "WordKey", word, length);
  }
  return key;
}

constexpr bool NamesAreShortLowerCaseWords(const MlsdFact* table) {
  for (int i = 0; table[i].code != MLSD_FACT_NONE; ++i) {
    if (table[i].nameLength < 1 || table[i].nameLength > 8) return false;
    for (int c = 0; c < table[i].nameLength; ++c) {
      if (!IsLower(table[i].name[c])) return false;
    }
  }
  return true;
}
static_assert(NamesAreShortLowerCaseWords(MlsdFactTable), "fact names are looked up by WordKey");

constexpr int kKnownFacts = static_cast<int>(std::size(MlsdFactTable)) - 1;

struct KeyedFact {
  uint64_t key;
  const MlsdFact* fact;
};

constexpr std::array<KeyedFact, kKnownFacts> kKeyedFacts = [] {
  std::array<KeyedFact, kKnownFacts> keyed{};
  for (int i = 0; i < kKnownFacts; ++i) {
    const MlsdFact& fact = MlsdFactTable[i];
    keyed[i] = {WordKeyOf(fact.name, fact.nameLength), &fact};
  }
  return keyed;
}();

const MlsdFact* FindFact(const char* name, int length, const char* lineEnd) {
  if (length < 1 || length > 8) return nullptr;
  const uint64_t key = WordKey(name, length, lineEnd);
  for (const KeyedFact& keyed : kKeyedFacts) {
    if (key == keyed.key) return keyed.fact;
  }
  return nullptr;
}

// YYYYMMDDHHMMSS[.sss], in whatever zone the server keeps; seconds are not
// read, and the digits are not checked. Past the end of the line, where a
// short "modify=2023;" runs out, a digit counts as 0.
void ReadModify(ListingEntry& entry, const char* value, const char* lineEnd) {
  if (lineEnd - value >= 12) {
    entry.year = static_cast<uint16_t>(DigitsValueIn(value, 4));
    entry.month = static_cast<uint8_t>(DigitsValueIn(value + 4, 2));
    entry.day = static_cast<uint8_t>(DigitsValueIn(value + 6, 2));
    entry.hour = static_cast<uint8_t>(DigitsValueIn(value + 8, 2));
    entry.minute = static_cast<uint8_t>(DigitsValueIn(value + 10, 2));
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

// The type words, as WordKey gives them.
template <std::size_t N>
constexpr uint64_t TypeWord(const char (&word)[N]) {
  return WordKeyOf(word, N - 1);
}

// The type's value as a WordKey, to compare with a TypeWord: "type=file;" or
// "type=file " is a file, but not "type=fileX;", nor a "type=file" that
// ends the line (0, which no word gives, stands for those).
uint64_t TypeKey(const Fact& fact, const char* lineEnd) {
  const auto length = static_cast<int>(fact.valueEnd - fact.value);
  return fact.valueEnd != lineEnd && length <= 8 ? WordKey(fact.value, length, lineEnd) : 0;
}

// Where the "=" of the fact at cursor lies and where its value ends (the
// next ';' or blank, or the line's end); equals is the line's end when the
// fact has none. Fact names are a few letters long: a walk finds the "="
// soonest.
struct FactBounds {
  const char* equals;
  const char* end;
};

FactBounds WalkFact(const char* cursor, const char* lineEnd) {
  const char* equals = cursor;
  while (equals < lineEnd && *equals != '=') ++equals;
  if (equals == lineEnd) return {lineEnd, lineEnd};
  return {equals, FindEitherIn(equals + 1, lineEnd, ';', ' ')};
}

// What the 32-byte masks found must be what the walk finds.
[[maybe_unused]] void CheckFactBounds(const char* cursor, const char* lineEnd,
                                      const FactBounds& found) {
  const FactBounds walked = WalkFact(cursor, lineEnd);
  ExpectSameReading(walked.equals == found.equals && walked.end == found.end, "the MLSD fact masks",
                    cursor, static_cast<int>(lineEnd - cursor));
}

// A fact and its value nearly always fit in 32 bytes: both separators are
// found from two compares of each kind, without a loop. When the "=" comes
// before the first stop, the fact is read (true) and cursor moved on, the
// next fact's place taken from the stops alone so that it waits on nothing
// else; otherwise bounds gets the "=" and the end when the "=" lies in the
// 32 bytes. The caller has checked that 32 bytes are there.
[[gnu::always_inline]] inline bool ReadFactFromMasks(const char*& cursor, const char* lineEnd,
                                                     Fact& fact, FactBounds& bounds) {
  const uint64_t semicolons = ThirtyTwoMatches(cursor, ';');
  const uint64_t stops = semicolons | ThirtyTwoMatches(cursor, ' ');
  const uint64_t equalsBits = ThirtyTwoMatches(cursor, '=');
  const int stop = std::countr_zero(stops);  // 64 for none
  const int at = std::countr_zero(equalsBits);
  if (at < stop && stop < 32) {
    if constexpr (kCheckFastReaders) CheckFactBounds(cursor, lineEnd, {cursor + at, cursor + stop});
    const char* name = cursor;
    cursor += stop + static_cast<int>(semicolons >> stop & 1);
    const MlsdFact* found = FindFact(name, at, lineEnd);
    fact = found == nullptr ? Fact{MLSD_FACT_NONE, nullptr, nullptr}
                            : Fact{found->code, name + at + 1, name + stop};
    return true;
  }
  if (equalsBits != 0) {
    const uint64_t stopsAhead = stops & ~((uint64_t{2} << at) - 1);
    bounds = {cursor + at, stopsAhead != 0 ? cursor + std::countr_zero(stopsAhead)
                                           : FindEitherIn(cursor + 32, lineEnd, ';', ' ')};
    if constexpr (kCheckFastReaders) CheckFactBounds(cursor, lineEnd, bounds);
  }
  return false;
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
  FactBounds bounds = {nullptr, nullptr};
  if constexpr (kVectorCompares) {
    if (lineEnd - cursor >= 32) {
      Fact fact;
      if (ReadFactFromMasks(cursor, lineEnd, fact, bounds)) return fact;
    }
  }
  if (bounds.equals == nullptr) {
    bounds = WalkFact(cursor, lineEnd);
    if (bounds.equals == lineEnd) {
      cursor = nullptr;
      return {MLSD_FACT_NONE, nullptr, nullptr};
    }
  }
  const char* name = cursor;
  cursor = bounds.end == lineEnd ? nullptr : *bounds.end == ';' ? bounds.end + 1 : bounds.end;

  const MlsdFact* fact = FindFact(name, static_cast<int>(bounds.equals - name), lineEnd);
  if (fact == nullptr) return {MLSD_FACT_NONE, nullptr, nullptr};
  return {fact->code, bounds.equals + 1, bounds.end};
}

}  // namespace

int ParseMlsd(ListingEntry& entry, const LineInput& in) {
  const char* const line = in.text;
  const char* const lineEnd = line + in.length;
  const char* cursor = line;
  int nameLength = 0;
  while (cursor != nullptr) {
    const Fact fact = NextMlsdFact(cursor, lineEnd);
    switch (fact.code) {
      case MLSD_FACT_NAME:
        nameLength = CopyNameIn(entry, fact.value, static_cast<std::size_t>(lineEnd - fact.value));
        break;
      case MLSD_FACT_SIZE:
        entry.size = ScanInt64In(fact.value, lineEnd);
        break;
      case MLSD_FACT_MODIFY:
        ReadModify(entry, fact.value, lineEnd);
        break;
      case MLSD_FACT_TYPE:
        if (const uint64_t type = TypeKey(fact, lineEnd); type == TypeWord("file")) {
          entry.kind = KIND_FILE;
        } else if (type == TypeWord("dir")) {
          entry.kind = KIND_DIRECTORY;
        } else if (lineEnd - fact.value >= 13 && StartsWithNoCase(fact.value, "OS.unix=slink")) {
          entry.kind = KIND_LINK;  // "OS.unix=slink:/target"
        } else if (type == TypeWord("cdir") || type == TypeWord("pdir")) {
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
