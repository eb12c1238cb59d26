// A program's own scheme and request handler, against the real library: the
// probe's pages come from its handlers through WebKit, and its request
// handler steers navigations to a local server; each mode's effects are
// checked from both sides (the handlers' calls and threads, and what the
// page or the server saw).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

e2e::ProbeRun::Options ProbeOptions(const std::string& mode) {
  e2e::ProbeRun::Options run;
  run.name = "scheme-" + mode;
  run.server = REQUEST_SERVER;
  run.probe = {SCHEME_PROBE};
  run.env = {"PROBE_MODE=" + mode};
  return run;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct Case {
  const char* mode;
  // Lines the probe must print; "$" stands for the server's root URL.
  std::vector<std::string> printed;
  std::vector<std::string> not_printed;
  std::vector<std::string> recorded;  // in what the server recorded
  bool server_untouched = false;      // nothing reached /echo
  std::vector<std::string> once = {};  // printed exactly once
  std::vector<std::string> not_recorded = {};
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.mode; }

std::string Expand(std::string text, const std::string& server) {
  for (size_t at = text.find('$'); at != std::string::npos;
       at = text.find('$', at + server.size()))
    text.replace(at, 1, server);
  return text;
}

class SchemeProbeTest : public testing::TestWithParam<Case> {};

TEST_P(SchemeProbeTest, HandlersServeAndSteerTheLoad) {
  if (!e2e::CanRunProbes()) GTEST_SKIP() << "needs Xvfb and python3";
  const Case& c = GetParam();
  const e2e::ProbeRun run(ProbeOptions(c.mode));
  EXPECT_TRUE(Has(run.output(), "registered yes\n")) << run.output();
  EXPECT_TRUE(Has(run.output(), "done\n")) << run.output();
  EXPECT_FALSE(Has(run.output(), "wrong-thread")) << run.output();
  for (const std::string& line : c.printed)
    EXPECT_TRUE(Has(run.output(), Expand(line, run.url())))
        << "missing \"" << line << "\" in\n" << run.output();
  for (const std::string& line : c.not_printed)
    EXPECT_FALSE(Has(run.output(), Expand(line, run.url())))
        << "unexpected \"" << line << "\" in\n" << run.output();
  for (const std::string& part : c.recorded)
    EXPECT_TRUE(Has(run.recorded(), part)) << run.recorded();
  for (const std::string& line : c.once) {
    const size_t first = run.output().find(line);
    EXPECT_TRUE(first != std::string::npos &&
                run.output().find(line, first + 1) == std::string::npos)
        << "\"" << line << "\" not printed once in\n" << run.output();
  }
  for (const std::string& part : c.not_recorded)
    EXPECT_FALSE(Has(run.recorded(), part)) << run.recorded();
  if (c.server_untouched) {
    EXPECT_EQ("", run.recorded());
  }
}

const Case kCases[] = {
    // Status, status text, the custom header and the body reach the page's
    // fetch; the page's own body came in reads, one answered later.
    {"page",
     {"create probe probe://site/page with-browser",
      "title fetched 203 Served By Probe probed data-body",
      "later-read", "url probe://site/page"},
     {"load-error"},
     {},
     true},
    {"redirect",
     {"create probe probe://site/target", "title target",
      "url probe://site/target"},
     {"load-error"},
     {},
     true},
    // A factory registered on a request context serves that context's
    // browsers (the global context has none in this mode).
    {"context",
     {"context-factory yes",
      "create probe probe://site/target with-browser", "title target",
      "url probe://site/target"},
     {"load-error"},
     {},
     true},
    // A handler that declines, or cancels through its callback, fails the
    // load: the program hears the error for the address.
    {"cancel",
     {"called process_request", "load-error -3 probe://site/page?cancel"},
     {"called get_response_headers"},
     {},
     true},
    {"abort",
     {"called process_request", "called cancel",
      "load-error -3 probe://site/page?abort"},
     {"called get_response_headers"},
     {},
     true},
    // The cancelled click leaves the page as it was, script state and all.
    {"browse",
     {"browse GET $echo?clicked", "title state kept",
      "url probe://site/links"},
     {"load-error"},
     {},
     true},
    {"header",
     {"called on_before_resource_load", "before-load $echo?header",
      "url $echo?header", "load-end 200"},
     {"load-error"},
     {"[\"X-Added\", \"by-probe\"]"},
     false,
     {"called on_before_resource_load"}},
    {"block",
     {"before-load $echo?block", "load-error -3 $echo?block"},
     {"load-end"},
     {},
     true},
    {"serve",
     {"called get_resource_handler", "called read_response", "title served",
      "url $echo?served"},
     {"load-error"},
     {},
     true,
     {"called get_resource_handler"}},
    // The redirect goes where the handler sends it, and only there.
    {"follow",
     {"resource-redirect $redirect to $echo?redirected", "url $echo?rewritten",
      "load-end 200"},
     {"load-error"},
     {"\"path\": \"/echo?rewritten\""},
     false,
     {"called on_resource_redirect"},
     {"/echo?redirected"}},
    // A request the handler never answers ends with the browser: the
    // handler hears the cancel, and nothing outlives the library.
    {"stall_head",
     {"called process_request", "called cancel"},
     {"called get_response_headers"},
     {},
     true},
    {"stall_body",
     {"called get_response_headers", "called cancel"},
     {"later-read"},
     {},
     true},
};

INSTANTIATE_TEST_SUITE_P(Modes, SchemeProbeTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           return std::string(info.param.mode);
                         });

}  // namespace
