#include "listing_decoder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "qordahosts.h"
#include "qordahosts_guess.h"
#include "text_escape.h"

namespace qorda::ls {
namespace {

void ReportHostType(DecodeContext& context, const HostTypeChoice& choice) {
  std::string report = DescribeChoice(choice);
  if (report == context.lastReport && choice.warning.empty()) return;
  context.out.Flush();  // after the rows of the inputs before
  if (report != context.lastReport) Warn(report);
  if (!choice.warning.empty()) Warn("warning: " + choice.warning);
  context.lastReport = std::move(report);
}

// The line as the decoder saw it (up to a NUL), without its CR, for the
// rows of lines without an entry.
std::string_view ShownText(const char* line, size_t length) {
  std::string_view text(line, strnlen(line, length));
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

}  // namespace

InputDecoder::InputDecoder(DecodeContext& context, std::string_view inputName,
                           HostTypeEvidence evidence)
    : context_(context), evidence_(std::move(evidence)) {
  context_.rows.StartInput(inputName);
}

void InputDecoder::TakeLine(const Line& line) {
  if (!chosen_) {
    held_.push_back({std::string(line.text, line.length), line.cut});
    heldBytes_ += line.length + 1;
    const bool enough = held_.size() >= kLinesForChoice || heldBytes_ >= kBytesForChoice;
    if (!evidence_.guess || enough) ChooseAndDecodeHeldLines();
    return;
  }
  Decode(line.text, line.length, line.cut);
}

void InputDecoder::Finish() {
  if (!chosen_) ChooseAndDecodeHeldLines();
}

void InputDecoder::ChooseAndDecodeHeldLines() {
  HostTypeChoice choice = ChooseHostType(evidence_);
  if (evidence_.guess) {
    std::string sample;
    for (const HeldLine& line : held_) sample.append(line.text).push_back('\n');
    QORDA_GuessResult guess;
    QORDA_GuessHostType(sample.data(), sample.size(), choice.hostTypeId, &guess);
    choice = ChooseHostType(evidence_, &guess);
  }
  ReportHostType(context_, choice);
  hostTypeId_ = choice.hostTypeId;
  chosen_ = true;
  for (const HeldLine& line : held_) Decode(line.text.c_str(), line.text.size(), line.cut);
  held_.clear();
  held_.shrink_to_fit();
  heldBytes_ = 0;
}

void InputDecoder::Decode(const char* line, size_t length, bool cut) {
  ++lineNumber_;
  ListingEntry entry;
  const DecodeSettings& settings = context_.settings;
  const int32_t result = QORDA_DecodeLine(
      &entry, line, hostTypeId_, settings.currentDirectory.c_str(), settings.datasetPrefix.c_str());
  if (result == 0 && !settings.showNonEntries) return;
  // The decoder's result is the name's length.
  const std::string_view raw = result != 0
                                   ? std::string_view(entry.name, static_cast<size_t>(result))
                                   : ShownText(line, length);
  uint8_t classes = ClassesOf(raw);
  std::string_view text = context_.names.ToUtf8(raw, (classes & kNonAscii) == 0);
  if (text.data() != raw.data()) classes = ClassesOf(text);
  // The name lies in the record's fixed array, which may be read to its end.
  const size_t readable = text.data() == entry.name ? sizeof entry.name : text.size();
  context_.rows.Row({lineNumber_, result, &entry, text, readable, classes, cut});
}

int DecodeFile(DecodeContext& context, const std::string& path, const HostTypeEvidence& evidence) {
  const bool isStdin = path == "-";
  const int fd = isStdin ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const auto fail = [&](const char* reason) {
    context.out.Flush();
    Warn((isStdin ? std::string("standard input") : path) + ": " + reason);
    if (fd >= 0 && !isStdin) close(fd);
    return kExitUnreadableInput;
  };
  if (fd < 0) return fail(std::strerror(errno));
  struct stat status {};
  if (fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) return fail("is a directory");

  InputDecoder decoder(context, path, evidence);
  LineSplitter splitter;
  const auto onLine = [&decoder](const Line& line) { decoder.TakeLine(line); };
  for (;;) {
    const ssize_t got = read(fd, splitter.Space(), splitter.SpaceSize());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      // The lines read so far are decoded and written before the message.
      const int error = errno;
      splitter.Finish(onLine);
      decoder.Finish();
      return fail((std::string("read error: ") + std::strerror(error)).c_str());
    }
    if (got == 0) break;
    splitter.Split(static_cast<size_t>(got), onLine);
  }
  splitter.Finish(onLine);
  decoder.Finish();
  if (!isStdin) close(fd);
  return 0;
}

}  // namespace qorda::ls
