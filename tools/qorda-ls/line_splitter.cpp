#include "line_splitter.h"

#include <cstring>

namespace qorda::ls {

LineSplitter::LineSplitter() : buffer_(new char[kCapacity]) {}

// Moves the unfinished line to the front, so that the next block has room
// behind it, and drops what a cut line holds past its bound.
void LineSplitter::KeepUnfinishedLine() {
  size_t kept = end_ - start_;
  if (cutting_ || kept > kMaxLineLength) {
    kept = kMaxLineLength;
    cutting_ = true;
  }
  if (start_ != 0) std::memmove(buffer_.get(), buffer_.get() + start_, kept);
  start_ = 0;
  scanned_ = end_ = kept;
}

}  // namespace qorda::ls
