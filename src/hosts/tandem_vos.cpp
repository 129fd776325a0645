// Tandem (two layouts), Stratus VOS, CONNECT:Enterprise and UniTree servers:
//   FILEA                101      1234  5-Jan-99 12:34:56 255, 12  (Tandem)
//   w        4  seq      01-05-16 12:34:56  foo.txt              (Stratus VOS, under "Files:")
#include "hosts/tandem_vos.h"

#include <cstdio>
#include <cstring>

#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/text.h"
#include "scan/unix.h"

namespace qorda {

namespace {

struct TandemColumns {
  int size;  // the size is the word that covers this column
  int day;
  int month;
  int year;
  int time;
};
constexpr TandemColumns kTandemColumns = {33, 35, 38, 42, 45};
constexpr TandemColumns kTandemGColumns = {35, 37, 40, 44, 47};
constexpr int kTandemNameWidth = 10;

struct VosColumns {
  int minLength;  // the line before the name must be longer than this
  int year, month, day, hour, minute;
  int kind;
};
constexpr VosColumns kVosFileColumns = {33, 21, 24, 27, 30, 33, KIND_UNSTATED};
constexpr VosColumns kVosDirColumns = {23, 11, 14, 17, 20, 23, KIND_DIRECTORY};
constexpr VosColumns kVosLinkColumns = {12, 0, 3, 6, 9, 12, KIND_LINK};
// VOS sizes count 4096-byte blocks.
constexpr int kVosBlockShift = 12;

int NumberAt(const char* line, int column) {
  return ScanInt(TextAt(line, column));
}

void CutAtBlank(char* word) {
  while (*word != '\0' && *word != ' ') ++word;
  *word = '\0';
}

// Inlined into both parsers, where the columns are constants.
[[gnu::always_inline]] inline int ParseTandemColumns(ListingEntry& entry, char* text, int length,
                                                     const TandemColumns& columns) {
  if (std::strncmp(text, "File", 4) == 0)
    return 0;  // "File         Code  EOF  Last Modification ..."
  const ColumnLine line = {text, length};

  // The size is right-aligned and may begin well left of its column.
  entry.size = RightAlignedNumber(line, columns.size, 1);
  entry.day = static_cast<uint8_t>(ScanInt(ColumnText(line, columns.day)));
  entry.month = static_cast<uint8_t>(MonthFromLettersLenient(ColumnText(line, columns.month)));
  // The year column is taken as the record's 16 bits before its century.
  entry.year = YearPivotedAt70(static_cast<uint16_t>(ScanInt(ColumnText(line, columns.year))));
  ParseTimeOfDay(entry, ColumnText(line, columns.time));

  CutAt(line, kTandemNameWidth);
  const int nameLength = length < kTandemNameWidth ? length : kTandemNameWidth;
  const int32_t stripped = StripIn(text, static_cast<std::size_t>(nameLength));
  return CopyNameIn(entry, text, static_cast<std::size_t>(stripped));
}

void ReadVosDate(ListingEntry& entry, const char* line, const VosColumns& columns) {
  entry.year = static_cast<uint16_t>(NumberAt(line, columns.year));
  entry.month = static_cast<uint8_t>(NumberAt(line, columns.month));
  entry.day = static_cast<uint8_t>(NumberAt(line, columns.day));
  entry.hour = static_cast<uint8_t>(NumberAt(line, columns.hour));
  entry.minute = static_cast<uint8_t>(NumberAt(line, columns.minute));
}

// The columns of the lines of a section; null outside any section.
const VosColumns* VosColumnsOf(VosSection section) {
  switch (section) {
    case VosSection::kFiles:
      return &kVosFileColumns;
    case VosSection::kDirs:
      return &kVosDirColumns;
    case VosSection::kLinks:
      return &kVosLinkColumns;
    case VosSection::kNone:
      break;
  }
  return nullptr;
}

// 'mylink -> target': the line, cut before the target, ends in the arrow.
char* NameBeforeLinkArrow(char* line, char* name) {
  int length = Strip(line);
  if (length < 2 || line[length - 2] != '-') return name;
  line[length - 2] = '\0';
  Strip(line);
  return CutBeforeLastWord(line);
}

// 'd' lines are directories unless an arrow makes them links; "/" or "\"
// behind a directory name is no part of it.
void ReadUniTreeKind(ListingEntry& entry, char firstLetter, char* name) {
  if (firstLetter == 'd') {
    std::size_t length = std::strlen(name);
    if (length > 0 && (name[length - 1] == '/' || name[length - 1] == '\\')) {
      name[length - 1] = '\0';
    }
  }
  if (char* arrow = FindText(name, " ->")) {
    *arrow = '\0';
    entry.kind = KIND_LINK;
  } else if (firstLetter == 'd') {
    entry.kind = KIND_DIRECTORY;
  }
}

}  // namespace

int ParseTandem(ListingEntry& entry, const LineInput& in) {
  return ParseTandemColumns(entry, in.copy, in.length, kTandemColumns);
}

int ParseTandemG(ListingEntry& entry, const LineInput& in) {
  return ParseTandemColumns(entry, in.copy, in.length, kTandemGColumns);
}

int ParseStratusVos(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  // "Files: 15  Blocks: 29" and its two siblings open a section.
  if (std::strncmp(line, "Files:", 6) == 0) {
    in.state.vosSection = VosSection::kFiles;
    return 0;
  }
  if (std::strncmp(line, "Dirs:", 5) == 0) {
    in.state.vosSection = VosSection::kDirs;
    return 0;
  }
  if (std::strncmp(line, "Links:", 6) == 0) {
    in.state.vosSection = VosSection::kLinks;
    return 0;
  }
  if (in.length <= 20) return 0;

  char* name = CutBeforeLastWord(line);
  int length = static_cast<int>(std::strlen(line));
  const VosColumns* columns = VosColumnsOf(in.state.vosSection);
  if (columns == nullptr || length <= columns->minLength) return 0;

  ReadVosDate(entry, line, *columns);
  if (columns->kind == KIND_LINK) {
    name = NameBeforeLinkArrow(line, name);
  } else {
    uint64_t blocks = static_cast<uint64_t>(ScanInt64(TextAt(line, 4)));
    entry.size = static_cast<int64_t>(blocks << kVosBlockShift);
  }
  entry.kind = static_cast<uint8_t>(columns->kind);
  return CopyName(entry, name);
}

int ParseConnectEnterprise(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  // Find all three words before cutting any of them at its end.
  char* countWord = NthWord(line, 3);
  char* batchWord = NthWord(line, 4);
  char* stampWord = NthWord(line, 5);
  if (countWord != nullptr && std::strncmp(countWord, "CT=", 3) == 0) {
    CutAtBlank(countWord);
    entry.size = ScanInt64(countWord + 3);
  }
  int nameLength = 0;
  if (batchWord != nullptr && std::strncmp(batchWord, "BID=", 4) == 0) {
    CutAtBlank(batchWord);
    nameLength = CopyName(entry, batchWord + 4);
  }
  if (stampWord == nullptr) return nameLength;

  // '1234-01136': 12:34 on day 136 of 2001. Cut at its end, so the scan
  // cannot run on into the next word.
  CutAtBlank(stampWord);
  int hour = 0, minute = 0, shortYear = 0, dayOfYear = 0;
  std::sscanf(stampWord, "%2d%2d-%2d%3d", &hour, &minute, &shortYear, &dayOfYear);
  entry.hour = static_cast<uint8_t>(hour);
  entry.minute = static_cast<uint8_t>(minute);
  uint16_t year = static_cast<uint16_t>(shortYear);
  entry.year = static_cast<uint16_t>(year < 50 ? year + 2000 : year + 1900);

  const int* daysBefore = kDaysBeforeMonth[IsLeapYear(entry.year) ? 1 : 0];
  int month = 1;
  int day = dayOfYear;
  if (dayOfYear > 31) {
    while (month < 12 && daysBefore[month] < dayOfYear) ++month;
    day = dayOfYear - daysBefore[month - 1];
  }
  entry.month = static_cast<uint8_t>(month);
  // Past December the day stays above 31 for the decoder to clamp.
  entry.day = static_cast<uint8_t>(day < 0 ? 0 : day > 255 ? 255 : day);
  return nameLength;
}

int ParseUniTree(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  if (StartsWithNoCase(line, "total")) return 0;

  char* name = NthWord(line, 11);
  bool hasColumns = name != nullptr && *name != '\0';
  if (!hasColumns) name = LastWord(line);
  if (*name == '\0') return 0;

  char firstLetter = ToLower(line[0]);
  if (name != line) name[-1] = '\0';
  ReadUniTreeKind(entry, firstLetter, name);
  if (hasColumns) {
    ParseUnixColumns(entry, line, {.size = 7, .month = 8, .day = 9, .timeOrYear = 10});
  }
  return CopyName(entry, name);
}

}  // namespace qorda
