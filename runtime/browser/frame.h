// The library's frame structure over a browser's main frame.
#ifndef CEF_RUNTIME_FRAME_H_
#define CEF_RUNTIME_FRAME_H_

#include "include/capi/cef_frame_capi.h"

namespace cefrt {

class Browser;

// A new frame structure for `browser`'s main frame, with one reference for
// the receiver.
cef_frame_t* NewFrameFor(Browser* browser);

}  // namespace cefrt

#endif  // CEF_RUNTIME_FRAME_H_
