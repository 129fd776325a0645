// Byte-exact character tests, bounded reads and the word scanners every
// listing parser is built from. Only the ASCII letters A to Z are ever
// case-folded.
//
// Bounds. A helper whose name ends in "In" reads only inside the range it
// is given (from, end, or text and a length) and needs no terminator: it
// serves the caller's line on a route that reads in place, and a copy that
// has been cut. Every other helper reads a zero-terminated text and never
// steps over its terminator. Fixed-column reads that outlive a cut are in
// scan/columns.h, byte-parallel tests in scan/bytes.h.
//
//   helper                  stops at                       cost
//   CharAt, TextAt          terminator or pos              walks pos bytes; strnlen from 9 on
//   StartsWith(NoCase)      terminator or the prefix's end the prefix
//   NthWord                 terminator                     strlen, then the words up to n
//   LastWord                terminator (trims first)       strlen and strrchr
//   CutBeforeLastWord       terminator                     LastWord
//   FindText                terminator                     strchr, or strstr for a longer pattern
//   FindNear                terminator                     a byte walk: for a byte a few places on
//   IsDirMarker             terminator                     one pass for "d" and "D"
//   MonthFromName           terminator, 3 bytes            17 compares at most
//   ScanInt, ScanInt64      terminator, first non-digit    the digits
//   CopyName                terminator, 511 bytes          strnlen and memcpy
//   UnescapeBlanks          length; writes at the new end  one pass
//   FindEitherIn, FindByteIn  end                          16 (SSE2) or 8 bytes a step
//   SkipBlanksIn            end                            16 (SSE2) or 8 bytes a step
//   FindTextIn              length (and the pattern's)     16 candidates a step (8 without SSE2)
//   FindWordStartsIn        length, count words            64 bytes a mask
//   ScanInt64In             end, first non-digit           the digits
//   MatchesShapeIn          available, the shape's length  one or two words
//   DigitsValueIn           count (digits checked)         count
//   TrimmedLengthIn         length, backwards              the trailing blanks
//   StripIn                 length; writes at the new end  TrimmedLengthIn
//   CopyNameIn              length, 511 bytes              memmove
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "qordahosts.h"
#include "scan/bytes.h"

