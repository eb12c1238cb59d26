// The task runner's wake-ups, against a pump that only counts them.
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "gtest/gtest.h"
#include "runtime/base/task_runner.h"

namespace {

using cefrt::Clock;
using cefrt::TaskRunner;

class CountingPump : public cefrt::MessagePump {
 public:
  explicit CountingPump(int* wakes) : wakes_(wakes) {}
  void WaitForWork(Clock::time_point) override {}
  void ScheduleWork() override { ++*wakes_; }

 private:
  int* wakes_;
};

// A task whose body runs when executed; the runner owns its one reference.
struct Task {
  cef_task_t task = {};
  int refs = 1;
  int runs = 0;
  std::function<void()> body;

  explicit Task(std::function<void()> fn) : body(std::move(fn)) {
    task.base.size = sizeof(cef_task_t);
    task.base.add_ref = &AddRef;
    task.base.release = &Release;
    task.execute = &Execute;
  }
  static Task* From(void* self) { return static_cast<Task*>(self); }
  static void CEF_CALLBACK AddRef(cef_base_t* self) { ++From(self)->refs; }
  static int CEF_CALLBACK Release(cef_base_t* self) {
    return --From(self)->refs == 0 ? 1 : 0;
  }
  static void CEF_CALLBACK Execute(cef_task_t* self) {
    Task* t = From(self);
    ++t->runs;
    if (t->body)
      t->body();
  }
};

constexpr int64_t kLater = int64_t{3600} * 1000;

// A runner over a counting pump, with the tasks it is given.
struct Scene {
  Scene() : runner(std::make_unique<CountingPump>(&wakes)) {}
  ~Scene() { runner.Close(); }
  Task& Post(int64_t delay_ms, std::function<void()> body = nullptr) {
    tasks.emplace_back(std::move(body));
    runner.Post(&tasks.back().task, delay_ms);
    return tasks.back();
  }

  int wakes = 0;
  std::deque<Task> tasks;
  TaskRunner runner;
};

// An undelayed post must reach a pump that may be asleep until a later
// deadline; a post while a wake-up is still on its way needs none.
TEST(TaskRunnerWakeUps, APostWakesThePumpUnlessAWakeUpIsOnItsWay) {
  struct Case {
    const char* name;
    // Brings the runner to the state that the post meets.
    std::function<void(Scene&)> before;
    int wakes;
  };
  const Case cases[] = {
      {"after a pass that ran everything",
       [](Scene& s) {
         s.Post(0);
         s.runner.RunDueTasks(false);
       },
       1},
      {"after a pass that left only delayed work",
       [](Scene& s) {
         s.Post(kLater);
         s.runner.RunDueTasks(false);
       },
       1},
      // A task in the middle of a batch opens a modal loop, whose nested
      // pass takes the wake-up of a delayed post and finishes the batch.
      {"after a nested pass that finished the batch",
       [](Scene& s) {
         s.Post(0, [&s] {
           s.Post(kLater);
           s.runner.RunDueTasks(false);
         });
         s.Post(0);
         EXPECT_NE(s.runner.RunDueTasks(false), Clock::time_point::max());
       },
       1},
      {"after a nested pass with nothing posted since",
       [](Scene& s) {
         s.Post(0, [&s] { s.runner.RunDueTasks(false); });
         s.Post(0);
         s.runner.RunDueTasks(false);
       },
       1},
      {"before any pass took the last post", [](Scene& s) { s.Post(0); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    c.before(scene);
    const int before = scene.wakes;
    Task& last = scene.Post(0);
    EXPECT_EQ(scene.wakes - before, c.wakes);
    // Whatever it took, the post runs on the next pass, and no task twice.
    scene.runner.RunDueTasks(false);
    EXPECT_EQ(last.runs, 1);
    for (const Task& each : scene.tasks) {
      EXPECT_LE(each.runs, 1);
    }
  }
}

}  // namespace
