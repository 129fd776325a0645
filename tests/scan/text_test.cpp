#include "scan/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>

namespace qorda {
namespace {

// The word scanners answer pointers into the text; these rows compare the
// text from that pointer on, "(null)" for a null answer.
std::string From(const char* text) {
  return text == nullptr ? "(null)" : text;
}

TEST(Strip, TrimsTrailingLineEndsBlanksAndTabsOnly) {
  struct Row {
    const char* text;
    const char* stripped;
  } rows[] = {
      {"abc \r\n", "abc"}, {" abc", " abc"},   {"\t \r\n", ""}, {"", ""},
      {"a\tb\t", "a\tb"},  {"a\x0B", "a\x0B"},  // vertical tab is not trimmed
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    EXPECT_EQ(Strip(text.data()), static_cast<int>(std::string(row.stripped).size())) << row.text;
    EXPECT_STREQ(text.c_str(), row.stripped);
  }
  EXPECT_EQ(Strip(nullptr), 0);
}

TEST(NthWord, CountsBlankSeparatedWords) {
  struct Row {
    const char* text;
    int n;
    const char* word;
  } rows[] = {
      {"a  b c", 2, "b c"}, {"a b", 3, "(null)"}, {" a", 2, "a"},    {"a\tb c", 2, "c"},
      {"a b", 0, "a b"},    {"a b", -5, "a b"},   {"a b", 1, "a b"}, {"a b ", 3, "(null)"},
      {" a b", 2, "a b"},   {"", 2, "(null)"},    {"a b c", 3, "c"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(From(NthWord(row.text, row.n)), row.word) << '"' << row.text << "\" " << row.n;
  }
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

TEST(LastWord, TakesEverythingAfterTheLastBlank) {
  struct Row {
    const char* text;
    const char* word;
  } rows[] = {
      {"name with blanks", "blanks"},
      {"a\tb", "b"},
      {"a b\tc", "b\tc"},
      {"single", "single"},
      {"   ", ""},
      {"a b  \r\n", "b"},
      {"a \t b", "b"},
  };
  for (const Row& row : rows) {
    std::string text = row.text;
    EXPECT_EQ(From(LastWord(text.data())), row.word) << '"' << row.text << '"';
  }
}

TEST(FindText, FindsTheFirstOccurrence) {
  const char* text = "abcabc";
  EXPECT_EQ(FindText(text, "ca"), text + 2);
  EXPECT_EQ(FindText("ab", "abc"), nullptr);
  EXPECT_EQ(FindText("", ""), nullptr);
  EXPECT_EQ(FindText(text, ""), text);
  EXPECT_EQ(FindText(static_cast<const char*>(nullptr), "a"), nullptr);
  EXPECT_EQ(FindText(text, nullptr), nullptr);
}

TEST(IsDirMarker, KnowsExactlySevenMarkers) {
  struct Row {
    const char* text;
    bool marked;
  } rows[] = {
      {"12-01-99  10:00AM       <DIR>          src", true},
      {"x DIR y", true},
      {"x dir y", true},
      {"x Dir y", true},
      {"<DIRECTORY>", true},
      {"[dir]", true},
      {"<dir>", true},
      {"x Dir", false},
      {"[DIR]", false},
      {"<Dir>", false},
      {"Directory", false},
      {"dir x", false},
      {"", false},
  };
  for (const Row& row : rows) EXPECT_EQ(IsDirMarker(row.text), row.marked) << row.text;
  EXPECT_FALSE(IsDirMarker(nullptr));
}

TEST(ScanInt, ReadsLikeTheRuntimeDecimalReader) {
  EXPECT_EQ(ScanInt("  042abc"), 42);
  EXPECT_EQ(ScanInt(" \t\n-17"), -17);
  EXPECT_EQ(ScanInt("+5"), 5);
  EXPECT_EQ(ScanInt("- 5"), 0);
  EXPECT_EQ(ScanInt("abc"), 0);
  EXPECT_EQ(ScanInt(nullptr), 0);
  EXPECT_EQ(ScanInt64("12345678901"), 12345678901LL);
  // Too many digits wrap; under UBSan this proves they do so without overflow.
  (void)ScanInt64("999999999999999999999999");
  (void)ScanInt("-99999999999");
}

TEST(MonthFromName, MatchesThreeLettersIgnoringAsciiCase) {
  struct Row {
    const char* text;
    int month;
  } rows[] = {
      {"okt", 10},    {"MAJ", 5},  {"dez", 12},   {"Ma", 0},     {"xyz", 0},
      {"January", 1}, {"Sept", 9}, {"M\xE4r", 3}, {"m\xE4R", 3}, {"M\xC4r", 0},
      {"mai", 5},     {"", 0},     {"jan.", 1},   {"Ja", 0},
  };
  for (const Row& row : rows) EXPECT_EQ(MonthFromName(row.text), row.month) << row.text;
}

TEST(BoundedReads, NeverStepOverTheTerminator) {
  const char text[] = "ab\0zz";
  EXPECT_EQ(CharAt(text, 1), 'b');
  EXPECT_EQ(CharAt(text, 3), '\0');
  EXPECT_EQ(CharAt(text, -1), '\0');
  EXPECT_EQ(TextAt(text, 10), text + 2);
  EXPECT_EQ(TextAt(text, 1), text + 1);
}

}  // namespace
}  // namespace qorda
