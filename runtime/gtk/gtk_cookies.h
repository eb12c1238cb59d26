// Cookie stores over WebKit's website data: the store a request context (or
// a cookie manager of the program's own) keeps its cookies in, and the
// library's cookie manager over it.
#ifndef CEF_RUNTIME_GTK_GTK_COOKIES_H_
#define CEF_RUNTIME_GTK_GTK_COOKIES_H_

#include <webkit2/webkit2.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "include/capi/cef_callbacks_program_capi.h"
#include "include/capi/cef_cookie_capi.h"
#include "runtime/base/counted.h"
#include "runtime/browser/browser_env.h"

namespace cefrt {

// A web context made from `env` (cache path, proxy, languages), serving the
// program's schemes; ReleaseWebContext undoes it.
WebKitWebContext* NewWebContext(const BrowserEnvironment& env,
                                bool ignore_certificate_errors);
void ReleaseWebContext(WebKitWebContext* context);

// Posts `fn` to the IO thread; dropped unrun when the runtime is not running.
bool PostToIo(std::function<void()> fn);

// A structure of the program's, released when the last copy goes.
template <class T>
std::shared_ptr<T> Hold(T* s) {
  return std::shared_ptr<T>(s, [](T* p) { ReleaseStruct(p); });
}

// One storage: a web context with its own website data. The shared web
// context is the global one; every other is made on first use on the UI
// thread, so a store can be described from any thread.
class WebStore : public Counted {
 public:
  struct Options {
    std::u16string cache_path;  // empty keeps everything in memory
    bool ignore_certificate_errors = false;
    std::u16string accept_language_list;  // empty: the settings' list
  };

  // The global store; one for the process until shut-down.
  static Ref<WebStore> Global();
  static Ref<WebStore> Create(const Options& options);
  // Called at shut-down, once nothing loads any more.
  static void ForgetGlobal();

  bool global() const { return global_; }
  std::u16string cache_path() const;

  // UI thread only.
  WebKitWebContext* Context();
  WebKitCookieManager* Cookies();

  // Moves the cookie storage to `path` (empty: memory); false when WebKit
  // cannot move this store there. Any thread.
  bool SetStoragePath(const std::u16string& path);

 private:
  WebStore(bool global, const Options& options);
  ~WebStore() override;

  const bool global_;
  mutable std::mutex mutex_;
  Options options_;        // under mutex_
  bool made_ = false;      // under mutex_: the web context exists
  WebKitWebContext* context_ = nullptr;  // UI thread; null for the global one
  std::thread::id made_on_;
};

// A cookie manager over `store`; `ready`, when given, runs on the IO thread
// once the store is.
cef_cookie_manager_t* NewCookieManager(Ref<WebStore> store,
                                       cef_completion_callback_t* ready);

// Runs `ready`'s completion on the IO thread once `store` is made.
void WhenStoreReady(Ref<WebStore> store,
                    std::shared_ptr<cef_completion_callback_t> ready);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_GTK_COOKIES_H_
