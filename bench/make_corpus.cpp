// Writes a generated listing to standard output, one line per line, CR LF
// as servers send it:  qorda-make-corpus <dialect> <lines> [seed]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "corpus.h"

int main(int argc, char** argv) {
  using namespace qorda::bench;
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: qorda-make-corpus <dialect> <lines> [seed]\ndialects:");
    for (const DialectInfo& dialect : Dialects()) std::fprintf(stderr, " %s", dialect.name);
    std::fprintf(stderr, "\n");
    return 2;
  }
  for (const DialectInfo& dialect : Dialects()) {
    if (std::strcmp(dialect.name, argv[1]) != 0) continue;
    int lines = std::atoi(argv[2]);
    uint64_t seed = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : 1;
    // Made in slices, so that a million lines need little memory.
    constexpr int kSlice = 10000;
    for (int done = 0; done < lines; done += kSlice) {
      int count = lines - done < kSlice ? lines - done : kSlice;
      for (const std::string& line : MakeListing(dialect.dialect, count, seed + done)) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputs("\r\n", stdout);
      }
    }
    return 0;
  }
  std::fprintf(stderr, "qorda-make-corpus: unknown dialect '%s'\n", argv[1]);
  return 2;
}
