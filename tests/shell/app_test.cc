// The application object, driven through its adapters as the library does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "include/capi/cef_app_capi.h"
#include "libcef_dll/adapters/app_adapter.h"
#include "libcef_dll/adapters/browser_process_handler_adapter.h"
#include "shell/entry.h"
#include "shell/shell_app.h"
#include "tests/fake/fake_library.h"
#include "tests/shell/fake_platform.h"

namespace {

using shell::ShellApp;

std::vector<std::string>& Appended() {
  static std::vector<std::string> names;
  return names;
}

void CEF_CALLBACK AppendSwitch(cef_command_line_t*, const cef_string_t* name) {
  Appended().push_back(CefString(name).ToUtf8());
}

class ShellAppTest : public fake::LibraryTest {
 protected:
  void SetUp() override {
    fake::LibraryTest::SetUp();
    fake_platform::Reset();
    Appended().clear();
    app_ = new ShellApp();
    structure_ = CefAppAdapter::Wrap(app_);
  }
  void TearDown() override {
    structure_->base.release(&structure_->base);
    EXPECT_TRUE(app_->HasOneRef());
    fake::LibraryTest::TearDown();
  }

  void ContextInitialized() {
    cef_browser_process_handler_t* handler =
        structure_->get_browser_process_handler(structure_);
    ASSERT_NE(handler, nullptr);
    handler->on_context_initialized(handler);
    handler->base.release(&handler->base);
  }

  CefRefPtr<ShellApp> app_;
  cef_app_t* structure_ = nullptr;
};

TEST_F(ShellAppTest, OnlyTheBrowserProcessGetsTheSwitches) {
  struct Case {
    const char* process_type;  // null: the library passes none
    std::vector<std::string> appended;
  } cases[] = {
      {nullptr, {"disable-gpu", "no-proxy-server"}},
      {"", {"disable-gpu", "no-proxy-server"}},
      {"renderer", {}},
      {"gpu-process", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.process_type ? c.process_type : "(null)");
    Appended().clear();
    cef_command_line_t* command_line = fake::NewObject<cef_command_line_t>();
    command_line->append_switch = AppendSwitch;
    CefString type(c.process_type);
    structure_->on_before_command_line_processing(
        structure_, c.process_type ? type.WritableRecord() : nullptr,
        command_line);
    EXPECT_EQ(Appended(), c.appended);
    EXPECT_EQ(fake::RefsOf(command_line), 0);
  }
}

TEST_F(ShellAppTest, TheBrowserProcessHandlerIsTheAppItself) {
  cef_browser_process_handler_t* first =
      structure_->get_browser_process_handler(structure_);
  cef_browser_process_handler_t* second =
      structure_->get_browser_process_handler(structure_);
  EXPECT_NE(first, second);
  EXPECT_EQ(CefBrowserProcessHandlerAdapter::ObjectOf(first),
            static_cast<CefBrowserProcessHandler*>(app_.get()));
  first->base.release(&first->base);
  second->base.release(&second->base);
  EXPECT_EQ(structure_->get_render_process_handler(structure_), nullptr);
  EXPECT_EQ(structure_->get_resource_bundle_handler(structure_), nullptr);
}

TEST_F(ShellAppTest, TheWindowCoversTheScreenAndOpensTheStartPage) {
  fake_platform::State().screen = {1366, 768};
  ContextInitialized();
  const fake::Call* call = fake::LastCall("cef_browser_host_create_browser");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->args[1], "<ptr>") << "a client";
  EXPECT_EQ(call->args[2], shell::StartUrl());
  EXPECT_EQ(call->args[2].substr(0, 7), "http://");
  EXPECT_NE(call->args[2].find(":88/quillbook/loginIndex"), std::string::npos);
  EXPECT_EQ(call->args[4], "<null>") << "no request context";
  EXPECT_EQ(fake::State().seen["window"],
            "style=16cf0000 parent=none x=0 y=0 width=1366 height=768 "
            "name=Pellavine");
  EXPECT_EQ(fake::State().seen["settings_size"],
            std::to_string(sizeof(cef_browser_settings_t)));
  EXPECT_EQ(fake::CallCount("cef_quit_message_loop"), 0);
  EXPECT_FALSE(app_->browser_refused());
}

TEST_F(ShellAppTest, ARefusedWindowEndsTheLoop) {
  fake::State().results["cef_browser_host_create_browser"] = 0;
  ContextInitialized();
  EXPECT_EQ(fake::CallCount("cef_quit_message_loop"), 1);
  EXPECT_EQ(fake_platform::State().debug_lines.size(), 2u)
      << "SetAsPopup's line and the reason";
  EXPECT_TRUE(app_->browser_refused());
}

TEST(ShellEntryRefusedWindow, EndsTheProcessWithItsOwnCode) {
  fake::Reset();
  fake_platform::Reset();
  fake::State().context_in_loop = true;
  fake::State().results["cef_browser_host_create_browser"] = 0;
#if defined(_WIN32)
  CefMainArgs args(nullptr);
#else
  char program[] = "pellavine";
  char* argv[] = {program, nullptr};
  CefMainArgs args(1, argv);
#endif
  EXPECT_EQ(shell::Run(args), shell::kExitBrowserRefused);
  EXPECT_EQ(fake::CallCount("cef_quit_message_loop"), 1);
  EXPECT_EQ(fake::CallCount("cef_shutdown"), 1);
  fake::Reset();
}

}  // namespace
