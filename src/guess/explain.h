// How much of a line one reading's record explains: which words of the line
// are its fields (a date that matches the record's date, a size that is
// the record's size in its unit...) and which its name, and what column
// debris the name swallowed. A parser that takes the last word as the name
// explains one word of a Unix line; the Unix parser explains six of nine.
#pragma once

#include "guess/candidates.h"
#include "guess/line_words.h"
#include "qordahosts.h"

namespace qorda::guess {

struct Explanation {
  float quality;  // explained share of the line's weight, less debris; at most 1
  int fields;     // words explained by a field other than the name
  int debris;     // field-shaped words and column blanks inside the name
  int textLeft;   // words of text that neither a field nor the name explains
  bool dated;     // a date or time of the record was found in the line
  // The record has a date, and the line shows one, but not the record's.
  bool dateNotInLine;
  // The record has a time of day that is nowhere in the line: read from
  // other text, or carried over from the line before.
  bool timeNotInLine;
};

// line is the decoder's view of the line (trimmed, length bytes); entry and
// nameLength are what the decoder gave for it under a candidate. Dates after
// currentYear + 1 are taken for misread ones.
Explanation ExplainEntry(const LineWords& words, const char* line, const ListingEntry& entry,
                         int nameLength, const Candidate& candidate, int currentYear);

// Whether the line (length bytes) is one of the candidate's own headings,
// totals or summaries.
bool IsOwnLine(const char* line, int length, const Candidate& candidate);

}  // namespace qorda::guess
