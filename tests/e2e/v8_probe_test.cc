// The page's script context served to a program against the real library:
// values made and read inside the context, functions the page calls through
// promises, Eval, page objects and functions reached through the global
// object, the page's stack inside a handler, contexts released when the
// page goes, and no hang when the page's process dies during an Eval.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::ReadFile;

namespace {

struct ProbeRun {
  bool ran = false;
  std::string output;    // the probe's checks
  std::string recorded;  // what the page reported
};

ProbeRun RunProbe(const std::string& mode) {
  ProbeRun run;
  const fs::path dir =
      fs::temp_directory_path() /
      ("pellavine-v8-" + mode + "-" +
       std::to_string(e2e::Clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  e2e::Child server(e2e::Child::Options{
      {"python3", V8_SERVER, (dir / "record").string(),
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
      "PROBE_MODE=" + mode,
      "PROBE_URL=http://127.0.0.1:" + ReadFile(dir / "port") + "/"};
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  e2e::Child probe(e2e::Child::Options{{V8_PROBE}, env, dir, dir / "probe.log"});
  const std::optional<int> status = probe.WaitExit(Millis(150000));
  run.output = ReadFile(dir / "probe.log");
  run.ran = status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
  EXPECT_TRUE(run.ran) << e2e::DescribeStatus(status) << "\n" << run.output;
  server.Stop();
  run.recorded = ReadFile(dir / "record");
  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return run;
}

// One run of the page mode serves every case below.
const ProbeRun& PageRun() {
  static const ProbeRun run = RunProbe("page");
  return run;
}

bool Skip() { return !e2e::OnPath("Xvfb") || !e2e::OnPath("python3"); }

void ExpectChecks(const ProbeRun& run, std::initializer_list<const char*> names) {
  EXPECT_EQ(run.output.find("FAIL"), std::string::npos) << run.output;
  for (const char* name : names)
    EXPECT_NE(run.output.find(std::string("ok ") + name + "\n"),
              std::string::npos)
        << name << " was not checked:\n" << run.output;
}

TEST(V8ProbeTest, ValuesMadeInsideTheContextBehaveAsTheLibrarysDo) {
  if (Skip()) GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun& run = PageRun();
  ExpectChecks(run, {"predicates undefined", "predicates null",
                     "predicates bool", "predicates int", "predicates uint",
                     "predicates small uint", "predicates double",
                     "predicates date", "predicates string",
                     "predicates object", "predicates array",
                     "predicates function", "int value", "date round trip",
                     "array by index", "object by key", "user data",
                     "function call", "function exception"});
}

TEST(V8ProbeTest, ThePageCallsBoundFunctionsAndGetsTheirAnswers) {
  if (Skip()) GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun& run = PageRun();
  ExpectChecks(run, {"context of the frame", "in context while created",
                     "in context inside a handler",
                     "stack names the page's caller", "page arguments"});
  // The program's object and array reach the page as its own values, and
  // the handler's exception rejects the page's promise with its text.
  EXPECT_NE(run.recorded.find("ask={\"text\":\"7|two|2|v\",\"list\":[true,2.5]}\n"),
            std::string::npos)
      << run.recorded;
  EXPECT_NE(run.recorded.find("fail=thrown here\n"), std::string::npos)
      << run.recorded;
  // An extension's native function reaches the extension's handler.
  ExpectChecks(run, {"extension registered"});
  EXPECT_NE(run.recorded.find("ext=42\n"), std::string::npos) << run.recorded;
  // The next document called before its binding could arrive: the call
  // waited for it instead of failing.
  EXPECT_NE(run.recorded.find("early=1|early|0|e\n"), std::string::npos)
      << run.recorded;
}

TEST(V8ProbeTest, TheProgramEvaluatesAndReachesThePagesValues) {
  if (Skip()) GTEST_SKIP() << "needs Xvfb and python3";
  ExpectChecks(PageRun(), {"not in context outside a handler", "eval value",
                           "eval exception", "page value through the global",
                           "page function executed", "page function exception",
                           "value set on the page"});
}

TEST(V8ProbeTest, AContextEndsWithItsPage) {
  if (Skip()) GTEST_SKIP() << "needs Xvfb and python3";
  ExpectChecks(PageRun(), {"released context is the first",
                           "first context invalid after navigating away",
                           "eval on a dead context fails",
                           "page values invalid with their context"});
}

TEST(V8ProbeTest, AnEvalEndsWhenThePagesProcessDies) {
  if (Skip()) GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run = RunProbe("kill");
  ExpectChecks(run, {"eval ends when the page's process dies",
                     "context invalid after the process died"});
}

}  // namespace
