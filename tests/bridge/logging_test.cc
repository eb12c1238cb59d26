// Log entries and, whatever the build, the checks as a debug build has them.
#define CEF_DCHECK_IS_ON 1

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

#include "include/cef_logging.h"
#include "tests/fake/fake_library.h"

namespace {

// The thread's last-error value, read and set without the code under test.
uint32_t NativeLastError() {
#if defined(_WIN32)
  return GetLastError();
#else
  return static_cast<uint32_t>(errno);
#endif
}

void SetNativeLastError(uint32_t value) {
#if defined(_WIN32)
  SetLastError(value);
#else
  errno = static_cast<int>(value);
#endif
}

// A code no system has a message for.
constexpr uint32_t kUnknownCode = 0xabcde;

class LoggingTest : public fake::LibraryTest {
 protected:
  const std::vector<fake::LogLine>& Log() { return fake::State().log; }
  // The one line logged so far.
  fake::LogLine Logged() {
    EXPECT_EQ(Log().size(), 1u);
    return Log().empty() ? fake::LogLine{} : Log().back();
  }
};

TEST_F(LoggingTest, AnEntryGoesToTheLibrarysLogWithALineBreak) {
  {
    LogEntry entry("dir/unit.cc", 42, 2);
    entry.stream() << "window " << 7 << " of " << 9;
    EXPECT_TRUE(Log().empty()) << "nothing before the entry ends";
  }
  const fake::LogLine line = Logged();
  EXPECT_EQ(line.file, "dir/unit.cc");
  EXPECT_EQ(line.line, 42);
  EXPECT_EQ(line.severity, 2);
  EXPECT_EQ(line.text, "window 7 of 9\n");
}

TEST_F(LoggingTest, AFailedComparisonShowsBothValues) {
  struct Case {
    int first;
    int second;
    const char* expression;
    const char* text;
  };
  const Case cases[] = {
      {1, 2, "a == b", "a == b (1 vs. 2)"},
      {-7, 0, "count >= 0", "count >= 0 (-7 vs. 0)"},
      {2147483647, -2147483647 - 1, "x < y",
       "x < y (2147483647 vs. -2147483648)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string* text = CheckOpText(c.first, c.second, c.expression);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(*text, c.text);
    fake::State().log.clear();
    { LogEntry entry("unit.cc", 3, text); }
    const fake::LogLine line = Logged();
    EXPECT_EQ(line.text, std::string("Check failed: ") + c.text + "\n");
    EXPECT_EQ(line.severity, 3) << "a check's default severity";
  }
  fake::State().log.clear();
  { LogEntry entry("unit.cc", 4, 1, CheckOpText(1, 2, "a == b")); }
  EXPECT_EQ(Logged().severity, 1);
}

TEST_F(LoggingTest, TheLastErrorSurvivesEveryEntryEvenWhenTheLibraryChangesIt) {
  fake::State().last_error_after_log = 5;
  // The fake does change it, so the guard has something to undo.
  SetNativeLastError(1234);
  cef_log("unit.cc", 1, 1, "direct");
  EXPECT_EQ(NativeLastError(), 5u);

  SetNativeLastError(1234);
  { LogEntry("unit.cc", 1, 1).stream() << "plain"; }
  const uint32_t after_plain = NativeLastError();
  SetNativeLastError(1234);
  { LogEntry("unit.cc", 2, new std::string("ready")).stream() << "check"; }
  const uint32_t after_check = NativeLastError();
  // Looking up the system's text touches the last error too.
  SetNativeLastError(1234);
  { SystemErrorLogEntry("unit.cc", 3, 1, kUnknownCode).stream() << "system"; }
  const uint32_t after_system = NativeLastError();
  SetNativeLastError(1234);
  { LogEntry("unit.cc", 4, 1).stream() << L"wide \u00e9"; }
  const uint32_t after_wide = NativeLastError();

  EXPECT_EQ(after_plain, 1234u);
  EXPECT_EQ(after_check, 1234u);
  EXPECT_EQ(after_system, 1234u);
  EXPECT_EQ(after_wide, 1234u);
  EXPECT_EQ(Log().size(), 5u);
}

TEST_F(LoggingTest, SystemErrorTextOfAKnownCode) {
  const std::string text = SystemErrorText(2);
#if defined(_WIN32)
  const std::string suffix = " (0x2)";
  ASSERT_GT(text.size(), suffix.size());
  EXPECT_EQ(text.substr(text.size() - suffix.size()), suffix);
  std::string message = text.substr(0, text.size() - suffix.size());
  EXPECT_EQ(message.find_first_of(" \t\n\v\f\r"), std::string::npos) << text;
  for (char& c : message)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_NE(message.find("file"), std::string::npos)
      << "the system's words for a missing file: " << text;
#else
  EXPECT_EQ(text, "Nosuchfileordirectory (0x2)");
#endif
}

TEST_F(LoggingTest, SystemErrorTextOfAnUnknownCodeNamesWhyThereIsNone) {
#if defined(_WIN32)
  const char* why = "13d";  // ERROR_MR_MID_NOT_FOUND
#else
  const char* why = "16";  // EINVAL
#endif
  EXPECT_EQ(
      SystemErrorText(kUnknownCode),
      std::string("Error (0x") + why + ") while retrieving error. (0xabcde)");
}

TEST_F(LoggingTest, ASystemErrorEntryEndsWithTheSystemsText) {
  { SystemErrorLogEntry("unit.cc", 9, 4, kUnknownCode).stream() << "cache"; }
  const fake::LogLine line = Logged();
  EXPECT_EQ(line.text, "cache: " + SystemErrorText(kUnknownCode) + "\n");
  EXPECT_EQ(line.file, "unit.cc");
  EXPECT_EQ(line.line, 9);
  EXPECT_EQ(line.severity, 4);
}

TEST_F(LoggingTest, WideTextArrivesAsUtf8) {
  struct Case {
    const char* name;
    std::wstring wide;
    std::string narrow;
  };
  const Case cases[] = {
      {"empty", L"", ""},
      {"ASCII", L"plain", "plain"},
      {"two- and three-byte forms", L"\u00e9 \u4e0b\u8f7d",
       "\xc3\xa9 \xe4\xb8\x8b\xe8\xbd\xbd"},
      {"beyond the basic plane", L"\U0001F600", "\xf0\x9f\x98\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::State().log.clear();
    {
      LogEntry entry("unit.cc", 1, 1);
      entry.stream() << "[" << c.wide.c_str() << "|" << c.wide << "]";
    }
    EXPECT_EQ(Logged().text, "[" + c.narrow + "|" + c.narrow + "]\n");
  }
  fake::State().log.clear();
  const wchar_t* none = nullptr;
  { LogEntry("unit.cc", 1, 1).stream() << "[" << none << "]"; }
  EXPECT_EQ(Logged().text, "[]\n");
}

// Code in a namespace with an operator<< of its own, which hides every one
// at global scope from it.
namespace own_inserter {

struct Point {
  int x, y;
};
std::ostream& operator<<(std::ostream& out, const Point& point) {
  return out << point.x << "," << point.y;
}

TEST_F(LoggingTest, WideTextArrivesAsUtf8WhereANamespaceHasItsOwnInserter) {
  typedef decltype(std::declval<LogEntry&>().stream()) Stream;
  wchar_t writable[] = L"\u00e9t\u00e9";
  const wchar_t* const constant = L"\u4e0b\u8f7d";
  const std::wstring owned = L"\U0001F600";
  struct Case {
    const char* name;
    std::function<void(Stream)> write;
    std::string text;
  };
  const Case cases[] = {
      {"a literal", [](Stream out) { out << L"\u00e9t\u00e9"; },
       "\xc3\xa9t\xc3\xa9"},
      {"after narrow text", [&](Stream out) { out << "[" << constant << "]"; },
       "[\xe4\xb8\x8b\xe8\xbd\xbd]"},
      {"a writable array", [&](Stream out) { out << writable; },
       "\xc3\xa9t\xc3\xa9"},
      {"a writable pointer",
       [&](Stream out) {
         wchar_t* pointer = writable;
         out << pointer;
       },
       "\xc3\xa9t\xc3\xa9"},
      {"after a number and this namespace's own",
       [&](Stream out) { out << 7 << " " << Point{1, 2} << " " << constant; },
       "7 1,2 \xe4\xb8\x8b\xe8\xbd\xbd"},
      {"a wide string", [&](Stream out) { out << owned << "!"; },
       "\xf0\x9f\x98\x80!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::State().log.clear();
    {
      LogEntry entry("unit.cc", 1, 1);
      c.write(entry.stream());
    }
    EXPECT_EQ(Logged().text, c.text + "\n");
  }
}

}  // namespace own_inserter

// ---------------------------------------------------------------------------
// The checks, switched on.

class DebugChecksTest : public LoggingTest {
 protected:
  // Counts how often check operands and streamed values are evaluated.
  int Touch(int value) {
    ++touched_;
    return value;
  }
  int touched_ = 0;
};

TEST_F(DebugChecksTest, AFailedCheckLogsItsConditionWhereItStands) {
  int value = 2;
  const int line = __LINE__ + 1;
  CEF_DCHECK(value == 3) << ": value is " << value;
  const fake::LogLine logged = Logged();
  EXPECT_EQ(logged.text, "Check failed: value == 3: value is 2\n");
  EXPECT_EQ(logged.file, __FILE__);
  EXPECT_EQ(logged.line, line);
  EXPECT_EQ(logged.severity, 3);
}

TEST_F(DebugChecksTest, ComparisonsLogTheirOperandsOnlyWhenTheyFail) {
  const int one = 1;
  const int two = 2;
  struct Case {
    const char* name;
    std::function<void()> check;
    const char* failure;  // null: the check holds
  };
  const Case cases[] = {
      {"EQ fails", [&] { CEF_DCHECK_EQ(one, two); }, "one == two (1 vs. 2)"},
      {"EQ holds", [&] { CEF_DCHECK_EQ(one, one); }, nullptr},
      {"NE fails", [&] { CEF_DCHECK_NE(two, two); }, "two != two (2 vs. 2)"},
      {"NE holds", [&] { CEF_DCHECK_NE(one, two); }, nullptr},
      {"LT fails", [&] { CEF_DCHECK_LT(two, one); }, "two < one (2 vs. 1)"},
      {"LT holds", [&] { CEF_DCHECK_LT(one, two); }, nullptr},
      {"LE fails", [&] { CEF_DCHECK_LE(two, one); }, "two <= one (2 vs. 1)"},
      {"LE holds", [&] { CEF_DCHECK_LE(two, two); }, nullptr},
      {"GT fails", [&] { CEF_DCHECK_GT(one, one); }, "one > one (1 vs. 1)"},
      {"GT holds", [&] { CEF_DCHECK_GT(two, one); }, nullptr},
      {"GE fails", [&] { CEF_DCHECK_GE(one, two); }, "one >= two (1 vs. 2)"},
      {"GE holds", [&] { CEF_DCHECK_GE(one, one); }, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::State().log.clear();
    c.check();
    if (!c.failure) {
      EXPECT_TRUE(Log().empty());
      continue;
    }
    const fake::LogLine logged = Logged();
    EXPECT_EQ(logged.text, std::string("Check failed: ") + c.failure + "\n");
    EXPECT_EQ(logged.severity, 3);
  }
}

TEST_F(DebugChecksTest, OperandsRunOnceAndStreamedValuesOnlyOnFailure) {
  CEF_DCHECK(Touch(1) == 1) << Touch(0);
  CEF_DCHECK_EQ(Touch(1), Touch(1)) << Touch(0);
  EXPECT_EQ(touched_, 3);
  EXPECT_TRUE(Log().empty());

  touched_ = 0;
  CEF_DCHECK(Touch(1) == 2) << Touch(0);
  CEF_DCHECK_EQ(Touch(1), Touch(2)) << Touch(0);
  EXPECT_EQ(touched_, 5);
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[1].text, "Check failed: Touch(1) == Touch(2) (1 vs. 2)0\n");
}

TEST_F(DebugChecksTest, AnElseAfterACheckBelongsToTheCallersIf) {
  bool else_ran = false;
  const bool never = false;
  if (never)
    CEF_DCHECK(never);
  else
    else_ran = true;
  EXPECT_TRUE(else_ran);
  else_ran = false;
  if (never)
    CEF_DCHECK_EQ(1, 2);
  else
    else_ran = true;
  EXPECT_TRUE(else_ran);
  EXPECT_TRUE(Log().empty());
}

TEST_F(DebugChecksTest, LogsAndSystemErrorLogs) {
  CEF_DLOG(2) << "loaded " << 3;
  SetNativeLastError(kUnknownCode);
  CEF_DPLOG(4) << "opening";
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].text, "loaded 3\n");
  EXPECT_EQ(Log()[0].severity, 2);
  EXPECT_EQ(Log()[1].text, "opening: " + SystemErrorText(kUnknownCode) + "\n");
  EXPECT_EQ(Log()[1].severity, 4);
}

}  // namespace
