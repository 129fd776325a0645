// The three output formats of qorda-ls: an aligned table for people, JSON
// Lines and RFC 4180 CSV for programs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "qordahosts.h"

namespace qorda::ls {

enum class OutputFormat { kTable, kJson, kCsv };

// One decoded line as the output shows it; text fields are UTF-8.
struct DecodedRow {
  std::string_view file;  // "-" for standard input
  int64_t lineNumber;     // 1-based within its file
  int32_t result;         // QORDA_DecodeLine's result; 0 for no entry
  const ListingEntry* entry;
  std::string_view name;  // the entry's name
  std::string_view text;  // the input line, shown for rows without an entry
};

// The heading that starts the output (the table's column titles, the CSV
// header row; nothing for JSON Lines).
void AppendHeading(OutputFormat format, std::string& out);

void AppendRow(OutputFormat format, const DecodedRow& row, std::string& out);

// The nine permission letters of mode, "rwxr-x---".
std::string PermissionText(uint16_t mode);

}  // namespace qorda::ls
