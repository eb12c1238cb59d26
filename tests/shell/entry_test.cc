#include "shell/entry.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#endif

#include <algorithm>
#include <string>

#include "tests/fake/fake_library.h"
#include "tests/support/debug_channel.h"

namespace {

class ShellEntryTest : public testing::Test {
 protected:
  void SetUp() override { fake::Reset(); }

  int Run() {
#if defined(_WIN32)
    return shell::Run(CefMainArgs(GetModuleHandleW(nullptr)));
#else
    char program[] = "pellavine";
    char* argv[] = {program, nullptr};
    return shell::Run(CefMainArgs(1, argv));
#endif
  }

  std::vector<std::string> CallNames() const {
    std::vector<std::string> names;
    for (const fake::Call& call : fake::State().calls) {
      if (call.name != "cef_api_hash") names.push_back(call.name);
    }
    return names;
  }
};

TEST_F(ShellEntryTest, SubProcessExitsWithTheLibrarysCode) {
  for (int code : {0, 1, 42}) {
    fake::Reset();
    fake::State().results["cef_execute_process"] = code;
    EXPECT_EQ(Run(), code);
    EXPECT_EQ(CallNames(), (std::vector<std::string>{
                               "cef_enable_highdpi_support",
                               "cef_execute_process"}));
  }
}

TEST_F(ShellEntryTest, BrowserProcessRunsTheLoopAndExitsWithZero) {
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(CallNames(),
            (std::vector<std::string>{
                "cef_enable_highdpi_support", "cef_execute_process",
                "cef_initialize", "cef_run_message_loop", "cef_shutdown"}));
  const fake::Library& library = fake::State();
  EXPECT_EQ(library.seen_cache_path, ".//cache_back");
  EXPECT_EQ(library.seen_cache_path.size(), 13u);
  EXPECT_EQ(library.seen_locale, "zh-CN");
  EXPECT_EQ(fake::LastCall("cef_initialize")->args[3], "<null>");
}

TEST_F(ShellEntryTest, ForeignLibraryEndsTheProcessWithAReason) {
  fake::State().api_hash = "0123456789012345678901234567890123456789";
  test_support::DebugChannel channel;
  EXPECT_EQ(Run(), shell::kExitApiMismatch);
  if (test_support::kDebugChannelReadable) {
    const std::string debug = channel.Text();
    EXPECT_NE(debug.find("0123456789012345678901234567890123456789"),
              std::string::npos);
    EXPECT_NE(debug.find(CEF_API_HASH_PLATFORM), std::string::npos);
    EXPECT_EQ(std::count(debug.begin(), debug.end(), '\n'), 1);
  }
  EXPECT_EQ(CallNames(),
            (std::vector<std::string>{"cef_enable_highdpi_support"}));
}

TEST_F(ShellEntryTest, FailedInitializationDoesNotRunTheLoop) {
  fake::State().results["cef_initialize"] = 0;
  test_support::DebugChannel channel;
  EXPECT_EQ(Run(), shell::kExitInitializeFailed);
  if (test_support::kDebugChannelReadable) {
    EXPECT_NE(channel.Text(), "");
  }
  EXPECT_EQ(fake::CallCount("cef_run_message_loop"), 0);
  EXPECT_EQ(fake::CallCount("cef_shutdown"), 0);
}

}  // namespace
