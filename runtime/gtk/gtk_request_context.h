// Request contexts over WebKit web contexts: the global one wraps the shared
// web context; every other context made from settings has a web context and
// website data of its own, which contexts made to share it use too.
#ifndef CEF_RUNTIME_GTK_GTK_REQUEST_CONTEXT_H_
#define CEF_RUNTIME_GTK_GTK_REQUEST_CONTEXT_H_

#include <webkit2/webkit2.h>

#include "include/capi/cef_request_context_capi.h"

namespace cefrt {

// UI thread: the web context a browser of `context` loads in; the shared
// one for null.
WebKitWebContext* WebContextFor(cef_request_context_t* context);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_GTK_REQUEST_CONTEXT_H_
