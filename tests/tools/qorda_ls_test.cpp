// qorda-ls as a user runs it: the output formats, detection, errors, code
// pages, hostile input and the example listings.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/run_tool.h"

namespace qorda::testing {
namespace {

class QordaLs : public ::testing::Test {
 protected:
  RunResult Invoke(const std::vector<std::string>& arguments, const std::string& input = "") {
    return RunQordaLs(work_, arguments, {.input = input});
  }
  std::filesystem::path Write(const std::string& name, const std::string& text) {
    return work_.Write(name, text);
  }
  std::filesystem::path Path(const std::string& name) { return work_.Path(name); }

  TempDirectory work_;
};

const std::string kUnixListing =
    "total 3\r\n"
    "-rw-r--r--   1 owner    group        1234 Jan 12  2019 notes, draft.txt\r\n"
    "drwxr-xr-x   2 owner    group         512 Mar  3  2020 docs\r\n";

TEST_F(QordaLs, WritesJsonLinesWithEveryField) {
  const RunResult run =
      Invoke({"--host-type", "unix (standard)", "--format", "json"}, kUnixListing);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]["line"], 2);
  EXPECT_EQ(objects[0]["name"], "notes, draft.txt");
  EXPECT_EQ(objects[0]["result"], 16);
  EXPECT_EQ(objects[0]["size"], 1234);
  EXPECT_EQ(objects[0]["kind"], "unstated");
  EXPECT_EQ(objects[0]["mode"], 0644);
  EXPECT_EQ(objects[0]["permissions"], "rw-r--r--");
  EXPECT_EQ(objects[0]["flags"], nlohmann::json({"mode_valid", "no_time"}));
  EXPECT_EQ(objects[0]["year"], 2019);
  EXPECT_EQ(objects[0]["month"], 1);
  EXPECT_EQ(objects[0]["day"], 12);
  EXPECT_EQ(objects[1]["kind"], "directory");
  EXPECT_EQ(objects[1]["file"], "-");
  EXPECT_NE(run.err.find("6010 \"Unix (Standard)\""), std::string::npos) << run.err;
}

