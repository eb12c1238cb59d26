// The real program on a private X display against the demo sign-in server,
// driven with real key presses and clicks: what every such test shares.
#ifndef PELLAVINE_TESTS_E2E_PROGRAM_FIXTURE_H_
#define PELLAVINE_TESTS_E2E_PROGRAM_FIXTURE_H_

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

namespace e2e {

namespace fs = std::filesystem;

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

using e2e::ReadFile;

inline std::string Tail(const std::string& text, size_t n = 4000) {
  return text.size() <= n ? text : "..." + text.substr(text.size() - n);
}

// One GET to the demo server; the body, or nothing on any failure.
inline std::optional<std::string> HttpGet(const std::string& path) {
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

// What a download left behind: the finished file with the server's bytes
// (byte i is i mod 256), or nothing.
inline bool HoldsThePattern(const fs::path& file, uintmax_t size) {
  std::error_code ec;
  if (fs::file_size(file, ec) != size || ec) return false;
  std::ifstream in(file, std::ios::binary);
  std::vector<char> buffer(1 << 20);
  uintmax_t offset = 0;
  while (in && offset < size) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    for (std::streamsize i = 0; i < in.gcount(); ++i, ++offset)
      if (static_cast<unsigned char>(buffer[static_cast<size_t>(i)]) !=
          (offset & 0xff))
        return false;
  }
  return offset == size;
}

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

  // `misbehave` names one of the server's --misbehave modes; empty is sane.
  void StartServer(const std::string& misbehave = "") {
    const fs::path ready = dir_ / "server.ready";
    fs::remove(ready);
    std::vector<std::string> argv = {
        "python3", std::string(PELLAVINE_SOURCE_DIR) + "/demo/server.py",
        "--host", PELLAVINE_START_HOST, "--port", std::to_string(kPort),
        "--ready-file", ready.string()};
    if (!misbehave.empty()) {
      argv.push_back("--misbehave");
      argv.push_back(misbehave);
    }
    server_ = std::make_unique<e2e::Child>(e2e::Child::Options{
        argv,
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
  std::vector<std::string> ProgramEnvironment() const {
    // No desktop session here: GTK keeps its settings in memory.
    std::vector<std::string> env = {"CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1",
                                    "GSETTINGS_BACKEND=memory"};
    env.insert(env.end(), extra_env_.begin(), extra_env_.end());
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
                                 const std::string& name = "",
                                 Millis limit = kActionLimit) {
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
        limit);
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

  std::vector<std::string> extra_env_;  // NAME=value for the program
  std::string name_;
  fs::path dir_;
  std::unique_ptr<e2e::Desktop> desktop_;
  std::unique_ptr<e2e::Child> server_;
  std::unique_ptr<e2e::Child> program_;
  unsigned long main_ = 0;
};

}  // namespace e2e

#endif  // PELLAVINE_TESTS_E2E_PROGRAM_FIXTURE_H_
