// The task runners and reference counts under load from several threads.
// PELLAVINE_STRESS_TASKS sets how many tasks the load test posts (the
// thread-sanitizer configuration asks for a million).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_task_capi.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPosters = 4;
constexpr cef_thread_id_t kThreads[] = {
    TID_UI,    TID_DB, TID_FILE, TID_FILE_USER_BLOCKING, TID_PROCESS_LAUNCHER,
    TID_CACHE, TID_IO, TID_RENDERER};
constexpr int kThreadKinds = sizeof(kThreads) / sizeof(kThreads[0]);
// Bounds every wait for the loop, so a lost task fails instead of hanging.
constexpr auto kWatchdog = std::chrono::minutes(3);

size_t TaskCount() {
  const char* text = std::getenv("PELLAVINE_STRESS_TASKS");
  const long long n = text ? std::atoll(text) : 0;
  return n > 0 ? static_cast<size_t>(n) : 40000;
}

// What happened to each task, by its index.
struct Ledger {
  explicit Ledger(size_t n) : runs(n), releases(n), wrong_thread(n) {}
  std::vector<std::atomic<int>> runs;
  std::vector<std::atomic<int>> releases;
  std::vector<std::atomic<int>> wrong_thread;
  std::atomic<size_t> total_runs{0};
  size_t expected_runs = 0;
};

// A heap task that owns itself: freed by its last release, the way a
// program's tasks are.
struct StressTask {
  cef_task_t task = {};
  std::atomic<int> refs{1};
  Ledger* ledger;
  size_t index;
  cef_thread_id_t target;
  std::function<void(StressTask*)> body;

  StressTask(Ledger* ledger, size_t index, cef_thread_id_t target)
      : ledger(ledger), index(index), target(target) {
    task.base.size = sizeof(cef_task_t);
    task.base.add_ref = &AddRef;
    task.base.release = &Release;
    task.base.has_one_ref = &HasOneRef;
    task.execute = &Execute;
  }
  static StressTask* From(void* p) { return static_cast<StressTask*>(p); }
  static void CEF_CALLBACK AddRef(cef_base_t* self) { ++From(self)->refs; }
  static int CEF_CALLBACK Release(cef_base_t* self) {
    StressTask* t = From(self);
    ++t->ledger->releases[t->index];
    if (--t->refs != 0) return 0;
    delete t;
    return 1;
  }
  static int CEF_CALLBACK HasOneRef(cef_base_t* self) {
    return From(self)->refs == 1 ? 1 : 0;
  }
  static void CEF_CALLBACK Execute(cef_task_t* self) {
    StressTask* t = From(self);
    Ledger& ledger = *t->ledger;
    if (!cef_currently_on(t->target)) ++ledger.wrong_thread[t->index];
    ++ledger.runs[t->index];
    if (t->body) t->body(t);
    if (++ledger.total_runs == ledger.expected_runs) cef_quit_message_loop();
  }
  cef_task_t* get() { return &task; }
};

void Initialize() {
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  ASSERT_EQ(1, cef_initialize(nullptr, &settings, nullptr, nullptr));
}

// Quits the loop after kWatchdog whatever happens; its own ledger slot is
// the last one and is not counted as work.
void PostWatchdog(Ledger* ledger) {
  auto* watchdog = new StressTask(ledger, ledger->runs.size() - 1, TID_UI);
  watchdog->body = [](StressTask*) { cef_quit_message_loop(); };
  ASSERT_EQ(1, cef_post_delayed_task(
                   TID_UI, watchdog->get(),
                   std::chrono::duration_cast<std::chrono::milliseconds>(
                       kWatchdog)
                       .count()));
}

template <class Fn>
void OnPosters(Fn fn) {
  std::vector<std::thread> posters;
  for (int p = 0; p < kPosters; ++p) posters.emplace_back(fn, p);
  for (std::thread& t : posters) t.join();
}

TEST(Stress, EveryTaskFromFourThreadsRunsOnceOnItsThread) {
  const size_t n = TaskCount();
  Ledger ledger(n + 1);
  ledger.expected_runs = n;
  Initialize();
  PostWatchdog(&ledger);
  std::atomic<size_t> refused{0};
  // Posting overlaps with the UI loop: the loop runs here while four
  // threads post.
  std::thread posting([&] {
    OnPosters([&](int poster) {
      for (size_t i = static_cast<size_t>(poster); i < n; i += kPosters) {
        const cef_thread_id_t target = kThreads[i % kThreadKinds];
        if (!cef_post_task(target, (new StressTask(&ledger, i, target))->get()))
          ++refused;
      }
    });
  });
  cef_run_message_loop();
  posting.join();
  cef_shutdown();

  EXPECT_EQ(0u, refused.load());
  EXPECT_EQ(n, ledger.total_runs.load()) << "tasks lost or run twice";
  size_t bad_runs = 0, bad_releases = 0, wrong_thread = 0;
  for (size_t i = 0; i < n; ++i) {
    bad_runs += ledger.runs[i] != 1;
    bad_releases += ledger.releases[i] != 1;
    wrong_thread += ledger.wrong_thread[i] != 0;
  }
  EXPECT_EQ(0u, bad_runs) << "tasks not run exactly once";
  EXPECT_EQ(0u, bad_releases) << "tasks not released exactly once";
  EXPECT_EQ(0u, wrong_thread) << "tasks run off their thread";
  EXPECT_EQ(0, ledger.runs[n].load()) << "the watchdog fired";
}

