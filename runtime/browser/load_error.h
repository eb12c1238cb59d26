// The library's network error codes as text, for views that report their
// own load failures.
#ifndef CEF_RUNTIME_LOAD_ERROR_H_
#define CEF_RUNTIME_LOAD_ERROR_H_

#include <string>

namespace cefrt {

// "net::ERR_CONNECTION_REFUSED" for -102; "net::ERR_FAILED" for codes
// without a name of their own.
std::string NetErrorText(int code);

// How long a main-frame load may take before it ends in ERR_TIMED_OUT:
// 30 seconds, or CEFRT_LOAD_TIMEOUT_MS when that is shorter.
unsigned LoadTimeoutMs();

}  // namespace cefrt

#endif  // CEF_RUNTIME_LOAD_ERROR_H_
