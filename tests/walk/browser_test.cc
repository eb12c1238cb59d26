#include <cstdint>
#include <string>
#include <vector>

#include "include/cef_callbacks_program.h"
#include "include/cef_client.h"
#include "include/cef_logging.h"
#include "include/cef_request.h"
#include "include/cef_visitors.h"
#include "libcef_dll/ctocpp/browser_host_proxy.h"
#include "libcef_dll/ctocpp/browser_proxy.h"
#include "libcef_dll/ctocpp/frame_proxy.h"
#include "tests/fake/fake_library.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Idx;
using walk::Req;

template <class I>
CefRefPtr<I> Handler() {
  return new walk::Counted<I>();
}

// How the walk describes a fake library object that reached the library.
std::string IdText(const void* structure) {
  return "#" + std::to_string(fake::IdOf(structure));
}

class BrowserProxyTest : public fake::LedgerTest {};

TEST_F(BrowserProxyTest, EveryMember) {
  typedef cef_browser_t S;
  typedef CefBrowser I;
  cef_browser_t* other_struct = fake::NewObject<cef_browser_t>();
  CefRefPtr<CefBrowser> other = CefBrowserProxy::Wrap(other_struct);
  cef_process_message_t* message_struct =
      fake::NewObject<cef_process_message_t>();
  CefRefPtr<CefProcessMessage> message =
      Bridge<CefProcessMessage>::FromLibrary(message_struct);
  std::vector<int64_t> identifiers{4, 5};
  EmbedStringVector names{"main"};

  walk::WalkProxy<CefBrowserProxy>({
      walk::Row<&S::get_host>(&I::GetHost),
      walk::Row<&S::can_go_back>(&I::CanGoBack),
      walk::Row<&S::go_back>(&I::GoBack),
      walk::Row<&S::can_go_forward>(&I::CanGoForward),
      walk::Row<&S::go_forward>(&I::GoForward),
      walk::Row<&S::is_loading>(&I::IsLoading),
      walk::Row<&S::reload>(&I::Reload),
      walk::Row<&S::reload_ignore_cache>(&I::ReloadIgnoreCache),
      walk::Row<&S::stop_load>(&I::StopLoad),
      walk::Row<&S::get_identifier>(&I::GetIdentifier),
      walk::Row<&S::is_same>(&I::IsSame, Req(other)).Sees(IdText(other_struct)),
      walk::Row<&S::is_popup>(&I::IsPopup),
      walk::Row<&S::has_document>(&I::HasDocument),
      walk::Row<&S::get_main_frame>(&I::GetMainFrame),
      walk::Row<&S::get_focused_frame>(&I::GetFocusedFrame),
      walk::Row<&S::get_frame_byident>(
          static_cast<CefRefPtr<CefFrame> (I::*)(int64_t)>(&I::GetFrame),
          int64_t{0x100000002})
          .Sees("4294967298"),
      walk::Row<&S::get_frame>(
          static_cast<CefRefPtr<CefFrame> (I::*)(const CefString&)>(
              &I::GetFrame),
          CefString("child"))
          .Sees("\"child\""),
      walk::Row<&S::get_frame_count>(&I::GetFrameCount),
      walk::Row<&S::get_frame_identifiers>(&I::GetFrameIdentifiers, identifiers)
          .Consults<&S::get_frame_count>()
          .Sees("ptr, ptr"),
      walk::Row<&S::get_frame_names>(&I::GetFrameNames, names).Sees("ptr"),
      walk::Row<&S::send_process_message>(&I::SendProcessMessage, PID_RENDERER,
                                          Req(message))
          .Sees("1, " + IdText(message_struct)),
  });
}

