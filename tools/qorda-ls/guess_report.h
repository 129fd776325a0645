// qorda-ls --guess: which server wrote each listing. Every way of reading
// the listing's first lines is ranked; nothing is decoded.
#pragma once

#include <string>
#include <vector>

#include "entry_output.h"
#include "output.h"

namespace qorda::ls {

// Writes the ranked candidates of each input (a file, or "-" for standard
// input) in the format. Returns 0, or kExitUnreadableInput when an input
// could not be read (after a message; the others are still reported).
int ReportGuesses(const std::vector<std::string>& inputs, OutputFormat format, Output& out);

}  // namespace qorda::ls
