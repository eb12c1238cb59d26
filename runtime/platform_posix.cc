#include <dlfcn.h>
#include <stdlib.h>

#include <system_error>

#include "runtime/platform.h"

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

}  // namespace platform
}  // namespace cefrt
