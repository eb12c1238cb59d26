// The real program in a window of its own: on a private X display, against
// the demo sign-in server, driven with real key presses and clicks.
#include <gtest/gtest.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::PollUntil;
using e2e::TopLevel;

namespace {

// Not the size the program falls back to without a display, so a window
// that covers this screen measured it.
constexpr int kScreenWidth = 1440;
constexpr int kScreenHeight = 900;
constexpr int kPort = 88;

const std::string kSignInTitle = "Quillbook 登录";
const std::string kFilesTitle = "Quillbook 资料下载";
const std::string kHelpTitle = "Quillbook 帮助";
const std::string kNoticeCaption = "提示";
const std::string kSignIn = "/quillbook/loginIndex";
const std::string kKeysBeacon = "/quillbook/keys";
const fs::path kAttachment =
    fs::path(PELLAVINE_SOURCE_DIR) / "demo/files/quillbook-users.csv";

// Where demo/server.py's pages put things, in page pixels; the window has no
// chrome and sits at the screen's origin, so these are screen pixels too.
struct Point {
  int x, y;
};
constexpr Point kFilesLink = {100, 28};
constexpr Point kHelpButton = {240, 28};
constexpr Point kUserNameField = {240, 190};
constexpr Point kDownloadLink = {160, 240};
constexpr Point kBlank = {1000, 600};

const Millis kStartLimit(30000);
const Millis kActionLimit(15000);
const Millis kExitLimit(10000);
// How long something that must not happen is given to happen anyway.
const Millis kQuietPeriod(1500);

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Tail(const std::string& text, size_t n = 4000) {
  return text.size() <= n ? text : "..." + text.substr(text.size() - n);
}

// One GET to the demo server; the body, or nothing on any failure.
std::optional<std::string> HttpGet(const std::string& path) {
  addrinfo hints = {};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(PELLAVINE_START_HOST, std::to_string(kPort).c_str(),
                  &hints, &found) != 0) {
    return std::nullopt;
  }
  std::optional<std::string> body;
  for (addrinfo* a = found; a && !body; a = a->ai_next) {
    const int fd = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (fd < 0) continue;
    timeval limit = {5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit));
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit));
    if (connect(fd, a->ai_addr, a->ai_addrlen) == 0) {
      const std::string request = "GET " + path + " HTTP/1.0\r\nHost: " +
                                  PELLAVINE_START_HOST +
                                  "\r\nConnection: close\r\n\r\n";
      std::string response;
      if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
          static_cast<ssize_t>(request.size())) {
        char buffer[4096];
        ssize_t n;
        while ((n = recv(fd, buffer, sizeof(buffer), 0)) > 0) {
          response.append(buffer, static_cast<size_t>(n));
        }
        const auto head_end = response.find("\r\n\r\n");
        if (n == 0 && response.rfind("HTTP/1.", 0) == 0 &&
            response.find(" 200 ") != std::string::npos &&
            head_end != std::string::npos) {
          body = response.substr(head_end + 4);
        }
      }
    }
    close(fd);
  }
  freeaddrinfo(found);
  return body;
}

// The demo server's counters: {"accept_language": ..., "counts": {...}}.
struct Stats {
  std::string json;

