// Server URLs as a user types them, checked before anything connects.
#pragma once

#include <string>
#include <string_view>

namespace qorda::ls {

// Whether an input is meant as a URL ("scheme://..."), whatever its scheme,
// rather than a file name. "./name" names a file that looks like one.
bool LooksLikeUrl(std::string_view input);

struct ServerUrl {
  std::string forTransfer;  // as libcurl gets it
  std::string shown;        // for messages and rows: the password masked
  std::string problem;      // set when the URL cannot be listed: a usage error
};

// Checks and normalises a URL: ftp:// and ftps:// in any case, a host
// required, blanks and other bytes a URL may not hold percent-encoded, and
// the path ended with '/', since a listing is always of a directory.
ServerUrl ParseServerUrl(std::string_view input);

}  // namespace qorda::ls
