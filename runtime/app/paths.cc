// Well-known directories and files.
#include <filesystem>
#include <system_error>

#include "include/capi/cef_entry_capi.h"
#include "runtime/app/platform.h"
#include "runtime/app/runtime_state.h"
#include "runtime/base/text.h"

namespace {

std::filesystem::path Lookup(cef_path_key_t key) {
  namespace fs = std::filesystem;
  std::error_code ec;
  switch (key) {
    case PK_DIR_CURRENT: {
      fs::path dir = fs::current_path(ec);
      return ec ? fs::path() : dir;
    }
    case PK_DIR_EXE:
      return cefrt::platform::ExecutablePath().parent_path();
    case PK_DIR_MODULE:
      return cefrt::platform::ModulePath().parent_path();
    case PK_DIR_TEMP: {
      fs::path dir = fs::temp_directory_path(ec);
      if (ec)
        return fs::path();
      // Reported without the trailing separator Windows gives it.
      return dir.has_filename() ? dir : dir.parent_path();
    }
    case PK_FILE_EXE:
      return cefrt::platform::ExecutablePath();
    case PK_FILE_MODULE:
      return cefrt::platform::ModulePath();
    case PK_LOCAL_APP_DATA:
      return cefrt::platform::LocalAppDataDir();
    case PK_USER_DATA: {
      fs::path dir = cefrt::ConfiguredUserDataPath();
      return dir.empty() ? cefrt::platform::UserDataDir() : dir;
    }
  }
  return fs::path();
}

}  // namespace

int cef_get_path(cef_path_key_t key, cef_string_t* path) {
  if (!path)
    return 0;
  std::filesystem::path found;
  try {
    found = Lookup(key);
  } catch (...) {
    return 0;
  }
  if (found.empty())
    return 0;
  return cefrt::ToCef(found.u16string(), path) ? 1 : 0;
}
