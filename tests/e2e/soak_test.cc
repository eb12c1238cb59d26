// Many browser windows in one process, one after another, through the
// bridge: nothing stays referenced (the library's strict shut-down report)
// and resident memory does not creep. PELLAVINE_SOAK_COUNT and
// PELLAVINE_SOAK_BASELINE set the run's length (default 100 windows,
// measured against the first 20).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

std::string EnvOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? value : fallback;
}

TEST(SoakTest, WindowsOpenAndCloseWithoutLeavingAnythingBehind) {
  if (!e2e::OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
  const std::string count = EnvOr("PELLAVINE_SOAK_COUNT", "100");
  const std::string baseline = EnvOr("PELLAVINE_SOAK_BASELINE", "20");
  e2e::ProbeRun::Options run;
  run.name = "soak";
  run.probe = {SOAK_PROBE};
  run.files = {{"page.html",
                "<html><head><title>soak</title></head><body><h1>Soak</h1>"
                "<p>A page with a little of everything: text, a form, a "
                "script.</p><form><input name=q><button>Go</button></form>"
                "<script>document.title = 'soak ' + Date.now();</script>"
                "</body></html>"}};
  run.env = {"SOAK_COUNT=" + count, "SOAK_BASELINE=" + baseline,
             "SOAK_URL=file://{dir}/page.html"};
  // A window's round trip is bounded inside the probe; this bounds the run.
  run.limit = Millis(60000 + 30000LL * std::atoi(count.c_str()));
  // The run fails the test unless the probe ends with 0: nothing left
  // referenced and memory flat.
  const e2e::ProbeRun probe(run);
  std::printf("%s", probe.output().c_str());
}

}  // namespace
