// Mac, NetWare, OS/2 and PC-NFS servers: MAC Morvo, HellSoft, Hummingbird,
// NetWare v4, Novell LWP, OS/2, Reflection, VersaTerm, Lumbrix, PCNFS-Pro:
//   d [RWCEAFMS] owner     512 Jan 12 1998  1:15 pm  Public Files
#include "hosts/pc_servers.h"

#include <cstdint>
#include <cstring>

#include "qordahosts.h"
#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/text.h"
#include "scan/unix.h"

namespace qorda {
namespace {

// The name word of a Unix-like line, or its last word when the line has too
// few words. The line is cut in front of it, so that the column words end
// before the name. Null when the line has no name.
char* CutAtNameWord(char* line, int nameWord) {
  char* name = NthWord(line, nameWord);
  if (name == nullptr || *name == '\0') name = LastWord(line);
  if (*name == '\0') return nullptr;
  if (name > line) name[-1] = '\0';
  return name;
}

const char* SkipDigits(const char* text) {
  while (IsDigit(*text)) ++text;
  return text;
}

// NetWare v4 in fixed columns: the size ends before column 48, the month
// stands at 51 and the day at 55, then ", yy", the time and "am" or "pm":
//   -rw-r--r--  owner                        1234   Jan 12, 98  1:15 pm  name
int ReadNetWareColumns(ListingEntry& entry, const ColumnLine& columns) {
  char* const line = columns.text;
  // Without the "," of 'Jan 12, 98' there is no year, time or name start to
  // find: the line gives nothing rather than a name from the wrong columns.
  const char* comma = std::strchr(ColumnText(columns, 55), ',');
  if (comma == nullptr) return 0;

  entry.size = RightAlignedNumber(columns, 47, 1);
  entry.month = static_cast<uint8_t>(MonthFromLettersLenient(ColumnText(columns, 51)));
  entry.day = static_cast<uint8_t>(ScanInt(ColumnText(columns, 55)));
  entry.year = YearPivotedAt70(ScanInt(TextAt(comma, 2)));

  const char* clock = TextAt(comma, 4);
  while (*clock == ' ') ++clock;
  int hour = ScanInt(clock);
  const char* minuteText = TextAt(SkipDigits(clock), 1);  // past the ":"
  entry.minute = static_cast<uint8_t>(ScanInt(minuteText));
  const char* afterMinutes = SkipDigits(minuteText);
  if (CharAt(afterMinutes, 1) == 'p' && hour < 12) hour += 12;
  entry.hour = static_cast<uint8_t>(hour);

  if (line[0] == 'd') entry.kind = KIND_DIRECTORY;
  char* name = ColumnText(columns, static_cast<int>(afterMinutes - line) + 3);  // past " pm"
  while (IsSpace(*name)) ++name;
  Strip(name);
  return CopyName(entry, name);
}

// A VersaTerm line of 76 characters or fewer holds only the name and its
// leader: 'read.me.........' or 'Documents/'.
int ReadVersaTermName(ListingEntry& entry, char* line) {
  for (char* cursor = line; *cursor != '\0'; ++cursor) {
    if (*cursor == '/') {
      *cursor = '\0';
      entry.kind = KIND_DIRECTORY;
      return CopyName(entry, line);
    }
    if (cursor[0] == '.' && cursor[1] == '.') {  // cursor[1] is at most the terminator
      *cursor = '\0';
      return CopyName(entry, line);
    }
  }
  return 0;
}

// NetWare v4's own year word and 12-hour clock, whose "am" or "pm" is the
// word behind it: 'Jan 12 1998 9:05 pm'.
void ReadNetWareDate(ListingEntry& entry, const char* line, int yearWord, int clockWord) {
  if (const char* yearText = NthWord(line, yearWord)) {
    entry.year = static_cast<uint16_t>(ScanInt(yearText));
  }
  const char* clock = NthWord(line, clockWord);
  if (clock == nullptr) return;
  if (CharAt(clock, 2) == ':') {
    entry.hour = static_cast<uint8_t>(ScanInt(clock));
    entry.minute = static_cast<uint8_t>(ScanInt(TextAt(clock, 3)));
  } else if (CharAt(clock, 1) == ':') {
    entry.hour = static_cast<uint8_t>(ScanInt(clock));
    entry.minute = static_cast<uint8_t>(ScanInt(TextAt(clock, 2)));
  }
  const char* meridiem = NthWord(line, clockWord + 1);
  if (meridiem != nullptr && ToLower(*meridiem) == 'p' && entry.hour != 12) entry.hour += 12;
}

}  // namespace

int ParseMacServer(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (StartsWithNoCase(line, "total")) return 0;
  char type = line[0];
  // 'drwxr-xr-x folder 512 Jan 12 1999 Name': no second owner word.
  char* name = CutAtNameWord(line, type == 'd' ? 7 : 8);
  if (name == nullptr) return 0;
  if (ToLower(type) == 'd') {
    ParseUnixColumns(entry, line, {.size = 3, .month = 4, .day = 5, .timeOrYear = 6});
    entry.kind = KIND_DIRECTORY;
  } else {
    ParseUnixColumns(entry, line, {.size = 4, .month = 5, .day = 6, .timeOrYear = 7});
  }
  return CopyName(entry, name);
}

int ParseHellSoft(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (StartsWithNoCase(line, "total")) return 0;
  char type = line[0];
  char* name = CutAtNameWord(line, 8);
  if (name == nullptr) return 0;
  ParseUnixColumns(entry, line, {.size = 4, .month = 5, .day = 6, .timeOrYear = 7});
  if (ToLower(type) == 'd') entry.kind = KIND_DIRECTORY;
  return CopyName(entry, name);
}

int ParseHummingbird(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (StartsWithNoCase(line, "total")) return 0;
  // The size column moves: word 4 without a group column, word 6 when a
  // further word stands before it.
  int shift = 0;
  const char* fourth = NthWord(line, 4);
  const char* fifth = NthWord(line, 5);
  if (fourth != nullptr && IsDigit(*fourth)) {
    shift = -1;
  } else if (fifth != nullptr) {
    shift = IsDigit(*fifth) ? 0 : 1;
  }
  const char* name = NthWord(line, shift + 9);
  if (name == nullptr || *name == '\0') name = LastWord(line);
  const int nameLength = *name != '\0' ? CopyName(entry, name) : 0;
  if (ToLower(line[0]) == 'd' || IsDirMarker(line)) entry.kind = KIND_DIRECTORY;
  ParseUnixColumns(
      entry, line,
      {.size = shift + 5, .month = shift + 6, .day = shift + 7, .timeOrYear = shift + 8});
  return nameLength;
}

int ParseNetWare4(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (StartsWithNoCase(line, "total")) return 0;
  char type = line[0];
  char second = CharAt(line, 1);
  if (second == 'r' || second == '-') return ReadNetWareColumns(entry, {line, in.length});
  if (second != ' ') return 0;

  // 'd [RWCEAFMS] owner 512 Jan 12 1998 1:15 pm name': the year is a word of
  // its own and the clock counts 12 hours.
  char* name = CutAtNameWord(line, 10);
  if (name == nullptr) return 0;
  ParseUnixColumns(entry, line, {.size = 4, .month = 5, .day = 6, .timeOrYear = 0});
  ReadNetWareDate(entry, line, 7, 8);
  if (ToLower(type) == 'd') entry.kind = KIND_DIRECTORY;
  return CopyName(entry, name);
}

int ParseNovellLwp(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (FindText(line, "File(s)") != nullptr || !IsDigit(line[0])) return 0;  // "3 File(s) ..."
  char* name = NthWord(line, 4);
  if (name == nullptr || *name == '\0') name = LastWord(line);
  const int nameLength = CopyName(entry, name);
  *name = '\0';
  if (IsDirMarker(line)) entry.kind = KIND_DIRECTORY;
  if (const char* size = NthWord(line, 3)) entry.size = ScanInt64(size);  // "<DIR>" reads as 0
  ParseDate(entry, line, DATE_MONTH_FIRST);
  if (const char* time = NthWord(line, 2)) ParseTimeOfDay(entry, time);
  return nameLength;
}

int ParseOs2Warp(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const char* name = NthWord(line, 6);
  if (name == nullptr || *name == '\0') name = LastWord(line);
  if (*name == '\0') return 0;

  // Leading blanks make word 1 empty, so the size is word 2.
  int year = 0;
  int month = 0;
  int day = 0;
  const char* date = NthWord(line, 4);
  if (date != nullptr && std::strlen(date) > 8) {  // '12-18-96'
    month = ScanInt(date);
    day = ScanInt(TextAt(date, 3));
    year = ScanInt(TextAt(date, 6));
  }
  const char* time = NthWord(line, 5);
  if (time != nullptr && std::strlen(time) > 5) {  // '14:10'
    entry.hour = static_cast<uint8_t>(ScanInt(time));
    entry.minute = static_cast<uint8_t>(ScanInt(TextAt(time, 3)));
  }
  const char* size = NthWord(line, 2);
  entry.size = size == nullptr ? 0 : ScanInt64(size);
  SetDate(entry, year, month, day);
  if (FindText(line, " DIR ") != nullptr) entry.kind = KIND_DIRECTORY;
  return CopyName(entry, name);
}

int ParseOs2(ListingEntry& entry, const LineInput& in) {
  char* const text = in.copy;
  const int length = in.length;
  const ColumnLine line = {text, length};
  const int nameLength =
      length > 52 ? CopyNameIn(entry, text + 53, static_cast<std::size_t>(length - 53)) : 0;
  if (IsDirMarker(text)) entry.kind = KIND_DIRECTORY;
  ParseDate(entry, ColumnText(line, 35), DATE_MONTH_FIRST);
  ParseTimeOfDay(entry, ColumnText(line, 46));
  if (length <= 16) return nameLength;  // no size column

  // The size is the word that covers column 16; a long size starts left of it.
  entry.size = RightAlignedNumber(line, 16, 0);
  return nameLength;
}

int ParseReflection(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  const int nameLength = in.length > 44 ? CopyName(entry, line + 45) : 0;
  if (IsDirMarker(line)) entry.kind = KIND_DIRECTORY;
  ParseDate(entry, ColumnText(columns, 12), DATE_MONTH_FIRST);
  ParseTimeOfDay(entry, ColumnText(columns, 22));
  const char* field = ColumnText(columns, 27);
  if (ColumnChar(columns, 26) == ' ') {
    while (*field == ' ') ++field;
  }
  if (*field != '<') entry.size = ScanInt64(field);  // "<DIR>"
  return nameLength;
}

int ParseVersaTerm(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const auto length = static_cast<std::size_t>(in.length);
  if (length <= 76) return ReadVersaTermName(entry, line);
  // From here every column up to 76 lies inside the line. The cuts below
  // write terminators inside it, so the columns are read directly.

  // 'Documents/......': cut the leader back from column 30 to the name.
  int nameEnd = 30;
  if (line[30] == '.') {
    while (nameEnd > 0 && line[nameEnd] == '.') line[nameEnd--] = '\0';
  }
  bool isDirectory = line[nameEnd] == '/';
  if (isDirectory) line[nameEnd] = '\0';
  // The leader may run on past column 31; dots behind it pad the fields.
  std::size_t fieldsStart = 31;
  while (line[fieldsStart] == '.') line[fieldsStart++] = '\0';
  for (std::size_t column = fieldsStart; column < length; ++column) {
    if (line[column] == '.') line[column] = ' ';
  }

  entry.size = ScanInt64(line + 41);
  int hour = ScanInt(line + 65);
  if (line[71] == 'P' && hour < 12) hour += 12;
  entry.hour = static_cast<uint8_t>(hour);
  entry.minute = static_cast<uint8_t>(ScanInt(line + 68));
  SetDate(entry, ScanInt(line + 76), MonthFromName(line + 57), ScanInt(line + 61));
  if (isDirectory) entry.kind = KIND_DIRECTORY;
  return CopyName(entry, line);
}

int ParsePcNfs(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  // Drops ".", ".." and every line that begins with a blank.
  if (line[0] == ' ' || line[0] == '.' || in.length <= 13) return 0;

  // The name field is columns 0 to 11, base name and extension apart:
  // 'README  TXT ' is README.TXT, 'FILENAME EXT' is FILENAME.EXT.
  char name[13];
  std::memcpy(name, line, 12);
  name[12] = '\0';
  if (name[9] != ' ') {
    name[8] = '.';
    if (name[7] == ' ') {
      int length = 0;
      while (length < 8 && name[length] != ' ') ++length;
      name[length++] = '.';
      for (int column = 9; column < 12 && name[column] != ' '; ++column) {
        name[length++] = name[column];
      }
      name[length] = '\0';
    }
  }
  Strip(name);
  const int nameLength = CopyName(entry, name);

  const char* sizeField = ColumnText(columns, 13);
  if (IsDirMarker(sizeField)) {
    entry.kind = KIND_DIRECTORY;
  } else {
    entry.size = ScanInt64(sizeField);
  }
  entry.year = static_cast<uint16_t>(ScanInt(ColumnText(columns, 29)));  // the decoder completes it
  entry.month = static_cast<uint8_t>(ScanInt(ColumnText(columns, 23)));
  entry.day = static_cast<uint8_t>(ScanInt(ColumnText(columns, 26)));
  entry.hour = static_cast<uint8_t>(
      HourFromMeridiem(ScanInt(ColumnText(columns, 33)), ColumnChar(columns, 38)));
  entry.minute = static_cast<uint8_t>(ScanInt(ColumnText(columns, 36)));
  return nameLength;
}

}  // namespace qorda
