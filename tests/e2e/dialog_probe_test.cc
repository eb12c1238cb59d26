// The page's dialogs against the real library: the program's JavaScript
// dialog and file dialog handlers are asked on the UI thread with what the
// page asked, and what they answer is what the page's script gets (the
// server records the script's report and any upload). Without handlers the
// engine's own dialog asks the user.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"

namespace fs = std::filesystem;
using e2e::Millis;
using e2e::ReadFile;

namespace {

constexpr char kUpload[] = "written by the dialog probe test";

struct DialogCase {
  const char* name;
  const char* mode;
  // What the probe must have printed ("{origin}" stands for the server's);
  // "|" separates several.
  const char* said;
  // The server's record, whole.
  std::string recorded;
  // What the probe must not have printed.
  const char* unsaid;
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

std::string Result(const std::string& json) {
  std::string escaped;
  for (char ch : json) {
    if (ch == '"') escaped += '\\';
    escaped += ch;
  }
  return "{\"result\": \"" + escaped + "\"}\n";
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('|', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string Replace(std::string text, const std::string& from,
                    const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class DialogProbeTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!e2e::OnPath("Xvfb") || !e2e::OnPath("python3") ||
        !e2e::OnPath("xdotool"))
      GTEST_SKIP() << "needs Xvfb, python3 and xdotool";
    dir_ = fs::temp_directory_path() /
           ("pellavine-dialog-" +
            std::to_string(e2e::Clock::now().time_since_epoch().count()));
    fs::create_directories(dir_);
    std::ofstream(dir_ / "notes.txt") << kUpload;
    server_ = std::make_unique<e2e::Child>(e2e::Child::Options{
        {"python3", DIALOG_SERVER, (dir_ / "record").string(),
         (dir_ / "port").string()},
        {}, dir_, dir_ / "server.log"});
    ASSERT_TRUE(e2e::PollUntil(
        [&] { return !ReadFile(dir_ / "port").empty(); }, Millis(10000)))
        << "the server did not start: " << ReadFile(dir_ / "server.log");
    origin_ = "http://127.0.0.1:" + ReadFile(dir_ / "port") + "/";
    desktop_ = std::make_unique<e2e::Desktop>(800, 600);
    ASSERT_EQ(desktop_->error(), "");
  }

  void TearDown() override {
    probe_.reset();
    if (server_) server_->Stop();
    desktop_.reset();
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  void StartProbe(const std::string& mode) {
    std::vector<std::string> env = {
        "CEFRT_STRICT_SHUTDOWN=1", "NO_AT_BRIDGE=1",
        "GSETTINGS_BACKEND=memory", "PROBE_MODE=" + mode,
        "PROBE_URL=" + origin_,
        "PROBE_FILE=" + (dir_ / "notes.txt").string()};
    if (const char* asan = std::getenv("ASAN_OPTIONS"))
      env.push_back(std::string("ASAN_OPTIONS=") + asan +
                    ":fast_unwind_on_malloc=0");
    probe_ = std::make_unique<e2e::Child>(e2e::Child::Options{
        {DIALOG_PROBE}, env, dir_, dir_ / "probe.log"});
  }

  // The probe's output, once it has ended well.
  std::string WaitForProbe() {
    const std::optional<int> status = probe_->WaitExit(Millis(90000));
    const std::string output = ReadFile(dir_ / "probe.log");
    EXPECT_TRUE(status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << e2e::DescribeStatus(status) << "\n"
        << output;
    return output;
  }

  std::string Recorded() { return ReadFile(dir_ / "record"); }

  fs::path dir_;
  std::string origin_;
  std::unique_ptr<e2e::Child> server_;
  std::unique_ptr<e2e::Desktop> desktop_;
  std::unique_ptr<e2e::Child> probe_;
};

class HandledDialogTest : public DialogProbeTest,
                          public testing::WithParamInterface<DialogCase> {};

TEST_P(HandledDialogTest, TheScriptGetsTheProgramsAnswer) {
  const DialogCase& c = GetParam();
  StartProbe(c.mode);
  const std::string output = WaitForProbe();
  for (const std::string& said : Split(c.said))
    EXPECT_NE(output.find(Replace(said, "{origin}", origin_)),
              std::string::npos)
        << "no \"" << said << "\" in:\n" << output;
  for (const std::string& unsaid : Split(c.unsaid))
    EXPECT_EQ(output.find(unsaid), std::string::npos)
        << "\"" << unsaid << "\" in:\n" << output;
  // Every handler on the UI thread; navigation resets the dialog state.
  EXPECT_EQ(output.find("ui=0"), std::string::npos) << output;
  EXPECT_NE(output.find("reset ui=1"), std::string::npos) << output;
  EXPECT_EQ(Recorded(), c.recorded) << output;
}

const std::string kUploadRecord =
    std::string("{\"upload\": [{\"name\": \"notes.txt\", \"content\": \"") +
    kUpload + "\"}]}\n";

INSTANTIATE_TEST_SUITE_P(
    Answers, HandledDialogTest,
    testing::Values(
        DialogCase{"Alert", "alert",
                   "jsdialog type=0 origin={origin} lang=en-US message=Hello "
                   "from the page default= ui=1|dialog-closed ui=1",
                   Result("\"alerted\""), ""},
        DialogCase{"ConfirmYes", "confirm-yes",
                   "jsdialog type=1 origin={origin} lang=en-US "
                   "message=Proceed? default= ui=1|dialog-closed ui=1",
                   Result("true"), ""},
        DialogCase{"ConfirmNo", "confirm-no", "jsdialog type=1",
                   Result("false"), ""},
        DialogCase{"Prompt", "prompt",
                   "jsdialog type=2 origin={origin} lang=en-US message=Your "
                   "name? default=Anonymous ui=1|dialog-closed ui=1",
                   Result("\"Ada Lovelace\""), ""},
        DialogCase{"PromptCancelled", "prompt-cancel", "jsdialog type=2",
                   Result("null"), ""},
        // Answered from a task of the program's, half a second on.
        DialogCase{"AnsweredLater", "later", "jsdialog type=1|dialog-closed",
                   Result("true"), ""},
        // Answered while the handler ran a loop of its own.
        DialogCase{"AnsweredInsideTheHandlersLoop", "modal",
                   "jsdialog type=1|dialog-closed", Result("true"), ""},
        // Without any dialog: one waiting for input would never report.
        DialogCase{"Suppressed", "suppress", "jsdialog type=1",
                   Result("false"), "dialog-closed"},
        // A callback dropped unanswered cancels, rather than leaving the
        // page waiting for good.
        DialogCase{"CallbackDropped", "dropped", "jsdialog type=1",
                   Result("false"), ""},
        // Answering a dialog whose browser has closed does nothing, and
        // nothing stays referenced (strict shut-down).
        DialogCase{"CallbackKeptPastTheClose", "kept",
                   "jsdialog type=1|answered-after-close", "", "end "},
        DialogCase{"BeforeUnloadLeave", "leave",
                   "before-unload message=Unsaved work reload=0 ui=1|dialog-closed",
                   Result("\"left\""), ""},
        // Asked again when the page then reports, and left.
        DialogCase{"BeforeUnloadStay", "stay",
                   "before-unload message=Unsaved work reload=0 ui=1\n"
                   "dialog-closed ui=1\nbefore-unload message=",
                   Result("\"stayed\""), ""},
        DialogCase{"FileChosen", "file",
                   "file-dialog mode=0 title= filters=text/plain,image/png "
                   "selected=0 ui=1",
                   kUploadRecord, "jsdialog"},
        DialogCase{"FileCancelled", "file-cancel", "file-dialog mode=0",
                   Result("\"cancelled\""), "jsdialog"}),
    [](const testing::TestParamInfo<DialogCase>& info) {
      return info.param.name;
    });

// No handler: the engine's own confirmation asks the user (WebKitGTK draws
// it inside the view, not as a window of its own), and the user's Enter
// (its OK) is what the script gets.
TEST_F(DialogProbeTest, WithoutAHandlerTheEngineAsksTheUser) {
  StartProbe("engine");
  unsigned long window = 0;
  ASSERT_TRUE(e2e::PollUntil(
      [&] {
        for (const e2e::TopLevel& t : desktop_->TopLevels())
          if (t.name == "dialog probe") window = t.id;
        return window != 0;
      },
      Millis(30000)))
      << ReadFile(dir_ / "probe.log");
  // Enter until the dialog has taken one: it may not be drawn yet.
  EXPECT_TRUE(e2e::PollUntil(
      [&] {
        desktop_->Focus(window);
        desktop_->Key("Return");
        return !Recorded().empty();
      },
      Millis(60000)));
  const std::string output = WaitForProbe();
  EXPECT_EQ(Recorded(), Result("true")) << output;
  EXPECT_EQ(output.find("jsdialog"), std::string::npos) << output;
}

}  // namespace
