// VMS servers with the UCX or MultiNet stack, and RSX-11M:
//   DKA0:[USER.WORK]NOTES.TXT;12   4/6   5-MAY-2001 09:30:12  [USER]  (RWED,RWED,RE,)
// Every field is looked for behind the first ";", never in the name.
#include "hosts/vms.h"

#include <cstdio>
#include <cstring>

#include "qordahosts.h"
#include "scan/dates.h"
#include "scan/text.h"

namespace qorda {
namespace {

// The first c from from on, or null; from lies in a line that ends at end
// and has not been cut.
char* FindInLine(char* from, const char* end, char c) {
  const char* found = FindByteIn(from, end, c);
  return found == end ? nullptr : from + (found - from);
}

// Continuation lines (attributes of a long name) start with a blank; the
// directory heading and the "Total of 3 files" lines have no ";".
char* FindVersion(char* line, const char* end) {
  if (line[0] == ' ') return nullptr;
  return FindInLine(line, end, ';');
}

// '12-MAR-1999' into year, month and day; 0 when a "-" is missing.
int ParseVmsDate(ListingEntry& entry, const char* text) {
  entry.year = 0;
  entry.month = 0;
  entry.day = 0;
  while (*text == ' ') ++text;
  entry.day = static_cast<uint8_t>(ScanInt(text));
  const char* firstDash = FindNear(text, '-');
  if (firstDash == nullptr) {
    entry.day = 0;
    return 0;
  }
  entry.month = static_cast<uint8_t>(MonthFromName(firstDash + 1));
  const char* secondDash = FindNear(firstDash + 1, '-');
  if (secondDash == nullptr) {
    entry.month = 0;
    entry.day = 0;
    return 0;
  }
  entry.year = static_cast<uint16_t>(ScanInt(secondDash + 1));
  return 1;
}

void ReadTimeAndDate(ListingEntry& entry, char* line, char* version, const char* end) {
  // "14:05:10": the hour is the two characters before the colon, or a blank
  // and one digit ("9:05").
  if (const char* colon = FindInLine(version, end, ':')) {
    ParseTimeOfDay(entry, colon - line >= 2 ? colon - 2 : line);
  }
  if (const char* dash = FindInLine(version, end, '-')) {
    const char* date = line;
    if (dash - line >= 2) {
      date = dash - 2;
      if (IsBlankOrTab(*date)) ++date;  // " 1-JAN-2000"
    }
    if (ParseVmsDate(entry, date) == 0) ParseDate(entry, date, 0);
  }
}

// "2/3": blocks used before the "/", blocks allocated behind it.
bool ReadUsedBlocks(ListingEntry& entry, char* line, char* version, const char* end) {
  const char* slash = FindInLine(version, end, '/');
  if (slash == nullptr) return false;
  const char* used = slash;
  while (used > line && !IsBlankOrTab(used[-1])) --used;
  entry.size = BlocksToBytes(ScanInt64(used));
  return true;
}

// Cuts the name part at the ";". For 'SUBDIR.DIR;1' the ".DIR" goes as well
// and the end of the text that is left, at the start of the line, is
// returned; null for a file.
char* CutDirectoryName(ListingEntry& entry, char* line, char* version) {
  *version = '\0';
  // The line was whole up to the ";": the name part ends there.
  std::size_t length = static_cast<std::size_t>(version - line);
  if (length <= 4 || std::memcmp(line + length - 4, ".DIR", 4) != 0) return nullptr;
  line[length - 4] = '\0';
  entry.kind = KIND_DIRECTORY;
  return line + length - 4;
}

// Puts the ";" back and keeps the version digits: 'NOTES.TXT;12'. Returns
// where the name now ends.
char* CutFileName(char* line, char* version) {
  *version = ';';
  char* end = version;
  while (*end == ';' || IsDigit(*end)) ++end;
  // A blank or tab in the name part ends the name before that.
  end = line + (FindEitherIn(line, end, ' ', '\t') - line);
  *end = '\0';
  return end;
}

// Copies the name, which ends at nameEnd, from behind its directory:
// 'DKA0:[USER.WORK]NOTES.TXT;12' is listed as NOTES.TXT;12. Returns its
// length.
int CopyBehindDirectory(ListingEntry& entry, const char* name, const char* nameEnd) {
  const char* bracket = FindByteIn(name, nameEnd, ']');
  const char* from = bracket != nameEnd ? bracket + 1 : name;
  return CopyNameIn(entry, from, static_cast<std::size_t>(nameEnd - from));
}

// The word behind the one at text, blanks and tabs separating; the
// terminator when there is none.
const char* WordBehind(const char* text) {
  while (*text != '\0' && !IsBlankOrTab(*text)) ++text;
  while (IsBlankOrTab(*text)) ++text;
  return text;
}

}  // namespace

int ParseVmsUcx(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  // '%RMS-E-FNF, file not found' and its like
  if (FindText(line, ", file not found") != nullptr) return 0;
  const char* const end = line + in.length;
  char* version = FindVersion(line, end);
  if (version == nullptr) return 0;

  ReadTimeAndDate(entry, line, version, end);
  // Without "/", the word behind the version is the block count, for
  // directories too: 'TOOLS.DIR;1  3  1-JAN-2000 12:00'.
  if (!ReadUsedBlocks(entry, line, version, end)) {
    const char* blocks = WordBehind(version);
    if (*blocks != '\0') entry.size = BlocksToBytes(ScanInt64(blocks));
  }

  if (const char* directoryEnd = CutDirectoryName(entry, line, version)) {
    return CopyBehindDirectory(entry, line, directoryEnd);
  }
  return CopyBehindDirectory(entry, line, CutFileName(line, version));
}

int ParseVmsMultiNet(ListingEntry& entry, const LineInput& in) {
  char* line = in.copy;
  const char* const end = line + in.length;
  char* version = FindVersion(line, end);
  if (version == nullptr) return 0;
  bool isRsx = in.hostTypeId == HOST_PDP11_RSX11M;

  ReadTimeAndDate(entry, line, version, end);
  ReadUsedBlocks(entry, line, version, end);
  // Read before the name is cut, which ends at or before this word; only a
  // line without a size so far needs it (nothing below sets the size).
  const char* blocks = entry.size == 0 ? WordBehind(version) : nullptr;

  if (const char* directoryEnd = CutDirectoryName(entry, line, version)) {
    if (isRsx) {
      // RSX directory files name their UIC: '001002.DIR;1' is [001,002].
      std::snprintf(entry.name, sizeof entry.name, "[%3.3s,%3.3s]", line, TextAt(line, 3));
      return NameLength(entry);
    }
    return CopyBehindDirectory(entry, line, directoryEnd);
  }
  char* const nameEnd = CutFileName(line, version);
  // RSX names carry their UIC in front: '[1,2]REPORT.TXT;4' stays whole.
  const int nameLength = isRsx ? CopyNameIn(entry, line, static_cast<std::size_t>(nameEnd - line))
                               : CopyBehindDirectory(entry, line, nameEnd);

  // 'DATA.DAT;2  7  3-APR-2003 10:00': a bare block count, for files only.
  // The cuts above all lie before blocks, so the line is whole from there.
  if (blocks != nullptr && FindByteIn(blocks, end, '/') == end) {
    entry.size = BlocksToBytes(ScanInt64(blocks));
  }
  return nameLength;
}

}  // namespace qorda
