#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_entry.h"
#include "tests/fake/fake_library.h"

namespace {

class EntryTest : public testing::Test {
 protected:
  void SetUp() override { fake::Reset(); }
};

class CountedApp : public CefApp {
  IMPLEMENT_REFCOUNTING(CountedApp);
};

TEST_F(EntryTest, MatchingLibraryIsCalled) {
  CefMainArgs args;
  CefSettings settings;
  fake::State().results["cef_execute_process"] = 7;
  EXPECT_EQ(CefExecuteProcess(args, nullptr, nullptr), 7);
  EXPECT_TRUE(CefInitialize(args, settings, nullptr, nullptr));
  EXPECT_EQ(fake::State().seen_args, &args.Get());
  EXPECT_EQ(fake::State().seen_settings, &settings.Get());
  fake::State().results["cef_initialize"] = 0;
  EXPECT_FALSE(CefInitialize(args, settings, nullptr, nullptr));
}

TEST_F(EntryTest, GuardRefusesAnyOtherHash) {
  const std::string hash = CEF_API_HASH_PLATFORM;
  std::string upper = hash;
  for (char& c : upper) c = static_cast<char>(std::toupper(c));
  const std::vector<std::string> foreign = {
      "", hash.substr(0, 39), hash + "0", upper,
      "0000000000000000000000000000000000000000"};
  for (const std::string& other : foreign) {
    SCOPED_TRACE(other);
    fake::Reset();
    fake::State().api_hash = other;
    CefRefPtr<CountedApp> app(new CountedApp);
    CefMainArgs args;
    CefSettings settings;
    EXPECT_EQ(CefExecuteProcess(args, app, nullptr), 0);
    EXPECT_FALSE(CefInitialize(args, settings, app, nullptr));
    EXPECT_EQ(fake::CallCount("cef_execute_process"), 0);
    EXPECT_EQ(fake::CallCount("cef_initialize"), 0);
    EXPECT_TRUE(app->HasOneRef());
    std::string reported;
    EXPECT_FALSE(CefApiHashMatches(&reported));
    EXPECT_EQ(reported, other);
  }
  fake::State().api_hash_null = true;
  EXPECT_FALSE(CefApiHashMatches());
  EXPECT_EQ(CefExecuteProcess(CefMainArgs(), nullptr, nullptr), 0);
}

TEST_F(EntryTest, ForwardersReachTheLibrary) {
  const std::vector<std::pair<std::function<void()>, std::string>> calls = {
      {CefShutdown, "cef_shutdown"},
      {CefDoMessageLoopWork, "cef_do_message_loop_work"},
      {CefRunMessageLoop, "cef_run_message_loop"},
      {CefQuitMessageLoop, "cef_quit_message_loop"},
      {CefEnableHighDPISupport, "cef_enable_highdpi_support"},
      {[] { CefSetOSModalLoop(true); }, "cef_set_osmodal_loop"},
  };
  for (const auto& call : calls) {
    call.first();
    EXPECT_EQ(fake::CallCount(call.second), 1) << call.second;
  }
  EXPECT_EQ(fake::LastCall("cef_set_osmodal_loop")->args[0], "1");

  fake::State().results["cef_now_from_system_trace_time"] = 12345;
  EXPECT_EQ(CefNowFromSystemTraceTime(), 12345);
  fake::State().results["cef_currently_on"] = 0;
  EXPECT_FALSE(CefCurrentlyOn(TID_IO));
  EXPECT_EQ(fake::LastCall("cef_currently_on")->args[0],
            std::to_string(TID_IO));
}

// Each wrapper with a required string: an empty one returns the failure
// value without a call; a present one reaches the library.
TEST_F(EntryTest, RequiredStringsGuardTheCall) {
  struct Case {
    std::string function;
    std::function<bool(const CefString&)> call;  // true when it "succeeded"
  } cases[] = {
      {"cef_add_cross_origin_whitelist_entry",
       [](const CefString& s) {
         return CefAddCrossOriginWhitelistEntry(s, "http", "", true);
       }},
      {"cef_add_cross_origin_whitelist_entry",
       [](const CefString& s) {
         return CefAddCrossOriginWhitelistEntry("http://a", s, "", true);
       }},
      {"cef_remove_cross_origin_whitelist_entry",
       [](const CefString& s) {
         return CefRemoveCrossOriginWhitelistEntry(s, "http", "b", false);
       }},
      {"cef_parse_url",
       [](const CefString& s) {
         CefURLParts parts;
         return CefParseURL(s, parts);
       }},
      {"cef_format_url_for_security_display",
       [](const CefString& s) {
         return !CefFormatUrlForSecurityDisplay(s, "").IsEmpty();
       }},
      {"cef_get_mime_type",
       [](const CefString& s) { return !CefGetMimeType(s).IsEmpty(); }},
      {"cef_uriencode",
       [](const CefString& s) { return !CefURIEncode(s, true).IsEmpty(); }},
      {"cef_uridecode",
       [](const CefString& s) {
         return !CefURIDecode(s, true, UU_NORMAL).IsEmpty();
       }},
      {"cef_parse_csscolor",
       [](const CefString& s) {
         cef_color_t color = 0;
         return CefParseCSSColor(s, false, color);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.function);
    fake::Reset();
    fake::State().texts[c.function] = "answer";
    EXPECT_FALSE(c.call(CefString()));
    EXPECT_FALSE(c.call(CefString("")));
    EXPECT_EQ(fake::CallCount(c.function), 0);
    EXPECT_TRUE(c.call(CefString("value")));
    EXPECT_EQ(fake::CallCount(c.function), 1);
  }
}

TEST_F(EntryTest, OptionalDomainPassesNull) {
  EXPECT_TRUE(CefAddCrossOriginWhitelistEntry("http://a", "https", CefString(),
                                              true));
  const fake::Call* call =
      fake::LastCall("cef_add_cross_origin_whitelist_entry");
  ASSERT_NE(call, nullptr);
  EXPECT_EQ(call->args,
            (std::vector<std::string>{"http://a", "https", "<null>", "1"}));
}

TEST_F(EntryTest, PluginPathsAreRequired) {
  const std::vector<std::pair<void (*)(const CefString&), std::string>> calls =
      {{CefAddWebPluginPath, "cef_add_web_plugin_path"},
       {CefAddWebPluginDirectory, "cef_add_web_plugin_directory"},
       {CefRemoveWebPluginPath, "cef_remove_web_plugin_path"},
       {CefUnregisterInternalWebPlugin, "cef_unregister_internal_web_plugin"},
       {CefForceWebPluginShutdown, "cef_force_web_plugin_shutdown"},
       {CefRegisterWebPluginCrash, "cef_register_web_plugin_crash"}};
  for (const auto& call : calls) {
    call.first(CefString());
    EXPECT_EQ(fake::CallCount(call.second), 0) << call.second;
    call.first(CefString("/plugins/x"));
    ASSERT_EQ(fake::CallCount(call.second), 1) << call.second;
    EXPECT_EQ(fake::LastCall(call.second)->args[0], "/plugins/x");
  }
}

TEST_F(EntryTest, StringResultsAndOutParameters) {
  fake::State().texts["cef_get_mime_type"] = "text/html";
  CefString mime = CefGetMimeType("html");
  EXPECT_EQ(mime.ToUtf8(), "text/html");
  EXPECT_EQ(fake::LastCall("cef_get_mime_type")->args[0], "html");

  // A library that returns no string gives an empty one.
  fake::State().texts.erase("cef_get_mime_type");
  EXPECT_TRUE(CefGetMimeType("unknown").IsEmpty());

  fake::State().texts["cef_base64encode"] = "YWJj";
  EXPECT_EQ(CefBase64Encode("abc", 3).ToUtf8(), "YWJj");
  EXPECT_TRUE(CefBase64Encode(nullptr, 3).IsEmpty());
  EXPECT_EQ(fake::CallCount("cef_base64encode"), 1);

  fake::State().texts["cef_get_path"] = "/tmp";
  CefString path;
  EXPECT_TRUE(CefGetPath(PK_DIR_TEMP, path));
  EXPECT_EQ(path.ToUtf8(), "/tmp");

  fake::State().texts["cef_create_url"] = "http://host:88/";
  CefURLParts parts;
  CefString url("replaced");
  EXPECT_TRUE(CefCreateURL(parts, url));
  EXPECT_EQ(url.ToUtf8(), "http://host:88/");

  fake::State().results["color"] = 0xFF00FF00;
  cef_color_t color = 0;
  EXPECT_TRUE(CefParseCSSColor("lime", true, color));
  EXPECT_EQ(color, 0xFF00FF00u);
  EXPECT_EQ(fake::LastCall("cef_parse_csscolor")->args[1], "1");
}

}  // namespace
