// The page's script context served to a program against the real library:
// values made and read inside the context, functions the page calls through
// promises, Eval, page objects and functions reached through the global
// object, the page's stack inside a handler, contexts released when the
// page goes, and no hang when the page's process dies during an Eval.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

struct ProbeRun {
  bool ran = false;
  std::string output;    // the probe's checks
  std::string recorded;  // what the page reported
};

ProbeRun RunProbe(const std::string& mode) {
  e2e::ProbeRun::Options options;
  options.name = "v8-" + mode;
  options.server = V8_SERVER;
  options.probe = {V8_PROBE};
  options.env = {"PROBE_MODE=" + mode};
  options.limit = Millis(150000);
  const e2e::ProbeRun probe(options);
  return {probe.ok(), probe.output(), probe.recorded()};
}

// One run of the page mode serves every case below.
const ProbeRun& PageRun() {
  static const ProbeRun run = RunProbe("page");
  return run;
}

bool Skip() { return !e2e::CanRunProbes(); }

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
