// Many browser windows in one process, one after another, through the
// bridge: nothing stays referenced (the library's strict shut-down report)
// and resident memory does not creep. PELLAVINE_SOAK_COUNT and
// PELLAVINE_SOAK_BASELINE set the run's length (default 100 windows,
// measured against the first 20).
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

std::string EnvOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

TEST(SoakTest, WindowsOpenAndCloseWithoutLeavingAnythingBehind) {
  if (!e2e::OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
  const std::string count = EnvOr("PELLAVINE_SOAK_COUNT", "100");
  const std::string baseline = EnvOr("PELLAVINE_SOAK_BASELINE", "20");
  const fs::path dir =
      fs::temp_directory_path() /
      ("pellavine-soak-" +
       std::to_string(e2e::Clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  std::ofstream(dir / "page.html")
      << "<html><head><title>soak</title></head><body><h1>Soak</h1>"
         "<p>A page with a little of everything: text, a form, a script."
         "</p><form><input name=q><button>Go</button></form>"
         "<script>document.title = 'soak ' + Date.now();</script>"
         "</body></html>";

  e2e::Desktop desktop(800, 600);
  ASSERT_EQ(desktop.error(), "");
  std::vector<std::string> env = {
      "CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1", "GSETTINGS_BACKEND=memory",
      "SOAK_COUNT=" + count, "SOAK_BASELINE=" + baseline,
      "SOAK_URL=file://" + (dir / "page.html").string()};
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  e2e::Child probe(
      e2e::Child::Options{{SOAK_PROBE}, env, dir, dir / "soak.log"});
  // A window's round trip is bounded inside the probe; this bounds the run.
  const std::optional<int> status =
      probe.WaitExit(Millis(60000 + 30000LL * std::atoi(count.c_str())));
  const std::string log = ReadFile(dir / "soak.log");
  std::printf("%s", log.c_str());
  EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << e2e::DescribeStatus(status) << "\n"
      << log;
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

}  // namespace
