#include "tests/e2e/probe_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <memory>

namespace e2e {

namespace fs = std::filesystem;

bool CanRunProbes() { return OnPath("Xvfb") && OnPath("python3"); }

std::string ProbeRun::Expand(const std::string& text) const {
  std::string out = text;
  const std::string dir = dir_.string();
  for (size_t at = out.find("{dir}"); at != std::string::npos;
       at = out.find("{dir}", at + dir.size()))
    out.replace(at, 5, dir);
  return out;
}

ProbeRun::ProbeRun(const Options& options) {
  dir_ = fs::temp_directory_path() /
         ("pellavine-" + options.name + "-" +
          std::to_string(Clock::now().time_since_epoch().count()));
  fs::create_directories(dir_);
  for (const auto& [name, content] : options.files)
    std::ofstream(dir_ / name, std::ios::binary) << content;
  std::unique_ptr<Child> server;
  if (!options.server.empty()) {
    std::vector<std::string> argv = {"python3", options.server};
    for (const std::string& arg : options.server_args)
      argv.push_back(Expand(arg));
    server = std::make_unique<Child>(
        // Its shared module is read from the source tree: left unwritten.
        Child::Options{argv, {"PYTHONDONTWRITEBYTECODE=1"}, dir_,
                       dir_ / "server.log"});
    if (!PollUntil([&] { return !File("port").empty(); }, Millis(10000))) {
      ADD_FAILURE() << "the server did not start: " << File("server.log");
      return;
    }
    url_ = "http://127.0.0.1:" + File("port") + "/";
  }
  Desktop desktop(800, 600);
  if (!desktop.error().empty()) {
    ADD_FAILURE() << desktop.error();
    return;
  }
  std::vector<std::string> env = {"CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1",
                                  "GSETTINGS_BACKEND=memory"};
  if (!url_.empty())
    env.push_back("PROBE_URL=" + url_);
  for (const std::string& entry : options.env)
    env.push_back(Expand(entry));
  // Whole stacks in the reports of what the library's threads leaked.
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  Child probe(Child::Options{options.probe, env, dir_, dir_ / "probe.log"});
  if (options.during)
    options.during(desktop, *this);
  const std::optional<int> status = probe.WaitExit(options.limit);
  output_ = Printed();
  ok_ = status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0;
  EXPECT_TRUE(ok_) << DescribeStatus(status) << "\n" << output_;
  if (server)
    server->Stop();
  recorded_ = File("record");
}

ProbeRun::~ProbeRun() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

std::string ProbeRun::File(const std::string& name) const {
  return ReadFile(dir_ / name);
}

void ProbeRun::Go() const { std::ofstream(dir_ / "go") << "go"; }

}  // namespace e2e
