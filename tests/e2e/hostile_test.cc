// The real program against a server and pages that misbehave: the window
// must stay usable, say what went wrong, recover by F5 and end cleanly.
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <regex>
#include <thread>

#include "tests/e2e/program_fixture.h"

namespace {

using namespace e2e;

const std::string kErrorPrefix = "Failed to load URL http://" +
                                 std::string(PELLAVINE_START_HOST) + ":88" +
                                 kSignIn;

// The children of `pid` that run WebKit's helpers.
std::vector<pid_t> WebKitChildrenOf(pid_t pid) {
  std::vector<pid_t> out;
  DIR* proc = opendir("/proc");
  if (!proc) return out;
  while (dirent* entry = readdir(proc)) {
    const std::string stat =
        ReadFile(std::string("/proc/") + entry->d_name + "/stat");
    const size_t open = stat.find('('), close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos ||
        close + 4 >= stat.size())
      continue;
    const std::string comm = stat.substr(open + 1, close - open - 1);
    if (comm.rfind("WebKit", 0) == 0 && stat[close + 2] != 'Z' &&
        std::atol(stat.c_str() + close + 4) == pid)
      out.push_back(static_cast<pid_t>(std::atol(entry->d_name)));
  }
  closedir(proc);
  return out;
}

bool Alive(pid_t pid) {
  const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const size_t close = stat.rfind(')');
  return close != std::string::npos && close + 2 < stat.size() &&
         stat[close + 2] != 'Z';
}

class HostileTest : public WindowTest {
 protected:
  // The page's text, copied as a person would copy it, once it holds
  // `wanted`; the last text seen otherwise.
  std::string WaitForText(const std::string& wanted, Millis limit) {
    std::string text;
    PollUntil(
        [&] {
          PressOnPage("ctrl+a");
          desktop_->Key("ctrl+c");
          text = desktop_->Clipboard().value_or("");
          return text.find(wanted) != std::string::npos;
        },
        limit);
    return text;
  }

  // Restarts the server in its sane mode and expects F5 to bring the page.
  void F5RecoversOnceTheServerIsSane() {
    StopServer();
    ASSERT_NO_FATAL_FAILURE(StartServer());
    PressOnPage("F5");
    ExpectTitle(main_, kSignInTitle);
    EXPECT_GE(Count(kSignIn), 1);
  }

  // The save dialog the start page's download brings up.
  unsigned long SaveDialog() {
    return NewProgramWindow({TopLevel{main_, false, -1, ""}});
  }

  void EnterInDialog(unsigned long dialog, const std::string& text) {
    desktop_->Focus(dialog);
    desktop_->Key("ctrl+a");
    desktop_->Type(text);
    desktop_->Key("Return");
  }
};

