#include "support/decode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "decode/decode_line.h"
#include "decode/routes.h"

namespace qorda::testing {

Decoded Decode(std::string_view line, int32_t hostTypeId, const char* currentDirectory,
               const char* datasetPrefix) {
  Decoded decoded{};
  std::memset(&decoded.entry, 0xA5, sizeof decoded.entry);  // the decoder must clear it
  std::string text(line);
  decoded.result =
      QORDA_DecodeLine(&decoded.entry, text.c_str(), hostTypeId, currentDirectory, datasetPrefix);
  return decoded;
}

std::string Columns(std::initializer_list<std::pair<int, std::string_view>> fields) {
  std::string line;
  for (const auto& [column, text] : fields) {
    if (line.size() < static_cast<std::size_t>(column)) line.resize(column, ' ');
    line.replace(column, text.size(), text);
  }
  return line;
}

std::string Mismatch(const Decoded& decoded, const Expected& expected) {
  const ListingEntry& entry = decoded.entry;
  std::ostringstream out;
  auto check = [&out](const char* field, long long actual, long long wanted) {
    if (actual != wanted && out.tellp() == 0) {
      out << field << " is " << actual << ", expected " << wanted;
    }
  };
  if (std::strcmp(entry.name, expected.name) != 0) {
    out << "name is '" << entry.name << "', expected '" << expected.name << "'";
  }
  check("result", decoded.result, static_cast<long long>(std::strlen(expected.name)));
  check("size", entry.size, expected.size);
  check("year", entry.year, expected.year);
  check("month", entry.month, expected.month);
  check("day", entry.day, expected.day);
  check("hour", entry.hour, expected.hour);
  check("minute", entry.minute, expected.minute);
  check("kind", entry.kind, expected.kind);
  check("flags", entry.flags & ~FLAG_MODE_VALID, expected.flags);
  return out.str();
}

namespace {

// Every prefix in a buffer of its exact size, so that the sanitizer catches
// a read past it: with a terminator as the decoder's copy has one, or, for
// a route that reads in place, without, and with no copy to write to. The
// parser gets a copy of the listing state, so the check leaves the listing
// as the rows decode it.
void ParseEveryPrefix(std::string_view line, int32_t hostType) {
  const Route& route = RouteFor(hostType);
  for (std::size_t length = 0; length <= line.size(); ++length) {
    std::unique_ptr<char[]> block(new char[route.readsInPlace ? length : length + 1]);
    std::memcpy(block.get(), line.data(), length);
    if (!route.readsInPlace) block[length] = '\0';
    ListingState state = gListingState;
    const LineInput input = {.text = block.get(),
                             .length = static_cast<int>(length),
                             .hostTypeId = hostType,
                             .copy = route.readsInPlace ? nullptr : block.get(),
                             .currentDirectory = "",
                             .datasetPrefix = "",
                             .state = state};
    ListingEntry entry{};
    // Parsers report the length of the name they wrote; the decoder returns it unmeasured.
    const int nameLength = route.parse(entry, input);
    ASSERT_EQ(nameLength, static_cast<int>(std::strlen(entry.name)))
        << "'" << line.substr(0, length) << "' as host " << hostType;
  }
}

}  // namespace

void ExpectRows(std::span<const Row> rows, std::initializer_list<int32_t> hostTypes) {
  for (int32_t hostType : hostTypes) {
    for (const Row& row : rows) {
      EXPECT_EQ(Mismatch(Decode(row.line, hostType), row.expected), "")
          << "'" << row.line << "' as host " << hostType;
      ParseEveryPrefix(row.line, hostType);
    }
  }
}

void ExpectDropped(std::initializer_list<std::string_view> lines,
                   std::initializer_list<int32_t> hostTypes) {
  for (int32_t hostType : hostTypes) {
    for (std::string_view line : lines) {
      EXPECT_EQ(Decode(line, hostType).result, 0) << "'" << line << "' as host " << hostType;
      ParseEveryPrefix(line, hostType);
    }
  }
}

}  // namespace qorda::testing
