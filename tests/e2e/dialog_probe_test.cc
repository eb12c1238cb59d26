// The page's dialogs against the real library: the program's JavaScript
// dialog and file dialog handlers are asked on the UI thread with what the
// page asked, and what they answer is what the page's script gets (the
// server records the script's report and any upload). Without handlers the
// engine's own dialog asks the user.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/probe_run.h"

using e2e::Millis;

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

bool CanRun() { return e2e::CanRunProbes() && e2e::OnPath("xdotool"); }

e2e::ProbeRun::Options ProbeOptions(
    const std::string& mode,
    const std::function<void(e2e::Desktop&, const e2e::ProbeRun&)>& during =
        nullptr) {
  e2e::ProbeRun::Options run;
  run.name = "dialog-" + mode;
  run.server = DIALOG_SERVER;
  run.probe = {DIALOG_PROBE};
  run.files = {{"notes.txt", kUpload}};
  run.env = {"PROBE_MODE=" + mode, "PROBE_FILE={dir}/notes.txt"};
  run.limit = Millis(90000);
  run.during = during;
  return run;
}

class HandledDialogTest : public testing::TestWithParam<DialogCase> {};

TEST_P(HandledDialogTest, TheScriptGetsTheProgramsAnswer) {
  if (!CanRun()) GTEST_SKIP() << "needs Xvfb, python3 and xdotool";
  const DialogCase& c = GetParam();
  const e2e::ProbeRun run(ProbeOptions(c.mode));
  const std::string& output = run.output();
  for (const std::string& said : Split(c.said))
    EXPECT_NE(output.find(Replace(said, "{origin}", run.url())),
              std::string::npos)
        << "no \"" << said << "\" in:\n" << output;
  for (const std::string& unsaid : Split(c.unsaid))
    EXPECT_EQ(output.find(unsaid), std::string::npos)
        << "\"" << unsaid << "\" in:\n" << output;
  // Every handler on the UI thread; navigation resets the dialog state.
  EXPECT_EQ(output.find("ui=0"), std::string::npos) << output;
  EXPECT_NE(output.find("reset ui=1"), std::string::npos) << output;
  EXPECT_EQ(run.recorded(), c.recorded) << output;
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
TEST(DialogProbeTest, WithoutAHandlerTheEngineAsksTheUser) {
  if (!CanRun()) GTEST_SKIP() << "needs Xvfb, python3 and xdotool";
  bool shown = false;
  bool answered = false;
  const e2e::ProbeRun run(ProbeOptions("engine", [&](e2e::Desktop& desktop,
                                            const e2e::ProbeRun& run) {
    unsigned long window = 0;
    shown = e2e::PollUntil(
        [&] {
          for (const e2e::TopLevel& t : desktop.TopLevels())
            if (t.name == "dialog probe") window = t.id;
          return window != 0;
        },
        Millis(30000));
    if (!shown) return;
    // Enter until the dialog has taken one: it may not be drawn yet.
    answered = e2e::PollUntil(
        [&] {
          desktop.Focus(window);
          desktop.Key("Return");
          return !run.File("record").empty();
        },
        Millis(60000));
  }));
  ASSERT_TRUE(shown) << run.output();
  EXPECT_TRUE(answered);
  EXPECT_EQ(run.recorded(), Result("true")) << run.output();
  EXPECT_EQ(run.output().find("jsdialog"), std::string::npos) << run.output();
}

}  // namespace
