// The pop-up's client slot against the real library: kept, replaced or
// cleared by the handler, every reference that crossed comes back exactly
// once. The probe is a small embedder of its own; with the library's strict
// shut-down report on, anything left referenced ends it with a non-zero code.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

class PopUpClientTest : public testing::TestWithParam<const char*> {};

TEST_P(PopUpClientTest, EveryReferenceComesBack) {
  if (!e2e::OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
  e2e::ProbeRun::Options run;
  run.name = std::string("popup-") + GetParam();
  run.probe = {POPUP_CLIENT_PROBE};
  run.files = {{"opener.html",
                "<html><head><title>opener</title></head><body>"
                "<script>window.open('about:blank', 'probe-popup',"
                " 'width=320,height=200');</script></body></html>"}};
  run.env = {std::string("PROBE_MOVE=") + GetParam(),
             "PROBE_URL=file://{dir}/opener.html"};
  run.limit = Millis(60000);
  // The run fails the test unless the probe ends with 0, which it does not
  // when anything stayed referenced.
  const e2e::ProbeRun probe(run);
}

INSTANTIATE_TEST_SUITE_P(Moves, PopUpClientTest,
                         testing::Values("keep", "replace", "clear"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

}  // namespace
