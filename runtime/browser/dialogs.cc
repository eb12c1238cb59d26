#include "runtime/browser/dialogs.h"

#include <mutex>
#include <tuple>
#include <type_traits>
#include <utility>

#include "include/capi/cef_callbacks_capi.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

// An answer the program may give once, from any thread, now or much later;
// it reaches the view from the UI thread's loop. Dropped unanswered, it
// gives `fallback`.
template <class... Args>
class OnceOnUi {
 public:
  OnceOnUi(std::function<void(Args...)> fn, Args... fallback)
      : fn_(std::move(fn)), fallback_(std::move(fallback)...) {}
  ~OnceOnUi() {
    std::apply([this](const Args&... args) { Run(args...); }, fallback_);
  }
  OnceOnUi(const OnceOnUi&) = delete;
  OnceOnUi& operator=(const OnceOnUi&) = delete;

  void Run(Args... args) {
    std::function<void(Args...)> fn;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      fn.swap(fn_);
    }
    if (!fn)
      return;
    // Posted even from the UI thread: the view may still be inside the
    // engine's signal that asked.
    PostToUi([fn = std::move(fn), args = std::make_tuple(std::move(args)...)] {
      std::apply(fn, args);
    });
  }

 private:
  std::mutex mutex_;
  std::function<void(Args...)> fn_;
  const std::tuple<Args...> fallback_;
};

class JsDialogCallback : public CountedStruct<cef_jsdialog_callback_t> {
 public:
  explicit JsDialogCallback(JsDialogAnswer answer)
      : CountedStruct("cef_jsdialog_callback_t"),
        answer_(std::move(answer), false, std::u16string()) {
    s().cont = [](cef_jsdialog_callback_t* s, int success,
                  const cef_string_t* input) CEF_CALLBACK {
      if (JsDialogCallback* self = From<JsDialogCallback>(s))
        self->answer_.Run(success != 0, FromCef(input));
    };
  }

 private:
  ~JsDialogCallback() override = default;
  OnceOnUi<bool, std::u16string> answer_;
};

class FileDialogCallback : public CountedStruct<cef_file_dialog_callback_t> {
 public:
  explicit FileDialogCallback(FileDialogAnswer answer)
      : CountedStruct("cef_file_dialog_callback_t"),
        answer_(
            [answer = std::move(answer)](bool chosen,
                                         std::vector<std::u16string> paths) {
              answer(chosen, paths);
            },
            false, std::vector<std::u16string>()) {
    using S = cef_file_dialog_callback_t;
    s().cont = [](S* s, int selected_accept_filter,
                  cef_string_list_t file_paths) CEF_CALLBACK {
      FileDialogCallback* self = From<FileDialogCallback>(s);
      if (!self || selected_accept_filter < 0)
        return;  // no filter of the offered ones: not an answer
      std::vector<std::u16string> paths;
      const int count =
          file_paths ? static_cast<int>(cef_string_list_size(file_paths)) : 0;
      for (int i = 0; i < count; ++i) {
        cef_string_t path = {};
        if (cef_string_list_value(file_paths, i, &path) && path.length)
          paths.push_back(FromCef(&path));
        cef_string_utf16_clear(&path);
      }
      self->answer_.Run(true, std::move(paths));
    };
    s().cancel = [](S* s) CEF_CALLBACK {
      if (FileDialogCallback* self = From<FileDialogCallback>(s))
        self->answer_.Run(false, {});
    };
  }

 private:
  ~FileDialogCallback() override = default;
  OnceOnUi<bool, std::vector<std::u16string>> answer_;
};

// The program's languages as one list, as pages are sent them.
std::u16string AcceptLanguages() {
  std::string joined;
  for (const std::string& language : PreferredLanguages(Environment()))
    joined += (joined.empty() ? "" : ",") + language;
  return Utf8ToU16(joined.empty() ? "en-US" : joined);  // the default locale
}

