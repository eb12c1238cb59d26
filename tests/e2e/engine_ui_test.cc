// What the engine itself shows and does for the program's users, which
// installs no handler of its own for it: the page's goodbye at shut-down,
// the sign-in prompt, the file chooser and their language.
#include <sys/wait.h>

#include <thread>

#include "tests/e2e/program_fixture.h"

namespace {

using namespace e2e;

const std::string kGoodbye = "/quillbook/goodbye";
// Each close sends a beacon and a keep-alive fetch from both pagehide and
// unload (demo/server.py's goodbye pages).
constexpr int kGoodbyesPerClose = 4;
constexpr int kCloses = 4;

struct GoodbyeCase {
  const char* name;
  const char* mode;  // the sign-in page's
  bool asks;         // whether the page asks before it goes
};

void PrintTo(const GoodbyeCase& c, std::ostream* os) { *os << c.name; }

class GoodbyeTest : public WindowTest,
                    public testing::WithParamInterface<GoodbyeCase> {};

// Closing the last window ends the program; the page's last requests must
// still reach the server, every time.
TEST_P(GoodbyeTest, EveryGoodbyeArrivesWhenTheLastWindowCloses) {
  const GoodbyeCase& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartServer(c.mode));
  for (int close = 1; close <= kCloses; ++close) {
    SCOPED_TRACE("close " + std::to_string(close));
    main_ = 0;
    ASSERT_NO_FATAL_FAILURE(StartProgram());
    ExpectTitle(main_, kSignInTitle, kStartLimit);
    if (c.asks) {
      // The leave-page question needs the user to have touched the page.
      desktop_->Focus(main_);
      Click(kBlank);
      std::this_thread::sleep_for(Millis(300));
    }
    ASSERT_TRUE(desktop_->Close(main_));
    if (c.asks) {
      // The question keeps the program; Enter picks leaving.
      std::this_thread::sleep_for(kQuietPeriod);
      ASSERT_TRUE(program_->Running()) << "closed without asking";
      if (close == 1) Screenshot("leave-page-question");
      desktop_->Focus(main_);
      desktop_->Key("Return");
    }
    const auto status = program_->WaitExit(kExitLimit);
    ASSERT_TRUE(status) << "still running after its last window was closed";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
        << DescribeStatus(status) << "\n" << ProgramLog();
    // Whatever arrives has arrived once the program has ended.
    EXPECT_EQ(Count(kGoodbye), close * kGoodbyesPerClose) << ProgramLog();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, GoodbyeTest,
    testing::Values(GoodbyeCase{"Plain", "goodbye", false},
                    GoodbyeCase{"AfterTheLeavePageQuestion",
                                "goodbye-after-question", true}),
    [](const testing::TestParamInfo<GoodbyeCase>& info) {
      return info.param.name;
    });

struct PromptCase {
  const char* name;
  const char* first;  // xdotool keys before the credentials, or nothing
  bool signs_in;
};

void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.name; }

class SignInPromptTest : public WindowTest,
                         public testing::WithParamInterface<PromptCase> {};

// The engine's own prompt for a server's basic authentication answers the
// keyboard like any dialog: it takes the credentials, and Escape dismisses
// it as its Cancel does, after which typing reaches no prompt.
TEST_P(SignInPromptTest, AnswersTheKeyboard) {
  const PromptCase& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartServer("basic-auth"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_TRUE(CountReaches(kSignIn, 1));
  std::this_thread::sleep_for(kQuietPeriod);  // the prompt is drawn
  Screenshot("prompt");
  desktop_->Focus(main_);
  if (*c.first) {
    desktop_->Key(c.first);
    std::this_thread::sleep_for(Millis(500));
  }
  desktop_->Type("demo");
  desktop_->Key("Tab");
  desktop_->Type("quillbook");
  desktop_->Key("Return");
  if (c.signs_in) {
    ExpectTitle(main_, kSignInTitle);
    EXPECT_EQ(Count(kSignIn), 2);  // asked again, with the credentials
  } else {
    std::this_thread::sleep_for(kQuietPeriod);
    EXPECT_EQ(Count(kSignIn), 1) << "the prompt took the credentials";
    EXPECT_NE(desktop_->WindowName(main_).value_or(""), kSignInTitle);
  }
  if (HasFailure()) Screenshot("after-keys");
  CloseLastWindow(main_);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SignInPromptTest,
    testing::Values(PromptCase{"CredentialsSignIn", "", true},
                    PromptCase{"EscapeDismisses", "Escape", false}),
    [](const testing::TestParamInfo<PromptCase>& info) {
      return info.param.name;
    });

// The engine's title for its file chooser, in the program's locale (zh-CN).
const std::string kChooserTitle = "选择文件";

struct ChooserCase {
  const char* name;
  // How the chooser ends: keys in it (a leading "type:" types the rest,
  // "chord:" presses keys with no pause between presses and releases), or
  // nothing to close the main window while it is still open.
  std::vector<std::string> keys;
};

void PrintTo(const ChooserCase& c, std::ostream* os) { *os << c.name; }

class FileChooserTest : public WindowTest,
                        public testing::WithParamInterface<ChooserCase> {};

// A file input opens the engine's chooser, titled in the program's language;
// however the chooser ends, closing the window then ends the program, and
// nothing complains on the way.
TEST_P(FileChooserTest, EndsCleanlyAndLetsTheWindowClose) {
  const ChooserCase& c = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartServer("upload"));
  // The chooser's recent files stay with the test, not the user.
  extra_env_.push_back("XDG_DATA_HOME=" + (dir_ / "data").string());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);
  const auto before = ProgramWindows();
  desktop_->Focus(main_);
  Click(kBlank);  // the page is one file input
  const unsigned long chooser = NewProgramWindow(before);
  ASSERT_NE(chooser, 0u) << "no file chooser\n" << ProgramLog();
  ExpectTitle(chooser, kChooserTitle);
  Screenshot("chooser");

  if (!c.keys.empty()) {
    desktop_->Focus(chooser);
    for (const std::string& keys : c.keys) {
      if (keys.rfind("type:", 0) == 0)
        desktop_->Type(keys.substr(5));
      else if (keys.rfind("chord:", 0) == 0)
        desktop_->Xdotool({"key", "--delay", "0", keys.substr(6)});
      else
        desktop_->Key(keys);
      // The location field completes what was typed before it takes Enter.
      std::this_thread::sleep_for(Millis(500));
    }
    EXPECT_TRUE(PollUntil([&] { return !Shows(chooser); }, kActionLimit))
        << "the chooser stayed";
    std::this_thread::sleep_for(Millis(500));
  }
  ASSERT_TRUE(desktop_->Close(main_));
  const auto status = program_->WaitExit(kExitLimit);
  if (!status) Screenshot("still-running");
  ASSERT_TRUE(status) << "the close was dropped; chooser "
                      << (Shows(chooser) ? "still shown" : "gone");
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0)
      << DescribeStatus(status) << "\n" << ProgramLog();
  const std::string log = ReadFile(dir_ / "pellavine.log");
  EXPECT_EQ(log.find("CRITICAL"), std::string::npos) << Tail(log);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, FileChooserTest,
    testing::Values(
        ChooserCase{"Escape", {"Escape"}},
        ChooserCase{"FileChosen",
                    // Ctrl+L shows the location field, which has the
                    // focus before it can take the chord's releases.
                    {"chord:ctrl+l", "type:" + kAttachment.string(),
                     "Return"}},
        ChooserCase{"WindowClosedWhileOpen", {}}),
    [](const testing::TestParamInfo<ChooserCase>& info) {
      return info.param.name;
    });

}  // namespace
