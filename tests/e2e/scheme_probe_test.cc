// A program's own scheme and request handler, against the real library: the
// probe's pages come from its handlers through WebKit, and its request
// handler steers navigations to a local server; each mode's effects are
// checked from both sides (the handlers' calls and threads, and what the
// page or the server saw).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::ReadFile;

namespace {

struct ProbeRun {
  std::string output;    // what the probe printed
  std::string recorded;  // the server's JSON lines
  std::string server;    // the server's root URL
};

ProbeRun RunProbe(const std::string& mode) {
  ProbeRun run;
  const fs::path dir =
      fs::temp_directory_path() /
      ("pellavine-scheme-" + mode + "-" +
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
  run.server = "http://127.0.0.1:" + ReadFile(dir / "port") + "/";
  std::vector<std::string> env = {
      "CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1", "GSETTINGS_BACKEND=memory",
      "PROBE_MODE=" + mode, "PROBE_URL=" + run.server};
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  e2e::Child probe(
      e2e::Child::Options{{SCHEME_PROBE}, env, dir, dir / "probe.log"});
  const std::optional<int> status = probe.WaitExit(Millis(120000));
  run.output = ReadFile(dir / "probe.log");
  EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << e2e::DescribeStatus(status) << "\n"
      << run.output;
  server.Stop();
  run.recorded = ReadFile(dir / "record");
  std::error_code ignored;
  fs::remove_all(dir, ignored);
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
  if (!e2e::OnPath("Xvfb") || !e2e::OnPath("python3"))
    GTEST_SKIP() << "needs Xvfb and python3";
  const Case& c = GetParam();
  const ProbeRun run = RunProbe(c.mode);
  EXPECT_TRUE(Has(run.output, "registered yes\n")) << run.output;
  EXPECT_TRUE(Has(run.output, "done\n")) << run.output;
  EXPECT_FALSE(Has(run.output, "wrong-thread")) << run.output;
  for (const std::string& line : c.printed)
    EXPECT_TRUE(Has(run.output, Expand(line, run.server)))
        << "missing \"" << line << "\" in\n" << run.output;
  for (const std::string& line : c.not_printed)
    EXPECT_FALSE(Has(run.output, Expand(line, run.server)))
        << "unexpected \"" << line << "\" in\n" << run.output;
  for (const std::string& part : c.recorded)
    EXPECT_TRUE(Has(run.recorded, part)) << run.recorded;
  for (const std::string& line : c.once) {
    const size_t first = run.output.find(line);
    EXPECT_TRUE(first != std::string::npos &&
                run.output.find(line, first + 1) == std::string::npos)
        << "\"" << line << "\" not printed once in\n" << run.output;
  }
  for (const std::string& part : c.not_recorded)
    EXPECT_FALSE(Has(run.recorded, part)) << run.recorded;
  if (c.server_untouched) {
    EXPECT_EQ("", run.recorded);
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
