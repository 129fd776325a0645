// The three output formats of qorda-ls: an aligned table for people, JSON
// Lines and RFC 4180 CSV for programs. Rows are written straight into the
// output buffer; server text goes through the escapes of text_escape.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output.h"
#include "qordahosts.h"

namespace qorda::ls {

enum class OutputFormat { kTable, kJson, kCsv };

// One decoded line as the output shows it; text is UTF-8.
struct DecodedRow {
  int64_t lineNumber;  // 1-based within its input
  int32_t result;      // QORDA_DecodeLine's result, the name's length; 0 for no entry
  const ListingEntry* entry;
  std::string_view text;  // the entry's name, or the line of a row without an entry
  size_t readable;        // bytes that may be read from text.data(), at least its size
  uint8_t textClasses;    // ClassesOf(text)
  bool cut;               // the line was cut at kMaxLineLength
};

class RowWriter {
 public:
  RowWriter(OutputFormat format, Output& out) : format_(format), out_(out) {}

  // The heading that starts the output (the table's column titles, the CSV
  // header row; nothing for JSON Lines).
  void Heading();
  // Every row names its input; the name is escaped once, here.
  void StartInput(std::string_view inputName);
  void Row(const DecodedRow& row);

 private:
  void TableRow(const DecodedRow& row);
  void JsonRow(const DecodedRow& row);
  void CsvRow(const DecodedRow& row);

  OutputFormat format_;
  Output& out_;
  std::string rowStart_;  // what every row of the input starts with
  std::string scratch_;
};

// "2019-01-12 12:30", "2019-01-12" without a time, "unknown" without a
// date: PutDate writes it in place, with a fast path for the usual date;
// DateText is the general path.
char* PutDate(char* at, const ListingEntry& entry);
std::string DateText(const ListingEntry& entry);

}  // namespace qorda::ls
