// Initialisation, the UI message loop and posting to named threads.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "gtest/gtest.h"
#include "include/capi/cef_entry_capi.h"
#include "tests/runtime/test_support.h"

namespace {

using rt_test::CountedRef;
using rt_test::CountedTask;
using rt_test::Str;
using Clock = std::chrono::steady_clock;

int Initialize(const std::string& cache_path = "",
               struct _cef_app_t* app = nullptr) {
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  if (!cache_path.empty())
    cef_string_utf8_to_utf16(cache_path.data(), cache_path.size(),
                             &settings.cache_path);
  const int result = cef_initialize(nullptr, &settings, app, nullptr);
  cef_string_utf16_clear(&settings.cache_path);
  return result;
}

// Each test starts and ends with the runtime shut down.
// Tasks live in the fixture so that those still queued when a test body ends
// are valid when TearDown's shutdown releases them.
class MessageLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(1, Initialize()); }
  void TearDown() override { cef_shutdown(); }

  CountedTask& Task(std::function<void()> body = nullptr) {
    tasks_.push_back(std::make_unique<CountedTask>(std::move(body)));
    return *tasks_.back();
  }

  // Quits the loop after `delay_ms`, so a broken loop fails the test instead
  // of hanging it.
  CountedTask& PostWatchdog(int delay_ms = 5000) {
    CountedTask& quit = Task([] { cef_quit_message_loop(); });
    EXPECT_EQ(1, cef_post_delayed_task(TID_UI, quit.get(), delay_ms));
    return quit;
  }

 private:
  std::deque<std::unique_ptr<CountedTask>> tasks_;
};

TEST_F(MessageLoopTest, TaskPostedFromAnotherThreadRunsOnTheUiThread) {
  CountedTask& task = Task([] { cef_quit_message_loop(); });
  int posted = -1;
  std::thread poster([&] { posted = cef_post_task(TID_UI, task.get()); });
  poster.join();
  ASSERT_EQ(1, posted);
  EXPECT_EQ(0, task.runs.load());  // nothing runs before the loop does

  PostWatchdog();
  cef_run_message_loop();

  EXPECT_EQ(1, task.runs.load());
  EXPECT_TRUE(task.on_ui.load());
  EXPECT_EQ(std::this_thread::get_id(), task.ran_on);
  EXPECT_EQ(1, task.releases.load());
  EXPECT_EQ(0, task.refs.load());
}

TEST_F(MessageLoopTest, DelayedTasksRunInDueOrderAtTheirTime) {
  std::vector<char> order;
  const Clock::time_point start = Clock::now();
  Clock::duration last_at{};
  CountedTask& c = Task([&] {
    order.push_back('c');
    last_at = Clock::now() - start;
    cef_quit_message_loop();
  });
  CountedTask& b = Task([&] { order.push_back('b'); });
  CountedTask& a = Task([&] { order.push_back('a'); });
  ASSERT_EQ(1, cef_post_delayed_task(TID_UI, c.get(), 120));
  ASSERT_EQ(1, cef_post_delayed_task(TID_UI, b.get(), 40));
  ASSERT_EQ(1, cef_post_task(TID_UI, a.get()));
  PostWatchdog();

  cef_run_message_loop();

  EXPECT_EQ((std::vector<char>{'a', 'b', 'c'}), order);
  EXPECT_GE(last_at, std::chrono::milliseconds(120));
  for (CountedTask* t : {&a, &b, &c})
    EXPECT_EQ(1, t->releases.load());
}

TEST_F(MessageLoopTest, QuitFromATaskStopsBeforeLaterTasks) {
  CountedTask& quitter = Task([] { cef_quit_message_loop(); });
  CountedTask& later = Task();
  ASSERT_EQ(1, cef_post_task(TID_UI, quitter.get()));
  ASSERT_EQ(1, cef_post_task(TID_UI, later.get()));

  cef_run_message_loop();
  EXPECT_EQ(1, quitter.runs.load());
  EXPECT_EQ(0, later.runs.load());

  cef_do_message_loop_work();
  EXPECT_EQ(1, later.runs.load());
  EXPECT_EQ(1, later.releases.load());
}

