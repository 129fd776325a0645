// How much each dialect costs per line against the floor: the work no
// decoder of this record can avoid (clear it, copy and trim the line, copy
// its last word into the name). Each decode benchmark times the floor over
// the same lines in the same iterations, so the ratio x_floor stays steady
// on a noisy machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "corpus.h"
#include "decode/decode_line.h"
#include "qordahosts.h"

namespace qorda::bench {
namespace {

constexpr int kLinesPerListing = 1000;

bool IsTrailingSpace(char c) {
  return c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

// Kept out of line, as the decoder is a call into another translation unit.
[[gnu::noinline]] int32_t DecodeFloor(ListingEntry* entry, const char* line) {
  ClearRecord(*entry);  // as the decoder clears it, the fastest way known
  char copy[512];
  std::size_t length = strnlen(line, 511);
  std::memcpy(copy, line, length);
  while (length > 0 && IsTrailingSpace(copy[length - 1])) --length;
  copy[length] = '\0';
  const char* blank = std::strrchr(copy, ' ');
  std::size_t start = blank == nullptr ? 0 : static_cast<std::size_t>(blank - copy) + 1;
  std::memcpy(entry->name, copy + start, length - start + 1);
  return static_cast<int32_t>(length - start);
}

struct Pass {
  const std::vector<std::string>* lines;
  int32_t hostTypeId;  // 0 with floor set
  bool floor;
};

double Run(const Pass& pass) {
  ListingEntry entry;
  int32_t total = 0;
  auto start = std::chrono::steady_clock::now();
  for (const std::string& line : *pass.lines) {
    total += pass.floor ? DecodeFloor(&entry, line.c_str())
                        : QORDA_DecodeLine(&entry, line.c_str(), pass.hostTypeId, "", "");
    benchmark::DoNotOptimize(entry);
  }
  auto end = std::chrono::steady_clock::now();
  benchmark::DoNotOptimize(total);
  return std::chrono::duration<double>(end - start).count();
}

// Times the measured pass as the benchmark's own time and the reference
// pass beside it; reports ns per line for both and their ratio.
void MeasureAgainst(benchmark::State& state, const Pass& measured, const Pass& reference,
                    const char* ratioName) {
  double measuredSeconds = 0, referenceSeconds = 0;
  for (auto _ : state) {
    double seconds = Run(measured);
    referenceSeconds += Run(reference);
    measuredSeconds += seconds;
    state.SetIterationTime(seconds);
  }
  double lines = static_cast<double>(state.iterations()) * measured.lines->size();
  state.SetItemsProcessed(static_cast<int64_t>(lines));
  state.counters["ns_per_line"] = measuredSeconds * 1e9 / lines;
  state.counters["ref_ns_per_line"] = referenceSeconds * 1e9 / lines;
  state.counters[ratioName] = measuredSeconds / referenceSeconds;
}

void DecodeDialect(benchmark::State& state, const DialectInfo& dialect) {
  std::vector<std::string> lines = MakeListing(dialect.dialect, kLinesPerListing, kBenchSeed);
  MeasureAgainst(state, {&lines, dialect.hostTypeId, false}, {&lines, 0, true}, "x_floor");
}

void FloorDialect(benchmark::State& state, const DialectInfo& dialect) {
  std::vector<std::string> lines = MakeListing(dialect.dialect, kLinesPerListing, kBenchSeed);
  MeasureAgainst(state, {&lines, 0, true}, {&lines, 0, true}, "x_floor");
}

// Cost against line length: 40 to 511 characters, and 4 kB lines that the
// decoder cuts to 511.
void DecodeLineLength(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < kLinesPerListing; ++i) {
    lines.push_back(MakeUnixLineOfLength(static_cast<int>(state.range(0)), kBenchSeed + i));
  }
  MeasureAgainst(state, {&lines, HOST_UNIX_STANDARD, false}, {&lines, 0, true}, "x_floor");
}

// The clock: every line shows a time of day (the year comes from the current
// date) against every line showing its year.
void DecodeTimeOfDayAgainstYear(benchmark::State& state) {
  std::vector<std::string> timeOfDay =
      MakeListing(Dialect::Unix, kLinesPerListing, kBenchSeed, UnixDates::TimeOfDay);
  std::vector<std::string> year =
      MakeListing(Dialect::Unix, kLinesPerListing, kBenchSeed, UnixDates::Year);
  MeasureAgainst(state, {&timeOfDay, HOST_UNIX_STANDARD, false}, {&year, HOST_UNIX_STANDARD, false},
                 "x_year");
}

// A corpus whose lines its host type reads as something else measures the
// wrong work: nearly every line must decode to a named entry with a date.
bool CorporaDecodeAsTheirDialects() {
  bool allRead = true;
  for (const DialectInfo& dialect : Dialects()) {
    std::vector<std::string> lines = MakeListing(dialect.dialect, kLinesPerListing, kBenchSeed);
    int read = 0;
    for (const std::string& line : lines) {
      ListingEntry entry;
      if (QORDA_DecodeLine(&entry, line.c_str(), dialect.hostTypeId, "", "") > 0 &&
          entry.month != 0 && entry.day != 0) {
        ++read;
      }
    }
    if (read < static_cast<int>(lines.size()) * 9 / 10) {
      std::fprintf(stderr, "the %s corpus: only %d of %zu lines decode with a name and a date\n",
                   dialect.name, read, lines.size());
      allRead = false;
    }
  }
  return allRead;
}

void RegisterAll() {
  for (const DialectInfo& dialect : Dialects()) {
    benchmark::RegisterBenchmark((std::string("Decode/") + dialect.name).c_str(), DecodeDialect,
                                 dialect)
        ->UseManualTime();
  }
  for (const DialectInfo& dialect : Dialects()) {
    benchmark::RegisterBenchmark((std::string("Floor/") + dialect.name).c_str(), FloorDialect,
                                 dialect)
        ->UseManualTime();
  }
  benchmark::RegisterBenchmark("DecodeLineLength", DecodeLineLength)
      ->Arg(40)
      ->Arg(128)
      ->Arg(256)
      ->Arg(511)
      ->Arg(4096)
      ->UseManualTime();
  benchmark::RegisterBenchmark("UnixTimeOfDayAgainstYear", DecodeTimeOfDayAgainstYear)
      ->UseManualTime();
}

}  // namespace
}  // namespace qorda::bench

int main(int argc, char** argv) {
  if (!qorda::bench::CorporaDecodeAsTheirDialects()) return 1;
  qorda::bench::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
