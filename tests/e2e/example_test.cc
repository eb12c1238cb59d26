// The example program on a private display, against the real library: each
// feature's line on stdout, and what reached the page: the style sheet from
// the program's scheme, the function's answer and the confirm() answer as
// the page showed them, and the cookies the program wrote into the page, as
// the program read the page's text back. Closing the window ends it with 0.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::ReadFile;

namespace {

// The lines of `output` that start with "<feature>: ", without the prefix.
std::vector<std::string> Lines(const std::string& output,
                               const std::string& feature) {
  std::vector<std::string> found;
  std::istringstream lines(output);
  const std::string prefix = feature + ": ";
  for (std::string line; std::getline(lines, line);) {
    if (line.compare(0, prefix.size(), prefix) == 0)
      found.push_back(line.substr(prefix.size()));
  }
  return found;
}

bool AnyContains(const std::vector<std::string>& lines,
                 const std::string& part) {
  for (const std::string& line : lines) {
    if (line.find(part) != std::string::npos) return true;
  }
  return false;
}

// The colour of one pixel of a screenshot, as ImageMagick names it.
std::string PixelAt(const fs::path& png, int x, int y) {
  const e2e::Output out = e2e::Exec(
      {"convert", png.string(), "-format",
       "%[pixel:p{" + std::to_string(x) + "," + std::to_string(y) + "}]",
       "info:"});
  return out.ok() ? out.out : "convert failed: " + out.err;
}

TEST(ExampleTest, EachFeatureReachesThePageAndStdout) {
  if (!e2e::OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
  const fs::path dir =
      fs::temp_directory_path() /
      ("pellavine-example-" +
       std::to_string(e2e::Clock::now().time_since_epoch().count()));
  fs::create_directories(dir);
  const fs::path log = dir / "example.log";
  e2e::Desktop desktop(1024, 768);
  ASSERT_EQ("", desktop.error());

  std::vector<std::string> env = {"CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1",
                                  "GSETTINGS_BACKEND=memory"};
  if (const char* asan = std::getenv("ASAN_OPTIONS"))
    env.push_back(std::string("ASAN_OPTIONS=") + asan +
                  ":fast_unwind_on_malloc=0");
  e2e::Child example(e2e::Child::Options{{PELLAVINE_EXAMPLE}, env, dir, log});
  ASSERT_TRUE(example.started());

  // The page's text is the last finding: read back after the rest is shown.
  const bool done = e2e::PollUntil(
      [&] {
        return !example.Running() ||
               !Lines(ReadFile(log), "text").empty();
      },
      Millis(90000));
  std::optional<unsigned long> window;
  for (const e2e::TopLevel& top : desktop.TopLevels()) {
    if (top.pid == example.pid()) window = top.id;
  }
  const fs::path shot = dir / "example.png";
  const std::string output = ReadFile(log);
  EXPECT_TRUE(done) << "no page text within the time:\n" << output;

  struct Expected {
    const char* feature;
    const char* part;
  };
  const Expected expected[] = {
      // Both files served from memory, with their types.
      {"scheme", "demo://app/ text/html "},
      {"scheme", "demo://app/style.css text/css "},
      {"function", "askProgram(6, 7) returned 42"},
      {"confirm", "\"May the program list its cookies here?\" answered OK"},
      {"cookies", "flavour=oatmeal"},
      // What the page showed, read back by the program: its own address,
      // the function's answer as the page awaited it, the confirm() answer
      // as the page's script got it, and the cookies the program wrote in.
      {"text", "at demo://app/"},
      {"text", "askProgram(6, 7) 6 x 7 = 42"},
      {"text", "confirm() OK"},
      {"text", "Cookies the program listed flavour=oatmeal"},
  };
  for (const Expected& line : expected) {
    EXPECT_TRUE(AnyContains(Lines(output, line.feature), line.part))
        << "no \"" << line.feature << ": ..." << line.part << "\" in:\n"
        << output;
  }

  // The style sheet reached the page: its background fills the window,
  // once the page has been drawn.
  ASSERT_TRUE(window) << "no window of the example's";
  const std::optional<e2e::Geometry> geometry =
      desktop.WindowGeometry(*window);
  ASSERT_TRUE(geometry);
  bool have_shot = false;
  if (e2e::OnPath("convert")) {
    const std::string background = "srgb(244,241,234)";
    std::string pixel;
    e2e::PollUntil(
        [&] {
          have_shot = desktop.Screenshot(shot);
          pixel = have_shot ? PixelAt(shot, geometry->x + 4,
                                      geometry->y + geometry->height - 4)
                            : "no screenshot";
          return pixel == background;
        },
        Millis(15000));
    EXPECT_EQ(background, pixel);
  }

  ASSERT_TRUE(desktop.Close(*window));
  const std::optional<int> status = example.WaitExit(Millis(30000));
  EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << e2e::DescribeStatus(status) << "\n"
      << ReadFile(log);

  if (HasFailure()) {
    const fs::path artifacts = PELLAVINE_E2E_ARTIFACTS;
    std::error_code ignored;
    fs::create_directories(artifacts, ignored);
    fs::copy_file(log, artifacts / "example.log",
                  fs::copy_options::overwrite_existing, ignored);
    if (have_shot)
      fs::copy_file(shot, artifacts / "example.png",
                    fs::copy_options::overwrite_existing, ignored);
  }
  std::error_code ignored;
  fs::remove_all(dir, ignored);
}

}  // namespace
