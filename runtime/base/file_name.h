// File names that come from a server, made fit to be offered to the user.
#ifndef CEF_RUNTIME_FILE_NAME_H_
#define CEF_RUNTIME_FILE_NAME_H_

#include <string>

namespace cefrt {

// At most this many bytes of UTF-8: room for the file being written beside
// it, whose name is longer, within every system's 255.
constexpr size_t kMaxFileNameBytes = 200;

// `name` as one harmless file name on any system: no path, no character a
// system refuses or that reorders what the user reads, no device name,
// within kMaxFileNameBytes with its extension kept; "download" when nothing
// is left.
std::u16string SafeFileName(const std::u16string& name);

}  // namespace cefrt

#endif  // CEF_RUNTIME_FILE_NAME_H_
