// What every fuzz target shares: the host type ids worth trying, the layout
// of an input, and the rules a decoded record must obey whatever the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "qordahosts.h"

namespace qorda::fuzzing {

// Time-of-day lines take their year from the clock; a fixed date keeps a
// finding reproducible on another day.
void FixClock();

// Every id the decoder knows (5995 to the last table entry) and a few it
// does not: 0, a bare table index, the neighbours of the range and the
// extremes of the type.
int32_t HostTypeFromByte(uint8_t choice);
int HostTypeCount();

// The AS/400 and Stratus VOS parsers carry state from one line to the next,
// so the same line may decode differently twice.
bool IsStatefulHostType(int32_t hostTypeId);

// An input is: one byte choosing the host type, one byte each for the
// lengths (mod 64) of the current directory and the data set prefix, those
// two texts, then the rest (a line or a whole listing).
struct Input {
  int32_t hostTypeId = 0;
  uint8_t options = 0;  // the two high bits of the second byte, free for the targets
  std::string currentDirectory;
  std::string datasetPrefix;
  std::string_view rest;
};
Input SplitInput(const uint8_t* data, std::size_t size);

// Decodes the line and aborts with a message when the record breaks one of
// its rules or the caller's line was written to. With checkRepeat, a second
// decode of the same line must give the same record.
void DecodeAndCheck(const std::string& line, const Input& input, bool checkRepeat);

// Aborts with a message naming the rule a decoded record breaks.
void CheckEntry(const ListingEntry& entry, int32_t result, const std::string& line);

[[noreturn]] void Fail(const char* rule, const std::string& line);

}  // namespace qorda::fuzzing
