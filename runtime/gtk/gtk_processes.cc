// WebKit's helper processes are children of ours. They end when the context
// goes, unless one is stuck in a page's script and never hears of it: nothing
// the program started may outlive it.
#include <dirent.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

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

// Our live children whose program is one of WebKit's.
std::vector<pid_t> WebKitChildren() {
  std::vector<pid_t> out;
  const pid_t self = getpid();
  DIR* proc = opendir("/proc");
  if (!proc)
    return out;
  while (dirent* entry = readdir(proc)) {
    char* end = nullptr;
    const long pid = strtol(entry->d_name, &end, 10);
    if (pid <= 0 || !end || *end)
      continue;
    std::ifstream in(std::string("/proc/") + entry->d_name + "/stat");
    std::string stat;
    std::getline(in, stat);
    // "pid (comm) state ppid ...": the name may hold spaces and parentheses.
    const size_t open = stat.find('(');
    const size_t close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos ||
        close + 4 >= stat.size())
      continue;
    const std::string comm = stat.substr(open + 1, close - open - 1);
    const char state = stat[close + 2];
    const long ppid = strtol(stat.c_str() + close + 4, nullptr, 10);
    if (ppid == self && state != 'Z' && comm.rfind("WebKit", 0) == 0)
      out.push_back(static_cast<pid_t>(pid));
  }
  closedir(proc);
  return out;
}

}  // namespace

void EndWebKitHelpers() {
  const auto deadline = std::chrono::steady_clock::now() + kHelperGrace;
  std::vector<pid_t> left = WebKitChildren();
  while (!left.empty() && std::chrono::steady_clock::now() < deadline) {
    if (GtkInitialized())
      DispatchPendingGtkEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    left = WebKitChildren();
  }
  for (pid_t pid : left)
    kill(pid, SIGKILL);
}

}  // namespace cefrt
