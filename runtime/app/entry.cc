// Start-up, shut-down, the UI message loop and task posting.
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_task_capi.h"
#include "runtime/browser/browser_env.h"
#include "runtime/browser/resource_job.h"
#include "runtime/base/capi_util.h"
#include "runtime/app/command_line.h"
#include "runtime/base/counted.h"
#include "runtime/base/function_task.h"
#include "runtime/base/log.h"
#include "runtime/base/message_pump.h"
#include "runtime/app/platform.h"
#include "runtime/app/runtime_state.h"
#include "runtime/app/scheme_registrar.h"
#include "runtime/base/task_runner.h"
#include "runtime/base/text.h"
#include "runtime/app/ui_toolkit.h"

namespace cefrt {

namespace {

constexpr int kThreadCount = TID_RENDERER + 1;

struct Settings {
  std::u16string cache_path;
  std::u16string user_data_path;
  std::u16string locale;
  std::u16string accept_language_list;
  std::u16string user_agent;
  bool command_line_args_disabled = false;
  bool multi_threaded_message_loop = false;
  int log_severity = LOGSEVERITY_DEFAULT;
};

struct Runtime {
  std::mutex mutex;
  bool initialized = false;
  std::thread::id init_thread;
  std::shared_ptr<TaskRunner> runners[kThreadCount];
  cef_base_t* app = nullptr;
  Settings settings;
  std::filesystem::path user_data_dir;
};

Runtime& State() {
  static Runtime* runtime = new Runtime();  // outlives static destructors
  return *runtime;
}

// The runner for a named thread; workers start on first use. Null when the
// runtime is not initialised or the id names no thread.
std::shared_ptr<TaskRunner> RunnerFor(int tid) {
  if (tid < 0 || tid >= kThreadCount)
    return nullptr;
  Runtime& rt = State();
  std::lock_guard<std::mutex> lock(rt.mutex);
  if (!rt.initialized)
    return nullptr;
  std::shared_ptr<TaskRunner>& runner = rt.runners[tid];
  if (!runner) {
    auto fresh = std::make_shared<TaskRunner>(CreateDefaultMessagePump());
    fresh->StartThread();
    runner = std::move(fresh);
  }
  return runner;
}

std::shared_ptr<TaskRunner> UiRunnerOnThisThread(const char* caller) {
  std::shared_ptr<TaskRunner> ui = RunnerFor(TID_UI);
  if (ui && !ui->RunsOnCurrentThread()) {
    CEFRT_LOG(LOGSEVERITY_ERROR,
              std::string(caller) + " called off the UI thread; ignored");
    return nullptr;
  }
  return ui;
}

// Creates the cache directory and its parents; an existing directory is fine.
bool PrepareDirectory(const std::u16string& dir) {
  if (dir.empty())
    return true;
  std::error_code ec;
  const std::filesystem::path path(dir);
  std::filesystem::create_directories(path, ec);
  if (std::filesystem::is_directory(path, ec))
    return true;
  CEFRT_LOG(LOGSEVERITY_ERROR,
            "cannot create the cache directory " + U16ToUtf8(dir));
  return false;
}

std::filesystem::path Absolute(const std::u16string& dir) {
  std::error_code ec;
  std::filesystem::path path =
      std::filesystem::absolute(std::filesystem::path(dir), ec);
  return ec ? std::filesystem::path() : path.lexically_normal();
}

// Lets the application see and change the process's command line, then
// takes from it what the browsers need. Process type is empty: this is the
// browser process.
void ProcessCommandLine(cef_app_t* app, const std::vector<std::string>& argv,
                        const Settings& settings, BrowserEnvironment* env) {
  std::vector<std::u16string> args;
  for (const std::string& arg : argv) {
    args.push_back(Utf8ToU16(arg));
    if (settings.command_line_args_disabled)
      break;  // the program name only
  }
  CommandLine* line = ResetGlobalCommandLine(args);
  if (Offers(app, &cef_app_t::on_before_command_line_processing)) {
    cef_string_t process_type = {};
    app->on_before_command_line_processing(app, &process_type, line->Share());
  }
  line->Freeze();
  env->disable_gpu = line->HasSwitch(u"disable-gpu");
  env->no_proxy = line->HasSwitch(u"no-proxy-server");
  env->proxy_server = line->SwitchValue(u"proxy-server");
  env->locale = settings.locale.empty() ? line->SwitchValue(u"lang")
                                        : settings.locale;
  line->Release();
}

// The application hears that the context is ready once the UI loop runs.
void PostContextInitialized(cef_app_t* app) {
  if (!Offers(app, &cef_app_t::get_browser_process_handler))
    return;
  PostToUi([app] {
    cef_browser_process_handler_t* handler =
        app->get_browser_process_handler(app);
    if (Offers(handler, &cef_browser_process_handler_t::on_context_initialized))
      handler->on_context_initialized(handler);
    ReleaseStruct(handler);
  });
}

}  // namespace

std::filesystem::path ConfiguredUserDataPath() {
  Runtime& rt = State();
  std::lock_guard<std::mutex> lock(rt.mutex);
  return rt.initialized ? rt.user_data_dir : std::filesystem::path();
}

std::shared_ptr<TaskRunner> NamedThreadRunner(int tid) {
  return RunnerFor(tid);
}

cef_app_t* AppReference() {
  Runtime& rt = State();
  std::lock_guard<std::mutex> lock(rt.mutex);
  if (!rt.initialized || !rt.app)
    return nullptr;
  AddRefStruct(rt.app);
  return reinterpret_cast<cef_app_t*>(rt.app);
}

int CurrentNamedThread() {
  std::shared_ptr<TaskRunner> runners[kThreadCount];
  {
    Runtime& rt = State();
    std::lock_guard<std::mutex> lock(rt.mutex);
    if (!rt.initialized)
      return -1;
    for (int i = 0; i < kThreadCount; ++i)
      runners[i] = rt.runners[i];
  }
  for (int i = 0; i < kThreadCount; ++i) {
    if (runners[i] && runners[i]->RunsOnCurrentThread())
      return i;
  }
  return -1;
}

Clock::time_point RunDueUiTasks() {
  std::shared_ptr<TaskRunner> ui = RunnerFor(TID_UI);
  if (!ui || !ui->RunsOnCurrentThread())
    return Clock::time_point::max();
  return ui->RunDueTasks(false);
}

}  // namespace cefrt

