// Entry wrappers that take or return objects: required ones are checked
// before the call, and every reference that crosses is given back.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_callbacks_program.h"
#include "include/cef_command_line.h"
#include "include/cef_entry.h"
#include "include/cef_resource.h"
#include "include/cef_v8_handler.h"
#include "include/cef_values.h"
#include "include/cef_visitors.h"
#include "tests/fake/fake_library.h"

namespace {

template <class Interface>
class Counted : public Interface {
  IMPLEMENT_REFCOUNTING(Counted);
};

class EntryObjectsTest : public fake::LibraryTest {};

// Each case calls a wrapper with its required object or string missing,
// then present: the first never reaches the library, the second does.
TEST_F(EntryObjectsTest, RequiredArgumentsGuardTheCall) {
  CefRefPtr<CefSchemeHandlerFactory> factory =
      new Counted<CefSchemeHandlerFactory>();
  CefRefPtr<CefV8Handler> v8handler = new Counted<CefV8Handler>();
  struct Case {
    std::string function;
    std::function<bool(bool present)> call;
  } cases[] = {
      {"cef_register_scheme_handler_factory",
       [&](bool present) {
         return CefRegisterSchemeHandlerFactory(present ? "app" : "", "",
                                                factory);
       }},
      {"cef_register_extension",
       [&](bool present) {
         return CefRegisterExtension("v8/test", present ? "var a;" : "",
                                     v8handler);
       }},
      {"cef_base64decode",
       [](bool present) {
         return CefBase64Decode(present ? "YWJj" : "") != nullptr;
       }},
      {"cef_parse_json",
       [](bool present) {
         return CefParseJSON(present ? "{}" : "", JSON_PARSER_RFC) != nullptr;
       }},
      {"cef_write_json",
       [](bool present) {
         fake::State().texts["cef_write_json"] = "{}";
         CefRefPtr<CefValue> value =
             present ? CefParseJSON("{}", JSON_PARSER_RFC) : nullptr;
         return !CefWriteJSON(value, JSON_WRITER_DEFAULT).IsEmpty();
       }},
      {"cef_launch_process",
       [](bool present) {
         return CefLaunchProcess(
             present ? CefCommandLine::CreateCommandLine() : nullptr);
       }},
      {"cef_get_geolocation",
       [](bool present) {
         return CefGetGeolocation(
             present ? new Counted<CefGetGeolocationCallback>() : nullptr);
       }},
      {"cef_is_web_plugin_unstable",
       [](bool present) {
         CefIsWebPluginUnstable(
             "/plugins/x",
             present ? new Counted<CefWebPluginUnstableCallback>() : nullptr);
         return present;
       }},
      {"cef_visit_web_plugin_info",
       [](bool present) {
         CefVisitWebPluginInfo(
             present ? new Counted<CefWebPluginInfoVisitor>() : nullptr);
         return present;
       }},
      {"cef_get_extensions_for_mime_type",
       [](bool present) {
         fake::State().texts["cef_get_extensions_for_mime_type"] = "html";
         EmbedStringVector extensions{"old"};
         CefGetExtensionsForMimeType(present ? "text/html" : "", extensions);
         return extensions.size() == 1 && extensions[0].ToUtf8() == "html";
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    EXPECT_FALSE(c.call(false));
    EXPECT_EQ(fake::CallCount(c.function), 0);
    EXPECT_TRUE(c.call(true));
    EXPECT_EQ(fake::CallCount(c.function), 1);
  }
  EXPECT_TRUE(factory->HasOneRef());
  EXPECT_TRUE(v8handler->HasOneRef());
}

TEST_F(EntryObjectsTest, OptionalObjectsPassAsNull) {
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("app", "", nullptr));
  EXPECT_EQ(fake::LastCall("cef_register_scheme_handler_factory")->args,
            (std::vector<std::string>{"app", "<null>", "<null>"}));
  EXPECT_TRUE(CefBeginTracing(CefString(), nullptr));
  EXPECT_EQ(fake::LastCall("cef_begin_tracing")->args,
            (std::vector<std::string>{"<null>", "<null>"}));
  CefRefPtr<CefEndTracingCallback> done = new Counted<CefEndTracingCallback>();
  EXPECT_TRUE(CefEndTracing("trace.json", done));
  EXPECT_EQ(fake::LastCall("cef_end_tracing")->args,
            (std::vector<std::string>{"trace.json", "<ptr>"}));
  EXPECT_TRUE(done->HasOneRef());
}

TEST_F(EntryObjectsTest, JsonErrorTextIsPreparedOnlyForACall) {
  cef_json_parser_error_t code = JSON_NO_ERROR;
  CefString message;
  EXPECT_EQ(CefParseJSONAndReturnError("", JSON_PARSER_RFC, code, message),
            nullptr);
  EXPECT_EQ(message.Record(), nullptr);
  EXPECT_EQ(code, JSON_NO_ERROR);

  fake::State().texts["cef_parse_jsonand_return_error"] = "bad token";
  EXPECT_NE(CefParseJSONAndReturnError("{", JSON_PARSER_RFC, code, message),
            nullptr);
  EXPECT_EQ(code, JSON_SYNTAX_ERROR);
  EXPECT_EQ(message.ToUtf8(), "bad token");
}

class Application : public CefApp {
  IMPLEMENT_REFCOUNTING(Application);
};

TEST_F(EntryObjectsTest, TheApplicationCrossesAsItsAdapter) {
  CefRefPtr<Application> app = new Application();
  CefMainArgs args;
  CefSettings settings;
  EXPECT_EQ(CefExecuteProcess(args, app, nullptr), -1);
  EXPECT_EQ(fake::LastCall("cef_execute_process")->args[1], "<ptr>");
  EXPECT_TRUE(app->HasOneRef()) << "the library gave the adapter back";

  EXPECT_TRUE(CefInitialize(args, settings, app, nullptr));
  EXPECT_NE(fake::State().app, nullptr);
  EXPECT_FALSE(app->HasOneRef()) << "the library keeps it until shut-down";
  CefShutdown();
  EXPECT_TRUE(app->HasOneRef());
}

}  // namespace