TEST(Stress, DelayedTasksFromFourThreadsRunInOrderOfTheirDelay) {
  const size_t n = std::min<size_t>(TaskCount() / 10 + 100, 20000);
  constexpr int kMaxDelayMs = 300;
  Ledger ledger(n + 1);
  ledger.expected_runs = n;
  std::vector<int> delays(n);
  std::vector<Clock::time_point> posted(n), ran(n);
  std::mutex order_mutex;
  std::vector<size_t> order;
  Initialize();
  PostWatchdog(&ledger);
  // All posts happen before the loop runs, within `window` of each other:
  // two tasks whose delays differ by more than that must run in order.
  const Clock::time_point start = Clock::now();
  OnPosters([&](int poster) {
    for (size_t i = static_cast<size_t>(poster); i < n; i += kPosters) {
      delays[i] = static_cast<int>((i * 7919) % (kMaxDelayMs + 1));
      auto* task = new StressTask(&ledger, i, TID_UI);
      task->body = [&](StressTask* t) {
        ran[t->index] = Clock::now();
        std::lock_guard<std::mutex> lock(order_mutex);
        order.push_back(t->index);
      };
      posted[i] = Clock::now();
      ASSERT_EQ(1, cef_post_delayed_task(TID_UI, task->get(), delays[i]));
    }
  });
  const auto window = std::chrono::duration_cast<std::chrono::milliseconds>(
                          Clock::now() - start)
                          .count() +
                      1;
  cef_run_message_loop();
  cef_shutdown();

  ASSERT_EQ(n, order.size());
  int latest = 0;
  size_t out_of_order = 0, early = 0;
  for (size_t index : order) {
    out_of_order += delays[index] + window < latest;
    latest = std::max(latest, delays[index]);
    early += ran[index] - posted[index] < std::chrono::milliseconds(delays[index]);
  }
  EXPECT_EQ(0u, out_of_order) << "posting window " << window << " ms";
  EXPECT_EQ(0u, early) << "tasks ran before their delay";
  EXPECT_EQ(0, ledger.runs[n].load()) << "the watchdog fired";
}

TEST(Stress, TasksPostedDuringAndAfterShutdownAreReleasedOnce) {
  const size_t n = std::min<size_t>(TaskCount() / 4 + 100, 100000);
  Ledger ledger(n);
  ledger.expected_runs = n + 1;  // never reached: no quit from the tasks
  std::vector<std::atomic<int>> accepted(n);
  Initialize();
  std::atomic<bool> go{false};
  std::thread posting([&] {
    OnPosters([&](int poster) {
      while (!go) std::this_thread::yield();
      for (size_t i = static_cast<size_t>(poster); i < n; i += kPosters) {
        // Workers only: nothing runs the UI loop here.
        const cef_thread_id_t target = kThreads[1 + i % (kThreadKinds - 1)];
        accepted[i] =
            cef_post_task(target, (new StressTask(&ledger, i, target))->get());
      }
    });
  });
  go = true;
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  cef_shutdown();
  posting.join();

  size_t bad_releases = 0, refused_but_ran = 0, ran_twice = 0;
  for (size_t i = 0; i < n; ++i) {
    bad_releases += ledger.releases[i] != 1;
    refused_but_ran += !accepted[i] && ledger.runs[i] != 0;
    ran_twice += ledger.runs[i] > 1;
  }
  EXPECT_EQ(0u, bad_releases) << "tasks not released exactly once";
  EXPECT_EQ(0u, refused_but_ran);
  EXPECT_EQ(0u, ran_twice);
  // After shut-down nothing is accepted and nothing runs.
  const size_t before = ledger.total_runs.load();
  Ledger late(kPosters * kThreadKinds);
  OnPosters([&](int poster) {
    for (int k = 0; k < kThreadKinds; ++k) {
      const size_t i = static_cast<size_t>(poster * kThreadKinds + k);
      EXPECT_EQ(0, cef_post_task(kThreads[k],
                                 (new StressTask(&late, i, kThreads[k]))->get()));
    }
  });
  for (size_t i = 0; i < late.runs.size(); ++i) {
    EXPECT_EQ(0, late.runs[i].load());
    EXPECT_EQ(1, late.releases[i].load());
  }
  EXPECT_EQ(before, ledger.total_runs.load());
}

TEST(Stress, ReferencesFromFourThreadsBalance) {
  const size_t n = TaskCount();
  Initialize();
  cef_command_line_t* fresh = cef_command_line_create();
  cef_command_line_t* global = cef_command_line_get_global();
  ASSERT_NE(nullptr, fresh);
  ASSERT_NE(nullptr, global);
  std::atomic<int> seen_alone{0};
  OnPosters([&](int) {
    for (size_t i = 0; i < n / kPosters; ++i) {
      for (cef_base_t* base : {&fresh->base, &global->base}) {
        base->add_ref(base);
        // This thread holds a reference besides the test's own.
        seen_alone += base->has_one_ref(base);
        base->release(base);
      }
    }
  });
  EXPECT_EQ(0, seen_alone.load());
  EXPECT_EQ(1, fresh->base.has_one_ref(&fresh->base));
  EXPECT_EQ(1, fresh->base.release(&fresh->base)) << "the last release frees";
  global->base.release(&global->base);
  cef_shutdown();
}

}  // namespace