TEST_F(MessageLoopTest, QuitFromAnotherThreadEndsARunningLoop) {
  std::thread quitter([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    cef_quit_message_loop();
  });
  CountedTask& watchdog = PostWatchdog();
  cef_run_message_loop();
  quitter.join();
  EXPECT_EQ(0, watchdog.runs.load());
}

TEST_F(MessageLoopTest, DoMessageLoopWorkRunsOnlyDueWorkWithoutBlocking) {
  CountedTask& due = Task();
  CountedTask& future = Task();
  ASSERT_EQ(1, cef_post_task(TID_UI, due.get()));
  ASSERT_EQ(1, cef_post_delayed_task(TID_UI, future.get(), 60 * 1000));
  const Clock::time_point start = Clock::now();
  cef_do_message_loop_work();
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(1, due.runs.load());
  EXPECT_EQ(0, future.runs.load());
}

TEST_F(MessageLoopTest, SelfRepostingTaskDoesNotStarveTheCaller) {
  int reposts = 0;
  std::function<void()> body = [&] {
    ++reposts;
    cef_post_task(TID_UI, Task(body).get());
  };
  ASSERT_EQ(1, cef_post_task(TID_UI, Task(body).get()));
  cef_do_message_loop_work();  // must return although work keeps coming
  EXPECT_EQ(1, reposts);
  cef_do_message_loop_work();
  EXPECT_EQ(2, reposts);
}

TEST_F(MessageLoopTest, PendingTasksAreReleasedUnrunAtShutdown) {
  CountedTask& ui_task = Task();
  CountedTask& worker_task = Task();
  ASSERT_EQ(1, cef_post_delayed_task(TID_UI, ui_task.get(), 60 * 1000));
  ASSERT_EQ(1, cef_post_delayed_task(TID_DB, worker_task.get(), 60 * 1000));
  cef_shutdown();
  for (CountedTask* t : {&ui_task, &worker_task}) {
    EXPECT_EQ(0, t->runs.load());
    EXPECT_EQ(1, t->releases.load());
    EXPECT_EQ(0, t->refs.load());
  }
  // Posting after shutdown is refused and still releases.
  CountedTask& late = Task();
  EXPECT_EQ(0, cef_post_task(TID_UI, late.get()));
  EXPECT_EQ(0, late.runs.load());
  EXPECT_EQ(1, late.releases.load());
}

TEST_F(MessageLoopTest, NamedThreadRunsItsTasksOnItsOwnThread) {
  std::mutex mutex;
  bool on_file = false, file_on_ui = true;
  std::thread::id file_thread;
  CountedTask& back_on_ui = Task([] { cef_quit_message_loop(); });
  CountedTask& on_worker = Task([&] {
    std::lock_guard<std::mutex> lock(mutex);
    on_file = cef_currently_on(TID_FILE) != 0;
    file_on_ui = cef_currently_on(TID_UI) != 0;
    file_thread = std::this_thread::get_id();
    cef_post_task(TID_UI, back_on_ui.get());
  });
  EXPECT_EQ(1, cef_currently_on(TID_UI));
  EXPECT_EQ(0, cef_currently_on(TID_FILE));
  ASSERT_EQ(1, cef_post_task(TID_FILE, on_worker.get()));
  PostWatchdog();
  cef_run_message_loop();

  std::lock_guard<std::mutex> lock(mutex);
  EXPECT_EQ(1, on_worker.runs.load());
  EXPECT_TRUE(on_file);
  EXPECT_FALSE(file_on_ui);
  EXPECT_NE(std::this_thread::get_id(), file_thread);
  EXPECT_EQ(1, back_on_ui.runs.load());
  EXPECT_TRUE(back_on_ui.on_ui.load());
}

