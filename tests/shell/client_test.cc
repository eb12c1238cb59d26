// The client handler, driven the way the library drives it: through its
// adapters' structures, with scripted library objects.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "include/capi/cef_client_capi.h"
#include "libcef_dll/adapters/client_adapter.h"
#include "shell/shell_client.h"
#include "tests/fake/fake_library.h"
#include "tests/shell/fake_platform.h"
#include "tests/shell/scripted.h"

namespace {

using shell::ShellClient;

class ShellClientTest : public fake::LibraryTest {
 protected:
  void SetUp() override {
    fake::LibraryTest::SetUp();
    fake_platform::Reset();
    client_ = new ShellClient();
    structure_ = CefClientAdapter::Wrap(client_);
  }

  void TearDown() override {
    structure_->base.release(&structure_->base);
    EXPECT_TRUE(client_->HasOneRef()) << "the library's references are back";
    client_ = nullptr;
    scripted::Reset();
    fake::LibraryTest::TearDown();
  }

  // Asks the client for one of its handlers, as the library does, and lets
  // `use` call it; the handler's structure is released afterwards.
  template <class H>
  void With(H* (CEF_CALLBACK* cef_client_t::*getter)(cef_client_t*),
            const std::function<void(H*)>& use) {
    H* handler = (structure_->*getter)(structure_);
    ASSERT_NE(handler, nullptr);
    use(handler);
    handler->base.release(&handler->base);
  }

  void Created(cef_browser_t* browser) {
    With<cef_life_span_handler_t>(
        &cef_client_t::get_life_span_handler,
        [&](cef_life_span_handler_t* h) { h->on_after_created(h, browser); });
  }
  void Closing(cef_browser_t* browser) {
    With<cef_life_span_handler_t>(
        &cef_client_t::get_life_span_handler,
        [&](cef_life_span_handler_t* h) { h->on_before_close(h, browser); });
  }
  // A browser structure carries one reference into each call.
  static cef_browser_t* Again(cef_browser_t* browser) {
    browser->base.add_ref(&browser->base);
    return browser;
  }
  int Quits() const { return fake::CallCount("cef_quit_message_loop"); }

