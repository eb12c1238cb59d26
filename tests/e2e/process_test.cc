// The real executable on the real runtime, as separate processes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "include/capi/cef_entry_capi.h"
#include "shell/entry.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int exit_code;
  std::string stderr_text;
};

class ProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("pellavine-e2e-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs the program in the scratch directory; `library_dir` replaces the
  // runtime it finds by default.
  Outcome Run(const std::string& args, const std::string& library_dir = "") {
    const fs::path err = dir_ / "stderr.txt";
    std::string command = "cd '" + dir_.string() + "' && ";
    if (!library_dir.empty()) {
      command += "LD_LIBRARY_PATH='" + library_dir + "' ";
    }
    command += "timeout 20 '" PELLAVINE_EXE "' " + args + " 2>'" +
               err.string() + "' </dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(err);
    std::stringstream text;
    text << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
  }

  bool DirectoryIsEmptyButStderr() const {
    for (const auto& entry : fs::directory_iterator(dir_)) {
      if (entry.path().filename() != "stderr.txt") return false;
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
    EXPECT_TRUE(DirectoryIsEmptyButStderr());
    EXPECT_FALSE(fs::exists(dir_ / "cache_back"));
  }
}

TEST_F(ProcessTest, UnknownSubProcessRoleFailsWithTheRuntimesCode) {
  const Outcome outcome = Run("--type=no-such-role");
  EXPECT_NE(outcome.exit_code, 0);
  EXPECT_NE(outcome.exit_code, shell::kExitApiMismatch);
  EXPECT_NE(outcome.exit_code, shell::kExitInitializeFailed);
  EXPECT_NE(outcome.stderr_text.find("no-such-role"), std::string::npos);
  EXPECT_TRUE(DirectoryIsEmptyButStderr());
}

TEST_F(ProcessTest, ForeignRuntimeIsRefusedWithBothHashesNamed) {
  const Outcome outcome = Run("", PELLAVINE_OTHERHASH_DIR);
  EXPECT_EQ(outcome.exit_code, shell::kExitApiMismatch);
  EXPECT_NE(outcome.stderr_text.find(CEF_API_HASH_PLATFORM),
            std::string::npos);
  EXPECT_NE(outcome.stderr_text.find(
                "0000000000000000000000000000000000000000"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "cache_back"));
}

TEST_F(ProcessTest, FailedInitializationEndsTheProcess) {
  // A file where the cache directory belongs makes the runtime refuse.
  std::ofstream(dir_ / "cache_back") << "in the way";
  const Outcome outcome = Run("");
  EXPECT_EQ(outcome.exit_code, shell::kExitInitializeFailed)
      << outcome.stderr_text;
  EXPECT_NE(outcome.stderr_text.find("initialize"), std::string::npos);
}

}  // namespace