TEST(TaskPosting, RefusedPostsReleaseTheTaskOnce) {
  CountedTask before_init;
  EXPECT_EQ(0, cef_post_task(TID_UI, before_init.get()));
  EXPECT_EQ(1, before_init.releases.load());
  EXPECT_EQ(0, cef_currently_on(TID_UI));

  ASSERT_EQ(1, Initialize());
  CountedTask bad_id, negative_id;
  EXPECT_EQ(0, cef_post_task(static_cast<cef_thread_id_t>(42), bad_id.get()));
  EXPECT_EQ(0, cef_post_delayed_task(static_cast<cef_thread_id_t>(-1),
                                     negative_id.get(), 10));
  EXPECT_EQ(0, cef_post_task(TID_UI, nullptr));
  EXPECT_EQ(0, cef_currently_on(static_cast<cef_thread_id_t>(42)));
  cef_shutdown();
  for (CountedTask* t : {&before_init, &bad_id, &negative_id}) {
    EXPECT_EQ(0, t->runs.load());
    EXPECT_EQ(1, t->releases.load());
  }
}

TEST(Initialize, RejectsBadSettingsAndReleasesTheApp) {
  CountedRef app;
  EXPECT_EQ(0, cef_initialize(nullptr, nullptr, app.app(), nullptr));
  cef_settings_t small = {};
  small.size = sizeof(small) / 2;
  EXPECT_EQ(0, cef_initialize(nullptr, &small, app.app(), nullptr));
  EXPECT_EQ(2, app.releases.load());
  // A failed start leaves nothing running.
  EXPECT_EQ(0, cef_currently_on(TID_UI));
}

TEST(Initialize, CreatesTheCacheDirectoryOrFails) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() /
                        ("cef_runtime_test_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);

  // A regular file where a parent directory should be.
  std::ofstream(root / "blocker") << "x";
  CountedRef blocked_app;
  EXPECT_EQ(0, Initialize((root / "blocker" / "cache").string(),
                          blocked_app.app()));
  EXPECT_EQ(1, blocked_app.releases.load());

  CountedRef app;
  const fs::path cache = root / "a" / "b" / "cache";
  ASSERT_EQ(1, Initialize(cache.string(), app.app()));
  EXPECT_TRUE(fs::is_directory(cache));
  EXPECT_EQ(0, app.releases.load());  // kept until shutdown

  CountedRef second_app;
  EXPECT_EQ(0, Initialize("", second_app.app()));
  EXPECT_EQ(1, second_app.releases.load());

  cef_shutdown();
  EXPECT_EQ(1, app.releases.load());
  cef_shutdown();  // a second shutdown is a no-op
  EXPECT_EQ(1, app.releases.load());

  // After shutdown the runtime can start again.
  ASSERT_EQ(1, Initialize());
  CountedTask task;
  ASSERT_EQ(1, cef_post_task(TID_UI, task.get()));
  cef_do_message_loop_work();
  EXPECT_EQ(1, task.runs.load());
  cef_shutdown();
  fs::remove_all(root);
}

TEST(Initialize, MultiThreadedLoopRunsUiTasksOnItsOwnThread) {
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  settings.multi_threaded_message_loop = 1;
  ASSERT_EQ(1, cef_initialize(nullptr, &settings, nullptr, nullptr));
  EXPECT_EQ(0, cef_currently_on(TID_UI));
  std::mutex mutex;
  std::condition_variable cv;
  bool done = false;
  CountedTask task([&] {
    std::lock_guard<std::mutex> lock(mutex);
    done = true;
    cv.notify_one();
  });
  ASSERT_EQ(1, cef_post_task(TID_UI, task.get()));
  {
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(5), [&] { return done; }));
  }
  cef_shutdown();
  EXPECT_TRUE(task.on_ui.load());
  EXPECT_NE(std::this_thread::get_id(), task.ran_on);
  EXPECT_EQ(1, task.releases.load());
}

}  // namespace