  CefRefPtr<ShellClient> client_;
  cef_client_t* structure_ = nullptr;
};

TEST_F(ShellClientTest, ClosingThePopupKeepsRunningClosingTheLastQuits) {
  cef_browser_t* main = scripted::NewBrowser(1);
  cef_browser_t* popup = scripted::NewBrowser(2);
  Created(Again(main));
  Created(Again(popup));

  With<cef_life_span_handler_t>(
      &cef_client_t::get_life_span_handler, [&](cef_life_span_handler_t* h) {
        EXPECT_EQ(h->do_close(h, Again(popup)), 0) << "the library closes it";
      });
  Closing(Again(popup));
  EXPECT_EQ(Quits(), 0);
  Closing(Again(main));
  EXPECT_EQ(Quits(), 1);

  // One that was never in the list, with the list empty, still quits.
  cef_browser_t* stranger = scripted::NewBrowser(3);
  Closing(stranger);
  EXPECT_EQ(Quits(), 2);
  main->base.release(&main->base);
  popup->base.release(&popup->base);
}

TEST_F(ShellClientTest, TheMainWindowMayCloseFirst) {
  cef_browser_t* main = scripted::NewBrowser(1);
  cef_browser_t* popup = scripted::NewBrowser(2);
  Created(main);
  Created(popup);
  Closing(scripted::NewBrowser(1));
  EXPECT_EQ(Quits(), 0);
  Closing(scripted::NewBrowser(2));
  EXPECT_EQ(Quits(), 1);
}

TEST_F(ShellClientTest, EachWindowTakesItsOwnPagesTitle) {
  cef_browser_t* main = scripted::NewBrowser(1);
  cef_browser_t* popup = scripted::NewBrowser(2);
  With<cef_display_handler_t>(
      &cef_client_t::get_display_handler, [&](cef_display_handler_t* h) {
        CefString title(L"\u767b\u5f55 Quillbook");
        h->on_title_change(h, Again(main), title.Record());
        h->on_title_change(h, Again(popup), nullptr);
      });
  const auto& titles = fake_platform::State().titles;
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_EQ(titles[0].first, scripted::StateOf(main).window);
  EXPECT_EQ(titles[0].second, L"\u767b\u5f55 Quillbook");
  EXPECT_EQ(titles[1].first, scripted::StateOf(popup).window);
  EXPECT_EQ(titles[1].second, L"") << "an empty title empties the caption";
  main->base.release(&main->base);
  popup->base.release(&popup->base);
}

// A browser whose structure has no host has no window to title or close.
TEST_F(ShellClientTest, ABrowserWithoutHostIsSkipped) {
  cef_browser_t* hostless = scripted::NewBrowser(1, false);
  cef_browser_t* other = scripted::NewBrowser(2);
  Created(Again(hostless));
  Created(Again(other));
  With<cef_display_handler_t>(
      &cef_client_t::get_display_handler, [&](cef_display_handler_t* h) {
        CefString title("title");
        h->on_title_change(h, Again(hostless), title.Record());
      });
  EXPECT_TRUE(fake_platform::State().titles.empty());
  client_->CloseBrowsers(false);
  EXPECT_EQ(scripted::StateOf(other).closes, std::vector<bool>{false});
  Closing(hostless);
  Closing(other);
}

TEST_F(ShellClientTest, FailedLoadsShowTheErrorPageExceptAborted) {
  struct Case {
    int code;
    const char* url;
    const char* text;
    const char* page;  // null: the frame is left alone
  } cases[] = {
      {-3, "http://127.0.0.1:88/quillbook/loginIndex", "ERR_ABORTED", nullptr},
      {-105, "http://quill.example:88/quillbook/loginIndex",
       "ERR_NAME_NOT_RESOLVED",
       "<html><body bgcolor=\"white\"><h2>Failed to load URL "
       "http://quill.example:88/quillbook/loginIndex with error "
       "ERR_NAME_NOT_RESOLVED (-105).</h2></body></html>"},
      // The frame shows nothing without an address to show it under.
      {-102, "", "", nullptr},
      // The page runs under the failed URL's origin: nothing in it may act.
      {-106, "http://h/?q=<script>alert('x')</script>&a=\"b\"", "<b>off</b>",
       "<html><body bgcolor=\"white\"><h2>Failed to load URL "
       "http://h/?q=&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;a="
       "&quot;b&quot; with error &lt;b&gt;off&lt;/b&gt; (-106)."
       "</h2></body></html>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    cef_browser_t* browser = scripted::NewBrowser(1);
    cef_frame_t* frame = scripted::NewFrame();
    frame->base.add_ref(&frame->base);
    With<cef_load_handler_t>(
        &cef_client_t::get_load_handler, [&](cef_load_handler_t* h) {
          CefString text(c.text);
          CefString url(c.url);
          // The library passes records, empty ones included.
          h->on_load_error(h, browser, frame,
                           static_cast<cef_errorcode_t>(c.code),
                           text.WritableRecord(), url.WritableRecord());
        });
    const scripted::Frame& shown = scripted::StateOf(frame);
    if (!c.page) {
      EXPECT_TRUE(shown.pages.empty());
    } else {
      ASSERT_EQ(shown.pages.size(), 1u);
      EXPECT_EQ(shown.pages[0], c.page);
      EXPECT_EQ(shown.urls[0], c.url) << "shown under the failed URL";
    }
    frame->base.release(&frame->base);
  }
}

TEST(ErrorPageTest, EmptyPartsStillMakeAWholePage) {
  EXPECT_EQ(shell::ErrorPage(CefString(), CefString(), -102),
            "<html><body bgcolor=\"white\"><h2>Failed to load URL  with error "
            " (-102).</h2></body></html>");
  EXPECT_EQ(shell::ErrorPage("u", "t", 0),
            "<html><body bgcolor=\"white\"><h2>Failed to load URL u with error "
            "t (0).</h2></body></html>");
}

TEST_F(ShellClientTest, ContextMenusAreEmptied) {
  for (int count : {0, 1, 5}) {
    cef_menu_model_t* menu = scripted::NewMenu(count);
    menu->base.add_ref(&menu->base);
    With<cef_context_menu_handler_t>(
        &cef_client_t::get_context_menu_handler,
        [&](cef_context_menu_handler_t* h) {
          h->on_before_context_menu(h, scripted::NewBrowser(1),
                                    scripted::NewFrame(),
                                    fake::NewObject<cef_context_menu_params_t>(),
                                    menu);
        });
    EXPECT_EQ(scripted::StateOf(menu).count, 0);
    EXPECT_EQ(scripted::StateOf(menu).clears, count > 0 ? 1 : 0)
        << "an empty menu is left alone";
    menu->base.release(&menu->base);
  }
}

TEST_F(ShellClientTest, DownloadsGoThroughTheSaveDialogAndAreAnnounced) {
  With<cef_download_handler_t>(
      &cef_client_t::get_download_handler, [&](cef_download_handler_t* h) {
        CefString name("report.pdf");
        h->on_before_download(h, scripted::NewBrowser(1),
                              scripted::NewDownloadItem(false), name.Record(),
                              scripted::NewBeforeDownloadCallback());
        EXPECT_EQ(scripted::LastDownload().paths,
                  std::vector<std::string>{"report.pdf"});
        EXPECT_EQ(scripted::LastDownload().dialogs, std::vector<bool>{true});

        for (bool complete : {false, true, true}) {
          h->on_download_updated(h, scripted::NewBrowser(1),
                                 scripted::NewDownloadItem(complete),
                                 fake::NewObject<cef_download_item_callback_t>());
        }
      });
  const auto& notices = fake_platform::State().notices;
  ASSERT_EQ(notices.size(), 2u) << "each complete update shows it again";
  EXPECT_EQ(notices[0].first, L"\u63d0\u793a");
  EXPECT_EQ(notices[0].second, L"\u4e0b\u8f7d\u6210\u529f\uff01");
}

TEST_F(ShellClientTest, F5ReloadsOutsideTextFields) {
  const int kF5 = 0x74;
  struct Case {
    cef_key_event_type_t type;
    int key;
    uint32_t modifiers;
    int editable;
    bool swallowed;
    int reloads;
  } cases[] = {
      {KEYEVENT_RAWKEYDOWN, kF5, 0, 0, true, 1},
      {KEYEVENT_KEYUP, kF5, 0, 0, true, 0},
      {KEYEVENT_CHAR, kF5, 0, 0, true, 0},
      {KEYEVENT_RAWKEYDOWN, kF5, EVENTFLAG_SHIFT_DOWN, 0, true, 1},
      {KEYEVENT_RAWKEYDOWN, kF5, EVENTFLAG_CONTROL_DOWN, 0, true, 1},
      {KEYEVENT_RAWKEYDOWN, kF5, 0, 1, false, 0},
      {KEYEVENT_KEYUP, kF5, 0, 1, false, 0},
      {KEYEVENT_RAWKEYDOWN, 0x75, 0, 0, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " key " << c.key
                                    << " editable " << c.editable);
    cef_browser_t* browser = scripted::NewBrowser(1);
    browser->base.add_ref(&browser->base);
    cef_key_event_t event = {};
    event.type = c.type;
    event.windows_key_code = c.key;
    event.modifiers = c.modifiers;
    event.focus_on_editable_field = c.editable;
    int shortcut = 0;
    With<cef_keyboard_handler_t>(
        &cef_client_t::get_keyboard_handler, [&](cef_keyboard_handler_t* h) {
          EXPECT_EQ(h->on_pre_key_event(h, browser, &event, nullptr, &shortcut),
                    c.swallowed ? 1 : 0);
        });
    EXPECT_EQ(scripted::StateOf(browser).reloads, c.reloads);
    EXPECT_EQ(shortcut, 0);
    browser->base.release(&browser->base);
  }
}

TEST_F(ShellClientTest, CloseBrowsersMovesToTheUiThread) {
  client_->CloseBrowsers(true);
  EXPECT_EQ(fake::CallCount("cef_post_delayed_task"), 0)
      << "an empty list on the UI thread does nothing";

  cef_browser_t* main = scripted::NewBrowser(1);
  cef_browser_t* popup = scripted::NewBrowser(2);
  Created(Again(main));
  Created(Again(popup));

  fake::State().results["cef_currently_on"] = 0;
  std::thread other([&] { client_->CloseBrowsers(true); });
  other.join();
  EXPECT_TRUE(scripted::StateOf(main).closes.empty()) << "not on that thread";
  ASSERT_EQ(fake::State().tasks.size(), 1u);
  EXPECT_EQ(fake::LastCall("cef_post_delayed_task")->args[0],
            std::to_string(TID_UI));

  fake::State().results["cef_currently_on"] = 1;
  fake::RunPendingTasks();
  EXPECT_EQ(scripted::StateOf(main).closes, std::vector<bool>{true});
  EXPECT_EQ(scripted::StateOf(popup).closes, std::vector<bool>{true});
  EXPECT_EQ(Quits(), 0) << "each leaves the list through OnBeforeClose";
  Closing(main);
  Closing(popup);
  EXPECT_EQ(Quits(), 1);
}

// A library may close a browser inside CloseBrowser: the list shrinks under
// the walk, and every window still closes once.
TEST_F(ShellClientTest, CloseBrowsersWithALibraryThatClosesAtOnce) {
  cef_browser_t* browsers[] = {scripted::NewBrowser(1), scripted::NewBrowser(2),
                               scripted::NewBrowser(3)};
  for (cef_browser_t* browser : browsers) {
    Created(Again(browser));
    scripted::StateOf(browser).on_close = [this, browser] {
      Closing(Again(browser));
    };
  }
  client_->CloseBrowsers(false);
  for (cef_browser_t* browser : browsers)
    EXPECT_EQ(scripted::StateOf(browser).closes, std::vector<bool>{false});
  EXPECT_EQ(Quits(), 1);
  for (cef_browser_t* browser : browsers) fake::Release(browser);
}

}  // namespace
