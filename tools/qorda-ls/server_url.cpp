#include "server_url.h"

#include <algorithm>

#include "text_escape.h"

namespace qorda::ls {
namespace {

bool IsSchemeChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
         c == '-' || c == '.';
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), FoldCase);
  return lowered;
}

// Where the scheme ends ("://" follows), or npos.
size_t SchemeLength(std::string_view input) {
  const size_t separator = input.find("://");
  if (separator == 0 || separator == std::string_view::npos) return std::string_view::npos;
  const std::string_view scheme = input.substr(0, separator);
  return std::all_of(scheme.begin(), scheme.end(), IsSchemeChar) ? separator
                                                                 : std::string_view::npos;
}

// Blanks, controls and bytes past ASCII, which no URL holds as they are.
std::string PercentEncoded(std::string_view text) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte > 0x20 && byte < 0x7F) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0xF];
    }
  }
  return encoded;
}

std::string MaskPassword(std::string_view url) {
  const size_t schemeEnd = url.find("://");
  if (schemeEnd == std::string_view::npos) return std::string(url);
  const size_t authorityStart = schemeEnd + 3;
  const size_t authorityEnd = std::min(url.find('/', authorityStart), url.size());
  const std::string_view authority = url.substr(authorityStart, authorityEnd - authorityStart);
  const size_t at = authority.rfind('@');
  const size_t colon = authority.substr(0, at == std::string_view::npos ? 0 : at).find(':');
  if (at == std::string_view::npos || colon == std::string_view::npos) return std::string(url);
  std::string masked(url.substr(0, authorityStart + colon + 1));
  masked += "***";
  masked += url.substr(authorityStart + at);
  return masked;
}

}  // namespace

bool LooksLikeUrl(std::string_view input) {
  return SchemeLength(input) != std::string_view::npos;
}

ServerUrl ParseServerUrl(std::string_view input) {
  ServerUrl url;
  url.shown = MaskPassword(input);
  const size_t schemeLength = SchemeLength(input);
  const std::string scheme = Lowered(input.substr(0, schemeLength));
  if (scheme != "ftp" && scheme != "ftps") {
    url.problem = url.shown + ": only ftp:// and ftps:// URLs are listed";
    return url;
  }
  const std::string_view rest = input.substr(schemeLength + 3);
  const size_t pathStart = std::min(rest.find('/'), rest.size());
  const std::string_view authority = rest.substr(0, pathStart);
  const size_t at = authority.rfind('@');
  std::string_view host = at == std::string_view::npos ? authority : authority.substr(at + 1);
  // "[::1]:21", "host:21"
  const size_t portColon = host.rfind(':');
  if (portColon != std::string_view::npos && host.find(']', portColon) == std::string_view::npos) {
    host = host.substr(0, portColon);
  }
  if (host.empty() || host == "[]") {
    url.problem = url.shown + ": the URL names no host";
    return url;
  }
  std::string path(rest.substr(pathStart));
  if (path.empty() || path.back() != '/') path += '/';
  url.forTransfer = scheme + "://" + PercentEncoded(authority) + PercentEncoded(path);
  url.shown = MaskPassword(scheme + "://" + std::string(authority) + path);
  return url;
}

}  // namespace qorda::ls
