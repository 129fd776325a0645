// The guess library's one export. The library carries its own copy of the
// decoder, linked in from the internal static library with hidden symbols,
// so that it depends on no internals of libqordahosts.
#include "guess/guess.h"
#include "qordahosts_guess.h"

extern "C" int32_t QORDA_CALL QORDA_GuessHostType(const char* bytes, size_t length,
                                                  int32_t currentType, QORDA_GuessResult* result) {
  if (result == nullptr) return HOST_AUTO;
  qorda::guess::GuessHostType(bytes, length, currentType, *result);
  return result->hostTypeId;
}
