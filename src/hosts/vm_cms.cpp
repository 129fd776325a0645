// IBM VM servers, in the name-first and the date-first shape:
//   PROFILE  EXEC      V         80         23           2001-05-16 12:34:56
//   05/16/2001 12:34      F80       100             PROFILE.EXEC
#include "hosts/vm_cms.h"

#include <cstdint>
#include <cstring>

#include "scan/columns.h"
#include "scan/fast_readers.h"
#include "scan/text.h"

namespace qorda {
namespace {

// File name and file type share the first 18 columns.
constexpr int kNameFieldWidth = 18;

bool IsDateFirst(const ColumnLine& line) {
  return ColumnChar(line, 2) == '/' && ColumnChar(line, 5) == '/' && ColumnChar(line, 13) == ':' &&
         line.length > 48;
}

// The size: records times the record length.
int64_t ColumnProduct(const ColumnLine& line, int firstColumn, int secondColumn) {
  return WrappingProduct(ScanInt64(ColumnText(line, firstColumn)),
                         ScanInt64(ColumnText(line, secondColumn)));
}

// The number at *at; then *at moves past the next run of separator, or
// becomes null when there is none, so that every later number reads 0.
int32_t TakeNumber(const char*& at, char separator) {
  if (at == nullptr) return 0;
  const int32_t value = ScanInt(at);
  if (separator == '\0') return value;
  // The separator lies a few bytes on, where a call to strchr would cost
  // more than the walk.
  while (*at != separator && *at != '\0') ++at;
  if (*at == '\0') {
    at = nullptr;
    return value;
  }
  while (*at == separator) ++at;
  return value;
}

struct Stamp {
  int32_t year, month, day, hour, minute;
};

// '2001-05-16 12:34:56' or '05/16/01 12:34', number by number.
Stamp TakeStamp(const char* at) {
  Stamp stamp;
  if (CharAt(at, 4) == '-') {
    stamp.year = TakeNumber(at, '-');
    stamp.month = TakeNumber(at, '-');
    stamp.day = TakeNumber(at, ' ');
  } else {
    stamp.month = TakeNumber(at, '/');
    stamp.day = TakeNumber(at, '/');
    stamp.year = TakeNumber(at, ' ');
  }
  stamp.hour = TakeNumber(at, ':');
  stamp.minute = TakeNumber(at, '\0');
  return stamp;
}

// The stamp at at, of which available bytes can be read. The ISO stamp
// nearly every server writes is read in place, as TakeStamp would read it.
Stamp ReadStamp(const char* at, std::size_t available) {
  if (!MatchesShapeIn(at, available, "9999-99-99 99:99") || IsDigit(CharAt(at, 16))) {
    return TakeStamp(at);
  }
  const Stamp stamp = {DigitsValueIn(at, 4), DigitsValueIn(at + 5, 2), DigitsValueIn(at + 8, 2),
                       DigitsValueIn(at + 11, 2), DigitsValueIn(at + 14, 2)};
  if constexpr (kCheckFastReaders) {
    const Stamp general = TakeStamp(at);
    ExpectSameReading(general.year == stamp.year && general.month == stamp.month &&
                          general.day == stamp.day && general.hour == stamp.hour &&
                          general.minute == stamp.minute,
                      "the ISO VM/CMS stamp", at, 16);
  }
  return stamp;
}

// Trims the text, then closes up every blank in it; returns its first
// character that is not a blank.
char* RemoveBlanks(char* text) {
  Strip(text);
  while (*text == ' ') ++text;
  char* to = text;
  for (const char* from = text; *from != '\0'; ++from) {
    if (*from != ' ') *to++ = *from;
  }
  *to = '\0';
  return text;
}

// Both return the name's length.
int ReadDateFirstLine(ListingEntry& entry, const ColumnLine& line) {
  entry.month = static_cast<uint8_t>(ScanInt(ColumnText(line, 0)));
  entry.day = static_cast<uint8_t>(ScanInt(ColumnText(line, 3)));
  entry.year = static_cast<uint16_t>(ScanInt(ColumnText(line, 6)));
  entry.hour = static_cast<uint8_t>(ScanInt(ColumnText(line, 11)));
  entry.minute = static_cast<uint8_t>(ScanInt(ColumnText(line, 14)));
  // A type letter at column 22 replaces the size for directories and links.
  const char type = ColumnChar(line, 22);
  const char behindType = ColumnChar(line, 23);
  if (type == 'D') {
    entry.kind = KIND_DIRECTORY;
  } else if ((type == 'E' && behindType == '3') || (type == 'L' && IsBlankOrTab(behindType))) {
    entry.kind = KIND_LINK;
  } else {
    entry.size = ColumnProduct(line, 23, 32);
  }
  // 'MY FILE' with blanks comes quoted.
  if (ColumnChar(line, 48) != '\'') return CopyName(entry, ColumnText(line, 48));
  int length = CopyName(entry, ColumnText(line, 49));
  if (length > 0 && entry.name[length - 1] == '\'') entry.name[--length] = '\0';
  return length;
}

// 'PROFILE  EXEC' becomes 'PROFILE.EXEC': the first blank turns into the
// separator and the blanks behind it close up. Returns the new length.
std::size_t JoinNameAndType(char* field, std::size_t length) {
  // The name part is at most eight letters: a walk finds the blank soonest.
  char* blank = field;
  while (blank < field + length && *blank != ' ') ++blank;
  if (blank == field + length) return length;
  *blank = '.';
  char* typeStart = blank + 1;
  const char* afterBlanks = typeStart;
  while (*afterBlanks == ' ') ++afterBlanks;
  const std::size_t rest = length - static_cast<std::size_t>(afterBlanks - field);
  std::memmove(typeStart, afterBlanks, rest + 1);
  return length - static_cast<std::size_t>(afterBlanks - typeStart);
}

int ReadNameFirstLine(ListingEntry& entry, const ColumnLine& line, const char* currentDirectory) {
  const bool isDirectory = FindText(line.text, " DIR ") != nullptr;
  const char behindField = ColumnChar(line, kNameFieldWidth);
  CutAt(line, kNameFieldWidth);
  char* field = line.text;
  const int cutLength = line.length < kNameFieldWidth ? line.length : kNameFieldWidth;
  const std::size_t fieldLength =
      JoinNameAndType(field, StripIn(field, static_cast<std::size_t>(cutLength)));

  const char* at = ColumnText(line, 53);
  while (*at == ' ') ++at;
  const Stamp stamp = ReadStamp(at, static_cast<std::size_t>(line.text + line.length - at));
  entry.year = static_cast<uint16_t>(stamp.year);
  entry.month = static_cast<uint8_t>(stamp.month);
  entry.day = static_cast<uint8_t>(stamp.day);
  entry.hour = static_cast<uint8_t>(stamp.hour);
  entry.minute = static_cast<uint8_t>(stamp.minute);
  entry.size = ColumnProduct(line, 23, 31);

  if (field[0] == '\0' || IsBlankOrTab(field[0])) return 0;
  if (isDirectory) {
    entry.kind = KIND_DIRECTORY;
    return CopyName(entry, field);
  }
  const std::size_t directoryLength = std::strlen(currentDirectory);
  if (std::strncmp(field, currentDirectory, directoryLength) == 0) {
    // An unbroken field may be the start of a longer name: let it run on to
    // the first blank behind column 17.
    if (fieldLength == kNameFieldWidth) {
      line.text[kNameFieldWidth] = behindField;
      if (char* blank = std::strchr(line.text, ' ')) *blank = '\0';
    }
    return CopyName(entry, TextAt(field, static_cast<int>(directoryLength)));
  }
  // A leading blank became the "." above; bytes from 0x80 count as blanks.
  if (field[0] == '.' || static_cast<signed char>(field[0]) <= 32) {
    return CopyName(entry, RemoveBlanks(field + 1));
  }
  return CopyName(entry, field);
}

}  // namespace

int ParseVmCms(ListingEntry& entry, const LineInput& in) {
  const ColumnLine columns = {in.copy, in.length};
  if (IsDateFirst(columns)) return ReadDateFirstLine(entry, columns);
  return ReadNameFirstLine(entry, columns, in.currentDirectory);
}

}  // namespace qorda