TEST_F(BrowserProxyTest, EveryHostMember) {
  typedef cef_browser_host_t S;
  typedef CefBrowserHost I;
  CefRefPtr<CefRunFileDialogCallback> dialog_callback =
      Handler<CefRunFileDialogCallback>();
  CefRefPtr<CefClient> client = Handler<CefClient>();
  CefRefPtr<CefNavigationEntryVisitor> visitor =
      Handler<CefNavigationEntryVisitor>();
  cef_drag_data_t* drag_struct = fake::NewObject<cef_drag_data_t>();
  CefRefPtr<CefDragData> drag_data =
      Bridge<CefDragData>::FromLibrary(drag_struct);
  CefWindowInfo window_info;
  CefBrowserSettings settings;
  CefPoint point;
  CefPdfPrintSettings pdf_settings;
  CefKeyEvent key_event;
  CefMouseEvent mouse_event;
  EmbedStringVector filters{"text/*"};
  const cef_event_handle_t native_event =
      reinterpret_cast<cef_event_handle_t>(static_cast<uintptr_t>(0x40));

  walk::WalkProxy<CefBrowserHostProxy>({
      walk::Row<&S::get_browser>(&I::GetBrowser),
      walk::Row<&S::close_browser>(&I::CloseBrowser, true).Sees("1"),
      walk::Row<&S::set_focus>(&I::SetFocus, true).Sees("1"),
      walk::Row<&S::set_window_visibility>(&I::SetWindowVisibility, true)
          .Sees("1"),
      walk::Row<&S::get_window_handle>(&I::GetWindowHandle),
      walk::Row<&S::get_opener_window_handle>(&I::GetOpenerWindowHandle),
      walk::Row<&S::get_client>(&I::GetClient),
      walk::Row<&S::get_request_context>(&I::GetRequestContext),
      walk::Row<&S::get_zoom_level>(&I::GetZoomLevel),
      walk::Row<&S::set_zoom_level>(&I::SetZoomLevel, 1.25).Sees("1.25"),
      walk::Row<&S::run_file_dialog>(&I::RunFileDialog, FILE_DIALOG_SAVE,
                                     CefString("Save"), CefString(), filters,
                                     Idx(0), Req(dialog_callback))
          .Sees("3, \"Save\", null, ptr, 0, struct"),
      walk::Row<&S::start_download>(&I::StartDownload,
                                    Req(CefString("http://host/file")))
          .Sees("\"http://host/file\""),
      walk::Row<&S::print>(&I::Print),
      walk::Row<&S::print_to_pdf>(&I::PrintToPDF, Req(CefString("out.pdf")),
                                  pdf_settings,
                                  CefRefPtr<CefPdfPrintCallback>())
          .Sees("\"out.pdf\", ptr, null"),
      walk::Row<&S::find>(&I::Find, 3, Req(CefString("word")), true, false,
                          true)
          .Sees("3, \"word\", 1, 0, 1"),
      walk::Row<&S::stop_finding>(&I::StopFinding, true).Sees("1"),
      walk::Row<&S::show_dev_tools>(&I::ShowDevTools, window_info, Req(client),
                                    settings, point)
          .Sees("ptr, struct, ptr, ptr"),
      walk::Row<&S::close_dev_tools>(&I::CloseDevTools),
      walk::Row<&S::get_navigation_entries>(&I::GetNavigationEntries,
                                            Req(visitor), true)
          .Sees("struct, 1"),
      walk::Row<&S::set_mouse_cursor_change_disabled>(
          &I::SetMouseCursorChangeDisabled, true)
          .Sees("1"),
      walk::Row<&S::is_mouse_cursor_change_disabled>(
          &I::IsMouseCursorChangeDisabled),
      walk::Row<&S::replace_misspelling>(&I::ReplaceMisspelling,
                                         Req(CefString("word")))
          .Sees("\"word\""),
      walk::Row<&S::add_word_to_dictionary>(&I::AddWordToDictionary,
                                            Req(CefString("word")))
          .Sees("\"word\""),
      walk::Row<&S::is_window_rendering_disabled>(
          &I::IsWindowRenderingDisabled),
      walk::Row<&S::was_resized>(&I::WasResized),
      walk::Row<&S::was_hidden>(&I::WasHidden, true).Sees("1"),
      walk::Row<&S::notify_screen_info_changed>(&I::NotifyScreenInfoChanged),
      walk::Row<&S::invalidate>(&I::Invalidate, PET_POPUP).Sees("1"),
      walk::Row<&S::send_key_event>(&I::SendKeyEvent, key_event).Sees("ptr"),
      walk::Row<&S::send_mouse_click_event>(&I::SendMouseClickEvent,
                                            mouse_event, MBT_RIGHT, true, 2)
          .Sees("ptr, 2, 1, 2"),
      walk::Row<&S::send_mouse_move_event>(&I::SendMouseMoveEvent, mouse_event,
                                           true)
          .Sees("ptr, 1"),
      walk::Row<&S::send_mouse_wheel_event>(&I::SendMouseWheelEvent,
                                            mouse_event, -3, 4)
          .Sees("ptr, -3, 4"),
      walk::Row<&S::send_focus_event>(&I::SendFocusEvent, true).Sees("1"),
      walk::Row<&S::send_capture_lost_event>(&I::SendCaptureLostEvent),
      walk::Row<&S::notify_move_or_resize_started>(
          &I::NotifyMoveOrResizeStarted),
      walk::Row<&S::get_windowless_frame_rate>(&I::GetWindowlessFrameRate),
      walk::Row<&S::set_windowless_frame_rate>(&I::SetWindowlessFrameRate, 30)
          .Sees("30"),
      walk::Row<&S::get_nstext_input_context>(&I::GetNSTextInputContext),
      walk::Row<&S::handle_key_event_before_text_input_client>(
          &I::HandleKeyEventBeforeTextInputClient, native_event)
          .Sees("ptr"),
      walk::Row<&S::handle_key_event_after_text_input_client>(
          &I::HandleKeyEventAfterTextInputClient, native_event)
          .Sees("ptr"),
      walk::Row<&S::drag_target_drag_enter>(&I::DragTargetDragEnter,
                                            Req(drag_data), mouse_event,
                                            DRAG_OPERATION_COPY)
          .Sees(IdText(drag_struct) + ", ptr, 1"),
      walk::Row<&S::drag_target_drag_over>(&I::DragTargetDragOver, mouse_event,
                                           DRAG_OPERATION_MOVE)
          .Sees("ptr, 16"),
      walk::Row<&S::drag_target_drag_leave>(&I::DragTargetDragLeave),
      walk::Row<&S::drag_target_drop>(&I::DragTargetDrop, mouse_event)
          .Sees("ptr"),
      walk::Row<&S::drag_source_ended_at>(&I::DragSourceEndedAt, 5, 6,
                                          DRAG_OPERATION_LINK)
          .Sees("5, 6, 2"),
      walk::Row<&S::drag_source_system_drag_ended>(
          &I::DragSourceSystemDragEnded),
  });
  // Every handler that crossed was let go by the library again.
  for (CefBase* handler : std::vector<CefBase*>{dialog_callback.get(),
                                                client.get(), visitor.get()})
    EXPECT_TRUE(handler->HasOneRef());
}

