// IBM AS/400 servers; the date order is the host type's:
//   MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE
//   MYUSER                                 *MEM       MYFILE.FILE/MYMEMBER.MBR
#include "hosts/as400.h"

#include <cstring>

#include "qordahosts.h"
#include "scan/columns.h"
#include "scan/dates.h"
#include "scan/text.h"

namespace qorda {
namespace {

struct DateOrderRow {
  int32_t hostTypeId;
  uint32_t order;
};
constexpr DateOrderRow kDateOrders[] = {
    {HOST_IBM_AS_400, DATE_YEAR_FIRST},
    {HOST_IBM_AS_400_MM_DD_YY, DATE_MONTH_FIRST},
    {HOST_IBM_AS_400_DD_MM_YY, DATE_DAY_FIRST},
};

uint32_t DateOrderFor(int32_t hostTypeId) {
  for (const DateOrderRow& row : kDateOrders) {
    if (row.hostTypeId == hostTypeId) return row.order;
  }
  return DATE_YEAR_FIRST;
}

// Object types are compared over exactly three characters: "*FILE" is FIL.
// A terminator in type fails the compare before anything behind it is read.
constexpr bool IsType(const char* type, const char* name) {
  return type[0] == name[0] && type[1] == name[1] && type[2] == name[2];
}

constexpr const char* kDirectoryTypes[] = {"DIR", "DDI", "LIB", "FLR"};

bool IsDirectoryType(const char* type) {
  for (const char* name : kDirectoryTypes) {
    if (IsType(type, name)) return true;
  }
  return false;
}

// Lines without a "*": the slash shape has the date's "/" at column 26, the
// plain shape writes every column two further left.
struct ColumnShape {
  int type;
  int date;
  int time;
  int name;
};
constexpr ColumnShape kSlashShape = {43, 24, 33, 53};
constexpr ColumnShape kPlainShape = {41, 22, 31, 51};

// The start of the word in front of the one at next: two characters back,
// then back to behind the nearest blank, never before the line.
const char* StartOfWordBefore(const char* line, const char* next) {
  const char* at = next - line >= 2 ? next - 2 : line;
  while (at > line && *at != ' ') --at;
  return *at == ' ' ? at + 1 : at;
}

using MemberMemory = ListingState::As400Member;

void RecallMember(ListingEntry& entry, const MemberMemory& memory) {
  entry.year = memory.year;
  entry.month = memory.month;
  entry.day = memory.day;
  entry.hour = memory.hour;
  entry.minute = memory.minute;
  entry.second = memory.second;
  entry.size = memory.size;
}

void RememberDateAndTime(MemberMemory& memory, const ListingEntry& entry) {
  memory.year = entry.year;
  memory.month = entry.month;
  memory.day = entry.day;
  memory.hour = entry.hour;
  memory.minute = entry.minute;
  memory.second = entry.second;
}

// 'size date time *TYPE name': the three words in front of the "*" are read
// backwards from it. Returns the name's length.
int ReadStarShape(ListingEntry& entry, char* line, const char* end, char* star, uint32_t order,
                  MemberMemory& memory) {
  const char* type = star + 1;
  if (IsDirectoryType(type)) entry.kind = KIND_DIRECTORY;
  char* name = star;
  while (*name != '\0' && *name != ' ') ++name;
  while (IsBlankOrTab(*name)) ++name;

  if (IsType(type, "MEM")) {
    RecallMember(entry, memory);
  } else {
    const char* time = StartOfWordBefore(line, star);
    ParseTimeOfDay(entry, time);
    const char* date = StartOfWordBefore(line, time);
    ParseDate(entry, date, order);
    entry.size = ScanInt64(StartOfWordBefore(line, date));
    RememberDateAndTime(memory, entry);
  }

  // 'QOpenSys/' is a directory; '/home/user/notes.txt' and
  // 'MYFILE.FILE/MYMEMBER.MBR' are shown by their last part.
  // The name runs to the end of the line, which nothing has cut.
  std::size_t length = static_cast<std::size_t>(end - name);
  if (length > 0 && name[length - 1] == '/') name[--length] = '\0';
  std::size_t lastPart = length;
  while (lastPart > 0 && name[lastPart - 1] != '/') --lastPart;
  return CopyNameIn(entry, name + lastPart, length - lastPart);
}

// A line of the column shapes that is no member. Returns the name's length.
int ReadColumnShape(ListingEntry& entry, const ColumnLine& line, const ColumnShape& shape,
                    uint32_t order) {
  const char* type = ColumnText(line, shape.type);
  if (IsDirectoryType(type)) entry.kind = KIND_DIRECTORY;
  ParseDate(entry, ColumnText(line, shape.date), order);
  ParseTimeOfDay(entry, ColumnText(line, shape.time));
  const char* name = ColumnText(line, shape.name);
  return CopyNameIn(entry, name, static_cast<std::size_t>(line.text + line.length - name));
}

// A size that reaches column 20 ('123456789' in columns 12 to 20) is the word
// that covers that column. The line is whole up to its name, which starts
// far right of it.
void ReadSizeColumn(ListingEntry& entry, const ColumnLine& line, MemberMemory& memory) {
  if (ColumnChar(line, 20) != ' ') entry.size = RightAlignedNumber(line, 20, 1);
  memory.size = entry.size;
}

}  // namespace

int ParseAs400(ListingEntry& entry, const LineInput& in) {
  const uint32_t order = DateOrderFor(in.hostTypeId);
  if (in.length <= 51) return 0;
  char* const line = in.copy;
  const char* const end = line + in.length;
  MemberMemory& memory = in.state.as400Member;
  const ColumnLine columns = {line, in.length};
  int nameLength;
  if (const char* star = FindByteIn(line + 16, end, '*'); star != end) {
    nameLength = ReadStarShape(entry, line, end, line + (star - line), order, memory);
  } else {
    const ColumnShape& shape = line[26] == '/' ? kSlashShape : kPlainShape;
    // These shapes drop member lines, which then feed nothing.
    if (IsType(ColumnText(columns, shape.type), "MEM")) return 0;
    nameLength = ReadColumnShape(entry, columns, shape, order);
  }
  ReadSizeColumn(entry, columns, memory);
  return nameLength;
}

}  // namespace qorda
