// A program's own request loaded by its frame, against the real library:
// WebKitGTK sends the request's headers and referrer with a GET, and
// refuses a POST (it has no way to send a body) with an error the program
// hears, rather than sending a different request.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::ReadFile;

namespace {

struct ProbeRun {
  std::string probe_output;  // what the probe printed
  std::string recorded;      // the server's JSON lines
};

ProbeRun RunProbe(const std::string& method) {
  ProbeRun run;
  const fs::path dir =
      fs::temp_directory_path() /
      ("pellavine-request-" + method + "-" +
       std::to_string(e2e::Clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  e2e::Child server(e2e::Child::Options{
      {"python3", REQUEST_SERVER, (dir / "record").string(),
       (dir / "port").string()},
      {}, dir, dir / "server.log"});
  if (!e2e::PollUntil([&] { return !ReadFile(dir / "port").empty(); },
                      Millis(10000))) {
    ADD_FAILURE() << "the server did not start: "
                  << ReadFile(dir / "server.log");
    return run;
  }
  e2e::Desktop desktop(800, 600);
  if (!desktop.error().empty()) {
    ADD_FAILURE() << desktop.error();
    return run;
  }
  std::vector<std::string> env = {
      "CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1", "GSETTINGS_BACKEND=memory",
      "PROBE_METHOD=" + method,
      "PROBE_URL=http://127.0.0.1:" + ReadFile(dir / "port") + "/"};
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  e2e::Child probe(
      e2e::Child::Options{{REQUEST_PROBE}, env, dir, dir / "probe.log"});
  const std::optional<int> status = probe.WaitExit(Millis(90000));
  run.probe_output = ReadFile(dir / "probe.log");
  EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << e2e::DescribeStatus(status) << "\n"
      << run.probe_output;
  server.Stop();
  run.recorded = ReadFile(dir / "record");
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return run;
}

TEST(RequestProbeTest, AGetCarriesTheProgramsHeadersAndReferrer) {
  if (!e2e::OnPath("Xvfb") || !e2e::OnPath("python3"))
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run = RunProbe("GET");
  EXPECT_NE(run.probe_output.find("load-end 200"), std::string::npos)
      << run.probe_output;
  EXPECT_NE(run.recorded.find("\"method\": \"GET\""), std::string::npos)
      << run.recorded;
  // The engine keeps one value per name, so both go as one list, in order.
  EXPECT_NE(run.recorded.find("[\"X-Probe\", \"one, two\"]"),
            std::string::npos)
      << run.recorded;
  EXPECT_NE(run.recorded.find("[\"Referer\", \"http://127.0.0.1:"),
            std::string::npos)
      << "no referrer: " << run.recorded;
}

TEST(RequestProbeTest, APostIsRefusedAndTheProgramHearsWhy) {
  if (!e2e::OnPath("Xvfb") || !e2e::OnPath("python3"))
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run = RunProbe("POST");
  EXPECT_NE(run.probe_output.find("load-error -11"), std::string::npos)
      << run.probe_output;
  EXPECT_EQ("", run.recorded) << "a different request was sent";
}

}  // namespace
