// The library's time record (UTC, civil fields) and milliseconds since the
// Unix epoch, without the C library's thread-unsafe calendar functions.
#ifndef CEF_RUNTIME_BASE_CIVIL_TIME_H_
#define CEF_RUNTIME_BASE_CIVIL_TIME_H_

#include <stdint.h>

#include "include/capi/cef_records_capi.h"

namespace cefrt {

// Proleptic Gregorian; before 1970 as well.
cef_time_t TimeFromUnixMs(int64_t ms);
// 0 for a record whose month or day is out of range; the other fields are
// taken as they are, so an overflowing hour carries into the next day.
double UnixMsFromTime(const cef_time_t& t);
// Now, from the system clock.
cef_time_t TimeNow();

}  // namespace cefrt

#endif  // CEF_RUNTIME_BASE_CIVIL_TIME_H_
