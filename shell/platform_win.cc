#include <windows.h>

#include "shell/platform.h"

namespace platform {

void SetWindowTitle(cef_window_handle_t window, const std::wstring& title) {
  SetWindowTextW(static_cast<HWND>(window), title.c_str());
}

void ShowNotice(const std::wstring& caption, const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_SYSTEMMODAL);
}

}  // namespace platform
