#include "fuzz_support.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/clock.h"
#include "qordahosts.h"

namespace qorda::fuzzing {
namespace {

// HOST_TYPE_LAST, not the last name of today's table, so that a host type
// added to the table is fuzzed without a change here.
constexpr int32_t kOutsideIds[] = {0,  17,     72,        HOST_NAME_LIST - 1, HOST_TYPE_LAST + 1,
                                   -1, 100000, INT32_MIN, INT32_MAX};
constexpr int kKnownIds = HOST_TYPE_LAST - HOST_NAME_LIST + 1;
constexpr int kIdCount = kKnownIds + static_cast<int>(sizeof kOutsideIds / sizeof kOutsideIds[0]);

std::string_view Take(const uint8_t*& data, std::size_t& size, std::size_t wanted) {
  std::size_t taken = wanted < size ? wanted : size;
  std::string_view text(reinterpret_cast<const char*>(data), taken);
  data += taken;
  size -= taken;
  return text;
}

// A C string holds everything up to its first zero byte.
std::string AsCString(std::string_view text) {
  return std::string(text.substr(0, text.find('\0')));
}

bool IsValidKind(uint8_t kind) {
  return kind == KIND_UNSTATED || kind == KIND_FILE || kind == KIND_LINK ||
         kind == KIND_DIRECTORY || kind == KIND_OBJECT;
}

// Each text the decoder reads sits in a heap block of exactly its size, so
// that AddressSanitizer sees a read one byte past its terminator.
std::unique_ptr<char[]> ExactCopy(const std::string& text) {
  std::unique_ptr<char[]> copy(new char[text.size() + 1]);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace

void FixClock() {
  SetClockForTesting({2026, 6});
}

int HostTypeCount() {
  return kIdCount;
}

int32_t HostTypeFromByte(uint8_t choice) {
  int index = choice % kIdCount;
  return index < kKnownIds ? HOST_NAME_LIST + index : kOutsideIds[index - kKnownIds];
}

bool IsStatefulHostType(int32_t hostTypeId) {
  return hostTypeId == HOST_IBM_AS_400 || hostTypeId == HOST_IBM_AS_400_MM_DD_YY ||
         hostTypeId == HOST_IBM_AS_400_DD_MM_YY || hostTypeId == HOST_STRATUS_VOS;
}

Input SplitInput(const uint8_t* data, std::size_t size) {
  Input input;
  if (size < 3) {
    input.hostTypeId = HOST_UNIX_STANDARD;
    input.rest = Take(data, size, size);
    return input;
  }
  input.options = static_cast<uint8_t>(data[1] >> 6);
  input.hostTypeId = HostTypeFromByte(data[0]);
  std::size_t directoryLength = data[1] % 64;
  std::size_t prefixLength = data[2] % 64;
  data += 3;
  size -= 3;
  input.currentDirectory = AsCString(Take(data, size, directoryLength));
  input.datasetPrefix = AsCString(Take(data, size, prefixLength));
  input.rest = Take(data, size, size);
  return input;
}

void Fail(const char* rule, const std::string& line) {
  std::fprintf(stderr, "record rule broken: %s\nline (%zu bytes): '%s'\n", rule, line.size(),
               line.c_str());
  std::abort();
}

void CheckEntry(const ListingEntry& entry, int32_t result, const std::string& line) {
  const void* terminator = std::memchr(entry.name, '\0', sizeof entry.name);
  if (terminator == nullptr) Fail("name is not terminated within its 515 bytes", line);
  std::size_t nameLength = static_cast<const char*>(terminator) - entry.name;
  if (nameLength > 511) Fail("name is longer than 511 characters", line);
  if (result < 0 || static_cast<std::size_t>(result) != nameLength) {
    Fail("result is not the length of the name", line);
  }
  if (!IsValidKind(entry.kind)) Fail("kind is none of the five values", line);
  if ((entry.flags & ~(FLAG_MODE_VALID | FLAG_NO_TIME | FLAG_YEAR_INFERRED)) != 0) {
    Fail("flags holds an undefined bit", line);
  }
  if (entry.reserved != 0) Fail("reserved byte is not 0", line);
  if (entry.year != 0 && (entry.year < 1900 || entry.year > 2038)) {
    Fail("year is neither 0 nor 1900 to 2038", line);
  }
  if (entry.month > 12) Fail("month is above 12", line);
  if (entry.day > 31) Fail("day is above 31", line);
  if (entry.mode > 0777) Fail("mode is above 0777", line);
  if (entry.mode != 0 && (entry.flags & FLAG_MODE_VALID) == 0) {
    Fail("mode is set without FLAG_MODE_VALID", line);
  }
}

void DecodeAndCheck(const std::string& line, const Input& input, bool checkRepeat) {
  std::unique_ptr<char[]> callerLine = ExactCopy(line);
  std::unique_ptr<char[]> directory = ExactCopy(input.currentDirectory);
  std::unique_ptr<char[]> prefix = ExactCopy(input.datasetPrefix);
  ListingEntry entry;
  std::memset(&entry, 0xA5, sizeof entry);
  int32_t result =
      QORDA_DecodeLine(&entry, callerLine.get(), input.hostTypeId, directory.get(), prefix.get());
  if (std::memcmp(callerLine.get(), line.c_str(), line.size() + 1) != 0 ||
      input.currentDirectory != directory.get() || input.datasetPrefix != prefix.get()) {
    Fail("the caller's line or texts were written to", line);
  }
  CheckEntry(entry, result, line);
  if (!checkRepeat || IsStatefulHostType(input.hostTypeId)) return;

  ListingEntry again;
  std::memset(&again, 0x5A, sizeof again);
  int32_t resultAgain =
      QORDA_DecodeLine(&again, callerLine.get(), input.hostTypeId, directory.get(), prefix.get());
  if (resultAgain != result || std::memcmp(&again, &entry, sizeof entry) != 0) {
    Fail("the same line decoded to a different record", line);
  }
}

}  // namespace qorda::fuzzing
