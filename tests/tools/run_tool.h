// Runs the built qorda-ls as a user does and reads its output back.
#pragma once

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

struct RunResult {
  int exitCode;
  std::string out;
  std::string err;
};

// Runs qorda-ls with the arguments and input on standard input; the work
// folder holds the captured streams.
RunResult RunQordaLs(const TempDirectory& work, const std::vector<std::string>& arguments,
                     const std::string& input = "");

std::string ReadFile(const std::filesystem::path& path);
std::vector<std::string> Lines(const std::string& text);
std::vector<nlohmann::json> JsonLines(const std::string& text);
// An RFC 4180 reader, enough to check what qorda-ls writes.
std::vector<std::vector<std::string>> CsvRecords(const std::string& text);

}  // namespace qorda::testing