namespace qorda {

// ---- Characters -----------------------------------------------------------

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
constexpr bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
constexpr bool IsAlpha(char c) {
  return IsUpper(c) || IsLower(c);
}
constexpr bool IsAlnum(char c) {
  return IsAlpha(c) || IsDigit(c);
}
constexpr char ToLower(char c) {
  return IsUpper(c) ? static_cast<char>(c + ('a' - 'A')) : c;
}
constexpr char ToUpper(char c) {
  return IsLower(c) ? static_cast<char>(c - ('a' - 'A')) : c;
}
// The white space the decimal readers skip: blank, tab, LF, VT, FF, CR.
constexpr bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
// What separates the columns of the dialects that pad with tabs too.
constexpr bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

// The end of a word: a blank or the terminator. c | 0x20 is 0x20 for
// exactly these two bytes, so word scans test each byte once.
constexpr bool EndsWord(char c) {
  return (static_cast<unsigned char>(c) | 0x20) == 0x20;
}

// ---- Terminated texts -------------------------------------------------------

// How far the text reaches up to pos: pos, or its length when it ends
// first. Fixed-column dialects read columns 30 to 70 of every line, so past
// a few characters the library's vectorised strnlen beats a byte loop.
constexpr int ReachUpTo(const char* text, int pos) {
  if (!std::is_constant_evaluated() && pos > 8) {
    return static_cast<int>(strnlen(text, static_cast<std::size_t>(pos)));
  }
  int i = 0;
  while (i < pos && text[i] != '\0') ++i;
  return i;
}

// The character at pos, or '\0' when the text ends before pos. For a byte
// a few places into a word; a column of a line whose length is known is
// read with ColumnChar instead, which need not walk to it.
constexpr char CharAt(const char* text, int pos) {
  if (text == nullptr || pos < 0) return '\0';
  return ReachUpTo(text, pos) == pos ? text[pos] : '\0';
}

// The text from pos on, or the empty text at the terminator when the text is
// shorter than pos.
constexpr const char* TextAt(const char* text, int pos) {
  return pos <= 0 ? text : text + ReachUpTo(text, pos);
}
inline char* TextAt(char* text, int pos) {
  return const_cast<char*>(TextAt(static_cast<const char*>(text), pos));
}

// Whether text begins with prefix, byte for byte.
constexpr bool StartsWith(const char* text, const char* prefix) {
  for (int i = 0; prefix[i] != '\0'; ++i) {
    if (text[i] != prefix[i]) return false;  // also stops at text's end
  }
  return true;
}

// Case-insensitive (A to Z only) test that text begins with prefix.
// Whether the length bytes at text are the literal, in any case.
constexpr bool EqualsNoCaseIn(const char* text, std::size_t length, const char* literal) {
  std::size_t i = 0;
  for (; literal[i] != '\0'; ++i) {
    if (i == length || ToLower(text[i]) != ToLower(literal[i])) return false;
  }
  return i == length;
}

constexpr bool StartsWithNoCase(const char* text, const char* prefix) {
  for (int i = 0; prefix[i] != '\0'; ++i) {
    if (ToLower(text[i]) != ToLower(prefix[i])) return false;  // also stops at text's end
  }
  return true;
}

// Word n (1-based, blank-separated; a tab is part of a word), or null when
// the text has fewer words. n <= 1 gives the text itself.
const char* NthWord(const char* text, int n);
inline char* NthWord(char* text, int n) {
  return const_cast<char*>(NthWord(static_cast<const char*>(text), n));
}

// Trims the text, then gives everything after its last blank (or, with no
// blank, its last tab). Never null for a non-null text.
char* LastWord(char* text);

// LastWord, with the text cut in front of it, so that the columns before a
// name can be read on their own. The text is the empty text when the last
// word is its only one.
char* CutBeforeLastWord(char* text);

// First occurrence of pattern (case-sensitive), or null. Inline, so that
// the one-character patterns most parsers search for go to strchr, which
// costs a fraction of strstr's setup.
inline const char* FindText(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr || *text == '\0') return nullptr;
  if (pattern[0] != '\0' && pattern[1] == '\0') return std::strchr(text, pattern[0]);
  return std::strstr(text, pattern);
}
inline char* FindText(char* text, const char* pattern) {
  return const_cast<char*>(FindText(static_cast<const char*>(text), pattern));
}

// The first c in text, or null at its terminator: a byte walk, for a byte
// that lies a few places on ("12:30", "5-MAY"), where a library call costs
// more than the walk.
constexpr const char* FindNear(const char* text, char c) {
  for (; *text != '\0'; ++text) {
    if (*text == c) return text;
  }
  return nullptr;
}

// Whether the text holds one of the directory markers "<DIR>", " dir ", ...
bool IsDirMarker(const char* text);

// Month 1 to 12 named by the first three characters, or 0.
int MonthFromName(const char* text);

// ---- Ranges -------------------------------------------------------------------

// The first byte from from on, before end, that is a or b; end when there
// is none. Every byte up to end must be readable. The fields it is used for
// are a few bytes long, where a library call costs more than the search.
inline const char* FindEitherIn(const char* from, const char* end, char a, char b) {
  if constexpr (kVectorCompares) {
    if (end - from >= 16) {
      for (; end - from >= 16; from += 16) {
        const unsigned found = SixteenMatches(from, a) | SixteenMatches(from, b);
        if (found != 0) return from + std::countr_zero(found);
      }
      if (from == end) return end;
      // The rest lies in the sixteen bytes that end at end; the bits of
      // those already tested are shifted out.
      const char* last = end - 16;
      const unsigned found = (SixteenMatches(last, a) | SixteenMatches(last, b)) >> (from - last);
      return found != 0 ? from + std::countr_zero(found) : end;
    }
  }
  if constexpr (kLittleEndian) {
    for (; end - from >= 8; from += 8) {
      const uint64_t bytes = LoadEight(from);
      const uint64_t found = BytesEqual(bytes, a) | BytesEqual(bytes, b);
      if (found != 0) return from + (std::countr_zero(found) >> 3);
    }
  }
  for (; from < end; ++from) {
    if (*from == a || *from == b) return from;
  }
  return end;
}

