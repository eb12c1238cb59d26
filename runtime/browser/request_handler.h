// The program's request handler, as the views ask it about navigations.
#ifndef CEF_RUNTIME_BROWSER_REQUEST_HANDLER_H_
#define CEF_RUNTIME_BROWSER_REQUEST_HANDLER_H_

#include <functional>
#include <memory>
#include <string>

#include "include/capi/cef_resource_capi.h"
#include "runtime/data/request.h"

namespace cefrt {

class Browser;

// on_before_browse, on the UI thread: true cancels the navigation.
bool AskBeforeBrowse(Browser* browser, const RequestData& request,
                     bool is_redirect);

// What the handler made of a navigation's request.
struct LoadAnswer {
  enum Kind { kProceed, kCancel, kReplace, kServe } kind = kProceed;
  RequestData request;  // kReplace: the request as the handler changed it
  // kServe: the handler that serves the page.
  std::shared_ptr<cef_resource_handler_t> handler;
};

// Whether the handler asks about loads at all.
bool AsksAboutLoads(Browser* browser);

// Asks on_before_resource_load and then get_resource_handler on the IO
// thread; `done` runs on the UI thread with the answer, unless the returned
// question was dropped first (then the handler's callback answers nothing).
std::shared_ptr<void> AskBeforeLoad(Browser* browser,
                                    const RequestData& request,
                                    std::function<void(LoadAnswer)> done);

// Whether the handler hears of redirects.
bool AsksAboutRedirects(Browser* browser);

// Asks on_resource_redirect on the IO thread about `request` being
// redirected to `new_url`; `done` runs on the UI thread with the address
// to go to (the handler's change, or `new_url`), unless the returned
// question was dropped first.
std::shared_ptr<void> AskRedirect(Browser* browser, const RequestData& request,
                                  const std::string& new_url,
                                  std::function<void(std::string)> done);

}  // namespace cefrt

#endif  // CEF_RUNTIME_BROWSER_REQUEST_HANDLER_H_
