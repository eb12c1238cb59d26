// The few operating-system calls the runtime needs; one implementation file
// per system.
#ifndef CEF_RUNTIME_PLATFORM_H_
#define CEF_RUNTIME_PLATFORM_H_

#include <filesystem>
#include <string>
#include <vector>

#include "include/capi/cef_records_capi.h"

namespace cefrt {
namespace platform {

// The process's command line as UTF-8 arguments, program name first. Windows
// reads it from the system; elsewhere it comes from `args` (may be null).
std::vector<std::string> ProcessArguments(const cef_main_args_t* args);

// Empty paths when the system cannot tell.
std::filesystem::path ExecutablePath();
std::filesystem::path ModulePath();
std::filesystem::path LocalAppDataDir();
std::filesystem::path UserDataDir();

void EnableHighDpi();

// Makes `path` as a new empty file; false when it exists or cannot be made.
bool CreateNewFile(const std::filesystem::path& path);
// Puts `from` in the place of `to` in one step, replacing what was there;
// both in the same folder.
bool MoveOver(const std::filesystem::path& from,
              const std::filesystem::path& to);

// Starts the program named by argv[0] (searched on PATH where the system
// does) as a process of its own that nobody waits for; false when it could
// not be started. Windows hands `command_line` to the system as it stands.
bool LaunchDetached(const std::vector<std::u16string>& argv,
                    const std::u16string& command_line);

}  // namespace platform
}  // namespace cefrt

#endif  // CEF_RUNTIME_PLATFORM_H_
