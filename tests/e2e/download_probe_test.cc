// What the program's download handler is told, against the real library:
// progress on the way to a complete download, and the cancel of a running
// one when its browser closes. The probe is a small embedder of its own;
// with the strict shut-down report on, anything left referenced ends it
// with a non-zero code.
#include "tests/e2e/program_fixture.h"

namespace {

using namespace e2e;

struct ProbeCase {
  const char* misbehave;
  const char* expect;     // PROBE_EXPECT
  uintmax_t whole_bytes;  // of the saved file; 0: no file may stay
};

void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.misbehave; }

class DownloadProbeTest : public WindowTest,
                          public testing::WithParamInterface<ProbeCase> {};

TEST_P(DownloadProbeTest, HandlerHearsWhatBecameOfTheDownload) {
  ASSERT_NO_FATAL_FAILURE(StartServer(GetParam().misbehave));
  const fs::path target = dir_ / "saved.bin";
  std::vector<std::string> env = ProgramEnvironment();
  env.push_back("PROBE_URL=http://" + std::string(PELLAVINE_START_HOST) +
                ":" + std::to_string(kPort) + kSignIn);
  env.push_back("PROBE_TARGET=" + target.string());
  env.push_back(std::string("PROBE_EXPECT=") + GetParam().expect);
  e2e::Child probe(
      e2e::Child::Options{{DOWNLOAD_PROBE}, env, dir_, dir_ / "probe.log"});
  const std::optional<int> status = probe.WaitExit(Millis(180000));
  const std::string log = ReadFile(dir_ / "probe.log");
  std::printf("%s", log.c_str());
  EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << e2e::DescribeStatus(status) << "\n" << Tail(log);
  if (GetParam().whole_bytes)
    EXPECT_TRUE(HoldsThePattern(target, GetParam().whole_bytes));
  else
    EXPECT_FALSE(fs::exists(target)) << "a partial file stayed";
}

INSTANTIATE_TEST_SUITE_P(
    Download, DownloadProbeTest,
    testing::Values(ProbeCase{"big-download", "complete", 200u << 20},
                    ProbeCase{"stalled-download", "closed", 0}),
    [](const testing::TestParamInfo<ProbeCase>& info) {
      std::string name = info.param.misbehave;
      name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
      return name;
    });

}  // namespace
