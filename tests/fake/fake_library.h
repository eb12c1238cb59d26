// A stand-in for the library's exports that records every call and answers
// with results a test sets. Its string and collection functions are the
// runtime's real ones.
#ifndef TESTS_FAKE_FAKE_LIBRARY_H_
#define TESTS_FAKE_FAKE_LIBRARY_H_

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "include/capi/cef_entry_capi.h"

namespace fake {

struct Call {
  std::string name;
  // String arguments as UTF-8, "<null>" for a null record; numbers as text.
  std::vector<std::string> args;
};

// One cef_log call.
struct LogLine {
  std::string file;
  int line;
  int severity;
  std::string text;
};

struct Library {
  std::string api_hash = CEF_API_HASH_PLATFORM;
  bool api_hash_null = false;
  // Integer results by function name; functions not listed answer 1, except
  // cef_execute_process, which answers -1 (the browser process).
  std::map<std::string, int> results;
  // Texts returned by value (or written to an out-parameter) by name.
  std::map<std::string, std::string> texts;
  std::vector<Call> calls;
  // What cef_initialize saw, read while the call was running.
  std::string seen_cache_path;
  std::string seen_locale;
  const cef_settings_t* seen_settings = nullptr;
  const cef_main_args_t* seen_args = nullptr;
  // Posted tasks that have not run yet, each holding the reference that came
  // with it.
  std::vector<struct _cef_task_t*> tasks;
  bool context_in_loop = false;
  // Observations a function makes about what it was given, by name.
  std::map<std::string, std::string> seen;
  // The application structure that cef_initialize was given, held until
  // cef_shutdown.
  struct _cef_app_t* app = nullptr;
  // What cef_log was given; it does not count as a call.
  std::vector<LogLine> log;
  // When set, cef_log leaves the thread's last-error value (GetLastError on
  // Windows, errno elsewhere) at this, as a library call may.
  std::optional<uint32_t> last_error_after_log;
};

Library& State();
// Drops pending tasks, then starts afresh.
void Reset();
// Runs the pending tasks in order, releasing each; or releases them unrun.
void RunPendingTasks();
void DropPendingTasks();
// For the creators in other files: records a call, and answers with the
// result set for `name`, or `fallback`.
void RecordCall(const std::string& name, std::vector<std::string> args);
int ResultFor(const std::string& name, int fallback);
// Records the call and answers a new library object, or null when the
// result set for `name` is 0.
template <class S>
S* Created(const std::string& name, std::vector<std::string> args = {});
int CallCount(const std::string& name);
const Call* LastCall(const std::string& name);

}  // namespace fake

#include "tests/fake/fake_objects.h"

namespace fake {

// A test against the fake library: its state starts and ends afresh, and no
// library object may be left referenced.
class LibraryTest : public LedgerTest {
 protected:
  void SetUp() override {
    LedgerTest::SetUp();
    Reset();
  }
  void TearDown() override {
    Reset();
    LedgerTest::TearDown();
  }
};

}  // namespace fake

template <class S>
S* fake::Created(const std::string& name, std::vector<std::string> args) {
  RecordCall(name, std::move(args));
  return ResultFor(name, 1) ? NewObject<S>() : nullptr;
}

#endif  // TESTS_FAKE_FAKE_LIBRARY_H_
