// The runtime's own diagnostics go through the same sink as cef_log.
#ifndef CEF_RUNTIME_LOG_H_
#define CEF_RUNTIME_LOG_H_

#include <string>

#include "include/capi/cef_types_capi.h"

namespace cefrt {

// Lowest cef_log_severity_t that is written; LOGSEVERITY_DEFAULT restores
// the default (INFO).
void SetMinLogSeverity(int severity);

void Log(const char* file, int line, int severity, const std::string& text);

}  // namespace cefrt

#define CEFRT_LOG(severity, text) \
  ::cefrt::Log(__FILE__, __LINE__, (severity), (text))

#endif  // CEF_RUNTIME_LOG_H_
