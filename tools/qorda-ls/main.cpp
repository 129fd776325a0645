// qorda-ls: shows how the library decodes a server's listing.
//
//   qorda-ls --syst "215 VMS MultiNet V3.5" listing.txt
//   qorda-ls --host-type "IBM MVS" --format json < listing.txt
//   qorda-ls ftp://ftp.example.org/pub/

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host_types.h"
#include "listing_decoder.h"
#include "live_listing.h"
#include "qordahosts.h"

namespace {

using qorda::ls::OutputFormat;

constexpr int kExitUsage = 2;
constexpr int kExitUnreadableInput = 1;

struct Options {
  std::vector<std::string> inputs;
  std::string hostType;
  std::string greeting;
  std::string syst;
  std::string currentDirectory;
  std::string datasetPrefix;
  OutputFormat format = OutputFormat::kTable;
  bool all = false;
  std::string encoding;
  bool listHostTypes = false;
  uint32_t filter = 0xFFFFFFFF;
  qorda::ls::LiveSettings live;
};

int UsageError(const std::string& message) {
  std::cerr << "qorda-ls: " << message << "\nTry 'qorda-ls --help'.\n";
  return kExitUsage;
}

// The host type of saved listings: AUTO refined by the greeting and then the
// SYST reply, as a client refines it. Each detector keeps a type other than
// AUTO, so the greeting, read first, wins.
int32_t DetectHostType(const Options& options) {
  int32_t id = HOST_TYPE_BASE;
  const char* reason = "AUTO: nothing detected";
  if (!options.greeting.empty()) {
    const int32_t detected = QORDA_DoAutoCheck(options.greeting.c_str(), id);
    if (detected != id) reason = "detected from the greeting";
    id = detected;
  }
  if (!options.syst.empty()) {
    const int32_t detected = QORDA_DetectFromSystString(options.syst.c_str(), id);
    if (detected != id) reason = "detected from the SYST reply";
    id = detected;
  }
  std::cerr << "qorda-ls: host type " << qorda::ls::DescribeHostType(id) << " (" << reason << ")\n";
  return id;
}

int ListHostTypes(const Options& options) {
  std::printf("%-8s  %-4s  %-10s  %s\n", "POSITION", "ID", "MASK", "NAME");
  for (const auto& item : qorda::ls::ListHostTypes(options.filter)) {
    std::printf("%-8d  %-4d  0x%08x  %s\n", item.position, item.hostTypeId, item.mask,
                item.name.c_str());
  }
  return 0;
}

int Decode(const Options& options, std::optional<int32_t> givenHostType) {
  std::unique_ptr<qorda::ls::NameConverter> names;
  try {
    names = std::make_unique<qorda::ls::NameConverter>(options.encoding);
  } catch (const std::invalid_argument& error) {
    return UsageError(error.what());
  }
  qorda::ls::DecodeSettings settings{givenHostType.value_or(HOST_TYPE_BASE),
                                     options.currentDirectory, options.datasetPrefix,
                                     options.format, options.all};
  qorda::ls::OutputBuffer out{stdout, {}};
  qorda::ls::AppendHeading(options.format, out.text);

  std::vector<std::string> inputs = options.inputs;
  if (inputs.empty()) inputs.push_back("-");
  std::optional<int32_t> fileHostType = givenHostType;
  int status = 0;
  for (const std::string& input : inputs) {
    if (qorda::ls::IsServerUrl(input)) {
      qorda::ls::LiveSettings live = options.live;
      live.url = input;
      const int liveStatus = qorda::ls::DecodeLiveListing(live, settings, *names, out);
      if (liveStatus != 0) status = liveStatus;
      continue;
    }
    if (!fileHostType) fileHostType = DetectHostType(options);
    settings.hostTypeId = *fileHostType;
    if (input == "-") {
      qorda::ls::DecodeListing(std::cin, "-", settings, *names, out);
      continue;
    }
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      out.Flush();
      std::cerr << "qorda-ls: " << input << ": " << std::strerror(errno) << '\n';
      if (status == 0) status = kExitUnreadableInput;
      continue;
    }
    qorda::ls::DecodeListing(file, input, settings, *names, out);
    if (file.bad()) {
      out.Flush();
      std::cerr << "qorda-ls: " << input << ": read error\n";
      if (status == 0) status = kExitUnreadableInput;
    }
  }
  out.Flush();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  Options options;
  CLI::App app{
      "Decodes FTP directory listings line by line, as an FTP client using qordahosts does, and "
      "prints one row per entry. Inputs are LIST replies saved as text, or a server's URL "
      "(ftp://[user[:password]@]host[:port]/path/, ftps://...) to list it live.",
      "qorda-ls"};
  app.set_version_flag("--version", "qorda-ls " QORDA_VERSION);
  app.add_option("inputs", options.inputs,
                 "Listing files or server URLs; standard input when none or '-'");
  app.add_option("-t,--host-type", options.hostType,
                 "Host type by display name (case-insensitive) or id, e.g. \"VMS MultiNet\" or "
                 "6012; default AUTO, refined by --greeting and --syst or by the server");
  app.add_option("--greeting", options.greeting, "The server's greeting, to detect the host type");
  app.add_option("--syst", options.syst, "The server's reply to SYST, to detect the host type");
  app.add_option("--cwd", options.currentDirectory, "Current remote directory (IBM mainframes)");
  app.add_option("--prefix", options.datasetPrefix, "Data set prefix (IBM mainframes)");
  std::string formatName = "table";
  app.add_option("-f,--format", formatName, "Output: table (default), json (JSON Lines), csv")
      ->transform(CLI::IsMember({"table", "json", "csv"}, CLI::ignore_case));
  app.add_flag("-a,--all", options.all, "Also show the lines that are no entry, marked");
  app.add_option("--encoding", options.encoding,
                 "Code page of the names (any iconv name: cp1252, cp437, latin1, ebcdic-us...); "
                 "default: UTF-8 when valid, else cp1252");
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
                   "Seconds any network wait may last (default 30)")
      ->check(CLI::PositiveNumber);
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
  std::optional<int32_t> givenHostType;
  if (!options.hostType.empty()) {
    givenHostType = qorda::ls::HostTypeFromArgument(options.hostType);
    if (!givenHostType) {
      std::string message = "unknown host type '" + options.hostType + "'; closest names:";
      for (const std::string& name : qorda::ls::ClosestHostTypeNames(options.hostType, 5)) {
        message += "\n  " + name;
      }
      return UsageError(message);
    }
    std::cerr << "qorda-ls: host type " << qorda::ls::DescribeHostType(*givenHostType)
              << " (from --host-type)\n";
    options.live.hostType = options.hostType;
  }
  return Decode(options, givenHostType);
}
