#include <windows.h>

#include "shell/platform.h"

namespace platform {

ScreenSize PrimaryScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void DebugLine(const std::wstring& text) {
  OutputDebugStringW((text + L"\n").c_str());
}

}  // namespace platform
