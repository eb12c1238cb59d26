// What each system's file gives the diagnostics, besides the last-error
// value.
#ifndef CEF_LIBCEF_DLL_LOGGING_SYSTEM_H_
#define CEF_LIBCEF_DLL_LOGGING_SYSTEM_H_

#include <cstdint>
#include <string>

namespace cef_logging {

// The system's message for `code`, as the system words it; or false, with
// the error that kept it from being retrieved in `retrieval_error`.
bool SystemMessage(uint32_t code, std::string* message,
                   uint32_t* retrieval_error);

}  // namespace cef_logging

#endif  // CEF_LIBCEF_DLL_LOGGING_SYSTEM_H_
