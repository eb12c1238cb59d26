// The platform's window system as the entry points see it.
#ifndef CEF_RUNTIME_UI_TOOLKIT_H_
#define CEF_RUNTIME_UI_TOOLKIT_H_

#include <memory>
#include <string>
#include <vector>

#include "runtime/base/message_pump.h"

namespace cefrt {

// Starts the window system on the calling thread, which becomes the UI
// thread, and returns the pump that dispatches its events; null when there
// is no window system to be had (no display). `argv` may lose the toolkit's
// own switches.
std::unique_ptr<MessagePump> CreateUiMessagePump(
    std::vector<std::string>* argv);

// Dispatches the window system's events that are ready, without waiting.
void DispatchPendingUiEvents();

}  // namespace cefrt

#endif  // CEF_RUNTIME_UI_TOOLKIT_H_
