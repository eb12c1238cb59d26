// What cef_initialize keeps for the other units.
#ifndef CEF_RUNTIME_RUNTIME_STATE_H_
#define CEF_RUNTIME_RUNTIME_STATE_H_

#include <filesystem>
#include <memory>

#include "runtime/base/message_pump.h"
#include "runtime/base/task_runner.h"

namespace cefrt {

// The settings' user data directory (or else the cache directory), made
// absolute; empty when not initialised or neither was given.
std::filesystem::path ConfiguredUserDataPath();

// Runs the UI thread's due tasks, for a window system's nested loops (modal
// dialogs) that keep the runtime's own loop from running; returns when the
// next task is due. Only on the UI thread.
Clock::time_point RunDueUiTasks();

// The runner of a named thread (cef_thread_id_t), its worker started on
// first use; null when not initialised or the id names no thread.
std::shared_ptr<TaskRunner> NamedThreadRunner(int tid);

// The application handed to cef_initialize, with a new reference; null
// when none was given or the runtime is shutting down.
struct _cef_app_t* AppReference();

// The named thread the caller is on, or -1 (also when not initialised).
// Starts no thread.
int CurrentNamedThread();

}  // namespace cefrt

#endif  // CEF_RUNTIME_RUNTIME_STATE_H_