TEST_F(QordaLs, WritesCsvWithHeaderAndQuotedNames) {
  const RunResult run = Invoke({"-t", "6010", "--format", "csv", "--all"}, kUnixListing);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto records = CsvRecords(run.out);
  ASSERT_EQ(records.size(), 4u);
  const auto& header = records[0];
  for (const auto& record : records) EXPECT_EQ(record.size(), header.size());
  auto column = [&](const std::string& name) {
    return static_cast<size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  EXPECT_EQ(records[1][column("result")], "0");
  EXPECT_EQ(records[1][column("text")], "total 3");
  EXPECT_EQ(records[2][column("name")], "notes, draft.txt");
  EXPECT_EQ(records[2][column("date")], "2019-01-12");
  EXPECT_EQ(records[3][column("kind")], "directory");
  EXPECT_EQ(records[3][column("permissions")], "rwxr-xr-x");
}

TEST_F(QordaLs, AlignsTheTableAndMarksNonEntries) {
  const RunResult run = Invoke({"-t", "6010", "--all"},
                               "total 3\n"
                               "-rw-r--r-- 1 o g 5 Jan 12 2019 a\n"
                               "-rw-r--r-- 1 o g 123456789012 Jan 12 2019 longer name\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].find("NAME"), lines[2].rfind(" a") + 1);
  EXPECT_EQ(lines[2].size() - 1, lines[3].find("longer name"));
  EXPECT_NE(lines[1].find("(no entry) total 3"), std::string::npos);
  EXPECT_NE(lines[3].find("123456789012  2019-01-12"), std::string::npos);
}

TEST_F(QordaLs, DetectsTheHostTypeFromSystAndGreeting) {
  struct Case {
    std::vector<std::string> arguments;
    const char* reported;
  };
  const Case cases[] = {
      {{"--syst", "215 VMS MultiNet V3.5"}, "6011 \"VMS MultiNet\" (detected from the SYST reply)"},
      {{"--greeting", "220 Serv-U FTP Server v6.4 ready"}, "6033 \"Serv-U\" (detected from"},
      // The greeting decides first; the SYST detector keeps a type other than AUTO.
      {{"--greeting", "220 Serv-U FTP Server", "--syst", "215 UNIX Type: L8"}, "6033 \"Serv-U\""},
      {{"--syst", "215 Nothing known"}, "6000 \"AUTO\" (AUTO"},
      {{}, "6000 \"AUTO\""},
  };
  for (const Case& c : cases) {
    const RunResult run = Invoke(c.arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find(c.reported), std::string::npos) << run.err;
  }
}

// With nothing detected, the listing's first lines choose the host type; a
// type given or detected is kept, with a warning when the lines read far
// better as another.
TEST_F(QordaLs, GuessesTheHostTypeFromTheListing) {
  const std::string kProse = "Call me Ishmael. Some years ago, never mind how long precisely.\n";
  struct Case {
    std::vector<std::string> arguments;
    std::string input;
    const char* reported;
  };
  const Case cases[] = {
      {{}, kUnixListing, "6010 \"Unix (Standard)\" (guessed from the listing: 3 of 3 lines;"},
      {{"--no-guess"}, kUnixListing, "6000 \"AUTO\" (AUTO: nothing detected)\n"},
      {{"--syst", "215 VMS MultiNet"},
       kUnixListing,
       "6011 \"VMS MultiNet\" (detected from the SYST reply)\nqorda-ls: warning: host type 6011 "
       "\"VMS MultiNet\" reads 0 of 3 lines; 6010 \"Unix (Standard)\" reads 3 of 3 lines"},
      {{},
       "Call me Ishmael. Some years ago, never mind how long precisely.\n",
       "(AUTO: nothing detected, and no host type reads the 1 lines well)"},
  };
  for (const Case& c : cases) {
    const RunResult run = Invoke(c.arguments, c.input);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find(c.reported), std::string::npos) << run.err;
  }
  const std::filesystem::path examples = QORDA_EXAMPLES_DIR;
  const RunResult guess = Invoke({"--guess", "-f", "json", examples / "vms-multinet-long.txt",
                                  examples / "mvs-long.txt", Write("prose.txt", kProse)});
  ASSERT_EQ(guess.exitCode, 0) << guess.err;
  const auto files = JsonLines(guess.out);
  ASSERT_EQ(files.size(), 3u) << guess.out;
  EXPECT_EQ(files[0]["host_type"], 6011);
  EXPECT_EQ(files[0]["verdict"], "close");  // UCX reads it alike but for a directory's size
  EXPECT_EQ(files[0]["candidates"][1]["id"], 6012);
  EXPECT_EQ(files[1]["host_type"], 6018);
  EXPECT_EQ(files[1]["verdict"], "clear");
  EXPECT_EQ(files[2]["host_type"], 6000);
  EXPECT_EQ(files[2]["verdict"], "none");
}

TEST_F(QordaLs, RefusesAnUnknownHostTypeWithTheClosestNames) {
  const RunResult byName = Invoke({"--host-type", "VMS Multinett"});
  EXPECT_EQ(byName.exitCode, 2);
  EXPECT_NE(byName.err.find("closest names:\n  VMS MultiNet\n"), std::string::npos) << byName.err;
  EXPECT_EQ(Invoke({"--host-type", "6073"}).exitCode, 2);
  EXPECT_EQ(Invoke({"--host-type", "12"}).exitCode, 2);
  EXPECT_EQ(Invoke({"--format", "xml"}).exitCode, 2);
  EXPECT_EQ(Invoke({"--host-type", "5995", "--format", "json"}, "name\n").exitCode, 0);
}

TEST_F(QordaLs, GoesOnPastAnUnreadableFile) {
  const auto first = Write("first.txt", "-rw-r--r-- 1 o g 5 Jan 12 2019 one\n");
  const auto second = Write("second.txt", "-rw-r--r-- 1 o g 5 Jan 12 2019 two\n");
  const RunResult run = Invoke(
      {"-t", "6010", "-f", "json", first.string(), Path("missing").string(), second.string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(Path("missing").string() + ": No such file or directory"),
            std::string::npos)
      << run.err;
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]["name"], "one");
  EXPECT_EQ(objects[1]["name"], "two");
  EXPECT_EQ(objects[1]["file"], second.string());
}

TEST_F(QordaLs, WritesNamesAsUtf8) {
  // 0x82 is a low quotation mark in cp1252 and an e acute in cp437.
  const std::string listing =
      "-rw-r--r-- 1 o g 5 Jan 12 2019 caf\x82\n"
      "-rw-r--r-- 1 o g 5 Jan 12 2019 caf\xC3\xA9\n";
  struct Case {
    std::vector<std::string> arguments;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {{}, "caf\xE2\x80\x9A", "caf\xC3\xA9"},
      {{"--encoding", "cp437"}, "caf\xC3\xA9", "caf\xE2\x94\x9C\xE2\x8C\x90"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"-t", "6010", "-f", "json"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const RunResult run = Invoke(arguments, listing);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto objects = JsonLines(run.out);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["name"], c.first);
    EXPECT_EQ(objects[1]["name"], c.second);
  }
  EXPECT_EQ(Invoke({"--encoding", "no-such-code-page"}).exitCode, 2);
}

