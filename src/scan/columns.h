// Fixed-column reads for dialects that cut the decoder's copy in place: the
// MVS, VM/CMS and Spartacus parsers write a terminator behind their name
// field ('PROFILE  EXEC' in columns 0 to 17) and still read the size and date
// columns further right at their own offsets.
#pragma once

#include <cstdint>

#include "scan/text.h"

namespace qorda {

// The line with the length it had before any cut. Every read below stays
// inside that length; a column at or beyond it reads as empty.
struct ColumnLine {
  char* text;
  int length;
};

// The character at column, or '\0' at or beyond the end of the line. Inside
// the line it may be a terminator that a parser wrote there.
constexpr char ColumnChar(const ColumnLine& line, int column) {
  return column >= 0 && column < line.length ? line.text[column] : '\0';
}

// The text from column on, ending at the next terminator; the empty text at
// the line's end when column lies at or beyond it.
constexpr char* ColumnText(const ColumnLine& line, int column) {
  if (column < 0) column = 0;
  return line.text + (column < line.length ? column : line.length);
}

// Ends the text at column, when the line reaches that far; later columns keep
// their offsets.
constexpr void CutAt(const ColumnLine& line, int column) {
  if (column >= 0 && column < line.length) line.text[column] = '\0';
}

// The number right-aligned on column, which may reach to its left: it
// starts behind the nearest blank at or before column, and no further left
// than firstColumn. Past the line's end nothing is a blank, so a short line
// is searched from its end.
constexpr int64_t RightAlignedNumber(const ColumnLine& line, int column, int firstColumn) {
  int start = column < line.length ? column + 1 : line.length;
  while (start > firstColumn && line.text[start - 1] != ' ') --start;
  return ScanInt64(line.text + start);
}

}  // namespace qorda
