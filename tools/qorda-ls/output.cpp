#include "output.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include "text_escape.h"

namespace qorda::ls {
namespace {

[[noreturn]] void EndForLostOutput(int error) {
  if (error == EPIPE) {
    // libcurl ignores SIGPIPE while it transfers; the reader is gone all the same.
    std::signal(SIGPIPE, SIG_DFL);
    std::raise(SIGPIPE);
  }
  Warn(std::string("standard output: ") + std::strerror(error));
  _exit(kExitOutput);
}

}  // namespace

Output::Output(int fd)
    : fd_(fd),
      capacity_(4 * kFlushSize),
      buffer_(new char[capacity_]),
      cursor_(buffer_.get()),
      end_(buffer_.get() + capacity_) {}

void Output::MakeRoom(size_t size) {
  Flush();
  if (size <= capacity_) return;
  // A long --all row of a cut line: the only row that outgrows the buffer.
  capacity_ = size;
  buffer_.reset(new char[capacity_]);
  cursor_ = buffer_.get();
  end_ = cursor_ + capacity_;
}

void Output::Flush() {
  const char* data = buffer_.get();
  while (data < cursor_) {
    const ssize_t written = write(fd_, data, static_cast<size_t>(cursor_ - data));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) EndForLostOutput(written < 0 ? errno : EIO);
    data += written;
  }
  cursor_ = buffer_.get();
}

void Output::CheckReaderPresent() const {
  pollfd state{fd_, 0, 0};
  if (poll(&state, 1, 0) == 1 && (state.revents & POLLERR) != 0) EndForLostOutput(EPIPE);
}

void Warn(std::string_view message) {
  // Our own messages may span lines; server text never does, as replies
  // reach here line by line.
  std::string line = "qorda-ls: ";
  for (size_t start = 0; start <= message.size();) {
    const size_t end = std::min(message.find('\n', start), message.size());
    AppendTerminalSafe(message.substr(start, end - start), line);
    line += '\n';
    start = end + 1;
  }
  // Nothing to be done when standard error fails too.
  [[maybe_unused]] const ssize_t ignored = write(STDERR_FILENO, line.data(), line.size());
}

}  // namespace qorda::ls
