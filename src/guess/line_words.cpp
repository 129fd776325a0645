#include "guess/line_words.h"

#include <array>
#include <cstring>
#include <initializer_list>

#include "scan/text.h"

namespace qorda::guess {
namespace {

// A view of one word; every read is bounded by its length.
struct Text {
  const char* bytes;
  int length;

  char At(int i) const { return i >= 0 && i < length ? bytes[i] : '\0'; }
};

bool EqualsNoCase(Text text, const char* literal) {
  return EqualsNoCaseIn(text.bytes, static_cast<std::size_t>(text.length), literal);
}

constexpr const char* kMonthNames[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                       "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr const char* kWeekdayNames[] = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

// The index + 1 in names of the three letters at text, or 0.
template <int N>
int ThreeLetterIndex(const char* text, const char* const (&names)[N]) {
  for (int i = 0; i < N; ++i) {
    if (ToLower(text[0]) == names[i][0] && ToLower(text[1]) == names[i][1] &&
        ToLower(text[2]) == names[i][2]) {
      return i + 1;
    }
  }
  return 0;
}

// A word of three letters, or four with a trailing "," or "." ("Jan,").
int NameIndexOfWord(Text word, const auto& names) {
  const bool punctuated = word.length == 4 && (word.At(3) == ',' || word.At(3) == '.');
  if (word.length != 3 && !punctuated) return 0;
  if (!IsAlpha(word.At(0)) || !IsAlpha(word.At(1)) || !IsAlpha(word.At(2))) return 0;
  return ThreeLetterIndex(word.bytes, names);
}

// Classes of the bytes that words are told apart by.
enum : uint8_t {
  kUnixPermissionByte = 1,  // "rwxsStTlL-": a Unix permission string's
  kAttributeByte = 2,       // "(RWED,RWED,RE,)", "[RWCEAFMS]", "d-ewrewr"
  kControlByte = 4,         // no text a server writes
};

constexpr std::array<uint8_t, 256> kByteClass = [] {
  std::array<uint8_t, 256> classes{};
  for (const char* c = "rwxsStTlL-"; *c != '\0'; ++c)
    classes[static_cast<uint8_t>(*c)] |= kUnixPermissionByte;
  for (const char* c = "rwxedlsStTRWEDACFMSNH-,()[]"; *c != '\0'; ++c) {
    classes[static_cast<uint8_t>(*c)] |= kAttributeByte;
  }
  for (int c = 0; c < 0x20; ++c) classes[static_cast<std::size_t>(c)] |= kControlByte;
  classes[0x7F] |= kControlByte;
  return classes;
}();

uint8_t ClassOf(char c) {
  return kByteClass[static_cast<uint8_t>(c)];
}

// Whether every byte from from, count of them, has the class.
bool AllOfClass(Text word, int from, int count, uint8_t byteClass) {
  for (int i = from; i < from + count; ++i) {
    if ((ClassOf(word.At(i)) & byteClass) == 0) return false;
  }
  return true;
}

// "-rw-r--r--", "drwxr-xr-x@", "rwxr-x---", and the attribute columns of
// other systems: "(RWED,RWED,RE,)", "[RWCEAFMS]", "d-ewrewr", "rw-,r--,r--".
bool IsPermissionLike(Text word) {
  if ((word.length == 10 || word.length == 11) && AllOfClass(word, 1, 9, kUnixPermissionByte)) {
    return true;
  }
  if (word.length == 9 && AllOfClass(word, 0, 9, kUnixPermissionByte)) return true;
  if (word.length < 6 || !AllOfClass(word, 0, word.length, kAttributeByte)) return false;
  for (int i = 0; i < word.length; ++i) {
    if (word.bytes[i] == '-' || word.bytes[i] == ',') return true;
  }
  return false;
}

struct Lexed {
  int numbers[3];  // a named month's part is 0
  int count = 0;   // numbers and month names, in order
  int month = 0;   // named month, 1 to 12
  char separator = 0;
  bool consistent = true;  // one separator kind throughout
};

// Splits "12-Jan-99" into its parts: digit runs, a three-letter month and
// the separators between them. False when anything else is in the word.
bool LexDate(Text word, Lexed& lexed) {
  int i = 0;
  if (word.At(word.length - 1) == '.') --word.length;  // "26/12/07."
  while (i < word.length) {
    if (lexed.count == 3) return false;
    const char c = word.bytes[i];
    if (IsDigit(c)) {
      int value = 0, digits = 0;
      for (; i < word.length && IsDigit(word.bytes[i]); ++i, ++digits) {
        if (digits < 6) value = value * 10 + (word.bytes[i] - '0');
      }
      if (digits > 4) return false;
      lexed.numbers[lexed.count++] = value;
    } else if (IsAlpha(c)) {
      if (lexed.month != 0 || i + 3 > word.length) return false;
      if (i + 3 < word.length && IsAlpha(word.bytes[i + 3])) return false;
      lexed.month = ThreeLetterIndex(word.bytes + i, kMonthNames);
      if (lexed.month == 0) return false;
      lexed.numbers[lexed.count++] = 0;
      i += 3;
    } else if (c == '-' || c == '/' || c == '.') {
      if (lexed.separator != 0 && lexed.separator != c) lexed.consistent = false;
      lexed.separator = c;
      ++i;
      if (i < word.length && !IsAlnum(word.bytes[i])) return false;
    } else {
      return false;
    }
  }
  return true;
}

// "9:05", "12:07AM", "11:05p", "14:05:10".
bool ReadTime(Text word, Word& out) {
  int i = 0, part = 0;
  while (part < 3) {
    int digits = 0, value = 0;
    for (; i < word.length && IsDigit(word.bytes[i]) && digits < 3; ++i, ++digits) {
      value = value * 10 + (word.bytes[i] - '0');
    }
    if (digits == 0 || digits > 2 || (part > 0 && digits != 2)) return false;
    out.parts[part++] = value;
    if (word.At(i) != ':') break;
    ++i;
  }
  if (part < 2) return false;
  const Text rest{word.bytes + i, word.length - i};
  const bool meridiem = rest.length == 0 || EqualsNoCase(rest, "a") || EqualsNoCase(rest, "p") ||
                        EqualsNoCase(rest, "am") || EqualsNoCase(rest, "pm");
  if (!meridiem || out.parts[0] > 24 || out.parts[1] > 59) return false;
  out.partCount = static_cast<uint8_t>(part);
  out.meridiem = rest.length == 0 ? '\0' : ToLower(rest.bytes[0]);
  return true;
}

// "type=file;size=1234;": facts, each ending with ";".
bool IsFacts(Text word) {
  return word.length > 2 && word.bytes[word.length - 1] == ';' &&
         memchr(word.bytes, '=', static_cast<std::size_t>(word.length)) != nullptr;
}

// "1234", "1,234,567", "12.", and "1.2K", "14M", "4196405K"; "CT=1234" is
// its number.
bool ReadNumber(Text word, Word& out) {
  if (const auto* equals = static_cast<const char*>(
          memchr(word.bytes, '=', static_cast<std::size_t>(word.length)))) {
    const int skipped = static_cast<int>(equals - word.bytes) + 1;
    word = Text{word.bytes + skipped, word.length - skipped};
  }
  int i = 0, digits = 0;
  uint64_t value = 0;
  for (; i < word.length; ++i) {
    const char c = word.bytes[i];
    if (IsDigit(c)) {
      if (++digits > 18) return false;
      value = value * 10 + static_cast<uint64_t>(c - '0');
    } else if (c != ',' || digits == 0) {
      break;
    }
  }
  if (digits == 0) return false;
  if (i == word.length ||
      (i == word.length - 1 && (word.bytes[i] == '.' || word.bytes[i] == ','))) {
    out.shape = Shape::kNumber;
    out.value = static_cast<int64_t>(value);
    return true;
  }
  // A scaled size: an optional fraction of one digit, then the unit.
  uint64_t tenths = value * 10;
  if (word.At(i) == '.' && IsDigit(word.At(i + 1))) {
    tenths += static_cast<uint64_t>(word.At(i + 1) - '0');
    i += 2;
  }
  if (i != word.length - 1) return false;
  const char unit = ToUpper(word.bytes[i]);
  const int shift = unit == 'K' ? 10 : unit == 'M' ? 20 : unit == 'G' ? 30 : 0;
  // Sizes shown so are a few digits; more would overflow in bytes.
  if (shift == 0 || value >= (uint64_t{1} << 24)) return false;
  out.shape = Shape::kScaled;
  out.value = static_cast<int64_t>((tenths << shift) / 10);
  return true;
}

// "1234-01136": four digits of hour and minute, "-", two of the year and
// three of the day of the year.
bool ReadStamp(Text word, Word& out) {
  if (word.length != 10 || word.At(4) != '-') return false;
  int value[2] = {0, 0};
  for (int i = 0; i < 10; ++i) {
    if (i == 4) continue;
    if (!IsDigit(word.At(i))) return false;
    int& part = value[i < 4 ? 0 : 1];
    part = part * 10 + (word.At(i) - '0');
  }
  out.parts[0] = value[0];
  out.parts[1] = value[1] / 1000;
  out.parts[2] = value[1] % 1000;
  return out.parts[0] % 100 < 60 && out.parts[0] / 100 < 24 && out.parts[2] >= 1 &&
         out.parts[2] <= 366;
}

// The words whose shape their length and letters alone tell.
bool ClassifyShortWord(Text word, Word& out) {
  if (word.length == 2) {
    if (EqualsNoCase(word, "->")) {
      out.shape = Shape::kArrow;
    } else if (EqualsNoCase(word, "AM") || EqualsNoCase(word, "PM")) {
      out.shape = Shape::kMeridiem;
    }
  } else if (word.length == 3 || word.length == 5) {
    if (EqualsNoCase(word, "<DIR>") || EqualsNoCase(word, "DIR") || EqualsNoCase(word, "[DIR]")) {
      out.shape = Shape::kDirMark;
    }
  }
  return out.shape != Shape::kText;
}

void Classify(Text word, Word& out) {
  out.shape = Shape::kText;
  uint8_t classes = 0;
  for (int i = 0; i < word.length; ++i) classes |= ClassOf(word.bytes[i]);
  out.control = (classes & kControlByte) != 0;
  if (out.control || ClassifyShortWord(word, out)) return;
  if (const int month = NameIndexOfWord(word, kMonthNames)) {
    out.shape = Shape::kMonth;
    out.month = static_cast<uint8_t>(month);
  } else if (NameIndexOfWord(word, kWeekdayNames) != 0) {
    out.shape = Shape::kWeekday;
  } else if (IsPermissionLike(word)) {
    out.shape = Shape::kPermission;
  } else if (IsFacts(word)) {
    out.shape = Shape::kFacts;
  } else if (!IsDigit(word.At(0)) && !IsAlpha(word.At(0))) {
    return;
  } else if (ReadNumber(word, out)) {
    return;
  } else if (ReadStamp(word, out)) {
    out.shape = Shape::kStamp;
    out.partCount = 3;
  } else if (ReadTime(word, out)) {
    out.shape = Shape::kTime;
  } else if (Lexed lexed; LexDate(word, lexed)) {
    const bool dated =
        lexed.count == 3 && lexed.consistent && (lexed.separator != 0 || lexed.month != 0);
    if (dated) {
      out.shape = Shape::kDate;
      out.month = static_cast<uint8_t>(lexed.month);
    } else if (lexed.count == 2 && lexed.separator == '/' && lexed.month == 0) {
      out.shape = Shape::kRatio;
    } else {
      return;
    }
    out.partCount = static_cast<uint8_t>(lexed.count);
    for (int i = 0; i < lexed.count; ++i) out.parts[i] = lexed.numbers[i];
  }
}

}  // namespace

Word ClassifyWord(const char* text, int length) {
  Word word{};
  word.length = static_cast<uint16_t>(length);
  Classify(Text{text, length}, word);
  return word;
}

void SplitWords(const char* line, int length, LineWords& out) {
  out.count = 0;
  out.startsWithBlank = length > 0 && IsBlankOrTab(line[0]);
  out.showsDate = false;
  out.showsFields = false;
  out.selfOrParent = false;
  out.weight = 0;
  int i = 0;
  while (i < length && out.count < kMaxWords) {
    while (i < length && IsBlankOrTab(line[i])) ++i;
    if (i == length) break;
    const int start = i;
    while (i < length && !IsBlankOrTab(line[i])) ++i;
    Word& word = out.words[out.count++];
    word = ClassifyWord(line + start, i - start);
    word.start = static_cast<uint16_t>(start);
    out.weight += WeightOf(word);
    out.showsDate |=
        word.shape == Shape::kDate || word.shape == Shape::kTime || word.shape == Shape::kStamp;
    out.showsFields |= IsFieldShape(word.shape);
  }
  // "." or ".." as the first or the last word.
  for (const int w : {0, out.count - 1}) {
    if (out.count == 0) break;
    const Word& word = out.words[w];
    const char* text = line + word.start;
    out.selfOrParent |=
        (word.length == 1 || word.length == 2) && text[0] == '.' && text[word.length - 1] == '.';
  }
  // "Mar  3  2019": a month name beside a day.
  for (int w = 0; w < out.count && !out.showsDate; ++w) {
    if (out.words[w].shape != Shape::kMonth) continue;
    for (const int n : {w - 1, w + 1}) {
      const bool day = n >= 0 && n < out.count && out.words[n].shape == Shape::kNumber &&
                       out.words[n].value >= 1 && out.words[n].value <= 31;
      out.showsDate |= day;
    }
  }
}

}  // namespace qorda::guess
