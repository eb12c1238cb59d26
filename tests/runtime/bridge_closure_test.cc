// A closure posted through the bridge, run by the real runtime's UI loop.
#include <atomic>
#include <thread>

#include "gtest/gtest.h"
#include "include/cef_closure.h"
#include "include/cef_entry.h"

namespace {

class Receiver : public virtual CefBase {
 public:
  void Record(bool value) {
    ++calls;
    bound = value;
    ran_on = std::this_thread::get_id();
    on_ui = CefCurrentlyOn(TID_UI);
    CefQuitMessageLoop();
  }
  std::atomic<int> calls{0};
  bool bound = false;
  bool on_ui = false;
  std::thread::id ran_on;
  IMPLEMENT_REFCOUNTING(Receiver);
};

class Watchdog : public CefTask {
 public:
  void Execute() override { CefQuitMessageLoop(); }
  IMPLEMENT_REFCOUNTING(Watchdog);
};

TEST(BridgeOnRuntime, ClosurePostedFromAnotherThreadRunsOnceOnTheUiThread) {
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  ASSERT_EQ(1, cef_initialize(nullptr, &settings, nullptr, nullptr));
  CefRefPtr<Receiver> receiver = new Receiver();
  bool posted = false;
  std::thread poster([&] {
    posted = CefPostTask(TID_UI, BindMethod(&Receiver::Record, receiver, true));
  });
  poster.join();
  ASSERT_TRUE(posted);
  // A broken loop fails the test instead of hanging it.
  CefPostDelayedTask(TID_UI, new Watchdog(), 5000);
  CefRunMessageLoop();
  CefShutdown();

  EXPECT_EQ(receiver->calls.load(), 1);
  EXPECT_TRUE(receiver->bound);
  EXPECT_TRUE(receiver->on_ui);
  EXPECT_EQ(receiver->ran_on, std::this_thread::get_id());
  EXPECT_TRUE(receiver->HasOneRef()) << "the receiver's count is back";
}

}  // namespace
