#include <windows.h>

#include "shell/platform.h"

namespace platform {

ScreenSize PrimaryScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void DebugLine(const std::wstring& text) {
  OutputDebugStringW((text + L"\n").c_str());
}

void SetWindowTitle(cef_window_handle_t window, const std::wstring& title) {
  SetWindowTextW(static_cast<HWND>(window), title.c_str());
}

void ShowNotice(const std::wstring& caption, const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_SYSTEMMODAL);
}

}  // namespace platform