TEST_F(QordaLs, KeepsTheLinesAroundGarbage) {
  std::string listing = "-rw-r--r-- 1 o g 5 Jan 12 2019 before\n";
  listing += std::string("-rw-r--r-- 1 o g 5 Jan 12 2019 cut") + '\0' + "after the NUL\n";
  listing += std::string(100 * 1024, 'x') + "\n";
  for (int byte = 0; byte < 256; ++byte) listing += byte == '\n' ? ' ' : static_cast<char>(byte);
  listing += "\n-rw-r--r-- 1 o g 5 Jan 12 2019 after\n";
  const RunResult run = Invoke({"-t", "6010", "-f", "json", "--all"}, listing);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 5u);
  EXPECT_EQ(objects[0]["name"], "before");
  EXPECT_EQ(objects[1]["name"], "cut");
  EXPECT_EQ(objects[4]["name"], "after");
  EXPECT_EQ(objects[4]["line"], 5);
}

TEST_F(QordaLs, ListsHostTypesAsTheListExportFillsThem) {
  const RunResult all = Invoke({"--list-host-types"});
  ASSERT_EQ(all.exitCode, 0);
  const auto lines = Lines(all.out);
  ASSERT_EQ(lines.size(), 1u + 73u);
  // AUTO is listed under every filter; the others under the bits of their masks.
  EXPECT_NE(lines[1].find("6000  0xffffffff  AUTO"), std::string::npos) << lines[1];
  EXPECT_NE(all.out.find("6069  0x00000005  Carrox DMZ"), std::string::npos) << all.out;
  const RunResult filtered = Invoke({"--list-host-types", "--filter", "0x4"});
  EXPECT_LT(Lines(filtered.out).size(), lines.size());
}

// "2-4, 7" as line numbers.
std::set<int64_t> LineNumbers(const std::string& text) {
  std::set<int64_t> numbers;
  std::istringstream ranges(text);
  for (std::string range; std::getline(ranges, range, ',');) {
    if (range.find_first_of("0123456789") == std::string::npos) continue;
    const size_t dash = range.find('-');
    const int64_t first = std::stoll(range);
    const int64_t last = dash == std::string::npos ? first : std::stoll(range.substr(dash + 1));
    for (int64_t line = first; line <= last; ++line) numbers.insert(line);
  }
  return numbers;
}

// Each example listing decodes to an entry exactly where its index says one
// stands, and to none on the lines it names as headings and the like.
TEST_F(QordaLs, DecodesEveryExampleListingAsItsIndexSays) {
  const std::filesystem::path examples = QORDA_EXAMPLES_DIR;
  int files = 0;
  for (const std::string& row : Lines(ReadFile(examples / "README.md"))) {
    if (row.rfind("| `", 0) != 0) continue;
    std::vector<std::string> cells;
    std::istringstream stream(row.substr(1));
    for (std::string cell; std::getline(stream, cell, '|');) cells.push_back(cell);
    ASSERT_GE(cells.size(), 4u) << row;
    const std::string file = cells[0].substr(cells[0].find('`') + 1, cells[0].rfind('`') - 2);
    const std::string hostType = std::to_string(std::stoi(cells[1]));
    const auto entries = LineNumbers(cells[2]);
    const auto nonEntries = LineNumbers(cells[3]);
    const RunResult run = Invoke({"-t", hostType, "-f", "json", "--all", examples / file});
    ASSERT_EQ(run.exitCode, 0) << file << ": " << run.err;
    for (const auto& object : JsonLines(run.out)) {
      const int64_t line = object["line"];
      if (entries.count(line) != 0) {
        EXPECT_NE(object["result"], 0) << file << " line " << line;
      } else if (nonEntries.count(line) != 0) {
        EXPECT_EQ(object["result"], 0) << file << " line " << line;
      }
    }
    ++files;
  }
  EXPECT_GE(files, 10);
}

