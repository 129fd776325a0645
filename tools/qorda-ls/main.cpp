// qorda-ls: shows how the library decodes a server's listing.
//
//   qorda-ls listing.txt
//   qorda-ls --guess saved/*.txt
//   qorda-ls --syst "215 VMS MultiNet V3.5" listing.txt
//   qorda-ls --host-type "IBM MVS" --format json < listing.txt
//   qorda-ls ftp://ftp.example.org/pub/

#include <fmt/format.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "guess_report.h"
#include "host_types.h"
#include "listing_decoder.h"
#include "live_listing.h"
#include "output.h"
#include "qordahosts.h"
#include "server_url.h"

namespace {

using namespace qorda::ls;

struct Options {
  std::vector<std::string> inputs;
  std::string hostType;
  std::string greeting;
  std::string syst;
  DecodeSettings decode;
  OutputFormat format = OutputFormat::kTable;
  std::string encoding;
  bool listHostTypes = false;
  bool guessOnly = false;
  bool noGuess = false;
  uint32_t filter = 0xFFFFFFFF;
  LiveSettings live;
};

int UsageError(const std::string& message) {
  Warn(message + "\nTry 'qorda-ls --help'.");
  return kExitUsage;
}

int ListHostTypes(const Options& options) {
  Output out(STDOUT_FILENO);
  out.Append(fmt::format("{:<8}  {:<4}  {:<10}  {}\n", "POSITION", "ID", "MASK", "NAME"));
  for (const auto& item : qorda::ls::ListHostTypes(options.filter)) {
    out.Append(fmt::format("{:<8}  {:<4}  0x{:08x}  {}\n", item.position, item.hostTypeId,
                           item.mask, item.name));
  }
  out.Flush();
  return 0;
}

int Decode(const Options& options, const std::vector<ServerUrl>& urls) {
  std::unique_ptr<NameConverter> names;
  try {
    names = std::make_unique<NameConverter>(options.encoding);
  } catch (const std::invalid_argument& error) {
    return UsageError(error.what());
  }
  Output out(STDOUT_FILENO);
  RowWriter rows(options.format, out);
  rows.Heading();
  DecodeContext context{options.decode, *names, out, rows, {}};
  const HostTypeEvidence fileEvidence{options.live.hostType, false, options.greeting, options.syst,
                                      !options.noGuess};
  int status = 0;
  size_t urlIndex = 0;
  for (const std::string& input : options.inputs) {
    const int inputStatus = LooksLikeUrl(input)
                                ? DecodeLiveListing(context, urls[urlIndex++], options.live)
                                : DecodeFile(context, input, fileEvidence);
    status = std::max(status, inputStatus);
  }
  out.Flush();
  return status;
}

// Checks what CLI11 cannot before anything is read or connected.
int CheckOptions(Options& options, std::vector<ServerUrl>& urls) {
  if (options.inputs.empty()) options.inputs.push_back("-");
  for (const std::string& input : options.inputs) {
    if (!LooksLikeUrl(input)) continue;
    urls.push_back(ParseServerUrl(input));
    if (!urls.back().problem.empty()) return UsageError(urls.back().problem);
  }
  if (options.hostType.empty()) return 0;
  options.live.hostType = HostTypeFromArgument(options.hostType);
  if (options.live.hostType) return 0;
  std::string message = "unknown host type '" + options.hostType + "'; closest names:";
  for (const std::string& name : ClosestHostTypeNames(options.hostType, 5)) {
    message += "\n  " + name;
  }
  return UsageError(message);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  CLI::App app{
      "Decodes FTP directory listings line by line, as an FTP client using qordahosts does, and "
      "prints one row per entry. Inputs are LIST replies saved as text, or a server's URL "
      "(ftp://[user[:password]@]host[:port]/path/, ftps://...) to list it live. Exit status: 0; "
      "1 when an input could not be read; 2 on a usage error; 3 when a server could not be "
      "listed; 4 when the output could not be written.",
      "qorda-ls"};
  app.set_version_flag("--version", "qorda-ls " QORDA_VERSION);
  app.add_option("inputs", options.inputs,
                 "Listing files or server URLs; standard input when none or '-'");
  app.add_option("-t,--host-type", options.hostType,
                 "Host type by display name (case-insensitive) or id, e.g. \"VMS MultiNet\" or "
                 "6012; default AUTO, refined by --greeting and --syst or by the server, else "
                 "guessed from the listing's first lines");
  app.add_option("--greeting", options.greeting, "The server's greeting, to detect the host type");
  app.add_option("--syst", options.syst, "The server's reply to SYST, to detect the host type");
  app.add_option("--cwd", options.decode.currentDirectory,
                 "Current remote directory (IBM mainframes)");
  app.add_option("--prefix", options.decode.datasetPrefix, "Data set prefix (IBM mainframes)");
  std::string formatName = "table";
  app.add_option("-f,--format", formatName,
                 "Output: table (default), json (JSON Lines), csv; control characters in names "
                 "are written escaped (\\x1b) in the table and in CSV")
      ->transform(CLI::IsMember({"table", "json", "csv"}, CLI::ignore_case));
  app.add_flag("-a,--all", options.decode.showNonEntries,
               "Also show the lines that are no entry, marked");
  app.add_option("--encoding", options.encoding,
                 "Code page of the names (any iconv name: cp1252, cp437, latin1, ebcdic-us...); "
                 "default: UTF-8 when valid, else cp1252");
  app.add_flag("--guess", options.guessOnly,
               "Only guess which host type wrote each listing: every way of reading its first "
               "lines, ranked; nothing is decoded");
  app.add_flag("--no-guess", options.noGuess,
               "Never guess the host type from the listing: AUTO stays AUTO (the Unix parser)");
  app.add_flag("--list-host-types", options.listHostTypes,
               "List the host types as the library's list export fills a list box");
  app.add_option("--filter", options.filter,
                 "Protocol mask filter for --list-host-types (default: every bit)");

  auto* live = app.add_option_group("Live listing", "When an input is a server URL");
  live->add_option("-u,--user", options.live.user,
                   "user[:password]; default: the URL's, a .netrc entry, or anonymous");
  live->add_flag("--ssl", options.live.explicitTls, "Require TLS on ftp:// (AUTH TLS)");
  live->add_flag("--mlsd", options.live.mlsd, "List with MLSD and decode as MLSD");
  live->add_option("--timeout", options.live.timeoutSeconds,
                   "Seconds any wait may last: connecting, each reply, a transfer that stalls "
                   "(1 to 3600, default 30)")
      ->check(CLI::Range(1L, kMaxTimeoutSeconds));
  live->add_option("--max-time", options.live.maxSeconds,
                   "Seconds the whole listing may last, however steadily data comes (1 to "
                   "604800; default: no bound)")
      ->check(CLI::Range(1L, kMaxTotalSeconds));
  live->add_flag("-q,--quiet", options.live.quiet, "No progress on standard error");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);  // --help, --version
    return UsageError(error.what());
  }

  const std::map<std::string, OutputFormat> formats{
      {"table", OutputFormat::kTable}, {"json", OutputFormat::kJson}, {"csv", OutputFormat::kCsv}};
  options.format = formats.at(formatName);
  if (options.listHostTypes) return ListHostTypes(options);
  options.live.guess = !options.noGuess;
  if (options.guessOnly) {
    if (options.inputs.empty()) options.inputs.push_back("-");
    Output out(STDOUT_FILENO);
    return ReportGuesses(options.inputs, options.format, out);
  }
  std::vector<ServerUrl> urls;
  if (const int status = CheckOptions(options, urls); status != 0) return status;
  return Decode(options, urls);
}
