#include "entry_output.h"

#include <fmt/format.h>

#include <iterator>
#include <nlohmann/json.hpp>

namespace qorda::ls {
namespace {

struct KindNames {
  uint8_t kind;
  const char* shortName;  // table
  const char* longName;   // JSON and CSV
};
constexpr KindNames kKindNames[] = {
    {KIND_UNSTATED, "-", "unstated"}, {KIND_FILE, "file", "file"},
    {KIND_LINK, "link", "link"},      {KIND_DIRECTORY, "dir", "directory"},
    {KIND_OBJECT, "obj", "object"},
};

struct FlagName {
  uint16_t flag;
  const char* name;
};
constexpr FlagName kFlagNames[] = {
    {FLAG_MODE_VALID, "mode_valid"},
    {FLAG_NO_TIME, "no_time"},
    {FLAG_YEAR_INFERRED, "year_inferred"},
};

const KindNames& NamesOfKind(uint8_t kind) {
  for (const KindNames& names : kKindNames) {
    if (names.kind == kind) return names;
  }
  return kKindNames[0];
}

bool HasMode(const ListingEntry& entry) {
  return (entry.flags & FLAG_MODE_VALID) != 0;
}

bool HasTime(const ListingEntry& entry) {
  return (entry.flags & FLAG_NO_TIME) == 0;
}

// "2019-01-12 12:30", "2019-01-12" without a time, "unknown" without a date.
std::string DateText(const ListingEntry& entry) {
  if (entry.year == 0) return "unknown";
  if (!HasTime(entry)) return fmt::format("{:04}-{:02}-{:02}", entry.year, entry.month, entry.day);
  return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}", entry.year, entry.month, entry.day,
                     entry.hour, entry.minute);
}

std::string JsonString(std::string_view text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, and its
// quotes doubled.
void AppendCsvField(std::string_view field, std::string& out) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendTableRow(const DecodedRow& row, std::string& out) {
  auto sink = std::back_inserter(out);
  if (row.result == 0) {
    fmt::format_to(sink, "{:<4}  {:<9}  {:>15}  {:<16}  (no entry) {}\n", "--", "", "", "",
                   row.text);
    return;
  }
  const ListingEntry& entry = *row.entry;
  fmt::format_to(sink, "{:<4}  {:<9}  {:>15}  {:<16}  {}\n", NamesOfKind(entry.kind).shortName,
                 HasMode(entry) ? PermissionText(entry.mode) : "", entry.size, DateText(entry),
                 row.name);
}

void AppendJsonRow(const DecodedRow& row, std::string& out) {
  auto sink = std::back_inserter(out);
  fmt::format_to(sink, R"({{"file":{},"line":{},"result":{})", JsonString(row.file), row.lineNumber,
                 row.result);
  if (row.result == 0) {
    fmt::format_to(sink, R"(,"text":{}}})", JsonString(row.text));
    out += '\n';
    return;
  }
  const ListingEntry& entry = *row.entry;
  fmt::format_to(sink,
                 R"(,"name":{},"kind":"{}","size":{},"year":{},"month":{},"day":{},)"
                 R"("hour":{},"minute":{},"second":{},"mode":{},"permissions":{},"flags":[)",
                 JsonString(row.name), NamesOfKind(entry.kind).longName, entry.size, entry.year,
                 entry.month, entry.day, entry.hour, entry.minute, entry.second, entry.mode,
                 HasMode(entry) ? JsonString(PermissionText(entry.mode)) : "null");
  const char* separator = "";
  for (const FlagName& flag : kFlagNames) {
    if ((entry.flags & flag.flag) == 0) continue;
    fmt::format_to(sink, R"({}"{}")", separator, flag.name);
    separator = ",";
  }
  out += "]}\n";
}

void AppendCsvRow(const DecodedRow& row, std::string& out) {
  AppendCsvField(row.file, out);
  auto sink = std::back_inserter(out);
  if (row.result == 0) {
    fmt::format_to(sink, ",{},0", row.lineNumber);
    out.append(14, ',');  // the 13 entry columns stay empty
    AppendCsvField(row.text, out);
    out += "\r\n";
    return;
  }
  const ListingEntry& entry = *row.entry;
  fmt::format_to(sink, ",{},{},{},{},{},{},{},{},{},{},{},{},{},", row.lineNumber, row.result,
                 NamesOfKind(entry.kind).longName, entry.size, entry.year, entry.month, entry.day,
                 entry.hour, entry.minute, entry.second, entry.mode,
                 HasMode(entry) ? PermissionText(entry.mode) : "", DateText(entry));
  const char* separator = "";
  for (const FlagName& flag : kFlagNames) {
    if ((entry.flags & flag.flag) == 0) continue;
    out += separator;
    out += flag.name;
    separator = " ";
  }
  out += ',';
  AppendCsvField(row.name, out);
  out += ",\r\n";
}

}  // namespace

std::string PermissionText(uint16_t mode) {
  std::string text(9, '-');
  for (int bit = 0; bit < 9; ++bit) {
    if ((mode & (0400 >> bit)) != 0) text[static_cast<size_t>(bit)] = "rwx"[bit % 3];
  }
  return text;
}

void AppendHeading(OutputFormat format, std::string& out) {
  switch (format) {
    case OutputFormat::kTable:
      out +=
          fmt::format("{:<4}  {:<9}  {:>15}  {:<16}  {}\n", "KIND", "MODE", "SIZE", "DATE", "NAME");
      break;
    case OutputFormat::kCsv:
      out +=
          "file,line,result,kind,size,year,month,day,hour,minute,second,mode,permissions,date,"
          "flags,name,text\r\n";
      break;
    case OutputFormat::kJson:
      break;
  }
}

void AppendRow(OutputFormat format, const DecodedRow& row, std::string& out) {
  switch (format) {
    case OutputFormat::kTable:
      AppendTableRow(row, out);
      break;
    case OutputFormat::kJson:
      AppendJsonRow(row, out);
      break;
    case OutputFormat::kCsv:
      AppendCsvRow(row, out);
      break;
  }
}

}  // namespace qorda::ls