using cefrt::State;

int cef_initialize(const cef_main_args_t* args, const cef_settings_t* settings,
                   struct _cef_app_t* application, void* windows_sandbox_info) {
  (void)args;
  (void)windows_sandbox_info;
  // The app arrives with one reference that is ours whatever the outcome.
  cef_base_t* app = reinterpret_cast<cef_base_t*>(application);
  auto fail = [app](const char* why) {
    if (why)
      CEFRT_LOG(LOGSEVERITY_ERROR, std::string("cef_initialize: ") + why);
    cefrt::ReleaseStruct(app);
    return 0;
  };
  if (!settings || settings->size < sizeof(cef_settings_t))
    return fail("missing or truncated settings");

  cefrt::Settings copy;
  try {
    copy.cache_path = cefrt::FromCef(&settings->cache_path);
    copy.user_data_path = cefrt::FromCef(&settings->user_data_path);
    copy.locale = cefrt::FromCef(&settings->locale);
    copy.accept_language_list =
        cefrt::FromCef(&settings->accept_language_list);
    copy.user_agent = cefrt::FromCef(&settings->user_agent);
  } catch (...) {
    return fail("out of memory");
  }
  copy.multi_threaded_message_loop = settings->multi_threaded_message_loop != 0;
  copy.log_severity = settings->log_severity;
  copy.command_line_args_disabled = settings->command_line_args_disabled != 0;

  cefrt::Runtime& rt = State();
  {
    std::lock_guard<std::mutex> lock(rt.mutex);
    if (rt.initialized)
      return fail("already initialised");
  }
  if (!cefrt::PrepareDirectory(copy.cache_path))
    return fail(nullptr);

  const std::vector<std::string> argv = cefrt::platform::ProcessArguments(args);
  std::unique_ptr<cefrt::MessagePump> pump;
  // The window system lives on one thread; with the loop on a thread of its
  // own the UI thread runs without one.
  if (!copy.multi_threaded_message_loop) {
    std::vector<std::string> toolkit_argv = argv;
    pump = cefrt::CreateUiMessagePump(&toolkit_argv);
  }
  if (!pump)
    pump = cefrt::CreateDefaultMessagePump();
  auto ui = std::make_shared<cefrt::TaskRunner>(std::move(pump));
  {
    std::lock_guard<std::mutex> lock(rt.mutex);
    if (rt.initialized)
      return fail("already initialised");
    rt.initialized = true;
    rt.init_thread = std::this_thread::get_id();
    rt.app = app;
    rt.user_data_dir = cefrt::Absolute(
        copy.user_data_path.empty() ? copy.cache_path : copy.user_data_path);
    if (copy.user_data_path.empty() && copy.cache_path.empty())
      rt.user_data_dir.clear();
    rt.settings = std::move(copy);
    rt.runners[TID_UI] = ui;
    if (rt.settings.multi_threaded_message_loop)
      ui->StartThread();
    else
      ui->BindToCurrentThread();
    cefrt::SetMinLogSeverity(rt.settings.log_severity);
  }
  cef_app_t* the_app = reinterpret_cast<cef_app_t*>(app);
  cefrt::BrowserEnvironment env;
  cefrt::ProcessCommandLine(the_app, argv, rt.settings, &env);
  cefrt::RegisterCustomSchemes(the_app);
  env.cache_path = rt.settings.cache_path.empty()
                       ? std::u16string()
                       : cefrt::Absolute(rt.settings.cache_path).u16string();
  env.accept_language_list = rt.settings.accept_language_list;
  env.user_agent = rt.settings.user_agent;
  cefrt::ConfigureBrowsers(env);
  cefrt::PostContextInitialized(the_app);
  return 1;
}

