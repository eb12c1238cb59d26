// The UI thread's pump on Windows: the thread's own Win32 message queue.
// Posted tasks wake it through a message-only window, so a modal loop that
// someone else runs (a message box, the save dialog) still runs them.
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "runtime/app/runtime_state.h"
#include "runtime/app/ui_toolkit.h"
#include "runtime/win/win_browser.h"

namespace cefrt {

namespace {

constexpr UINT kWakeMessage = WM_APP + 1;
constexpr UINT_PTR kNestedTimer = 1;
constexpr wchar_t kWakeClass[] = L"CefRuntimeWake";

class WinMessagePump;
WinMessagePump* g_pump = nullptr;  // the UI thread's
const MSG* g_dispatching = nullptr;  // what Drain dispatches now

DWORD MillisUntil(Clock::time_point deadline) {
  if (deadline == Clock::time_point::max())
    return INFINITE;
  const auto now = Clock::now();
  if (deadline <= now)
    return 0;
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      deadline - now).count() + 1;
  return static_cast<DWORD>(std::min<long long>(ms, 0x7fffffff));
}

class WinMessagePump : public MessagePump {
 public:
  WinMessagePump() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &WakeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWakeClass;
    RegisterClassExW(&wc);  // fails harmlessly when registered already
    window_ = CreateWindowExW(0, kWakeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                              nullptr, wc.hInstance, nullptr);
    g_pump = this;
  }
  ~WinMessagePump() override {
    if (g_pump == this)
      g_pump = nullptr;
    if (window_)
      DestroyWindow(window_);
  }

  bool ok() const { return window_ != nullptr; }

  void WaitForWork(Clock::time_point deadline) override {
    for (;;) {
      if (Drain())
        return;
      const DWORD wait = MillisUntil(deadline);
      if (wait == 0)
        return;
      MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT,
                                  MWMO_INPUTAVAILABLE);
      if (Drain() || MillisUntil(deadline) == 0)
        return;
    }
  }

  void ScheduleWork() override {
    if (!pending_.exchange(true))
      PostMessageW(window_, kWakeMessage, 0, 0);
  }

  // Dispatches what is queued; true when a wake-up was among it.
  bool Drain() {
    bool woken = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == window_ && msg.message == kWakeMessage) {
        pending_ = false;
        woken = true;
        continue;
      }
      if (msg.message == WM_QUIT) {
        woken = true;
        continue;
      }
      if (PreTranslateBrowserMessage(&msg))
        continue;
      const MSG* outer = g_dispatching;
      g_dispatching = &msg;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      g_dispatching = outer;
    }
    return woken;
  }

 private:
  // Reached only from loops other than ours.
  static LRESULT CALLBACK WakeProc(HWND hwnd, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
    if (message == kWakeMessage || (message == WM_TIMER &&
                                    wparam == kNestedTimer)) {
      if (g_pump && hwnd == g_pump->window_) {
        g_pump->pending_ = false;
        KillTimer(hwnd, kNestedTimer);
        const Clock::time_point next = RunDueUiTasks();
        if (next != Clock::time_point::max())
          SetTimer(hwnd, kNestedTimer, std::max<DWORD>(MillisUntil(next), 1),
                   nullptr);
      }
      return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }

  HWND window_ = nullptr;
  std::atomic<bool> pending_{false};
};

}  // namespace

std::unique_ptr<MessagePump> CreateUiMessagePump(std::vector<std::string>*) {
  auto pump = std::make_unique<WinMessagePump>();
  if (!pump->ok())
    return nullptr;
  return pump;
}

bool DispatchedByUiPump(HWND hwnd, UINT message, WPARAM wparam,
                        LPARAM lparam) {
  return g_dispatching && g_dispatching->hwnd == hwnd &&
         g_dispatching->message == message &&
         g_dispatching->wParam == wparam && g_dispatching->lParam == lparam;
}

bool UiPumpReady() {
  return g_pump != nullptr;
}

void DispatchPendingUiEvents() {
  if (g_pump)
    g_pump->Drain();
}

}  // namespace cefrt
