#include "runtime/base/civil_time.h"

#include <chrono>

namespace cefrt {

namespace {

constexpr int64_t kMsPerDay = 86400000;

// Days from 1970-01-01 of a civil date, and back.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

cef_time_t TimeFromUnixMs(int64_t ms) {
  cef_time_t t = {};
  int64_t days = ms >= 0 ? ms / kMsPerDay : (ms - (kMsPerDay - 1)) / kMsPerDay;
  const int64_t in_day = ms - days * kMsPerDay;
  t.hour = static_cast<int>(in_day / 3600000);
  t.minute = static_cast<int>(in_day / 60000 % 60);
  t.second = static_cast<int>(in_day / 1000 % 60);
  t.millisecond = static_cast<int>(in_day % 1000);
  t.day_of_week = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01: Thu
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t doe = days - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  t.year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  t.month = static_cast<int>(m);
  t.day_of_month = static_cast<int>(d);
  return t;
}

double UnixMsFromTime(const cef_time_t& t) {
  if (t.month < 1 || t.month > 12 || t.day_of_month < 1 || t.day_of_month > 31)
    return 0;
  const int64_t days = DaysFromCivil(t.year, t.month, t.day_of_month);
  return static_cast<double>(days) * 86400000.0 + t.hour * 3600000.0 +
         t.minute * 60000.0 + t.second * 1000.0 + t.millisecond;
}

cef_time_t TimeNow() {
  using namespace std::chrono;
  return TimeFromUnixMs(
      duration_cast<milliseconds>(system_clock::now().time_since_epoch())
          .count());
}

}  // namespace cefrt
