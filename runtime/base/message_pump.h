// How a thread of the runtime waits for work. The default pump blocks on a
// condition variable; a GUI pump (GTK, Win32) replaces it and dispatches the
// toolkit's own events while it waits.
#ifndef CEF_RUNTIME_MESSAGE_PUMP_H_
#define CEF_RUNTIME_MESSAGE_PUMP_H_

#include <chrono>
#include <memory>

namespace cefrt {

using Clock = std::chrono::steady_clock;

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Returns at `deadline` (Clock::time_point::max() for none), after
  // ScheduleWork, or earlier; callers re-check their queue either way.
  virtual void WaitForWork(Clock::time_point deadline) = 0;
  // Ends the current or next WaitForWork; callable from any thread.
  virtual void ScheduleWork() = 0;
};

std::unique_ptr<MessagePump> CreateDefaultMessagePump();

}  // namespace cefrt

#endif  // CEF_RUNTIME_MESSAGE_PUMP_H_
