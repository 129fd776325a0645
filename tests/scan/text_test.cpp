#include "scan/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <utility>

namespace qorda {
namespace {

// The text a scanner's answer points to, "(null)" for none.
std::string From(const char* text) {
  return text == nullptr ? "(null)" : text;
}

TEST(Strip, TrimsTrailingLineEndsBlanksAndTabsOnly) {
  // Leading blanks and a trailing vertical tab stay.
  const std::pair<const char*, const char*> rows[] = {
      {"a\tb \t\r\n", "a\tb"},
      {" a\x0B", " a\x0B"},
      {"\t \r\n", ""},
  };
  for (const auto& [original, stripped] : rows) {
    std::string text = original;
    EXPECT_EQ(Strip(text.data()), static_cast<int>(std::string(stripped).size())) << original;
    EXPECT_STREQ(text.c_str(), stripped);
  }
  EXPECT_EQ(Strip(nullptr), 0);
}

TEST(NthWord, TakesTabsAsPartOfAWordAndWordOneAsTheText) {
  EXPECT_EQ(From(NthWord("a\tb c", 2)), "c");
  EXPECT_EQ(From(NthWord(" a b", 0)), " a b");
  EXPECT_EQ(NthWord(static_cast<const char*>(nullptr), 1), nullptr);
}

// The word scanner reads eight bytes at a time while it can and byte by
// byte at the end: every word, at every offset from an eight-byte boundary
// and with blank runs across one, must come out as a plain scan finds it.
const char* WordByBytes(const char* text, int n) {
  for (int word = 1; word < n; ++word) {
    while (*text != '\0' && *text != ' ') ++text;
    while (*text == ' ') ++text;
    if (*text == '\0') return nullptr;
  }
  return text;
}

TEST(NthWord, AgreesWithAByteScanAcrossEveryChunkBoundary) {
  const char* pieces[] = {"a", "  ", "bcdefgh", " ", "\t", "ijklmnopq", "       ", "\xe9", "12:30"};
  uint32_t state = 12345;
  for (int line = 0; line < 2000; ++line) {
    std::string text;
    int pieceCount = static_cast<int>(state % 40);
    for (int i = 0; i < pieceCount; ++i) {
      state = state * 1103515245u + 12345u;
      text += pieces[(state >> 16) % std::size(pieces)];
    }
    for (int n = 1; n <= 40; ++n) {
      EXPECT_EQ(From(NthWord(text.c_str(), n)), From(WordByBytes(text.c_str(), n)))
          << '"' << text << "\" " << n;
    }
    state = state * 1103515245u + 12345u;
  }
}

// Each of the word-at-a-time paths (sixteen, the sixteen that end the text,
// eight, one byte) must find the first hit, wherever it falls and however
// much of the text is left.
TEST(FindEitherAndSkipBlanks, AgreeWithAByteScanAtEveryPositionAndLength) {
  for (std::size_t length = 0; length <= 40; ++length) {
    for (std::size_t hit = 0; hit <= length; ++hit) {
      std::string blanks(length, ' ');
      std::string letters(length, 'x');
      if (hit < length) {
        blanks[hit] = '\xBB';  // a high byte is no blank either
        letters[hit] = hit % 2 == 0 ? ';' : '=';
      }
      const char* begin = letters.data();
      EXPECT_EQ(FindEitherIn(begin, begin + length, ';', '=') - begin, static_cast<long>(hit))
          << length << " " << hit;
      EXPECT_EQ(SkipBlanksIn(blanks.data(), blanks.data() + length) - blanks.data(),
                static_cast<long>(hit))
          << length << " " << hit;
    }
  }
}

TEST(LastWord, TakesEverythingAfterTheLastBlankOrElseTheLastTab) {
  const std::pair<const char*, const char*> rows[] = {
      {"single", "single"}, {"a\tb", "b"}, {"a b\tc", "b\tc"}, {"a \t b  \r\n", "b"}, {"   ", ""},
  };
  for (const auto& [original, word] : rows) {
    std::string text = original;
    EXPECT_EQ(From(LastWord(text.data())), word) << '"' << original << '"';
  }
}

TEST(FindText, FindsTheFirstOccurrence) {
  const char* text = "abcabc";
  EXPECT_EQ(FindText(text, "ca"), text + 2);
  EXPECT_EQ(FindText(text, "b"), text + 1);
  EXPECT_EQ(FindText(text, ""), text);
  EXPECT_EQ(FindText("", ""), nullptr);
  EXPECT_EQ(FindText(text, nullptr), nullptr);
}

TEST(FindTextIn, AgreesWithStrstrAtEveryPositionAndReadsOnlyTheLength) {
  for (const std::string pattern : {" PO ", "Lrecl", "ab", "a"}) {
    // The pattern's first two bytes and a mismatch, over and over: a
    // candidate in every chunk that must be turned down.
    const std::string decoy = pattern.substr(0, 2) + "x";
    for (std::size_t length = 0; length <= 40; ++length) {
      for (std::size_t at = 0; at <= length; ++at) {
        std::string text;
        while (text.size() < length) text += decoy;
        // The pattern at at, cut short where it does not fit.
        text.replace(at, std::string::npos, pattern.substr(0, length - at));
        text.resize(length);
        // An exact-size copy without a terminator: AddressSanitizer catches
        // any read past length.
        std::unique_ptr<char[]> exact(new char[length + (length == 0)]);
        std::memcpy(exact.get(), text.data(), length);
        const char* found = FindTextIn(exact.get(), length, pattern.c_str());
        const std::size_t foundAt =
            found == nullptr ? std::string::npos : static_cast<std::size_t>(found - exact.get());
        EXPECT_EQ(foundAt, text.find(pattern)) << '"' << pattern << "\" in \"" << text << '"';
      }
    }
  }
}

TEST(IsDirMarker, KnowsExactlySevenMarkers) {
  const std::pair<const char*, bool> rows[] = {
      {"a <DIR> b", true},   {"x DIR y", true}, {"x dir y", true}, {"x Dir y", true},
      {"<DIRECTORY>", true}, {"[dir]", true},   {"<dir>", true},   {"x Dir", false},
      {"dir x", false},      {"[DIR]", false},  {"", false},       {nullptr, false},
  };
  for (const auto& [text, marked] : rows) EXPECT_EQ(IsDirMarker(text), marked) << text;
}

TEST(ScanInt, ReadsLikeTheRuntimeDecimalReader) {
  EXPECT_EQ(ScanInt(" \t\n-042abc"), -42);
  EXPECT_EQ(ScanInt("- 5"), 0);
  EXPECT_EQ(ScanInt(nullptr), 0);
  // Too many digits wrap; under UBSan this proves they do so without overflow.
  (void)ScanInt64("999999999999999999999999");
  (void)ScanInt("-99999999999");
}

TEST(MatchesShape, TestsDigitsAndLiteralsByteExactlyInEitherWord) {
  struct Case {
    const char* text;
    bool matches;
  };
  // The bytes around '0' to '9', and high bytes whose low nibble is a digit's.
  const Case rows[] = {
      {"12-31-99  09:07PM", true},
      {"12-31-99  09:0/PM", false},
      {"12-31-99  09:0:PM", false},
      {"1\xB2-31-99  09:07", false},
      {"12-31-99  09:\x30"
       "7",
       true},
      {"12-31-99 09:07PM", false},
      {"12-31-99  09:0", false},
      {"12-31-99  09:07", true},
      {"12/31-99  09:07PM", false},
  };
  for (const auto& [text, matches] : rows) {
    EXPECT_EQ(MatchesShapeIn(text, std::char_traits<char>::length(text), "99-99-99  99:99"), matches)
        << text;
  }
  // Fewer than eight readable bytes take the byte-wise test.
  EXPECT_TRUE(MatchesShapeIn("1999/1", 6, "9999/9"));
  EXPECT_FALSE(MatchesShapeIn("1999/x", 6, "9999/9"));
  EXPECT_FALSE(MatchesShapeIn("1999/", 5, "9999/9"));
}

TEST(MonthFromName, MatchesThreeLettersIgnoringAsciiCase) {
  const std::pair<const char*, int> rows[] = {
      {"okt", 10},   {"MAJ", 5},    {"dez", 12}, {"Sept", 9}, {"M\xE4r", 3},
      {"m\xE4R", 3}, {"M\xC4r", 0}, {"Ma", 0},   {"", 0},
  };
  for (const auto& [text, month] : rows) EXPECT_EQ(MonthFromName(text), month) << text;
}

TEST(BoundedReads, NeverStepOverTheTerminator) {
  const char text[] = "ab\0zz";
  EXPECT_EQ(CharAt(text, 3), '\0');
  EXPECT_EQ(CharAt(text, -1), '\0');
  EXPECT_EQ(TextAt(text, 10), text + 2);
}

}  // namespace
}  // namespace qorda