// The first c from from on, before end; end when there is none.
inline const char* FindByteIn(const char* from, const char* end, char c) {
  return FindEitherIn(from, end, c, c);  // the twin tests fold into one
}

// The first byte from from on, before end, that is not a blank; end when
// there is none. Every byte up to end must be readable. Columns padded
// with blanks are skipped many bytes at a time.
inline const char* SkipBlanksIn(const char* from, const char* end) {
  if constexpr (kVectorCompares) {
    for (; end - from >= 16; from += 16) {
      const unsigned blanks = SixteenMatches(from, ' ');
      if (blanks != 0xFFFF) return from + std::countr_zero(~blanks);
    }
  }
  if constexpr (kLittleEndian) {
    for (; end - from >= 8; from += 8) {
      // Non-zero exactly in the bytes that are not blanks.
      const uint64_t differs = LoadEight(from) ^ EveryByte(' ');
      if (differs != 0) return from + (std::countr_zero(differs) >> 3);
    }
  }
  while (from < end && *from == ' ') ++from;
  return from;
}

// FindText in the first length bytes of text, which hold no terminator: for
// a line searched for several markers, whose length is known. The places
// where the pattern's first two bytes both match are found sixteen at a
// time with vector compares, eight at a time without, which costs less than
// strstr's setup on a short line; only those places are compared in full.
// The pattern is patternLength bytes and needs no terminator either.
inline const char* FindTextIn(const char* text, std::size_t length, const char* pattern,
                              std::size_t patternLength) {
  if (patternLength == 0) return text;
  if (patternLength > length) return nullptr;
  const std::size_t lastStart = length - patternLength;
  // The candidates of one block, a bit (or a mark) per place; the first
  // that holds the whole pattern is the answer.
  const auto firstWhole = [&](std::size_t block, auto candidates, int bitsPerPlace,
                              std::size_t& found) {
    for (; candidates != 0; candidates &= candidates - 1) {
      found = block + static_cast<std::size_t>(std::countr_zero(candidates) / bitsPerPlace);
      if (found > lastStart) return true;
      if (std::memcmp(text + found + 2, pattern + 2, patternLength - 2) == 0) return true;
    }
    return false;
  };
  std::size_t at = 0;
  std::size_t found = 0;
  if (patternLength >= 2) {
    if constexpr (kVectorCompares) {
      for (; at + 17 <= length; at += 16) {
        const unsigned candidates =
            SixteenMatches(text + at, pattern[0]) & SixteenMatches(text + at + 1, pattern[1]);
        if (firstWhole(at, candidates, 1, found)) return found > lastStart ? nullptr : text + found;
      }
    } else if constexpr (kLittleEndian) {
      for (; at + 9 <= length; at += 8) {
        const uint64_t candidates = BytesEqual(LoadEight(text + at), pattern[0]) &
                                    BytesEqual(LoadEight(text + at + 1), pattern[1]);
        if (firstWhole(at, candidates, 8, found)) return found > lastStart ? nullptr : text + found;
      }
    }
  }
  for (; at <= lastStart; ++at) {
    if (text[at] == pattern[0] && std::memcmp(text + at, pattern, patternLength) == 0) {
      return text + at;
    }
  }
  return nullptr;
}

inline const char* FindTextIn(const char* text, std::size_t length, const char* pattern) {
  return FindTextIn(text, length, pattern, std::strlen(pattern));  // folded for a literal
}

