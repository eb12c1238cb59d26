// One named thread's queue of posted tasks and the loop that runs them.
#ifndef CEF_RUNTIME_TASK_RUNNER_H_
#define CEF_RUNTIME_TASK_RUNNER_H_

#include <stdint.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

#include "include/capi/cef_task_capi.h"
#include "runtime/base/message_pump.h"

namespace cefrt {

// A task carries one reference that the runtime owns: it is executed at most
// once and released exactly once.
void ExecuteTask(cef_task_t* task);
void ReleaseTask(cef_task_t* task);

class TaskRunner {
 public:
  explicit TaskRunner(std::unique_ptr<MessagePump> pump);
  ~TaskRunner();
  TaskRunner(const TaskRunner&) = delete;
  TaskRunner& operator=(const TaskRunner&) = delete;

  // Takes over the task's reference. On false the task was already released.
  bool Post(cef_task_t* task, int64_t delay_ms);

  // Runs the tasks that are due now and were queued before the call (work
  // posted meanwhile waits for the next pass, so a self-reposting task cannot
  // starve the caller). Returns when the next task is due, or
  // Clock::time_point::max() when nothing is queued.
  Clock::time_point RunDueTasks(bool stop_on_quit);

  // Runs tasks, waiting on the pump in between, until Quit or Close. A Quit
  // that arrives while no Run is active ends the next Run at once.
  void Run();
  void Quit();

  // Refuses further posts, ends Run and releases the queued tasks unrun.
  void Close();

  void BindToCurrentThread();
  bool RunsOnCurrentThread() const;

  // A named thread of its own that runs this runner until Close.
  void StartThread();
  void JoinThread();

 private:
  struct Pending {
    Clock::time_point due;
    uint64_t seq;
    cef_task_t* task;
  };
  struct RunsLater {
    bool operator()(const Pending& a, const Pending& b) const {
      return a.due != b.due ? a.due > b.due : a.seq > b.seq;
    }
  };

  // Releases what is left of the batch unrun; the caller owns the batch.
  void DropRestOfBatch();

  const std::unique_ptr<MessagePump> pump_;
  mutable std::mutex mutex_;
  // Undelayed tasks in the order of their posting; delayed ones by due time.
  std::vector<cef_task_t*> ready_;
  std::priority_queue<Pending, std::vector<Pending>, RunsLater> delayed_;
  uint64_t next_seq_ = 0;
  // A wake-up is on its way to the pump and no pass has since taken a batch
  // or ended with nothing ready: further posts need not send another.
  bool wake_pending_ = false;
  // The batch being run, taken whole from ready_ so that each task costs
  // the posters no lock. Only the running thread touches it while in_batch_
  // is set; otherwise the lock guards it.
  std::vector<cef_task_t*> batch_;
  size_t batch_next_ = 0;
  bool in_batch_ = false;
  std::atomic<bool> closed_{false};
  std::thread::id owner_;
  std::atomic<bool> quit_{false};
  std::thread thread_;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_TASK_RUNNER_H_
