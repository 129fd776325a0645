// The guess over whatever a server or a saved file holds: the result keeps
// its promises (every candidate once, counts within the sample, AUTO exactly
// when nothing convinces), the caller's bytes and the decoder's listing
// state are left as they were, and the same bytes give the same result.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "decode/decode_line.h"
#include "fuzz_support.h"
#include "guess/guess.h"
#include "qordahosts_guess.h"

using namespace qorda::fuzzing;

namespace {

void CheckCandidate(const QORDA_GuessCandidate& candidate, const QORDA_GuessResult& result,
                    const std::string& text) {
  if (candidate.score < 0 || candidate.score > 1000) Fail("score outside 0 to 1000", text);
  if (candidate.linesTried > result.linesSampled || candidate.entries > candidate.linesTried ||
      candidate.linesRead > candidate.linesTried || candidate.entries < 0 ||
      candidate.linesRead < 0) {
    Fail("counts beyond the lines tried", text);
  }
}

void CheckResult(const QORDA_GuessResult& result, int32_t currentType, std::size_t size,
                 const std::string& text) {
  if (result.linesSampled > QORDA_GUESS_MAX_LINES || result.bytesSampled < 0 ||
      static_cast<std::size_t>(result.bytesSampled) > size ||
      result.bytesSampled > QORDA_GUESS_MAX_BYTES) {
    Fail("sampled beyond the bounds", text);
  }
  if ((result.verdict == QORDA_GUESS_NONE) != (result.hostTypeId == HOST_AUTO)) {
    Fail("AUTO without the verdict none, or the other way round", text);
  }
  if (result.verdict != QORDA_GUESS_NONE && result.hostTypeId != result.candidates[0].hostTypeId) {
    Fail("the guess is not the first candidate", text);
  }
  if (result.current.hostTypeId != currentType) Fail("current is another host type", text);
  std::set<int32_t> seen;
  for (int i = 0; i < result.candidateCount; ++i) {
    const QORDA_GuessCandidate& candidate = result.candidates[i];
    if (!seen.insert(candidate.hostTypeId).second) Fail("a candidate twice", text);
    if (candidate.sameRecordsAs != 0 && seen.count(candidate.sameRecordsAs) == 0) {
      Fail("the same records as a candidate ranked after it", text);
    }
    CheckCandidate(candidate, result, text);
  }
  if (result.candidateCount < 1 || result.tiedCount >= result.candidateCount ||
      result.runnerUp >= result.candidateCount) {
    Fail("ranking out of range", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  FixClock();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int32_t currentType = HostTypeFromByte(data[0]);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  // The bytes sit in a block of exactly their size: a read past them is seen.
  std::unique_ptr<char[]> bytes(new char[text.size()]);
  std::memcpy(bytes.get(), text.data(), text.size());
  const qorda::ListingState state = qorda::gListingState;

  QORDA_GuessResult result, again;
  qorda::guess::GuessHostType(bytes.get(), text.size(), currentType, result);
  CheckResult(result, currentType, text.size(), text);
  qorda::guess::GuessHostType(bytes.get(), text.size(), currentType, again);
  if (std::memcmp(&result, &again, sizeof result) != 0)
    Fail("another result the second time", text);
  if (std::memcmp(bytes.get(), text.data(), text.size()) != 0) Fail("the bytes were written", text);
  if (std::memcmp(&state, &qorda::gListingState, sizeof state) != 0) {
    Fail("the decoder's listing state was touched", text);
  }
  return 0;
}
