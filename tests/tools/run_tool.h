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
  std::string input = "";                 // standard input
  std::string stdoutPath = "";            // where standard output goes; empty: captured
  bool closedStdout = false;              // no standard output at all
  bool readerLeavesAfterOneRead = false;  // a pipe whose reader reads once and goes
  int killAfterSeconds = 60;
};

struct RunResult {
  int exitCode;  // -1 when a signal ended the run
  int signal;    // the signal that ended it, or 0
  std::string out;
  std::string err;
  double seconds;
  long peakKiB;  // peak resident memory
};

RunResult RunQordaLs(const TempDirectory& work, const std::vector<std::string>& arguments,
                     const RunOptions& options);
inline RunResult RunQordaLs(const TempDirectory& work, const std::vector<std::string>& arguments,
                            const std::string& input = "") {
  return RunQordaLs(work, arguments, RunOptions{.input = input});
}

// A server started for one test on a free loopback port, stopped with it.
class ServerProcess {
 public:
  // The command gets the port through the {port} word of arguments.
  ServerProcess(std::vector<std::string> arguments, const std::filesystem::path& log);
  ~ServerProcess();
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  std::string Url(const std::string& path = "/") const;
  int port() const { return port_; }

 private:
  int port_;
  pid_t pid_;
};

// A port on 127.0.0.1 that nothing listens on right now.
int FreePort();

std::string ReadFile(const std::filesystem::path& path);
std::vector<std::string> Lines(const std::string& text);
std::vector<nlohmann::json> JsonLines(const std::string& text);
// An RFC 4180 reader, enough to check what qorda-ls writes.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text);

}  // namespace qorda::testing
