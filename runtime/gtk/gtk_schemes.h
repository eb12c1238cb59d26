// The program's scheme handler factories, per web context: a request
// context's pages load the URLs of a registered scheme through the program's
// resource handlers.
#ifndef CEF_RUNTIME_GTK_GTK_SCHEMES_H_
#define CEF_RUNTIME_GTK_GTK_SCHEMES_H_

#include <webkit2/webkit2.h>

#include <string>
#include <vector>

#include "include/capi/cef_resource_capi.h"

namespace cefrt {

// Registers `factory` for `scheme` (and `domain`, empty for every domain) on
// `context`; `factory` arrives with one reference that the registry keeps, and
// a null one removes the registration. False when the scheme cannot be
// served here.
bool RegisterSchemeFactory(WebKitWebContext* context, const std::string& scheme,
                           const std::string& domain,
                           cef_scheme_handler_factory_t* factory);
// Drops every factory registered on `context`.
bool ClearSchemeFactories(WebKitWebContext* context);
// Lets a web context just made serve the schemes registered so far, and
// those registered later; called once per context.
void ServeSchemesOn(WebKitWebContext* context);
// Forgets `context`'s factories before the context goes.
void ForgetSchemesOf(WebKitWebContext* context);

// The domain of errors that carry the library's network error code, from a
// request of ours to the view's load-failed.
GQuark NetErrorQuark();
// A handler of ours sent `view` elsewhere: a failure of its load of one of
// `uris` is no failure to report. RedirectedAway answers that once.
void ExpectRedirectAway(WebKitWebView* view,
                        const std::vector<std::string>& uris);
bool RedirectedAway(WebKitWebView* view, const char* uri);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_GTK_SCHEMES_H_
