#include "platform/clock.h"

#include <ctime>

namespace qorda {
namespace {

// A fixed date set by tests; year 0 means "read the clock".
LocalDate fixedDateForTesting = {0, 0};

// The last conversion to local time, kept per thread. Converting is far
// dearer than reading the seconds (it consults the time zone), and a long
// listing asks once per line, so the date is converted again only when the
// second changes.
struct ClockCache {
  std::time_t second = -1;
  LocalDate date = {0, 0};
};
thread_local ClockCache clockCache;

LocalDate ConvertToLocalDate(std::time_t now) {
  std::tm local{};
#if defined(_WIN32)
  __time64_t now64 = now;
  if (const std::tm* converted = _localtime64(&now64)) local = *converted;
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1};
}

std::time_t ReadSeconds() {
#if defined(_WIN32)
  return static_cast<std::time_t>(_time64(nullptr));
#else
  return std::time(nullptr);
#endif
}

}  // namespace

LocalDate CurrentLocalDate() {
  if (fixedDateForTesting.year != 0) return fixedDateForTesting;
  std::time_t now = ReadSeconds();
  if (now != clockCache.second) {
    clockCache.date = ConvertToLocalDate(now);
    clockCache.second = now;
  }
  return clockCache.date;
}

void SetClockForTesting(LocalDate date) {
  fixedDateForTesting = date;
}
void ResetClockForTesting() {
  fixedDateForTesting = {0, 0};
}

}  // namespace qorda