// Calls `member` of the client's JavaScript-dialog handler with the browser
// and `args`; false (and nothing called) when the client offers none.
template <class Member, class... Args>
bool CallJsHandler(Browser* browser, Member cef_jsdialog_handler_t::*member,
                   int* result, Args... args) {
  if (browser->closed())
    return false;
  Ref<Browser> keep(browser);
  cef_jsdialog_handler_t* h =
      Handler(browser->client(), &cef_client_t::get_jsdialog_handler);
  const bool offered = Offers(h, member);
  if (offered) {
    if constexpr (std::is_void_v<decltype((h->*member)(h, browser->Share(),
                                                      args...))>) {
      (h->*member)(h, browser->Share(), args...);
    } else {
      *result = (h->*member)(h, browser->Share(), args...);
    }
  }
  ReleaseStruct(h);
  return offered;
}

}  // namespace

DialogDecision AskJsDialog(Browser* browser, const JsDialogQuestion& question,
                           JsDialogAnswer answer) {
  JsDialogCallback* callback = new JsDialogCallback(std::move(answer));
  const std::u16string languages = AcceptLanguages();
  cef_string_t origin = View(question.origin_url);
  cef_string_t accept_lang = View(languages);
  cef_string_t message = View(question.message);
  cef_string_t default_prompt = View(question.default_prompt);
  int handled = 0;
  int suppress = 0;
  // The handler gets the only reference: whether it keeps it is its choice.
  cef_jsdialog_callback_t* given = callback->Give();
  if (!CallJsHandler(browser, &cef_jsdialog_handler_t::on_jsdialog, &handled,
                     &origin, &accept_lang, question.type, &message,
                     &default_prompt, given, &suppress)) {
    ReleaseStruct(given);
    return DialogDecision::kEngine;
  }
  if (handled)
    return DialogDecision::kProgram;
  return suppress ? DialogDecision::kSuppressed : DialogDecision::kEngine;
}

DialogDecision AskBeforeUnload(Browser* browser, const std::u16string& message,
                               bool is_reload, JsDialogAnswer answer) {
  JsDialogCallback* callback = new JsDialogCallback(std::move(answer));
  cef_string_t text = View(message);
  int handled = 0;
  cef_jsdialog_callback_t* given = callback->Give();
  if (!CallJsHandler(browser, &cef_jsdialog_handler_t::on_before_unload_dialog,
                     &handled, &text, is_reload ? 1 : 0, given)) {
    ReleaseStruct(given);
    return DialogDecision::kEngine;
  }
  return handled ? DialogDecision::kProgram : DialogDecision::kEngine;
}

void NotifyResetDialogState(Browser* browser) {
  CallJsHandler(browser, &cef_jsdialog_handler_t::on_reset_dialog_state,
                nullptr);
}

void NotifyDialogClosed(Browser* browser) {
  CallJsHandler(browser, &cef_jsdialog_handler_t::on_dialog_closed, nullptr);
}

DialogDecision AskFileDialog(Browser* browser, cef_file_dialog_mode_t mode,
                             const std::vector<std::u16string>& accept_filters,
                             FileDialogAnswer answer) {
  FileDialogCallback* callback = new FileDialogCallback(std::move(answer));
  cef_file_dialog_callback_t* given = callback->Give();
  Ref<Browser> keep(browser);
  cef_dialog_handler_t* h =
      browser->closed()
          ? nullptr
          : Handler(browser->client(), &cef_client_t::get_dialog_handler);
  if (!Offers(h, &cef_dialog_handler_t::on_file_dialog)) {
    ReleaseStruct(h);
    ReleaseStruct(given);
    return DialogDecision::kEngine;
  }
  cef_string_list_t filters = cef_string_list_alloc();
  AppendToList(filters, accept_filters);
  const std::u16string none;
  cef_string_t title = View(none);  // the engine's own title
  cef_string_t default_path = View(none);
  const int handled = h->on_file_dialog(h, browser->Share(), mode, &title,
                                        &default_path, filters, 0, given);
  cef_string_list_free(filters);
  ReleaseStruct(h);
  return handled ? DialogDecision::kProgram : DialogDecision::kEngine;
}

}  // namespace cefrt
