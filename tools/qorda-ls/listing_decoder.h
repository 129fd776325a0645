// Decodes listing text line by line, in order, as a client does, and writes
// one output row per entry.
#pragma once

#include <cstdint>
#include <cstdio>
#include <istream>
#include <string>

#include "entry_output.h"
#include "name_encoding.h"

namespace qorda::ls {

struct DecodeSettings {
  int32_t hostTypeId;
  std::string currentDirectory;
  std::string datasetPrefix;
  OutputFormat format = OutputFormat::kTable;
  bool showNonEntries = false;  // rows for lines that decode to no entry
};

// Output collected in memory and written in large blocks.
struct OutputBuffer {
  std::FILE* file;
  std::string text;
  void FlushIfFull() {
    if (text.size() >= kFlushSize) Flush();
  }
  void Flush() {
    std::fwrite(text.data(), 1, text.size(), file);
    text.clear();
  }
  static constexpr size_t kFlushSize = 1 << 16;
};

// Decodes every line of input (CR LF or LF line ends; a NUL ends the line
// for the decoder, as it does for any C caller) and appends its rows.
void DecodeListing(std::istream& input, std::string_view fileName, const DecodeSettings& settings,
                   NameConverter& names, OutputBuffer& out);

// One line, for callers that receive the listing in pieces.
void DecodeListingLine(const std::string& line, std::string_view fileName, int64_t lineNumber,
                       const DecodeSettings& settings, NameConverter& names, OutputBuffer& out);

}  // namespace qorda::ls
