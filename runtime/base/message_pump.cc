#include "runtime/base/message_pump.h"

#include <condition_variable>
#include <mutex>

namespace cefrt {

namespace {

class DefaultMessagePump : public MessagePump {
 public:
  void WaitForWork(Clock::time_point deadline) override {
    std::unique_lock<std::mutex> lock(mutex_);
    auto woken = [this] { return work_scheduled_; };
    // Far deadlines overflow the clock conversions inside wait_until.
    if (deadline == Clock::time_point::max())
      cv_.wait(lock, woken);
    else
      cv_.wait_until(lock, deadline, woken);
    work_scheduled_ = false;
  }

  void ScheduleWork() override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      work_scheduled_ = true;
    }
    cv_.notify_one();
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool work_scheduled_ = false;
};

}  // namespace

std::unique_ptr<MessagePump> CreateDefaultMessagePump() {
  return std::make_unique<DefaultMessagePump>();
}

}  // namespace cefrt