void cef_shutdown(void) {
  cefrt::Runtime& rt = State();
  bool running;
  {
    std::lock_guard<std::mutex> lock(rt.mutex);
    running = rt.initialized && rt.init_thread == std::this_thread::get_id();
  }
  // Requests the program's handlers still serve hear their cancel while the
  // IO thread runs.
  if (running)
    cefrt::ResourceJob::CancelAll();
  std::shared_ptr<cefrt::TaskRunner> runners[cefrt::kThreadCount];
  cef_base_t* app = nullptr;
  {
    std::lock_guard<std::mutex> lock(rt.mutex);
    if (!rt.initialized)
      return;
    if (rt.init_thread != std::this_thread::get_id()) {
      cefrt::Log(__FILE__, __LINE__, LOGSEVERITY_ERROR,
                 "cef_shutdown must be called on the thread that initialised");
      return;
    }
    rt.initialized = false;
    for (int i = 0; i < cefrt::kThreadCount; ++i)
      runners[i] = std::move(rt.runners[i]);
    app = rt.app;
    rt.app = nullptr;
    rt.settings = cefrt::Settings();
    rt.user_data_dir.clear();
  }
  // Close everything first so that tasks still running elsewhere cannot
  // queue new work on a thread that is already gone.
  for (auto& runner : runners) {
    if (runner)
      runner->Close();
  }
  for (auto& runner : runners) {
    if (runner)
      runner->JoinThread();
  }
  cefrt::ShutdownBrowsers();
  cefrt::ReleaseStruct(app);
  cefrt::ReleaseGlobalCommandLine();
  cefrt::ForgetCustomSchemes();
  cefrt::SetMinLogSeverity(LOGSEVERITY_DEFAULT);
  cefrt::CheckLiveObjectsAtShutdown();
}

void cef_do_message_loop_work(void) {
  auto ui = cefrt::UiRunnerOnThisThread("cef_do_message_loop_work");
  if (!ui)
    return;
  cefrt::DispatchPendingUiEvents();
  ui->RunDueTasks(false);
}

void cef_run_message_loop(void) {
  if (auto ui = cefrt::UiRunnerOnThisThread("cef_run_message_loop"))
    ui->Run();
}

void cef_quit_message_loop(void) {
  if (auto ui = cefrt::RunnerFor(TID_UI))
    ui->Quit();
}

void cef_set_osmodal_loop(int osModalLoop) {
  // Nothing to switch: the Windows pump's wake-ups already run tasks inside
  // modal loops, and GTK has no such loops.
  (void)osModalLoop;
}

void cef_enable_highdpi_support(void) {
  cefrt::platform::EnableHighDpi();
}

int64_t cef_now_from_system_trace_time(void) {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             cefrt::Clock::now().time_since_epoch())
      .count();
}

int cef_currently_on(cef_thread_id_t threadId) {
  const int tid = static_cast<int>(threadId);
  if (tid < 0 || tid >= cefrt::kThreadCount)
    return 0;
  cefrt::Runtime& rt = State();
  std::shared_ptr<cefrt::TaskRunner> runner;
  {
    std::lock_guard<std::mutex> lock(rt.mutex);
    if (!rt.initialized)
      return 0;
    runner = rt.runners[tid];
  }
  return runner && runner->RunsOnCurrentThread() ? 1 : 0;
}

int cef_post_delayed_task(cef_thread_id_t threadId, struct _cef_task_t* task,
                          int64_t delay_ms) {
  if (!task)
    return 0;
  std::shared_ptr<cefrt::TaskRunner> runner;
  try {
    runner = cefrt::RunnerFor(static_cast<int>(threadId));
  } catch (...) {
    // Thread creation failed; fall through to dropping the task.
  }
  if (!runner) {
    cefrt::ReleaseTask(task);
    return 0;
  }
  return runner->Post(task, delay_ms) ? 1 : 0;
}

int cef_post_task(cef_thread_id_t threadId, struct _cef_task_t* task) {
  return cef_post_delayed_task(threadId, task, 0);
}