TEST_F(BrowserProxyTest, EveryFrameMember) {
  typedef cef_frame_t S;
  typedef CefFrame I;
  CefRefPtr<CefStringVisitor> text_visitor = Handler<CefStringVisitor>();
  CefRefPtr<CefDOMVisitor> dom_visitor = Handler<CefDOMVisitor>();
  cef_request_t* request_struct = fake::NewObject<cef_request_t>();
  CefRefPtr<CefRequest> request =
      Bridge<CefRequest>::FromLibrary(request_struct);

  walk::WalkProxy<CefFrameProxy>({
      walk::Row<&S::is_valid>(&I::IsValid),
      walk::Row<&S::undo>(&I::Undo),
      walk::Row<&S::redo>(&I::Redo),
      walk::Row<&S::cut>(&I::Cut),
      walk::Row<&S::copy>(&I::Copy),
      walk::Row<&S::paste>(&I::Paste),
      walk::Row<&S::del>(&I::Delete),
      walk::Row<&S::select_all>(&I::SelectAll),
      walk::Row<&S::view_source>(&I::ViewSource),
      walk::Row<&S::get_source>(&I::GetSource, Req(text_visitor))
          .Sees("struct"),
      walk::Row<&S::get_text>(&I::GetText, Req(text_visitor)).Sees("struct"),
      walk::Row<&S::load_request>(&I::LoadRequest, Req(request))
          .Sees(IdText(request_struct)),
      walk::Row<&S::load_url>(&I::LoadURL, Req(CefString("http://host/")))
          .Sees("\"http://host/\""),
      walk::Row<&S::load_string>(&I::LoadString,
                                 Req(CefString("<p>failed</p>")),
                                 Req(CefString("http://host/")))
          .Sees("\"<p>failed</p>\", \"http://host/\""),
      walk::Row<&S::execute_java_script>(&I::ExecuteJavaScript,
                                         Req(CefString("go()")), CefString(), 7)
          .Sees("\"go()\", null, 7"),
      walk::Row<&S::is_main>(&I::IsMain),
      walk::Row<&S::is_focused>(&I::IsFocused),
      walk::Row<&S::get_name>(&I::GetName),
      walk::Row<&S::get_identifier>(&I::GetIdentifier),
      walk::Row<&S::get_parent>(&I::GetParent),
      walk::Row<&S::get_url>(&I::GetURL),
      walk::Row<&S::get_browser>(&I::GetBrowser),
      walk::Row<&S::get_v8context>(&I::GetV8Context),
      walk::Row<&S::visit_dom>(&I::VisitDOM, Req(dom_visitor)).Sees("struct"),
  });
  EXPECT_TRUE(text_visitor->HasOneRef());
  EXPECT_TRUE(dom_visitor->HasOneRef());
}

