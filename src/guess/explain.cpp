#include "guess/explain.h"

#include <array>
#include <cstring>

#include "scan/dates.h"
#include "scan/text.h"

namespace qorda::guess {
namespace {

// The first place in text, of length bytes, where needle stands; null when
// nowhere. Lengths here are a line's, a name's or a word's, never negative.
const char* Find(const char* text, int length, const char* needle, int needleLength) {
  return FindTextIn(text, static_cast<std::size_t>(length), needle,
                    static_cast<std::size_t>(needleLength));
}

constexpr int kFirstYear = 1970;
// Names with blanks run to four or five words ("Backup of drive D.img"), or
// more, but without the commas and stops of a sentence.
constexpr int kMaxNameWords = 5;
constexpr int kMaxNameWordsUnpunctuated = 12;
// What a "name" that is a sentence or markup weighs: more than any line.
constexpr int kNotANameDebris = kMaxWords;

// A word of debris in a name costs what a field's word is worth: a name that
// swallowed a date is worse than a date left unread.
constexpr float kDebrisWeight = 4.0f;
// A reading whose entry lacks what its dialect's entries carry (a date, a
// size) took a word for the name and missed the columns: the fallback of a
// parser, or a line of another dialect, not a reading.
constexpr float kFallbackFactor = 0.5f;
constexpr float kShortLineFactor = 0.75f;

struct Marks {
  bool explained[kMaxWords] = {};
  int fields = 0;
  bool dateFound = false;
  bool timeFound = false;
  bool kindExplained = false;
  bool implausibleDate = false;  // explained, but far from the present

