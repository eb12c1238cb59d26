// Task runners of the runtime's named threads, as a program uses them.
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gtest/gtest.h"
#include "include/cef_entry.h"
#include "include/cef_task.h"
#include "include/cef_task_runner.h"

namespace {

// Runs `body` and counts its runs and its destruction in `log`.
struct ProbeLog {
  std::atomic<int> runs{0};
  std::atomic<int> destroyed{0};
};

class Probe : public CefTask {
 public:
  Probe(std::shared_ptr<ProbeLog> log, std::function<void()> body)
      : log_(std::move(log)), body_(std::move(body)) {}
  ~Probe() override { ++log_->destroyed; }
  void Execute() override {
    ++log_->runs;
    if (body_)
      body_();
  }

 private:
  std::shared_ptr<ProbeLog> log_;
  std::function<void()> body_;
  IMPLEMENT_REFCOUNTING(Probe);
};

// Ends a UI loop that would otherwise hang the run; disarmed when the test
// is done with the loop, so a later test's loop is left alone.
class Watchdog {
 public:
  explicit Watchdog(CefRefPtr<CefTaskRunner> ui)
      : armed_(std::make_shared<std::atomic<bool>>(true)) {
    auto armed = armed_;
    ui->PostDelayedTask(new Probe(std::make_shared<ProbeLog>(),
                                  [armed] {
                                    if (armed->exchange(false)) {
                                      ADD_FAILURE() << "the watchdog fired";
                                      CefQuitMessageLoop();
                                    }
                                  }),
                        5000);
  }
  ~Watchdog() { *armed_ = false; }

