// Navigation and page content through the real library on WebKitGTK, with
// a small embedder against a local server: the history the program lists
// and walks, load statuses, the page's source and text, the program's
// scripts, the source window, find, zoom and the print dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

namespace {

using During = std::function<void(e2e::Desktop&, const e2e::ProbeRun&)>;

e2e::ProbeRun::Options ProbeOptions(const std::string& mode,
                                    const During& during) {
  e2e::ProbeRun::Options run;
  run.name = "navigation-" + mode;
  run.server = NAVIGATION_SERVER;
  run.server_args = {"{dir}"};  // it leaves what it sent there too
  run.probe = {NAVIGATION_PROBE};
  run.env = {"PROBE_MODE=" + mode};
  run.during = during;
  return run;
}

// One probe run; every handler must have run on the UI thread.
class ProbeRun : public e2e::ProbeRun {
 public:
  // `during` runs while the probe does, with the display it shows on.
  explicit ProbeRun(const std::string& mode, const During& during = nullptr)
      : e2e::ProbeRun(ProbeOptions(mode, during)) {
    EXPECT_EQ(std::string::npos, output().find("off-ui"))
        << "a handler ran off the UI thread:\n" << output();
  }

  bool Has(const std::string& line) const {
    return ("\n" + output()).find("\n" + line + "\n") != std::string::npos;
  }
};

bool CanRun() { return e2e::CanRunProbes(); }

// The display's top-level windows once their number is `count`; empty when
// it never was.
std::vector<e2e::TopLevel> AwaitWindows(e2e::Desktop& desktop, size_t count) {
  std::vector<e2e::TopLevel> windows;
  e2e::PollUntil(
      [&] {
        windows.clear();
        for (const e2e::TopLevel& w : desktop.TopLevels())
          if (!w.override_redirect)
            windows.push_back(w);
        return windows.size() == count;
      },
      Millis(60000));
  if (windows.size() != count)
    windows.clear();
  return windows;
}

// Modes whose whole effect is in what the probe prints: the lines each run
// must print, in order.
struct Transcript {
  const char* mode;
  std::vector<std::string> lines;
};

void PrintTo(const Transcript& t, std::ostream* out) { *out << t.mode; }

class NavigationTranscriptTest : public testing::TestWithParam<Transcript> {};

TEST_P(NavigationTranscriptTest, PrintsTheExpectedLines) {
  if (!CanRun())
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run(GetParam().mode);
  size_t from = 0;
  for (const std::string& line : GetParam().lines) {
    const size_t at = ("\n" + run.output()).find("\n" + line + "\n", from);
    ASSERT_NE(std::string::npos, at)
        << "missing, or out of order: " << line << "\n" << run.output();
    from = at + line.size();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, NavigationTranscriptTest,
    testing::Values(
        // Three pages, the third by a link; back twice and forward once.
        // Each history entry keeps its address, title, status and how it
        // was reached; going back or forward marks it so.
        Transcript{"history",
                   {"load-end /one 200",
                    "state /one back=0 forward=0 can-back=0 can-forward=0",
                    "load-end /two 200",
                    "state /two back=1 forward=0 can-back=1 can-forward=0",
                    "load-end /three 200",
                    "state /three back=1 forward=0 can-back=1 can-forward=0",
                    "entry 0/3 current=0 valid=1 url=/one original=/one "
                    "title=One status=200 transition=0x1 post=0 completed=1",
                    "entry 1/3 current=0 valid=1 url=/two original=/two "
                    "title=Two status=200 transition=0x1 post=0 completed=1",
                    "entry 2/3 current=1 valid=1 url=/three original=/three "
                    "title=Three status=200 transition=0x0 post=0 "
                    "completed=1",
                    "entry visits=3",
                    "stopping 0/3 current=0 valid=1 url=/one original=/one "
                    "title=One status=200 transition=0x1 post=0 completed=1",
                    "stopping visits=1",
                    "current 2/3 current=1 valid=1 url=/three "
                    "original=/three title=Three status=200 transition=0x0 "
                    "post=0 completed=1",
                    "current visits=1",
                    "state /two back=1 forward=1 can-back=1 can-forward=1",
                    "state /one back=0 forward=1 can-back=0 can-forward=1",
                    "state /two back=1 forward=1 can-back=1 can-forward=1",
                    "after 0/3 current=0 valid=1 url=/one original=/one "
                    "title=One status=200 transition=0x1000001 post=0 "
                    "completed=1",
                    "after 1/3 current=1 valid=1 url=/two original=/two "
                    "title=Two status=200 transition=0x1000001 post=0 "
                    "completed=1",
                    "after 2/3 current=0 valid=1 url=/three original=/three "
                    "title=Three status=200 transition=0x0 post=0 "
                    "completed=1",
                    "after visits=3", "end"}},
        // The server's status reaches the load's end and the history.
        Transcript{"status",
                   {"load-end /missing 404",
                    "load-end data:text/html,<title>Data</title>data 200",
                    "entry 0/2 current=0 valid=1 url=/missing "
                    "original=/missing title=Missing status=404 "
                    "transition=0x1 post=0 completed=1",
                    "entry 1/2 current=1 valid=1 "
                    "url=data:text/html,<title>Data</title>data "
                    "original=data:text/html,<title>Data</title>data "
                    "title=Data status=200 transition=0x1 post=0 completed=1",
                    "end"}},
        // "apple Apple pear APPLE apple plum": four in any case, two in
        // its own; next, next, previous move the active one.
        Transcript{"find",
                   {"find 7 count=4 active=1 final=1",
                    "find 7 count=4 active=2 final=1",
                    "find 7 count=4 active=3 final=1",
                    "find 7 count=4 active=2 final=1",
                    "find 8 count=2 active=1 final=1",
                    "find 9 count=0 active=0 final=1", "end"}}),
    [](const testing::TestParamInfo<Transcript>& info) {
      return std::string(info.param.mode);
    });

TEST(NavigationProbeTest, SourceTextAndTheProgramsScriptReachThePage) {
  if (!CanRun())
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run("content");
  // What the server sent, byte for byte.
  const std::string sent = run.File("sent_script");
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent, run.File("source.html"));
  // What the page shows after its own script ran.
  const std::string text = run.File("text.txt");
  EXPECT_NE(std::string::npos, text.find("changed by script")) << text;
  EXPECT_EQ(std::string::npos, text.find("as served")) << text;
  // The program's script ran in the page, from the line and address it
  // named, and its request reached the server.
  EXPECT_TRUE(run.Has("title ran at 40 " + run.url() + "program.js"))
      << run.output();
  EXPECT_NE(std::string::npos, run.File("record").find("/from-script\n"))
      << run.File("record");
  // A page in another charset comes as text, not as its bytes.
  const std::string latin = run.File("latin.html");
  EXPECT_NE(std::string::npos, latin.find("caf\xc3\xa9 cr\xc3\xa8me"))
      << latin;
}

TEST(NavigationProbeTest, ViewSourceOpensAWindowShowingTheSource) {
  if (!CanRun())
    GTEST_SKIP() << "needs Xvfb and python3";
  size_t windows = 0;
  const ProbeRun run("viewsource", [&](e2e::Desktop& desktop,
                                       const e2e::ProbeRun& run) {
    e2e::PollUntil(
        [&] { return run.Printed().find("waiting") != std::string::npos; },
        Millis(60000));
    windows = AwaitWindows(desktop, 2).size();
    run.Go();
  });
  EXPECT_EQ(2u, windows) << "no second window";
  EXPECT_TRUE(run.Has("popup view-source:" + run.url() + "one"))
      << run.output();
  const std::string sent = run.File("sent_one");
  ASSERT_FALSE(sent.empty());
  // Shown as text: the markup itself is what one reads.
  EXPECT_EQ(sent, run.File("viewsource.txt"));
}

TEST(NavigationProbeTest, ZoomLevelRoundTripsAndScalesThePage) {
  if (!CanRun())
    GTEST_SKIP() << "needs Xvfb and python3";
  const ProbeRun run("zoom");
  EXPECT_TRUE(run.Has("zoom 2.000")) << run.output();
  std::vector<int> widths;
  const std::string key = "\ntitle width ";
  for (size_t at = run.output().find(key); at != std::string::npos;
       at = run.output().find(key, at + 1))
    widths.push_back(std::atoi(run.output().c_str() + at + key.size()));
  ASSERT_GE(widths.size(), 2u) << run.output();
  // Level 2 is a factor of 1.2 squared.
  EXPECT_NEAR(widths.front() / 1.44, widths.back(), 2.0) << run.output();
}

TEST(NavigationProbeTest, PrintShowsTheDialogAndACancelEndsIt) {
  if (!CanRun())
    GTEST_SKIP() << "needs Xvfb and python3";
  std::vector<e2e::TopLevel> with_dialog;
  size_t after_cancel = 0;
  const ProbeRun run("print", [&](e2e::Desktop& desktop,
                                  const e2e::ProbeRun& run) {
    const std::vector<e2e::TopLevel> before = AwaitWindows(desktop, 1);
    e2e::PollUntil(
        [&] { return run.Printed().find("waiting") != std::string::npos; },
        Millis(60000));
    with_dialog = AwaitWindows(desktop, 2);
    for (const e2e::TopLevel& w : with_dialog)
      if (before.empty() || w.id != before.front().id)
        desktop.Close(w.id);
    after_cancel = AwaitWindows(desktop, 1).size();
    run.Go();
  });
  ASSERT_EQ(2u, with_dialog.size()) << "no dialog appeared";
  EXPECT_EQ(1u, after_cancel) << "the dialog stayed";
  // The program's call came back while the dialog was up.
  EXPECT_TRUE(run.Has("print-returned")) << run.output();
}

}  // namespace
