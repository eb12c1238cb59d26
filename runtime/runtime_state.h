// What cef_initialize keeps for the other units.
#ifndef CEF_RUNTIME_RUNTIME_STATE_H_
#define CEF_RUNTIME_RUNTIME_STATE_H_

#include <filesystem>

namespace cefrt {

// The settings' user data directory (or else the cache directory), made
// absolute; empty when not initialised or neither was given.
std::filesystem::path ConfiguredUserDataPath();

}  // namespace cefrt

#endif  // CEF_RUNTIME_RUNTIME_STATE_H_
