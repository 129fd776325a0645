// qorda-ls against FTP servers on the loopback interface, started and stopped
// by each test: a real one serving a fixture tree, listed with LIST and with
// MLSD, and the misbehaving one of bad_ftp_server.py.
#include <gtest/gtest.h>
#include <utime.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/run_tool.h"

namespace qorda::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kPastYear = 1558094400;  // 2019-05-17 12:00 UTC
constexpr int64_t kHugeSize = 5LL << 30;

void SetModified(const fs::path& path, std::time_t when) {
  const utimbuf times{when, when};
  utime(path.c_str(), &times);
}

void ExpectDate(const nlohmann::json& entry, std::time_t when, bool withTime) {
  std::tm parts{};
  gmtime_r(&when, &parts);
  EXPECT_EQ(entry["year"], parts.tm_year + 1900) << entry;
  EXPECT_EQ(entry["month"], parts.tm_mon + 1) << entry;
  EXPECT_EQ(entry["day"], parts.tm_mday) << entry;
  if (withTime) {
    EXPECT_EQ(entry["hour"], parts.tm_hour) << entry;
    EXPECT_EQ(entry["minute"], parts.tm_min) << entry;
  }
}

// The URLs are written as a user does: the final '/' left out (a path is
// always a directory), the blank as it is or percent-encoded, the scheme in
// capitals.
TEST(LiveListing, DecodesListAndMlsd) {
  TempDirectory work;
  const fs::path dir = work.Path("root/with blank");
  fs::create_directories(dir / "subdir");
  for (const char* name : {"name with blanks.txt", "old.txt", "recent.txt", "huge.bin"}) {
    work.Write("root/with blank/" + std::string(name), "hello");
  }
  fs::resize_file(dir / "huge.bin", kHugeSize);  // sparse
  fs::create_symlink("name with blanks.txt", dir / "link");
  SetModified(dir / "old.txt", kPastYear);
  const std::time_t recent = std::time(nullptr) - 2 * 24 * 3600;
  SetModified(dir / "recent.txt", recent);
  const ServerProcess server({"/usr/bin/python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p",
                              "{port}", "-d", work.Path("root")},
                             work.Path("server.log"));
  std::string capitals = server.Url("/with%20blank/");
  capitals.replace(0, 3, "FTP");
  struct Case {
    std::vector<std::string> args;
    const char* err;
    bool mlsd;
  };
  const Case cases[] = {
      {.args = {"-f", "json", server.Url("/with blank")},
       .err = "SYST reply: 215 UNIX Type: L8\nqorda-ls: host type 6010 \"Unix (Standard)\" "
              "(detected from the SYST reply)",
       .mlsd = false},
      {.args = {"-f", "json", "--mlsd", capitals}, .err = "6059 \"MLSD\"", .mlsd = true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.err);
    const RunResult run = RunQordaLs(work, c.args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    std::map<std::string, nlohmann::json> entries;
    for (const auto& object : JsonLines(run.out)) entries[object["name"]] = object;
    EXPECT_EQ(entries.size(), 6u) << run.out;  // MLSD's cdir and pdir facts are no entries
    EXPECT_EQ(entries["name with blanks.txt"]["size"], 5);
    EXPECT_EQ(entries["subdir"]["kind"], "directory");
    if (!c.mlsd) {
      EXPECT_EQ(entries["link"]["kind"], "link");
    }
    EXPECT_EQ(entries["huge.bin"]["size"], kHugeSize);
    ExpectDate(entries["old.txt"], kPastYear, c.mlsd);  // LIST gives no time in another year
    ExpectDate(entries["recent.txt"], recent, true);
  }
}

// One behaviour a row: every run ends within its bounds (--timeout 2,
// --max-time 5), with the promised status, a message naming the cause and
// the rows received so far; standard error shows neither the URL's
// password nor a terminal control.
TEST(LiveListing, HoldsUpAgainstMisbehavingServers) {
  struct Case {
    std::vector<std::string> server;
    RunOptions options = {};
    int status = 0;
    std::string err = "";  // found in standard error
    size_t rows = 0;       // JSON rows written
  };
  const Case cases[] = {
      {.server = {"--greeting", "220-Welcome", "--greeting", "a free line", "--greeting",
                  "220 VxWorks (5.5) FTP server ready"},
       .err = "6057 \"VxWorks\" (detected from the greeting)",
       .rows = 3},
      {.server = {"--reply", "SYST=215 Nothing"}, .err = "(guessed from the listing", .rows = 3},
      {.server = {"--greeting", "220 hi \\x1b]0;title\\x07 \\xc2\\x9b"},
       .err = "greeting: 220 hi \\x1b]0;title\\x07 \\u009b",
       .rows = 3},
      {.server = {"--greeting", "421 Too many"}, .status = 3, .err = "refused the connection: 421"},
      {.server = {"--greeting", "HTTP/1.0 400 Bad"}, .status = 3, .err = "not an FTP server"},
      {.server = {"--reply", "PASS=530 No"}, .status = 3, .err = "server refused PASS: 530 No"},
      {.server = {"--reply", "LIST=550 No such"}, .status = 3, .err = "refused LIST: 550 No such"},
      {.server = {"--data", "stall:2"}, .status = 3, .err = "nothing arrived for 2 s", .rows = 2},
      {.server = {"--data", "trickle:0.2"}, .status = 3, .err = "stopped after 5 s (--max-time)"},
      // An endless listing stops at once when its reader goes or its output fails.
      {.server = {"--data", "endless"},
       .options = {.output = RunOptions::kUnreadPipe},
       .status = 128 + SIGPIPE},
      {.server = {"--data", "endless"},
       .options = {.output = RunOptions::kFullDisk},
       .status = 4,
       .err = "standard output: No space left on device"},
  };
  TempDirectory work;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.server.back() + ": " + c.err);
    std::vector<std::string> command = {"/usr/bin/python3", BAD_FTP_SERVER, "--port", "{port}"};
    command.insert(command.end(), c.server.begin(), c.server.end());
    const ServerProcess server(command, work.Path("server.log"));
    const RunResult run = RunQordaLs(
        work,
        {"-f", "json", "--timeout", "2", "--max-time", "5", server.Url("/pub", "reader:S3cretPw@")},
        c.options);
    EXPECT_EQ(run.exitCode, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    EXPECT_EQ(run.err.find("S3cretPw"), std::string::npos) << run.err;
    // A reader that left needs no message; the full disk does.
    EXPECT_EQ(run.err.find("standard output") != std::string::npos, c.status == 4) << run.err;
    EXPECT_EQ(JsonLines(run.out).size(), c.rows) << run.out;
    EXPECT_LT(run.seconds, 5 + 2);
  }
}

}  // namespace
}  // namespace qorda::testing
