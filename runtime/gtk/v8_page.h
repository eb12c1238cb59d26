// A browser's script contexts: one per main-frame document, announced by a
// script that runs at the document's start, with the program's
// render-process handler told when each is created and released, and the
// page's calls of the program's functions answered.
#ifndef CEF_RUNTIME_GTK_V8_PAGE_H_
#define CEF_RUNTIME_GTK_V8_PAGE_H_

#include <webkit2/webkit2.h>

#include <string>
#include <vector>

#include "runtime/base/counted.h"

typedef struct _cef_v8context_t cef_v8context_t;

namespace cefrt {

class GtkBrowser;
class V8Context;

class V8Page {
 public:
  V8Page(GtkBrowser* browser, WebKitWebView* view,
         WebKitUserContentManager* content);
  // Releases the current context, telling the program while it still runs.
  ~V8Page();
  V8Page(const V8Page&) = delete;
  V8Page& operator=(const V8Page&) = delete;

  // The current document's context with a new reference, or null.
  cef_v8context_t* Context();
  // The program bound a function by this name on the window: later
  // documents declare it before their own scripts run, and hold their calls
  // until the binding arrives.
  void NoteGlobal(const std::string& name);
  // The scripts anew, for documents still to come.
  void Reinstall() { InstallScript(); }

 private:
  void InstallScript();
  void RemoveScripts();
  void OnMessage(JSCValue* message, WebKitScriptMessageReply* reply);
  void OnCreated(const std::string& document);
  void OnCall(JSCValue* message, WebKitScriptMessageReply* reply);
  void ReleaseContext();

  GtkBrowser* const browser_;
  WebKitWebView* const view_;
  WebKitUserContentManager* const content_;
  std::vector<WebKitUserScript*> scripts_;
  std::vector<std::string> globals_;
  Ref<V8Context> context_;
  unsigned load_ = 0;          // loads started so far
  unsigned context_load_ = 0;  // the load the context's document came from
};

// Lets go of the program's extensions and of page calls still waiting, at
// shut-down.
void ShutdownScripts();

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_V8_PAGE_H_
