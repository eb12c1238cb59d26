// The whole life of the process, shared by the Windows and the other entry
// points.
#ifndef SHELL_ENTRY_H_
#define SHELL_ENTRY_H_

#include "include/cef_records.h"

namespace shell {

// Exit codes of a browser process that could not start. A sub-process exits
// with the library's code instead.
constexpr int kExitApiMismatch = 3;
constexpr int kExitInitializeFailed = 4;
// The library would not open the window.
constexpr int kExitBrowserRefused = 5;

// The cache directory and locale handed to the library.
constexpr char kCachePath[] = ".//cache_back";
constexpr char kLocale[] = "zh-CN";

int Run(const CefMainArgs& args);

}  // namespace shell

#endif  // SHELL_ENTRY_H_
