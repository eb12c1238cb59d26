#include "runtime/gtk/gtk_pump.h"
#include "runtime/app/ui_toolkit.h"

#include <gtk/gtk.h>
#include <stdlib.h>

#include <atomic>

namespace cefrt {

namespace {

bool g_gtk_ready = false;

class GtkMessagePump : public MessagePump {
 public:
  GtkMessagePump() : context_(g_main_context_ref(g_main_context_default())) {}
  ~GtkMessagePump() override { g_main_context_unref(context_); }

  void WaitForWork(Clock::time_point deadline) override {
    GSource* timer = nullptr;
    if (deadline != Clock::time_point::max()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - Clock::now());
      if (left.count() <= 0) {
        // Still let ready events through so that due tasks cannot starve
        // the toolkit.
        g_main_context_iteration(context_, FALSE);
        work_scheduled_ = false;
        return;
      }
      // +1: a timer that fires a little early would spin until the deadline.
      timer = g_timeout_source_new(static_cast<guint>(
          std::min<int64_t>(left.count() + 1, G_MAXUINT)));
      g_source_set_callback(timer, [](gpointer) { return G_SOURCE_REMOVE; },
                            nullptr, nullptr);
      g_source_attach(timer, context_);
    }
    while (!work_scheduled_.exchange(false)) {
      if (deadline != Clock::time_point::max() && Clock::now() >= deadline)
        break;
      g_main_context_iteration(context_, TRUE);
    }
    if (timer) {
      g_source_destroy(timer);
      g_source_unref(timer);
    }
  }

  void ScheduleWork() override {
    work_scheduled_ = true;
    g_main_context_wakeup(context_);
  }

 private:
  GMainContext* const context_;
  std::atomic<bool> work_scheduled_{false};
};

}  // namespace

bool InitializeGtk(std::vector<std::string>* argv) {
  if (g_gtk_ready)
    return true;
  // gtk_init_check would fall back to whatever display it can guess; only
  // a display the environment names counts.
  const char* x11 = getenv("DISPLAY");
  const char* wayland = getenv("WAYLAND_DISPLAY");
  if ((!x11 || !*x11) && (!wayland || !*wayland))
    return false;
  std::vector<char*> pointers;
  for (std::string& arg : *argv)
    pointers.push_back(&arg[0]);
  pointers.push_back(nullptr);
  int argc = static_cast<int>(argv->size());
  char** args = pointers.data();
  if (!gtk_init_check(&argc, &args))
    return false;
  std::vector<std::string> left;
  for (int i = 0; i < argc; ++i)
    left.emplace_back(args[i]);
  *argv = std::move(left);
  g_gtk_ready = true;
  return true;
}

bool GtkInitialized() {
  return g_gtk_ready;
}

std::unique_ptr<MessagePump> CreateGtkMessagePump() {
  return std::make_unique<GtkMessagePump>();
}

void DispatchPendingGtkEvents() {
  // Bounded: a source that keeps itself ready must not hold the caller.
  for (int i = 0; i < 100 && g_main_context_iteration(nullptr, FALSE); ++i) {
  }
}

}  // namespace cefrt

namespace cefrt {

std::unique_ptr<MessagePump> CreateUiMessagePump(
    std::vector<std::string>* argv) {
  return InitializeGtk(argv) ? CreateGtkMessagePump() : nullptr;
}

void DispatchPendingUiEvents() {
  if (GtkInitialized())
    DispatchPendingGtkEvents();
}

}  // namespace cefrt
