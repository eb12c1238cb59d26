// The real program in a window of its own: on a private X display, against
// the demo sign-in server, driven with real key presses and clicks.
#include <sys/wait.h>

#include <algorithm>
#include <regex>
#include <thread>

#include "tests/e2e/program_fixture.h"

namespace {

using namespace e2e;

TEST_F(WindowTest, SignInPageCoversTheScreenWithItsTitleAndLocale) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);
  Screenshot("sign-in");

  const auto geometry = desktop_->WindowGeometry(main_);
  ASSERT_TRUE(geometry);
  EXPECT_EQ(geometry->x, 0);
  EXPECT_EQ(geometry->y, 0);
  EXPECT_EQ(geometry->width, kScreenWidth);
  EXPECT_EQ(geometry->height, kScreenHeight);
  EXPECT_EQ(ProgramWindows().size(), 1u);

  const Stats stats = ServerStats();
  EXPECT_EQ(stats.Count(kSignIn), 1) << stats.json;
  EXPECT_EQ(stats.FirstLanguage(), "zh-cn") << stats.json;

  CloseLastWindow(main_);
}

TEST_F(WindowTest, FailedLoadShowsTheErrorPageAndF5LoadsAgain) {
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  // The page's text, copied as a person would copy it.
  const std::string prefix = std::string("Failed to load URL http://") +
                             PELLAVINE_START_HOST + ":88" + kSignIn +
                             " with error ";
  std::string text;
  const bool shown = PollUntil(
      [&] {
        PressOnPage("ctrl+a");
        desktop_->Key("ctrl+c");
        text = desktop_->Clipboard().value_or("");
        return text.find(prefix) != std::string::npos;
      },
      kStartLimit);
  Screenshot("error-page");
  ASSERT_TRUE(shown) << "page text: \"" << text << "\"\n" << ProgramLog();
  EXPECT_TRUE(std::regex_search(text, std::regex(R"( \(-[0-9]+\)\.\s*$)")))
      << text;
  ASSERT_TRUE(program_->Running());

  // The window survived; once the server is there F5 brings the page.
  ASSERT_NO_FATAL_FAILURE(StartServer());
  PressOnPage("F5");
  ExpectTitle(main_, kSignInTitle);
  EXPECT_EQ(Count(kSignIn), 1);

  CloseLastWindow(main_);
}

TEST_F(WindowTest, F5OutsideATextFieldReloadsOnce) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);
  ASSERT_TRUE(CountReaches(kSignIn, 1));

  int expected = 1;
  for (const char* keys : {"F5", "shift+F5", "ctrl+F5"}) {
    SCOPED_TRACE(keys);
    PressOnPage(keys);
    ++expected;
    EXPECT_TRUE(CountReaches(kSignIn, expected));
    // One reload per press: the key's release must not reload again.
    std::this_thread::sleep_for(kQuietPeriod);
    EXPECT_EQ(Count(kSignIn), expected);
    ExpectTitle(main_, kSignInTitle);
  }
  EXPECT_EQ(Count(kKeysBeacon), 0) << "F5 outside a field reached the page";

  CloseLastWindow(main_);
}

TEST_F(WindowTest, F5InTheUserNameFieldReachesThePage) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  desktop_->Focus(main_);
  Click(kUserNameField);
  desktop_->Type("demo");
  desktop_->Key("F5");
  // The page's own handler puts it in the status line and the title.
  ExpectTitle(main_, kSignInTitle + " - 在用户名中按下了 F5");
  EXPECT_TRUE(CountReaches(kKeysBeacon, 1));
  std::this_thread::sleep_for(kQuietPeriod);
  EXPECT_EQ(Count(kSignIn), 1) << "F5 in a text field reloaded the page";
  Screenshot("f5-in-field");

  CloseLastWindow(main_);
}

