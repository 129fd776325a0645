#include "support/decode.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "decode/decode_line.h"
#include "decode/routes.h"

namespace qorda::testing {
namespace {

std::string DateOf(const ListingEntry& e) {
  char text[32] = "";
  if (e.year | e.month | e.day | e.hour | e.minute | e.second) {
    int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d", e.year, e.month, e.day);
    if (e.hour | e.minute | e.second) {
      n += std::snprintf(text + n, sizeof text - n, " %02d:%02d", e.hour, e.minute);
    }
    if (e.second != 0) std::snprintf(text + n, sizeof text - n, ":%02d", e.second);
  }
  return text;
}

std::string ModeOf(bool valid, int mode) {
  char text[32] = "none";
  if (valid || mode != 0) std::snprintf(text, sizeof text, valid ? "0%o" : "0%o, no flag", mode);
  return text;
}

// The fields a row states, so that a failure shows both records whole.
std::string Describe(const char* name, size_t result, int64_t size, const std::string& date,
                     int kind, int flags, const std::string& mode) {
  return "name '" + std::string(name) + "' (" + std::to_string(result) + "), size " +
         std::to_string(size) + ", date '" + date + "', kind " + std::to_string(kind) + ", flags " +
         std::to_string(flags) + ", mode " + mode;
}

void ParseEveryPrefix(std::string_view line, int32_t hostType, const char* context) {
  const Route& route = RouteFor(hostType);
  for (std::size_t length = 0; length <= line.size(); ++length) {
    std::unique_ptr<char[]> block(new char[route.readsInPlace ? length : length + 1]);
    std::memcpy(block.get(), line.data(), length);
    if (!route.readsInPlace) block[length] = '\0';
    ListingState state = gListingState;  // the listing goes on as the rows decode it
    const LineInput input = {.text = block.get(),
                             .length = static_cast<int>(length),
                             .hostTypeId = hostType,
                             .copy = route.readsInPlace ? nullptr : block.get(),
                             .currentDirectory = context,
                             .datasetPrefix = context,
                             .state = state};
    ListingEntry entry{};
    // Parsers report the name's length; the decoder returns it unmeasured.
    const int nameLength = route.parse(entry, input);
    ASSERT_EQ(nameLength, static_cast<int>(std::strlen(entry.name)))
        << "'" << line.substr(0, length) << "' as host " << hostType;
  }
}

}  // namespace

Decoded Decode(std::string_view line, int32_t hostTypeId, const char* context) {
  Decoded decoded{};
  std::memset(&decoded.entry, 0xA5, sizeof decoded.entry);  // the decoder must clear it
  const std::string text(line);
  decoded.result = QORDA_DecodeLine(&decoded.entry, text.c_str(), hostTypeId, context, context);
  return decoded;
}

std::string Mismatch(const Decoded& decoded, const Expected& expected) {
  const ListingEntry& e = decoded.entry;
  const std::string mode = ModeOf((e.flags & FLAG_MODE_VALID) != 0, e.mode);
  const std::string got = Describe(e.name, static_cast<size_t>(decoded.result), e.size, DateOf(e),
                                   e.kind, e.flags & ~FLAG_MODE_VALID, mode);
  const std::string wanted = Describe(
      expected.name, std::strlen(expected.name), expected.size, expected.date, expected.kind,
      expected.flags,
      expected.mode == -1 ? mode
                          : ModeOf(expected.mode >= 0, expected.mode < 0 ? 0 : expected.mode));
  return got == wanted ? "" : got + "\n    expected " + wanted;
}

void HostTypes::Expect(std::initializer_list<Row> rows) const {
  for (int32_t hostType : ids_) {
    for (const Row& row : rows) {
      EXPECT_EQ(Mismatch(Decode(row.line, hostType, row.context), row.expected), "")
          << row.label << ": '" << row.line << "' as host " << hostType;
      ParseEveryPrefix(row.line, hostType, row.context);
    }
  }
}

}  // namespace qorda::testing
