#include "libcef_dll/adapters/task_adapter.h"
#include "tests/support/member_walk.h"

namespace {

class RecordingTask : public CefTask, public walk::Recording {
 public:
  void Execute() override { Noted(0); }
  IMPLEMENT_REFCOUNTING(RecordingTask);
};

class TaskAdapterTest : public fake::LedgerTest {};

TEST_F(TaskAdapterTest, EveryMember) {
  walk::WalkAdapter<CefTaskAdapter, RecordingTask>({
      walk::Row<&cef_task_t::execute>(),
  });
}

}  // namespace
