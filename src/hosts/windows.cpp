// Windows NT and IIS servers in DOS style, Carrox DMZ, ACI, IIS in its
// month-name layout, Apache's generated index listings and SI NT FTPD:
//   01-05-2023  09:07PM             12345 read me.txt
#include "hosts/windows.h"

#include <cstring>

#include "scan/dates.h"
#include "scan/fast_readers.h"
#include "scan/text.h"
#include "scan/unix.h"

namespace qorda {
namespace {

// Where the NT and ACI parsers part ways; everything else they share.
struct DosDialect {
  UnixColumns unixColumns;    // of a line in the Unix style
  bool midnightIsZero;        // "12:07AM" is hour 0 (NT) or stays 12 (ACI)
  bool markerAnywhereInLine;  // ACI finds "<DIR>" anywhere; NT in the size field
};

constexpr DosDialect kNtDialect = {
    .unixColumns = {.size = 5, .month = 6, .day = 7, .timeOrYear = 8},
    .midnightIsZero = true,
    .markerAnywhereInLine = false,
};
// ACI's Unix style has no group column, and a word between day and time.
constexpr DosDialect kAciDialect = {
    .unixColumns = {.size = 4, .month = 5, .day = 6, .timeOrYear = 8},
    .midnightIsZero = false,
    .markerAnywhereInLine = true,
};

// A DOS line shorter than this is no entry: date, time, size column and a
// name cannot fit in less.
constexpr int kMinDosLineLength = 40;

// Past the field at text and the run of blanks behind it, before end.
char* NextField(char* text, const char* end) {
  while (!EndsWord(*text)) ++text;
  return text + (SkipBlanksIn(text, end) - text);  // the size column pads with up to 20 blanks
}

// The date and clock at the line's start: month, day and year as written,
// the clock as written, and where its minutes begin.
struct DosStamp {
  int month, day, year, hour, minute;
  char* minuteText;
};

// "12-31-99  09:07PM", as nearly every server writes it: read in place. The
// digit after the minutes is excluded, so the reading equals the general one.
bool ReadUsualDosStamp(char* line, int length, DosStamp& stamp) {
  if (!MatchesShapeIn(line, static_cast<std::size_t>(length), "99-99-99  99:99") ||
      IsDigit(line[15])) {
    return false;
  }
  stamp = {DigitsValueIn(line, 2),      DigitsValueIn(line + 3, 2),  DigitsValueIn(line + 6, 2),
           DigitsValueIn(line + 10, 2), DigitsValueIn(line + 13, 2), line + 13};
  return true;
}

// Any other spacing, and four-digit years: fields found by their separators.
bool ReadDosStamp(char* line, const char* end, DosStamp& stamp) {
  // "12-31-99": month and day at fixed places, then two or four year digits.
  stamp.month = ScanInt(line);
  stamp.day = ScanInt(line + 3);
  stamp.year = ScanInt(line + 6);

  // The date is eight or ten characters long: the blank is a few bytes on.
  const char* blank = FindNear(line, ' ');
  if (blank == nullptr) return false;
  char* field = line + (blank - line);
  while (*field == ' ') ++field;

  stamp.hour = ScanInt(field);
  if (const char* colon = FindNear(field, ':')) {
    field += colon - field;
    while (*field == ':') ++field;
  } else {
    field += end - field;  // no clock: the minute is 0 and nothing further is read
  }
  stamp.minute = ScanInt(field);
  stamp.minuteText = field;
  return true;
}

// The stamp, from the fast reader where the line has the usual shape;
// false when the line has no clock.
bool ReadStamp(char* line, int length, DosStamp& stamp) {
  if (!ReadUsualDosStamp(line, length, stamp)) return ReadDosStamp(line, line + length, stamp);
  if constexpr (kCheckFastReaders) {
    DosStamp general;
    ReadDosStamp(line, line + length, general);
    ExpectSameReading(general.month == stamp.month && general.day == stamp.day &&
                          general.year == stamp.year && general.hour == stamp.hour &&
                          general.minute == stamp.minute && general.minuteText == stamp.minuteText,
                      "ReadUsualDosStamp", line, length);
  }
  return true;
}

int ReadDosLine(ListingEntry& entry, char* line, int length, const DosDialect& dialect) {
  if (CharAt(line, 2) != '-' || CharAt(line, 5) != '-') return 0;
  if (length < kMinDosLineLength) return 0;
  const char* const end = line + length;

  DosStamp stamp;
  const bool hasClock = ReadStamp(line, length, stamp);
  entry.month = static_cast<uint8_t>(stamp.month);
  entry.day = static_cast<uint8_t>(stamp.day);
  entry.year = static_cast<uint16_t>(stamp.year);
  if (!hasClock) return 0;

  // "09:07PM": the mark sits right behind the minutes, upper case only.
  char* field = stamp.minuteText;
  int hour = stamp.hour;
  entry.minute = static_cast<uint8_t>(stamp.minute);
  char mark = CharAt(field, 2);
  if (mark == 'A' && hour == 12 && dialect.midnightIsZero) hour = 0;
  // Unsigned, so that a run of digits no hour has wraps instead of overflowing.
  uint32_t clockHour = static_cast<uint32_t>(hour);
  if (mark == 'P' && hour != 12) clockHour += 12;
  entry.hour = static_cast<uint8_t>(clockHour);

  field = NextField(field, end);
  bool isDirectory = dialect.markerAnywhereInLine
                         ? IsDirMarker(line)
                         : StartsWithNoCase(field, "<dir>") || StartsWithNoCase(field, "dir ");
  if (isDirectory) {
    entry.kind = KIND_DIRECTORY;
  } else if (IsDigit(*field)) {
    // The size's digits are the field's start: the name is found from
    // where they end instead of walking them twice.
    uint64_t size = 0;
    const char* const sizeText = field;
    for (; IsDigit(*field); ++field) size = size * 10 + static_cast<uint64_t>(*field - '0');
    entry.size = static_cast<int64_t>(size);
    if constexpr (kCheckFastReaders) {
      ExpectSameReading(entry.size == ScanInt64(sizeText), "the DOS size digits", sizeText,
                        static_cast<int>(field - sizeText));
    }
  } else {
    entry.size = ScanInt64(field);
  }

  const char* name = NextField(field, end);
  return CopyNameIn(entry, name, static_cast<std::size_t>(end - name));
}

int ParseDosOrUnix(ListingEntry& entry, char* line, int length, const DosDialect& dialect) {
  // Only "d" and "-": a link line ("l") is neither style and is dropped.
  if (line[0] == 'd' || line[0] == '-') {
    const char* name = NthWord(line, 9);
    if (name == nullptr) return 0;
    ParseUnixColumns(entry, line, dialect.unixColumns);
    if (line[0] == 'd') entry.kind = KIND_DIRECTORY;
    return CopyName(entry, name);
  }
  return ReadDosLine(entry, line, length, dialect);
}

// Apache writes '1.2K' and '3.5M'; one digit after the point counts in
// tenths, roughly, as 102 bytes each. Wraps rather than overflows.
int64_t ApacheSize(const char* sizeText) {
  uint64_t bytes = static_cast<uint64_t>(ScanInt64(sizeText));
  if (std::strpbrk(sizeText, "kKmM") != nullptr) bytes *= 1024;
  // Also without a unit: '1.5' is 511.
  if (const char* point = std::strchr(sizeText, '.')) {
    bytes += 102 * static_cast<uint64_t>(ScanInt64(point + 1));
  }
  if (std::strpbrk(sizeText, "mM") != nullptr) bytes *= 1024;
  return static_cast<int64_t>(bytes);
}

// 'lnk -> target' is named by the word before the arrow; null without one.
char* NameBeforeArrow(char* line) {
  char* arrow = FindText(line, " ->");
  if (arrow == nullptr) return nullptr;
  *arrow = '\0';
  return LastWord(line);
}

}  // namespace

int ParseWindowsNt(ListingEntry& entry, const LineInput& in) {
  return ParseDosOrUnix(entry, in.copy, in.length, kNtDialect);
}

int ParseAci(ListingEntry& entry, const LineInput& in) {
  return ParseDosOrUnix(entry, in.copy, in.length, kAciDialect);
}

int ParseIis(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  ParseUnixColumns(entry, line, {.size = 7, .month = 2, .day = 3, .timeOrYear = 5});
  int nameLength = 0;
  if (const char* name = NthWord(line, 8)) nameLength = CopyName(entry, name);
  // "<dir>" in the size column; a "dir" in the name counts as well.
  if (const char* sizeColumn = NthWord(line, 7); sizeColumn != nullptr) {
    if (FindText(sizeColumn, "dir") != nullptr) entry.kind = KIND_DIRECTORY;
  }
  return nameLength;
}

int ParseApache(ListingEntry& entry, const LineInput& in) {
  const char* line = in.copy;
  auto nameLength = static_cast<std::size_t>(in.length);
  if (const char* date = NthWord(line, 2)) {
    // "12-Jan-2009 12:30": day, month and year at fixed places in the date.
    entry.day = static_cast<uint8_t>(ScanInt(date));
    entry.month = static_cast<uint8_t>(MonthFromLettersLenient(TextAt(date, 3)));
    entry.year = static_cast<uint16_t>(ScanInt(TextAt(date, 7)));
    ParseTimeOfDay(entry, TextAt(date, 12));
    if (const char* sizeText = NthWord(date, 3)) {
      if (*sizeText == '-') {
        entry.kind = KIND_DIRECTORY;  // "-" in the size column
      } else {
        entry.size = ApacheSize(sizeText);
      }
    }
    nameLength = static_cast<std::size_t>(date - line);
  }

  if (nameLength > kMaxNameLength) nameLength = kMaxNameLength;
  std::memcpy(entry.name, line, nameLength);
  while (nameLength > 1 && entry.name[nameLength - 1] == ' ') --nameLength;
  entry.name[nameLength] = '\0';
  return static_cast<int>(UnescapeBlanks(entry.name, nameLength));
}

int ParseSiNt(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  char* name = CutBeforeLastWord(line);
  // 'abc x': three characters or fewer before the last word are no entry.
  if (std::strlen(line) <= 3) return 0;
  if (*name == '\0') return 0;

  if (line[0] == 'd' || line[0] == 'D' || IsDirMarker(line)) {
    std::size_t length = std::strlen(name);
    if (length > 0 && (name[length - 1] == '/' || name[length - 1] == '\\')) {
      name[length - 1] = '\0';
    }
    if (char* linkName = NameBeforeArrow(line)) {
      name = linkName;
      entry.kind = KIND_LINK;
    } else {
      entry.kind = KIND_DIRECTORY;
    }
  } else if (line[0] == 'l') {
    if (char* linkName = NameBeforeArrow(line)) {
      name = linkName;
      entry.kind = KIND_LINK;
    }
  }
  return CopyName(entry, name);
}

}  // namespace qorda
