// A private X display with a person's tools: child processes, Xvfb, xdotool
// and a look at the display's top-level windows. Every wait is bounded.
#ifndef PELLAVINE_TESTS_E2E_DESKTOP_H_
#define PELLAVINE_TESTS_E2E_DESKTOP_H_

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::milliseconds;

// Polls `done` every 100 ms until it holds or `limit` has passed; true when
// it held.
bool PollUntil(const std::function<bool()>& done, Millis limit);

bool OnPath(const std::string& program);

// A file's whole content; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// A child in its own process group, its output going to a file.
class Child {
 public:
  struct Options {
    std::vector<std::string> argv;
    std::vector<std::string> env;  // NAME=value, added to this process's
    std::filesystem::path cwd;
    std::filesystem::path output;  // stdout and stderr; /dev/null if empty
    int keep_fd = -1;              // left open in the child
  };

  Child() = default;
  explicit Child(const Options& options);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  // True while the child has not ended.
  bool Running();
  // The wait status once the child has ended within `limit`.
  std::optional<int> WaitExit(Millis limit);
  // SIGTERM to the group, then SIGKILL if it does not end in `grace`.
  void Stop(Millis grace = Millis(5000));

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

struct Output {
  int status = -1;  // wait status; -1 when it did not end in time
  std::string out;
  std::string err;
  bool ok() const;
};

// Runs a program to its end, killing it after `limit`.
Output Exec(const std::vector<std::string>& argv, Millis limit = Millis(10000));

// Describes a wait status for failure messages.
std::string DescribeStatus(std::optional<int> status);

struct TopLevel {
  unsigned long id = 0;
  bool override_redirect = false;
  long pid = -1;  // _NET_WM_PID, -1 when unset
  std::string name;
};

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

// An Xvfb server of its own, and the tools that act on it. DISPLAY is set
// in this process while it lives.
class Desktop {
 public:
  Desktop(int width, int height);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Empty when the display is up, else why not.
  const std::string& error() const { return error_; }
  int width() const { return width_; }
  int height() const { return height_; }
  std::string display() const;

  // The mapped children of the root window: what a person could see.
  std::vector<TopLevel> TopLevels();
  // Asks the window to close, as a window manager's close button does.
  bool Close(unsigned long window);

  // xdotool, with the window's id where it takes one.
  Output Xdotool(const std::vector<std::string>& args);
  std::optional<std::string> WindowName(unsigned long window);
  std::optional<Geometry> WindowGeometry(unsigned long window);
  void Click(int x, int y, int button = 1);
  void Key(const std::string& keys);
  void Type(const std::string& text);
  void Focus(unsigned long window);

  // The whole screen as PNG; true when written.
  bool Screenshot(const std::filesystem::path& path);
  std::optional<std::string> Clipboard();

 private:
  int width_, height_;
  int number_ = -1;
  std::string error_;
  std::unique_ptr<Child> server_;
  void* x_ = nullptr;  // Display*
  std::optional<std::string> old_display_;
};

}  // namespace e2e

#endif  // PELLAVINE_TESTS_E2E_DESKTOP_H_
