#include <functional>
#include <string>
#include <vector>

#include "libcef_dll/adapters/request_context_handler_adapter.h"
#include "libcef_dll/ctocpp/cookie_manager_proxy.h"
#include "libcef_dll/ctocpp/navigation_entry_proxy.h"
#include "libcef_dll/ctocpp/process_message_proxy.h"
#include "libcef_dll/ctocpp/request_context_proxy.h"
#include "libcef_dll/ctocpp/scheme_registrar_proxy.h"
#include "libcef_dll/ctocpp/stream_writer_proxy.h"
#include "libcef_dll/ctocpp/task_runner_proxy.h"
#include "libcef_dll/ctocpp/value_proxy.h"
#include "libcef_dll/ctocpp/web_plugin_info_proxy.h"
#include "tests/fake/fake_library.h"
#include "tests/support/member_walk.h"

namespace {

using walk::NewProxy;
using walk::Seen;
using walk::StructOf;
using walk::Req;

class ContextTest : public fake::LibraryTest {};

TEST_F(ContextTest, RequestContextEveryMember) {
  typedef cef_request_context_t S;
  typedef CefRequestContext I;
  CefRefPtr<I> other = NewProxy<CefRequestContextProxy>();
  CefRefPtr<CefValue> value = NewProxy<CefValueProxy>();
  CefRefPtr<CefResolveCallback> resolved =
      new walk::Counted<CefResolveCallback>();
  const std::string other_seen = Seen<CefRequestContextProxy>(other);
  const std::string value_seen = Seen<CefValueProxy>(value);
  CefString error;
  EmbedStringVector ips{"192.0.2.1"};

  walk::WalkProxy<CefRequestContextProxy>({
      walk::Row<&S::is_same>(&I::IsSame, Req(other)).Sees(other_seen),
      walk::Row<&S::is_sharing_with>(&I::IsSharingWith, Req(other)),
      walk::Row<&S::is_global>(&I::IsGlobal),
      walk::Row<&S::get_handler>(&I::GetHandler),
      walk::Row<&S::get_cache_path>(&I::GetCachePath),
      walk::Row<&S::get_default_cookie_manager>(
          &I::GetDefaultCookieManager, CefRefPtr<CefCompletionCallback>())
          .Sees("null"),
      walk::Row<&S::register_scheme_handler_factory>(
          &I::RegisterSchemeHandlerFactory, Req(CefString("app")), CefString(),
          CefRefPtr<CefSchemeHandlerFactory>())
          .Sees("\"app\", null, null"),
      walk::Row<&S::clear_scheme_handler_factories>(
          &I::ClearSchemeHandlerFactories),
      walk::Row<&S::purge_plugin_list_cache>(&I::PurgePluginListCache, true)
          .Sees("1"),
      walk::Row<&S::has_preference>(&I::HasPreference, Req(CefString("a.b")))
          .Sees("\"a.b\""),
      walk::Row<&S::get_preference>(&I::GetPreference, Req(CefString("a.b"))),
      walk::Row<&S::get_all_preferences>(&I::GetAllPreferences, false)
          .Sees("0"),
      walk::Row<&S::can_set_preference>(&I::CanSetPreference,
                                        Req(CefString("a"))),
      // An error string that holds nothing still gets a record to write to.
      walk::Row<&S::set_preference>(&I::SetPreference, Req(CefString("a")),
                                    value, error)
          .Sees("\"a\", " + value_seen + ", \"\""),
      walk::Row<&S::clear_certificate_exceptions>(
          &I::ClearCertificateExceptions, CefRefPtr<CefCompletionCallback>()),
      walk::Row<&S::close_all_connections>(&I::CloseAllConnections,
                                           CefRefPtr<CefCompletionCallback>()),
      walk::Row<&S::resolve_host>(&I::ResolveHost,
                                  Req(CefString("example.org")), Req(resolved))
          .Sees("\"example.org\", struct"),
      walk::Row<&S::resolve_host_cached>(&I::ResolveHostCached,
                                         Req(CefString("example.org")), ips)
          .Default(ERR_FAILED),
  });
}

TEST_F(ContextTest, CookieManagerEveryMember) {
  typedef cef_cookie_manager_t S;
  typedef CefCookieManager I;
  CefRefPtr<CefCookieVisitor> visitor = new walk::Counted<CefCookieVisitor>();
  const CefRefPtr<CefCompletionCallback> no_callback;
  walk::WalkProxy<CefCookieManagerProxy>({
      walk::Row<&S::set_supported_schemes>(&I::SetSupportedSchemes,
                                           EmbedStringVector{"http", "app"},
                                           no_callback)
          .Sees("ptr, null"),
      walk::Row<&S::visit_all_cookies>(&I::VisitAllCookies, Req(visitor))
          .Sees("struct"),
      walk::Row<&S::visit_url_cookies>(
          &I::VisitUrlCookies, Req(CefString("http://a/")), true, Req(visitor))
          .Sees("\"http://a/\", 1, struct"),
      walk::Row<&S::set_cookie>(&I::SetCookie, Req(CefString("http://a/")),
                                CefCookie(), CefRefPtr<CefSetCookieCallback>())
          .Sees("\"http://a/\", ptr, null"),
      walk::Row<&S::delete_cookies>(&I::DeleteCookies, CefString(),
                                    CefString("n"),
                                    CefRefPtr<CefDeleteCookiesCallback>())
          .Sees("null, \"n\", null"),
      walk::Row<&S::set_storage_path>(&I::SetStoragePath, CefString(), true,
                                      no_callback)
          .Sees("null, 1, null"),
      walk::Row<&S::flush_store>(&I::FlushStore, no_callback),
  });
}

TEST_F(ContextTest, TaskRunnerEveryMember) {
  typedef cef_task_runner_t S;
  typedef CefTaskRunner I;
  CefRefPtr<I> other = NewProxy<CefTaskRunnerProxy>();
  CefRefPtr<CefTask> task = new walk::Counted<CefTask>();
  walk::WalkProxy<CefTaskRunnerProxy>({
      walk::Row<&S::is_same>(&I::IsSame, Req(other))
          .Sees(Seen<CefTaskRunnerProxy>(other)),
      walk::Row<&S::belongs_to_current_thread>(&I::BelongsToCurrentThread),
      walk::Row<&S::belongs_to_thread>(&I::BelongsToThread, TID_IO).Sees("6"),
      walk::Row<&S::post_task>(&I::PostTask, Req(task)).Sees("struct"),
      walk::Row<&S::post_delayed_task>(&I::PostDelayedTask, Req(task),
                                       int64_t{250})
          .Sees("struct, 250"),
  });
}

TEST_F(ContextTest, SmallProxiesEveryMember) {
  {
    typedef cef_process_message_t S;
    typedef CefProcessMessage I;
    walk::WalkProxy<CefProcessMessageProxy>({
        walk::Row<&S::is_valid>(&I::IsValid),
        walk::Row<&S::is_read_only>(&I::IsReadOnly),
        walk::Row<&S::copy>(&I::Copy),
        walk::Row<&S::get_name>(&I::GetName),
        walk::Row<&S::get_argument_list>(&I::GetArgumentList),
    });
  }
  {
    typedef cef_navigation_entry_t S;
    typedef CefNavigationEntry I;
    walk::WalkProxy<CefNavigationEntryProxy>({
        walk::Row<&S::is_valid>(&I::IsValid),
        walk::Row<&S::get_url>(&I::GetURL),
        walk::Row<&S::get_display_url>(&I::GetDisplayURL),
        walk::Row<&S::get_original_url>(&I::GetOriginalURL),
        walk::Row<&S::get_title>(&I::GetTitle),
        walk::Row<&S::get_transition_type>(&I::GetTransitionType)
            .Default(TT_EXPLICIT),
        walk::Row<&S::has_post_data>(&I::HasPostData),
        walk::Row<&S::get_completion_time>(&I::GetCompletionTime),
        walk::Row<&S::get_http_status_code>(&I::GetHttpStatusCode),
    });
  }
  {
    typedef cef_stream_writer_t S;
    typedef CefStreamWriter I;
    static const char kBytes[] = "abcdef";
    walk::WalkProxy<CefStreamWriterProxy>({
        walk::Row<&S::write>(&I::Write, Req(static_cast<const void*>(kBytes)),
                             size_t{2}, size_t{3})
            .Sees("ptr, 2, 3"),
        walk::Row<&S::seek>(&I::Seek, int64_t{-4}, 2).Sees("-4, 2"),
        walk::Row<&S::tell>(&I::Tell),
        walk::Row<&S::flush>(&I::Flush),
        walk::Row<&S::may_block>(&I::MayBlock),
    });
  }
  {
    typedef cef_scheme_registrar_t S;
    typedef CefSchemeRegistrar I;
    walk::WalkProxy<CefSchemeRegistrarProxy>({
        walk::Row<&S::add_custom_scheme>(
            &I::AddCustomScheme, Req(CefString("app")), true, false, true)
            .Sees("\"app\", 1, 0, 1"),
    });
  }
  {
    typedef cef_web_plugin_info_t S;
    typedef CefWebPluginInfo I;
    walk::WalkProxy<CefWebPluginInfoProxy>({
        walk::Row<&S::get_name>(&I::GetName),
        walk::Row<&S::get_path>(&I::GetPath),
        walk::Row<&S::get_version>(&I::GetVersion),
        walk::Row<&S::get_description>(&I::GetDescription),
    });
  }
}

// --- Members that write back -------------------------------------------------

struct Written {
  std::string name;
  bool value_was_null = false;
  bool error_had_record = false;
  int list_size_seen = -1;
};
Written& LastWrite() {
  static Written written;
  return written;
}

int CEF_CALLBACK RefuseWithReason(cef_request_context_t*,
                                  const cef_string_t* name, cef_value_t* value,
                                  cef_string_t* error) {
  LastWrite().name = CefString(name).ToUtf8();
  LastWrite().value_was_null = value == nullptr;
  LastWrite().error_had_record = error != nullptr;
  if (error) cef_string_utf8_to_utf16("read-only", 9, error);
  return 0;
}

cef_errorcode_t CEF_CALLBACK AnswerFromCache(cef_request_context_t*,
                                             const cef_string_t*,
                                             cef_string_list_t ips) {
  LastWrite().list_size_seen = cef_string_list_size(ips);
  cef_string_list_clear(ips);
  for (const char* ip : {"198.51.100.7", "2001:db8::1"}) {
    CefString text(ip);
    cef_string_list_append(ips, text.Record());
  }
  return ERR_NONE;
}

// The walk proves the refusal itself; this proves that a refusal leaves the
// in/out arguments as they were.
TEST_F(ContextTest, RefusedWithoutNameOrOrigin) {
  LastWrite() = Written();
  cef_request_context_t* structure = fake::NewObject<cef_request_context_t>();
  structure->set_preference = RefuseWithReason;
  structure->resolve_host_cached = AnswerFromCache;
  CefRefPtr<CefRequestContext> context =
      CefRequestContextProxy::Wrap(structure);

  CefString error("untouched");
  EXPECT_FALSE(context->SetPreference("", nullptr, error));
  EXPECT_EQ(error.ToUtf8(), "untouched");
  EmbedStringVector ips{"stale"};
  EXPECT_EQ(context->ResolveHostCached("", ips), ERR_FAILED);
  EXPECT_EQ(ips, EmbedStringVector{"stale"});
  EXPECT_EQ(LastWrite().name, "") << "set_preference was reached";
  EXPECT_EQ(LastWrite().list_size_seen, -1)
      << "resolve_host_cached was reached";
}

TEST_F(ContextTest, SetPreferenceLeavesTheLibrarysReasonInTheErrorString) {
  LastWrite() = Written();
  cef_request_context_t* structure = fake::NewObject<cef_request_context_t>();
  structure->set_preference = RefuseWithReason;
  CefRefPtr<CefRequestContext> context =
      CefRequestContextProxy::Wrap(structure);

  CefString error;
  EXPECT_FALSE(context->SetPreference("homepage", nullptr, error));
  EXPECT_EQ(LastWrite().name, "homepage");
  EXPECT_TRUE(LastWrite().value_was_null)
      << "a null value restores the default";
  EXPECT_TRUE(LastWrite().error_had_record);
  EXPECT_EQ(error.ToUtf8(), "read-only");

  CefString stale("old reason");
  context->SetPreference("homepage", nullptr, stale);
  EXPECT_EQ(stale.ToUtf8(), "read-only") << "the library's text replaces it";
}

TEST_F(ContextTest, ResolveHostCachedRefillsTheVectorFromTheLibrary) {
  LastWrite() = Written();
  cef_request_context_t* structure = fake::NewObject<cef_request_context_t>();
  structure->resolve_host_cached = AnswerFromCache;
  CefRefPtr<CefRequestContext> context =
      CefRequestContextProxy::Wrap(structure);

  EmbedStringVector ips{"stale"};
  EXPECT_EQ(context->ResolveHostCached("example.org", ips), ERR_NONE);
  EXPECT_EQ(LastWrite().list_size_seen, 1) << "the vector goes in";
  EXPECT_EQ(ips, (EmbedStringVector{"198.51.100.7", "2001:db8::1"}));
}

// --- Creators ----------------------------------------------------------------

struct CreatorCase {
  const char* name;
  std::function<bool()> create;  // whether an object came back
  const char* export_name;
  // What the export saw; empty with `refused` when it must not be called.
  std::vector<std::string> args;
  bool refused = false;
};

TEST_F(ContextTest, CreatorsCallTheirExportOrRefuse) {
  const CefRefPtr<CefCompletionCallback> no_callback;
  const CefRefPtr<CefRequestContextHandler> no_handler;
  CefRequestContextSettings settings;
  CefString(&settings.cache_path) = "cache";
  const std::vector<CreatorCase> cases = {
      {"global context",
       [] { return !!CefRequestContext::GetGlobalContext(); },
       "cef_request_context_get_global_context",
       {}},
      {"context from settings",
       [&] { return !!CefRequestContext::CreateContext(settings, no_handler); },
       "cef_request_context_create_context",
       {"<ptr>", "cache", "<null>"}},
      {"shared context without another",
       [&] {
         return !!CefRequestContext::CreateContext(
             CefRefPtr<CefRequestContext>(), no_handler);
       },
       "cef_create_context_shared",
       {},
       true},
      {"global cookie manager",
       [&] { return !!CefCookieManager::GetGlobalManager(no_callback); },
       "cef_cookie_manager_get_global_manager",
       {"<null>"}},
      {"cookie manager",
       [&] {
         return !!CefCookieManager::CreateManager("jar", true, no_callback);
       },
       "cef_cookie_manager_create_manager",
       {"jar", "1", "<null>"}},
      {"in-memory cookie manager",
       [&] {
         return !!CefCookieManager::CreateManager("", false, no_callback);
       },
       "cef_cookie_manager_create_manager",
       {"<null>", "0", "<null>"}},
      {"current task runner",
       [] { return !!CefTaskRunner::GetForCurrentThread(); },
       "cef_task_runner_get_for_current_thread",
       {}},
      {"task runner for a thread",
       [] { return !!CefTaskRunner::GetForThread(TID_FILE); },
       "cef_task_runner_get_for_thread",
       {"2"}},
      {"process message",
       [] { return !!CefProcessMessage::Create("ping"); },
       "cef_process_message_create",
       {"ping"}},
      {"process message without a name",
       [] { return !!CefProcessMessage::Create(""); },
       "cef_process_message_create",
       {},
       true},
      {"file writer",
       [] { return !!CefStreamWriter::CreateForFile("out.bin"); },
       "cef_stream_writer_create_for_file",
       {"out.bin"}},
      {"file writer without a name",
       [] { return !!CefStreamWriter::CreateForFile(""); },
       "cef_stream_writer_create_for_file",
       {},
       true},
      {"handler writer without a handler",
       [] { return !!CefStreamWriter::CreateForHandler(nullptr); },
       "cef_stream_writer_create_for_handler",
       {},
       true},
  };
  for (const CreatorCase& c : cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    EXPECT_EQ(c.create(), !c.refused);
    if (c.refused) {
      EXPECT_EQ(fake::CallCount(c.export_name), 0);
      continue;
    }
    ASSERT_EQ(fake::CallCount(c.export_name), 1);
    EXPECT_EQ(fake::LastCall(c.export_name)->args, c.args);
    // The export answering null gives null and no proxy.
    fake::State().results[c.export_name] = 0;
    EXPECT_FALSE(c.create());
    EXPECT_EQ(fake::CallCount(c.export_name), 2);
  }
}

TEST_F(ContextTest, SharedContextHandsTheOtherContextToTheLibrary) {
  CefRefPtr<CefRequestContext> other = NewProxy<CefRequestContextProxy>();
  cef_request_context_t* other_struct = StructOf<CefRequestContextProxy>(other);
  CefRefPtr<CefRequestContextHandler> handler =
      new walk::Counted<CefRequestContextHandler>();

  // Without a context to share, the handler is not handed over either.
  EXPECT_FALSE(CefRequestContext::CreateContext(nullptr, handler));
  EXPECT_TRUE(handler->HasOneRef());

  CefRefPtr<CefRequestContext> shared =
      CefRequestContext::CreateContext(other, nullptr);
  ASSERT_TRUE(shared);
  ASSERT_EQ(fake::CallCount("cef_create_context_shared"), 1);
  EXPECT_EQ(fake::LastCall("cef_create_context_shared")->args,
            (std::vector<std::string>{"<ptr>", "<null>"}));
  // One reference for the proxy, one that went with the structure.
  EXPECT_EQ(fake::RefsOf(other_struct), 2);
  BaseOf(other_struct)->release(BaseOf(other_struct));
}

}  // namespace
