#include "tests/shell/fake_platform.h"

namespace fake_platform {

Calls& State() {
  static Calls calls;
  return calls;
}

void Reset() { State() = Calls(); }

}  // namespace fake_platform

namespace bridge_platform {

ScreenSize PrimaryScreenSize() { return fake_platform::State().screen; }

void DebugLine(const std::wstring& text) {
  fake_platform::State().debug_lines.push_back(text);
}

}  // namespace bridge_platform

namespace platform {

void SetWindowTitle(cef_window_handle_t window, const std::wstring& title) {
  fake_platform::State().titles.emplace_back(window, title);
}

void ShowNotice(const std::wstring& caption, const std::wstring& text) {
  fake_platform::State().notices.emplace_back(caption, text);
}

}  // namespace platform
