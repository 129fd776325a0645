// Bytes tested many at a time: eight to a 64-bit word with plain integer
// operations, and sixteen to one vector compare where the target has SSE2.
// The scanners and the few parsers that test many bytes at once build on
// these named operations, so that the bit tricks, and the one choice
// between vector and scalar code, stand here alone.
//
// The 32-bit DLL is built for processors without SSE2 (its compiler defines
// no __SSE2__). QORDA_NO_SIMD builds the same scalar code on any machine, so
// that the tests and the sanitizers run what that DLL runs.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) && !defined(QORDA_NO_SIMD)
#include <emmintrin.h>
#define QORDA_SSE2 1
#endif

namespace qorda {

// Whether sixteen bytes are compared with one vector instruction. Code that
// only pays off with them asks this with `if constexpr`.
#if defined(QORDA_SSE2)
inline constexpr bool kVectorCompares = true;
#else
inline constexpr bool kVectorCompares = false;
#endif

// Whether a word loaded from memory holds its first byte lowest, which the
// marks below rely on. Every target of ours is; the others take byte loops.
inline constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// Eight bytes of a text, as they lie in memory.
inline uint64_t LoadEight(const char* bytes) {
  uint64_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// Eight letters of a literal as LoadEight would give them on this machine.
constexpr uint64_t EightBytes(const char (&letters)[9]) {
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) {
    const int shift = kLittleEndian ? 8 * i : 56 - 8 * i;
    value |= uint64_t{static_cast<unsigned char>(letters[i])} << shift;
  }
  return value;
}

// c in every byte.
constexpr uint64_t EveryByte(unsigned char c) {
  return 0x0101010101010101ull * c;
}

inline constexpr uint64_t kHighBits = 0x8080808080808080ull;

// A mark, the high bit, on every byte of x that is zero, and no other bit:
// adding 0x7F to the low seven bits carries into the high bit of a byte
// that is not zero, and no sum crosses its byte.
constexpr uint64_t ZeroBytes(uint64_t x) {
  constexpr uint64_t kLowBits = ~kHighBits;
  return ~(((x & kLowBits) + kLowBits) | x) & kHighBits;
}

// A mark on every byte of x that is not zero.
constexpr uint64_t NonZeroBytes(uint64_t x) {
  constexpr uint64_t kLowBits = ~kHighBits;
  return (((x & kLowBits) + kLowBits) | x) & kHighBits;
}

// A mark on every byte of eight (as loaded) that is c. The first is
// countr_zero(marks) / 8 bytes in.
constexpr uint64_t BytesEqual(uint64_t eight, char c) {
  return ZeroBytes(eight ^ EveryByte(static_cast<unsigned char>(c)));
}

// A mark on every byte of eight that is not c.
constexpr uint64_t BytesNotEqual(uint64_t eight, char c) {
  return NonZeroBytes(eight ^ EveryByte(static_cast<unsigned char>(c)));
}

// Non-zero in every byte of eight that is no digit '0' to '9': a digit has
// the high nibble 3, and a low nibble that does not carry when 6 is added.
constexpr uint64_t NonDigitBytes(uint64_t eight) {
  constexpr uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ull;
  constexpr uint64_t kLowNibbles = ~kHighNibbles;
  return ((eight & kHighNibbles) ^ EveryByte('0')) |
         (((eight & kLowNibbles) + EveryByte(6)) & kHighNibbles);
}

// The eight marks of a word gathered into one byte by one multiplication
// (no two of its partial products share a bit): the first byte in memory
// becomes bit 0, or, for MarksFirstHighest, bit 7.
constexpr unsigned MarksInOrder(uint64_t marks) {
  return static_cast<unsigned>(((marks >> 7) * 0x0102040810204080ull) >> 56);
}
constexpr unsigned MarksFirstHighest(uint64_t marks) {
  return static_cast<unsigned>(((marks >> 7) * 0x8040201008040201ull) >> 56);
}

// One bit per byte of the eight at bytes, set where the byte is not a blank.
inline uint64_t NonBlankBits(const char* bytes) {
  if constexpr (kLittleEndian) {
    return MarksInOrder(BytesNotEqual(LoadEight(bytes), ' '));
  } else {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= uint64_t{bytes[i] != ' '} << i;
    return bits;
  }
}

// One bit per byte of the sixteen at bytes, set where the byte is c; with
// kVectorCompares one compare, otherwise a loop that only the scalar build
// runs, and only where a caller has not asked kVectorCompares first.
inline unsigned SixteenMatches(const char* bytes, char c) {
#if defined(QORDA_SSE2)
  const __m128i loaded = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(loaded, _mm_set1_epi8(c))));
#else
  unsigned bits = 0;
  for (int i = 0; i < 16; ++i) bits |= unsigned{bytes[i] == c} << i;
  return bits;
#endif
}

// The same for the thirty-two bytes at bytes.
inline uint64_t ThirtyTwoMatches(const char* bytes, char c) {
  return uint64_t{SixteenMatches(bytes, c)} | uint64_t{SixteenMatches(bytes + 16, c)} << 16;
}

}  // namespace qorda
