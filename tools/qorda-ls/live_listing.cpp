#include "live_listing.h"

#include <curl/curl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "host_types.h"
#include "qordahosts.h"

namespace qorda::ls {
namespace {

constexpr int kExitNetwork = 3;
// A line longer than this is cut; the decoder reads 511 characters anyway,
// and a server that never sends a line end cannot make us grow.
constexpr size_t kMaxKeptLine = 64 * 1024;

struct Transfer {
  DecodeSettings settings;
  NameConverter* names = nullptr;
  OutputBuffer* out = nullptr;
  bool detectHostType = true;
  bool hostTypeChosen = false;
  std::string greeting;  // the lines of the server's first reply
  bool greetingDone = false;
  std::string systReply;    // the 215 lines
  std::string partialLine;  // bytes after the last line end
  int64_t lineNumber = 0;
  curl_off_t bytes = 0;
  bool showProgress = false;
  std::chrono::steady_clock::time_point lastProgress{};
};

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

// Picks the host type once the server's texts are in: before the first
// listing line, or at the end of a listing that had none.
void ChooseHostType(Transfer& transfer) {
  if (transfer.hostTypeChosen) return;
  transfer.hostTypeChosen = true;
  std::cerr << "qorda-ls: greeting: " << transfer.greeting;
  std::cerr << "qorda-ls: SYST reply: "
            << (transfer.systReply.empty() ? std::string("(none)\n") : transfer.systReply);
  if (!transfer.detectHostType) {
    std::cerr << "qorda-ls: host type " << DescribeHostType(transfer.settings.hostTypeId)
              << " (given)\n";
    return;
  }
  int32_t id = HOST_AUTO;
  const char* reason = "AUTO: nothing recognised";
  const int32_t fromGreeting = QORDA_DoAutoCheck(transfer.greeting.c_str(), id);
  if (fromGreeting != id) reason = "detected from the greeting";
  id = fromGreeting;
  const int32_t fromSyst = QORDA_DetectFromSystString(transfer.systReply.c_str(), id);
  if (fromSyst != id) reason = "detected from the SYST reply";
  id = fromSyst;
  transfer.settings.hostTypeId = id;
  std::cerr << "qorda-ls: host type " << DescribeHostType(id) << " (" << reason << ")\n";
}

void DecodeOne(Transfer& transfer, const std::string& line) {
  DecodeListingLine(line, "-", ++transfer.lineNumber, transfer.settings, *transfer.names,
                    *transfer.out);
}

// libcurl hands every line of every server reply here, the greeting first.
size_t OnReplyLine(char* data, size_t size, size_t count, void* context) {
  auto& transfer = *static_cast<Transfer*>(context);
  const std::string_view line(data, size * count);
  if (!transfer.greetingDone) {
    transfer.greeting += WithoutLineEnd(line);
    transfer.greeting += '\n';
    // The reply ends at its line with a blank after the code: "220 ready".
    transfer.greetingDone = line.size() >= 4 && line[3] == ' ';
  } else if (line.substr(0, 3) == "215") {
    transfer.systReply += WithoutLineEnd(line);
    transfer.systReply += '\n';
  }
  return size * count;
}

size_t OnListingData(char* data, size_t size, size_t count, void* context) {
  auto& transfer = *static_cast<Transfer*>(context);
  ChooseHostType(transfer);
  std::string_view chunk(data, size * count);
  transfer.bytes += static_cast<curl_off_t>(chunk.size());
  while (!chunk.empty()) {
    const size_t end = chunk.find('\n');
    const std::string_view piece = chunk.substr(0, end);
    if (transfer.partialLine.size() < kMaxKeptLine) {
      transfer.partialLine.append(piece.substr(0, kMaxKeptLine - transfer.partialLine.size()));
    }
    if (end == std::string_view::npos) break;
    DecodeOne(transfer, transfer.partialLine);
    transfer.partialLine.clear();
    chunk.remove_prefix(end + 1);
  }
  return size * count;
}

int OnProgress(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto& transfer = *static_cast<Transfer*>(context);
  if (!transfer.showProgress || transfer.bytes == 0) return 0;
  const auto now = std::chrono::steady_clock::now();
  if (now - transfer.lastProgress < std::chrono::milliseconds(250)) return 0;
  transfer.lastProgress = now;
  std::fprintf(stderr, "\r%lld bytes, %lld lines", static_cast<long long>(transfer.bytes),
               static_cast<long long>(transfer.lineNumber));
  return 0;
}

// Whatever the outcome, the lines received so far are decoded.
void Finish(Transfer& transfer) {
  if (!transfer.greeting.empty()) ChooseHostType(transfer);
  if (!transfer.partialLine.empty()) DecodeOne(transfer, transfer.partialLine);
  if (transfer.showProgress && transfer.bytes > 0) std::fputs("\r\033[K", stderr);
  transfer.out->Flush();
}

}  // namespace

bool IsServerUrl(const std::string& input) {
  return input.rfind("ftp://", 0) == 0 || input.rfind("ftps://", 0) == 0;
}

int DecodeLiveListing(const LiveSettings& live, DecodeSettings settings, NameConverter& names,
                      OutputBuffer& out) {
  curl_global_init(CURL_GLOBAL_DEFAULT);
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    std::cerr << "qorda-ls: cannot start libcurl\n";
    return kExitNetwork;
  }
  Transfer transfer;
  transfer.settings = settings;
  transfer.names = &names;
  transfer.out = &out;
  transfer.detectHostType = live.hostType.empty();
  transfer.showProgress = !live.quiet && isatty(STDERR_FILENO) != 0;
  if (live.mlsd && live.hostType.empty()) {
    // An MLSD reply has one format whatever the server; no detection needed.
    transfer.settings.hostTypeId = HOST_MLSD;
    transfer.detectHostType = false;
  }

  char error[CURL_ERROR_SIZE] = "";
  // "*": a server that refuses SYST still lists; its greeting may tell.
  struct curl_slist* quote = curl_slist_append(nullptr, "*SYST");
  curl_easy_setopt(curl, CURLOPT_URL, live.url.c_str());
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(curl, CURLOPT_QUOTE, quote);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &OnReplyLine);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &OnListingData);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
  if (!live.user.empty()) curl_easy_setopt(curl, CURLOPT_USERPWD, live.user.c_str());
  if (live.explicitTls) curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
  if (live.mlsd) curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "MLSD");
  // Every wait is bounded: connecting, each server reply, and a stalled
  // data connection (less than one byte a second for the whole timeout).
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, live.timeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, live.timeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, live.timeoutSeconds * 1000);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, live.timeoutSeconds);

  const CURLcode result = curl_easy_perform(curl);
  Finish(transfer);
  curl_slist_free_all(quote);
  curl_easy_cleanup(curl);
  curl_global_cleanup();
  if (result != CURLE_OK) {
    std::cerr << "qorda-ls: " << live.url << ": " << curl_easy_strerror(result);
    if (error[0] != '\0') std::cerr << " (" << error << ")";
    std::cerr << '\n';
    return kExitNetwork;
  }
  return 0;
}

}  // namespace qorda::ls
