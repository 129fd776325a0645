#pragma once

#include "qordahosts.h"

namespace qorda {

// Sets the mode bits when the line starts with a Unix permission string.
void ReadPermissions(ListingEntry& entry, const char* line, int length);

// Brings the year, month and day a parser left into the record's range.
void NormaliseDate(ListingEntry& entry);

}  // namespace qorda
