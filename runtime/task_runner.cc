#include "runtime/task_runner.h"

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
  const int64_t delay = std::min(std::max<int64_t>(delay_ms, 0), kMaxDelayMs);
  bool queued = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!closed_) {
      queue_.push(
          {Clock::now() + std::chrono::milliseconds(delay), next_seq_++, task});
      queued = true;
    }
  }
  if (!queued) {
    ReleaseTask(task);
    return false;
  }
  pump_->ScheduleWork();
  return true;
}

Clock::time_point TaskRunner::RunDueTasks(bool stop_on_quit) {
  uint64_t limit;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    limit = next_seq_;
  }
  const Clock::time_point now = Clock::now();
  for (;;) {
    if (stop_on_quit && quit_.load())
      return now;
    cef_task_t* task = nullptr;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (closed_ || queue_.empty())
        return Clock::time_point::max();
      const Pending& top = queue_.top();
      if (top.due > now)
        return top.due;
      if (top.seq >= limit)
        return now;
      task = top.task;
      queue_.pop();
    }
    ExecuteTask(task);
    ReleaseTask(task);
  }
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
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    while (!queue_.empty()) {
      dropped.push_back(queue_.top().task);
      queue_.pop();
    }
  }
  Quit();
  // Outside the lock: a release may post again, which is refused.
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
    bool closed;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      closed = closed_;
    }
    if (!closed)
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
