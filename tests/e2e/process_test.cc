// The real executable on the real runtime, as separate processes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include "include/capi/cef_entry_capi.h"
#include "shell/entry.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int exit_code;
  std::string stderr_text;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto stamp =
        std::chrono::steady_clock::now().time_since_epoch().count();
    dir_ = fs::temp_directory_path() /
           ("pellavine-e2e-" + std::to_string(stamp) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "bin");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // Runs the program with `runtime` as its library, its working directory
  // the scratch directory.
  Outcome Run(const std::string& args,
              const std::string& runtime = PELLAVINE_RUNTIME) {
    const fs::path err = dir_ / "bin" / "stderr.txt";
#if defined(_WIN32)
    // Windows looks for the dll beside the executable first.
    const fs::path exe = dir_ / "bin" / fs::path(PELLAVINE_EXE).filename();
    const auto replace = fs::copy_options::overwrite_existing;
    fs::copy_file(PELLAVINE_EXE, exe, replace);
    fs::copy_file(runtime, dir_ / "bin" / fs::path(runtime).filename(),
                  replace);
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE err_file =
        CreateFileW(err.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                    &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = err_file;
    std::wstring command = L"\"" + exe.wstring() + L"\" " +
                           fs::path(args).wstring();
    PROCESS_INFORMATION process = {};
    DWORD code = static_cast<DWORD>(-1);
    if (CreateProcessW(exe.wstring().c_str(), &command[0], nullptr, nullptr,
                       TRUE, 0, nullptr, dir_.wstring().c_str(), &startup,
                       &process)) {
      if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
      } else {
        TerminateProcess(process.hProcess, 1);
      }
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CloseHandle(err_file);
    return {static_cast<int>(code), ReadFile(err)};
#else
    // The loader's search path outranks the executable's own run path.
    const std::string command =
        "cd '" + dir_.string() + "' && LD_LIBRARY_PATH='" +
        fs::path(runtime).parent_path().string() + "' timeout 20 '" +
        PELLAVINE_EXE + "' " + args + " 2>'" + err.string() + "' </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(err)};
#endif
  }

  // True when the program left nothing in its working directory.
  bool CreatedNothing() const {
    for (const auto& entry : fs::directory_iterator(dir_)) {
      if (entry.path().filename() != "bin") return false;
    }
    return true;
  }

  fs::path dir_;
};

TEST_F(ProcessTest, SubProcessCreatesNothingAndExitsWithTheRuntimesCode) {
  for (const char* role : {"renderer", "gpu-process", "utility"}) {
    SCOPED_TRACE(role);
    const Outcome outcome = Run(std::string("--type=") + role);
    EXPECT_EQ(outcome.exit_code, 0) << outcome.stderr_text;
    EXPECT_TRUE(CreatedNothing());
  }
}

TEST_F(ProcessTest, UnknownSubProcessRoleFailsWithTheRuntimesCode) {
  const Outcome outcome = Run("--type=no-such-role");
  EXPECT_NE(outcome.exit_code, 0);
  EXPECT_NE(outcome.exit_code, shell::kExitApiMismatch);
  EXPECT_NE(outcome.exit_code, shell::kExitInitializeFailed);
  EXPECT_NE(outcome.stderr_text.find("no-such-role"), std::string::npos);
  EXPECT_TRUE(CreatedNothing());
}

TEST_F(ProcessTest, ForeignRuntimeIsRefusedWithBothHashesNamed) {
  const Outcome outcome = Run("", PELLAVINE_OTHERHASH_RUNTIME);
  EXPECT_EQ(outcome.exit_code, shell::kExitApiMismatch);
  EXPECT_TRUE(CreatedNothing());
#if !defined(_WIN32)
  // Windows sends the line to the debugger instead.
  EXPECT_NE(outcome.stderr_text.find(CEF_API_HASH_PLATFORM),
            std::string::npos);
  EXPECT_NE(outcome.stderr_text.find(
                "0000000000000000000000000000000000000000"),
            std::string::npos);
#endif
}

TEST_F(ProcessTest, FailedInitializationEndsTheProcess) {
  // A file where the cache directory belongs makes the runtime refuse.
  std::ofstream(dir_ / "cache_back") << "in the way";
  const Outcome outcome = Run("");
  EXPECT_EQ(outcome.exit_code, shell::kExitInitializeFailed)
      << outcome.stderr_text;
  EXPECT_NE(outcome.stderr_text.find("cache"), std::string::npos);
}

}  // namespace
