#include "runtime/base/task_runner.h"

#include <stddef.h>

#include <algorithm>
#include <utility>

namespace cefrt {

namespace {

// Members at or beyond a structure's declared size are absent.
template <typename Struct, typename Member>
bool Covers(const Struct* s, size_t size, const Member Struct::*member) {
  const size_t end = static_cast<size_t>(
      reinterpret_cast<const char*>(&(s->*member)) -
      reinterpret_cast<const char*>(s)) + sizeof(Member);
  return size >= end;
}

// Keeps far-future deadlines from overflowing the clock.
constexpr int64_t kMaxDelayMs = int64_t{100} * 365 * 24 * 3600 * 1000;

}  // namespace

void ExecuteTask(cef_task_t* task) {
  if (task && Covers(task, task->base.size, &cef_task_t::execute) &&
      task->execute)
    task->execute(task);
}

void ReleaseTask(cef_task_t* task) {
  if (task && Covers(&task->base, task->base.size, &cef_base_t::release) &&
      task->base.release)
    task->base.release(&task->base);
}

TaskRunner::TaskRunner(std::unique_ptr<MessagePump> pump)
    : pump_(std::move(pump)) {}

TaskRunner::~TaskRunner() {
  Close();
  JoinThread();
}

bool TaskRunner::Post(cef_task_t* task, int64_t delay_ms) {
  if (!task)
    return false;
  bool queued = false, wake = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!closed_.load(std::memory_order_relaxed)) {
      queued = true;
      if (delay_ms <= 0) {
        ready_.push_back(task);
        wake = !wake_pending_;
      } else {
        const int64_t delay = std::min(delay_ms, kMaxDelayMs);
        delayed_.push({Clock::now() + std::chrono::milliseconds(delay),
                       next_seq_++, task});
        // The runner may be asleep until a later deadline.
        wake = true;
      }
      wake_pending_ = true;
    }
  }
  if (!queued) {
    ReleaseTask(task);
    return false;
  }
  if (wake)
    pump_->ScheduleWork();
  return true;
}

Clock::time_point TaskRunner::RunDueTasks(bool stop_on_quit) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_.load(std::memory_order_relaxed))
      return Clock::time_point::max();
    // A batch that a Quit cut short goes on first; otherwise everything
    // due now, and nothing posted from here on, makes the next batch.
    if (batch_next_ == batch_.size()) {
      batch_.clear();
      batch_next_ = 0;
      if (!delayed_.empty()) {
        const Clock::time_point now = Clock::now();
        while (!delayed_.empty() && delayed_.top().due <= now) {
          ready_.push_back(delayed_.top().task);
          delayed_.pop();
        }
      }
      batch_.swap(ready_);
      wake_pending_ = false;
    }
    in_batch_ = true;
  }
  while (batch_next_ < batch_.size()) {
    if ((stop_on_quit && quit_.load()) || closed_.load())
      break;
    cef_task_t* task = batch_[batch_next_++];
    ExecuteTask(task);
    ReleaseTask(task);
  }
  bool closed;
  Clock::time_point next = Clock::time_point::max();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    in_batch_ = false;
    closed = closed_.load(std::memory_order_relaxed);
    if (!closed) {
      if (batch_next_ < batch_.size() || !ready_.empty()) {
        next = Clock::now();
      } else {
        // Nothing is left to run now, yet the flag may still be set: a
        // nested pass (a modal loop in a task) can take the wake-up and
        // finish the batch without taking a new one. The caller may then
        // sleep until a delayed task is due, so the next post must wake it.
        wake_pending_ = false;
        if (!delayed_.empty())
          next = delayed_.top().due;
      }
    }
  }
  // A Close during the batch left its rest to this thread.
  if (closed)
    DropRestOfBatch();
  return next;
}

void TaskRunner::DropRestOfBatch() {
  std::vector<cef_task_t*> rest(batch_.begin() + batch_next_, batch_.end());
  batch_.clear();
  batch_next_ = 0;
  for (cef_task_t* task : rest)
    ReleaseTask(task);
}

void TaskRunner::Run() {
  while (!quit_.load()) {
    const Clock::time_point next = RunDueTasks(true);
    if (quit_.load())
      break;
    pump_->WaitForWork(next);
  }
  quit_ = false;
}

void TaskRunner::Quit() {
  quit_ = true;
  pump_->ScheduleWork();
}

void TaskRunner::Close() {
  std::vector<cef_task_t*> dropped;
  bool batch_is_ours;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    dropped.swap(ready_);
    while (!delayed_.empty()) {
      dropped.push_back(delayed_.top().task);
      delayed_.pop();
    }
    // A batch being run is left to its thread, which sees closed_.
    batch_is_ours = !in_batch_;
  }
  Quit();
  // Outside the lock: a release may post again, which is refused.
  if (batch_is_ours)
    DropRestOfBatch();
  for (cef_task_t* task : dropped)
    ReleaseTask(task);
}

void TaskRunner::BindToCurrentThread() {
  std::lock_guard<std::mutex> lock(mutex_);
  owner_ = std::this_thread::get_id();
}

bool TaskRunner::RunsOnCurrentThread() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return owner_ == std::this_thread::get_id();
}

void TaskRunner::StartThread() {
  thread_ = std::thread([this] {
    BindToCurrentThread();
    // A Close that came before this point has set quit_; Run then returns.
    if (!closed_.load())
      Run();
  });
}

void TaskRunner::JoinThread() {
  if (!thread_.joinable())
    return;
  // A thread cannot wait for itself; it ends on its own once Run returns.
  if (thread_.get_id() == std::this_thread::get_id())
    thread_.detach();
  else
    thread_.join();
}

}  // namespace cefrt
