// One run of a probe: a folder of its own, an optional local server, a
// private display, and the probe started with the environment every probe
// needs (strict shut-down, no accessibility bus or settings daemon, the
// server's address), ended within a time limit. The run checks that the
// probe ended well; the folder stays until the run goes, for the test to
// read what the probe and the server left.
#ifndef PELLAVINE_TESTS_E2E_PROBE_RUN_H_
#define PELLAVINE_TESTS_E2E_PROBE_RUN_H_

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/desktop.h"

namespace e2e {

class ProbeRun {
 public:
  struct Options {
    std::string name;    // names the folder, for a person reading /tmp
    std::string server;  // a script run as `python3 SERVER ARGS...`; none if
                         // empty
    // The server's arguments; each "{dir}" stands for the run's folder. The
    // server writes its port to PORT in the folder.
    std::vector<std::string> server_args = {"{dir}/record", "{dir}/port"};
    std::vector<std::string> probe;  // the probe and its arguments
    std::vector<std::string> env;    // NAME=value, "{dir}" as above
    // Files written in the folder before anything starts: name, content.
    std::vector<std::pair<std::string, std::string>> files;
    Millis limit = Millis(120000);
    // Runs while the probe does, on the display it shows on.
    std::function<void(Desktop&, const ProbeRun&)> during;
  };

  explicit ProbeRun(const Options& options);
  ~ProbeRun();
  ProbeRun(const ProbeRun&) = delete;
  ProbeRun& operator=(const ProbeRun&) = delete;

  // True when the probe ran and ended with exit 0.
  bool ok() const { return ok_; }
  const std::filesystem::path& dir() const { return dir_; }
  // The server's root URL, "http://127.0.0.1:PORT/"; empty without one.
  const std::string& url() const { return url_; }
  // What the probe printed, once it has ended.
  const std::string& output() const { return output_; }
  // What the server recorded (the folder's RECORD), once the probe ended.
  const std::string& recorded() const { return recorded_; }
  std::string File(const std::string& name) const;
  // What the probe has printed so far.
  std::string Printed() const { return File("probe.log"); }
  // Lets a probe waiting for a "go" file go on.
  void Go() const;

 private:
  std::string Expand(const std::string& text) const;

  std::filesystem::path dir_;
  bool ok_ = false;
  std::string url_;
  std::string output_;
  std::string recorded_;
};

// Whether the tools every probe run needs are here.
bool CanRunProbes();

}  // namespace e2e

#endif  // PELLAVINE_TESTS_E2E_PROBE_RUN_H_
