// A stand-in for the library's exports that records every call and answers
// with results a test sets. Its string and collection functions are the
// runtime's real ones.
#ifndef TESTS_FAKE_FAKE_LIBRARY_H_
#define TESTS_FAKE_FAKE_LIBRARY_H_

#include <map>
#include <string>
#include <vector>

#include "include/capi/cef_entry_capi.h"

namespace fake {

struct Call {
  std::string name;
  // String arguments as UTF-8, "<null>" for a null record; numbers as text.
  std::vector<std::string> args;
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
};

Library& State();
void Reset();
int CallCount(const std::string& name);
const Call* LastCall(const std::string& name);

}  // namespace fake

#endif  // TESTS_FAKE_FAKE_LIBRARY_H_