// What one call to the library saw, for the cases the walk's samples do not
// show.
std::string SeenBy(size_t offset) {
  for (const walk::Reach& reach : walk::Reaches())
    if (reach.offset == offset) return reach.arguments;
  return "(not reached)";
}

TEST_F(BrowserProxyTest, EmptyFrameNameStillReachesTheLibrary) {
  cef_browser_t* structure = fake::NewObject<cef_browser_t>();
  structure->get_frame = &walk::Recorder<&cef_browser_t::get_frame>::Call;
  CefRefPtr<CefBrowser> browser = CefBrowserProxy::Wrap(structure);
  walk::Reaches().clear();
  EXPECT_TRUE(browser->GetFrame(CefString()));
  EXPECT_EQ(SeenBy(walk::OffsetOf<&cef_browser_t::get_frame>()), "null");
}

TEST_F(BrowserProxyTest, CloseBrowserPassesForceAsZeroOrOne) {
  cef_browser_host_t* structure = fake::NewObject<cef_browser_host_t>();
  structure->close_browser =
      &walk::Recorder<&cef_browser_host_t::close_browser>::Call;
  CefRefPtr<CefBrowserHost> host = CefBrowserHostProxy::Wrap(structure);
  const size_t offset = walk::OffsetOf<&cef_browser_host_t::close_browser>();
  for (bool force : {false, true}) {
    walk::Reaches().clear();
    host->CloseBrowser(force);
    EXPECT_EQ(SeenBy(offset), force ? "1" : "0");
  }
}

// A library that has `frames` frames, reports `reported` identifiers
// whatever room it was given, and writes only into that room.
struct FrameLibrary {
  size_t frames = 0;
  size_t reported = 0;
  size_t capacity = 0;
  std::vector<int64_t> passed_in;
  bool array_was_null = false;
};
FrameLibrary& Frames() {
  static FrameLibrary library;
  return library;
}
size_t CEF_CALLBACK FrameCount(cef_browser_t*) { return Frames().frames; }
void CEF_CALLBACK FrameIdentifiers(cef_browser_t*, size_t* count,
                                   int64_t* identifiers) {
  FrameLibrary& library = Frames();
  library.capacity = *count;
  library.array_was_null = identifiers == nullptr;
  library.passed_in.assign(identifiers, identifiers + *count);
  for (size_t i = 0; i < *count; ++i)
    identifiers[i] = 100 + static_cast<int64_t>(i);
  *count = library.reported;
}

