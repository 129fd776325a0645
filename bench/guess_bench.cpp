// One guess of the host type over a listing's first 64 lines, as a client
// makes it once per listing before decoding: per dialect of the generated
// corpus, and for text that is no listing. The time column is one guess.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "corpus.h"
#include "guess/guess.h"
#include "qordahosts_guess.h"

namespace qorda::bench {
namespace {

std::string Listing(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void Measure(benchmark::State& state, const std::string& text, int32_t expected) {
  QORDA_GuessResult result;
  for (auto _ : state) {
    guess::GuessHostType(text.data(), text.size(), HOST_AUTO, result);
    benchmark::DoNotOptimize(result);
  }
  if (result.hostTypeId != expected) state.SkipWithError("guessed another host type");
  state.counters["lines"] = result.linesSampled;
}

void GuessDialect(benchmark::State& state, const DialectInfo& dialect) {
  Measure(state, Listing(MakeListing(dialect.dialect, QORDA_GUESS_MAX_LINES, kBenchSeed)),
          dialect.hostTypeId);
}

// Lines of prose, as many as a listing's sample.
void GuessText(benchmark::State& state) {
  std::vector<std::string> lines;
  for (int i = 0; i < QORDA_GUESS_MAX_LINES; ++i) {
    lines.push_back("It was the best of times, it was the worst of times, line " +
                    std::to_string(i) + ".");
  }
  Measure(state, Listing(lines), HOST_AUTO);
}

void RegisterAll() {
  for (const DialectInfo& dialect : Dialects()) {
    benchmark::RegisterBenchmark((std::string("Guess/") + dialect.name).c_str(), GuessDialect,
                                 dialect);
  }
  benchmark::RegisterBenchmark("Guess/prose", GuessText);
}

}  // namespace
}  // namespace qorda::bench

int main(int argc, char** argv) {
  qorda::bench::RegisterAll();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