  int Count(const std::string& path) const {
    const std::string key = "\"" + path + "\": ";
    const auto at = json.find(key);
    return at == std::string::npos ? 0
                                   : std::atoi(json.c_str() + at + key.size());
  }
  // The first language of the last Accept-Language header, lower case.
  std::string FirstLanguage() const {
    const std::string key = "\"accept_language\": \"";
    const auto at = json.find(key);
    if (at == std::string::npos) return "";
    std::string value =
        json.substr(at + key.size(), json.find('"', at + key.size()) -
                                         (at + key.size()));
    value = value.substr(0, value.find_first_of(",;"));
    value.erase(std::remove(value.begin(), value.end(), ' '), value.end());
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return value;
  }
};

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!e2e::OnPath("Xvfb") || !e2e::OnPath("xdotool")) {
      GTEST_SKIP() << "needs Xvfb and xdotool (scripts/setup installs them)";
    }
    name_ = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name_.begin(), name_.end(), '/', '-');
    dir_ = fs::temp_directory_path() /
           ("pellavine-e2e-" +
            std::to_string(Clock::now().time_since_epoch().count()) + "-" +
            name_);
    fs::create_directories(dir_);
    desktop_ = std::make_unique<e2e::Desktop>(kScreenWidth, kScreenHeight);
    ASSERT_EQ(desktop_->error(), "");
  }

  void TearDown() override {
    const bool failed = HasFailure();
    if (failed && desktop_ && desktop_->error().empty()) {
      Screenshot("failure");
    }
    program_.reset();
    server_.reset();
    desktop_.reset();
    if (dir_.empty()) return;
    std::error_code ignored;
    if (failed) {
      // Keep what the processes said next to the screenshots.
      fs::create_directories(ArtifactDir(), ignored);
      for (const char* log : {"pellavine.log", "server.log"}) {
        fs::copy_file(dir_ / log, ArtifactDir() / (name_ + "-" + log),
                      fs::copy_options::overwrite_existing, ignored);
      }
    }
    fs::remove_all(dir_, ignored);
  }

  using Clock = e2e::Clock;

  static fs::path ArtifactDir() { return PELLAVINE_E2E_ARTIFACTS; }

  void Screenshot(const std::string& what) {
    // A window is named and mapped before it is drawn.
    std::this_thread::sleep_for(Millis(1000));
    const fs::path path = ArtifactDir() / (name_ + "-" + what + ".png");
    EXPECT_TRUE(desktop_->Screenshot(path)) << "no screenshot at " << path;
  }

  void StartServer() {
    const fs::path ready = dir_ / "server.ready";
    fs::remove(ready);
    server_ = std::make_unique<e2e::Child>(e2e::Child::Options{
        {"python3", std::string(PELLAVINE_SOURCE_DIR) + "/demo/server.py",
         "--host", PELLAVINE_START_HOST, "--port", std::to_string(kPort),
         "--ready-file", ready.string()},
        {},
        dir_,
        dir_ / "server.log"});
    const bool up = PollUntil(
        [&] { return fs::exists(ready) || !server_->Running(); },
        Millis(10000));
    ASSERT_TRUE(up && server_->Running())
        << "demo server did not start: " << ReadFile(dir_ / "server.log");
  }

  void StopServer() { server_.reset(); }

  Stats ServerStats() {
    auto json = HttpGet("/quillbook/_stats");
    EXPECT_TRUE(json) << "no answer from the demo server";
    return {json.value_or("")};
  }

  int Count(const std::string& path) { return ServerStats().Count(path); }

  bool CountReaches(const std::string& path, int count) {
    return PollUntil([&] { return Count(path) >= count; }, kActionLimit);
  }

  // Under the sanitizers, whole stacks through the system's libraries let
  // the leak suppressions name exactly what is theirs.
  static std::vector<std::string> ProgramEnvironment() {
    // No desktop session here: GTK keeps its settings in memory.
    std::vector<std::string> env = {"CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1",
                                    "GSETTINGS_BACKEND=memory"};
    if (const char* asan = std::getenv("ASAN_OPTIONS"))
      env.push_back(std::string("ASAN_OPTIONS=") + asan +
                    ":fast_unwind_on_malloc=0");
    return env;
  }

  // Starts the program and waits for its window.
  void StartProgram() {
    program_ = std::make_unique<e2e::Child>(e2e::Child::Options{
        {PELLAVINE_EXE},
        ProgramEnvironment(),
        dir_,
        dir_ / "pellavine.log"});
    ASSERT_TRUE(program_->started());
    const bool shown = PollUntil(
        [&] {
          const auto windows = ProgramWindows();
          if (!windows.empty()) main_ = windows.front().id;
          return main_ != 0 || !program_->Running();
        },
        kStartLimit);
    ASSERT_TRUE(shown && main_ != 0)
        << "no window; program " << Status() << "\n"
        << ProgramLog();
  }

  std::string Status() {
    return program_->Running()
               ? "still running"
               : e2e::DescribeStatus(program_->WaitExit(Millis(0)));
  }

  std::string ProgramLog() { return Tail(ReadFile(dir_ / "pellavine.log")); }

  // The program's own top-level windows that a person can see, menus and
  // other override-redirect windows aside.
  std::vector<TopLevel> ProgramWindows() {
    std::vector<TopLevel> out;
    for (const auto& w : desktop_->TopLevels()) {
      if (!w.override_redirect && w.pid == program_->pid()) out.push_back(w);
    }
    return out;
  }

  bool Shows(unsigned long window) {
    for (const auto& w : desktop_->TopLevels()) {
      if (w.id == window) return true;
    }
    return false;
  }

  // Waits for a program window that `before` did not have.
  unsigned long NewProgramWindow(const std::vector<TopLevel>& before,
                                 const std::string& name = "") {
    unsigned long found = 0;
    PollUntil(
        [&] {
          for (const auto& w : ProgramWindows()) {
            const bool old = std::any_of(
                before.begin(), before.end(),
                [&](const TopLevel& b) { return b.id == w.id; });
            if (!old && (name.empty() || w.name == name)) found = w.id;
          }
          return found != 0;
        },
        kActionLimit);
    return found;
  }

  // Waits until xdotool reads `title` as the window's name.
  void ExpectTitle(unsigned long window, const std::string& title,
                   Millis limit = kActionLimit) {
    std::string last;
    const bool seen = PollUntil(
        [&] {
          last = desktop_->WindowName(window).value_or("<no window>");
          return last == title;
        },
        limit);
    EXPECT_TRUE(seen) << "window title is \"" << last << "\", not \"" << title
                      << "\"";
  }

  void Click(Point p, int button = 1) { desktop_->Click(p.x, p.y, button); }

  // Focuses the page away from any text field, then presses `keys`.
  void PressOnPage(const std::string& keys) {
    desktop_->Focus(main_);
    Click(kBlank);
    desktop_->Key(keys);
  }

  // Closes `window` as a window manager would; when it is the last one the
  // program must end cleanly (70 would mean objects left referenced).
  void CloseLastWindow(unsigned long window) {
    ASSERT_TRUE(desktop_->Close(window));
    const auto status = program_->WaitExit(kExitLimit);
    ASSERT_TRUE(status) << "still running " << kExitLimit.count()
                        << " ms after its last window was closed";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << e2e::DescribeStatus(status) << "\n"
        << ProgramLog();
  }

  std::string name_;
  fs::path dir_;
  std::unique_ptr<e2e::Desktop> desktop_;
  std::unique_ptr<e2e::Child> server_;
  std::unique_ptr<e2e::Child> program_;
  unsigned long main_ = 0;
};

