// The guess itself: decodes the first lines of a listing under every
// candidate, each with a listing state of its own, judges each reading by
// how much of the lines its records explain, and ranks the readings.
#pragma once

#include <cstddef>
#include <cstdint>

#include "qordahosts_guess.h"

namespace qorda::guess {

// Fills result from the first lines of bytes (see QORDA_GuessHostType).
// Reads at most QORDA_GUESS_MAX_BYTES of bytes; touches no process-wide
// state, so the decoder's own listing state stays as it was.
void GuessHostType(const char* bytes, std::size_t length, int32_t currentType,
                   QORDA_GuessResult& result);

}  // namespace qorda::guess
