// Column reports of the proprietary minicomputer and mainframe servers:
// AOS/VS, GCOS 6 HVS, Unisys A-Series, OS 2200, HP/3000, MUSIC, CDC Cyber
// and the R1000. An OS 2200 element line, for example:
//   PROG            V2              SYM 03/16/95    11:46   4096
#include "hosts/minicomputers.h"

#include <cstdint>
#include <cstring>

#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/text.h"

namespace qorda {
namespace {

// Lines that head a GCOS 6 directory report, by how they begin.
constexpr const char* kGcos6OsHeadings[] = {"Directory:", "Time:", "Record CI", "Entry Nam", "*"};

// Heading and rule lines of an HP/3000 report, wherever these stand in them:
// 'PATH= /PAYROLL/PUB/', '... SIZE  TYP ...', '--------'.
constexpr const char* kHp3000Headings[] = {"PATH=", "SIZE  TY", "-------"};

// Writes a terminator at the first blank; the text after it, or null when
// there is no blank.
char* CutAtBlank(char* text) {
  char* blank = std::strchr(text, ' ');
  if (blank == nullptr) return nullptr;
  *blank = '\0';
  return blank + 1;
}

// Text that starts two characters before found, or at the line's start when
// found stands in column 0 or 1: '5-Mar-97' at the start still gives day 5.
const char* TwoBefore(const char* line, const char* found) {
  return found - line >= 2 ? found - 2 : line;
}

// Appends text to the entry's name, of length used, cut to fit; returns
// the name's new length.
int AppendToName(ListingEntry& entry, int used, const char* text) {
  if (static_cast<std::size_t>(used) >= kMaxNameLength) return used;
  std::size_t room = kMaxNameLength - static_cast<std::size_t>(used);
  std::size_t length = strnlen(text, room);
  std::memcpy(entry.name + used, text, length);
  entry.name[used + length] = '\0';
  return used + static_cast<int>(length);
}

}  // namespace

int ParseAosVs(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (ColumnChar(columns, 0) == ' ') return 0;
  if (in.length > 44) entry.size = ScanInt64(ColumnText(columns, 44));
  char* rest = CutAtBlank(line);
  const int nameLength = CopyName(entry, line);
  if (rest == nullptr) rest = line;

  if (FindText(rest, " DIR ") || FindText(rest, " CPD ") || FindText(rest, " LDU ")) {
    entry.kind = KIND_DIRECTORY;  // also control point directories and logical disk units
  } else if (FindText(rest, " LNK ")) {
    entry.kind = KIND_LINK;
  }
  // '05-Mar-97'
  if (const char* dash = FindText(rest, "-")) {
    entry.day = static_cast<uint8_t>(ScanInt(TwoBefore(line, dash)));
    entry.month = static_cast<uint8_t>(MonthFromName(dash + 1));
    entry.year = static_cast<uint16_t>(ScanInt(TextAt(dash, 5)));
  }
  if (const char* colon = FindText(rest, ":")) ParseTimeOfDay(entry, TwoBefore(line, colon));
  return nameLength;
}

int ParseGcos6Aix(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (in.length <= 50) return 0;
  if (FindText(line, "Directory:") || FindText(line, "Entry Name")) return 0;  // headings
  if (ColumnChar(columns, 11) == ' ' || ColumnChar(columns, 9) == '*') return 0;
  const char* type = ColumnText(columns, 25);
  if (StartsWithNoCase(type, "DIR")) {
    entry.kind = KIND_DIRECTORY;
  } else if (StartsWithNoCase(type, "LNK")) {
    entry.kind = KIND_LINK;
  }
  char* name = ColumnText(columns, 11);
  CutAtBlank(name);
  return CopyName(entry, name);
}

int ParseGcos6Os(ListingEntry& entry, const LineInput& in) {
  char* text = in.copy;
  while (IsBlankOrTab(*text)) ++text;
  for (const char* heading : kGcos6OsHeadings) {
    if (StartsWith(text, heading)) return 0;
  }
  const ColumnLine columns = {text, in.length - static_cast<int>(text - in.copy)};
  // Every line past the headings states its type: a directory or a file.
  entry.kind = IsDirMarker(ColumnText(columns, 13)) ? KIND_DIRECTORY : KIND_FILE;
  entry.size =
      WrappingProduct(ScanInt(ColumnText(columns, 24)), ScanInt64(ColumnText(columns, 33)));
  CutAtBlank(text);
  return CopyName(entry, text);
}

int ParseUnisysA(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  // 'Report for ...' heads the listing, '... Octets' sums it up.
  if (FindText(line, "Report for") || FindText(line, " Octets")) return 0;
  const int length = in.length;
  if (length <= 30) return 0;
  if (std::strchr(line, ' ') == nullptr) return CopyName(entry, line);
  // The size is right-aligned on column 56 and may reach to its left.
  const ColumnLine columns = {line, length};
  if (IsDigit(ColumnChar(columns, 56))) entry.size = RightAlignedNumber(columns, 56, 0);
  if (length > 69) {
    const char* dateText = ColumnText(columns, 58);
    ParseDate(entry, dateText, DATE_MONTH_FIRST);
    // The colon stands at column 58 or later, so two before it is inside the line.
    if (const char* colon = FindText(dateText, ":")) ParseTimeOfDay(entry, colon - 2);
  }
  CutAtBlank(line);
  return CopyName(entry, line);
}

int ParseOs2200(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  const int length = in.length;
  if (length <= 51) return 0;
  ParseDate(entry, ColumnText(columns, 36), DATE_MONTH_FIRST);
  ParseTimeOfDay(entry, ColumnText(columns, 48));
  if (length > 57) entry.size = ScanInt64(ColumnText(columns, 56));

  // Symbolic elements are files; relocatable and absolute ones are programs.
  const char* type = ColumnText(columns, 32);
  if (StartsWith(type, "SYM")) {
    entry.kind = KIND_FILE;
  } else if (StartsWith(type, "REL") || StartsWith(type, "ABS")) {
    entry.kind = KIND_OBJECT;
  }

  // 'PROG' with version 'V2' is the element 'PROG/V2'. The version is cut
  // first: an element name reaching past column 16 shares its end.
  char* version = ColumnText(columns, 16);
  bool hasVersion = *version != ' ';
  if (hasVersion) CutAtBlank(version);
  CutAtBlank(line);
  const int nameLength = CopyName(entry, line);
  if (!hasVersion) return nameLength;
  return AppendToName(entry, AppendToName(entry, nameLength, "/"), version);
}

int ParseHp3000(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  for (const char* heading : kHp3000Headings) {
    if (FindText(line, heading)) return 0;
  }
  if (in.length < 61) return 0;
  // A digit followed by white space at column 61 means the name leads the
  // line; otherwise the name is the column from 61 on.
  if (IsDigit(ColumnChar(columns, 61)) && IsSpace(ColumnChar(columns, 62))) {
    CutAtBlank(ColumnText(columns, 1));
    return CopyName(entry, line);
  }
  return CopyName(entry, ColumnText(columns, 61));
}

int ParseMusic(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (ColumnChar(columns, 0) == ' ' || in.length <= 60) return 0;
  if (std::strchr(line, ' ') == nullptr) return 0;
  entry.day = static_cast<uint8_t>(ScanInt(ColumnText(columns, 45)));
  entry.month = static_cast<uint8_t>(MonthFromName(ColumnText(columns, 47)));
  entry.year = static_cast<uint16_t>(ScanInt(ColumnText(columns, 50)));
  entry.hour = static_cast<uint8_t>(ScanInt(ColumnText(columns, 53)));
  entry.minute = static_cast<uint8_t>(ScanInt(ColumnText(columns, 56)));
  entry.size = WrappingProduct(ScanInt64(ColumnText(columns, 30)), 1024);  // kilobytes
  CutAtBlank(line);
  return CopyName(entry, line);
}

int ParseCdcCyber(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (ColumnChar(columns, 0) != ' ') return 0;
  // The size field may hold separators ('1,234'); only its digits count.
  int64_t size = 0;
  for (int column = 11; column <= 21; ++column) {
    char c = ColumnChar(columns, column);
    if (IsDigit(c)) size = size * 10 + (c - '0');
  }
  entry.size = size;
  // The listing has no dates; every entry gets the same fixed one.
  entry.year = 1980;
  entry.month = 1;
  entry.day = 1;
  // A further field of more than six characters from column 23 marks a directory.
  if (std::strlen(ColumnText(columns, 23)) > 6) entry.kind = KIND_DIRECTORY;

  CutAt(columns, 10);
  Strip(line);
  return CopyName(entry, line);  // the leading blank belongs to the name
}

int ParseR1000(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const char* rest = "";
  if (char* separator = std::strpbrk(line, " \t")) {
    *separator = '\0';
    rest = separator + 1;
    while (*rest == ' ') ++rest;
  }
  if (FindText(rest, "DIRECTORY") || FindText(rest, "WORLD")) {
    entry.kind = KIND_DIRECTORY;
  } else if (FindText(rest, "SESSION")) {
    return 0;  // sessions are objects of the running system, not listed
  }
  return CopyName(entry, line);
}

}  // namespace qorda
