// What the browsers of this process share: set up by cef_initialize from the
// settings and the command line, torn down by cef_shutdown.
#ifndef CEF_RUNTIME_BROWSER_ENV_H_
#define CEF_RUNTIME_BROWSER_ENV_H_

#include <string>

namespace cefrt {

struct BrowserEnvironment {
  std::u16string cache_path;  // absolute; empty keeps nothing on disk
  std::u16string locale;
  std::u16string accept_language_list;  // comma-separated; wins over locale
  std::u16string user_agent;
  bool disable_gpu = false;
  bool no_proxy = false;
  std::u16string proxy_server;  // "host:port" or a URL
};

// Both run on the UI thread.
void ConfigureBrowsers(const BrowserEnvironment& env);
// Closes the windows still open without asking their handlers and drops the
// runtime's references to them.
void ShutdownBrowsers();

}  // namespace cefrt

#endif  // CEF_RUNTIME_BROWSER_ENV_H_
