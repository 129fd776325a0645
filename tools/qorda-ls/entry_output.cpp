#include "entry_output.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>

#include "text_escape.h"

namespace qorda::ls {
namespace {

struct KindNames {
  std::string_view tableName;  // padded to the table's column
  std::string_view longName;   // JSON and CSV
};

KindNames NamesOfKind(uint8_t kind) {
  switch (kind) {
    case KIND_FILE:
      return {"file", "file"};
    case KIND_LINK:
      return {"link", "link"};
    case KIND_DIRECTORY:
      return {"dir ", "directory"};
    case KIND_OBJECT:
      return {"obj ", "object"};
    default:
      return {"-   ", "unstated"};
  }
}

// The flags as JSON and CSV write them, by the three bits' value.
constexpr std::array<std::string_view, 8> kJsonFlags = {
    "[]",
    R"(["mode_valid"])",
    R"(["no_time"])",
    R"(["mode_valid","no_time"])",
    R"(["year_inferred"])",
    R"(["mode_valid","year_inferred"])",
    R"(["no_time","year_inferred"])",
    R"(["mode_valid","no_time","year_inferred"])",
};
constexpr std::array<std::string_view, 8> kCsvFlags = {
    "",
    "mode_valid",
    "no_time",
    "mode_valid no_time",
    "year_inferred",
    "mode_valid year_inferred",
    "no_time year_inferred",
    "mode_valid no_time year_inferred",
};
static_assert((FLAG_MODE_VALID | FLAG_NO_TIME | FLAG_YEAR_INFERRED) == 7);

bool HasMode(const ListingEntry& entry) {
  return (entry.flags & FLAG_MODE_VALID) != 0;
}

// Writers that return where they stopped, for rows built in place; the
// formats are compiled, so that fmt writes the digits straight into the row.
char* Put(char* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

// A text of a few dozen bytes, the usual name, copied in one fixed-size
// move where the bytes behind it may be read; a longer one by memcpy.
constexpr size_t kShortText = 64;
char* PutText(char* at, std::string_view text, size_t readable) {
  if (text.size() <= kShortText && readable >= kShortText) {
    std::memcpy(at, text.data(), kShortText);
    return at + text.size();
  }
  return Put(at, text);
}

char* PutPermissions(char* at, uint16_t mode) {
  for (int bit = 0; bit < 9; ++bit) *at++ = (mode & (0400 >> bit)) != 0 ? "rwx"[bit % 3] : '-';
  return at;
}

char* PutTwoDigits(char* at, unsigned value) {
  *at++ = static_cast<char>('0' + value / 10);
  *at++ = static_cast<char>('0' + value % 10);
  return at;
}

}  // namespace

// The usual date, four-digit year and two-digit fields, digit by digit;
// any other through fmt, as DateText writes every date.
char* PutDate(char* at, const ListingEntry& entry) {
  if (entry.year == 0) return Put(at, "unknown");
  const bool usual = entry.year >= 1000 && entry.year <= 9999 && entry.month < 100 &&
                     entry.day < 100 && entry.hour < 100 && entry.minute < 100;
  if (!usual) return Put(at, DateText(entry));
  at = PutTwoDigits(at, entry.year / 100);
  at = PutTwoDigits(at, entry.year % 100);
  *at++ = '-';
  at = PutTwoDigits(at, entry.month);
  *at++ = '-';
  at = PutTwoDigits(at, entry.day);
  if ((entry.flags & FLAG_NO_TIME) != 0) return at;
  *at++ = ' ';
  at = PutTwoDigits(at, entry.hour);
  *at++ = ':';
  return PutTwoDigits(at, entry.minute);
}

std::string DateText(const ListingEntry& entry) {
  if (entry.year == 0) return "unknown";
  if ((entry.flags & FLAG_NO_TIME) != 0) {
    return fmt::format("{:04}-{:02}-{:02}", entry.year, entry.month, entry.day);
  }
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}", entry.year, entry.month, entry.day,
                     entry.hour, entry.minute);
}

namespace {

// The permission letters in the quotes JSON gives them, or null.
struct JsonPermissions {
  char text[11];
  size_t length;
};
JsonPermissions JsonPermissionsOf(const ListingEntry& entry) {
  JsonPermissions permissions{"null", 4};
  if ((entry.flags & FLAG_MODE_VALID) == 0) return permissions;
  permissions.text[0] = '"';
  PutPermissions(permissions.text + 1, entry.mode);
  permissions.text[10] = '"';
  permissions.length = 11;
  return permissions;
}

// Room for a row's fixed columns, whatever their values.
constexpr size_t kFixedRowRoom = 512 + kShortText;

constexpr std::string_view kTableHeading =
    "KIND  MODE                  SIZE  DATE              NAME\n";
// The columns of a row without an entry, blank up to the text.
constexpr std::string_view kTableNoEntry =
    "--                                                  (no entry) ";
constexpr std::string_view kTableNoEntryCut =
    "--                                                  (no entry, line cut) ";
constexpr std::string_view kCsvHeading =
    "file,line,result,kind,size,year,month,day,hour,minute,second,mode,permissions,date,flags,name,"
    "text,cut\r\n";

}  // namespace

