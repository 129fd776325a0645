// BULL GCOS and BULL CP6 servers, PRIMOS, and plain name lists:
//    - rw-,r--,r-- USER1 ACCT 4096 07/15/98 13:45:10 REPORT   (GCOS)
//   docs/  my%20file.txt                                      (name list, one a line)
#include "hosts/bull_primos.h"

#include <cstring>

#include "scan/columns.h"
#include "scan/text.h"

namespace qorda {
namespace {

int NumberAt(const char* text, int offset) {
  return ScanInt(TextAt(text, offset));
}

// 'rw-,r--,r--': owner, group and others, a separator between them.
constexpr int kGcosPermissionOffsets[] = {0, 4, 8};

void ReadGcosPermissions(ListingEntry& entry, const char* permissions) {
  int mode = 0;
  for (int offset : kGcosPermissionOffsets) {
    mode = mode * 8 + (CharAt(permissions, offset) == 'r' ? 4 : 0) +
           (CharAt(permissions, offset + 1) == 'w' ? 2 : 0) +
           (CharAt(permissions, offset + 2) == 'x' ? 1 : 0);
  }
  entry.mode = static_cast<uint16_t>(mode);
  entry.flags |= FLAG_MODE_VALID;
}

void ReadGcosTime(ListingEntry& entry, const char* clock) {
  entry.hour = static_cast<uint8_t>(NumberAt(clock, 0));
  entry.minute = static_cast<uint8_t>(NumberAt(clock, 3));
  entry.second = static_cast<uint8_t>(NumberAt(clock, 6));
}

// '07/15/98 13:45:10', '07/15/98 UNDATED' or a time alone, '13:45:10 ...'.
void ReadGcosDate(ListingEntry& entry, const char* date) {
  if (CharAt(date, 2) == ':') {
    ReadGcosTime(entry, date);
    return;
  }
  entry.month = static_cast<uint8_t>(NumberAt(date, 0));
  entry.day = static_cast<uint8_t>(NumberAt(date, 3));
  entry.year = static_cast<uint16_t>(NumberAt(date, 6));
  // The time is looked for right behind a two-digit year only.
  const char* clock = TextAt(date, 8);
  while (*clock == ' ') ++clock;
  if (CharAt(clock, 2) == ':') {
    ReadGcosTime(entry, clock);
  } else {
    entry.flags |= FLAG_NO_TIME;
  }
}

}  // namespace

int ParseBullGcos(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  char* name = CutBeforeLastWord(line);
  if (std::strlen(line) <= 3 || *name == '\0') return 0;

  if (const char* sizeText = NthWord(line, 6)) entry.size = ScanInt64(sizeText);
  const char* permissions = NthWord(line, 3);
  if (permissions != nullptr && std::strlen(permissions) > 11) {
    ReadGcosPermissions(entry, permissions);
  }
  const char* date = NthWord(line, 7);
  if (date != nullptr && std::strlen(date) > 8) ReadGcosDate(entry, date);

  // Only ' d ' and ' - ' lines are entries; headers and totals fill fields
  // above but get no name.
  if (std::strncmp(line, " d ", 3) == 0) {
    entry.kind = KIND_DIRECTORY;
    return CopyName(entry, name);
  }
  if (std::strncmp(line, " - ", 3) == 0) return CopyName(entry, name);
  return 0;
}

int ParseBullCp6(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const ColumnLine columns = {line, in.length};
  if (in.length <= 44) return 0;
  // The heading "... Last modified ..." and the summary "... files listed".
  if (FindText(line, "t modified") != nullptr || FindText(line, "s listed") != nullptr) return 0;
  if (ColumnChar(columns, 2) == ':') return 0;

  char* name = ColumnText(columns, 43);
  while (*name == ' ') ++name;
  char* end = name;
  while (*end != '\0' && *end != ' ') ++end;
  *end = '\0';
  return CopyNameIn(entry, name, static_cast<std::size_t>(end - name));
}

int ParsePrimos(ListingEntry& /*entry*/, const LineInput& /*in*/) {
  return 0;
}

int ParseNameList(ListingEntry& entry, const LineInput& in) {
  std::size_t length = static_cast<std::size_t>(CopyName(entry, in.copy));
  if (char* blank = std::strchr(entry.name, ' ')) {
    *blank = '\0';
    length = static_cast<std::size_t>(blank - entry.name);
  }
  if (length > 0 && entry.name[length - 1] == '/') entry.kind = KIND_DIRECTORY;
  // Blanks inside a name come encoded, since a literal blank ends it.
  return static_cast<int>(UnescapeBlanks(entry.name, length));
}

}  // namespace qorda
