// The few operating-system calls the program makes, one implementation file
// per system.
#ifndef SHELL_PLATFORM_H_
#define SHELL_PLATFORM_H_

#include <string>

namespace platform {

struct ScreenSize {
  int width;
  int height;
};

// The primary screen's size in pixels.
ScreenSize PrimaryScreenSize();

// One line for an attached debugger (Windows) or the error stream.
void DebugLine(const std::wstring& text);

}  // namespace platform

#endif  // SHELL_PLATFORM_H_
