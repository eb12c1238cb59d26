// A million tasks posted from four threads to the UI thread: the runtime's
// cef_post_task and message loop against a plain mutex-and-condition-variable
// queue that runs and releases the same tasks.
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "bench/micro/counted_struct.h"
#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_task_capi.h"

namespace {

constexpr int kPosters = 4;
constexpr int kTasks = 1000000;

// Every post carries the same task; its reference count keeps the usual
// bookkeeping of one reference per post.
struct Work {
  CountedStruct<cef_task_t> task;
  int64_t runs = 0;  // touched only by the consuming thread
  std::function<void()> on_last;
};

Work& TheWork();

void CEF_CALLBACK Execute(cef_task_t*) {
  Work& work = TheWork();
  if (++work.runs == kTasks) work.on_last();
}

Work& TheWork() {
  static Work* work = [] {
    auto* made = new Work();
    made->task.structure.execute = &Execute;
    return made;
  }();
  return *work;
}

// Posts kTasks in all from kPosters threads with `post`, runs `consume` on
// this thread until the last task has run, and joins the posters.
template <class Post, class Consume>
void RunOnce(Post post, Consume consume) {
  cef_task_t* task = &TheWork().task.structure;
  std::vector<std::thread> posters;
  for (int p = 0; p < kPosters; ++p) {
    posters.emplace_back([task, post] {
      for (int i = 0; i < kTasks / kPosters; ++i) {
        task->base.add_ref(&task->base);
        post(task);
      }
    });
  }
  consume();
  for (std::thread& poster : posters) poster.join();
}

void Report(benchmark::State& state) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kTasks);
}

void BM_RuntimeLoop(benchmark::State& state) {
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  settings.log_severity = LOGSEVERITY_DISABLE;
  if (cef_initialize(nullptr, &settings, nullptr, nullptr) != 1) {
    state.SkipWithError("cef_initialize failed");
    return;
  }
  Work& work = TheWork();
  work.on_last = [] { cef_quit_message_loop(); };
  for (auto _ : state) {
    work.runs = 0;
    RunOnce([](cef_task_t* task) { cef_post_task(TID_UI, task); },
            [] { cef_run_message_loop(); });
  }
  cef_shutdown();
  Report(state);
}
BENCHMARK(BM_RuntimeLoop)
    ->Name("tasks/post_1M_from_4/measured")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

class PlainQueue {
 public:
  void Post(cef_task_t* task) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      tasks_.push_back(task);
    }
    ready_.notify_one();
  }
  void RunUntilQuit() {
    for (;;) {
      cef_task_t* task;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        ready_.wait(lock, [this] { return quit_ || !tasks_.empty(); });
        if (quit_) {
          quit_ = false;
          return;
        }
        task = tasks_.front();
        tasks_.pop_front();
      }
      task->execute(task);
      task->base.release(&task->base);
    }
  }
  // Called from a task, on the consuming thread.
  void Quit() {
    std::lock_guard<std::mutex> lock(mutex_);
    quit_ = true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<cef_task_t*> tasks_;
  bool quit_ = false;
};

void BM_PlainQueue(benchmark::State& state) {
  PlainQueue queue;
  Work& work = TheWork();
  work.on_last = [&queue] { queue.Quit(); };
  for (auto _ : state) {
    work.runs = 0;
    RunOnce([&queue](cef_task_t* task) { queue.Post(task); },
            [&queue] { queue.RunUntilQuit(); });
  }
  Report(state);
}
BENCHMARK(BM_PlainQueue)
    ->Name("tasks/post_1M_from_4/floor")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