TEST_F(BrowserProxyTest, FrameIdentifiersThroughAnArray) {
  struct Case {
    const char* name;
    size_t frames;
    std::vector<int64_t> before;
    size_t reported;
    size_t capacity;
    std::vector<int64_t> passed_in;
    std::vector<int64_t> after;
  };
  const Case cases[] = {
      {"room for every frame", 3, {}, 3, 3, {0, 0, 0}, {100, 101, 102}},
      {"fewer filled than asked", 3, {}, 1, 3, {0, 0, 0}, {100}},
      {"more reported than room", 3, {}, 10, 3, {0, 0, 0}, {100, 101, 102}},
      {"vector larger than the count", 1, {7, 8}, 2, 2, {7, 8}, {100, 101}},
      {"vector entries go in first", 3, {7}, 3, 3, {7, 0, 0}, {100, 101, 102}},
      {"no frames", 0, {}, 0, 0, {}, {}},
      {"no frames, yet some reported", 0, {}, 4, 0, {}, {}},
  };
  cef_browser_t* structure = fake::NewObject<cef_browser_t>();
  structure->get_frame_count = &FrameCount;
  structure->get_frame_identifiers = &FrameIdentifiers;
  CefRefPtr<CefBrowser> browser = CefBrowserProxy::Wrap(structure);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Frames() = FrameLibrary();
    Frames().frames = c.frames;
    Frames().reported = c.reported;
    fake::State().log.clear();
    std::vector<int64_t> identifiers = c.before;
    browser->GetFrameIdentifiers(identifiers);
    // Reporting more than there was room for is a faulty library: worth a
    // line in a debug build's log, and clamped either way.
    EXPECT_EQ(fake::State().log.size(),
              CEF_DCHECK_IS_ON && c.reported > c.capacity ? 1u : 0u);
    EXPECT_EQ(Frames().capacity, c.capacity);
    EXPECT_EQ(Frames().array_was_null, c.capacity == 0);
    EXPECT_EQ(Frames().passed_in, c.passed_in);
    EXPECT_EQ(identifiers, c.after);
  }
}

class BrowserCreatorTest : public fake::LedgerTest {
 protected:
  void SetUp() override {
    fake::LedgerTest::SetUp();
    fake::Reset();
  }
  CefWindowInfo window_info_;
  CefBrowserSettings settings_;
};

TEST_F(BrowserCreatorTest, CreateBrowserReportsWhetherTheLibraryAccepted) {
  for (int answer : {0, 1}) {
    fake::State().results["cef_browser_host_create_browser"] = answer;
    EXPECT_EQ(CefBrowserHost::CreateBrowser(window_info_, nullptr, CefString(),
                                            settings_, nullptr),
              answer == 1);
    const fake::Call* call = fake::LastCall("cef_browser_host_create_browser");
    ASSERT_NE(call, nullptr);
    // The URL is not required: an empty one goes as a null record.
    EXPECT_EQ(call->args, (std::vector<std::string>{"<ptr>", "<null>", "<null>",
                                                    "<ptr>", "<null>"}));
  }
}

TEST_F(BrowserCreatorTest, CreateBrowserSyncWrapsTheNewBrowser) {
  CefRefPtr<CefBrowser> browser = CefBrowserHost::CreateBrowserSync(
      window_info_, nullptr, CefString("http://host:88/"), settings_, nullptr);
  ASSERT_TRUE(browser);
  const fake::Call* call =
      fake::LastCall("cef_browser_host_create_browser_sync");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->args,
            (std::vector<std::string>{"<ptr>", "<null>", "http://host:88/",
                                      "<ptr>", "<null>"}));
  // The browser that came back carries the one reference the proxy holds.
  EXPECT_TRUE(browser->HasOneRef());

  fake::State().results["cef_browser_host_create_browser_sync"] = 0;
  EXPECT_FALSE(CefBrowserHost::CreateBrowserSync(
      window_info_, nullptr, CefString("http://host:88/"), settings_, nullptr));
}

// The library takes over one reference on the client and on the context,
// and the caller's own stay as they were.
TEST_F(BrowserCreatorTest, ClientAndContextCrossWithOneReference) {
  CefRefPtr<CefClient> client = Handler<CefClient>();
  cef_request_context_t* context_struct =
      fake::NewObject<cef_request_context_t>();
  CefRefPtr<CefRequestContext> context =
      Bridge<CefRequestContext>::FromLibrary(context_struct);

  EXPECT_TRUE(CefBrowserHost::CreateBrowser(
      window_info_, client, CefString("u"), settings_, context));
  EXPECT_EQ(
      fake::LastCall("cef_browser_host_create_browser")->args,
      (std::vector<std::string>{"<ptr>", "<ptr>", "u", "<ptr>", "<ptr>"}));
  EXPECT_TRUE(CefBrowserHost::CreateBrowserSync(
      window_info_, client, CefString("u"), settings_, context));
  EXPECT_EQ(
      fake::LastCall("cef_browser_host_create_browser_sync")->args,
      (std::vector<std::string>{"<ptr>", "<ptr>", "u", "<ptr>", "<ptr>"}));
  EXPECT_TRUE(client->HasOneRef());
  EXPECT_EQ(fake::RefsOf(context_struct), 1);
}

}  // namespace
