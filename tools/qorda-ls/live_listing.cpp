#include "live_listing.h"

#include <curl/curl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string_view>

#include "qordahosts.h"
#include "text_escape.h"

namespace qorda::ls {
namespace {

using Clock = std::chrono::steady_clock;

// How much of the server's texts is kept: all of a long greeting for the
// detection, a few lines of it for the user.
constexpr size_t kMaxReplyBytes = 16 * 1024;
constexpr int kEchoedLines = 8;
constexpr size_t kEchoedLineLength = 200;

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "220 ready" or "220-first of several": the first line of an FTP reply.
bool StartsReply(std::string_view line) {
  return line.size() >= 4 && IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2]) &&
         (line[3] == ' ' || line[3] == '-');
}

std::string Shortened(std::string_view line) {
  if (line.size() <= kEchoedLineLength) return std::string(line);
  return std::string(line.substr(0, kEchoedLineLength)) + "...";
}

// The server's replies, line by line as libcurl hands them on. A reply ends
// at the line that starts with its code and a blank: "220-" lines and free
// text before "220 " are all the greeting.
struct Replies {
  std::string code;  // of the reply in progress; empty between replies
  int count = 0;     // complete replies so far
  int echoedLines = 0;
  std::string lastLine;     // of the last complete reply
  std::string lastCommand;  // the verb libcurl sent last
  bool notFtp = false;      // the first line was no FTP reply
};

struct Transfer {
  DecodeContext* context = nullptr;
  const LiveSettings* live = nullptr;
  InputDecoder* decoder = nullptr;
  LineSplitter splitter;
  Replies replies;
  curl_off_t bytes = 0;
  bool showProgress = false;
  Clock::time_point lastActivity = Clock::now();
  Clock::time_point lastProgress{};
  bool stalled = false;
};

void Echo(Transfer& transfer, std::string_view what, std::string_view line) {
  Replies& replies = transfer.replies;
  if (++replies.echoedLines > kEchoedLines) return;
  Warn(std::string(what) + ": " + Shortened(line));
}

void TakeGreetingLine(Transfer& transfer, std::string_view line) {
  std::string& greeting = transfer.decoder->evidence().greeting;
  if (greeting.size() + line.size() < kMaxReplyBytes) {
    greeting += line;
    greeting += '\n';
  }
  Echo(transfer, "greeting", line);
}

// The end of the greeting: how much of it went unsaid.
void EndGreeting(Transfer& transfer) {
  const int unsaid = transfer.replies.echoedLines - kEchoedLines;
  if (unsaid > 0) Warn("greeting: ... (" + std::to_string(unsaid) + " more lines)");
  transfer.replies.echoedLines = 0;
}

size_t OnReplyLine(char* data, size_t size, size_t count, void* context) {
  auto& transfer = *static_cast<Transfer*>(context);
  Replies& replies = transfer.replies;
  transfer.lastActivity = Clock::now();
  const std::string_view line = WithoutLineEnd(std::string_view(data, size * count));
  const bool first = replies.code.empty();
  if (first) {
    if (!StartsReply(line)) {
      if (replies.count > 0) return size * count;  // stray text between replies
      replies.notFtp = true;
      replies.lastLine = Shortened(line);
      return 0;  // stops the transfer
    }
    replies.code = line.substr(0, 3);
  }
  const bool last = line.size() >= 4 && line.substr(0, 3) == replies.code && line[3] == ' ';
  if (replies.count == 0) {
    TakeGreetingLine(transfer, line);
  } else if (replies.code == "215") {
    std::string& syst = transfer.decoder->evidence().systReply;
    if (syst.size() + line.size() < kMaxReplyBytes) syst.append(line).append("\n");
    Echo(transfer, "SYST reply", line);
  }
  if (last) {
    if (replies.count == 0) EndGreeting(transfer);
    ++replies.count;
    replies.code.clear();
    replies.lastLine = Shortened(line);
  }
  return size * count;
}

// Only the verb of each command is kept: PASS carries the password.
int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* context) {
  if (type != CURLINFO_HEADER_OUT) return 0;
  auto& transfer = *static_cast<Transfer*>(context);
  const std::string_view command(data, size);
  transfer.replies.lastCommand =
      command.substr(0, std::min(command.find_first_of(" \r\n"), size_t{8}));
  return 0;
}

size_t OnListingData(char* data, size_t size, size_t count, void* context) {
  auto& transfer = *static_cast<Transfer*>(context);
  transfer.lastActivity = Clock::now();
  transfer.bytes += static_cast<curl_off_t>(size * count);
  transfer.splitter.Feed(std::string_view(data, size * count),
                         [&transfer](const Line& line) { transfer.decoder->TakeLine(line); });
  // Rows as they come; a reader that has gone away stops the download here.
  transfer.context->out.Flush();
  return size * count;
}

