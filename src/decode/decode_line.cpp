// QORDA_DecodeLine: the frame every listing line passes through, whatever
// its dialect: clear, copy and trim (or, for a route that reads in place,
// trim in place), read a Unix permission string, run the one parser that
// the routes table (decode/routes.h) gives the host type, bring the date
// into range.
#include "decode/decode_line.h"

#include <cstdint>
#include <cstring>

#include "decode/routes.h"
#include "scan/bytes.h"
#include "scan/dates.h"
#include "scan/text.h"

namespace qorda {

// The decoder's copy of a line; longer lines are cut.

// '-rwxr-xr-x' at the start of the line, whatever the host type; the type
// letter and positions 4 to 8 are not tested, so 'S' or 's' there pass.
void ReadPermissions(ListingEntry& entry, const char* line, int length) {
  if (length <= 10) return;
  bool isPermissionString =
      (line[1] == '-' || line[1] == 'r') && (line[2] == '-' || line[2] == 'w') &&
      (line[3] == '-' || line[3] == 'x') && (line[9] == '-' || line[9] == 'x');
  if (!isPermissionString) return;
  int mode = 0;
  if constexpr (kLittleEndian) {
    // Bytes 1 to 8 against "rwxrwxrw" in one word: a byte is zero where its
    // letter is granted, and the marks of those bytes, first highest, are
    // 0400 down to 02.
    const uint64_t granted = ZeroBytes(LoadEight(line + 1) ^ EightBytes("rwxrwxrw"));
    mode = static_cast<int>(MarksFirstHighest(granted)) << 1 | (line[9] == 'x');
  } else {
    for (int group = 0; group < 3; ++group) {
      const char* bits = line + 1 + 3 * group;
      mode =
          mode * 8 + (bits[0] == 'r' ? 4 : 0) + (bits[1] == 'w' ? 2 : 0) + (bits[2] == 'x' ? 1 : 0);
    }
  }
  entry.mode = static_cast<uint16_t>(mode);
  entry.flags |= FLAG_MODE_VALID;
}

// Two-digit and 1900-based years become full years; everything is clamped
// to what the record's consumers can show.
void NormaliseDate(ListingEntry& entry) {
  unsigned year = CompleteTwoDigitYear(entry.year, entry.month, entry.day);
  if (year > 2037) year = 2038;
  entry.year = static_cast<uint16_t>(year);
  if (entry.month > 12) entry.month = 12;
  if (entry.day > 31) entry.day = 31;
}

// Zero at load, which is ListingState{}; nothing resets it. What feeds it
// and why it is not locked: decode_line.h.
ListingState gListingState;

int32_t DecodeLine(ListingEntry& entry, const char* line, int32_t hostTypeId,
                   const char* currentDirectory, const char* datasetPrefix, ListingState& state) {
  // Built first, so that the caller's arguments go straight to the stack
  // rather than into registers held across the calls below.
  LineInput input = {.text = line,
                     .length = 0,
                     .hostTypeId = hostTypeId,
                     .copy = nullptr,
                     .currentDirectory = currentDirectory != nullptr ? currentDirectory : "",
                     .datasetPrefix = datasetPrefix != nullptr ? datasetPrefix : "",
                     .state = state};
  ClearRecord(entry);
  if (line == nullptr) return 0;

  const std::size_t reach = strnlen(line, kMaxLineLength);
  const Route& route = RouteFor(hostTypeId);
  char buffer[kMaxLineLength + 1];
  if (route.readsInPlace) {
    // Read where the caller keeps the line. Besides saving the copy, this
    // spares the parser's wide loads the wait for a copy's stores still in
    // flight, which the processor cannot forward to a load spanning two.
    input.length = static_cast<int>(TrimmedLengthIn(line, reach));
  } else {
    std::memcpy(buffer, line, reach);
    input.length = StripIn(buffer, reach);
    input.text = input.copy = buffer;
  }
  ReadPermissions(entry, input.text, input.length);
  const int nameLength = route.parse(entry, input);
  NormaliseDate(entry);
  entry.name[sizeof entry.name - 1] = '\0';  // a guard only: parsers cut names shorter
  return nameLength;
}

}  // namespace qorda

extern "C" int32_t QORDA_CALL QORDA_DecodeLine(ListingEntry* entry, const char* line,
                                               int32_t hostTypeId, const char* currentDirectory,
                                               const char* datasetPrefix) {
  if (entry == nullptr) return 0;
  return qorda::DecodeLine(*entry, line, hostTypeId, currentDirectory, datasetPrefix,
                           qorda::gListingState);
}
