// The operating-system calls that only the program makes, one implementation
// file per system. The screen size and the debug line are the bridge's
// (libcef_dll/platform.h).
#ifndef SHELL_PLATFORM_H_
#define SHELL_PLATFORM_H_

#include <string>

#include "include/capi/cef_types_capi.h"

namespace platform {

// The title of a browser's top-level window, as the library hands it out.
void SetWindowTitle(cef_window_handle_t window, const std::wstring& title);

// A modal notice with an OK button, owned by no window; returns once it is
// dismissed.
void ShowNotice(const std::wstring& caption, const std::wstring& text);

}  // namespace platform

#endif  // SHELL_PLATFORM_H_
