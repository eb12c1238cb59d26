// Task runners before start-up and after shut-down: kept runners refuse
// work, and every task handed over is let go exactly once.
#include <atomic>
#include <memory>

#include "gtest/gtest.h"
#include "include/cef_entry.h"
#include "include/cef_task.h"
#include "include/cef_task_runner.h"

namespace {

struct Counts {
  std::atomic<int> runs{0};
  std::atomic<int> destroyed{0};
};

class CountedTask : public CefTask {
 public:
  explicit CountedTask(std::shared_ptr<Counts> counts)
      : counts_(std::move(counts)) {}
  ~CountedTask() override { ++counts_->destroyed; }
  void Execute() override { ++counts_->runs; }

 private:
  std::shared_ptr<Counts> counts_;
  IMPLEMENT_REFCOUNTING(CountedTask);
};

TEST(TaskRunnerLifetime, NoRunnersOutsideTheRuntimeAndKeptOnesRefuse) {
  EXPECT_FALSE(CefTaskRunner::GetForThread(TID_UI)) << "before start-up";
  EXPECT_FALSE(CefTaskRunner::GetForCurrentThread());

  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  ASSERT_EQ(1, cef_initialize(nullptr, &settings, nullptr, nullptr));
  CefRefPtr<CefTaskRunner> ui = CefTaskRunner::GetForThread(TID_UI);
  CefRefPtr<CefTaskRunner> io = CefTaskRunner::GetForThread(TID_IO);
  ASSERT_TRUE(ui && io);
  // Still queued at shut-down: released unrun.
  auto pending = std::make_shared<Counts>();
  EXPECT_TRUE(ui->PostDelayedTask(new CountedTask(pending), 60000));
  EXPECT_TRUE(io->PostDelayedTask(new CountedTask(pending), 60000));
  CefShutdown();

  EXPECT_EQ(0, pending->runs.load());
  EXPECT_EQ(2, pending->destroyed.load());

  EXPECT_FALSE(CefTaskRunner::GetForThread(TID_UI)) << "after shut-down";
  EXPECT_FALSE(CefTaskRunner::GetForThread(TID_IO));
  EXPECT_FALSE(CefTaskRunner::GetForCurrentThread());
  auto refused = std::make_shared<Counts>();
  EXPECT_FALSE(ui->PostTask(new CountedTask(refused)));
  EXPECT_FALSE(io->PostDelayedTask(new CountedTask(refused), 5));
  EXPECT_EQ(0, refused->runs.load());
  EXPECT_EQ(2, refused->destroyed.load());
  EXPECT_TRUE(io->BelongsToThread(TID_IO));
  EXPECT_FALSE(ui->IsSame(io));
}

}  // namespace
