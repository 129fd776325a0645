// qorda-ls as a user runs it: the output formats, detection, errors, code
// pages, hostile input and the example listings.
#include <gtest/gtest.h>

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
  TempDirectory work_;
};

const std::string kUnixListing =
    "total 3\r\n"
    "-rw-r--r--   1 owner    group        1234 Jan 12  2019 notes, draft.txt\r\n"
    "drwxr-xr-x   2 owner    group         512 Mar  3  2020 docs\r\n";
const std::string kProse = "Call me Ishmael. Some years ago, never mind how long precisely.\n";

TEST_F(QordaLs, WritesJsonLinesWithEveryField) {
  const RunResult run = RunQordaLs(work_, {"--host-type", "unix (standard)", "--format", "json"},
                                   {.input = kUnixListing});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0], nlohmann::json::parse(
                            R"({"file": "-", "line": 2, "result": 16, "name": "notes, draft.txt",
                                "kind": "unstated", "size": 1234, "year": 2019, "month": 1,
                                "day": 12, "hour": 0, "minute": 0, "second": 0, "mode": 420,
                                "permissions": "rw-r--r--", "flags": ["mode_valid", "no_time"]})"));
  EXPECT_EQ(objects[1]["kind"], "directory");
  EXPECT_NE(run.err.find("6010 \"Unix (Standard)\""), std::string::npos) << run.err;
}

TEST_F(QordaLs, WritesCsvWithHeaderAndQuotedNames) {
  const RunResult run =
      RunQordaLs(work_, {"-t", "6010", "--format", "csv", "--all"}, {.input = kUnixListing});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "file,line,result,kind,size,year,month,day,hour,minute,second,mode,permissions,date,"
            "flags,name,text,cut\r\n"
            "-,1,0,,,,,,,,,,,,,,total 3,\r\n"
            "-,2,16,unstated,1234,2019,1,12,0,0,0,420,rw-r--r--,2019-01-12,mode_valid no_time,"
            "\"notes, draft.txt\",,\r\n"
            "-,3,4,directory,512,2020,3,3,0,0,0,493,rwxr-xr-x,2020-03-03,mode_valid no_time,docs,,"
            "\r\n");
}

