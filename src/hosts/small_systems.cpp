// Directory reports of small desktop and embedded systems: AMOS, Amiga,
// OS-9 and OS-9000, Passport, QNX 2 and VxWorks. An OS-9 line, for example
// (its three leading blanks included):
//   '   0.0    95/03/16 1146   d-ewrewr     A8       160 CMDS'
#include "hosts/small_systems.h"

#include <cstdint>
#include <cstring>

#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/text.h"

namespace qorda {
namespace {

// OS-9 and OS-9000 write the same report; only the column of the attribute
// string ('d-ewrewr') differs.
int ParseOs9Report(ListingEntry& entry, char* line, int attributeColumn) {
  // ' Owner    Last modified  Attributes ...', 'Directory of ...' and the
  // rule of hyphens under the headings.
  if (FindText(line, "Directory") || FindText(line, "Owner") || CharAt(line, 1) == '-') return 0;
  char* name = CutBeforeLastWord(line);  // the words before the name end there
  if (CharAt(line, attributeColumn) == 'd') entry.kind = KIND_DIRECTORY;
  const int nameLength = CopyName(entry, name);

  if (const char* bytes = NthWord(line, 7)) entry.size = ScanInt64(bytes);
  if (const char* date = NthWord(line, 3)) ParseDate(entry, date, DATE_YEAR_FIRST);
  // '1146' is 11:46; no colon separates hours and minutes.
  if (const char* time = NthWord(line, 4)) {
    int clock = ScanInt(time);
    if (clock > 99) {
      entry.hour = static_cast<uint8_t>(clock / 100);
      entry.minute = static_cast<uint8_t>(clock - 100 * (clock / 100));
    }
  }
  return nameLength;
}

}  // namespace

int ParseAmos(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (FindText(line, "files in")) return 0;  // '12 files in 40 blocks' ends the listing
  if (in.length <= 26) return 0;
  ParseDate(entry, ColumnText(columns, 16), 0);  // month name first, or not at all
  ParseTimeOfDay(entry, ColumnText(columns, 26));
  entry.size = BlocksToBytes(ScanInt64(ColumnText(columns, 11)));

  // 'AB    ' and 'TXT' are 'AB.TXT'. The line is longer than 26, so columns 0
  // to 9 are all inside it.
  std::memcpy(entry.name, line, 6);
  entry.name[6] = '\0';
  const int32_t used = Strip(entry.name);
  if (line[7] == ' ') return used;
  entry.name[used] = '.';
  std::memcpy(entry.name + used + 1, line + 7, 3);
  entry.name[used + 4] = '\0';
  return Strip(entry.name);
}

int ParseAmiga(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (StartsWithNoCase(line, "Dirs:")) return 0;  // the summary line, 'Dirs: ...'
  const char* name = LastWord(line);
  if (*name == '\0') return 0;
  if (IsDirMarker(line) || std::strncmp(line, "drw", 3) == 0 || std::strncmp(line, "dr-", 3) == 0) {
    entry.kind = KIND_DIRECTORY;
  }
  return CopyName(entry, name);
}

int ParseOs9(ListingEntry& entry, const LineInput& in) {
  return ParseOs9Report(entry, in.copy, 26);
}

int ParseOs9000(ListingEntry& entry, const LineInput& in) {
  return ParseOs9Report(entry, in.copy, 24);
}

int ParsePassport(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const int length = in.length;
  const ColumnLine columns = {line, length};
  if (length < 36 || ColumnChar(columns, 0) == '-' || ColumnChar(columns, 2) == 's') return 0;
  // The line is at least 36 long, so its last five characters are inside it.
  char* tail = line + length - 5;
  if (std::strcmp(tail, "<DIR>") == 0) {
    entry.kind = KIND_DIRECTORY;
    *tail = '\0';
  }
  // The size is right-aligned and ends by column 7.
  entry.size = RightAlignedNumber(columns, 7, 1);
  entry.month = static_cast<uint8_t>(MonthFromLettersLenient(ColumnText(columns, 12)));
  entry.day = static_cast<uint8_t>(ScanInt(ColumnText(columns, 16)));
  entry.year = static_cast<uint16_t>(ScanInt(ColumnText(columns, 19)));
  ParseTimeOfDay(entry, ColumnText(columns, 25));
  char* name = TextAt(line, 36);  // the cut above may end the line before it
  Strip(name);
  return CopyName(entry, name);
}

int ParseQnx2(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (ColumnChar(columns, 0) == '+') {  // '+docs' is the directory 'docs'
    entry.kind = KIND_DIRECTORY;
    return CopyName(entry, ColumnText(columns, 1));
  }
  // Heading and summary lines: 'T' in column 0 or 'B' in column 1.
  if (ColumnChar(columns, 0) == 'T' || ColumnChar(columns, 1) == 'B' || in.length < 60) return 0;
  int month = MonthFromName(ColumnText(columns, 47));
  int day = ScanInt(ColumnText(columns, 44));
  entry.year = QnxYear(ScanInt(ColumnText(columns, 51)), month, day);
  entry.month = static_cast<uint8_t>(month);
  entry.day = static_cast<uint8_t>(day);
  entry.hour = static_cast<uint8_t>(ScanInt(ColumnText(columns, 54)));
  entry.minute = static_cast<uint8_t>(ScanInt(ColumnText(columns, 57)));
  entry.size = BlocksToBytes(ScanInt64(line));
  return CopyName(entry, ColumnText(columns, 60));
}

int ParseVxWorks(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  // '  size          date       time       name' and the rule under it.
  if (FindText(line, "size") && FindText(line, "date")) return 0;
  if (std::strncmp(line, "-------", 7) == 0 || in.length <= 35) return 0;
  // A line led by blanks has an empty first word: every field is one later.
  int shift = CharAt(line, 0) == ' ' ? 1 : 0;
  if (const char* date = NthWord(line, 2 + shift)) ParseDate(entry, date, 0);
  if (const char* time = NthWord(line, 3 + shift)) ParseTimeOfDay(entry, time);
  entry.size = ScanInt64(line);
  if (FindText(line, "<DIR>")) entry.kind = KIND_DIRECTORY;
  char* name = NthWord(line, 4 + shift);
  if (name == nullptr) return 0;
  if (char* blank = std::strchr(name, ' ')) *blank = '\0';
  return CopyName(entry, name);
}

}  // namespace qorda
