// The Unix long listing, as nearly every server writes it:
//   -rw-r--r--   1 owner    group        1234 Jan 12 12:30 file name.txt
//   drwxr-xr-x   2 owner    group         512 Mar  3  2019 docs
//   crw-rw-rw-   1 root     root       4,  64 Jan 12 12:30 tty0
#include "scan/unix.h"

#include <cstring>

#include "platform/clock.h"
#include "qordahosts.h"
#include "scan/fast_readers.h"
#include "scan/text.h"

namespace qorda {
namespace {

// The blank or terminator that ends the word at text.
const char* EndOfWord(const char* text) {
  while (!EndsWord(*text)) ++text;
  return text;
}

// The first " ->" in the name of the given length, or null. Names rarely
// hold a '>', so finding each beats a substring search.
char* FindLinkArrow(char* name, std::size_t length) {
  const char* const end = name + length;
  for (const char* head = FindByteIn(name, end, '>'); head != end;
       head = FindByteIn(head + 1, end, '>')) {
    if (head - name >= 2 && head[-1] == '-' && head[-2] == ' ') return name + (head - 2 - name);
  }
  return nullptr;
}

// Marks the kind and cuts the name, which runs to nameEnd, at a link arrow:
// "link -> target". Returns the name's length after the cut.
std::size_t ReadKindAndCutName(ListingEntry& entry, const char* line, char* name,
                               const char* nameEnd) {
  std::size_t length = static_cast<std::size_t>(nameEnd - name);
  bool isDirectory = ToLower(line[0]) == 'd';
  if (isDirectory && length > 0 && (name[length - 1] == '/' || name[length - 1] == '\\')) {
    name[--length] = '\0';
  }
  if (char* arrow = FindLinkArrow(name, length)) {
    *arrow = '\0';
    entry.kind = KIND_LINK;
    return static_cast<std::size_t>(arrow - name);
  }
  if (isDirectory) entry.kind = KIND_DIRECTORY;
  return length;
}

bool IsTimeOfDay(const char* word) {
  return CharAt(word, 1) == ':' || CharAt(word, 2) == ':' || CharAt(word, 2) == '.';
}

// A time of day without a year: the entry is from the last twelve months, so
// a month later than the current one belongs to last year.
void InferYear(ListingEntry& entry) {
  LocalDate today = CurrentLocalDate();
  int year = today.year;
  if (entry.month > today.month) --year;
  entry.year = static_cast<uint16_t>(year);
  entry.flags |= FLAG_YEAR_INFERRED;
}

void ReadUsualTimeOfDay(ListingEntry& entry, const char* word) {
  InferYear(entry);
  entry.hour = static_cast<uint8_t>(DigitsValueIn(word, 2));
  entry.minute = static_cast<uint8_t>(DigitsValueIn(word + 3, 2));
}

void ReadTimeOfDay(ListingEntry& entry, const char* word) {
  InferYear(entry);
  entry.hour = static_cast<uint8_t>(ScanInt(word));
  bool twoDigitHour = CharAt(word, 2) == ':' || CharAt(word, 2) == '.';
  // The colon (or dot) the caller found lies inside the word, so the
  // minutes start at most one past it.
  entry.minute = static_cast<uint8_t>(ScanInt(word + (twoDigitHour ? 3 : 2)));
}

// The starts of words 1 to known, found in one pass: a long listing asks
// for the words of one line one by one, and finding each with NthWord from
// the start of the line rescans every column before it.
struct WordStarts {
  static constexpr int kMax = 16;
  const char* line;
  const char* end;  // the line's end as it was indexed; cuts may lie before it
  int known;        // starts[1..known] are found, null past the last word
  const char* starts[kMax + 1];
};

WordStarts IndexWords(const char* line, std::size_t length, int upTo) {
  // Left uninitialised but for the entries set here: clearing the whole
  // array costs more than finding the words.
  WordStarts words;
  words.line = line;
  words.end = line + length;
  words.known = 0;
  if (line == nullptr) return words;
  words.known = upTo < WordStarts::kMax ? upTo : WordStarts::kMax;
  words.starts[1] = line;
  for (int n = 2 + FindWordStartsIn(line, length, words.starts + 2, words.known - 1);
       n <= words.known; ++n) {
    words.starts[n] = nullptr;
  }
  return words;
}

// The words up to word last once the line has been cut at cut, which lies
// past the end of word last - 1: word last survives only if it starts
// before the cut.
void KeepWordsBeforeCut(WordStarts& words, int last, const char* cut) {
  words.known = last;
  if (words.starts[last] != nullptr && words.starts[last] >= cut) words.starts[last] = nullptr;
}

// Word n as NthWord answers it; null for 0, a column the line does not have.
const char* WordAt(const WordStarts& words, int n) {
  if (n <= 0) return nullptr;
  if (n == 1) return words.line;
  if (n <= words.known) return words.starts[n];
  return NthWord(words.line, n);
}

// The day column as ScanInt reads it. One or two digits, varying from line
// to line: a select between the two, instead of a digit loop, spares the
// loop's mispredicted exit on every change of width.
int ReadDay(const char* text) {
  if (IsDigit(text[0])) {
    const bool twoDigits = IsDigit(text[1]);
    // text[2] is read only when text[1] is a digit, so not the terminator.
    if (!IsDigit(text[1 + twoDigits])) {
      const int first = text[0] - '0';
      const int day = twoDigits ? first * 10 + (text[1] - '0') : first;
      if constexpr (kCheckFastReaders) {
        ExpectSameReading(day == ScanInt(text), "ReadDay", text, 2 + twoDigits);
      }
      return day;
    }
  }
  return ScanInt(text);
}

int Largest(int a, int b) {
  return a > b ? a : b;
}

int LargestWord(const UnixColumns& columns) {
  return Largest(Largest(columns.month, columns.day), Largest(columns.timeOrYear, columns.size));
}

// "12:30" (the year then from the clock), or a year, from the column's word.
[[gnu::always_inline]] inline void ReadTimeOrYear(ListingEntry& entry, const char* dateColumn,
                                                  const char* lineEnd) {
  // "12:30", as nearly every server writes it: read in place. A digit
  // after the minutes would be read with them, so it takes the general way.
  const auto available = static_cast<std::size_t>(lineEnd - dateColumn);
  if (MatchesShapeIn(dateColumn, available, "99:99") && !IsDigit(dateColumn[5])) {
    if constexpr (kCheckFastReaders) {
      ListingEntry general = entry;
      ReadTimeOfDay(general, dateColumn);
      ReadUsualTimeOfDay(entry, dateColumn);
      ExpectSameReading(std::memcmp(&general, &entry, sizeof entry) == 0, "ReadUsualTimeOfDay",
                        dateColumn, 5);
      return;
    }
    ReadUsualTimeOfDay(entry, dateColumn);
  } else if (IsTimeOfDay(dateColumn)) {
    ReadTimeOfDay(entry, dateColumn);
  } else {
    entry.year = static_cast<uint16_t>(ScanInt(dateColumn));
    entry.flags |= FLAG_NO_TIME;
  }
}

// Inlined into each caller, where the column numbers are constants: the
// word lookups then fold to plain loads.
[[gnu::always_inline]] inline void ReadColumns(ListingEntry& entry, const WordStarts& words,
                                               const UnixColumns& columns) {
  const char* monthText = WordAt(words, columns.month);
  const char* dayText = WordAt(words, columns.day);
  if (monthText != nullptr) entry.month = static_cast<uint8_t>(MonthFromName(monthText));
  if (dayText != nullptr) entry.day = static_cast<uint8_t>(ReadDay(dayText));
  // '12 Jan 12:30': day before month.
  if (entry.month == 0 && entry.day == 0) {
    if (dayText != nullptr) entry.month = static_cast<uint8_t>(MonthFromName(dayText));
    if (monthText != nullptr) entry.day = static_cast<uint8_t>(ScanInt(monthText));
  }

  if (const char* dateColumn = WordAt(words, columns.timeOrYear)) {
    ReadTimeOrYear(entry, dateColumn, words.end);
  }

  const char* sizeText = WordAt(words, columns.size);
  entry.size = sizeText == nullptr ? 0 : ScanInt64(sizeText);
}

// The name's start found by walking over the day and the date column from
// the start of the day word; null when there is no name.
const char* WalkToUnixName(const char* dayText) {
  const char* cursor = EndOfWord(dayText);
  bool doubleSeparator = false;
  if (cursor[0] == ' ' && cursor[1] == ' ') {
    cursor += 2;
    doubleSeparator = true;
  } else if (cursor[0] == ' ') {
    ++cursor;
  }
  const char* dateColumn = cursor;
  cursor = EndOfWord(cursor);
  long dateLength = cursor - dateColumn;

  // The date column is right-aligned to five characters ('12:30', ' 2019'),
  // so exactly one blank follows it; further blanks belong to the name.
  if (doubleSeparator || dateLength > 4) return *cursor == '\0' ? cursor : cursor + 1;

  // 'Jan 12 2019  name': an unaligned year, followed by two blanks.
  const char* name;
  if (cursor[0] == ' ' && cursor[1] == ' ') {
    name = cursor + 2;
  } else if (*cursor == '\0') {
    return nullptr;
  } else {
    name = cursor + 1;
  }
  return *name == '\0' ? nullptr : name;
}

// The usual layout, one or two blanks after the day and one after the date
// column, is settled by the word starts alone: whatever the date column
// holds, the name is word 9. Null for any other layout.
const char* UsualUnixName(const WordStarts& words) {
  if (words.known < 9 || words.starts[9] == nullptr) return nullptr;
  const char* dateColumn = words.starts[8];
  const char* name = words.starts[9];
  if ((dateColumn[-2] != ' ' || dateColumn[-3] != ' ') && name[-2] != ' ') return name;
  return nullptr;
}

// Where the name begins, given words 1 to 8 of the line; null when there is
// no name.
char* FindUnixNameIn(char* line, const WordStarts& words, int* extraWord) {
  if (extraWord != nullptr) *extraWord = 0;
  int dayWord = 7;
  // A device's size column is "major, minor": one word more before the date.
  if (line[0] == 'c' || line[0] == 'b') {
    const char* sizeText = words.starts[5];
    if (sizeText != nullptr && *sizeText != '\0') {
      const char* comma = FindText(sizeText, ",");
      if (comma != nullptr && comma[1] == ' ') {
        dayWord = 8;
        if (extraWord != nullptr) *extraWord = 1;
      }
    }
  }
  const char* dayText = words.starts[dayWord];
  const char* name = dayWord == 7 ? UsualUnixName(words) : nullptr;
  if (name != nullptr) {
    if constexpr (kCheckFastReaders) {
      ExpectSameReading(WalkToUnixName(dayText) == name, "UsualUnixName", words.line,
                        static_cast<int>(words.end - words.line));
    }
  } else {
    if (dayText == nullptr) return nullptr;
    name = WalkToUnixName(dayText);
  }
  return name == nullptr ? nullptr : line + (name - words.line);
}

}  // namespace

void ParseUnixColumns(ListingEntry& entry, const char* line, const UnixColumns& columns) {
  ReadColumns(entry,
              IndexWords(line, line == nullptr ? 0 : std::strlen(line), LargestWord(columns)),
              columns);
}

char* FindUnixName(char* line, int* extraWord) {
  return FindUnixNameIn(line, IndexWords(line, std::strlen(line), 8), extraWord);
}

int ParseUnixLine(ListingEntry& entry, const LineInput& in) {
  char* const line = in.copy;
  if (StartsWithNoCase(line, "total")) return 0;

  // Words 1 to 9 in one pass (a device has one word more). Cutting the name
  // out leaves their starts as they are, except that the date column may
  // have been the name's first word.
  WordStarts words = IndexWords(line, static_cast<std::size_t>(in.length), 9);
  const char* fifthWord = words.starts[5];
  if (fifthWord != nullptr && IsDigit(*fifthWord)) {
    int extra = 0;
    char* name = FindUnixNameIn(line, words, &extra);
    if (name != nullptr && *name != '\0') {
      name[-1] = '\0';
      std::size_t nameLength = ReadKindAndCutName(entry, line, name, words.end);
      KeepWordsBeforeCut(words, 8 + extra, name - 1);
      ReadColumns(
          entry, words,
          {.size = 5 + extra, .month = 6 + extra, .day = 7 + extra, .timeOrYear = 8 + extra});
      return CopyNameIn(entry, name, nameLength);
    }
  } else if (char* name = const_cast<char*>(words.starts[8]); name != nullptr && *name != '\0') {
    // No group column.
    name[-1] = '\0';
    std::size_t nameLength = ReadKindAndCutName(entry, line, name, words.end);
    words.known = 7;
    ReadColumns(entry, words, {.size = 4, .month = 5, .day = 6, .timeOrYear = 7});
    return CopyNameIn(entry, name, nameLength);
  }

  // Neither layout: the last word is the best guess at a name.
  char* lastWord = LastWord(line);
  if (*lastWord == '\0') return 0;
  if (ToLower(line[0]) == 'd') entry.kind = KIND_DIRECTORY;
  return CopyName(entry, lastWord);
}

}  // namespace qorda
