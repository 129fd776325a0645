#include "scan/text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <string>

namespace qorda {
namespace {

// Scanners that take 16, 8 and 1 bytes at a time find every word and hit a
// byte walk finds, at every offset, on the vector and the scalar paths.
TEST(NthWord, AgreesWithAByteWalkAcrossEveryBlockBoundary) {
  auto byBytes = [](const char* text, int n) -> std::string {
    for (int word = 1; word < n; ++word) {
      while (*text != '\0' && *text != ' ') ++text;
      while (*text == ' ') ++text;
      if (*text == '\0') return "(none)";
    }
    return text;
  };
  const char* pieces[] = {"a", "  ", "bcdefgh", " ", "\t", "ijklmnopq", "       ", "\xe9", "12:30"};
  uint32_t state = 12345;
  for (int line = 0; line < 2000; ++line) {
    std::string text;
    for (int i = static_cast<int>(state % 40); i > 0; --i) {
      state = state * 1103515245u + 12345u;
      text += pieces[(state >> 16) % std::size(pieces)];
    }
    for (int n = 1; n <= 40; ++n) {
      const char* word = NthWord(text.c_str(), n);
      EXPECT_EQ(word == nullptr ? "(none)" : word, byBytes(text.c_str(), n)) << text << n;
    }
    state = state * 1103515245u + 12345u;
  }
}

TEST(FindEitherInSkipBlanksInAndFindTextIn, FindTheFirstHitAtEveryPositionAndLength) {
  for (std::size_t length = 0; length <= 40; ++length) {
    for (std::size_t hit = 0; hit <= length; ++hit) {
      std::string blanks(length, ' '), letters(length, 'x'), text;
      if (hit < length) blanks[hit] = '\xBB', letters[hit] = hit % 2 == 0 ? ';' : '=';
      const char* begin = letters.data();
      EXPECT_EQ(FindEitherIn(begin, begin + length, ';', '=') - begin, static_cast<long>(hit));
      EXPECT_EQ(SkipBlanksIn(blanks.data(), blanks.data() + length) - blanks.data(),
                static_cast<long>(hit));
      // " PO" cut short where it does not fit, behind decoys of its first two
      // bytes, in a block without a terminator: ASan catches a read past it.
      while (text.size() < length) text += " Px";
      text.replace(hit, std::string::npos, std::string(" PO").substr(0, length - hit));
      text.resize(length);
      std::unique_ptr<char[]> exact(new char[length + 1]);
      std::memcpy(exact.get(), text.data(), length);
      const char* found = FindTextIn(exact.get(), length, " PO");
      EXPECT_EQ(found == nullptr ? std::string::npos : found - exact.get(), text.find(" PO"))
          << text;
    }
  }
}

TEST(MatchesShapeIn, TakesOnlyTheTenDigitsForDigits) {
  EXPECT_TRUE(MatchesShapeIn("12-31-99  09:07PM", 17, "99-99-99  99:99"));
  for (const char* text :
       {"12-31-99  09:0/PM", "12-31-99  09:0:PM", "1\xB2-31-99  09:07", "12-31-99  09:0"}) {
    EXPECT_FALSE(MatchesShapeIn(text, std::strlen(text), "99-99-99  99:99")) << text;
  }
  EXPECT_FALSE(MatchesShapeIn("1999/x", 6, "9999/9"));  // fewer than eight bytes: one by one
}

}  // namespace
}  // namespace qorda