// The starts of words 2 to count + 1 of text, whose length is given, in
// order, into starts; returns how many the text has, at most count. Word 1
// is the text itself; every later word begins where a blank is followed by
// anything but a blank or the end (a tab is part of a word). Inline, so that
// a parser asking for a fixed number of words gets a loop made for it.
inline int FindWordStartsIn(const char* text, std::size_t length, const char** starts, int count) {
  if (text == nullptr || count <= 0) return 0;
  // A block of 64 bytes becomes one mask of the bytes that start a word: a
  // non-blank after a blank. Building it has no branch that depends on the
  // text, and taking the starts from it runs once per word wanted, so the
  // padded columns of a listing leave nothing to mispredict.
  int found = 0;
  uint64_t blankBefore = 0;  // byte 0 starts word 1, never a later one
  for (std::size_t block = 0; block < length && found < count; block += 64) {
    const std::size_t end = length - block < 64 ? length : block + 64;
    uint64_t nonBlank = 0;
    std::size_t at = block;
    if constexpr (kVectorCompares) {
      for (; at + 16 <= end; at += 16) {
        nonBlank |= uint64_t{~SixteenMatches(text + at, ' ') & 0xFFFFu} << (at - block);
      }
    }
    for (; at + 8 <= end; at += 8) nonBlank |= NonBlankBits(text + at) << (at - block);
    for (; at < end; ++at) nonBlank |= uint64_t{text[at] != ' '} << (at - block);
    const uint64_t blank = ~nonBlank;  // bytes past the end count as blanks
    uint64_t wordStarts = nonBlank & (blank << 1 | blankBefore);
    blankBefore = blank >> 63;
    for (; wordStarts != 0 && found < count; wordStarts &= wordStarts - 1) {
      starts[found++] = text + block + std::countr_zero(wordStarts);
    }
  }
  return found;
}

// ---- Numbers --------------------------------------------------------------------

