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

}  // namespace
