#include "tools/run_tool.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace qorda::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

sockaddr_in Loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  return address;
}

bool Accepts(int port) {
  const int socketFd = socket(AF_INET, SOCK_STREAM, 0);
  const sockaddr_in address = Loopback(port);
  const bool connected =
      connect(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(socketFd);
  return connected;
}

[[noreturn]] void Exec(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

void Redirect(const fs::path& path, int flags, int fd) {
  const int opened = open(path.c_str(), flags, 0644);
  dup2(opened, fd);
  close(opened);
}

// The reader of kUnreadPipe is gone before the first write.
void RedirectStdout(RunOptions::Output output, const fs::path& captured) {
  int ends[2];
  switch (output) {
    case RunOptions::kCaptured:
      return Redirect(captured, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
    case RunOptions::kFullDisk:
      return Redirect("/dev/full", O_WRONLY, STDOUT_FILENO);
    case RunOptions::kClosed:
      close(STDOUT_FILENO);
      return;
    case RunOptions::kUnreadPipe:
      if (pipe(ends) != 0) _exit(127);
      dup2(ends[1], STDOUT_FILENO);
      close(ends[0]);
      close(ends[1]);
  }
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
                     const RunOptions& options) {
  const fs::path input = work.Write("stdin", options.input);
  const auto started = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    Redirect(input, O_RDONLY, STDIN_FILENO);
    Redirect(work.Path("stderr"), O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
    RedirectStdout(options.output, work.Path("stdout"));
    std::vector<std::string> argv = {QORDA_LS_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    Exec(argv);
  }
  int status = 0;
  rusage usage{};
  const auto deadline = started + std::chrono::seconds(options.killAfterSeconds);
  while (wait4(pid, &status, WNOHANG, &usage) == 0) {
    if (Clock::now() > deadline) kill(pid, SIGKILL);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
          options.output == RunOptions::kCaptured ? ReadFile(work.Path("stdout")) : "",
          ReadFile(work.Path("stderr")),
          std::chrono::duration<double>(Clock::now() - started).count(), usage.ru_maxrss};
}

int FreePort() {
  const int socketFd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address = Loopback(0);
  bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length);
  close(socketFd);
  return ntohs(address.sin_port);
}

ServerProcess::ServerProcess(std::vector<std::string> arguments, const fs::path& log)
    : port_(FreePort()) {
  for (std::string& argument : arguments) {
    if (argument == "{port}") argument = std::to_string(port_);
  }
  pid_ = fork();
  if (pid_ == 0) {
    Redirect(log, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
    dup2(STDOUT_FILENO, STDERR_FILENO);
    Exec(arguments);
  }
  const auto deadline = Clock::now() + std::chrono::seconds(15);
  while (!Accepts(port_) && Clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

ServerProcess::~ServerProcess() {
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

std::string ServerProcess::Url(const std::string& path, const std::string& user) const {
  std::string url = "ftp://";
  url.append(user).append("127.0.0.1:").append(std::to_string(port_)).append(path);
  return url;
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

}  // namespace qorda::testing
