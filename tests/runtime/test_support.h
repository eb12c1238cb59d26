// Shared fixtures: strings from literals and a counted task.
#ifndef CEF_TESTS_RUNTIME_TEST_SUPPORT_H_
#define CEF_TESTS_RUNTIME_TEST_SUPPORT_H_

#include <stdlib.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_string_capi.h"
#include "include/capi/cef_task_capi.h"

namespace rt_test {

// Initialises the runtime so that a leak at shut-down ends the process; true
// when the runtime started.
inline bool InitializeStrict() {
#if defined(_WIN32)
  _putenv_s("CEFRT_STRICT_SHUTDOWN", "1");
#else
  setenv("CEFRT_STRICT_SHUTDOWN", "1", 1);
#endif
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  settings.no_sandbox = 1;
  return cef_initialize(nullptr, &settings, nullptr, nullptr) == 1;
}

// Owns one cef_string_t for the duration of a test.
class Str {
 public:
  Str() = default;
  explicit Str(const std::u16string& text) { Set(text); }
  explicit Str(const char* utf8) {
    cef_string_utf8_to_utf16(utf8, std::char_traits<char>::length(utf8), &s_);
  }
  ~Str() { cef_string_utf16_clear(&s_); }
  Str(const Str&) = delete;
  Str& operator=(const Str&) = delete;

  void Set(const std::u16string& text) {
    std::vector<char16> units(text.begin(), text.end());
    cef_string_utf16_set(units.data(), units.size(), &s_, 1);
  }
  cef_string_t* get() { return &s_; }
  std::u16string text() const { return Text(&s_); }

  static std::u16string Text(const cef_string_t* s) {
    if (!s || !s->str)
      return std::u16string();
    return std::u16string(s->str, s->str + s->length);
  }

 private:
  cef_string_t s_ = {};
};

// Reads and frees a caller-owned result; null reads as "<null>".
inline std::u16string TakeUserFree(cef_string_userfree_t s) {
  if (!s)
    return u"<null>";
  std::u16string text = Str::Text(s);
  cef_string_userfree_utf16_free(s);
  return text;
}

// A task that counts how often the runtime executes and releases it. The
// test keeps the object alive; the runtime owns exactly one reference.
struct CountedTask {
  cef_task_t task = {};
  std::atomic<int> refs{1};
  std::atomic<int> runs{0};
  std::atomic<int> releases{0};
  std::atomic<bool> on_ui{false};
  std::thread::id ran_on;
  std::function<void()> body;

  explicit CountedTask(std::function<void()> fn = nullptr)
      : body(std::move(fn)) {
    task.base.size = sizeof(cef_task_t);
    task.base.add_ref = &AddRef;
    task.base.release = &Release;
    task.base.has_one_ref = &HasOneRef;
    task.execute = &Execute;
  }
  cef_task_t* get() { return &task; }

  static CountedTask* From(void* p) { return static_cast<CountedTask*>(p); }
  static void CEF_CALLBACK AddRef(cef_base_t* self) { ++From(self)->refs; }
  static int CEF_CALLBACK Release(cef_base_t* self) {
    CountedTask* t = From(self);
    ++t->releases;
    return --t->refs == 0;
  }
  static int CEF_CALLBACK HasOneRef(cef_base_t* self) {
    return From(self)->refs == 1;
  }
  static void CEF_CALLBACK Execute(cef_task_t* self) {
    CountedTask* t = From(self);
    t->ran_on = std::this_thread::get_id();
    t->on_ui = cef_currently_on(TID_UI) != 0;
    ++t->runs;
    if (t->body)
      t->body();
  }
};

// A bare counted structure standing in for the application object.
struct CountedRef {
  cef_base_t base = {};
  std::atomic<int> releases{0};
  CountedRef() {
    base.size = sizeof(cef_base_t);
    base.add_ref = &AddRef;
    base.release = &Release;
    base.has_one_ref = &HasOneRef;
  }
  static void CEF_CALLBACK AddRef(cef_base_t*) {}
  static int CEF_CALLBACK Release(cef_base_t* self) {
    ++reinterpret_cast<CountedRef*>(self)->releases;
    return 1;
  }
  static int CEF_CALLBACK HasOneRef(cef_base_t*) { return 1; }
  struct _cef_app_t* app() { return reinterpret_cast<struct _cef_app_t*>(this); }
};

}  // namespace rt_test

#endif  // CEF_TESTS_RUNTIME_TEST_SUPPORT_H_
