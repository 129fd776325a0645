// FTP servers of PC and early Macintosh TCP/IP stacks: Chameleon and Super
// TCP, NOS, NCSA/CUTCP and its kin, PC/TCP, IBM PC TCP/IP and QVT/Net:
//   README.TXT        1,234  Jan 12 1999  9:05
#include "hosts/pc_stacks.h"

#include <cstdint>
#include <cstring>

#include "qordahosts.h"
#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/text.h"
#include "scan/unix.h"

namespace qorda {
namespace {

// "Files match 3" and "Directories match 1" close a listing.
bool IsMatchSummary(const char* line) {
  return StartsWith(line, "Files match") || StartsWith(line, "Directories match");
}

bool EndsInSlash(const char* text, std::size_t length) {
  return length > 0 && (text[length - 1] == '/' || text[length - 1] == '\\');
}

// Word fromEnd counted from the end of the text (1 is the last word), words
// separated by blanks and tabs; null when the text has fewer words.
char* WordFromEnd(char* text, int fromEnd) {
  char* cursor = text + std::strlen(text);
  for (int word = 0; word < fromEnd; ++word) {
    while (cursor > text && IsBlankOrTab(cursor[-1])) --cursor;
    if (cursor == text) return nullptr;
    while (cursor > text && !IsBlankOrTab(cursor[-1])) --cursor;
  }
  return cursor;
}

// QVT/Net 4.0 with the size first; the caller has checked that the line is
// longer than 34 characters:
//   1234          05-12-97  14:10    readme.txt
int ReadSizeFirstLine(ListingEntry& entry, char* line) {
  char* name = line + 34;
  line[33] = '\0';
  entry.size = ScanInt64(line);  // "[dir]" reads as 0
  SetDate(entry, ScanInt(line + 20), ScanInt(line + 14), ScanInt(line + 17));
  entry.hour = static_cast<uint8_t>(ScanInt(line + 25));
  entry.minute = static_cast<uint8_t>(ScanInt(line + 28));
  if (FindText(line, "[dir]") != nullptr) entry.kind = KIND_DIRECTORY;
  return CopyName(entry, name);
}

// QVT/Net 4.0 with the name first and the size field covering column 44;
// the caller has checked that the line is longer than 44 characters:
//   read me.txt                          1234  05-12-1997  14:10
int ReadNameFirstLine(ListingEntry& entry, char* line) {
  int blank = 44;
  while (blank > 0 && !IsBlankOrTab(line[blank])) --blank;
  int nameEnd = blank;
  while (nameEnd > 0 && IsBlankOrTab(line[nameEnd - 1])) --nameEnd;
  const char* field = line + blank;
  while (IsBlankOrTab(*field)) ++field;

  entry.size = *field == '[' ? 0 : ScanInt64(field);
  const char* cursor = field;
  while (*cursor != '\0' && *cursor != ' ') ++cursor;
  int month = ScanInt(cursor);
  int day = 0;
  int year = 0;
  if (const char* dash = std::strchr(cursor, '-')) {
    day = ScanInt(dash + 1);
    if (const char* yearDash = std::strchr(dash + 1, '-')) {
      // '05-12-1997': the last two digits of the year.
      cursor = TextAt(yearDash, 3);
      year = ScanInt(cursor);
      while (*cursor != '\0' && *cursor != ' ') ++cursor;
      while (*cursor == ' ') ++cursor;
      entry.hour = static_cast<uint8_t>(ScanInt(cursor));
      entry.minute = static_cast<uint8_t>(ScanInt(TextAt(cursor, 3)));
    }
  }
  SetDate(entry, year, month, day);
  if (StartsWithNoCase(field, "[dir]")) entry.kind = KIND_DIRECTORY;
  // Cut last: with no blank before column 44 the name is empty and the
  // field starts at column 0.
  line[nameEnd] = '\0';
  return CopyName(entry, line);
}

// Words separated by runs of blanks and tabs (unlike NthWord, a tab counts).
int CountWords(const char* text) {
  if (text == nullptr) return 0;
  int words = 0;
  for (bool inWord = false; *text != '\0'; ++text) {
    bool separator = IsBlankOrTab(*text);
    if (!separator && !inWord) ++words;
    inWord = !separator;
  }
  return words;
}

// '1,234,567 bytes' gives 1234567: digits with grouping commas.
void ParseGroupedSize(ListingEntry& entry, const char* text) {
  if (text == nullptr) return;
  while (IsBlankOrTab(*text)) ++text;
  // The whole run is read, however long, so that leading zeros or commas
  // never cut a size short; a value beyond 64 bits saturates.
  constexpr uint64_t kLargest = INT64_MAX;
  uint64_t value = 0;
  for (; IsDigit(*text) || *text == ','; ++text) {
    if (*text == ',') continue;
    auto digit = static_cast<uint64_t>(*text - '0');
    value = value > (kLargest - digit) / 10 ? kLargest : value * 10 + digit;
  }
  entry.size = static_cast<int64_t>(value);
}

}  // namespace

int ParseChameleon(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (IsMatchSummary(line)) return 0;
  // The time of day closes the line; cut it off with the blank before it.
  // A ":" in columns 0 to 2 has no hour in front of it: it belongs to the
  // name ('a:b 12 12-01-99'), and the line has no time.
  char* colon = std::strrchr(line, ':');
  if (colon != nullptr && colon - line >= 3) {
    ParseTimeOfDay(entry, colon - 2);
    colon[-3] = '\0';
  }
  if (const char* date = NthWord(line, 3)) ParseDate(entry, date, DATE_MONTH_FIRST);
  if (IsDirMarker(line)) entry.kind = KIND_DIRECTORY;
  if (char* blank = std::strchr(line, ' ')) {
    *blank = '\0';
    if (entry.kind != KIND_DIRECTORY) ParseGroupedSize(entry, blank + 1);
  }
  return CopyName(entry, line);
}

int ParseNos(ListingEntry& entry, const LineInput& in) {
  constexpr std::size_t kRightEntry = 41;
  constexpr std::size_t kNameField = 13;
  char* line = in.copy;
  if (FindText(line, "Disk si") != nullptr) return 0;  // "Disk size 1,440K ..."
  const auto length = static_cast<std::size_t>(in.length);
  char* item = length > kRightEntry ? line + kRightEntry : line;
  if (length - static_cast<std::size_t>(item - line) <= kNameField) return 0;
  const char* rest = item + kNameField;
  while (*rest == ' ') ++rest;

  char name[kNameField + 1];
  std::memcpy(name, item, kNameField);
  name[kNameField] = '\0';
  auto nameLength = static_cast<std::size_t>(Strip(name));
  if (nameLength > 0) {
    if (EndsInSlash(name, nameLength)) {
      name[--nameLength] = '\0';
      entry.kind = KIND_DIRECTORY;
    }
    CopyNameIn(entry, name, nameLength);
  }
  if (*rest == '\0') return static_cast<int>(nameLength);

  // 'SRC/          12:05  3/04/95' and 'AUTOEXEC.BAT  1,234  12:05  3/04/95'
  if (entry.kind == KIND_DIRECTORY) {
    ParseTimeOfDay(entry, rest);
    if (const char* date = NthWord(rest, 2)) ParseDate(entry, date, DATE_MONTH_FIRST);
    return static_cast<int>(nameLength);
  }
  ParseGroupedSize(entry, rest);
  if (const char* time = NthWord(rest, 2)) ParseTimeOfDay(entry, time);
  // A file's numeric date is read month first, as a directory's is, so
  // that both show the same date for the same text.
  if (const char* date = NthWord(rest, 3)) ParseDate(entry, date, DATE_MONTH_FIRST);
  return static_cast<int>(nameLength);
}

int ParseNcsa(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  int words = CountWords(line);
  // WarFTPD and others answer with Unix long listings: '-rw-r--r-- 1 ...'.
  if (words >= 9 && CharAt(line, 1) == 'r') return ParseUnixLine(entry, in);
  if (IsMatchSummary(line) || words <= 3) return 0;

  char* sizeWord = NthWord(line, words - 2);
  char* dateWord = NthWord(line, words - 1);
  char* timeWord = NthWord(line, words);
  // Tabs between the columns hide words from NthWord: take the last three
  // from the end with tabs as separators, so the line reads as if blanks
  // separated them.
  if (timeWord == nullptr) {
    sizeWord = WordFromEnd(line, 3);
    dateWord = WordFromEnd(line, 2);
    timeWord = WordFromEnd(line, 1);
  }
  if (sizeWord == nullptr || dateWord == nullptr || timeWord == nullptr) return 0;

  char* nameEnd = sizeWord;
  while (nameEnd > line && IsBlankOrTab(nameEnd[-1])) --nameEnd;
  if (IsDirMarker(sizeWord)) {
    entry.kind = KIND_DIRECTORY;
  } else {
    entry.size = ScanInt64(sizeWord);
  }
  ParseDate(entry, dateWord, 0);  // only 'Jan-12-99'; a numeric date stays 0
  ParseTimeOfDay(entry, timeWord);
  *nameEnd = '\0';
  return CopyName(entry, line);
}

int ParsePcTcp(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (in.length <= 53 || StartsWithNoCase(line, "Dirs:")) return 0;
  // The date columns lie behind the cut at column 30: read them first.
  int year = ScanInt(ColumnText(columns, 53));
  int month = MonthFromName(ColumnText(columns, 37));
  int day = ScanInt(ColumnText(columns, 41));
  int hour = ScanInt(ColumnText(columns, 44));
  int minute = ScanInt(ColumnText(columns, 47));
  line[30] = '\0';
  char* name = LastWord(line);
  if (*name == '\0') return 0;

  entry.year = static_cast<uint16_t>(CompleteYearMissingAs1900(year, month, day));
  entry.month = static_cast<uint8_t>(month);
  entry.day = static_cast<uint8_t>(day);
  entry.hour = static_cast<uint8_t>(hour);
  entry.minute = static_cast<uint8_t>(minute);
  const int nameLength = CopyName(entry, name);
  if (IsDirMarker(line)) {
    entry.kind = KIND_DIRECTORY;
    return nameLength;
  }
  // A name that fills columns 0 to 29 has no size in front of it.
  if (name > line) {
    name[-1] = '\0';
    entry.size = ScanInt64(line);
  }
  return nameLength;
}

int ParseIbmPcTcpIp(ListingEntry& entry, const LineInput& in) {
  constexpr const char* kHeadings[] = {"volume label", "Volume Serial", "Directory of", " bytes "};
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (in.length <= 40) return 0;
  for (const char* heading : kHeadings) {
    if (FindText(line, heading) != nullptr) return 0;
  }
  SetDate(entry, ScanInt(ColumnText(columns, 6)), ScanInt(line), ScanInt(ColumnText(columns, 3)));
  entry.hour = static_cast<uint8_t>(
      HourFromMeridiem(ScanInt(ColumnText(columns, 10)), ColumnChar(columns, 15)));
  entry.minute = static_cast<uint8_t>(ScanInt(ColumnText(columns, 13)));
  const int nameLength = CopyName(entry, ColumnText(columns, 40));
  if (FindText(line, "<DIR>") != nullptr) {
    entry.kind = KIND_DIRECTORY;
    return nameLength;
  }
  entry.size = ScanInt64(ColumnText(columns, 16));
  return nameLength;
}

int ParseQvtNet(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  auto length = static_cast<std::size_t>(in.length);
  // MAC NCSA names may hold blanks; QVT/Net 2/3 lists the name first.
  if (in.hostTypeId == HOST_QVT_NET_2_3) {
    if (char* blank = std::strchr(line, ' ')) {
      *blank = '\0';
      length = static_cast<std::size_t>(blank - line);
    }
  }
  // An empty line, or a QVT/Net 2/3 line that begins with a blank, has no
  // last character to test and gives an empty name.
  if (length == 0) return 0;
  if (EndsInSlash(line, length)) {
    line[--length] = '\0';
    entry.kind = KIND_DIRECTORY;
  }
  return CopyNameIn(entry, line, length);
}

int ParseQvtNet4(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const auto length = static_cast<std::size_t>(in.length);
  if (length > 34 && line[16] == '-' && line[19] == '-') return ReadSizeFirstLine(entry, line);
  if (length > 44) return ReadNameFirstLine(entry, line);
  return 0;
}

}  // namespace qorda
