// Standard output, written in large blocks with every write checked, and
// the messages on standard error.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace qorda::ls {

constexpr int kExitUnreadableInput = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNetwork = 3;
constexpr int kExitOutput = 4;

// Rows are formatted straight into the buffer: Reserve room, write, Commit.
class Output {
 public:
  explicit Output(int fd);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  char* Reserve(size_t size) {
    if (size > static_cast<size_t>(end_ - cursor_)) MakeRoom(size);
    return cursor_;
  }
  void Commit(char* written) {
    cursor_ = written;
    if (cursor_ - buffer_.get() >= static_cast<ptrdiff_t>(kFlushSize)) Flush();
  }
  void Append(std::string_view text) {
    char* at = Reserve(text.size());
    std::memcpy(at, text.data(), text.size());
    Commit(at + text.size());
  }
  // Writes what is buffered. A reader that has gone away ends the process
  // as SIGPIPE ends any tool; any other failure ends it with a message and
  // kExitOutput.
  void Flush();
  // Ends the process the same way when the reader of a pipe has gone,
  // without waiting for the next write.
  void CheckReaderPresent() const;

 private:
  void MakeRoom(size_t size);

  static constexpr size_t kFlushSize = 64 * 1024;
  int fd_;
  size_t capacity_;
  std::unique_ptr<char[]> buffer_;
  char* cursor_;
  char* end_;
};

// "qorda-ls: " and the message, each line terminal-safe, on standard error.
void Warn(std::string_view message);

}  // namespace qorda::ls
