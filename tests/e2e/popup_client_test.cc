// The pop-up's client slot against the real library: kept, replaced or
// cleared by the handler, every reference that crossed comes back exactly
// once. The probe is a small embedder of its own; with the library's strict
// shut-down report on, anything left referenced ends it with a non-zero code.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::ReadFile;

namespace {

class PopUpClientTest : public testing::TestWithParam<const char*> {};

TEST_P(PopUpClientTest, EveryReferenceComesBack) {
  if (!e2e::OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
  const fs::path dir =
      fs::temp_directory_path() /
      ("pellavine-popup-" + std::string(GetParam()) + "-" +
       std::to_string(e2e::Clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  std::ofstream(dir / "opener.html")
      << "<html><head><title>opener</title></head><body>"
         "<script>window.open('about:blank', 'probe-popup',"
         " 'width=320,height=200');</script></body></html>";

  e2e::Desktop desktop(800, 600);
  ASSERT_EQ(desktop.error(), "");
  std::vector<std::string> env = {
      "CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1", "GSETTINGS_BACKEND=memory",
      std::string("PROBE_MOVE=") + GetParam(),
      "PROBE_URL=file://" + (dir / "opener.html").string()};
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  e2e::Child probe(e2e::Child::Options{
      {POPUP_CLIENT_PROBE}, env, dir, dir / "probe.log"});
  const std::optional<int> status = probe.WaitExit(Millis(60000));
  EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << e2e::DescribeStatus(status) << "\n"
      << ReadFile(dir / "probe.log");
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

INSTANTIATE_TEST_SUITE_P(Moves, PopUpClientTest,
                         testing::Values("keep", "replace", "clear"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

}  // namespace
