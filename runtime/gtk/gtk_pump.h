// The UI thread's pump when a display is available: GTK's main loop.
#ifndef CEF_RUNTIME_GTK_GTK_PUMP_H_
#define CEF_RUNTIME_GTK_GTK_PUMP_H_

#include <memory>
#include <string>
#include <vector>

#include "runtime/base/message_pump.h"

namespace cefrt {

// Initialises GTK on the calling thread; false (and GTK untouched) when no
// display can be opened. `argv` may lose the toolkit's own switches.
bool InitializeGtk(std::vector<std::string>* argv);
bool GtkInitialized();

// Waits by iterating the default GLib main context, so toolkit and WebKit
// events are dispatched on the thread that runs the posted tasks.
std::unique_ptr<MessagePump> CreateGtkMessagePump();

// Dispatches the toolkit events that are ready, without waiting.
void DispatchPendingGtkEvents();

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_GTK_PUMP_H_
