// The library's browser host structure over a browser's window.
#ifndef CEF_RUNTIME_HOST_H_
#define CEF_RUNTIME_HOST_H_

#include "include/capi/cef_browser_capi.h"

namespace cefrt {

class Browser;

// A new host structure for `browser`, with one reference for the receiver.
cef_browser_host_t* NewHostFor(Browser* browser);

}  // namespace cefrt

#endif  // CEF_RUNTIME_HOST_H_