TEST_F(QordaLs, AlignsTheTableAndMarksNonEntries) {
  const RunResult run =
      RunQordaLs(work_, {"-t", "6010", "--all"},
                 {.input = "total 3\n"
                           "-rw-r--r-- 1 o g 5 Jan 12 2019 a\n"
                           "-rw-r--r-- 1 o g 123456789012 Jan 12 2019 longer name\n"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "KIND  MODE                  SIZE  DATE              NAME\n"
            "--                                                  (no entry) total 3\n"
            "-     rw-r--r--                5  2019-01-12        a\n"
            "-     rw-r--r--     123456789012  2019-01-12        longer name\n");
}

// The greeting decides first, then the SYST reply; with nothing detected the
// listing's first lines choose. A type given or detected is kept, with a
// warning when the lines read far better as another.
TEST_F(QordaLs, ChoosesTheHostType) {
  struct Case {
    std::vector<std::string> args = {};
    std::string input = "";
    const char* err;
  };
  const Case cases[] = {
      {.args = {"--greeting", "220 Serv-U FTP", "--syst", "215 UNIX Type: L8"},
       .err = "6033 \"Serv-U\" (detected from the greeting)"},
      {.args = {"--syst", "215 Nothing known"}, .err = "6000 \"AUTO\" (AUTO"},
      {.input = kUnixListing, .err = "6010 \"Unix (Standard)\" (guessed from the listing: 3 of 3"},
      {.args = {"--no-guess"}, .input = kUnixListing, .err = "(AUTO: nothing detected)\n"},
      {.args = {"--syst", "215 VMS MultiNet"},
       .input = kUnixListing,
       .err = "6011 \"VMS MultiNet\" (detected from the SYST reply)\nqorda-ls: warning: host "
              "type 6011 \"VMS MultiNet\" reads 0 of 3 lines; 6010 \"Unix (Standard)\" "
              "reads 3 of 3 lines"},
      {.input = kProse, .err = "(AUTO: nothing detected, and no host type reads the 1 lines well)"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunQordaLs(work_, c.args, {.input = c.input});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
}

TEST_F(QordaLs, GuessesWhichHostTypeWroteEachFile) {
  const std::filesystem::path examples = QORDA_EXAMPLES_DIR;
  const RunResult run =
      RunQordaLs(work_, {"--guess", "-f", "json", examples / "vms-multinet-long.txt",
                         examples / "mvs-long.txt", work_.Write("prose.txt", kProse)});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto files = JsonLines(run.out);
  ASSERT_EQ(files.size(), 3u) << run.out;
  EXPECT_EQ(files[0]["host_type"], 6011);
  EXPECT_EQ(files[0]["verdict"], "close");  // UCX reads it alike but for a directory's size
  EXPECT_EQ(files[0]["candidates"][1]["id"], 6012);
  EXPECT_EQ(files[1]["host_type"], 6018);
  EXPECT_EQ(files[1]["verdict"], "clear");
  EXPECT_EQ(files[2]["host_type"], 6000);
  EXPECT_EQ(files[2]["verdict"], "none");
}

// Each failure ends with its own status and a short message naming the cause.
TEST_F(QordaLs, EndsWithTheStatusOfTheCause) {
  std::string nothingListening = "ftp://127.0.0.1:";
  nothingListening += std::to_string(FreePort());
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const Case cases[] = {
      {.args = {"--host-type", "VMS Multinett"}, .status = 2, .err = "names:\n  VMS MultiNet\n"},
      {.args = {"--host-type", "6073"}, .status = 2, .err = "unknown host type '6073'"},
      {.args = {"--host-type", "12"}, .status = 2, .err = "unknown host type '12'"},
      // Ids below the table's are decoders without a name.
      {.args = {"--host-type", "5995"}, .status = 0, .err = "host type 5995 (from"},
      {.args = {"--format", "xml"}, .status = 2, .err = "--format: xml"},
      {.args = {"--encoding", "no-such"}, .status = 2, .err = "unknown encoding 'no-such'"},
      {.args = {"--timeout", "0"}, .status = 2, .err = "--timeout"},
      {.args = {"--timeout", "9223372036854775807"}, .status = 2, .err = "--timeout"},
      {.args = {"--max-time", "999999999999999999999"}, .status = 2, .err = "--max-time"},
      {.args = {"HTTPS://example.org/"}, .status = 2, .err = "only ftp:// and ftps:// URLs"},
      {.args = {"ftp://u:pw@/pub/"}, .status = 2, .err = "u:***@/pub/: the URL names no host"},
      {.args = {"--timeout", "5", nothingListening}, .status = 3, .err = "Couldn't connect"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    const RunResult run = RunQordaLs(work_, c.args);
    EXPECT_EQ(run.exitCode, c.status);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_LT(run.err.size(), 200u) << run.err;
  }
}

TEST_F(QordaLs, GoesOnPastUnreadableInputs) {
  const auto first = work_.Write("first.txt", "-rw-r--r-- 1 o g 5 Jan 12 2019 one\n");
  const auto second = work_.Write("second.txt", "-rw-r--r-- 1 o g 5 Jan 12 2019 two\n");
  const std::string missing = work_.Path("missing");
  const RunResult run =
      RunQordaLs(work_, {"-t", "6010", "-f", "json", first, missing, work_.Path(""), second});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(missing + ": No such file or directory"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("is a directory"), std::string::npos) << run.err;
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
    const char* encoding;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {.encoding = "", .first = "caf\xE2\x80\x9A", .second = "caf\xC3\xA9"},  // UTF-8, else cp1252
      {.encoding = "cp437", .first = "caf\xC3\xA9", .second = "caf\xE2\x94\x9C\xE2\x8C\x90"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunQordaLs(work_, {"-t", "6010", "-f", "json", "--encoding", c.encoding},
                                     {.input = listing});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto objects = JsonLines(run.out);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["name"], c.first);
    EXPECT_EQ(objects[1]["name"], c.second);
  }
}

// Lines are cut at 64 KiB, in files and standard input as in the live mode:
// the row of a cut line says so in every format. Neither a cut line nor NULs
// nor any other byte cost the lines around them or their numbers.
TEST_F(QordaLs, KeepsTheLinesAroundGarbage) {
  std::string listing = "-rw-r--r-- 1 o g 5 Jan 12 2019 before\n";
  listing += std::string("-rw-r--r-- 1 o g 5 Jan 12 2019 cut") + '\0' + "after the NUL\n";
  listing += std::string(100 * 1024, ' ') + "\n";
  for (int byte = 0; byte < 256; ++byte) listing += byte == '\n' ? ' ' : static_cast<char>(byte);
  listing += "\n-rw-r--r-- 1 o g 5 Jan 12 2019 after\n";
  const RunResult run =
      RunQordaLs(work_, {"-t", "6010", "-f", "json", "--all"}, {.input = listing});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto objects = JsonLines(run.out);
  ASSERT_EQ(objects.size(), 5u);
  EXPECT_EQ(objects[0]["name"], "before");
  EXPECT_EQ(objects[1]["name"], "cut");
  EXPECT_EQ(objects[2]["cut"], true);
  EXPECT_EQ(objects[2]["text"].get<std::string>().size(), 64u * 1024);
  EXPECT_EQ(objects[3].count("cut"), 0u);
  EXPECT_EQ(objects[4]["name"], "after");
  EXPECT_EQ(objects[4]["line"], 5);
  const RunResult csv = RunQordaLs(work_, {"-t", "6010", "-f", "csv", "--all"}, {.input = listing});
  EXPECT_NE(csv.out.find(",true\r\n"), std::string::npos);
  const RunResult table = RunQordaLs(work_, {"-t", "6010", "--all"}, {.input = listing});
  EXPECT_NE(table.out.find("(no entry, line cut)    "), std::string::npos);
}

TEST_F(QordaLs, ListsHostTypesAsTheListExportFillsThem) {
  const RunResult all = RunQordaLs(work_, {"--list-host-types"});
  ASSERT_EQ(all.exitCode, 0);
  const auto lines = Lines(all.out);
  ASSERT_EQ(lines.size(), 1u + 73u);
  // AUTO is listed under every filter; the others under the bits of their masks.
  EXPECT_NE(lines[1].find("6000  0xffffffff  AUTO"), std::string::npos) << lines[1];
  EXPECT_NE(all.out.find("6069  0x00000005  Carrox DMZ"), std::string::npos) << all.out;
  const RunResult filtered = RunQordaLs(work_, {"--list-host-types", "--filter", "0x4"});
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
    const RunResult run =
        RunQordaLs(work_, {"-t", hostType, "-f", "json", "--all", examples / file});
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
    const char* shown;
  };
  const Case cases[] = {
      {.format = "table", .shown = " a\\x1b[2J\tb\\x7f\\u009b\xc3\xa9\n"},
      {.format = "csv", .shown = ",a\\x1b[2J\tb\\x7f\\u009b\xc3\xa9,"},
      {.format = "json", .shown = "\"a\\u001b[2J\\tb\\u007f\\u009b\xc3\xa9\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    const RunResult run = RunQordaLs(work_, {"-t", "6010", "-f", c.format}, {.input = listing});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find_first_of("\x1b\x7f"), std::string::npos);
    EXPECT_EQ(run.out.find("\xc2\x9b"), std::string::npos);
    EXPECT_NE(run.out.find(c.shown), std::string::npos) << run.out;
  }
}

// Hostile inputs and outputs end with the promised status and a message
// naming the cause, within a bound and with flat memory.
TEST_F(QordaLs, HoldsUpAgainstHostileFilesAndOutputs) {
  const std::string listing = work_.Write("listing.txt", kUnixListing);
  const std::string endless = work_.Write("endless.bin", "");
  std::filesystem::resize_file(endless, 256 << 20);  // no line end in 256 MiB, sparse
  struct Case {
    std::vector<std::string> args = {};
    RunOptions options = {};
    int status = 0;
    std::string err = "";
  };
  const Case cases[] = {
      {.options = {.output = RunOptions::kFullDisk}, .status = 4, .err = "No space left on device"},
      // The listing opened takes the number of the closed standard output.
      {.args = {listing},
       .options = {.output = RunOptions::kClosed},
       .status = 4,
       .err = "Bad file"},
      {.args = {endless}, .err = "host type"},
      {.args = {"/dev/zero"}, .options = {.killAfterSeconds = 3}, .status = 128 + SIGKILL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.status) + ": " + c.err);
    const RunResult run = RunQordaLs(work_, c.args, c.options);
    EXPECT_EQ(run.exitCode, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
#ifndef QORDA_SANITIZED
    EXPECT_LT(run.peakKiB, 64 * 1024);
#endif
  }
}

}  // namespace
}  // namespace qorda::testing
