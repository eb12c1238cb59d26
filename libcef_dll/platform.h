// The few operating-system calls the bridge itself makes, one implementation
// file per system. The program shares them for its own debug lines.
#ifndef CEF_LIBCEF_DLL_PLATFORM_H_
#define CEF_LIBCEF_DLL_PLATFORM_H_

#include <string>

namespace bridge_platform {

struct ScreenSize {
  int width;
  int height;
};

// The primary screen's size in pixels.
ScreenSize PrimaryScreenSize();

// One line for an attached debugger (Windows) or the error stream.
void DebugLine(const std::wstring& text);

}  // namespace bridge_platform

#endif  // CEF_LIBCEF_DLL_PLATFORM_H_