TEST_F(WindowTest, SignInPageCoversTheScreenWithItsTitleAndLocale) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);
  Screenshot("sign-in");

  const auto geometry = desktop_->WindowGeometry(main_);
  ASSERT_TRUE(geometry);
  EXPECT_EQ(geometry->x, 0);
  EXPECT_EQ(geometry->y, 0);
  EXPECT_EQ(geometry->width, kScreenWidth);
  EXPECT_EQ(geometry->height, kScreenHeight);
  EXPECT_EQ(ProgramWindows().size(), 1u);

  const Stats stats = ServerStats();
  EXPECT_EQ(stats.Count(kSignIn), 1) << stats.json;
  EXPECT_EQ(stats.FirstLanguage(), "zh-cn") << stats.json;

  CloseLastWindow(main_);
}

TEST_F(WindowTest, FailedLoadShowsTheErrorPageAndF5LoadsAgain) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  // The page's text, copied as a person would copy it.
  const std::string prefix = std::string("Failed to load URL http://") +
                             PELLAVINE_START_HOST + ":88" + kSignIn +
                             " with error ";
  std::string text;
  const bool shown = PollUntil(
      [&] {
        PressOnPage("ctrl+a");
        desktop_->Key("ctrl+c");
        text = desktop_->Clipboard().value_or("");
        return text.find(prefix) != std::string::npos;
      },
      kStartLimit);
  Screenshot("error-page");
  ASSERT_TRUE(shown) << "page text: \"" << text << "\"\n" << ProgramLog();
  EXPECT_TRUE(std::regex_search(text, std::regex(R"( \(-[0-9]+\)\.\s*$)")))
      << text;
  ASSERT_TRUE(program_->Running());

  // The window survived; once the server is there F5 brings the page.
  ASSERT_NO_FATAL_FAILURE(StartServer());
  PressOnPage("F5");
  ExpectTitle(main_, kSignInTitle);
  EXPECT_EQ(Count(kSignIn), 1);

  CloseLastWindow(main_);
}

TEST_F(WindowTest, F5OutsideATextFieldReloadsOnce) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);
  ASSERT_TRUE(CountReaches(kSignIn, 1));

  int expected = 1;
  for (const char* keys : {"F5", "shift+F5", "ctrl+F5"}) {
    SCOPED_TRACE(keys);
    PressOnPage(keys);
    ++expected;
    EXPECT_TRUE(CountReaches(kSignIn, expected));
    // One reload per press: the key's release must not reload again.
    std::this_thread::sleep_for(kQuietPeriod);
    EXPECT_EQ(Count(kSignIn), expected);
    ExpectTitle(main_, kSignInTitle);
  }
  EXPECT_EQ(Count(kKeysBeacon), 0) << "F5 outside a field reached the page";

  CloseLastWindow(main_);
}

