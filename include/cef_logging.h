// Diagnostics. The program keeps no log of its own: a LogEntry collects one
// message and hands it to the library's log (cef_log) when it goes out of
// scope. Logging never changes the thread's last-error value (GetLastError on
// Windows, errno elsewhere) that the code around it sees.
//
// The checks and logs below run only in debug builds. In release builds they
// are still compiled, so they cannot rot, but evaluate nothing, operands
// included, and log nothing. A translation unit may choose for itself by
// defining CEF_DCHECK_IS_ON to 0 or 1 before it includes this header.
#ifndef CEF_INCLUDE_CEF_LOGGING_H_
#define CEF_INCLUDE_CEF_LOGGING_H_

#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>

namespace cef_logging {

// The calling thread's last-error value.
uint32_t GetLastErrorValue();
void SetLastErrorValue(uint32_t value);

// Wide text into a narrow message, as UTF-8. Null inserts nothing.
void WriteWide(std::ostream& out, const wchar_t* text);

// A log entry's stream. A type of its own, so that the inserters below are
// found by argument-dependent lookup even from a namespace whose own
// operator<< hides every one at global scope; each gives the stream back as
// this type, so they are found all along a chain.
class Stream : public std::ostringstream {};

template <class T>
Stream& operator<<(Stream& out, const T& value) {
  // Left to the standard inserters, wide text would print as a pointer.
  if constexpr (std::is_convertible_v<const T&, const wchar_t*>)
    WriteWide(out, value);
  else if constexpr (std::is_same_v<T, std::wstring>)
    WriteWide(out, value.c_str());
  else
    static_cast<std::ostream&>(out) << value;
  return out;
}

// Manipulators such as std::endl, which no template argument can name.
inline Stream& operator<<(Stream& out,
                          std::ostream& (*manipulator)(std::ostream&)) {
  manipulator(out);
  return out;
}

}  // namespace cef_logging

// Puts the thread's last-error value back as it was at construction.
class LastErrorGuard {
 public:
  LastErrorGuard() : saved_(cef_logging::GetLastErrorValue()) {}
  ~LastErrorGuard() { cef_logging::SetLastErrorValue(saved_); }
  LastErrorGuard(const LastErrorGuard&) = delete;
  LastErrorGuard& operator=(const LastErrorGuard&) = delete;

 private:
  uint32_t saved_;
};

class LogEntry {
 public:
  // A failed check's severity unless it names one.
  static constexpr int kCheckSeverity = 3;

  LogEntry(const char* file, int line, int severity);
  // A failed check: the message starts with "Check failed: " and
  // `check_text`, a heap string that the entry takes over.
  LogEntry(const char* file, int line, int severity, std::string* check_text);
  LogEntry(const char* file, int line, std::string* check_text);
  // Ends the message with a line break and hands it to cef_log.
  ~LogEntry();
  LogEntry(const LogEntry&) = delete;
  LogEntry& operator=(const LogEntry&) = delete;

  cef_logging::Stream& stream() { return stream_; }

 private:
  // First member, so the value is saved before the stream's set-up can touch
  // it and restored after its tear-down has.
  LastErrorGuard saved_error_;
  int severity_;
  cef_logging::Stream stream_;
  const char* file_;
  int line_;
};

// A log entry that ends with ": " and the system's text for `code`.
class SystemErrorLogEntry {
 public:
  SystemErrorLogEntry(const char* file, int line, int severity, uint32_t code);
  ~SystemErrorLogEntry();
  SystemErrorLogEntry(const SystemErrorLogEntry&) = delete;
  SystemErrorLogEntry& operator=(const SystemErrorLogEntry&) = delete;

  cef_logging::Stream& stream() { return entry_.stream(); }

 private:
  uint32_t code_;
  LogEntry entry_;
};

// The system's message for `code` without any white space, then
// " (0x<code>)"; or, when the system has no message for it,
// "Error (0x<why>) while retrieving error. (0x<code>)". Hexadecimal in lower
// case.
std::string SystemErrorText(uint32_t code);

