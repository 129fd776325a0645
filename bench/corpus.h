// Realistic listings for the benchmarks, made by a seeded generator so that
// every run measures the same lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qorda::bench {

// The seed of the corpora that the benchmarks time.
inline constexpr uint64_t kBenchSeed = 20260612;

enum class Dialect { Unix, DosIis, Mlsd, Vms, Mvs, As400, VmCms, Tandem, Os2 };

struct DialectInfo {
  Dialect dialect;
  const char* name;  // as the benchmarks and qorda-make-corpus name it
  int32_t hostTypeId;
};

// Every dialect the generator writes, with the host type that decodes it.
const std::vector<DialectInfo>& Dialects();

// Which dates a Unix listing shows: both, as a real one does, or only one kind.
enum class UnixDates { Mixed, TimeOfDay, Year };

// lineCount lines of the dialect, without line ends. The same seed gives
// the same lines on every machine.
std::vector<std::string> MakeListing(Dialect dialect, int lineCount, uint64_t seed,
                                     UnixDates dates = UnixDates::Mixed);

// A Unix line of exactly the given length: its name is padded or cut.
std::string MakeUnixLineOfLength(int length, uint64_t seed);

}  // namespace qorda::bench
