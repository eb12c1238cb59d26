#include "tests/e2e/desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

namespace e2e {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace fs = std::filesystem;

bool PollUntil(const std::function<bool()>& done, Millis limit) {
  const auto deadline = Clock::now() + limit;
  while (true) {
    if (done()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(Millis(100));
  }
}

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (!dir.empty() && access((dir + "/" + program).c_str(), X_OK) == 0) {
      return true;
    }
  }
  return false;
}

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (auto& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecChild(std::vector<char*>& argv, std::vector<char*>& env,
                            const char* cwd, int out_fd, int err_fd) {
  setpgid(0, 0);
  const int null_fd = open("/dev/null", O_RDWR);
  dup2(null_fd, 0);
  dup2(out_fd >= 0 ? out_fd : null_fd, 1);
  dup2(err_fd >= 0 ? err_fd : (out_fd >= 0 ? out_fd : null_fd), 2);
  if (cwd && *cwd && chdir(cwd) != 0) _exit(126);
  // The test runner may block signals that the child relies on.
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  execvpe(argv[0], argv.data(), env.data());
  _exit(127);
}

std::vector<std::string> Environment(const std::vector<std::string>& add) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    bool replaced = false;
    for (const auto& a : add) {
      if (a.substr(0, a.find('=')) == name) replaced = true;
    }
    if (!replaced) env.push_back(entry);
  }
  env.insert(env.end(), add.begin(), add.end());
  return env;
}

}  // namespace

Child::Child(const Options& options) {
  std::vector<std::string> argv = options.argv;
  std::vector<std::string> env = Environment(options.env);
  auto argv_p = Pointers(argv);
  auto env_p = Pointers(env);
  int out_fd = -1;
  if (!options.output.empty()) {
    out_fd = open(options.output.c_str(),
                  O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  }
  const std::string cwd = options.cwd.string();
  pid_ = fork();
  if (pid_ == 0) {
    if (options.keep_fd >= 0) {
      fcntl(options.keep_fd, F_SETFD, 0);
    }
    ExecChild(argv_p, env_p, cwd.c_str(), out_fd, -1);
  }
  // Also in the parent, so that killing the group cannot race the child.
  if (pid_ > 0) setpgid(pid_, pid_);
  if (out_fd >= 0) close(out_fd);
}

Child::~Child() { Stop(); }

bool Child::Running() {
  if (pid_ <= 0 || status_) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = status;
    return false;
  }
  return true;
}

std::optional<int> Child::WaitExit(Millis limit) {
  PollUntil([this] { return !Running(); }, limit);
  return status_;
}

void Child::Stop(Millis grace) {
  if (pid_ <= 0) return;
  if (Running()) {
    kill(-pid_, SIGTERM);
    if (!WaitExit(grace)) {
      kill(-pid_, SIGKILL);
      int status = 0;
      if (waitpid(pid_, &status, 0) == pid_) status_ = status;
    }
  }
  // Whatever the child left behind in its group goes too.
  kill(-pid_, SIGKILL);
  pid_ = -1;
}

bool Output::ok() const { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }

Output Exec(const std::vector<std::string>& args, Millis limit) {
  Output result;
  int out_pipe[2], err_pipe[2];
  if (pipe2(out_pipe, O_CLOEXEC) != 0) return result;
  if (pipe2(err_pipe, O_CLOEXEC) != 0) {
    close(out_pipe[0]);
    close(out_pipe[1]);
    return result;
  }
  std::vector<std::string> argv = args;
  std::vector<std::string> env = Environment({});
  auto argv_p = Pointers(argv);
  auto env_p = Pointers(env);
  const pid_t pid = fork();
  if (pid == 0) ExecChild(argv_p, env_p, nullptr, out_pipe[1], err_pipe[1]);
  close(out_pipe[1]);
  close(err_pipe[1]);
  if (pid < 0) {
    close(out_pipe[0]);
    close(err_pipe[0]);
    return result;
  }

  const auto deadline = Clock::now() + limit;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_pipes = 2;
  bool timed_out = false;
  while (open_pipes > 0) {
    const auto left = std::chrono::duration_cast<Millis>(deadline -
                                                         Clock::now());
    if (left.count() <= 0) {
      timed_out = true;
      break;
    }
    if (poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR) {
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof(buffer));
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_pipes;
      }
    }
  }
  for (auto& fd : fds) {
    if (fd.fd >= 0) close(fd.fd);
  }
  if (timed_out) kill(-pid, SIGKILL);
  int status = 0;
  // The pipes closed: the end is near, unless it was killed just now.
  if (!PollUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; },
                 Millis(5000))) {
    kill(-pid, SIGKILL);
    waitpid(pid, &status, 0);
    timed_out = true;
  }
  result.status = timed_out ? -1 : status;
  return result;
}

std::string DescribeStatus(std::optional<int> status) {
  if (!status) return "still running";
  if (WIFEXITED(*status)) {
    return "exit code " + std::to_string(WEXITSTATUS(*status));
  }
  if (WIFSIGNALED(*status)) {
    return std::string("signal ") + strsignal(WTERMSIG(*status));
  }
  return "wait status " + std::to_string(*status);
}

// Windows come and go while they are looked at.
static int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