void RowWriter::Heading() {
  if (format_ == OutputFormat::kTable) out_.Append(kTableHeading);
  if (format_ == OutputFormat::kCsv) out_.Append(kCsvHeading);
}

void RowWriter::StartInput(std::string_view inputName) {
  rowStart_.clear();
  rowStart_.reserve(kShortText);  // so that PutText may copy it in one move
  const uint8_t classes = ClassesOf(inputName);
  switch (format_) {
    case OutputFormat::kTable:
      break;
    case OutputFormat::kJson:
      rowStart_ += R"({"file":")";
      rowStart_ += JsonStringBody(inputName, classes, scratch_);
      rowStart_ += R"(","line":)";
      break;
    case OutputFormat::kCsv:
      rowStart_ += CsvField(inputName, classes, scratch_);
      rowStart_ += ',';
      break;
  }
}

void RowWriter::Row(const DecodedRow& row) {
  switch (format_) {
    case OutputFormat::kTable:
      TableRow(row);
      break;
    case OutputFormat::kJson:
      JsonRow(row);
      break;
    case OutputFormat::kCsv:
      CsvRow(row);
      break;
  }
}

void RowWriter::TableRow(const DecodedRow& row) {
  const std::string_view text = TableText(row.text, row.textClasses, scratch_);
  const size_t readable = text.data() == row.text.data() ? row.readable : text.size();
  char* at = out_.Reserve(kFixedRowRoom + text.size());
  if (row.result == 0) {
    at = Put(at, row.cut ? kTableNoEntryCut : kTableNoEntry);
  } else {
    const ListingEntry& entry = *row.entry;
    char permissions[9] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    if (HasMode(entry)) PutPermissions(permissions, entry.mode);
    at = fmt::format_to(at, FMT_COMPILE("{}  {}  {:>15}  "), NamesOfKind(entry.kind).tableName,
                        std::string_view(permissions, 9), entry.size);
    char* const date = at;
    at = PutDate(at, entry);
    while (at < date + 16) *at++ = ' ';
    at = Put(at, "  ");
  }
  at = PutText(at, text, readable);
  *at++ = '\n';
  out_.Commit(at);
}

void RowWriter::JsonRow(const DecodedRow& row) {
  const std::string_view text = JsonStringBody(row.text, row.textClasses, scratch_);
  const size_t readable = text.data() == row.text.data() ? row.readable : text.size();
  char* at = out_.Reserve(kFixedRowRoom + rowStart_.size() + text.size());
  at = PutText(at, rowStart_, rowStart_.capacity());
  at = fmt::format_to(at, FMT_COMPILE("{},\"result\":{},\"{}\":\""), row.lineNumber, row.result,
                      row.result == 0 ? "text" : "name");
  at = PutText(at, text, readable);
  if (row.result != 0) {
    const ListingEntry& entry = *row.entry;
    const JsonPermissions permissions = JsonPermissionsOf(entry);
    at = fmt::format_to(at,
                        FMT_COMPILE(R"(","kind":"{}","size":{},"year":{},"month":{},"day":{},)"
                                    R"("hour":{},"minute":{},"second":{},"mode":{},)"
                                    R"("permissions":{},"flags":{})"),
                        NamesOfKind(entry.kind).longName, entry.size, entry.year, entry.month,
                        entry.day, entry.hour, entry.minute, entry.second, entry.mode,
                        std::string_view(permissions.text, permissions.length),
                        kJsonFlags[entry.flags & 7]);
  } else {
    *at++ = '"';
  }
  if (row.cut) at = Put(at, R"(,"cut":true)");
  at = Put(at, "}\n");
  out_.Commit(at);
}

void RowWriter::CsvRow(const DecodedRow& row) {
  const std::string_view text = CsvField(row.text, row.textClasses, scratch_);
  const size_t readable = text.data() == row.text.data() ? row.readable : text.size();
  char* at = out_.Reserve(kFixedRowRoom + rowStart_.size() + text.size());
  at = PutText(at, rowStart_, rowStart_.capacity());
  at = fmt::format_to(at, FMT_COMPILE("{},{},"), row.lineNumber, row.result);
  if (row.result == 0) {
    at = Put(at, ",,,,,,,,,,,,,");  // the 13 entry columns stay empty
    at = PutText(at, text, readable);
  } else {
    const ListingEntry& entry = *row.entry;
    char permissions[9];
    const size_t permissionsLength = HasMode(entry) ? 9 : 0;
    PutPermissions(permissions, entry.mode);
    at = fmt::format_to(at, FMT_COMPILE("{},{},{},{},{},{},{},{},{},{},"),
                        NamesOfKind(entry.kind).longName, entry.size, entry.year, entry.month,
                        entry.day, entry.hour, entry.minute, entry.second, entry.mode,
                        std::string_view(permissions, permissionsLength));
    at = PutDate(at, entry);
    *at++ = ',';
    at = Put(at, kCsvFlags[entry.flags & 7]);
    *at++ = ',';
    at = PutText(at, text, readable);
    *at++ = ',';  // the text column stays empty
  }
  at = Put(at, row.cut ? ",true\r\n" : ",\r\n");
  out_.Commit(at);
}

}  // namespace qorda::ls
