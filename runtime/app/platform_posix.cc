#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>

#include "runtime/app/platform.h"
#include "runtime/base/text.h"

namespace cefrt {
namespace platform {

namespace {

std::filesystem::path FromEnv(const char* name) {
  const char* value = getenv(name);
  return value && *value ? std::filesystem::path(value)
                         : std::filesystem::path();
}

std::filesystem::path HomeSubdir(const char* xdg_name, const char* fallback) {
  std::filesystem::path dir = FromEnv(xdg_name);
  if (!dir.empty())
    return dir;
  std::filesystem::path home = FromEnv("HOME");
  return home.empty() ? home : home / fallback;
}

}  // namespace

std::vector<std::string> ProcessArguments(const cef_main_args_t* args) {
  std::vector<std::string> out;
  if (!args || !args->argv)
    return out;
  for (int i = 0; i < args->argc; ++i) {
    if (args->argv[i])
      out.emplace_back(args->argv[i]);
  }
  return out;
}

std::filesystem::path ExecutablePath() {
  std::error_code ec;
  std::filesystem::path path =
      std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : path;
}

std::filesystem::path ModulePath() {
  Dl_info info;
  if (!dladdr(reinterpret_cast<void*>(&ModulePath), &info) ||
      !info.dli_fname)
    return {};
  std::error_code ec;
  std::filesystem::path path =
      std::filesystem::absolute(std::filesystem::path(info.dli_fname), ec);
  return ec ? std::filesystem::path() : path;
}

std::filesystem::path LocalAppDataDir() {
  return HomeSubdir("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path UserDataDir() {
  return HomeSubdir("XDG_CONFIG_HOME", ".config");
}

void EnableHighDpi() {}

bool CreateNewFile(const std::filesystem::path& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      0666);
  if (fd < 0)
    return false;
  close(fd);
  return true;
}

bool MoveOver(const std::filesystem::path& from,
              const std::filesystem::path& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}

bool LaunchDetached(const std::vector<std::u16string>& argv,
                    const std::u16string&) {
  if (argv.empty() || argv[0].empty())
    return false;
  // Everything the children touch is made before fork: only async-signal-
  // safe calls may follow it in a threaded process.
  std::vector<std::string> words;
  for (const std::u16string& arg : argv)
    words.push_back(U16ToUtf8(arg));
  std::vector<char*> args;
  for (std::string& word : words)
    args.push_back(&word[0]);
  args.push_back(nullptr);
  // The grandchild reports a failed exec through the pipe; a successful one
  // closes it unwritten.
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0)
    return false;
  const pid_t middle = fork();
  if (middle == 0) {
    // The middle process ends at once, so the program is reparented and
    // never left a zombie of ours.
    if (fork() == 0) {
      setsid();
      execvp(args[0], args.data());
      const int error = errno;
      ssize_t ignored = write(report[1], &error, sizeof error);
      (void)ignored;
      _exit(127);
    }
    _exit(0);
  }
  close(report[1]);
  bool started = false;
  if (middle > 0) {
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t n;
    while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    started = n == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  close(report[0]);
  return started;
}

}  // namespace platform
}  // namespace cefrt
