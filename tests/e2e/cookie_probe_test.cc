// Cookies and request contexts against the real library: what the program
// reads, sets and deletes through a cookie manager is what the server sees
// on the next request, and each request context's browsers send that
// context's cookies only.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

struct ProbeRun {
  std::set<std::string> lines;                // what the probe printed
  std::string output;
  std::map<std::string, std::string> cookie;  // server: path -> Cookie header

  // The pairs of the Cookie header the request for `path` carried; one
  // marker pair when it never reached the server.
  std::set<std::string> Sent(const std::string& path) const;

  bool Has(const std::string& line) const { return lines.count(line) > 0; }
  // Whether any printed line contains `text`.
  bool Mentions(const std::string& text) const {
    return output.find(text) != std::string::npos;
  }
};

// The Cookie header's pairs, in any order.
std::set<std::string> Pairs(const std::string& header) {
  std::set<std::string> pairs;
  std::istringstream in(header);
  for (std::string pair; std::getline(in, pair, ';');) {
    pair.erase(0, pair.find_first_not_of(' '));
    if (!pair.empty())
      pairs.insert(pair);
  }
  return pairs;
}

std::string Field(const std::string& json, const std::string& name) {
  const std::string key = "\"" + name + "\": \"";
  const size_t start = json.find(key);
  if (start == std::string::npos)
    return "";
  const size_t from = start + key.size();
  return json.substr(from, json.find('"', from) - from);
}

std::set<std::string> ProbeRun::Sent(const std::string& path) const {
  const auto it = cookie.find(path);
  if (it == cookie.end())
    return {"<no request for " + path + ">"};
  return Pairs(it->second);
}

ProbeRun RunProbe(const std::string& mode) {
  e2e::ProbeRun::Options options;
  options.name = "cookie-" + mode;
  options.server = COOKIE_SERVER;
  options.probe = {COOKIE_PROBE};
  options.env = {"PROBE_MODE=" + mode, "PROBE_DIR={dir}/data"};
  options.limit = Millis(150000);
  const e2e::ProbeRun probe(options);
  ProbeRun run;
  run.output = probe.output();
  std::istringstream out(run.output);
  for (std::string line; std::getline(out, line);)
    run.lines.insert(line);
  std::istringstream record(probe.recorded());
  for (std::string line; std::getline(record, line);)
    run.cookie[Field(line, "path")] = Field(line, "cookie");
  return run;
}

bool Skip() { return !e2e::CanRunProbes(); }

using Set = std::set<std::string>;

TEST(CookieProbeTest, AManagerReadsSetsAndDeletesWhatTheServerSees) {
  if (Skip())
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run = RunProbe("store");
  const std::string& out = run.output;
  // Every visitor and callback ran on the IO thread.
  EXPECT_FALSE(run.Mentions(" io=0")) << out;
  // Both cookies the server set; the URL's visit leaves out the HttpOnly one
  // unless asked for it.
  const std::vector<std::string> expected = {
      "ready global io=1",
      "cookie all srv=one domain=127.0.0.1 path=/ httponly=0 count=0 total=2 "
      "io=1",
      "visited all n=2",
      "cookie url srv=one domain=127.0.0.1 path=/ httponly=0 count=0 total=1 "
      "io=1",
      "visited url n=1",
      "visited url-httponly n=2",
      "set-invalid-url returned=0",
      "set alien ok=0 io=1",
      "set semi ok=0 io=1",
      "set prog ok=1 io=1",
      "deleted prog n=1 io=1",
      // A visitor deletes one cookie; another stops after its first.
      "visited doom n=2",
      "visited stop n=1",
      "visited left n=1",
      "cookie left srv=one domain=127.0.0.1 path=/ httponly=0 count=0 "
      "total=1 io=1",
      "ready flush io=1",
      "set dated ok=1 io=1",
      "cookie dated dated=five domain=127.0.0.1 path=/dated/ httponly=0 "
      "expires=2040-01-02 03:04:05 count=0 total=2 io=1",
      "cookie dated srv=one domain=127.0.0.1 path=/ httponly=0 count=1 "
      "total=2 io=1",
      // A manager of its own keeps its cookies to itself.
      "ready own io=1",
      "set own ok=1 io=1",
      "visited own n=1",
      "visited global-after-own n=2",  // srv and dated
      "deleted own n=1 io=1",
      "visited own-after n=0",
      "done",
  };
  for (const std::string& line : expected)
    EXPECT_TRUE(run.Has(line)) << "missing \"" << line << "\" in\n" << out;
  EXPECT_TRUE(run.Mentions("cookie all hidden=two domain=127.0.0.1 path=/ "
                           "httponly=1"))
      << out;
  EXPECT_TRUE(run.Mentions("cookie own own=four")) << out;
  EXPECT_FALSE(run.Mentions("cookie url hidden")) << out;
  EXPECT_FALSE(run.Mentions("cookie global-after-own own=")) << out;

  // What the server received with each later request.
  EXPECT_EQ(Set({"srv=one", "hidden=two", "prog=three"}),
            run.Sent("/after-set"));
  EXPECT_EQ(Set({"srv=one", "hidden=two"}),
            run.Sent("/after-delete"));
  EXPECT_EQ(Set({"srv=one"}), run.Sent("/after-visit-delete"));
}

TEST(CookieProbeTest, EachRequestContextSendsItsOwnCookies) {
  if (Skip())
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run = RunProbe("contexts");
  const std::string& out = run.output;
  EXPECT_FALSE(run.Mentions(" io=0")) << out;
  const std::vector<std::string> expected = {
      "browser global context global is-global",
      "ready own io=1",
      "set mine ok=1 io=1",
      // Made with the context, and pop-ups from it, use it.
      "browser own context own",
      "browser popup context own",
      // A context sharing another's storage sees its cookies.
      "cookie shared mine=own domain=127.0.0.1 path=/ httponly=0 count=0 "
      "total=1 io=1",
      "visited shared n=1",
      "visited global n=2",
      "own handler=1 cache=1",
      "resolved err=0 ui=1 127.0.0.1",
      "cached err=-2",
      "done",
  };
  for (const std::string& line : expected)
    EXPECT_TRUE(run.Has(line)) << "missing \"" << line << "\" in\n" << out;
  EXPECT_FALSE(run.Mentions("cookie global mine")) << out;

  // Which contexts are the same, share storage, or are the global one.
  const std::vector<std::string> names = {"global", "global2", "other", "own",
                                          "shared"};
  const Set global = {"global", "global2"};
  const Set sharing = {"own", "shared"};
  for (const std::string& a : names) {
    EXPECT_TRUE(run.Has("table " + a + " global=" +
                        std::to_string(global.count(a))))
        << a << "\n" << out;
    for (const std::string& b : names) {
      const bool same = a == b || (global.count(a) && global.count(b));
      const bool shares =
          same || (sharing.count(a) && sharing.count(b));
      const std::string line = "table " + a + " " + b +
                               " same=" + std::to_string(same) +
                               " sharing=" + std::to_string(shares);
      EXPECT_TRUE(run.Has(line)) << "missing \"" << line << "\" in\n" << out;
    }
  }

  // The server's side: each browser sent its own context's cookies.
  EXPECT_EQ(Set({"mine=own"}), run.Sent("/own-page"));
  EXPECT_EQ(Set({"mine=own"}), run.Sent("/popup"));
  EXPECT_EQ(Set({"srv=one", "hidden=two"}), run.Sent("/global-page"));
}

}  // namespace
