// qorda-ls against the decoder alone on the same listing, in the same run:
//   qorda-ls-bench <qorda-ls> <listing> [rounds] [host type id]
// Each round decodes the listing in memory through QORDA_DecodeLine, then
// runs qorda-ls once per format with its output to /dev/null; the report
// gives each format's median time, its ratio to the decoder's median, the
// spread of the per-round ratios and qorda-ls's peak resident memory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "qordahosts.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

// The listing's lines, each zero-terminated in one block, as a client
// holds them before it decodes them.
struct Listing {
  std::string bytes;
  std::vector<size_t> lineStarts;
};

Listing ReadListing(const char* path) {
  Listing listing;
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  listing.bytes = text.str();
  size_t start = 0;
  for (size_t i = 0; i < listing.bytes.size(); ++i) {
    if (listing.bytes[i] != '\n') continue;
    listing.bytes[i] = '\0';
    listing.lineStarts.push_back(start);
    start = i + 1;
  }
  return listing;
}

double DecodeAlone(const Listing& listing, int32_t hostTypeId) {
  ListingEntry entry;
  int64_t names = 0;
  const auto started = Clock::now();
  for (const size_t start : listing.lineStarts) {
    names += QORDA_DecodeLine(&entry, listing.bytes.data() + start, hostTypeId, "", "");
  }
  const double seconds = Seconds(Clock::now() - started);
  if (names == 0) std::fprintf(stderr, "qorda-ls-bench: no line decoded to an entry\n");
  return seconds;
}

struct ProcessRun {
  double seconds;
  long peakKiB;
};

ProcessRun RunQordaLs(const char* qordaLs, const char* listing, const char* format,
                      const std::string& hostType) {
  const auto started = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    execl(qordaLs, qordaLs, "-t", hostType.c_str(), "-f", format, listing, nullptr);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double seconds = Seconds(Clock::now() - started);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "qorda-ls-bench: qorda-ls -f %s failed\n", format);
    std::exit(1);
  }
  return {seconds, usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) {
    std::fprintf(stderr, "usage: qorda-ls-bench <qorda-ls> <listing> [rounds] [host type id]\n");
    return 2;
  }
  const char* qordaLs = argv[1];
  const char* path = argv[2];
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  const std::string hostType = argc > 4 ? argv[4] : "6010";
  constexpr const char* kFormats[] = {"json", "csv", "table"};
  // A first, untimed run of each format warms the page cache and gives the
  // peak memory, before this process holds the listing (a forked child
  // counts its parent's pages until it runs qorda-ls).
  std::vector<long> peaks(3);
  for (size_t format = 0; format < 3; ++format) {
    peaks[format] = RunQordaLs(qordaLs, path, kFormats[format], hostType).peakKiB;
  }
  const Listing listing = ReadListing(path);

  std::vector<double> decodeTimes;
  std::vector<std::vector<double>> formatTimes(3), ratios(3);
  for (int round = 0; round < rounds; ++round) {
    const double decoded = DecodeAlone(listing, std::atoi(hostType.c_str()));
    decodeTimes.push_back(decoded);
    for (size_t format = 0; format < 3; ++format) {
      const ProcessRun run = RunQordaLs(qordaLs, path, kFormats[format], hostType);
      formatTimes[format].push_back(run.seconds);
      ratios[format].push_back(run.seconds / decoded);
    }
  }
  const double decodeMedian = Median(decodeTimes);
  std::printf("%zu lines, %d rounds; decoding alone: %.3f s (median)\n", listing.lineStarts.size(),
              rounds, decodeMedian);
  std::printf("%-7s %9s %9s %19s %12s\n", "format", "seconds", "x_decode", "x_decode per round",
              "peak MiB");
  for (size_t format = 0; format < 3; ++format) {
    const auto [low, high] = std::minmax_element(ratios[format].begin(), ratios[format].end());
    std::printf("%-7s %9.3f %9.2f %9.2f to %6.2f %12.1f\n", kFormats[format],
                Median(formatTimes[format]), Median(formatTimes[format]) / decodeMedian, *low,
                *high, static_cast<double>(peaks[format]) / 1024);
  }
  return 0;
}
