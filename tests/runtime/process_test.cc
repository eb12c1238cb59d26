// Interface hash and sub-process dispatch.
#include <algorithm>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_entry_capi.h"
#include "tests/runtime/test_support.h"

namespace {

using rt_test::CountedRef;

bool IsLowerHex40(const std::string& text) {
  if (text.size() != 40)
    return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
      return false;
  }
  return true;
}

TEST(ApiHash, ReportsThePlatformAndUniversalHashes) {
  EXPECT_STREQ(CEF_API_HASH_PLATFORM, cef_api_hash(0));
  const std::string universal = cef_api_hash(1);
  EXPECT_TRUE(IsLowerHex40(universal)) << universal;
  EXPECT_NE(universal, CEF_API_HASH_PLATFORM);
  EXPECT_STREQ("", cef_api_hash(2));
  EXPECT_STREQ("", cef_api_hash(-1));
}

#if defined(_WIN32)
// Windows reads the process's own command line, which has no --type here.
TEST(ExecuteProcess, BrowserProcessOnWindows) {
  cef_main_args_t args = {nullptr};
  CountedRef app;
  EXPECT_EQ(-1, cef_execute_process(&args, app.app(), nullptr));
  EXPECT_EQ(1, app.releases.load());
}
#else
TEST(ExecuteProcess, DispatchesOnTheTypeSwitch) {
  struct Case {
    std::vector<std::string> args;
    int expected;
  };
  const Case cases[] = {
      {{"app"}, -1},
      {{"app", "--disable-gpu", "http://x/"}, -1},
      {{"app", "--type=renderer", "--lang=zh-CN"}, 0},
      {{"app", "--no-sandbox", "--type=gpu-process"}, 0},
      {{"app", "--type=utility"}, 0},
      {{"app", "-type=zygote"}, 0},
      {{"app", "--type=bogus"}, 1},
      {{"app", "--type="}, -1},
      {{"app", "--typed=renderer"}, -1},
      {{"app", "type=renderer"}, -1},
      {{"app", "--", "--type=renderer"}, -1},
  };
  for (const Case& c : cases) {
    std::vector<char*> argv;
    for (const std::string& a : c.args)
      argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    cef_main_args_t args = {static_cast<int>(c.args.size()), argv.data()};
    CountedRef app;
    EXPECT_EQ(c.expected, cef_execute_process(&args, app.app(), nullptr))
        << c.args.back();
    EXPECT_EQ(1, app.releases.load()) << c.args.back();
  }
  // Sub-processes start nothing.
  EXPECT_EQ(0, cef_currently_on(TID_UI));
  EXPECT_EQ(-1, cef_execute_process(nullptr, nullptr, nullptr));
}

TEST(ExecuteProcess, UnknownRoleWritesOneLogLine) {
  std::string arg0 = "app", arg1 = "--type=bogus";
  char* argv[] = {&arg0[0], &arg1[0], nullptr};
  cef_main_args_t args = {2, argv};
  testing::internal::CaptureStderr();
  EXPECT_EQ(1, cef_execute_process(&args, nullptr, nullptr));
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, err.find("bogus")) << err;
  EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
}
#endif

TEST(Log, WritesOneLineWithSeverityFileAndLine) {
  testing::internal::CaptureStderr();
  cef_log("/src/shell/main.cc", 42, LOGSEVERITY_ERROR, "text\n");
  cef_log("C:\\src\\x.cc", 7, LOGSEVERITY_WARNING, "w");
  cef_log(nullptr, 0, LOGSEVERITY_INFO, nullptr);
  cef_log("v.cc", 1, LOGSEVERITY_VERBOSE, "below the default level");
  EXPECT_EQ(
      "[ERROR:main.cc(42)] text\n"
      "[WARNING:x.cc(7)] w\n"
      "[INFO:(0)] \n",
      testing::internal::GetCapturedStderr());
  EXPECT_EQ(LOGSEVERITY_INFO, cef_get_min_log_level());
  EXPECT_EQ(0, cef_get_vlog_level("x.cc", 4));
}

}  // namespace
