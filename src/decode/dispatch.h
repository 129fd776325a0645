#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// Runs the one parser that the host type id selects on the decoder's
// trimmed copy of the line, whose length is given.
int DispatchLine(ListingEntry& entry, char* line, int length, int32_t hostTypeId,
                 const char* currentDirectory, const char* datasetPrefix);

}  // namespace qorda
