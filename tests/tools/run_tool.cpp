#include "tools/run_tool.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qorda::testing {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& argument) {
  std::string quoted = "'";
  for (char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

TempDirectory::TempDirectory() {
  std::string pattern = (fs::temp_directory_path() / "qorda-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
}

TempDirectory::~TempDirectory() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path TempDirectory::Write(const std::string& name, const std::string& text) const {
  std::ofstream(Path(name), std::ios::binary) << text;
  return Path(name);
}

RunResult RunQordaLs(const TempDirectory& work, const std::vector<std::string>& arguments,
                     const std::string& input) {
  std::string command = Quote(QORDA_LS_PATH);
  for (const std::string& argument : arguments) command.append(" ").append(Quote(argument));
  command += " < " + Quote(work.Write("stdin", input)) + " > " + Quote(work.Path("stdout")) +
             " 2> " + Quote(work.Path("stderr"));
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(work.Path("stdout")),
          ReadFile(work.Path("stderr"))};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::vector<nlohmann::json> JsonLines(const std::string& text) {
  std::vector<nlohmann::json> objects;
  for (const std::string& line : Lines(text)) objects.push_back(nlohmann::json::parse(line));
  return objects;
}

std::vector<std::vector<std::string>> CsvRecords(const std::string& text) {
  std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool pairFollows = i + 1 < text.size() && text[i + 1] == (c == '"' ? '"' : '\n');
    if (quoted && c == '"' && pairFollows) {
      records.back().back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      records.back().emplace_back();
    } else if (!quoted && c == '\r' && pairFollows) {
      ++i;
      records.emplace_back(1);
    } else {
      records.back().back() += c;
    }
  }
  if (records.back() == std::vector<std::string>(1)) records.pop_back();
  return records;
}

}  // namespace qorda::testing
