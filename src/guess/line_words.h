// What a listing line shows before any parser reads it: its words, each
// with the shape of the field it could be (a number, a date, a time, a
// permission string...). A reading is then judged by which of these words
// its record explains.
#pragma once

#include <cstdint>

namespace qorda::guess {

enum class Shape : uint8_t {
  kText,
  kNumber,      // "1234", "1,234,567", "12." (a count with a dot, as RSX writes it)
  kScaled,      // "1.2K", "14M", "4196405K": a size in larger units
  kRatio,       // "12/14": used and allocated blocks
  kDate,        // "7-DEC-2026", "12/07/26", "2026/12/07", "07Dec26"
  kTime,        // "09:53", "12:07AM", "11:05p", "14:05:10"
  kMonth,       // "Jan", "DEC"
  kWeekday,     // "Mon"
  kMeridiem,    // "AM", "pm"
  kPermission,  // "-rw-r--r--", "drwxr-xr-x", "rwxr-x---"
  kDirMark,     // "<DIR>", "DIR", "[dir]"
  kArrow,       // "->" of a link
  kFacts,       // "type=file;size=1234;modify=20230105123456;": MLSD facts
  kStamp,       // "1234-01136": hours and minutes, then year and day of the year
};

struct Word {
  uint16_t start;
  uint16_t length;
  Shape shape;
  uint8_t partCount;  // the numbers of a date, time or ratio
  uint8_t month;      // named in a date or month word, 1 to 12
  bool control;       // holds a control character: no text a server writes
  char meridiem;      // 'a' or 'p' behind a time ("12:07AM", "11:05p"), else 0
  int64_t value;      // of a number; of a scaled size, in bytes
  // Of a date (its month part as 0 when named), time or ratio; of a stamp,
  // hours * 100 + minutes, the year's two digits and the day of the year.
  int32_t parts[3];
};

// Lines with more words are prose, not listings; the rest are not looked at.
constexpr int kMaxWords = 40;

struct LineWords {
  Word words[kMaxWords];
  int count = 0;
  int weight = 0;  // of all its words
  bool startsWithBlank = false;
  bool selfOrParent = false;  // the "." or ".." entry, which some dialects leave out
  bool showsDate = false;     // a date or a time of day: an entry's, or a heading's
  bool showsFields = false;   // a word of a field's shape: more than a name
};

// The shape and value of the length bytes at text, which hold no blank.
Word ClassifyWord(const char* text, int length);

// The words of a line of length bytes (no terminator needed), split at
// blanks and tabs.
void SplitWords(const char* line, int length, LineWords& out);

// Whether word is a field's shape, which a name does not take: column debris
// when found in one.
constexpr bool IsFieldShape(Shape shape) {
  return shape != Shape::kText && shape != Shape::kArrow && shape != Shape::kWeekday;
}

// What a word tells of a reading that explains it. Field-shaped words weigh
// double: any name can swallow text, but only the right reading of the
// columns explains the numbers and dates. A word of one or two letters
// (an attribute, a flag) tells half as much as a longer one.
constexpr int WeightOf(const Word& word) {
  if (IsFieldShape(word.shape)) return 4;
  return word.length > 2 ? 2 : 1;
}

}  // namespace qorda::guess
