// IBM MVS servers (the host's own, the C-Server, KNET, Spartacus KNET):
//   Volume Unit    Referred Ext Used Recfm Lrecl BlkSz Dsorg Dsname
//   WYOSPT 3420   2003/03/28  1    9  FB     100 27900  PS  BACKUP.PASSWORD
#include "hosts/mvs.h"

#include <cstdint>
#include <cstring>

#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/fast_readers.h"
#include "scan/text.h"

namespace qorda {
namespace {

// "USER.DATA." for the current directory 'USER.DATA'; at most this long.
constexpr int kMaxPrefixLength = 259;

struct DirectoryPrefix {
  char text[kMaxPrefixLength + 1];
  int length;
};

// The caller's current directory as a qualifier prefix: the quotes of a fully
// qualified name go, a "." closes the last qualifier, a longer text is cut.
DirectoryPrefix BuildDirectoryPrefix(const char* currentDirectory) {
  // Only what the length covers is ever read: clearing the whole text would
  // cost more than building the prefix.
  DirectoryPrefix prefix;
  prefix.text[0] = '\0';
  prefix.length = 0;
  if (currentDirectory == nullptr || strnlen(currentDirectory, 2) < 2) return prefix;
  const char* from = currentDirectory[0] == '\'' ? currentDirectory + 1 : currentDirectory;
  while (prefix.length < kMaxPrefixLength && from[prefix.length] != '\0' &&
         from[prefix.length] != '\'') {
    prefix.text[prefix.length] = from[prefix.length];
    ++prefix.length;
  }
  // The "." goes only where it fits: a 259-character prefix stays as it is.
  if (prefix.length > 0 && prefix.text[prefix.length - 1] != '.' &&
      prefix.length < kMaxPrefixLength) {
    prefix.text[prefix.length++] = '.';
  }
  prefix.text[prefix.length] = '\0';
  return prefix;
}

// USER.DATA.CNTL listed under 'USER.DATA' is shown as CNTL. Takes the
// name's length and returns it after the cut.
int RemovePrefix(ListingEntry& entry, int nameLength, const DirectoryPrefix& prefix) {
  if (entry.name[0] == '\0' || prefix.length == 0) return nameLength;
  if (std::strncmp(entry.name, prefix.text, prefix.length) != 0) return nameLength;
  const int rest = nameLength - prefix.length;
  std::memmove(entry.name, entry.name + prefix.length, static_cast<std::size_t>(rest) + 1);
  return rest;
}

bool BeginsWithMigrated(const char* line) {
  return StartsWithNoCase(line, "Migrated");
}

// The Referred column: 05/16/01 reads month first; 2001/05/16 fails that
// reading (month 2001) and is read year first.
void ReadDateEitherOrder(ListingEntry& entry, const char* date) {
  ParseDate(entry, date, DATE_MONTH_FIRST);
  if (entry.year == 0) ParseDate(entry, date, DATE_YEAR_FIRST);
}

void ReadColumnDate(ListingEntry& entry, const ColumnLine& line) {
  if (!IsDigit(ColumnChar(line, 14))) return;
  const char* date = ColumnText(line, 14);
  // A four-digit first field above 31 followed by a number always fails
  // the month-first reading: it is no month, and no day when that reading
  // swaps its fields ("0023/38" can still be read as a day). So the
  // year-first reading is all that is left.
  const std::size_t available = static_cast<std::size_t>(line.text + line.length - date);
  if (MatchesShapeIn(date, available, "9999/9") && DigitsValueIn(date, 4) > 31) {
    ParseDate(entry, date, DATE_YEAR_FIRST);
    if constexpr (kCheckFastReaders) {
      ListingEntry general = entry;
      ReadDateEitherOrder(general, date);
      ExpectSameReading(
          general.year == entry.year && general.month == entry.month && general.day == entry.day,
          "the year-first MVS date", date, 10);
    }
    return;
  }
  ReadDateEitherOrder(entry, date);
}

struct ColumnSet {
  int size;  // the size is the number that covers this column
  int name;
};

// A four-digit year ("/" at column 21) moves the later columns two right.
ColumnSet ChooseColumns(const ColumnLine& line) {
  return ColumnChar(line, 21) == '/' ? ColumnSet{49, 56} : ColumnSet{47, 54};
}

void ReadColumnSize(ListingEntry& entry, const ColumnLine& line, int sizeColumn) {
  entry.size = RightAlignedNumber(line, sizeColumn, 0);
}

const char* ColumnName(const ColumnLine& line, int nameColumn) {
  const char* name = ColumnText(line, nameColumn);
  while (IsBlankOrTab(*name)) ++name;
  return name;
}

// Member statistics carry the change date and time with the line count behind
// them: 'MEMBER1   01.00 2001/05/10 2001/05/16 12:34    10 ...'. Eleven
// characters before the time's ":" lands on a two-digit year either way.
void ReadTimeAnchoredFields(ListingEntry& entry, const ColumnLine& line, const char* rest) {
  const char* colon = std::strrchr(rest, ':');
  if (colon == nullptr) return;
  const int column = static_cast<int>(colon - line.text);
  if (column < 11 || !IsDigit(ColumnChar(line, column - 11))) return;
  ParseDate(entry, ColumnText(line, column - 11), DATE_YEAR_FIRST);
  ParseTimeOfDay(entry, ColumnText(line, column - 2));
  if (CharAt(colon, 1) == '\0' || CharAt(colon, 2) == '\0') return;
  const char* size = TextAt(colon, 3);
  while (IsBlankOrTab(*size)) ++size;
  if (*size != '\0') entry.size = ScanInt64(size);
}

// The first width columns: a member name in a list without statistics.
// The line must not have been cut. Returns the name's length.
int CopyLeadingColumns(ListingEntry& entry, const ColumnLine& line, int width) {
  const int length = line.length < width ? line.length : width;
  std::memcpy(entry.name, line.text, length);
  entry.name[length] = '\0';
  return length;
}

// Whether the line, which has not been cut, holds marker.
bool LineHolds(const ColumnLine& line, const char* marker) {
  return FindTextIn(line.text, static_cast<std::size_t>(line.length), marker) != nullptr;
}

bool HasColumnMarkers(const ColumnLine& line) {
  // Tapes and VSAM clusters show no date or size columns.
  return LineHolds(line, "Not Direct Acc") || LineHolds(line, " VSAM ");
}

// A name-first line: cuts the data set name at its first blank and returns
// the columns behind it; null for a line without a blank and for a data
// set that has been migrated ('USER.OLD  MIGRAT ...').
const char* CutDataSetName(const ColumnLine& line) {
  char* blank = std::strchr(line.text, ' ');
  if (blank == nullptr) return nullptr;
  *blank = '\0';
  const char* rest = blank + 1;
  return FindText(rest, "MIGRAT") != nullptr ? nullptr : rest;
}

// Both return the name's length.
int ReadMvsFields(ListingEntry& entry, const ColumnLine& line) {
  // 'WYOSPT 3420 ...': a six-character volume name, then the unit.
  const bool volumeFirst = ColumnChar(line, 6) == ' ' && ColumnChar(line, 7) != ' ';
  if (line.length > 50 && !volumeFirst && !BeginsWithMigrated(line.text)) {
    const char* rest = CutDataSetName(line);
    if (rest == nullptr) return 0;
    const int nameLength = CopyName(entry, line.text);
    if (FindText(rest, " PO ") != nullptr) entry.kind = KIND_DIRECTORY;
    ReadTimeAnchoredFields(entry, line, rest);
    return nameLength;
  }
  if (line.length > 54 && !HasColumnMarkers(line)) {
    if (ColumnChar(line, 0) == ' ') return 0;
    if (!LineHolds(line, "Lrecl")) {
      const ColumnSet columns = ChooseColumns(line);
      if (LineHolds(line, " PO ")) {
        ReadColumnDate(entry, line);
        ReadColumnSize(entry, line, columns.size);
        entry.kind = KIND_DIRECTORY;
        return CopyName(entry, ColumnName(line, columns.name));
      }
      if (!(ColumnChar(line, 8) == ' ' && IsDigit(ColumnChar(line, 10)))) {
        ReadColumnDate(entry, line);
        ReadColumnSize(entry, line, columns.size);
        const char* lastBlank = std::strrchr(line.text, ' ');
        return CopyName(entry, lastBlank != nullptr ? lastBlank + 1 : line.text);
      }
    }
  }
  // Member lists without statistics, headings and single names.
  if (ColumnChar(line, 0) == ' ') return 0;
  if (ColumnChar(line, 8) == ' ' || line.length <= 8) {
    CopyLeadingColumns(entry, line, 8);
    return Strip(entry.name);
  }
  if (std::strchr(line.text, ' ') == nullptr) return CopyName(entry, line.text);
  return 0;
}

int ReadCServerFields(ListingEntry& entry, const ColumnLine& line) {
  if (line.length > 50 && !HasColumnMarkers(line) && !LineHolds(line, "Lrecl") &&
      ColumnChar(line, 0) != ' ' && !BeginsWithMigrated(line.text)) {
    const char* rest = CutDataSetName(line);
    if (rest == nullptr) return 0;
    if (FindText(rest, " PO ") != nullptr) {
      // The columns behind the cut keep their offsets.
      ReadColumnDate(entry, line);
      entry.kind = KIND_DIRECTORY;
      return CopyName(entry, ColumnName(line, ChooseColumns(line).name));
    }
    const int nameLength = CopyName(entry, line.text);
    ReadTimeAnchoredFields(entry, line, rest);
    return nameLength;
  }
  if (line.length > 54 && !HasColumnMarkers(line)) {
    if (ColumnChar(line, 0) == ' ') return 0;
    if (!LineHolds(line, "Lrecl")) {
      const bool isPartitioned = LineHolds(line, " PO ");
      if (!isPartitioned && ColumnChar(line, 9) == ' ' && IsDigit(ColumnChar(line, 10))) {
        return CopyLeadingColumns(entry, line, 9);
      }
      ReadColumnDate(entry, line);
      if (isPartitioned) entry.kind = KIND_DIRECTORY;
      return CopyName(entry, ColumnName(line, ChooseColumns(line).name));
    }
  }
  // This server pads member names to nine columns and keeps the blanks.
  if (ColumnChar(line, 0) == ' ') return 0;
  if (ColumnChar(line, 9) == ' ' || line.length <= 9) return CopyLeadingColumns(entry, line, 9);
  if (std::strchr(line.text, ' ') == nullptr) return CopyName(entry, line.text);
  return 0;
}

}  // namespace

int ParseMvs(ListingEntry& entry, const LineInput& in) {
  const DirectoryPrefix prefix = BuildDirectoryPrefix(in.currentDirectory);
  return RemovePrefix(entry, ReadMvsFields(entry, ColumnLine{in.copy, in.length}), prefix);
}

int ParseMvsCServer(ListingEntry& entry, const LineInput& in) {
  const DirectoryPrefix prefix = BuildDirectoryPrefix(in.currentDirectory);
  return RemovePrefix(entry, ReadCServerFields(entry, ColumnLine{in.copy, in.length}), prefix);
}

int ParseMvsKnet(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const char* datasetPrefix = in.datasetPrefix;
  char prefix[128];
  const std::size_t prefixLength = datasetPrefix == nullptr ? 0 : strnlen(datasetPrefix, 127);
  if (prefixLength > 0) std::memcpy(prefix, datasetPrefix, prefixLength);
  prefix[prefixLength] = '\0';

  if (FindText(line, "Migrated") != nullptr) return 0;
  char* wordEnd = line;
  while (*wordEnd != '\0' && *wordEnd != ' ' && *wordEnd != '\t') ++wordEnd;
  const char* rest = "";
  if (*wordEnd != '\0') {
    *wordEnd = '\0';
    rest = wordEnd + 1;
  }
  if (FindText(rest, " PO ") != nullptr) entry.kind = KIND_DIRECTORY;
  // 'USER.TEST.DATA' under the high-level qualifier USER is TEST.DATA.
  const int qualifierEnd = static_cast<int>(prefixLength);
  if (StartsWithNoCase(line, prefix) && CharAt(line, qualifierEnd) == '.') {
    return CopyName(entry, TextAt(line, qualifierEnd + 1));
  }
  return CopyName(entry, line);
}

int ParseSpartacusKnet(ListingEntry& entry, const LineInput& in) {
  char* text = in.copy;
  if (FindText(text, "Migrated") != nullptr) return 0;
  const ColumnLine line = {text, in.length};
  CutAt(line, 23);
  Strip(text);
  const char* field = text;
  while (*field == ' ') ++field;
  if (strnlen(field, 2) < 2) return 0;

  // 'USER   TEST   DATA': each run of blanks separates two qualifiers.
  std::size_t length = 0;
  for (const char* from = field; *from != '\0'; ++from) {
    if (*from != ' ') {
      entry.name[length++] = *from;
    } else if (entry.name[length - 1] != '|') {
      entry.name[length++] = '|';
    }
  }
  entry.name[length] = '\0';
  for (std::size_t i = 0; i < length; ++i) {
    if (entry.name[i] == '|') entry.name[i] = '.';
  }

  if (IsDigit(ColumnChar(line, 57))) ParseDate(entry, ColumnText(line, 57), DATE_MONTH_FIRST);
  entry.hour = static_cast<uint8_t>(ScanInt(ColumnText(line, 67)));
  entry.minute = static_cast<uint8_t>(ScanInt(ColumnText(line, 70)));
  entry.second = static_cast<uint8_t>(ScanInt(ColumnText(line, 73)));
  // Tracks times the track size.
  entry.size = WrappingProduct(ScanInt(ColumnText(line, 27)), ScanInt64(ColumnText(line, 33)));
  return static_cast<int>(length);
}

}  // namespace qorda
