#include <windows.h>

#include "libcef_dll/platform.h"

namespace bridge_platform {

ScreenSize PrimaryScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void DebugLine(const std::wstring& text) {
  OutputDebugStringW((text + L"\n").c_str());
}

}  // namespace bridge_platform