// "<expression> (<first> vs. <second>)", on the heap for LogEntry to take
// over.
std::string* CheckOpText(int first, int second, const char* expression);

namespace cef_logging {

// Comparison checks print their operands as ints; anything wider would be
// cut short, in the comparison as in the message.
template <class T>
constexpr bool kIsCheckOperand =
    std::is_integral_v<T> && !std::is_same_v<T, bool> &&
    (std::is_signed_v<T> ? sizeof(T) <= sizeof(int) : sizeof(T) < sizeof(int));

// Null when the comparison holds, else the failed check's text.
#define CEF_DEFINE_CHECK_OP_(name, op)                                       \
  template <class A, class B>                                                \
  std::string* Check##name(const A& first, const B& second,                  \
                           const char* expression) {                         \
    static_assert(kIsCheckOperand<A> && kIsCheckOperand<B>,                  \
                  "comparison checks take int operands; use CEF_DCHECK for " \
                  "other values");                                           \
    const int a = first;                                                     \
    const int b = second;                                                    \
    return a op b ? nullptr : CheckOpText(a, b, expression);                 \
  }
CEF_DEFINE_CHECK_OP_(EQ, ==)
CEF_DEFINE_CHECK_OP_(NE, !=)
CEF_DEFINE_CHECK_OP_(LT, <)
CEF_DEFINE_CHECK_OP_(LE, <=)
CEF_DEFINE_CHECK_OP_(GT, >)
CEF_DEFINE_CHECK_OP_(GE, >=)
#undef CEF_DEFINE_CHECK_OP_

}  // namespace cef_logging

#if !defined(CEF_DCHECK_IS_ON)
#if defined(NDEBUG)
#define CEF_DCHECK_IS_ON 0
#else
#define CEF_DCHECK_IS_ON 1
#endif
#endif

#if CEF_DCHECK_IS_ON
#define CEF_DCHECK_ENABLED_
#else
#define CEF_DCHECK_ENABLED_ while (false)
#endif

// Each is one statement that may be followed by more text:
//   CEF_DCHECK(ready) << ": no window yet";
// The `if ... {} else` shape keeps an `else` after the statement bound to the
// caller's `if`.
// clang-format off
#define CEF_DLOG(severity) \
  CEF_DCHECK_ENABLED_ ::LogEntry(__FILE__, __LINE__, (severity)).stream()

// Appends the system's text for the last-error value at this point.
#define CEF_DPLOG(severity)                                            \
  CEF_DCHECK_ENABLED_ ::SystemErrorLogEntry(                           \
      __FILE__, __LINE__, (severity),                                  \
      ::cef_logging::GetLastErrorValue()).stream()

#define CEF_DCHECK(condition)                                          \
  CEF_DCHECK_ENABLED_ if (condition) {} else                           \
    ::LogEntry(__FILE__, __LINE__, new std::string(#condition)).stream()

#define CEF_DCHECK_OP_(name, op, first, second)                        \
  CEF_DCHECK_ENABLED_ if (std::string* cef_check_text_ =               \
          ::cef_logging::Check##name((first), (second),                \
                                     #first " " #op " " #second);      \
      !cef_check_text_) {} else                                        \
    ::LogEntry(__FILE__, __LINE__, cef_check_text_).stream()
// clang-format on

#define CEF_DCHECK_EQ(first, second) CEF_DCHECK_OP_(EQ, ==, first, second)
#define CEF_DCHECK_NE(first, second) CEF_DCHECK_OP_(NE, !=, first, second)
#define CEF_DCHECK_LT(first, second) CEF_DCHECK_OP_(LT, <, first, second)
#define CEF_DCHECK_LE(first, second) CEF_DCHECK_OP_(LE, <=, first, second)
#define CEF_DCHECK_GT(first, second) CEF_DCHECK_OP_(GT, >, first, second)
#define CEF_DCHECK_GE(first, second) CEF_DCHECK_OP_(GE, >=, first, second)

#endif  // CEF_INCLUDE_CEF_LOGGING_H_
