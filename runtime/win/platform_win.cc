#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "runtime/app/platform.h"
#include "runtime/base/text.h"

namespace cefrt {
namespace platform {

namespace {

std::string WideToUtf8(const wchar_t* text) {
  std::u32string cps;
  DecodeUtf16(text, wcslen(text), &cps);
  std::string out;
  EncodeUtf8(cps, &out);
  return out;
}

std::filesystem::path ModuleFileName(HMODULE module) {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(module, &buf[0],
                                       static_cast<DWORD>(buf.size()));
    if (n == 0)
      return {};
    if (n < buf.size()) {
      buf.resize(n);
      return std::filesystem::path(buf);
    }
    if (buf.size() >= 32768)
      return {};
    buf.resize(buf.size() * 2);
  }
}

std::filesystem::path ShellFolder(int csidl) {
  wchar_t buf[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, buf)))
    return {};
  return std::filesystem::path(buf);
}

}  // namespace

std::vector<std::string> ProcessArguments(const cef_main_args_t* args) {
  (void)args;
  std::vector<std::string> out;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv)
    return out;
  for (int i = 0; i < argc; ++i)
    out.push_back(WideToUtf8(argv[i]));
  LocalFree(argv);
  return out;
}

std::filesystem::path ExecutablePath() {
  return ModuleFileName(nullptr);
}

std::filesystem::path ModulePath() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&ModulePath), &module))
    return {};
  return ModuleFileName(module);
}

std::filesystem::path LocalAppDataDir() {
  return ShellFolder(CSIDL_LOCAL_APPDATA);
}

std::filesystem::path UserDataDir() {
  return ShellFolder(CSIDL_APPDATA);
}

void EnableHighDpi() {
  // Absent before Vista, so looked up rather than linked.
  HMODULE user32 = LoadLibraryW(L"user32.dll");
  if (!user32)
    return;
  using SetDpiAwareFn = BOOL(WINAPI*)();
  FARPROC proc = GetProcAddress(user32, "SetProcessDPIAware");
  if (proc)
    reinterpret_cast<SetDpiAwareFn>(reinterpret_cast<void*>(proc))();
}

bool CreateNewFile(const std::filesystem::path& path) {
  // Plain attributes, and the folder's security: this file becomes the
  // user's.
  HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(file);
  return true;
}

bool MoveOver(const std::filesystem::path& from,
              const std::filesystem::path& to) {
  // Same folder, so a rename: no copy that could fail halfway over the
  // user's file.
  return MoveFileExW(from.wstring().c_str(), to.wstring().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool LaunchDetached(const std::vector<std::u16string>& argv,
                    const std::u16string& command_line) {
  if (argv.empty() || argv[0].empty())
    return false;
  // CreateProcessW may write into the line it is given.
  std::wstring line(command_line.begin(), command_line.end());
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info))
    return false;
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
}

}  // namespace platform
}  // namespace cefrt
