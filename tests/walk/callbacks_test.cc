#include <string>
#include <vector>

#include "libcef_dll/ctocpp/auth_callback_proxy.h"
#include "libcef_dll/ctocpp/before_download_callback_proxy.h"
#include "libcef_dll/ctocpp/callback_proxy.h"
#include "libcef_dll/ctocpp/download_item_callback_proxy.h"
#include "libcef_dll/ctocpp/file_dialog_callback_proxy.h"
#include "libcef_dll/ctocpp/geolocation_callback_proxy.h"
#include "libcef_dll/ctocpp/jsdialog_callback_proxy.h"
#include "libcef_dll/ctocpp/print_dialog_callback_proxy.h"
#include "libcef_dll/ctocpp/print_job_callback_proxy.h"
#include "libcef_dll/ctocpp/print_settings_proxy.h"
#include "libcef_dll/ctocpp/request_callback_proxy.h"
#include "libcef_dll/ctocpp/run_context_menu_callback_proxy.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Idx;
using walk::Req;

class CallbacksTest : public fake::LedgerTest {};

TEST_F(CallbacksTest, EveryMember) {
  {
    typedef cef_auth_callback_t S;
    typedef CefAuthCallback I;
    // Each of the two is refused when empty, the other one given.
    walk::WalkProxy<CefAuthCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, Req(CefString("ann")),
                            Req(CefString("secret")))
            .Sees("\"ann\", \"secret\""),
        walk::Row<&S::cancel>(&I::Cancel),
    });
  }
  {
    typedef cef_before_download_callback_t S;
    typedef CefBeforeDownloadCallback I;
    walk::WalkProxy<CefBeforeDownloadCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, CefString(), true).Sees("null, 1"),
    });
  }
  {
    typedef cef_callback_t S;
    typedef CefCallback I;
    walk::WalkProxy<CefCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue),
        walk::Row<&S::cancel>(&I::Cancel),
    });
  }
  {
    typedef cef_download_item_callback_t S;
    typedef CefDownloadItemCallback I;
    walk::WalkProxy<CefDownloadItemCallbackProxy>({
        walk::Row<&S::cancel>(&I::Cancel),
        walk::Row<&S::pause>(&I::Pause),
        walk::Row<&S::resume>(&I::Resume),
    });
  }
  {
    typedef cef_file_dialog_callback_t S;
    typedef CefFileDialogCallback I;
    walk::WalkProxy<CefFileDialogCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, Idx(0),
                            EmbedStringVector{"/tmp/a.txt"})
            .Sees("0, ptr"),
        walk::Row<&S::cancel>(&I::Cancel),
    });
  }
  {
    typedef cef_geolocation_callback_t S;
    typedef CefGeolocationCallback I;
    walk::WalkProxy<CefGeolocationCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, true).Sees("1"),
    });
  }
  {
    typedef cef_jsdialog_callback_t S;
    typedef CefJSDialogCallback I;
    // An empty input is an answer too.
    walk::WalkProxy<CefJSDialogCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, true, CefString()).Sees("1, null"),
    });
  }
  {
    typedef cef_print_dialog_callback_t S;
    typedef CefPrintDialogCallback I;
    cef_print_settings_t* settings_struct =
        fake::NewObject<cef_print_settings_t>();
    CefRefPtr<CefPrintSettings> settings =
        CefPrintSettingsProxy::Wrap(settings_struct);
    walk::WalkProxy<CefPrintDialogCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, Req(settings))
            .Sees("#" + std::to_string(fake::IdOf(settings_struct))),
        walk::Row<&S::cancel>(&I::Cancel),
    });
  }
  {
    typedef cef_print_job_callback_t S;
    typedef CefPrintJobCallback I;
    walk::WalkProxy<CefPrintJobCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue),
    });
  }
  {
    typedef cef_request_callback_t S;
    typedef CefRequestCallback I;
    walk::WalkProxy<CefRequestCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, false).Sees("0"),
        walk::Row<&S::cancel>(&I::Cancel),
    });
  }
  {
    typedef cef_run_context_menu_callback_t S;
    typedef CefRunContextMenuCallback I;
    walk::WalkProxy<CefRunContextMenuCallbackProxy>({
        walk::Row<&S::cont>(&I::Continue, 26500,
                            static_cast<cef_event_flags_t>(
                                EVENTFLAG_SHIFT_DOWN | EVENTFLAG_CONTROL_DOWN))
            .Sees("26500, " + std::to_string(EVENTFLAG_SHIFT_DOWN |
                                             EVENTFLAG_CONTROL_DOWN)),
        walk::Row<&S::cancel>(&I::Cancel),
    });
  }
}

std::vector<std::string>& ChosenPaths() {
  static std::vector<std::string> paths;
  return paths;
}
int& ChosenFilter() {
  static int filter;
  return filter;
}

void CEF_CALLBACK NoteChoice(cef_file_dialog_callback_t*, int filter,
                             cef_string_list_t paths) {
  ChosenFilter() = filter;
  ChosenPaths().clear();
  if (!paths) {
    ChosenPaths().push_back("<no list>");
    return;
  }
  for (int i = 0; i < cef_string_list_size(paths); ++i) {
    CefString item;
    cef_string_list_value(paths, i, item.WritableRecord());
    ChosenPaths().push_back(item.ToUtf8());
  }
}

TEST_F(CallbacksTest, FileDialogHandsOverTheChosenPathsAsAList) {
  cef_file_dialog_callback_t* structure =
      fake::NewObject<cef_file_dialog_callback_t>();
  structure->cont = NoteChoice;
  CefRefPtr<CefFileDialogCallback> callback =
      CefFileDialogCallbackProxy::Wrap(structure);
  const struct {
    int filter;
    EmbedStringVector paths;
    std::vector<std::string> seen;
  } cases[] = {
      {0, {}, {}},  // no paths is still a list
      {2, {"C:\\a.txt", "C:\\b c.txt"}, {"C:\\a.txt", "C:\\b c.txt"}},
  };
  for (const auto& c : cases) {
    ChosenFilter() = -1;
    ChosenPaths() = {"<not called>"};
    callback->Continue(c.filter, c.paths);
    EXPECT_EQ(ChosenFilter(), c.filter);
    EXPECT_EQ(ChosenPaths(), c.seen);
  }
}

int& Answers() {
  static int answers;
  return answers;
}
void CEF_CALLBACK CountAnswer(cef_callback_t*) { ++Answers(); }

TEST_F(CallbacksTest, AnsweringKeepsTheLibraryObject) {
  Answers() = 0;
  cef_callback_t* structure = fake::NewObject<cef_callback_t>();
  structure->cont = CountAnswer;
  structure->cancel = CountAnswer;
  CefRefPtr<CefCallback> callback = CefCallbackProxy::Wrap(structure);
  callback->Continue();
  callback->Continue();
  callback->Cancel();
  EXPECT_EQ(Answers(), 3) << "every answer is forwarded";
  EXPECT_EQ(fake::RefsOf(structure), 1);
  callback = nullptr;
  EXPECT_EQ(fake::RefsOf(structure), 0);
}

}  // namespace
