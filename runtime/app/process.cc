// Interface version and sub-process dispatch.
#include <string>
#include <vector>

#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "runtime/app/command_line.h"
#include "runtime/app/platform.h"
#include "runtime/base/counted.h"
#include "runtime/base/log.h"

#if !defined(CEF_RUNTIME_API_HASH)
#define CEF_RUNTIME_API_HASH CEF_API_HASH_PLATFORM
#endif

namespace {

constexpr char kUniversalHash[] = "5bd7a4d1c2e39f0864b1a7c3e58d2f906b4c1e7a";

// Exit code of a sub-process whose --type names no role of this runtime.
constexpr int kUnknownProcessTypeExitCode = 1;

// Value of the last "--type=" (or "-type=") switch; switches end at "--".
std::string ProcessType(const std::vector<std::string>& argv) {
  std::string type;
  for (size_t i = 1; i < argv.size(); ++i) {
    const std::string& arg = argv[i];
    if (arg == "--")
      break;
    size_t start = 0;
    if (arg.compare(0, 2, "--") == 0)
      start = 2;
    else if (arg.compare(0, 1, "-") == 0)
      start = 1;
    else
      continue;
    if (arg.compare(start, 5, "type=") == 0)
      type = arg.substr(start + 5);
  }
  return type;
}

}  // namespace

const char* cef_api_hash(int entry) {
  switch (entry) {
    case 0:
      return CEF_RUNTIME_API_HASH;
    case 1:
      return kUniversalHash;
    default:
      return "";
  }
}

int cef_execute_process(const cef_main_args_t* args,
                        struct _cef_app_t* application,
                        void* windows_sandbox_info) {
  (void)windows_sandbox_info;
  // The app's reference is ours; a sub-process here has no use for it.
  if (cef_base_t* app = reinterpret_cast<cef_base_t*>(application)) {
    if (app->size >= offsetof(cef_base_t, release) + sizeof(void*) &&
        app->release)
      app->release(app);
  }
  const std::string type =
      ProcessType(cefrt::platform::ProcessArguments(args));
  if (type.empty())
    return -1;
  // Browser work runs in-process, so the helper roles have nothing to do.
  if (type == "renderer" || type == "gpu-process" || type == "utility" ||
      type == "zygote")
    return 0;
  CEFRT_LOG(LOGSEVERITY_ERROR, "unknown process type: " + type);
  return kUnknownProcessTypeExitCode;
}

int cef_launch_process(struct _cef_command_line_t* command_line) {
  // The caller's reference is ours to drop, whatever the outcome.
  cefrt::Ref<cefrt::CommandLine> line = cefrt::Ref<cefrt::CommandLine>::Adopt(
      cefrt::CommandLine::From<cefrt::CommandLine>(command_line));
  if (!line)
    return 0;
  if (!cef_currently_on(TID_PROCESS_LAUNCHER)) {
    CEFRT_LOG(LOGSEVERITY_ERROR,
              "cef_launch_process must be called on the process launcher "
              "thread");
    return 0;
  }
  return cefrt::platform::LaunchDetached(line->Argv(),
                                         line->CommandLineString())
             ? 1
             : 0;
}
