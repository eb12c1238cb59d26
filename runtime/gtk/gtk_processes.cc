// WebKit's helper processes are children of ours. They end when the context
// goes, unless one is stuck in a page's script and never hears of it: nothing
// the program started may outlive it.
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/gtk_pump.h"

namespace cefrt {

namespace {

// How long the helpers get to end by themselves once the context is gone;
// on a busy machine a healthy one was seen to need over a second, and the
// network process may still be writing cookies.
constexpr std::chrono::milliseconds kHelperGrace(3000);

// Whether `pid` is a child of ours running one of WebKit's programs. A
// process whose main thread has ended (a zombie) no longer runs anything.
bool IsLiveWebKitChild(const char* pid, pid_t self,
                       const char* prefix = "WebKit") {
  std::ifstream in(std::string("/proc/") + pid + "/stat");
  std::string stat;
  std::getline(in, stat);
  // "pid (comm) state ppid ...": the name may hold spaces and parentheses.
  const size_t open = stat.find('(');
  const size_t close = stat.rfind(')');
  if (open == std::string::npos || close == std::string::npos ||
      close + 4 >= stat.size())
    return false;
  const std::string comm = stat.substr(open + 1, close - open - 1);
  const char state = stat[close + 2];
  const long ppid = strtol(stat.c_str() + close + 4, nullptr, 10);
  return ppid == self && state != 'Z' && comm.rfind(prefix, 0) == 0;
}

std::vector<pid_t> WebKitChildren(const char* prefix = "WebKit") {
  std::vector<pid_t> out;
  const pid_t self = getpid();
  DIR* proc = opendir("/proc");
  if (!proc)
    return out;
  while (dirent* entry = readdir(proc)) {
    char* end = nullptr;
    const long pid = strtol(entry->d_name, &end, 10);
    if (pid > 0 && end && !*end &&
        IsLiveWebKitChild(entry->d_name, self, prefix))
      out.push_back(static_cast<pid_t>(pid));
  }
  closedir(proc);
  return out;
}

// A descriptor that becomes readable when `pid` has ended (Linux 5.3 on),
// or -1.
int ProcessDescriptor(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

// Nanoseconds the process's threads have spent running or ready to run: a
// process held back by a busy machine is not idle.
unsigned long long Activity(pid_t pid) {
  unsigned long long total = 0;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (!dir)
    return 0;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.')
      continue;
    std::ifstream in(tasks + "/" + entry->d_name + "/schedstat");
    unsigned long long running = 0, waiting = 0;
    if (in >> running >> waiting)
      total += running + waiting;
  }
  closedir(dir);
  return total;
}

// A closed page runs its unload handlers in its web process, which hands
// what they send (beacons, keep-alive fetches) to the network process; once
// the session goes, those are refused or cancelled. Bounded: a page that
// never lets go must not hold the program's end.
constexpr std::chrono::milliseconds kGoodbyeLimit(2000);
// After the web processes have ended, the network process gets at least
// this long, and then until it has been idle for a look's length.
constexpr std::chrono::milliseconds kGoodbyeSettle(100);
constexpr std::chrono::milliseconds kGoodbyeLook(50);
constexpr unsigned long long kIdleNanoseconds = 500000;

void Pump(std::chrono::milliseconds pause) {
  if (GtkInitialized())
    DispatchPendingGtkEvents();
  std::this_thread::sleep_for(pause);
}

}  // namespace

void LetClosedPagesFinish() {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + kGoodbyeLimit;
  constexpr char kWebProcess[] = "WebKitWebProces";  // as the kernel cuts it
  if (WebKitChildren(kWebProcess).empty())
    return;  // no page was open
  while (!WebKitChildren(kWebProcess).empty() && Clock::now() < deadline)
    Pump(std::chrono::milliseconds(2));
  const std::vector<pid_t> network = WebKitChildren("WebKitNetwork");
  if (network.empty())
    return;
  const auto settled = Clock::now() + kGoodbyeSettle;
  unsigned long long before = Activity(network.front());
  while (Clock::now() < deadline) {
    const auto look = std::min(Clock::now() + kGoodbyeLook, deadline);
    while (Clock::now() < look)
      Pump(std::chrono::milliseconds(5));
    const unsigned long long now = Activity(network.front());
    // Less than before: a thread has ended, which is no sign of rest.
    const bool idle = now >= before && now - before < kIdleNanoseconds;
    before = now;
    if (idle && Clock::now() >= settled)
      break;
  }
}

void EndWebKitHelpers() {
  const auto deadline = std::chrono::steady_clock::now() + kHelperGrace;
  const pid_t self = getpid();
  std::vector<pid_t> left = WebKitChildren();
  // Helpers end within milliseconds of the context: the wait is woken by
  // their end where the system can say so, and looks every 2 ms otherwise.
  std::vector<pollfd> ends;
  for (pid_t pid : left) {
    const int fd = ProcessDescriptor(pid);
    if (fd >= 0)
      ends.push_back({fd, POLLIN, 0});
  }
  while (!left.empty() && std::chrono::steady_clock::now() < deadline) {
    // The helpers' last messages may need an answer.
    if (GtkInitialized())
      DispatchPendingGtkEvents();
    // An ended helper's descriptor stays readable: watch only the others.
    ends.erase(std::remove_if(ends.begin(), ends.end(),
                              [](const pollfd& end) {
                                if (end.revents)
                                  close(end.fd);
                                return end.revents != 0;
                              }),
               ends.end());
    poll(ends.data(), ends.size(), 2);
    left.erase(std::remove_if(left.begin(), left.end(),
                              [self](pid_t pid) {
                                return !IsLiveWebKitChild(
                                    std::to_string(pid).c_str(), self);
                              }),
               left.end());
  }
  for (const pollfd& end : ends)
    close(end.fd);
  for (pid_t pid : left)
    kill(pid, SIGKILL);
}

}  // namespace cefrt
