// qorda-ls against a real FTP server on the loopback interface, started and
// stopped by each test: a fixture tree listed with LIST and with MLSD.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tools/run_tool.h"

namespace qorda::testing {
namespace {

namespace fs = std::filesystem;

// A port on 127.0.0.1 that nothing listens on right now.
int FreePort() {
  const int socketFd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length);
  close(socketFd);
  return ntohs(address.sin_port);
}

bool Accepts(int port) {
  const int socketFd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool connected =
      connect(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(socketFd);
  return connected;
}

// Debian's pyftpdlib serving root, anonymous unless a user is given.
class FtpServer {
 public:
  FtpServer(const fs::path& root, const fs::path& log, const std::string& user = "",
            const std::string& password = "")
      : port_(FreePort()) {
    std::vector<std::string> arguments = {"/usr/bin/python3", "-m", "pyftpdlib",           "-i",
                                          "127.0.0.1",        "-p", std::to_string(port_), "-d",
                                          root.string()};
    if (!user.empty()) arguments.insert(arguments.end(), {"-u", user, "-P", password});
    pid_ = fork();
    if (pid_ == 0) {
      freopen(log.c_str(), "w", stdout);
      freopen(log.c_str(), "a", stderr);
      std::vector<char*> argv;
      for (std::string& argument : arguments) argv.push_back(argument.data());
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!Accepts(port_) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  ~FtpServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  int port() const { return port_; }
  std::string Url(const std::string& path = "/") const {
    return "ftp://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  int port_;
  pid_t pid_;
};

void SetModified(const fs::path& path, std::time_t when) {
  const utimbuf times{when, when};
  utime(path.c_str(), &times);
}

struct Stamp {
  int year, month, day, hour, minute;
};

Stamp UtcStamp(std::time_t when) {
  std::tm parts{};
  gmtime_r(&when, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}

constexpr std::time_t kPastYear = 1558094400;  // 2019-05-17 12:00 UTC
constexpr int64_t kHugeSize = 5LL << 30;

class LiveListing : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path root = work_.Path("root");
    fs::create_directories(root / "subdir");
    work_.Write("root/name with blanks.txt", "hello");
    work_.Write("root/empty", "");
    work_.Write("root/old.txt", "old");
    work_.Write("root/recent.txt", "recent");
    work_.Write("root/huge.bin", "");
    fs::resize_file(root / "huge.bin", kHugeSize);  // sparse
    fs::create_symlink("name with blanks.txt", root / "link");
    SetModified(root / "old.txt", kPastYear);
    recent_ = std::time(nullptr) - 2 * 24 * 3600;
    SetModified(root / "recent.txt", recent_);
  }

  // The decoded entries of a live run by name.
  std::map<std::string, nlohmann::json> Entries(const RunResult& run) {
    std::map<std::string, nlohmann::json> entries;
    for (const auto& object : JsonLines(run.out)) entries[object["name"]] = object;
    return entries;
  }

  TempDirectory work_;
  std::time_t recent_ = 0;
};

void ExpectDate(const nlohmann::json& entry, const Stamp& stamp, bool withTime) {
  EXPECT_EQ(entry["year"], stamp.year) << entry;
  EXPECT_EQ(entry["month"], stamp.month) << entry;
  EXPECT_EQ(entry["day"], stamp.day) << entry;
  if (withTime) {
    EXPECT_EQ(entry["hour"], stamp.hour) << entry;
    EXPECT_EQ(entry["minute"], stamp.minute) << entry;
  }
}

TEST_F(LiveListing, DecodesListWithTheTypeFromSyst) {
  FtpServer server(work_.Path("root"), work_.Path("server.log"));
  const RunResult run = RunQordaLs(work_, {"--format", "json", server.Url()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("SYST reply: 215 UNIX Type: L8"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("6010 \"Unix (Standard)\" (detected from the SYST reply)"),
            std::string::npos)
      << run.err;

  auto entries = Entries(run);
  ASSERT_EQ(entries.size(), 7u) << run.out;
  EXPECT_EQ(entries["name with blanks.txt"]["size"], 5);
  EXPECT_EQ(entries["subdir"]["kind"], "directory");
  EXPECT_EQ(entries["link"]["kind"], "link");
  EXPECT_EQ(entries["empty"]["size"], 0);
  EXPECT_EQ(entries["huge.bin"]["size"], kHugeSize);
  ExpectDate(entries["old.txt"], UtcStamp(kPastYear), false);
  EXPECT_EQ(entries["old.txt"]["flags"], nlohmann::json({"mode_valid", "no_time"}));
  ExpectDate(entries["recent.txt"], UtcStamp(recent_), true);
}

TEST_F(LiveListing, DecodesMlsd) {
  FtpServer server(work_.Path("root"), work_.Path("server.log"));
  const RunResult run = RunQordaLs(work_, {"--mlsd", "--format", "json", server.Url()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("6059 \"MLSD\""), std::string::npos) << run.err;

  auto entries = Entries(run);
  EXPECT_EQ(entries.count("."), 0u);  // cdir and pdir facts are no entries
  EXPECT_EQ(entries["name with blanks.txt"]["size"], 5);
  EXPECT_EQ(entries["subdir"]["kind"], "directory");
  EXPECT_EQ(entries["empty"]["size"], 0);
  EXPECT_EQ(entries["huge.bin"]["size"], kHugeSize);
  ExpectDate(entries["old.txt"], UtcStamp(kPastYear), true);
  ExpectDate(entries["recent.txt"], UtcStamp(recent_), true);
}

TEST_F(LiveListing, EndsWithADistinctStatusOnErrors) {
  FtpServer server(work_.Path("root"), work_.Path("server.log"), "reader", "secret");
  struct Case {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Case cases[] = {
      {{"--user", "reader:wrong", server.Url()}, "Login denied"},
      {{"--user", "reader:secret", server.Url("/no/such/dir/")}, server.Url("/no/such/dir/")},
      {{"--timeout", "5", "ftp://127.0.0.1:" + std::to_string(FreePort()) + "/"},
       "Couldn't connect to server"},
  };
  for (const Case& c : cases) {
    const auto started = std::chrono::steady_clock::now();
    const RunResult run = RunQordaLs(work_, c.arguments);
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
  }
  const RunResult good = RunQordaLs(work_, {"--user", "reader:secret", "-f", "json", server.Url()});
  EXPECT_EQ(good.exitCode, 0) << good.err;
  EXPECT_EQ(JsonLines(good.out).size(), 7u);
}

}  // namespace
}  // namespace qorda::testing
