// The application object: adds the shell's switches and opens its window.
#ifndef SHELL_SHELL_APP_H_
#define SHELL_SHELL_APP_H_

#include "include/cef_app.h"
#include "include/cef_command_line.h"

namespace shell {

// The page the window opens. The host is chosen when the program is built.
const char* StartUrl();

class ShellApp : public CefApp, public CefBrowserProcessHandler {
 public:
  void OnBeforeCommandLineProcessing(
      const CefString& process_type,
      CefRefPtr<CefCommandLine> command_line) override;
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    return this;
  }
  void OnContextInitialized() override;

  // True when the library refused the window: the loop has been told to end,
  // and nothing else would ever end it.
  bool browser_refused() const { return browser_refused_; }

 private:
  bool browser_refused_ = false;
  IMPLEMENT_REFCOUNTING(ShellApp);
};

}  // namespace shell

#endif  // SHELL_SHELL_APP_H_
