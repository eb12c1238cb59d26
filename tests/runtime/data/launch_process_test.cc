// Starting a program of the embedder's choosing, as the library does: only
// on the process launcher thread, reporting whether it started.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "gtest/gtest.h"
#include "include/cef_command_line.h"
#include "include/cef_entry.h"
#include "include/cef_task.h"

namespace {

namespace fs = std::filesystem;

class FunctionTask : public CefTask {
 public:
  explicit FunctionTask(std::function<void()> body) : body_(std::move(body)) {}
  void Execute() override { body_(); }

 private:
  std::function<void()> body_;
  IMPLEMENT_REFCOUNTING(FunctionTask);
};

fs::path ExeDir() {
  CefString dir;
  EXPECT_TRUE(CefGetPath(PK_DIR_EXE, dir));
  return fs::path(dir.ToWide());
}

CefRefPtr<CefCommandLine> Line(const fs::path& program, const fs::path& arg) {
  CefRefPtr<CefCommandLine> line = CefCommandLine::CreateCommandLine();
  line->SetProgram(program.wstring());
  line->AppendArgument(arg.wstring());
  return line;
}

// CefLaunchProcess run on the launcher thread, while the UI loop waits.
bool LaunchOnLauncherThread(CefRefPtr<CefCommandLine> line) {
  bool started = false;
  bool ran = false;
  EXPECT_TRUE(CefPostTask(TID_PROCESS_LAUNCHER, new FunctionTask([&] {
    started = CefLaunchProcess(line);
    ran = true;
    CefPostTask(TID_UI, new FunctionTask([] { CefQuitMessageLoop(); }));
  })));
  // A lost task fails the test instead of hanging it.
  CefPostDelayedTask(TID_UI, new FunctionTask([] { CefQuitMessageLoop(); }),
                     10000);
  CefRunMessageLoop();
  EXPECT_TRUE(ran) << "the launcher thread ran the task";
  return started;
}

bool AppearsWithin(const fs::path& path, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!fs::exists(path)) {
    if (std::chrono::steady_clock::now() > end)
      return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

#if defined(_WIN32)
constexpr char kMarkerProgram[] = "launch_marker.exe";
#else
constexpr char kMarkerProgram[] = "launch_marker";
#endif

TEST(LaunchProcess, StartsTheProgramOnlyFromTheLauncherThread) {
  const fs::path marker =
      fs::temp_directory_path() /
      ("pellavine-launch-" + std::to_string(std::chrono::steady_clock::now()
                                                .time_since_epoch()
                                                .count()));
  CefRefPtr<CefCommandLine> line = Line(ExeDir() / kMarkerProgram, marker);

  EXPECT_FALSE(CefLaunchProcess(line)) << "refused off the launcher thread";
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_FALSE(fs::exists(marker));

  ASSERT_TRUE(LaunchOnLauncherThread(line));
  EXPECT_TRUE(AppearsWithin(marker, std::chrono::seconds(20)))
      << "the started program left " << marker.string();
  std::error_code ignored;
  fs::remove(marker, ignored);
}

TEST(LaunchProcess, AProgramThatCannotStartIsReportedAsSuch) {
  EXPECT_FALSE(LaunchOnLauncherThread(
      Line(ExeDir() / "no-such-program", fs::temp_directory_path() / "x")));
}

}  // namespace
