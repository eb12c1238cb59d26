#include "runtime/base/log.h"

#include <stdio.h>
#include <string.h>

#include <atomic>
#include <mutex>
#include <string>

#include "include/capi/cef_entry_capi.h"

namespace cefrt {

namespace {

std::atomic<int> g_min_severity{LOGSEVERITY_INFO};

std::mutex& OutputMutex() {
  static std::mutex mutex;
  return mutex;
}

const char* SeverityName(int severity) {
  switch (severity) {
    case LOGSEVERITY_VERBOSE:
      return "VERBOSE";
    case LOGSEVERITY_DEFAULT:
    case LOGSEVERITY_INFO:
      return "INFO";
    case LOGSEVERITY_WARNING:
      return "WARNING";
    case LOGSEVERITY_ERROR:
      return "ERROR";
    default:
      return severity < 0 ? "VERBOSE" : "FATAL";
  }
}

// A message below every named level (negative: verbose detail) ranks as
// VERBOSE, one above them as ERROR, so filtering stays monotonic.
int Rank(int severity) {
  if (severity == LOGSEVERITY_DEFAULT)
    return LOGSEVERITY_INFO;
  if (severity < LOGSEVERITY_VERBOSE)
    return LOGSEVERITY_VERBOSE;
  if (severity > LOGSEVERITY_ERROR)
    return LOGSEVERITY_ERROR;
  return severity;
}

const char* BaseName(const char* file) {
  const char* base = file;
  for (const char* p = file; *p; ++p) {
    if (*p == '/' || *p == '\\')
      base = p + 1;
  }
  return base;
}

}  // namespace

void SetMinLogSeverity(int severity) {
  g_min_severity = severity == LOGSEVERITY_DEFAULT ? LOGSEVERITY_INFO
                                                    : severity;
}

void Log(const char* file, int line, int severity, const std::string& text) {
  cef_log(file, line, severity, text.c_str());
}

}  // namespace cefrt

void cef_log(const char* file, int line, int severity, const char* message) {
  const int min = cefrt::g_min_severity.load();
  if (min == LOGSEVERITY_DISABLE || cefrt::Rank(severity) < min)
    return;
  std::string out = "[";
  out += cefrt::SeverityName(severity);
  out += ':';
  out += cefrt::BaseName(file ? file : "");
  out += '(';
  out += std::to_string(line);
  out += ")] ";
  if (message) {
    size_t len = strlen(message);
    // Callers often end the text with a line break; the line gets exactly one.
    while (len && (message[len - 1] == '\n' || message[len - 1] == '\r'))
      --len;
    out.append(message, len);
  }
  out += '\n';
  std::lock_guard<std::mutex> lock(cefrt::OutputMutex());
  fwrite(out.data(), 1, out.size(), stderr);
  fflush(stderr);
}

int cef_get_min_log_level(void) {
  return cefrt::g_min_severity.load();
}

int cef_get_vlog_level(const char* file_start, size_t N) {
  // No per-module verbose levels are configurable in this runtime.
  (void)file_start;
  (void)N;
  return 0;
}
