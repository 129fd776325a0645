// The live mode: connect to a server as a client does, read its greeting,
// ask SYST, choose the host type, list a directory and decode every line.
#pragma once

#include <optional>
#include <string>

#include "listing_decoder.h"
#include "server_url.h"

namespace qorda::ls {

// The bounds of --timeout and --max-time, in seconds.
constexpr long kMaxTimeoutSeconds = 3600;
constexpr long kMaxTotalSeconds = 7 * 24 * 3600;

struct LiveSettings {
  std::string user;          // "user[:password]"; empty: the URL's, then .netrc, then anonymous
  bool explicitTls = false;  // AUTH TLS on an ftp:// URL
  bool mlsd = false;         // list with MLSD instead of LIST
  long timeoutSeconds = 30;  // bounds every wait: connecting, each reply, a stalled transfer
  long maxSeconds = 0;       // bounds the whole listing; 0 for no bound
  bool quiet = false;        // no progress on standard error
  std::optional<int32_t> hostType;  // --host-type, overriding the detection
  bool guess = true;                // guess from the listing when nothing is detected
};

// Lists the URL and decodes what arrives. Returns the process exit status:
// 0, or kExitNetwork on a network, login, path or time-out error.
int DecodeLiveListing(DecodeContext& context, const ServerUrl& url, const LiveSettings& live);

}  // namespace qorda::ls