  void Field(int word) {
    explained[word] = true;
    ++fields;
  }
};

bool Free(const Marks& marks, const LineWords& words, int word, Shape shape) {
  return word >= 0 && word < words.count && !marks.explained[word] &&
         words.words[word].shape == shape;
}

// Whether the parts of a date word are the record's day, month and year, in
// whatever order the dialect writes them: some order must fit all three.
bool DateMatches(const Word& word, const ListingEntry& entry) {
  if (word.partCount != 3) return false;
  const auto isDay = [&](int i) {
    return word.parts[i] == entry.day && (word.month == 0 || word.parts[i] != 0);
  };
  const auto isMonth = [&](int i) {
    return word.month != 0 ? word.parts[i] == 0 && word.month == entry.month
                           : word.parts[i] == entry.month;
  };
  const auto isYear = [&](int i) {
    const int part = word.parts[i];
    return part == entry.year || (part < 100 && part == entry.year % 100);
  };
  constexpr int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (const auto& order : kOrders) {
    if (isDay(order[0]) && isMonth(order[1]) && isYear(order[2])) return true;
  }
  return false;
}

// "Mar  3  2019", "16 Mar 97", "Jan 12, 98": a month word with its day and
// year around it.
void ExplainSplitDate(const LineWords& words, const ListingEntry& entry, Marks& marks) {
  int monthWord = -1;
  for (int w = 0; w < words.count && monthWord < 0; ++w) {
    if (Free(marks, words, w, Shape::kMonth) && words.words[w].month == entry.month) monthWord = w;
  }
  if (monthWord < 0) return;
  marks.Field(monthWord);
  for (int w = monthWord - 2; w <= monthWord + 2; ++w) {
    if (Free(marks, words, w, Shape::kNumber) && words.words[w].value == entry.day) {
      marks.Field(w);
      break;
    }
  }
  for (int w = monthWord - 1; w <= monthWord + 4; ++w) {
    if (!Free(marks, words, w, Shape::kNumber)) continue;
    const Word& word = words.words[w];
    if (word.value == entry.year || (word.length == 2 && word.value == entry.year % 100)) {
      marks.Field(w);
      break;
    }
  }
}

// "1234-01136": the record's time, year and day of the year in one word.
void ExplainStamp(const LineWords& words, const ListingEntry& entry, Marks& marks) {
  for (int w = 0; w < words.count; ++w) {
    if (!Free(marks, words, w, Shape::kStamp)) continue;
    const Word& word = words.words[w];
    if (word.parts[1] != entry.year % 100 ||
        word.parts[2] != DayOfYear(entry.year, entry.month, entry.day)) {
      continue;
    }
    marks.Field(w);
    marks.timeFound = word.parts[0] == entry.hour * 100 + entry.minute;
    return;
  }
}

void ExplainDate(const LineWords& words, const ListingEntry& entry, int currentYear, Marks& marks) {
  // A listing's dates lie between the first Unix systems and next year: a
  // reading that makes 2030 of "30/11/26" has the order wrong.
  if (entry.month == 0 || entry.day == 0) return;
  marks.implausibleDate =
      entry.year != 0 && (entry.year < kFirstYear || entry.year > currentYear + 1);
  const int before = marks.fields;
  for (int w = 0; w < words.count; ++w) {
    if (Free(marks, words, w, Shape::kDate) && DateMatches(words.words[w], entry)) {
      marks.Field(w);
      break;
    }
  }
  if (marks.fields == before) ExplainSplitDate(words, entry, marks);
  if (marks.fields == before) ExplainStamp(words, entry, marks);
  if (marks.fields == before) return;
  marks.dateFound = true;
  for (int w = 0; w < words.count; ++w) {
    if (Free(marks, words, w, Shape::kWeekday)) marks.explained[w] = true;
  }
}

// A 12-hour mark agrees with the hour the reading made of it.
bool MeridiemAgrees(char mark, int hour) {
  if (mark == 'p' || mark == 'P') return hour >= 12;
  if (mark == 'a' || mark == 'A') return hour < 12;
  return true;
}

void ExplainTime(const LineWords& words, const char* line, const ListingEntry& entry,
                 Marks& marks) {
  for (int w = 0; w < words.count; ++w) {
    if (!Free(marks, words, w, Shape::kTime)) continue;
    const Word& word = words.words[w];
    if (word.parts[0] % 12 != entry.hour % 12 || word.parts[1] != entry.minute) continue;
    if (!MeridiemAgrees(word.meridiem, entry.hour)) continue;
    marks.Field(w);
    marks.timeFound = true;
    if (Free(marks, words, w + 1, Shape::kMeridiem) &&
        MeridiemAgrees(line[words.words[w + 1].start], entry.hour)) {
      marks.explained[w + 1] = true;
    }
    return;
  }
  // "1146": hours and minutes without a colon, beside a date.
  if (!marks.dateFound) return;
  for (int w = 0; w < words.count; ++w) {
    const Word& word = words.words[w];
    if (Free(marks, words, w, Shape::kNumber) && word.length == 4 &&
        word.value == entry.hour * 100 + entry.minute && entry.hour + entry.minute > 0) {
      marks.Field(w);
      marks.timeFound = true;
      return;
    }
  }
}

// Whether size is count units, without a product that could overflow.
bool IsUnits(int64_t size, int64_t count, int64_t unit) {
  return size % unit == 0 && size / unit == count;
}

bool SizeMatches(const Word& word, int64_t size) {
  switch (word.shape) {
    case Shape::kNumber:
      // Bytes, blocks of 512 bytes, kilobytes, blocks of 4 KiB.
      return word.value == size || IsUnits(size, word.value, 512) ||
             IsUnits(size, word.value, 1024) || IsUnits(size, word.value, 4096);
    case Shape::kRatio:
      return IsUnits(size, word.parts[0], 512) || word.parts[0] == size;
    case Shape::kScaled:
      return size >= word.value - word.value / 16 && size <= word.value + word.value / 16;
    default:
      return false;
  }
}

void ExplainSize(const LineWords& words, const ListingEntry& entry, const Candidate& candidate,
                 Marks& marks) {
  if (entry.size == 0) {
    if (candidate.carries == Carries::kNamesOnly) return;
    // "0" read as the size, or not read: a dialect with sizes gets the
    // benefit; so does one that writes a directory's block count unread.
    const bool anyCount = candidate.directorySizeUnread && entry.kind == KIND_DIRECTORY;
    for (int w = 0; w < words.count; ++w) {
      const Word& word = words.words[w];
      if ((Free(marks, words, w, Shape::kNumber) && (word.value == 0 || anyCount)) ||
          (Free(marks, words, w, Shape::kRatio) && word.parts[0] == 0)) {
        marks.Field(w);
        return;
      }
    }
    return;
  }
  for (int w = 0; w < words.count; ++w) {
    if (!marks.explained[w] && SizeMatches(words.words[w], entry.size)) {
      marks.Field(w);
      return;
    }
  }
  // Record length times record count, tracks times bytes per track.
  for (int a = 0; a < words.count; ++a) {
    if (!Free(marks, words, a, Shape::kNumber) || words.words[a].value == 0) continue;
    const int64_t first = words.words[a].value;
    if (first > (int64_t{1} << 31) || entry.size % first != 0) continue;
    for (int b = a + 1; b < words.count; ++b) {
      if (Free(marks, words, b, Shape::kNumber) && words.words[b].value == entry.size / first) {
        marks.Field(a);
        marks.Field(b);
        return;
      }
    }
  }
}

bool HasFields(const ListingEntry& entry) {
  return entry.month != 0 || entry.size != 0 || entry.hour != 0 || entry.minute != 0 ||
         entry.kind != KIND_UNSTATED;
}

void ExplainKind(const LineWords& words, const char* line, const ListingEntry& entry,
                 Marks& marks) {
  for (int w = 0; w < words.count; ++w) {
    const Shape shape = words.words[w].shape;
    if (marks.explained[w]) continue;
    const bool directoryMark =
        shape == Shape::kDirMark ||
        (shape == Shape::kPermission && ToLower(line[words.words[w].start]) == 'd');
    if (entry.kind == KIND_DIRECTORY && directoryMark) {
      marks.Field(w);
      marks.kindExplained = true;
    }
    if (shape == Shape::kFacts && HasFields(entry)) {
      // The facts hold the type, size and time stamp.
      marks.Field(w);
      marks.kindExplained = marks.dateFound = marks.timeFound = true;
    }
    if (entry.kind == KIND_LINK && shape == Shape::kArrow) {
      // The arrow and its target, which the reading cut from the name.
      for (int target = w; target < words.count; ++target) marks.explained[target] = true;
      ++marks.fields;
      return;
    }
  }
}

// The words that dialects write for a kind other than a plain file: a
// partitioned data set, a directory, library or folder, a link, a
// relocatable or absolute program element.
constexpr const char* kKindWords[] = {"PO",    "DIR",       "DDI", "LIB", "FLR", "LIBRARY",
                                      "WORLD", "DIRECTORY", "LNK", "REL", "ABS"};

// Whether the word, without the brackets around it ("(WORLD)"), is a kind word.
bool IsKindWord(const char* word, int length) {
  while (length > 0 && !IsAlpha(word[length - 1])) --length;
  while (length > 0 && !IsAlpha(*word)) ++word, --length;
  for (const char* kindWord : kKindWords) {
    if (EqualsNoCaseIn(word, static_cast<std::size_t>(length), kindWord)) return true;
  }
  return false;
}

// "WORLD", "LNK", "PO": the type word that a reading which states a kind
// took it from, when no mark above explained the kind. Read after the name,
// which may hold such words itself.
void ExplainKindWord(const LineWords& words, const char* line, const ListingEntry& entry,
                     Marks& marks) {
  // A plain file is many a dialect's default, stated by no word.
  if (entry.kind == KIND_UNSTATED || entry.kind == KIND_FILE || marks.kindExplained) return;
  for (int w = 0; w < words.count; ++w) {
    const Word& word = words.words[w];
    if (!marks.explained[w] && word.shape == Shape::kText &&
        IsKindWord(line + word.start, word.length)) {
      marks.Field(w);
      return;
    }
  }
}

bool HasAlnumIn(const char* text, int length) {
  for (int i = 0; i < length; ++i) {
    if (IsAlnum(text[i])) return true;
  }
  return false;
}

// Whether the letters and digits of the name, at least three, begin the
// word's: a name the dialect rewrote from it ('001002.DIR;1' listed as
// '[001,002]').
bool AlnumPrefixOf(const char* name, int nameLength, const char* word, int wordLength) {
  int n = 0, w = 0, matched = 0;
  for (;; ++n, ++w) {
    while (n < nameLength && !IsAlnum(name[n])) ++n;
    while (w < wordLength && !IsAlnum(word[w])) ++w;
    if (n == nameLength) return matched >= 3;
    if (w == wordLength || name[n] != word[w]) return false;
    ++matched;
  }
}

// Whether the word holds the whole name: a path's last part
// ('/home/x/report.csv'), a name behind its directory
// ('DKA0:[USER]NOTES.TXT;12'), or before its version or type ('TOOLS.DIR;1').
// A name that begins or ends within a run of letters is a column cut
// through a longer name, which explains nothing.
bool WordHoldsName(const char* word, int wordLength, const char* name, int nameLength) {
  const char* at = Find(word, wordLength, name, nameLength);
  if (at == nullptr || nameLength < 2) return false;
  const char before = at == word ? '/' : at[-1];
  const char* after = at + nameLength;
  const char next = after == word + wordLength ? ';' : *after;
  const auto separates = [](char c) {
    return c == '/' || c == '\\' || c == ']' || c == ':' || c == '>' || c == '=';
  };
  return separates(before) && (next == ';' || next == '.' || separates(next));
}

// Whether the name accounts for the word: holds it ('file name.txt' holds
// 'name.txt'), or is held by it ('DATA.DAT;2' holds 'DATA.DAT', a path its
// last part), also with "%20" standing for a blank.
bool NameCovers(const char* name, int nameLength, const char* word, int wordLength) {
  // "Read Me........" and "docs/": a leader of dots or a directory's mark
  // that the reading took off the name.
  int dots = 0;
  while (dots < wordLength && word[wordLength - 1 - dots] == '.') ++dots;
  if (dots >= 3 && dots < wordLength) wordLength -= dots;
  if (wordLength > 1 && (word[wordLength - 1] == '/' || word[wordLength - 1] == '\\') &&
      (nameLength == 0 || name[nameLength - 1] != word[wordLength - 1])) {
    --wordLength;
  }
  if (Find(name, nameLength, word, wordLength) != nullptr) return true;
  if (WordHoldsName(word, wordLength, name, nameLength)) return true;
  if (AlnumPrefixOf(name, nameLength, word, wordLength)) return true;
  if (std::memchr(word, '%', static_cast<std::size_t>(wordLength)) == nullptr) return false;
  // A word of the line is at most the line's 511 bytes.
  char decoded[kMaxNameLength + 1];
  std::memcpy(decoded, word, static_cast<std::size_t>(wordLength));
  const auto length =
      static_cast<int>(UnescapeBlanks(decoded, static_cast<std::size_t>(wordLength)));
  return Find(name, nameLength, decoded, length) != nullptr;
}

// Where the name stands in the line as it is, [start, end): the first
// place where no letter or digit goes on before it. start is -1 when it
// stands nowhere, a name the dialect rewrote ('PROFILE EXEC' listed as
// 'PROFILE.EXEC'), or only where a word goes on before it: a column read at
// a fixed place that cut through a longer name ('kup96' of 'temp.backup96').
struct NameInLine {
  int start = -1;
  int end = -1;
  bool cut = false;
};

NameInLine FindName(const char* line, int lineLength, const char* name, int nameLength) {
  NameInLine found;
  for (const char* from = line; nameLength > 0 && from < line + lineLength;) {
    const char* at = Find(from, static_cast<int>(line + lineLength - from), name, nameLength);
    if (at == nullptr) break;
    if (at == line || !IsAlnum(at[-1]) || !IsAlnum(name[0])) {
      found.start = static_cast<int>(at - line);
      found.end = found.start + nameLength;
      found.cut = false;
      return found;
    }
    found.cut = true;
    from = at + 1;
  }
  return found;
}

// Debris in the name's own words: field shapes and control characters. A
// name that stands in the line word for word has the line's words, whose
// shapes are known; any other is split and its words classified.
int WordDebris(const LineWords& words, const NameInLine& at, const ListingEntry& entry,
               int nameLength, int& nameWords) {
  int debris = 0;
  bool aligned = false;
  for (int w = 0; w < words.count && at.start >= 0; ++w) {
    aligned |= words.words[w].start == at.start;
  }
  bool endsAligned = false;
  for (int w = 0; w < words.count && aligned; ++w) {
    endsAligned |= words.words[w].start + words.words[w].length == at.end;
  }
  if (aligned && endsAligned) {
    for (int w = 0; w < words.count; ++w) {
      const Word& word = words.words[w];
      if (word.start < at.start || word.start >= at.end) continue;
      ++nameWords;
      if (word.control || IsFieldShape(word.shape)) ++debris;
    }
    return debris;
  }
  const char* name = entry.name;
  for (int i = 0; i < nameLength;) {
    if (IsBlankOrTab(name[i])) {
      ++i;
      continue;
    }
    const int start = i;
    while (i < nameLength && !IsBlankOrTab(name[i])) ++i;
    const Word word = ClassifyWord(name + start, i - start);
    if (word.control || IsFieldShape(word.shape)) ++debris;
    ++nameWords;
  }
  return debris;
}

// The bytes of a name that tell of column padding or of text that is no
// name.
enum : uint8_t { kDot = 1, kBlank = 2, kMarkup = 4, kStop = 8 };

constexpr std::array<uint8_t, 256> kNameByteMarks = [] {
  std::array<uint8_t, 256> marks{};
  marks['.'] = kDot | kStop;
  marks[' '] = marks['\t'] = kBlank;
  for (const char* c = "<>{}\"|"; *c != '\0'; ++c) marks[static_cast<uint8_t>(*c)] = kMarkup;
  for (const char* c = ",;:"; *c != '\0'; ++c) marks[static_cast<uint8_t>(*c)] = kStop;
  return marks;
}();

// What a reading that misplaced the name's start swallowed: field-shaped
// words, control characters, runs of column blanks, leaders of dots, a
// directory's mark, a cut through a longer name; and what no file is
// named: a sentence, a page or a program.
int NameDebris(const LineWords& words, const NameInLine& at, const ListingEntry& entry,
               int nameLength) {
  const char* name = entry.name;
  int debris = at.start < 0 && at.cut ? 1 : 0;
  // "SRC\": a directory's mark left in the name of an entry not taken for one.
  const char last = nameLength > 1 ? name[nameLength - 1] : '\0';
  if ((last == '/' || last == '\\') && entry.kind != KIND_DIRECTORY) ++debris;
  bool markup = false, punctuated = false;
  int dots = 0, blanks = 0;
  for (int i = 0; i < nameLength; ++i) {
    const uint8_t marks = kNameByteMarks[static_cast<uint8_t>(name[i])];
    if (marks == 0) {
      dots = blanks = 0;
      continue;
    }
    // "Read Me.........": a leader of dots, which pads a column; so do
    // runs of blanks.
    dots = (marks & kDot) != 0 ? dots + 1 : 0;
    blanks = (marks & kBlank) != 0 ? blanks + 1 : 0;
    if (dots == 4 || blanks == 3) ++debris;
    markup = markup || (marks & kMarkup) != 0;
    // ", " or ". " inside, or a stop at the end: the punctuation of prose.
    punctuated =
        punctuated || ((marks & kStop) != 0 && (i + 1 == nameLength || name[i + 1] == ' '));
  }
  int nameWords = 0;
  debris += WordDebris(words, at, entry, nameLength, nameWords);
  if ((nameWords > kMaxNameWords && punctuated) || nameWords > kMaxNameWordsUnpunctuated ||
      markup) {
    debris += kNotANameDebris;
  }
  return debris;
}

}  // namespace

Explanation ExplainEntry(const LineWords& words, const char* line, const ListingEntry& entry,
                         int nameLength, const Candidate& candidate, int currentYear) {
  const Carries carries = candidate.carries;
  Marks marks;
  // The permission string's mode, and its kind: "d" is a directory.
  if (words.count > 0 && words.words[0].shape == Shape::kPermission &&
      (entry.flags & FLAG_MODE_VALID) != 0 &&
      (ToLower(line[0]) != 'd' || entry.kind == KIND_DIRECTORY)) {
    marks.Field(0);
    marks.kindExplained = true;
  }
  ExplainDate(words, entry, currentYear, marks);
  ExplainTime(words, line, entry, marks);
  ExplainSize(words, entry, candidate, marks);
  ExplainKind(words, line, entry, marks);

  const Word& lastWord = words.words[words.count > 0 ? words.count - 1 : 0];
  const int lineLength = words.count > 0 ? lastWord.start + lastWord.length : 0;
  const NameInLine at = FindName(line, lineLength, entry.name, nameLength);
  int explained = 0, total = 0;
  for (int w = 0; w < words.count; ++w) {
    const Word& word = words.words[w];
    // A field's shape in the name is debris, counted below, and explains
    // nothing; a name cut from a longer one explains nothing either.
    if (marks.explained[w] || IsFieldShape(word.shape) || (at.start < 0 && at.cut)) continue;
    const int wordEnd = word.start + word.length;
    if (at.start >= 0 && word.start >= at.start && wordEnd <= at.end) {
      marks.explained[w] = true;
    } else if (at.start < 0 || (word.start < at.end && wordEnd > at.start)) {
      marks.explained[w] = NameCovers(entry.name, nameLength, line + word.start, word.length);
    }
  }
  ExplainKindWord(words, line, entry, marks);
  int textLeft = 0;
  for (int w = 0; w < words.count; ++w) {
    const Word& word = words.words[w];
    explained += marks.explained[w] ? WeightOf(word) : 0;
    total += WeightOf(word);
    // A separator (":", "*", "|") between columns is no text.
    textLeft += !marks.explained[w] && !IsFieldShape(word.shape) &&
                        HasAlnumIn(line + word.start, word.length)
                    ? 1
                    : 0;
  }
  // A date far from the present is likely misread: half a date.
  if (marks.dateFound && marks.implausibleDate) explained -= 2;
  const int debris = NameDebris(words, at, entry, nameLength);
  float quality = (static_cast<float>(explained) - kDebrisWeight * static_cast<float>(debris)) /
                  static_cast<float>(total > 0 ? total : 1);
  if (quality < -1.0f) quality = -1.0f;
  const bool missed =
      (carries == Carries::kDates && (entry.month == 0 || entry.day == 0)) ||
      (carries == Carries::kSizes && entry.size == 0 && entry.kind != KIND_DIRECTORY);
  // Missing what the line does not show is a lesser fault: a few dialects
  // send short lines of a name alone.
  if (quality > 0 && missed) quality *= words.showsFields ? kFallbackFactor : kShortLineFactor;
  const bool hasDate = entry.month != 0 && entry.day != 0;
  const bool hasTime = entry.hour != 0 || entry.minute != 0;
  return {quality,
          marks.fields,
          debris,
          textLeft,
          marks.dateFound || marks.timeFound,
          hasDate && words.showsDate && !marks.dateFound,
          hasTime && !marks.timeFound};
}

bool IsOwnLine(const char* line, int length, const Candidate& candidate) {
  int start = 0;
  while (start < length && IsBlankOrTab(line[start])) ++start;
  for (const char* own : candidate.ownLines) {
    const bool atStart = own[0] == '^';
    const char* text = atStart ? own + 1 : own;
    const int textLength = static_cast<int>(std::strlen(text));
    bool anyCase = true;
    for (int i = 0; i < textLength; ++i) anyCase = anyCase && !IsUpper(text[i]);
    const auto same = [anyCase](char a, char b) { return anyCase ? ToLower(a) == b : a == b; };
    for (int at = start; at + textLength <= length; ++at) {
      int i = 0;
      while (i < textLength && same(line[at + i], text[i])) ++i;
      if (i == textLength) return true;
      if (atStart) break;
    }
  }
  return false;
}

}  // namespace qorda::guess
