// The contract between the decoder and its parsers: what every parser is
// handed besides the record, and the one signature they all share.
#pragma once

#include <cstdint>

#include "qordahosts.h"

namespace qorda {

// Which section of a Stratus VOS listing the coming lines belong to: a VOS
// line carries no mark of its own that says whether it is a file, a
// directory or a link.
enum class VosSection : uint8_t { kNone, kFiles, kDirs, kLinks };

// What a listing carries from one line to the next, for the two dialects
// whose lines do not stand alone. A new ListingState{} is a freshly loaded
// library's: nothing remembered, no section seen. Assigning one is the one
// reset.
struct ListingState {
  // AS/400: a member line ('*MEM  MYFILE.FILE/MYMEMBER.MBR') shows no date,
  // time or size of its own and takes those of the line decoded before it,
  // its file's line when a listing is decoded in order. Fed by every
  // star-shape line that is no member (date and time) and by every line
  // that reaches the size column (size); read by star-shape member lines.
  struct As400Member {
    uint16_t year = 0;
    uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int64_t size = 0;
  };
  As400Member as400Member;
  // Stratus VOS: the section that the last "Files:", "Dirs:" or "Links:"
  // heading opened, read by every other VOS line.
  VosSection vosSection = VosSection::kNone;
};

// What the decoder hands a parser besides the record.
//
// A route either reads the caller's text in place or works on the
// decoder's private copy. The two are kept apart by type rather than by
// promise: text is read-only whichever it is, and only copy, present only
// on a copying route, can be written through.
struct LineInput {
  // The line, trimmed of its trailing CR, LF, blanks and tabs and cut at 511
  // characters. Only length bytes may be read; it is terminated only when
  // copy is set.
  const char* text;
  int length;
  int32_t hostTypeId;
  // The same bytes in the decoder's own buffer, terminated, which the
  // parser may cut in place ('\0' behind a name field); null on a route
  // that reads the caller's text in place.
  char* copy;
  const char* currentDirectory;  // never null; "" when the caller has none
  const char* datasetPrefix;     // never null; "" when the caller has none
  // The listing's state, which the AS/400 and Stratus VOS parsers read and
  // update; the others leave it alone.
  ListingState& state;
};

// Every parser: fills the record from the line and returns the length of
// the name it wrote, 0 when the line is no entry.
using Parser = int (*)(ListingEntry& entry, const LineInput& in);

}  // namespace qorda
