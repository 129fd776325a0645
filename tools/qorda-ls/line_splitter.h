// Cuts a byte stream into lines of bounded length, for files, standard
// input and live listings alike: memory stays flat whatever arrives.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace qorda::ls {

// A line longer than this is cut: the decoder reads 511 characters anyway,
// and a stream that never sends a line end cannot make us grow.
constexpr size_t kMaxLineLength = 64 * 1024;

// One line as the splitter hands it on: without its LF, zero-terminated in
// the splitter's buffer (so the caller may pass it to the decoder as it is),
// and valid until the next call.
struct Line {
  const char* text;
  size_t length;
  bool cut;  // the line went on past kMaxLineLength
};

class LineSplitter {
 public:
  LineSplitter();

  // Room for the next bytes of the stream, to be filled and then handed on
  // with Split. Never empty.
  char* Space() { return buffer_.get() + end_; }
  size_t SpaceSize() const { return kCapacity - end_; }

  // Hands each line completed by the size bytes just put into Space() to
  // onLine(const Line&).
  template <typename OnLine>
  void Split(size_t size, OnLine&& onLine);
  // Split for bytes that arrive elsewhere, as a live listing's do.
  template <typename OnLine>
  void Feed(std::string_view bytes, OnLine&& onLine) {
    while (!bytes.empty()) {
      const size_t size = std::min(bytes.size(), SpaceSize());
      std::memcpy(Space(), bytes.data(), size);
      Split(size, onLine);
      bytes.remove_prefix(size);
    }
  }
  // Hands on the unterminated last line, if any.
  template <typename OnLine>
  void Finish(OnLine&& onLine);

 private:
  static constexpr size_t kBlockSize = 256 * 1024;
  // The kept start of a line, the next block, and a terminator.
  static constexpr size_t kCapacity = kMaxLineLength + kBlockSize + 1;

  void KeepUnfinishedLine();

  std::unique_ptr<char[]> buffer_;
  size_t start_ = 0;      // of the unfinished line
  size_t scanned_ = 0;    // bytes before this hold no LF of that line
  size_t end_ = 0;        // of the bytes received
  bool cutting_ = false;  // the unfinished line is cut; its rest is skipped
};

template <typename OnLine>
void LineSplitter::Split(size_t size, OnLine&& onLine) {
  end_ += size;
  char* const data = buffer_.get();
  while (scanned_ < end_) {
    auto* lineEnd = static_cast<char*>(std::memchr(data + scanned_, '\n', end_ - scanned_));
    if (lineEnd == nullptr) break;
    const size_t lineEndIndex = static_cast<size_t>(lineEnd - data);
    // The bytes of a cut line beyond its bound were dropped as they came.
    const size_t length = cutting_ ? kMaxLineLength : lineEndIndex - start_;
    const bool cut = cutting_ || length > kMaxLineLength;
    data[start_ + (cut ? kMaxLineLength : length)] = '\0';
    onLine(Line{data + start_, cut ? kMaxLineLength : length, cut});
    cutting_ = false;
    start_ = scanned_ = lineEndIndex + 1;
  }
  scanned_ = end_;
  KeepUnfinishedLine();
}

template <typename OnLine>
void LineSplitter::Finish(OnLine&& onLine) {
  if (end_ == start_ && !cutting_) return;
  const size_t length = cutting_ ? kMaxLineLength : end_ - start_;
  buffer_[start_ + length] = '\0';
  onLine(Line{buffer_.get() + start_, length, cutting_});
  start_ = scanned_ = end_ = 0;
  cutting_ = false;
}

}  // namespace qorda::ls
