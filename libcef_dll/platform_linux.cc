#include <X11/Xlib.h>

#include <cstdio>
#include <string>

#include "libcef_dll/platform.h"

namespace bridge_platform {

ScreenSize PrimaryScreenSize() {
  // Without a display there is no screen to cover; a common laptop size keeps
  // the window usable wherever it ends up.
  ScreenSize size = {1280, 800};
  if (Display* display = XOpenDisplay(nullptr)) {
    const int screen = DefaultScreen(display);
    size = {DisplayWidth(display, screen), DisplayHeight(display, screen)};
    XCloseDisplay(display);
  }
  return size;
}

void DebugLine(const std::wstring& text) {
  std::fprintf(stderr, "%ls\n", text.c_str());
  std::fflush(stderr);
}

}  // namespace bridge_platform
