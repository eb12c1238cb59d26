#include "shell/entry.h"

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <windows.h>
#endif

#include <algorithm>
#include <string>

#include "tests/fake/fake_library.h"
#include "tests/shell/fake_platform.h"

namespace {

class ShellEntryTest : public testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    fake_platform::Reset();
  }
  void TearDown() override { fake::Reset(); }

  std::wstring DebugText() const {
    std::wstring text;
    for (const std::wstring& line : fake_platform::State().debug_lines)
      text += line + L"\n";
    return text;
  }

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
  EXPECT_EQ(fake::LastCall("cef_initialize")->args[2], "<ptr>")
      << "the application object crosses";
  EXPECT_EQ(fake::LastCall("cef_initialize")->args[3], "<null>");
}

TEST_F(ShellEntryTest, ForeignLibraryEndsTheProcessWithAReason) {
  fake::State().api_hash = "0123456789012345678901234567890123456789";
  EXPECT_EQ(Run(), shell::kExitApiMismatch);
  ASSERT_EQ(fake_platform::State().debug_lines.size(), 1u);
  const std::wstring debug = DebugText();
  EXPECT_NE(debug.find(L"0123456789012345678901234567890123456789"),
            std::wstring::npos);
  EXPECT_NE(debug.find(L"" CEF_API_HASH_PLATFORM), std::wstring::npos);
  EXPECT_EQ(CallNames(),
            (std::vector<std::string>{"cef_enable_highdpi_support"}));
}

TEST_F(ShellEntryTest, FailedInitializationDoesNotRunTheLoop) {
  fake::State().results["cef_initialize"] = 0;
  EXPECT_EQ(Run(), shell::kExitInitializeFailed);
  EXPECT_EQ(fake_platform::State().debug_lines.size(), 1u);
  EXPECT_EQ(fake::CallCount("cef_run_message_loop"), 0);
  EXPECT_EQ(fake::CallCount("cef_shutdown"), 0);
}

}  // namespace