// Decimal readers: blanks and white space skipped, optional sign, digits up
// to the first non-digit, 0 when there are none. Overflow wraps. Inline, as
// every parser reads several numbers from every line.
template <typename Int, typename Unsigned>
constexpr Int ScanDecimal(const char* text) {
  if (text == nullptr) return 0;
  while (IsSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  Unsigned value = 0;
  for (; IsDigit(*text); ++text) value = value * 10 + static_cast<Unsigned>(*text - '0');
  return static_cast<Int>(negative ? Unsigned{0} - value : value);
}
constexpr int32_t ScanInt(const char* text) {
  return ScanDecimal<int32_t, uint32_t>(text);
}
constexpr int64_t ScanInt64(const char* text) {
  return ScanDecimal<int64_t, uint64_t>(text);
}

// ScanInt64 for a text that is not terminated: end, where the text stops,
// reads as a terminator would.
constexpr int64_t ScanInt64In(const char* text, const char* end) {
  while (text < end && IsSpace(*text)) ++text;
  bool negative = false;
  if (text < end && (*text == '+' || *text == '-')) negative = *text++ == '-';
  uint64_t value = 0;
  for (; text < end && IsDigit(*text); ++text)
    value = value * 10 + static_cast<uint64_t>(*text - '0');
  return static_cast<int64_t>(negative ? uint64_t{0} - value : value);
}

// The value of the count digits at text, which the caller has checked.
constexpr int DigitsValueIn(const char* text, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

// A fixed-format column's shape: a '9' stands for any digit, every other
// byte for itself. Built at compile time from the literal, as masks over
// eight-byte words, so that a column of up to 16 bytes is tested in a few
// word operations instead of a compare per byte.
struct Shape {
  static constexpr std::size_t kMaxLength = 16;
  uint64_t literalMask[2] = {};  // 0xFF in the bytes that must equal literal
  uint64_t literal[2] = {};
  uint64_t digitMask[2] = {};  // 0xFF in the bytes that must be digits
  std::size_t length = 0;

  template <std::size_t N>
  consteval Shape(const char (&shape)[N]) : length(N - 1) {  // NOLINT: built from literals
    static_assert(N - 1 <= kMaxLength, "a shape spans at most two words");
    for (std::size_t i = 0; i < length; ++i) {
      const int shift = static_cast<int>(i % 8) * 8;
      if (shape[i] == '9') {
        digitMask[i / 8] |= uint64_t{0xFF} << shift;
      } else {
        literalMask[i / 8] |= uint64_t{0xFF} << shift;
        literal[i / 8] |= uint64_t{static_cast<unsigned char>(shape[i])} << shift;
      }
    }
  }
};

// Whether text, of which available bytes can be read, begins with shape.
// The fast readers of the fixed-format columns most servers write test
// their shape with it, then read the digits with DigitsValueIn.
inline bool MatchesShapeIn(const char* text, std::size_t available, const Shape& shape) {
  if (available < shape.length) return false;
  const std::size_t words = shape.length > 8 ? 2 : 1;
  if (kLittleEndian && available >= 8 * words) {
    uint64_t wrong = 0;
    for (std::size_t w = 0; w < words; ++w) {
      const uint64_t bytes = LoadEight(text + 8 * w);
      wrong |= (bytes ^ shape.literal[w]) & shape.literalMask[w];
      wrong |= NonDigitBytes(bytes) & shape.digitMask[w];
    }
    return wrong == 0;
  }
  for (std::size_t i = 0; i < shape.length; ++i) {
    const uint64_t bit = uint64_t{0xFF} << (i % 8 * 8);
    const bool matches =
        (shape.digitMask[i / 8] & bit) != 0
            ? IsDigit(text[i])
            : static_cast<unsigned char>(text[i]) == ((shape.literal[i / 8] & bit) >> (i % 8 * 8));
    if (!matches) return false;
  }
  return true;
}

// Sizes counted in 512-byte blocks; a fuzzed count wraps instead of
// overflowing.
constexpr int64_t BlocksToBytes(int64_t blocks) {
  return static_cast<int64_t>(static_cast<uint64_t>(blocks) << 9);
}

// The product of two count columns (records and their length, tracks and
// their size); one beyond 64 bits wraps instead of overflowing.
constexpr int64_t WrappingProduct(int64_t left, int64_t right) {
  return static_cast<int64_t>(static_cast<uint64_t>(left) * static_cast<uint64_t>(right));
}

// ---- Line ends and names -----------------------------------------------------------

// The length of the first length bytes of text without their trailing CR,
// LF, blanks and tabs. Inline, as every decoded line passes through it.
inline std::size_t TrimmedLengthIn(const char* text, std::size_t length) {
  auto isTrailingSpace = [](char c) { return c == '\n' || c == '\r' || c == ' ' || c == '\t'; };
  while (length > 0 && isTrailingSpace(text[length - 1])) --length;
  return length;
}

// Strip for a text whose length is known: cuts the trailing white space in
// place, writing a terminator at the new end (at length itself when nothing
// is cut), and returns the new length.
inline int32_t StripIn(char* text, std::size_t length) {
  length = TrimmedLengthIn(text, length);
  text[length] = '\0';
  return static_cast<int32_t>(length);
}

// The longest name a record carries; the name field has room for the
// terminator and reserve beyond it.
constexpr std::size_t kMaxNameLength = 511;

// Copies text into the entry's name, cut to kMaxNameLength and always
// terminated; returns the name's length.
int CopyName(ListingEntry& entry, const char* text);

// The same for a text whose length is known: it must hold no terminator
// before it. Returns the name's length, which parsers report to the
// decoder so that it need not measure the name it has just written.
inline int CopyNameIn(ListingEntry& entry, const char* text, std::size_t length) {
  if (length > kMaxNameLength) length = kMaxNameLength;
  // memmove, not memcpy: GCC expands a memcpy whose length it can bound
  // into rep movsq, several times slower for a name of a few dozen bytes
  // than the library's routine, which memmove is left to.
  std::memmove(entry.name, text, length);
  entry.name[length] = '\0';
  return static_cast<int>(length);
}

// The length of the name a parser has written, for parsers that edit it in
// place after copying.
inline int NameLength(const ListingEntry& entry) {
  return static_cast<int>(std::strlen(entry.name));
}

// 'my%20file.txt' is 'my file.txt': servers that end a name at a blank
// encode the blanks inside it. Unescapes the name of the given length in
// place, terminates it (at most at length) and returns its new length.
std::size_t UnescapeBlanks(char* name, std::size_t length);

}  // namespace qorda