// Server bytes never reach the terminal raw: the table and CSV escape
// controls, JSON escapes them as JSON does; the name is otherwise kept.
TEST_F(QordaLs, EscapesControlBytesInEveryFormat) {
  const std::string listing = "-rw-r--r-- 1 o g 5 Jan 12 2019 a\x1b[2J\tb\x7f\xc2\x9b\xc3\xa9\n";
  struct Case {
    const char* format;
    std::string name;  // as the output shows it
  };
  const Case cases[] = {
      {.format = "table", .name = "a\\x1b[2J\tb\\x7f\\u009b\xc3\xa9"},
      {.format = "csv", .name = "a\\x1b[2J\tb\\x7f\\u009b\xc3\xa9"},
      {.format = "json", .name = "a\x1b[2J\tb\x7f\xc2\x9b\xc3\xa9"},
  };
  for (const Case& c : cases) {
    const RunResult run = Invoke({"-t", "6010", "-f", c.format}, listing);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find_first_of("\x1b\x7f"), std::string::npos) << c.format;
    EXPECT_EQ(run.out.find("\xc2\x9b"), std::string::npos) << c.format;
    const std::string format = c.format;
    const std::string shown = format == "json"  ? JsonLines(run.out)[0]["name"].get<std::string>()
                              : format == "csv" ? CsvRecords(run.out)[1][15]
                                                : Lines(run.out)[1].substr(52);
    EXPECT_EQ(shown, c.name) << c.format;
  }
}

// Lines are cut at 64 KiB in files and standard input as in the live mode;
// the row of a cut line says so, and the lines after it keep their numbers.
TEST_F(QordaLs, CutsLongLinesAndSaysSo) {
  const std::string listing =
      std::string(100 * 1024, ' ') + "\n" + "-rw-r--r-- 1 o g 5 Jan 12 2019 after\n";
  const RunResult json = Invoke({"-t", "6010", "-f", "json", "--all"}, listing);
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const auto objects = JsonLines(json.out);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0]["cut"], true);
  EXPECT_EQ(objects[0]["text"].get<std::string>().size(), 64u * 1024);
  EXPECT_EQ(objects[1]["name"], "after");
  EXPECT_EQ(objects[1]["line"], 2);
  EXPECT_EQ(objects[1].count("cut"), 0u);
  const auto records = CsvRecords(Invoke({"-t", "6010", "-f", "csv", "--all"}, listing).out);
  EXPECT_EQ(records[1].back(), "true");
  EXPECT_NE(Invoke({"-t", "6010", "--all"}, listing).out.find("(no entry, line cut)    "),
            std::string::npos);
}

// Hostile inputs and outputs end with the promised status and a message
// naming the cause, within a bound and with flat memory.
TEST_F(QordaLs, HoldsUpAgainstHostileFilesAndOutputs) {
  const auto listing = Write("listing.txt", kUnixListing);
  const auto endless = Path("endless.bin");  // 256 MiB without a line end, sparse
  std::filesystem::resize_file(Write("endless.bin", ""), 256 << 20);
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    RunOptions options = {};
    int exitCode = 0;
    std::string err = "";
  };
  const Case cases[] = {
      {.name = "full disk",
       .arguments = {listing},
       .options = {.output = RunOptions::kFullDisk},
       .exitCode = 4,
       .err = "standard output: No space left on device"},
      {.name = "closed standard output",
       .arguments = {listing},
       .options = {.output = RunOptions::kClosed},
       .exitCode = 4,
       .err = "standard output: Bad file descriptor"},
      {.name = "a directory",
       .arguments = {Path("").string()},
       .exitCode = 1,
       .err = "is a directory"},
      {.name = "no line end in 256 MiB", .arguments = {endless}, .err = "host type"},
      {.name = "an endless file",
       .arguments = {"/dev/zero"},
       .options = {.killAfterSeconds = 3},
       .exitCode = 128 + SIGKILL},
  };
  for (const Case& c : cases) {
    const RunResult run = RunQordaLs(work_, c.arguments, c.options);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.name << ": " << run.err;
#ifndef QORDA_SANITIZED
    EXPECT_LT(run.peakKiB, 64 * 1024) << c.name;
#endif
  }
}

TEST_F(QordaLs, RefusesBadOptionsAndUrlsWithAShortMessage) {
  struct Case {
    std::vector<std::string> arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"--timeout", "0"}, "--timeout"},
      {{"--timeout", "9223372036854775807"}, "--timeout"},
      {{"--max-time", "999999999999999999999"}, "--max-time"},
      {{"http://example.org/"}, "only ftp:// and ftps:// URLs are listed"},
      {{"HTTPS://example.org/"}, "only ftp:// and ftps:// URLs are listed"},
      {{"ftp:///pub/"}, "ftp:///pub/: the URL names no host"},
      {{"ftp://user:pw@/pub/"}, "ftp://user:***@/pub/: the URL names no host"},
  };
  for (const Case& c : cases) {
    const RunResult run = Invoke(c.arguments);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_LT(run.err.size(), 200u) << run.err;
  }
}

}  // namespace
}  // namespace qorda::testing