TEST_F(WindowTest, RightClickShowsNoMenu) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  desktop_->Focus(main_);
  const auto before = desktop_->TopLevels();
  // On the page itself and in a text field, which have different menus.
  for (Point p : {kBlank, kUserNameField}) {
    Click(p, 3);
    std::this_thread::sleep_for(kQuietPeriod);
    for (const auto& w : desktop_->TopLevels()) {
      const bool old =
          std::any_of(before.begin(), before.end(),
                      [&](const TopLevel& b) { return b.id == w.id; });
      EXPECT_TRUE(old) << "new window after a right-click at " << p.x << ","
                       << p.y << ": \"" << w.name << "\""
                       << (w.override_redirect ? " (override-redirect)" : "");
    }
    if (HasFailure()) Screenshot("menu");
    desktop_->Key("Escape");
  }
  EXPECT_TRUE(program_->Running());

  CloseLastWindow(main_);
}

TEST_F(WindowTest, DownloadAsksWhereAndAnnouncesCompletion) {
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  Click(kFilesLink);
  ExpectTitle(main_, kFilesTitle);
  const auto before = ProgramWindows();
  Click(kDownloadLink);
  const unsigned long dialog = NewProgramWindow(before);
  ASSERT_NE(dialog, 0u) << "no save dialog";
  Screenshot("save-dialog");

  const fs::path target = dir_ / "downloads" / "users.csv";
  fs::create_directories(target.parent_path());
  desktop_->Focus(dialog);
  desktop_->Key("ctrl+a");
  desktop_->Type(target.string());
  desktop_->Key("Return");

  const unsigned long notice = NewProgramWindow(before, kNoticeCaption);
  ASSERT_NE(notice, 0u) << "no notice of the finished download";
  Screenshot("notice");
  EXPECT_FALSE(Shows(dialog)) << "the save dialog stayed";
  const std::string expected = ReadFile(kAttachment);
  ASSERT_GT(expected.size(), 1000u);
  EXPECT_TRUE(ReadFile(target) == expected)
      << target << " holds " << ReadFile(target).size() << " of "
      << expected.size() << " bytes, or other bytes";

  desktop_->Focus(notice);
  desktop_->Key("Return");
  EXPECT_TRUE(PollUntil([&] { return !Shows(notice); }, kActionLimit))
      << "the notice stayed after Enter";
  ASSERT_TRUE(program_->Running());
  EXPECT_EQ(ProgramWindows().size(), 1u);
  // The page that started the download stays: no error page for it.
  ExpectTitle(main_, kFilesTitle);

  CloseLastWindow(main_);
}

// Closing either window first leaves the program running with the other.
class PopUpTest : public WindowTest,
                  public testing::WithParamInterface<bool> {};

TEST_P(PopUpTest, OpensItsOwnWindowAndOnlyTheLastCloseEndsTheProgram) {
  const bool pop_up_first = GetParam();
  ASSERT_NO_FATAL_FAILURE(StartServer());
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, kSignInTitle, kStartLimit);

  const auto before = ProgramWindows();
  Click(kHelpButton);
  const unsigned long pop_up = NewProgramWindow(before);
  ASSERT_NE(pop_up, 0u) << "no pop-up window";
  ExpectTitle(pop_up, kHelpTitle);
  EXPECT_EQ(Count("/quillbook/help"), 1);
  Screenshot("pop-up");

  const unsigned long first = pop_up_first ? pop_up : main_;
  const unsigned long last = pop_up_first ? main_ : pop_up;
  ASSERT_TRUE(desktop_->Close(first));
  EXPECT_TRUE(PollUntil([&] { return !Shows(first); }, kActionLimit));
  std::this_thread::sleep_for(kQuietPeriod);
  ASSERT_TRUE(program_->Running()) << Status() << "\n" << ProgramLog();
  ASSERT_TRUE(Shows(last));
  ExpectTitle(last, pop_up_first ? kSignInTitle : kHelpTitle);

  CloseLastWindow(last);
}

INSTANTIATE_TEST_SUITE_P(Order, PopUpTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "PopUpFirst" : "MainFirst";
                         });

}  // namespace
