// The guess against the labelled listings: the example listings of
// examples/listings (their index gives each file's host type), prefixes of
// them, and the generated corpora. Right means that the guessed host type
// decodes every line to the same records as the true one.
#include "guess/guess.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "bench/corpus.h"
#include "decode/decode_line.h"
#include "decode/routes.h"
#include "guess/candidates.h"
#include "support/decode.h"

namespace qorda::guess {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

bool SameRecords(const std::vector<std::string>& lines, size_t count, int32_t a, int32_t b) {
  ListingState stateA{}, stateB{};
  for (size_t i = 0; i < count && i < lines.size(); ++i) {
    ListingEntry entryA, entryB;
    const int32_t resultA = DecodeLine(entryA, lines[i].c_str(), a, "", "", stateA);
    if (resultA != DecodeLine(entryB, lines[i].c_str(), b, "", "", stateB)) return false;
    if (resultA > 0 && std::memcmp(&entryA, &entryB, offsetof(ListingEntry, name) + resultA)) {
      return false;
    }
  }
  return true;
}

int32_t Guess(const std::string& text) {
  QORDA_GuessResult result;
  GuessHostType(text.data(), text.size(), HOST_AUTO, result);
  return result.hostTypeId;
}

struct Labelled {
  std::string file;
  int32_t hostTypeId;
  std::vector<std::string> lines;
};

std::vector<Labelled> ExampleListings() {
  const std::filesystem::path examples = QORDA_EXAMPLES_DIR;
  std::ifstream index(examples / "README.md");
  std::vector<Labelled> listings;
  const std::regex row(R"(^\| `([^`]+)` \| (\d+) \|)");
  for (std::string line; std::getline(index, line);) {
    std::smatch match;
    if (!std::regex_search(line, match, row)) continue;
    std::ifstream file(examples / match[1].str(), std::ios::binary);
    listings.push_back({match[1], std::stoi(match[2]),
                        LinesOf(std::string(std::istreambuf_iterator<char>(file), {}))});
  }
  return listings;
}

// 3, 5 and 10 lines, as far as the listing has more, and the whole.
std::vector<size_t> PrefixLengths(size_t lines) {
  std::vector<size_t> lengths;
  for (const size_t count : {3, 5, 10}) {
    if (count < lines) lengths.push_back(count);
  }
  lengths.push_back(lines);
  return lengths;
}

// Every whole listing and its prefixes of 3, 5 and 10 lines. The main
// families' listings of 10 lines and more all decode right; across them
// all, what misses are the dialects that a reading with more fields
// explains better (a name-only server with Unix-like lines, ACI's 12 AM)
// and prefixes holding nothing but a heading.
TEST(Guess, DecodesTheLabelledListingsRight) {
  const testing::FixedClock clock(2026, 12);
  const std::regex mainFamily("unix|windows-nt|iis|mlsd|vms|mvs|vm-cms|as400|netware|os2|tandem");
  int listings = 0, right = 0;
  for (const Labelled& listing : ExampleListings()) {
    for (const size_t count : PrefixLengths(listing.lines.size())) {
      const int32_t guess = Guess(Joined(listing.lines, count));
      const bool ok = SameRecords(listing.lines, count, guess, listing.hostTypeId);
      ++listings;
      right += ok ? 1 : 0;
      if (count >= 10 && std::regex_search(listing.file, mainFamily)) {
        EXPECT_TRUE(ok) << listing.file << ", " << count << " lines: guessed " << guess;
      }
    }
  }
  EXPECT_GE(listings, 200);
  EXPECT_GE(right * 100, listings * 93) << right << " of " << listings;
}

TEST(Guess, DecodesTheGeneratedCorporaRight) {
  const testing::FixedClock clock(2026, 12);
  for (const bench::DialectInfo& dialect : bench::Dialects()) {
    int right = 0;
    for (const int count : {3, 5, 10, 64}) {
      for (uint64_t seed = 1; seed <= 10; ++seed) {
        const auto lines = bench::MakeListing(dialect.dialect, count, seed * 7919 + count);
        const int32_t guess = Guess(Joined(lines, lines.size()));
        right += SameRecords(lines, lines.size(), guess, dialect.hostTypeId) ? 1 : 0;
      }
    }
    EXPECT_GE(right, 39) << dialect.name;
  }
}

// Text that is no listing gets AUTO or the name list, never a clear guess.
TEST(Guess, ClaimsNothingForTextThatIsNoListing) {
  struct Row {
    const char* name;
    std::string text;
  };
  std::string binary;
  for (int i = 0; i < 4000; ++i) binary += static_cast<char>((i * 7919) % 251);
  const Row rows[] = {
      {.name = "empty", .text = ""},
      {.name = "prose",
       .text = "It was the best of times, it was the worst of times.\nCall me "
               "Ishmael. Some years ago, never mind how long precisely.\n"},
      {.name = "a page",
       .text = "<html>\n<head><title>Index of /pub</title></head>\n<body>\n"
               "<a href=\"debian/\">debian/</a>  2026-11-30 17:02\n</body>\n"},
      {.name = "binary", .text = binary},
      {.name = "NUL bytes", .text = std::string("a\0b\n\0\0\n", 7)},
      {.name = "one line of 100 kB", .text = std::string(100 * 1024, 'x') + "\n"},
  };
  for (const Row& row : rows) {
    QORDA_GuessResult result;
    GuessHostType(row.text.data(), row.text.size(), HOST_AUTO, result);
    EXPECT_TRUE(result.hostTypeId == HOST_AUTO || result.hostTypeId == HOST_NAME_LIST) << row.name;
    EXPECT_NE(result.verdict, QORDA_GUESS_CLEAR) << row.name;
  }
}

// A guess decodes with listing states of its own: the AS/400 member memory
// and the Stratus VOS section behind QORDA_DecodeLine stay as they were.
TEST(Guess, LeavesTheDecodersListingStateAsItFoundIt) {
  ListingEntry entry;
  QORDA_DecodeLine(&entry, "MYUSER          4096 01/05/16 12:34:56 *FILE      MYFILE.FILE",
                   HOST_IBM_AS_400, "", "");
  QORDA_DecodeLine(&entry, "Dirs: 1", HOST_STRATUS_VOS, "", "");
  const ListingState before = gListingState;
  for (const Labelled& listing : ExampleListings()) {
    const std::string text = Joined(listing.lines, listing.lines.size());
    QORDA_GuessResult result;
    GuessHostType(text.data(), text.size(), listing.hostTypeId, result);
  }
  EXPECT_EQ(std::memcmp(&before, &gListingState, sizeof before), 0);
}

// A host type that shares its row with a candidate reads every example line
// as that candidate does: only ids whose parser reads them differently are
// candidates of their own.
TEST(Guess, TriesEveryWayOfReadingOnce) {
  const auto listings = ExampleListings();
  for (int32_t id = kFirstRoutedId; id <= kLastRoutedId; ++id) {
    const int32_t reading = kCandidates[CandidateFor(id)].hostTypeId;
    for (const Labelled& listing : listings) {
      EXPECT_TRUE(SameRecords(listing.lines, listing.lines.size(), id, reading))
          << id << " reads " << listing.file << " unlike " << reading;
    }
  }
}

}  // namespace
}  // namespace qorda::guess
