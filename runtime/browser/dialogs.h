// The page's dialogs as the program sees them: the questions put to the
// client's JavaScript-dialog and file-dialog handlers, and the callbacks it
// answers through. A platform view asks; the answer comes back to it once,
// on the UI thread.
#ifndef CEF_RUNTIME_BROWSER_DIALOGS_H_
#define CEF_RUNTIME_BROWSER_DIALOGS_H_

#include <functional>
#include <string>
#include <vector>

#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "runtime/browser/browser.h"

namespace cefrt {

// Runs on the UI thread, once: with the program's answer, or with
// (false, empty) when the program drops its callback unanswered, so that no
// page waits forever on a forgotten dialog. Never inside the handler's call.
using JsDialogAnswer =
    std::function<void(bool success, const std::u16string& input)>;
// `chosen` false for a cancel; the paths as the program gave them.
using FileDialogAnswer =
    std::function<void(bool chosen, const std::vector<std::u16string>& paths)>;

enum class DialogDecision {
  kProgram,     // the program answers through the callback
  kSuppressed,  // no dialog: the page gets the default answer
  kEngine,      // the engine shows its own dialog
};

struct JsDialogQuestion {
  cef_jsdialog_type_t type = JSDIALOGTYPE_ALERT;
  std::u16string origin_url;
  std::u16string message;
  std::u16string default_prompt;
};

DialogDecision AskJsDialog(Browser* browser, const JsDialogQuestion& question,
                           JsDialogAnswer answer);
// kProgram or kEngine.
DialogDecision AskBeforeUnload(Browser* browser, const std::u16string& message,
                               bool is_reload, JsDialogAnswer answer);
void NotifyResetDialogState(Browser* browser);
void NotifyDialogClosed(Browser* browser);

// kProgram or kEngine.
DialogDecision AskFileDialog(Browser* browser, cef_file_dialog_mode_t mode,
                             const std::vector<std::u16string>& accept_filters,
                             FileDialogAnswer answer);

}  // namespace cefrt

#endif  // CEF_RUNTIME_BROWSER_DIALOGS_H_