 private:
  std::shared_ptr<std::atomic<bool>> armed_;
};

TEST(TaskRunner, RunnersKnowTheirThreadsAndEachOther) {
  CefRefPtr<CefTaskRunner> ui = CefTaskRunner::GetForThread(TID_UI);
  CefRefPtr<CefTaskRunner> current = CefTaskRunner::GetForCurrentThread();
  CefRefPtr<CefTaskRunner> file1 = CefTaskRunner::GetForThread(TID_FILE);
  CefRefPtr<CefTaskRunner> file2 = CefTaskRunner::GetForThread(TID_FILE);
  ASSERT_TRUE(ui && current && file1 && file2);

  EXPECT_TRUE(ui->IsSame(current));
  EXPECT_TRUE(current->IsSame(ui));
  EXPECT_TRUE(file1->IsSame(file2));
  EXPECT_FALSE(file1->IsSame(ui));
  EXPECT_FALSE(ui->IsSame(file1));
  EXPECT_FALSE(ui->IsSame(nullptr));

  EXPECT_TRUE(ui->BelongsToCurrentThread());
  EXPECT_FALSE(file1->BelongsToCurrentThread());
  EXPECT_TRUE(ui->BelongsToThread(TID_UI));
  EXPECT_FALSE(ui->BelongsToThread(TID_FILE));
  EXPECT_TRUE(file1->BelongsToThread(TID_FILE));
  EXPECT_FALSE(file1->BelongsToThread(TID_IO));

  EXPECT_FALSE(CefTaskRunner::GetForThread(static_cast<cef_thread_id_t>(-1)));
  EXPECT_FALSE(CefTaskRunner::GetForThread(static_cast<cef_thread_id_t>(99)));
  EXPECT_FALSE(ui->PostTask(nullptr));
  EXPECT_FALSE(file1->PostDelayedTask(nullptr, 5));

  // A thread the runtime does not run has no runner of its own, yet reaches
  // the named ones.
  bool has_own = true, ui_here = true;
  CefRefPtr<CefTaskRunner> ui_from_there;
  std::thread([&] {
    has_own = CefTaskRunner::GetForCurrentThread() != nullptr;
    ui_from_there = CefTaskRunner::GetForThread(TID_UI);
    ui_here = ui_from_there && ui_from_there->BelongsToCurrentThread();
  }).join();
  EXPECT_FALSE(has_own);
  ASSERT_TRUE(ui_from_there);
  EXPECT_FALSE(ui_here);
  EXPECT_TRUE(ui_from_there->IsSame(ui));
}

TEST(TaskRunner, PostFromAnotherThreadRunsOnceOnTheUiThread) {
  CefRefPtr<CefTaskRunner> ui = CefTaskRunner::GetForThread(TID_UI);
  ASSERT_TRUE(ui);
  Watchdog watchdog(ui);
  auto log = std::make_shared<ProbeLog>();
  std::thread::id ran_on;
  bool on_ui = false, belongs = false;
  bool posted = false;
  std::thread([&] {
    CefRefPtr<CefTaskRunner> r = CefTaskRunner::GetForThread(TID_UI);
    posted = r && r->PostTask(new Probe(log, [&, r] {
      ran_on = std::this_thread::get_id();
      on_ui = CefCurrentlyOn(TID_UI);
      belongs = r->BelongsToCurrentThread();
      CefQuitMessageLoop();
    }));
  }).join();
  ASSERT_TRUE(posted);
  CefRunMessageLoop();
  EXPECT_EQ(1, log->runs.load());
  EXPECT_EQ(1, log->destroyed.load()) << "released once it ran";
  EXPECT_EQ(std::this_thread::get_id(), ran_on);
  EXPECT_TRUE(on_ui);
  EXPECT_TRUE(belongs);
}

TEST(TaskRunner, DelayedTasksRunInDelayOrder) {
  CefRefPtr<CefTaskRunner> ui = CefTaskRunner::GetForCurrentThread();
  ASSERT_TRUE(ui);
  Watchdog watchdog(ui);
  auto log = std::make_shared<ProbeLog>();
  std::vector<std::string> order;
  auto record = [&](const char* name, bool last) {
    return new Probe(log, [&order, name, last] {
      order.push_back(name);
      if (last)
        CefQuitMessageLoop();
    });
  };
  // Posted out of order; a delay of zero or less means now, in posting order.
  EXPECT_TRUE(ui->PostDelayedTask(record("60ms", true), 60));
  EXPECT_TRUE(ui->PostTask(record("now", false)));
  EXPECT_TRUE(ui->PostDelayedTask(record("30ms", false), 30));
  EXPECT_TRUE(ui->PostDelayedTask(record("negative", false), -5));
  EXPECT_TRUE(ui->PostDelayedTask(record("10ms", false), 10));
  EXPECT_TRUE(ui->PostDelayedTask(record("45ms", false), 45));
  CefRunMessageLoop();
  EXPECT_EQ((std::vector<std::string>{"now", "negative", "10ms", "30ms",
                                      "45ms", "60ms"}),
            order);
  EXPECT_EQ(6, log->runs.load());
  EXPECT_EQ(6, log->destroyed.load());
}

TEST(TaskRunner, WorkerThreadRunsItsOwnTasks) {
  CefRefPtr<CefTaskRunner> file = CefTaskRunner::GetForThread(TID_FILE);
  ASSERT_TRUE(file);
  auto log = std::make_shared<ProbeLog>();
  struct Seen {
    bool belongs = false, currently_on = false, current_is_file = false;
    std::thread::id thread;
  };
  auto done = std::make_shared<std::promise<Seen>>();
  std::future<Seen> result = done->get_future();
  std::vector<int> order;
  std::mutex order_mutex;
  auto note = [&](int n) {
    std::lock_guard<std::mutex> lock(order_mutex);
    order.push_back(n);
  };
  ASSERT_TRUE(file->PostDelayedTask(new Probe(log, [=] {
    note(2);
    Seen seen;
    seen.belongs = file->BelongsToCurrentThread();
    seen.currently_on = CefCurrentlyOn(TID_FILE);
    CefRefPtr<CefTaskRunner> current = CefTaskRunner::GetForCurrentThread();
    seen.current_is_file = current && current->IsSame(file);
    seen.thread = std::this_thread::get_id();
    done->set_value(seen);
  }), 20));
  ASSERT_TRUE(file->PostTask(new Probe(log, [=] { note(1); })));
  ASSERT_EQ(std::future_status::ready,
            result.wait_for(std::chrono::seconds(5)));
  const Seen seen = result.get();
  EXPECT_TRUE(seen.belongs);
  EXPECT_TRUE(seen.currently_on);
  EXPECT_TRUE(seen.current_is_file);
  EXPECT_NE(std::this_thread::get_id(), seen.thread);
  {
    std::lock_guard<std::mutex> lock(order_mutex);
    EXPECT_EQ((std::vector<int>{1, 2}), order);
  }
  EXPECT_EQ(2, log->runs.load());
}

}  // namespace
