// The live mode: connect to a server as a client does, read its greeting,
// ask SYST, detect the host type, list a directory and decode every line.
#pragma once

#include <string>

#include "listing_decoder.h"

namespace qorda::ls {

struct LiveSettings {
  std::string url;           // ftp://[user[:password]@]host[:port]/path/ or ftps://
  std::string user;          // "user[:password]"; empty: the URL's, then .netrc, then anonymous
  bool explicitTls = false;  // AUTH TLS on an ftp:// URL
  bool mlsd = false;         // list with MLSD instead of LIST
  long timeoutSeconds = 30;  // bounds every network wait
  bool quiet = false;        // no progress on standard error
  std::string hostType;      // --host-type, overriding the detection
};

// Whether a command-line input names a server rather than a file.
bool IsServerUrl(const std::string& input);

// Lists the URL and decodes what arrives. settings.hostTypeId is the type
// when hostType was given; otherwise it is detected from the server's text.
// Returns the process exit status: 0, or 3 on a network, login or path error.
int DecodeLiveListing(const LiveSettings& live, DecodeSettings settings, NameConverter& names,
                      OutputBuffer& out);

}  // namespace qorda::ls
