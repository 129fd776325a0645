#include "guess_report.h"

#include <fcntl.h>
#include <fmt/format.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host_types.h"
#include "qordahosts.h"
#include "qordahosts_guess.h"
#include "text_escape.h"

namespace qorda::ls {
namespace {

const char* VerdictName(int32_t verdict) {
  switch (verdict) {
    case QORDA_GUESS_CLEAR:
      return "clear";
    case QORDA_GUESS_CLOSE:
      return "close";
    case QORDA_GUESS_NAMES_ONLY:
      return "names only";
    default:
      return "none";
  }
}

std::string NameOf(int32_t hostTypeId) {
  const char* name = QORDA_ReturnHostTypeName(nullptr, hostTypeId);
  return name != nullptr ? name : hostTypeId == HOST_NAME_LIST ? "(name list)" : "";
}

// The first bytes of the input, as many as the guess reads and one more,
// so that the guess tells a line its window cuts from one the input ends
// with, as it does when decoding; empty with the reason in error when it
// cannot be read.
std::string ReadStart(const std::string& path, std::string& error) {
  const bool isStdin = path == "-";
  const int fd = isStdin ? STDIN_FILENO : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return {};
  }
  std::string bytes(QORDA_GUESS_MAX_BYTES + 1, '\0');
  size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = std::strerror(errno);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  if (!isStdin) close(fd);
  bytes.resize(got);
  return bytes;
}

// The candidates worth showing: every reading that explains something.
bool Shown(const QORDA_GuessCandidate& candidate) {
  return candidate.score > 0;
}

// The table shows the readings that come near the best; the other formats
// show all.
constexpr int kTableRanks = 8;

void WriteTable(const std::string& input, const QORDA_GuessResult& guess, Output& out) {
  const std::string best =
      guess.verdict == QORDA_GUESS_NONE
          ? "no guess"
          : DescribeHostType(guess.hostTypeId) + " (" + VerdictName(guess.verdict) + ")";
  out.Append(fmt::format("{}: {}: {}\n", TerminalSafe(input), best, DescribeGuess(guess)));
  out.Append(fmt::format("  {:>4}  {:<4}  {:>5}  {:>5}  {:>7}  {}\n", "RANK", "ID", "SCORE", "READ",
                         "ENTRIES", "HOST TYPE"));
  int rank = 0;
  for (int i = 0; i < guess.candidateCount; ++i) {
    const QORDA_GuessCandidate& c = guess.candidates[i];
    if (!Shown(c) || (c.sameRecordsAs == 0 && rank == kTableRanks)) break;
    const std::string place = c.sameRecordsAs != 0 ? "" : std::to_string(++rank);
    std::string name = NameOf(c.hostTypeId);
    if (c.sameRecordsAs != 0) name += fmt::format(" (same records as {})", c.sameRecordsAs);
    if (c.linesTried < guess.linesSampled) name += fmt::format(" (tried on {})", c.linesTried);
    out.Append(fmt::format("  {:>4}  {:<4}  {:>5}  {:>5}  {:>7}  {}\n", place, c.hostTypeId,
                           c.score, c.linesRead, c.entries, name));
  }
}

void WriteJson(const std::string& input, const QORDA_GuessResult& guess, Output& out) {
  std::string text = fmt::format(
      "{{\"file\":{},\"host_type\":{},\"verdict\":\"{}\",\"lines\":{},\"candidates\":[",
      JsonString(input), guess.hostTypeId, VerdictName(guess.verdict), guess.linesSampled);
  bool first = true;
  for (int i = 0; i < guess.candidateCount; ++i) {
    const QORDA_GuessCandidate& c = guess.candidates[i];
    if (!Shown(c)) continue;
    text += fmt::format(
        "{}{{\"id\":{},\"name\":{},\"score\":{},\"lines_read\":{},\"entries\":{},"
        "\"lines_tried\":{},\"same_records_as\":{}}}",
        first ? "" : ",", c.hostTypeId, JsonString(NameOf(c.hostTypeId)), c.score, c.linesRead,
        c.entries, c.linesTried, c.sameRecordsAs);
    first = false;
  }
  out.Append(text + "]}\n");
}

void WriteCsv(const std::string& input, const QORDA_GuessResult& guess, Output& out) {
  std::string file;
  AppendCsvFieldGeneral(input, file);
  for (int i = 0; i < guess.candidateCount; ++i) {
    const QORDA_GuessCandidate& c = guess.candidates[i];
    if (!Shown(c)) continue;
    std::string name;
    AppendCsvFieldGeneral(NameOf(c.hostTypeId), name);
    out.Append(fmt::format("{},{},{},{},{},{},{},{},{}\n", file, c.hostTypeId, name, c.score,
                           c.linesRead, c.entries, c.linesTried, c.sameRecordsAs,
                           c.hostTypeId == guess.hostTypeId ? "true" : "false"));
  }
}

}  // namespace

int ReportGuesses(const std::vector<std::string>& inputs, OutputFormat format, Output& out) {
  if (format == OutputFormat::kCsv) {
    out.Append("file,id,name,score,lines_read,entries,lines_tried,same_records_as,guess\n");
  }
  int status = 0;
  for (const std::string& input : inputs) {
    std::string error;
    const std::string bytes = ReadStart(input, error);
    if (!error.empty()) {
      out.Flush();
      Warn((input == "-" ? std::string("standard input") : input) + ": " + error);
      status = kExitUnreadableInput;
      continue;
    }
    QORDA_GuessResult guess;
    QORDA_GuessHostType(bytes.data(), bytes.size(), HOST_AUTO, &guess);
    switch (format) {
      case OutputFormat::kTable:
        WriteTable(input, guess, out);
        break;
      case OutputFormat::kJson:
        WriteJson(input, guess, out);
        break;
      case OutputFormat::kCsv:
        WriteCsv(input, guess, out);
        break;
    }
  }
  out.Flush();
  return status;
}

}  // namespace qorda::ls
