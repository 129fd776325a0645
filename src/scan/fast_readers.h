// Several parsers read the shape nearly every server writes ("12:30",
// "12-31-99", "2001-05-16 12:34") with a fast reader that stands in for the
// general reader beside it, and must read what that one reads. Builds under
// AddressSanitizer (the sanitize presets and the fuzzers) run the general
// reader as well wherever a fast one reads a line, and stop the process at
// the first line on which the two disagree. Other builds compile the check
// away.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace qorda {

#if defined(__SANITIZE_ADDRESS__)
#define QORDA_CHECK_FAST_READERS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QORDA_CHECK_FAST_READERS 1
#endif
#endif

#if defined(QORDA_CHECK_FAST_READERS)
inline constexpr bool kCheckFastReaders = true;
#else
inline constexpr bool kCheckFastReaders = false;
#endif

// Stops the process, naming the fast reader and the text it read (length
// bytes of it: a line read in place has no terminator).
[[noreturn]] inline void FastReaderDisagrees(const char* reader, const char* text, int length) {
  std::fprintf(stderr, "%s reads '%.*s' unlike the general reader\n", reader, length, text);
  std::abort();
}

// The check itself: call it inside `if constexpr (kCheckFastReaders)`, so
// that other builds neither run nor keep the general reading.
inline void ExpectSameReading(bool same, const char* reader, const char* text, int length) {
  if (!same) FastReaderDisagrees(reader, text, length);
}

}  // namespace qorda
