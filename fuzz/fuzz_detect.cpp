// The two detectors on any server text and any current host type: each
// answers its current type or one of the ids its table lists, and only
// reads the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "qordahosts.h"

using namespace qorda;
using namespace qorda::fuzzing;

namespace {

// The results of the SYST reply table, in id order.
constexpr int32_t kSystResults[] = {
    6001, 6003, 6004, 6006, 6010, 6011, 6012, 6013, 6015, 6016, 6017, 6018,
    6019, 6022, 6026, 6030, 6031, 6032, 6035, 6037, 6038, 6039, 6040, 6041,
    6043, 6045, 6047, 6049, 6054, 6055, 6062, 6065, 6068, 6069, 6070,
};

// The results of the greeting table, in id order.
constexpr int32_t kGreetingResults[] = {
    6001, 6003, 6005, 6008, 6009, 6019, 6021, 6023, 6024, 6025, 6027, 6028,
    6029, 6033, 6034, 6035, 6038, 6040, 6041, 6043, 6045, 6046, 6047, 6048,
    6049, 6052, 6053, 6055, 6057, 6058, 6060, 6063, 6065, 6066, 6068, 6070,
};

template <std::size_t N>
bool Lists(const int32_t (&results)[N], int32_t id) {
  return std::binary_search(results, results + N, id);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Mostly AUTO and 0, the types for which the tables run at all.
  int32_t currentType = data[0] < 96 ? HOST_AUTO : data[0] < 128 ? 0 : HostTypeFromByte(data[0]);
  std::string original(reinterpret_cast<const char*>(data + 1), size - 1);
  original.resize(std::strlen(original.c_str()));
  std::unique_ptr<char[]> text(new char[original.size() + 1]);
  std::memcpy(text.get(), original.c_str(), original.size() + 1);

  int32_t fromSyst = QORDA_DetectFromSystString(text.get(), currentType);
  if (fromSyst != currentType && !Lists(kSystResults, fromSyst)) {
    Fail("the SYST detector answered an id its table does not list", original);
  }
  int32_t fromGreeting = QORDA_DoAutoCheck(text.get(), currentType);
  if (fromGreeting != currentType && !Lists(kGreetingResults, fromGreeting)) {
    Fail("the greeting detector answered an id its table does not list", original);
  }
  if (original != text.get()) Fail("a detector wrote to the text", original);

  // A null text reads as empty: nothing matches.
  if (QORDA_DetectFromSystString(nullptr, currentType) != currentType ||
      QORDA_DoAutoCheck(nullptr, currentType) != currentType) {
    Fail("a null text did not give back the current type", original);
  }
  return 0;
}
