#include "listing_decoder.h"

#include <cstring>

#include "qordahosts.h"

namespace qorda::ls {

void DecodeListingLine(const std::string& line, std::string_view fileName, int64_t lineNumber,
                       const DecodeSettings& settings, NameConverter& names, OutputBuffer& out) {
  ListingEntry entry;
  const int32_t result =
      QORDA_DecodeLine(&entry, line.c_str(), settings.hostTypeId, settings.currentDirectory.c_str(),
                       settings.datasetPrefix.c_str());
  if (result == 0 && !settings.showNonEntries) return;
  DecodedRow row{fileName, lineNumber, result, &entry, {}, {}};
  std::string text;
  if (result != 0) {
    row.name = names.ToUtf8(std::string_view(entry.name, std::strlen(entry.name)));
  } else {
    std::string_view raw(line.c_str());  // what the decoder saw
    while (!raw.empty() && (raw.back() == '\r' || raw.back() == '\n')) raw.remove_suffix(1);
    text = names.ToUtf8(raw);
    row.text = text;
  }
  AppendRow(settings.format, row, out.text);
  out.FlushIfFull();
}

void DecodeListing(std::istream& input, std::string_view fileName, const DecodeSettings& settings,
                   NameConverter& names, OutputBuffer& out) {
  std::string line;
  int64_t lineNumber = 0;
  while (std::getline(input, line)) {
    DecodeListingLine(line, fileName, ++lineNumber, settings, names, out);
  }
}

}  // namespace qorda::ls