TEST_F(HostileTest, SilentServerLeavesF5AndClosingWorkingAtOnce) {
  ASSERT_NO_FATAL_FAILURE(StartServer("silent"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_TRUE(CountReaches(kSignIn, 1));

  // Nothing has committed: F5 must ask again, not be ignored.
  PressOnPage("F5");
  EXPECT_TRUE(CountReaches(kSignIn, 2)) << "F5 did not load the page again";
  ASSERT_TRUE(program_->Running());

  ASSERT_NO_FATAL_FAILURE(F5RecoversOnceTheServerIsSane());
  CloseLastWindow(main_);
}

TEST_F(HostileTest, SilentServerClosesAtOnce) {
  ASSERT_NO_FATAL_FAILURE(StartServer("silent"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ASSERT_TRUE(CountReaches(kSignIn, 1));
  CloseLastWindow(main_);
}

struct FailingServer {
  const char* misbehave;
  const char* error;  // what the error page ends with
};

void PrintTo(const FailingServer& s, std::ostream* os) { *os << s.misbehave; }

class FailingServerTest : public HostileTest,
                          public testing::WithParamInterface<FailingServer> {};

// Each shows the error page, the window survives, F5 recovers.
TEST_P(FailingServerTest, ShowsTheErrorPageAndF5Recovers) {
  extra_env_.push_back("CEFRT_LOAD_TIMEOUT_MS=3000");
  ASSERT_NO_FATAL_FAILURE(StartServer(GetParam().misbehave));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const std::string text = WaitForText(kErrorPrefix, kStartLimit);
  Screenshot("error-page");
  ASSERT_NE(text.find(kErrorPrefix), std::string::npos)
      << "page text: \"" << text << "\"\n" << ProgramLog();
  EXPECT_TRUE(std::regex_search(text, std::regex(GetParam().error)))
      << text;
  ASSERT_TRUE(program_->Running());

  ASSERT_NO_FATAL_FAILURE(F5RecoversOnceTheServerIsSane());
  CloseLastWindow(main_);
}

INSTANTIATE_TEST_SUITE_P(
    Server, FailingServerTest,
    testing::Values(FailingServer{"silent", R"( \(-7\)\.\s*$)"},
                    FailingServer{"reset", R"( \(-[0-9]+\)\.\s*$)"},
                    FailingServer{"garbage", R"( \(-[0-9]+\)\.\s*$)"},
                    FailingServer{"redirect-loop", R"( \(-[0-9]+\)\.\s*$)"}),
    [](const testing::TestParamInfo<FailingServer>& info) {
      std::string name = info.param.misbehave;
      name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
      return name;
    });

TEST_F(HostileTest, DownloadCancelledAtTheDialogWritesNothingAndF5AsksAgain) {
  extra_env_.push_back("HOME=" + dir_.string());
  ASSERT_NO_FATAL_FAILURE(StartServer("download"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  for (int attempt = 1; attempt <= 2; ++attempt) {
    SCOPED_TRACE(attempt);
    const unsigned long dialog = SaveDialog();
    ASSERT_NE(dialog, 0u) << "no save dialog";
    desktop_->Focus(dialog);
    desktop_->Key("Escape");
    EXPECT_TRUE(PollUntil([&] { return !Shows(dialog); }, kActionLimit));
    std::this_thread::sleep_for(kQuietPeriod);
    EXPECT_EQ(ProgramWindows().size(), 1u) << "a notice or dialog stayed";
    EXPECT_FALSE(fs::exists(dir_ / "small.bin"));
    EXPECT_EQ(Count(kSignIn), attempt);
    // The start page never committed: F5 asks the server again.
    if (attempt == 1) PressOnPage("F5");
  }
  CloseLastWindow(main_);
}

TEST_F(HostileTest, ClosingDuringAStalledDownloadCancelsIt) {
  ASSERT_NO_FATAL_FAILURE(StartServer("stalled-download"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const unsigned long dialog = SaveDialog();
  ASSERT_NE(dialog, 0u) << "no save dialog";
  const fs::path target = dir_ / "downloads" / "stalled.bin";
  fs::create_directories(target.parent_path());
  EnterInDialog(dialog, target.string());
  EXPECT_TRUE(PollUntil([&] { return !fs::is_empty(target.parent_path()); },
                        kActionLimit))
      << "nothing written while the download ran";

  CloseLastWindow(main_);
  EXPECT_TRUE(fs::is_empty(target.parent_path()))
      << "a partial file stayed: " << fs::directory_iterator(target.parent_path())->path();
}

TEST_F(HostileTest, NothingOutlivesTheProgramWhenThePageNeverYields) {
  ASSERT_NO_FATAL_FAILURE(StartServer("spin"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, "Quillbook spinning", kStartLimit);
  std::this_thread::sleep_for(kQuietPeriod);
  const std::vector<pid_t> helpers = WebKitChildrenOf(program_->pid());
  ASSERT_FALSE(helpers.empty()) << "no WebKit helper process found";

  CloseLastWindow(main_);
  for (pid_t pid : helpers) {
    EXPECT_TRUE(PollUntil([&] { return !Alive(pid); }, Millis(3000)))
        << "WebKit helper " << pid << " outlived the program";
    if (Alive(pid)) kill(pid, SIGKILL);
  }
}

// What the window's title must be for each page; the page's own pages for
// 404 and 500, never the error page.
struct TitledPage {
  const char* misbehave;
  bool (*sane)(const std::string& title);
};

void PrintTo(const TitledPage& p, std::ostream* os) { *os << p.misbehave; }

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3
                               : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

class TitledPageTest : public HostileTest,
                       public testing::WithParamInterface<TitledPage> {};

TEST_P(TitledPageTest, WindowTakesASaneTitle) {
  ASSERT_NO_FATAL_FAILURE(StartServer(GetParam().misbehave));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  std::string last;
  const bool sane = PollUntil(
      [&] {
        last = desktop_->WindowName(main_).value_or("");
        return GetParam().sane(last);
      },
      kStartLimit);
  EXPECT_TRUE(sane) << "window title (" << last.size() << " bytes): \""
                    << Tail(last, 200) << "\"";
  EXPECT_TRUE(ValidUtf8(last));
  std::this_thread::sleep_for(kQuietPeriod);
  EXPECT_EQ(WaitForText(kErrorPrefix, Millis(0)).find(kErrorPrefix),
            std::string::npos)
      << "the error page replaced the server's page";
  ASSERT_TRUE(program_->Running()) << Status() << "\n" << ProgramLog();
  CloseLastWindow(main_);
}

INSTANTIATE_TEST_SUITE_P(
    Page, TitledPageTest,
    testing::Values(
        TitledPage{"status-404",
                   [](const std::string& t) { return t == "Quillbook 404"; }},
        TitledPage{"status-500",
                   [](const std::string& t) { return t == "Quillbook 500"; }},
        TitledPage{"astral-title",
                   [](const std::string& t) {
                     return t == "Quillbook \U0001F600\U0001D11E";
                   }},
        // Each broken sequence becomes replacement characters.
        TitledPage{"bad-utf8-title",
                   [](const std::string& t) {
                     return std::regex_match(
                         t, std::regex("Quillbook (\xEF\xBF\xBD)+ "
                                       "(\xEF\xBF\xBD)+ end"));
                   }},
        // A megabyte of title: some of it, and nothing else.
        TitledPage{"huge-title",
                   [](const std::string& t) {
                     return t.size() >= 100 &&
                            t.find_first_not_of('Q') == std::string::npos;
                   }}),
    [](const testing::TestParamInfo<TitledPage>& info) {
      std::string name = info.param.misbehave;
      name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
      return name;
    });

TEST_F(HostileTest, TwoHundredPopUpsOpenAndCloseThenTheLastWindowEndsIt) {
  ASSERT_NO_FATAL_FAILURE(StartServer("popups"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  ExpectTitle(main_, "Quillbook pop-ups", kStartLimit);
  desktop_->Focus(main_);
  Click(kBlank);
  ExpectTitle(main_, "Quillbook closed 200", Millis(90000));
  EXPECT_GE(Count("/quillbook/help"), 1);
  EXPECT_TRUE(PollUntil([&] { return ProgramWindows().size() == 1; },
                        kActionLimit))
      << ProgramWindows().size() << " windows left";
  CloseLastWindow(main_);
}

TEST_F(HostileTest, TwoHundredMegabytesArriveWhole) {
  constexpr uintmax_t kBigDownload = 200u * 1024 * 1024;
  ASSERT_NO_FATAL_FAILURE(StartServer("big-download"));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const unsigned long dialog = SaveDialog();
  ASSERT_NE(dialog, 0u) << "no save dialog";
  const fs::path target = dir_ / "downloads" / "big.bin";
  fs::create_directories(target.parent_path());
  EnterInDialog(dialog, target.string());

  const unsigned long notice =
      NewProgramWindow({TopLevel{main_, false, -1, ""}}, kNoticeCaption,
                       Millis(180000));
  ASSERT_NE(notice, 0u) << "no notice of the finished download";
  EXPECT_TRUE(HoldsThePattern(target, kBigDownload))
      << target << " is not the server's " << kBigDownload << " bytes";
  desktop_->Focus(notice);
  desktop_->Key("Return");
  EXPECT_TRUE(PollUntil([&] { return !Shows(notice); }, kActionLimit));
  CloseLastWindow(main_);
}

struct FailingDownload {
  const char* misbehave;
  const char* target;  // under the test's directory unless absolute
};

void PrintTo(const FailingDownload& d, std::ostream* os) { *os << d.misbehave; }

class FailingDownloadTest
    : public HostileTest,
      public testing::WithParamInterface<FailingDownload> {};

// No success notice, no file where the finished one would be, and the user
// hears why.
TEST_P(FailingDownloadTest, TellsTheUserAndLeavesNoFile) {
  ASSERT_NO_FATAL_FAILURE(StartServer(GetParam().misbehave));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const unsigned long dialog = SaveDialog();
  ASSERT_NE(dialog, 0u) << "no save dialog";
  const fs::path target = dir_ / GetParam().target;
  fs::create_directories(dir_ / "downloads");
  EnterInDialog(dialog, target.string());

  const unsigned long told = NewProgramWindow({TopLevel{main_, false, -1, ""}},
                                              "Download failed");
  Screenshot("told");
  EXPECT_NE(told, 0u) << "the user was not told";
  for (const auto& w : ProgramWindows())
    EXPECT_NE(w.name, kNoticeCaption) << "a success notice for a failure";
  EXPECT_FALSE(fs::exists(target)) << "a partial file stayed at " << target;
  if (told) {
    desktop_->Focus(told);
    desktop_->Key("Return");
    EXPECT_TRUE(PollUntil([&] { return !Shows(told); }, kActionLimit));
  }
  CloseLastWindow(main_);
}

INSTANTIATE_TEST_SUITE_P(
    Download, FailingDownloadTest,
    testing::Values(
        // Not even root can make a file there.
        FailingDownload{"download", "/proc/pellavine-download.bin"},
        FailingDownload{"broken-download", "downloads/broken.bin"}),
    [](const testing::TestParamInfo<FailingDownload>& info) {
      std::string name = info.param.misbehave;
      name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
      return name;
    });

// The user saves over a file of theirs, meaning to replace it, and the
// download does not finish: the file must stay as it was, byte for byte,
// and nothing else may stay beside it.
struct UnfinishedReplacement {
  const char* misbehave;
  bool server_breaks_off;  // else the window is closed while it runs
};

void PrintTo(const UnfinishedReplacement& c, std::ostream* os) {
  *os << c.misbehave;
}

class UnfinishedReplacementTest
    : public HostileTest,
      public testing::WithParamInterface<UnfinishedReplacement> {};

TEST_P(UnfinishedReplacementTest, LeavesTheUsersFileAsItWas) {
  ASSERT_NO_FATAL_FAILURE(StartServer(GetParam().misbehave));
  ASSERT_NO_FATAL_FAILURE(StartProgram());
  const fs::path folder = dir_ / "downloads";
  const fs::path target = folder / "keep.bin";
  fs::create_directories(folder);
  const std::string original = "the user's own file\n" + std::string(5000, 'k');
  std::ofstream(target, std::ios::binary) << original;
  auto entries = [&] {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };

  const unsigned long dialog = SaveDialog();
  ASSERT_NE(dialog, 0u) << "no save dialog";
  EnterInDialog(dialog, target.string());
  // The chooser asks before replacing a file; the user says yes.
  const unsigned long confirm = NewProgramWindow(
      {TopLevel{main_, false, -1, ""}, TopLevel{dialog, false, -1, ""}});
  ASSERT_NE(confirm, 0u) << "not asked whether to replace the file";
  desktop_->Focus(confirm);
  desktop_->Key("Return");
  EXPECT_TRUE(PollUntil([&] { return entries().size() > 1; }, kActionLimit))
      << "nothing written while the download ran";

  if (GetParam().server_breaks_off) {
    ASSERT_TRUE(HttpGet("/quillbook/_break"));
    const unsigned long told = NewProgramWindow(
        {TopLevel{main_, false, -1, ""}}, "Download failed");
    EXPECT_NE(told, 0u) << "the user was not told";
    EXPECT_TRUE(ReadFile(target) == original) << "the user's file was changed";
    EXPECT_EQ(entries(), std::vector<std::string>{"keep.bin"});
    if (told) {
      desktop_->Focus(told);
      desktop_->Key("Return");
      EXPECT_TRUE(PollUntil([&] { return !Shows(told); }, kActionLimit));
    }
  }
  CloseLastWindow(main_);
  EXPECT_TRUE(ReadFile(target) == original) << "the user's file was changed";
  EXPECT_EQ(entries(), std::vector<std::string>{"keep.bin"});
}

INSTANTIATE_TEST_SUITE_P(
    Download, UnfinishedReplacementTest,
    testing::Values(UnfinishedReplacement{"breaking-download", true},
                    UnfinishedReplacement{"stalled-download", false}),
    [](const testing::TestParamInfo<UnfinishedReplacement>& info) {
      return info.param.server_breaks_off ? std::string("ServerBreaksOff")
                                          : std::string("WindowClosed");
    });

}  // namespace
