// The page's script dialogs and file chooser put to the program's handlers:
// WebKit's request is held while the program answers, and finished from
// the answer; without a handler WebKit shows its own.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/base/function_task.h"
#include "runtime/base/text.h"
#include "runtime/base/url.h"
#include "runtime/browser/dialogs.h"
#include "runtime/gtk/gtk_browser.h"

namespace cefrt {

namespace {

constexpr const char kHeldKey[] = "cefrt-held-dialogs";

struct HeldList;

// One of WebKit's requests the program took on, until it answers or the
// view goes.
struct Held {
  HeldList* list = nullptr;
  bool open = true;
  // While the handler is still being asked, WebKit's request must not be
  // finished (it is inside its own signal): an answer then waits here.
  bool asking = true;
  std::function<void()> late;
  // Gives the page the default answer and lets WebKit's request go.
  std::function<void()> drop;
  // Lets it go unanswered, for WebKit to finish.
  std::function<void()> release;
};

// The view's held requests; they all get the default answer when the view
// goes, however long the program keeps their callbacks.
struct HeldList {
  std::vector<std::shared_ptr<Held>> held;

  void Forget(Held* h) {
    for (auto it = held.begin(); it != held.end(); ++it) {
      if (it->get() == h) {
        held.erase(it);
        return;
      }
    }
  }
  void DropAll() {
    std::vector<std::shared_ptr<Held>> all;
    all.swap(held);
    for (const std::shared_ptr<Held>& h : all) {
      if (h->open) {
        h->open = false;
        h->late = nullptr;
        h->drop();
      }
    }
  }
};

HeldList* HeldListOf(WebKitWebView* view) {
  return static_cast<HeldList*>(g_object_get_data(G_OBJECT(view), kHeldKey));
}

std::shared_ptr<Held> Hold(WebKitWebView* view, std::function<void()> drop,
                           std::function<void()> release) {
  auto held = std::make_shared<Held>();
  held->list = HeldListOf(view);
  held->drop = std::move(drop);
  held->release = std::move(release);
  held->list->held.push_back(held);
  return held;
}

// Finishes the request with the program's answer, once.
void Finish(const std::shared_ptr<Held>& held, std::function<void()> finish) {
  if (!held->open)
    return;
  if (held->asking) {
    if (!held->late)
      held->late = std::move(finish);
    return;
  }
  held->open = false;
  held->list->Forget(held.get());
  finish();
}

// After the handler's answer to whether the program takes the request: true
// when it does (or already answered).
bool Settle(const std::shared_ptr<Held>& held, bool taken) {
  held->asking = false;
  if (held->late) {
    std::function<void()> late = std::move(held->late);
    held->late = nullptr;
    PostToUi([held, late = std::move(late)]() mutable {
      Finish(held, std::move(late));
    });
    return true;
  }
  if (taken)
    return true;
  if (held->open) {
    held->open = false;
    held->list->Forget(held.get());
    held->release();
  }
  return false;
}

std::u16string OriginOf(WebKitWebView* view) {
  const gchar* uri = webkit_web_view_get_uri(view);
  Url url;
  if (!uri || !ParseUrl(uri, &url))
    return std::u16string();
  const std::string origin = HostOrigin(url);
  return Utf8ToU16(origin.empty() ? std::string() : origin + "/");
}

void FinishScriptDialog(WebKitScriptDialog* dialog, bool success,
                        const std::u16string& input) {
  switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_CONFIRM:
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:  // confirmed: leave
      webkit_script_dialog_confirm_set_confirmed(dialog, success);
      break;
    case WEBKIT_SCRIPT_DIALOG_PROMPT:
      // Left unset, the page's prompt() gives null.
      if (success)
        webkit_script_dialog_prompt_set_text(dialog,
                                             U16ToUtf8(input).c_str());
      break;
    default:
      break;
  }
  webkit_script_dialog_close(dialog);
  webkit_script_dialog_unref(dialog);
}

gboolean OnScriptDialog(WebKitWebView* view, WebKitScriptDialog* dialog,
                        gpointer data) {
  GtkBrowser* browser = static_cast<GtkBrowser*>(data);
  Ref<Browser> keep(browser);
  webkit_script_dialog_ref(dialog);
  std::shared_ptr<Held> held = Hold(
      view, [dialog] { FinishScriptDialog(dialog, false, std::u16string()); },
      [dialog] { webkit_script_dialog_unref(dialog); });
  JsDialogAnswer answer = [held, dialog, keep](bool success,
                                               const std::u16string& input) {
    Finish(held, [dialog, keep, success, input] {
      FinishScriptDialog(dialog, success, input);
      NotifyDialogClosed(keep.get());
    });
  };
  const WebKitScriptDialogType type =
      webkit_script_dialog_get_dialog_type(dialog);
  const gchar* message = webkit_script_dialog_get_message(dialog);
  DialogDecision decision;
  if (type == WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM) {
    // WebKit does not say whether a reload is what would unload the page.
    decision = AskBeforeUnload(browser, Utf8ToU16(message ? message : ""),
                               false, std::move(answer));
  } else {
    JsDialogQuestion question;
    question.type = type == WEBKIT_SCRIPT_DIALOG_CONFIRM ? JSDIALOGTYPE_CONFIRM
                    : type == WEBKIT_SCRIPT_DIALOG_PROMPT
                        ? JSDIALOGTYPE_PROMPT
                        : JSDIALOGTYPE_ALERT;
    question.origin_url = OriginOf(view);
    question.message = Utf8ToU16(message ? message : "");
    if (type == WEBKIT_SCRIPT_DIALOG_PROMPT) {
      const gchar* text = webkit_script_dialog_prompt_get_default_text(dialog);
      question.default_prompt = Utf8ToU16(text ? text : "");
    }
    decision = AskJsDialog(browser, question, std::move(answer));
  }
  if (Settle(held, decision == DialogDecision::kProgram))
    return TRUE;
  // Not held, WebKit's request ends with the signal: with the default
  // answer when suppressed, else after WebKit's own dialog.
  return decision == DialogDecision::kSuppressed ? TRUE : FALSE;
}

void FinishFileChooser(WebKitFileChooserRequest* request, bool chosen,
                       const std::vector<std::u16string>& paths) {
  std::vector<std::string> files;
  for (const std::u16string& path : paths)
    files.push_back(U16ToUtf8(path));
  if (!webkit_file_chooser_request_get_select_multiple(request) &&
      files.size() > 1)
    files.resize(1);
  if (chosen && !files.empty()) {
    std::vector<const gchar*> list;
    for (const std::string& file : files)
      list.push_back(file.c_str());
    list.push_back(nullptr);
    webkit_file_chooser_request_select_files(request, list.data());
  } else {
    webkit_file_chooser_request_cancel(request);
  }
  g_object_unref(request);
}

gboolean OnRunFileChooser(WebKitWebView* view,
                          WebKitFileChooserRequest* request, gpointer data) {
  GtkBrowser* browser = static_cast<GtkBrowser*>(data);
  g_object_ref(request);
  std::shared_ptr<Held> held = Hold(
      view, [request] { FinishFileChooser(request, false, {}); },
      [request] { g_object_unref(request); });
  std::vector<std::u16string> filters;
  if (const gchar* const* types =
          webkit_file_chooser_request_get_mime_types(request)) {
    for (; *types; ++types)
      filters.push_back(Utf8ToU16(*types));
  }
  const DialogDecision decision = AskFileDialog(
      browser,
      webkit_file_chooser_request_get_select_multiple(request)
          ? FILE_DIALOG_OPEN_MULTIPLE
          : FILE_DIALOG_OPEN,
      filters,
      [held, request](bool chosen, const std::vector<std::u16string>& paths) {
        Finish(held, [request, chosen, paths] {
          FinishFileChooser(request, chosen, paths);
        });
      });
  if (Settle(held, decision == DialogDecision::kProgram))
    return TRUE;
  return FALSE;  // WebKit's own chooser
}

}  // namespace

void ConnectDialogs(GtkBrowser* browser, WebKitWebView* view) {
  // Outlives the browser's own signal handlers (which go with the browser's
  // end): the held requests are answered when the view itself goes.
  HeldList* list = new HeldList();
  g_object_set_data_full(G_OBJECT(view), kHeldKey, list, +[](gpointer p) {
    delete static_cast<HeldList*>(p);
  });
  g_signal_connect(view, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer p) {
                     static_cast<HeldList*>(p)->DropAll();
                   }),
                   list);
  g_signal_connect(view, "script-dialog", G_CALLBACK(OnScriptDialog), browser);
  g_signal_connect(view, "run-file-chooser", G_CALLBACK(OnRunFileChooser),
                   browser);
  g_signal_connect(view, "load-changed",
                   G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent event,
                                  gpointer data) {
                     if (event == WEBKIT_LOAD_STARTED)
                       NotifyResetDialogState(static_cast<GtkBrowser*>(data));
                   }),
                   browser);
}

}  // namespace cefrt
