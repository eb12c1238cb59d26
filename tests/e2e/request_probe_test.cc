// A program's own request loaded by its frame, against the real library:
// WebKitGTK sends the request's headers and referrer with a GET, and
// refuses a POST (it has no way to send a body) with an error the program
// hears, rather than sending a different request.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

e2e::ProbeRun::Options ProbeOptions(const std::string& method) {
  e2e::ProbeRun::Options run;
  run.name = "request-" + method;
  run.server = REQUEST_SERVER;
  run.probe = {REQUEST_PROBE};
  run.env = {"PROBE_METHOD=" + method};
  run.limit = Millis(90000);
  return run;
}

TEST(RequestProbeTest, AGetCarriesTheProgramsHeadersAndReferrer) {
  if (!e2e::CanRunProbes()) GTEST_SKIP() << "needs Xvfb and python3";
  const e2e::ProbeRun run(ProbeOptions("GET"));
  EXPECT_NE(run.output().find("load-end 200"), std::string::npos)
      << run.output();
  EXPECT_NE(run.recorded().find("\"method\": \"GET\""), std::string::npos)
      << run.recorded();
  // The engine keeps one value per name, so both go as one list, in order.
  EXPECT_NE(run.recorded().find("[\"X-Probe\", \"one, two\"]"),
            std::string::npos)
      << run.recorded();
  EXPECT_NE(run.recorded().find("[\"Referer\", \"http://127.0.0.1:"),
            std::string::npos)
      << "no referrer: " << run.recorded();
}

TEST(RequestProbeTest, APostIsRefusedAndTheProgramHearsWhy) {
  if (!e2e::CanRunProbes()) GTEST_SKIP() << "needs Xvfb and python3";
  const e2e::ProbeRun run(ProbeOptions("POST"));
  EXPECT_NE(run.output().find("load-error -11"), std::string::npos)
      << run.output();
  EXPECT_EQ("", run.recorded()) << "a different request was sent";
}

}  // namespace
