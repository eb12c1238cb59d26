// The few operating-system calls the program makes, one implementation file
// per system.
#ifndef SHELL_PLATFORM_H_
#define SHELL_PLATFORM_H_

#include <string>

#include "include/capi/cef_types_capi.h"

namespace platform {

struct ScreenSize {
  int width;
  int height;
};

// The primary screen's size in pixels.
ScreenSize PrimaryScreenSize();

// One line for an attached debugger (Windows) or the error stream.
void DebugLine(const std::wstring& text);

// The title of a browser's top-level window, as the library hands it out.
void SetWindowTitle(cef_window_handle_t window, const std::wstring& title);

// A modal notice with an OK button, owned by no window; returns once it is
// dismissed.
void ShowNotice(const std::wstring& caption, const std::wstring& text);

}  // namespace platform

#endif  // SHELL_PLATFORM_H_
