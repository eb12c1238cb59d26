#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <system_error>

#include "runtime/app/platform.h"

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

}  // namespace platform
}  // namespace cefrt