// libcurl calls this about once a second even while nothing arrives.
int OnProgress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto& transfer = *static_cast<Transfer*>(context);
  const auto now = Clock::now();
  transfer.context->out.CheckReaderPresent();
  if (now - transfer.lastActivity >= std::chrono::seconds(transfer.live->timeoutSeconds)) {
    transfer.stalled = true;
    return 1;
  }
  if (!transfer.showProgress || transfer.bytes == 0) return 0;
  if (now - transfer.lastProgress < std::chrono::milliseconds(250)) return 0;
  transfer.lastProgress = now;
  std::fprintf(stderr, "\r%lld bytes, %lld lines", static_cast<long long>(transfer.bytes),
               static_cast<long long>(transfer.decoder->linesTaken()));
  return 0;
}

// Whatever the outcome, the lines received so far are decoded; an
// unterminated last line only when the listing ended as it should.
void Finish(Transfer& transfer, bool completed) {
  if (completed) {
    transfer.splitter.Finish([&transfer](const Line& line) { transfer.decoder->TakeLine(line); });
  }
  if (transfer.replies.count > 0) transfer.decoder->Finish();
  if (transfer.showProgress && transfer.bytes > 0) std::fputs("\r\033[K", stderr);
  transfer.context->out.Flush();
}

std::string FailureText(const Transfer& transfer, CURLcode result, const char* error,
                        Clock::duration elapsed) {
  const Replies& replies = transfer.replies;
  const LiveSettings& live = *transfer.live;
  if (replies.notFtp) return "not an FTP server (it sent: " + replies.lastLine + ")";
  if (transfer.stalled) {
    return "nothing arrived for " + std::to_string(live.timeoutSeconds) + " s (--timeout)";
  }
  // libcurl's clock of the whole transfer starts a little before ours and
  // may end it a little early by ours.
  if (result == CURLE_OPERATION_TIMEDOUT && live.maxSeconds > 0 &&
      elapsed + std::chrono::milliseconds(500) >= std::chrono::seconds(live.maxSeconds)) {
    return "stopped after " + std::to_string(live.maxSeconds) + " s (--max-time)";
  }
  // A refusal names the cause better than libcurl's summary of it.
  if (!replies.lastLine.empty() && (replies.lastLine[0] == '4' || replies.lastLine[0] == '5')) {
    const std::string command = replies.count <= 1 ? "the connection" : replies.lastCommand;
    return "the server refused " + command + ": " + replies.lastLine;
  }
  std::string text = curl_easy_strerror(result);
  if (error[0] != '\0') text += std::string(" (") + error + ")";
  return text;
}

void SetOptions(CURL* curl, const ServerUrl& url, const LiveSettings& live, Transfer& transfer,
                curl_slist* quote, char* error) {
  curl_easy_setopt(curl, CURLOPT_URL, url.forTransfer.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp,ftps");
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(curl, CURLOPT_QUOTE, quote);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &OnReplyLine);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &OnListingData);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);  // for the commands, to OnDebug only
  curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &OnDebug);
  curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
  if (!live.user.empty()) curl_easy_setopt(curl, CURLOPT_USERPWD, live.user.c_str());
  if (live.explicitTls) curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
  if (live.mlsd) curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "MLSD");
  // Every wait is bounded: connecting and each server reply by libcurl, a
  // transfer that stalls by OnProgress, the whole listing by --max-time.
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, live.timeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, live.timeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, live.timeoutSeconds * 1000);
  if (live.maxSeconds > 0) curl_easy_setopt(curl, CURLOPT_TIMEOUT, live.maxSeconds);
}

}  // namespace

int DecodeLiveListing(DecodeContext& context, const ServerUrl& url, const LiveSettings& live) {
  curl_global_init(CURL_GLOBAL_DEFAULT);
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    Warn("cannot start libcurl");
    return kExitNetwork;
  }
  InputDecoder decoder(context, url.shown, {live.hostType, live.mlsd, {}, {}, live.guess});
  Transfer transfer;
  transfer.context = &context;
  transfer.live = &live;
  transfer.decoder = &decoder;
  transfer.showProgress = !live.quiet && isatty(STDERR_FILENO) != 0;
  char error[CURL_ERROR_SIZE] = "";
  // "*": a server that refuses SYST still lists; its greeting may tell.
  curl_slist* quote = curl_slist_append(nullptr, "*SYST");
  SetOptions(curl, url, live, transfer, quote, error);

  const auto started = Clock::now();
  const CURLcode result = curl_easy_perform(curl);
  Finish(transfer, result == CURLE_OK);
  curl_slist_free_all(quote);
  curl_easy_cleanup(curl);
  curl_global_cleanup();
  if (result == CURLE_OK) return 0;
  Warn(url.shown + ": " + FailureText(transfer, result, error, Clock::now() - started));
  return kExitNetwork;
}

}  // namespace qorda::ls
