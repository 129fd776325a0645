// Runs the built qorda-ls as a user does, and the servers it lists, and
// reads its output back. Every run and server is bounded in time.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace qorda::testing {

// A fresh folder, removed with everything in it at the end of the test.
class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  std::filesystem::path Path(const std::string& name) const { return path_ / name; }
  std::filesystem::path Write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

struct RunOptions {
  std::string input = "";  // standard input
  // Standard output: captured into RunResult::out, or one that fails.
  enum Output { kCaptured, kFullDisk, kClosed, kUnreadPipe } output = kCaptured;
  int killAfterSeconds = 60;
};

struct RunResult {
  int exitCode;  // or 128 + the signal that ended the run, as a shell reports it
  std::string out;
  std::string err;
  double seconds;
  long peakKiB;  // peak resident memory
};

RunResult RunQordaLs(const TempDirectory& work, const std::vector<std::string>& arguments,
                     const RunOptions& options = {});

// A server started for one test on a free loopback port, stopped with it.
class ServerProcess {
 public:
  // The command gets the port through the {port} word of arguments.
  ServerProcess(std::vector<std::string> arguments, const std::filesystem::path& log);
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // user: "name:password@", or empty.
  std::string Url(const std::string& path = "/", const std::string& user = "") const;

 private:
  int port_;
  pid_t pid_;
};

// A port on 127.0.0.1 that nothing listens on right now.
int FreePort();

std::string ReadFile(const std::filesystem::path& path);
std::vector<std::string> Lines(const std::string& text);
std::vector<nlohmann::json> JsonLines(const std::string& text);

}  // namespace qorda::testing
