// The operating-system calls of the program and of the bridge, recorded
// instead of made.
#ifndef TESTS_SHELL_FAKE_PLATFORM_H_
#define TESTS_SHELL_FAKE_PLATFORM_H_

#include <string>
#include <utility>
#include <vector>

#include "libcef_dll/platform.h"
#include "shell/platform.h"

namespace fake_platform {

struct Calls {
  bridge_platform::ScreenSize screen = {1600, 900};
  std::vector<std::pair<cef_window_handle_t, std::wstring>> titles;
  std::vector<std::pair<std::wstring, std::wstring>> notices;
  std::vector<std::wstring> debug_lines;
};

Calls& State();
void Reset();

}  // namespace fake_platform

#endif  // TESTS_SHELL_FAKE_PLATFORM_H_