TEST_F(WindowTest, F5InTheUserNameFieldReachesThePage) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  desktop_->Focus(main_);
  Click(kUserNameField);
  desktop_->Type("demo");
  desktop_->Key("F5");
  // The page's own handler puts it in the status line and the title.
  ExpectTitle(main_, kSignInTitle + " - 在用户名中按下了 F5");
  EXPECT_TRUE(CountReaches(kKeysBeacon, 1));
  std::this_thread::sleep_for(kQuietPeriod);
  EXPECT_EQ(Count(kSignIn), 1) << "F5 in a text field reloaded the page";
  Screenshot("f5-in-field");

  CloseLastWindow(main_);
}

TEST_F(WindowTest, RightClickShowsNoMenu) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  desktop_->Focus(main_);
  const auto before = desktop_->TopLevels();
  // On the page itself and in a text field, which have different menus.
  for (Point p : {kBlank, kUserNameField}) {
    Click(p, 3);
    std::this_thread::sleep_for(kQuietPeriod);
    for (const auto& w : desktop_->TopLevels()) {
      const bool old =
          std::any_of(before.begin(), before.end(),
                      [&](const TopLevel& b) { return b.id == w.id; });
      EXPECT_TRUE(old) << "new window after a right-click at " << p.x << ","
                       << p.y << ": \"" << w.name << "\""
                       << (w.override_redirect ? " (override-redirect)" : "");
    }
    if (HasFailure()) Screenshot("menu");
    desktop_->Key("Escape");
  }
  EXPECT_TRUE(program_->Running());

  CloseLastWindow(main_);
}

TEST_F(WindowTest, DownloadAsksWhereAndAnnouncesCompletion) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  Click(kFilesLink);
  ExpectTitle(main_, kFilesTitle);
  const auto before = ProgramWindows();
  Click(kDownloadLink);
  const unsigned long dialog = NewProgramWindow(before);
  ASSERT_NE(dialog, 0u) << "no save dialog";
  Screenshot("save-dialog");

  const fs::path target = dir_ / "downloads" / "users.csv";
  fs::create_directories(target.parent_path());
  desktop_->Focus(dialog);
  desktop_->Key("ctrl+a");
  desktop_->Type(target.string());
  desktop_->Key("Return");

  const unsigned long notice = NewProgramWindow(before, kNoticeCaption);
  ASSERT_NE(notice, 0u) << "no notice of the finished download";
  Screenshot("notice");
  EXPECT_FALSE(Shows(dialog)) << "the save dialog stayed";
  const std::string expected = ReadFile(kAttachment);
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_TRUE(ReadFile(target) == expected)
      << target << " holds " << ReadFile(target).size() << " of "
      << expected.size() << " bytes, or other bytes";

  desktop_->Focus(notice);
  desktop_->Key("Return");
  EXPECT_TRUE(PollUntil([&] { return !Shows(notice); }, kActionLimit))
      << "the notice stayed after Enter";
  ASSERT_TRUE(program_->Running());
  EXPECT_EQ(ProgramWindows().size(), 1u);
  // The page that started the download stays: no error page for it.
  ExpectTitle(main_, kFilesTitle);

  CloseLastWindow(main_);
}

// Closing either window first leaves the program running with the other.
class PopUpTest : public WindowTest,
                  public testing::WithParamInterface<bool> {};

TEST_P(PopUpTest, OpensItsOwnWindowAndOnlyTheLastCloseEndsTheProgram) {
  const bool pop_up_first = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  const auto before = ProgramWindows();
  Click(kHelpButton);
  const unsigned long pop_up = NewProgramWindow(before);
  ASSERT_NE(pop_up, 0u) << "no pop-up window";
  ExpectTitle(pop_up, kHelpTitle);
  EXPECT_EQ(Count("/quillbook/help"), 1);
  Screenshot("pop-up");

  const unsigned long first = pop_up_first ? pop_up : main_;
  const unsigned long last = pop_up_first ? main_ : pop_up;
  ASSERT_TRUE(desktop_->Close(first));
  EXPECT_TRUE(PollUntil([&] { return !Shows(first); }, kActionLimit));
  std::this_thread::sleep_for(kQuietPeriod);
  ASSERT_TRUE(program_->Running()) << Status() << "\n" << ProgramLog();
  ASSERT_TRUE(Shows(last));
  ExpectTitle(last, pop_up_first ? kSignInTitle : kHelpTitle);

  CloseLastWindow(last);
}

INSTANTIATE_TEST_SUITE_P(Order, PopUpTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "PopUpFirst" : "MainFirst";
                         });

}  // namespace
