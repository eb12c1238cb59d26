#include "include/cef_logging.h"

#include <cwchar>
#include <memory>

#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_string_capi.h"
#include "libcef_dll/logging_system.h"

namespace {

// The C locale's white space, whatever locale the program has chosen; bytes
// above 127 are never white space here.
bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string Hex(uint32_t value) {
  std::ostringstream out;
  out << std::hex << value;
  return out.str();
}

}  // namespace

LogEntry::LogEntry(const char* file, int line, int severity)
    : severity_(severity), file_(file), line_(line) {}

LogEntry::LogEntry(const char* file, int line, int severity,
                   std::string* check_text)
    : LogEntry(file, line, severity) {
  const std::unique_ptr<std::string> text(check_text);
  stream_ << "Check failed: ";
  if (text) stream_ << *text;
}

LogEntry::LogEntry(const char* file, int line, std::string* check_text)
    : LogEntry(file, line, kCheckSeverity, check_text) {}

LogEntry::~LogEntry() {
  stream_ << std::endl;
  const std::string text = stream_.str();
  cef_log(file_, line_, severity_, text.c_str());
}

SystemErrorLogEntry::SystemErrorLogEntry(const char* file, int line,
                                         int severity, uint32_t code)
    : code_(code), entry_(file, line, severity) {}

SystemErrorLogEntry::~SystemErrorLogEntry() {
  entry_.stream() << ": " << SystemErrorText(code_);
}

std::string SystemErrorText(uint32_t code) {
  std::string message;
  uint32_t retrieval_error = 0;
  if (!cef_logging::SystemMessage(code, &message, &retrieval_error)) {
    return "Error (0x" + Hex(retrieval_error) +
           ") while retrieving error. (0x" + Hex(code) + ")";
  }
  std::string text;
  for (char c : message) {
    if (!IsWhiteSpace(c)) text += c;
  }
  return text + " (0x" + Hex(code) + ")";
}

std::string* CheckOpText(int first, int second, const char* expression) {
  std::ostringstream out;
  out << expression << " (" << first << " vs. " << second << ")";
  return new std::string(out.str());
}

void cef_logging::WriteWide(std::ostream& out, const wchar_t* text) {
  if (!text) return;
  cef_string_utf8_t utf8 = {};
  cef_string_wide_to_utf8(text, std::wcslen(text), &utf8);
  // An empty text may leave the record without a buffer.
  if (utf8.str && utf8.length) out.write(utf8.str, utf8.length);
  cef_string_utf8_clear(&utf8);
}