Desktop::Desktop(int width, int height) : width_(width), height_(height) {
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) {
    error_ = "pipe failed";
    return;
  }
  const std::string screen = std::to_string(width) + "x" +
                             std::to_string(height) + "x24";
  server_ = std::make_unique<Child>(Child::Options{
      {"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0", screen,
       "-nolisten", "tcp", "-noreset"},
      {},
      {},
      {},
      ready[1]});
  close(ready[1]);

  // Xvfb writes its display number once it accepts clients.
  std::string number;
  const auto deadline = Clock::now() + Millis(15000);
  while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
    pollfd fd = {ready[0], POLLIN, 0};
    if (poll(&fd, 1, 200) > 0) {
      char c[16];
      const ssize_t n = read(ready[0], c, sizeof(c));
      if (n <= 0) break;
      number.append(c, static_cast<size_t>(n));
    }
    if (!server_->Running()) break;
  }
  close(ready[0]);
  if (number.find('\n') == std::string::npos) {
    error_ = "Xvfb did not start";
    return;
  }
  number_ = std::atoi(number.c_str());

  if (const char* old = std::getenv("DISPLAY")) old_display_ = old;
  setenv("DISPLAY", display().c_str(), 1);
  XSetErrorHandler(IgnoreXErrors);
  x_ = XOpenDisplay(display().c_str());
  if (!x_) error_ = "cannot open " + display();
}

Desktop::~Desktop() {
  if (x_) XCloseDisplay(static_cast<Display*>(x_));
  if (server_) server_->Stop();
  if (old_display_) {
    setenv("DISPLAY", old_display_->c_str(), 1);
  } else {
    unsetenv("DISPLAY");
  }
}

std::string Desktop::display() const { return ":" + std::to_string(number_); }

namespace {

std::optional<std::string> Property(Display* x, Window w, const char* name,
                                    Atom type) {
  Atom actual;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(x, w, XInternAtom(x, name, False), 0, 4096, False,
                         type, &actual, &format, &count, &after,
                         &data) != Success ||
      !data) {
    return std::nullopt;
  }
  std::optional<std::string> value;
  if (actual == type && format == 8) {
    value = std::string(reinterpret_cast<char*>(data), count);
  } else if (actual == type && format == 32 && count > 0) {
    value = std::to_string(*reinterpret_cast<long*>(data));
  }
  XFree(data);
  return value;
}

}  // namespace

std::vector<TopLevel> Desktop::TopLevels() {
  std::vector<TopLevel> out;
  auto* x = static_cast<Display*>(x_);
  if (!x) return out;
  Window root, parent, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(x, DefaultRootWindow(x), &root, &parent, &children,
                  &count)) {
    return out;
  }
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(x, children[i], &attributes) ||
        attributes.map_state != IsViewable) {
      continue;
    }
    TopLevel top;
    top.id = children[i];
    top.override_redirect = attributes.override_redirect;
    if (auto pid = Property(x, children[i], "_NET_WM_PID", XA_CARDINAL)) {
      top.pid = std::atol(pid->c_str());
    }
    auto name = Property(x, children[i], "_NET_WM_NAME",
                         XInternAtom(x, "UTF8_STRING", False));
    if (!name) name = Property(x, children[i], "WM_NAME", XA_STRING);
    top.name = name.value_or("");
    out.push_back(top);
  }
  if (children) XFree(children);
  return out;
}

bool Desktop::Close(unsigned long window) {
  auto* x = static_cast<Display*>(x_);
  if (!x) return false;
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = XInternAtom(x, "WM_DELETE_WINDOW", False);
  event.xclient.data.l[1] = CurrentTime;
  const bool sent = XSendEvent(x, window, False, NoEventMask, &event) != 0;
  XSync(x, False);
  return sent;
}

Output Desktop::Xdotool(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"xdotool"};
  argv.insert(argv.end(), args.begin(), args.end());
  return Exec(argv);
}

std::optional<std::string> Desktop::WindowName(unsigned long window) {
  Output o = Xdotool({"getwindowname", std::to_string(window)});
  if (!o.ok()) return std::nullopt;
  if (!o.out.empty() && o.out.back() == '\n') o.out.pop_back();
  return o.out;
}

std::optional<Geometry> Desktop::WindowGeometry(unsigned long window) {
  const Output o =
      Xdotool({"getwindowgeometry", "--shell", std::to_string(window)});
  if (!o.ok()) return std::nullopt;
  Geometry g;
  int found = 0;
  std::stringstream lines(o.out);
  std::string line;
  while (std::getline(lines, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const int value = std::atoi(line.c_str() + eq + 1);
    if (key == "X") g.x = value, ++found;
    if (key == "Y") g.y = value, ++found;
    if (key == "WIDTH") g.width = value, ++found;
    if (key == "HEIGHT") g.height = value, ++found;
  }
  if (found != 4) return std::nullopt;
  return g;
}

void Desktop::Click(int x, int y, int button) {
  Xdotool({"mousemove", std::to_string(x), std::to_string(y), "click",
           std::to_string(button)});
}

void Desktop::Key(const std::string& keys) { Xdotool({"key", keys}); }

void Desktop::Type(const std::string& text) {
  Xdotool({"type", "--delay", "30", text});
}

void Desktop::Focus(unsigned long window) {
  Xdotool({"windowfocus", std::to_string(window)});
}

bool Desktop::Screenshot(const fs::path& path) {
  std::error_code ignored;
  fs::create_directories(path.parent_path(), ignored);
  return Exec({"import", "-window", "root", path.string()}, Millis(20000))
             .ok() &&
         fs::exists(path);
}

std::optional<std::string> Desktop::Clipboard() {
  const Output o = Exec({"xclip", "-o", "-selection", "clipboard"},
                        Millis(5000));
  if (!o.ok()) return std::nullopt;
  return o.out;
}

}  // namespace e2e
