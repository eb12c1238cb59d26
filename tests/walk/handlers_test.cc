#include <cstdio>
#include <functional>
#include <string>

#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_cookie.h"
#include "include/cef_dom.h"
#include "include/cef_frame.h"
#include "include/cef_navigation_entry.h"
#include "include/cef_request.h"
#include "include/cef_response.h"
#include "include/cef_ssl_info.h"
#include "include/cef_web_plugin.h"
#include "libcef_dll/adapters/completion_callback_adapter.h"
#include "libcef_dll/adapters/cookie_visitor_adapter.h"
#include "libcef_dll/adapters/delete_cookies_callback_adapter.h"
#include "libcef_dll/adapters/dialog_handler_adapter.h"
#include "libcef_dll/adapters/domvisitor_adapter.h"
#include "libcef_dll/adapters/end_tracing_callback_adapter.h"
#include "libcef_dll/adapters/find_handler_adapter.h"
#include "libcef_dll/adapters/focus_handler_adapter.h"
#include "libcef_dll/adapters/geolocation_handler_adapter.h"
#include "libcef_dll/adapters/get_geolocation_callback_adapter.h"
#include "libcef_dll/adapters/jsdialog_handler_adapter.h"
#include "libcef_dll/adapters/navigation_entry_visitor_adapter.h"
#include "libcef_dll/adapters/pdf_print_callback_adapter.h"
#include "libcef_dll/adapters/request_context_handler_adapter.h"
#include "libcef_dll/adapters/request_handler_adapter.h"
#include "libcef_dll/adapters/resolve_callback_adapter.h"
#include "libcef_dll/adapters/run_file_dialog_callback_adapter.h"
#include "libcef_dll/adapters/set_cookie_callback_adapter.h"
#include "libcef_dll/adapters/string_visitor_adapter.h"
#include "libcef_dll/adapters/web_plugin_info_visitor_adapter.h"
#include "libcef_dll/adapters/web_plugin_unstable_callback_adapter.h"
#include "libcef_dll/adapters/write_handler_adapter.h"
#include "tests/support/member_walk.h"

namespace {

using walk::List;
using walk::Need;
using walk::Neg;
using walk::Object;
using walk::Reply;
using walk::Row;
using walk::Slot;
using walk::Text;
using walk::Value;

typedef CefRefPtr<CefBrowser> Browser;
typedef CefRefPtr<CefFrame> Frame;
typedef CefRefPtr<CefRequest> Request;
typedef CefRefPtr<CefResponse> Response;

class HandlerAdaptersTest : public fake::LedgerTest {};

// ---------------------------------------------------------------------------
// Browser handlers handed out by a client.

class RecordingDialog : public CefDialogHandler, public walk::Recording {
 public:
  bool OnFileDialog(Browser browser, FileDialogMode mode,
                    const CefString& title, const CefString& default_file_path,
                    const EmbedStringVector& accept_filters,
                    int selected_accept_filter,
                    CefRefPtr<CefFileDialogCallback> callback) override {
    Noted(0, browser, mode, title, default_file_path, accept_filters,
          selected_accept_filter, callback);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingDialog);
};

class RecordingFind : public CefFindHandler, public walk::Recording {
 public:
  void OnFindResult(Browser browser, int identifier, int count,
                    const CefRect& selectionRect, int activeMatchOrdinal,
                    bool finalUpdate) override {
    Noted(0, browser, identifier, count, selectionRect.x, activeMatchOrdinal,
          finalUpdate);
  }
  IMPLEMENT_REFCOUNTING(RecordingFind);
};

class RecordingFocus : public CefFocusHandler, public walk::Recording {
 public:
  void OnTakeFocus(Browser browser, bool next) override {
    Noted(0, browser, next);
  }
  bool OnSetFocus(Browser browser, FocusSource source) override {
    Noted(1, browser, source);
    return Reply<bool>();
  }
  void OnGotFocus(Browser browser) override { Noted(2, browser); }
  IMPLEMENT_REFCOUNTING(RecordingFocus);
};

class RecordingGeolocation : public CefGeolocationHandler,
                             public walk::Recording {
 public:
  bool OnRequestGeolocationPermission(
      Browser browser, const CefString& requesting_url, int request_id,
      CefRefPtr<CefGeolocationCallback> callback) override {
    Noted(0, browser, requesting_url, request_id, callback);
    return Reply<bool>();
  }
  void OnCancelGeolocationPermission(Browser browser, int request_id) override {
    Noted(1, browser, request_id);
  }
  IMPLEMENT_REFCOUNTING(RecordingGeolocation);
};

class RecordingJSDialog : public CefJSDialogHandler, public walk::Recording {
 public:
  bool OnJSDialog(Browser browser, const CefString& origin_url,
                  const CefString& accept_lang, JSDialogType dialog_type,
                  const CefString& message_text,
                  const CefString& default_prompt_text,
                  CefRefPtr<CefJSDialogCallback> callback,
                  bool& suppress_message) override {
    Noted(0, browser, origin_url, accept_lang, dialog_type, message_text,
          default_prompt_text, callback, suppress_message);
    suppress_message = !suppress_message;
    return Reply<bool>();
  }
  bool OnBeforeUnloadDialog(Browser browser, const CefString& message_text,
                            bool is_reload,
                            CefRefPtr<CefJSDialogCallback> callback) override {
    Noted(1, browser, message_text, is_reload, callback);
    return Reply<bool>();
  }
  void OnResetDialogState(Browser browser) override { Noted(2, browser); }
  void OnDialogClosed(Browser browser) override { Noted(3, browser); }
  IMPLEMENT_REFCOUNTING(RecordingJSDialog);
};

class RecordingRequestHandler : public CefRequestHandler,
                                public walk::Recording {
 public:
  bool OnBeforeBrowse(Browser browser, Frame frame, Request request,
                      bool is_redirect) override {
    Noted(0, browser, frame, request, is_redirect);
    return Reply<bool>();
  }
  bool OnOpenURLFromTab(Browser browser, Frame frame,
                        const CefString& target_url,
                        WindowOpenDisposition target_disposition,
                        bool user_gesture) override {
    Noted(1, browser, frame, target_url, target_disposition, user_gesture);
    return Reply<bool>();
  }
  ReturnValue OnBeforeResourceLoad(
      Browser browser, Frame frame, Request request,
      CefRefPtr<CefRequestCallback> callback) override {
    Noted(2, browser, frame, request, callback);
    // Neither the default nor outside the enumeration.
    return RV_CONTINUE_ASYNC;
  }
  CefRefPtr<CefResourceHandler> GetResourceHandler(Browser browser, Frame frame,
                                                   Request request) override {
    Noted(3, browser, frame, request);
    return Reply<CefRefPtr<CefResourceHandler>>();
  }
  void OnResourceRedirect(Browser browser, Frame frame, Request request,
                          CefString& new_url) override {
    Noted(4, browser, frame, request, new_url);
  }
  bool OnResourceResponse(Browser browser, Frame frame, Request request,
                          Response response) override {
    Noted(5, browser, frame, request, response);
    return Reply<bool>();
  }
  CefRefPtr<CefResponseFilter> GetResourceResponseFilter(
      Browser browser, Frame frame, Request request,
      Response response) override {
    Noted(6, browser, frame, request, response);
    return Reply<CefRefPtr<CefResponseFilter>>();
  }
  void OnResourceLoadComplete(Browser browser, Frame frame, Request request,
                              Response response, URLRequestStatus status,
                              int64_t received_content_length) override {
    Noted(7, browser, frame, request, response, status,
          received_content_length);
  }
  bool GetAuthCredentials(Browser browser, Frame frame, bool isProxy,
                          const CefString& host, int port,
                          const CefString& realm, const CefString& scheme,
                          CefRefPtr<CefAuthCallback> callback) override {
    Noted(8, browser, frame, isProxy, host, port, realm, scheme, callback);
    return Reply<bool>();
  }
  bool OnQuotaRequest(Browser browser, const CefString& origin_url,
                      int64_t new_size,
                      CefRefPtr<CefRequestCallback> callback) override {
    Noted(9, browser, origin_url, new_size, callback);
    return Reply<bool>();
  }
  void OnProtocolExecution(Browser browser, const CefString& url,
                           bool& allow_os_execution) override {
    Noted(10, browser, url, allow_os_execution);
    allow_os_execution = !allow_os_execution;
  }
  bool OnCertificateError(Browser browser, ErrorCode cert_error,
                          const CefString& request_url,
                          CefRefPtr<CefSSLInfo> ssl_info,
                          CefRefPtr<CefRequestCallback> callback) override {
    Noted(11, browser, cert_error, request_url, ssl_info, callback);
    return Reply<bool>();
  }
  void OnPluginCrashed(Browser browser, const CefString& plugin_path) override {
    Noted(12, browser, plugin_path);
  }
  void OnRenderViewReady(Browser browser) override { Noted(13, browser); }
  void OnRenderProcessTerminated(Browser browser,
                                 TerminationStatus status) override {
    Noted(14, browser, status);
  }
  IMPLEMENT_REFCOUNTING(RecordingRequestHandler);
};

class RecordingRequestContextHandler : public CefRequestContextHandler,
                                       public walk::Recording {
 public:
  CefRefPtr<CefCookieManager> GetCookieManager() override {
    Noted(0);
    // A library object only travels back through its proxy.
    return Bridge<CefCookieManager>::FromLibrary(
        fake::NewObject<cef_cookie_manager_t>());
  }
  bool OnBeforePluginLoad(const CefString& mime_type,
                          const CefString& plugin_url,
                          const CefString& top_origin_url,
                          CefRefPtr<CefWebPluginInfo> plugin_info,
                          PluginPolicy* plugin_policy) override {
    Noted(1, mime_type, plugin_url, top_origin_url, plugin_info,
          static_cast<int>(*plugin_policy));
    *plugin_policy = PLUGIN_POLICY_BLOCK;
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingRequestContextHandler);
};

TEST_F(HandlerAdaptersTest, BrowserHandlersEveryMember) {
  {
    typedef cef_dialog_handler_t S;
    walk::WalkAdapter<CefDialogHandlerAdapter, RecordingDialog>({
        Row<&S::on_file_dialog>(
            Need(Object<cef_browser_t>()), Value(FILE_DIALOG_OPEN_MULTIPLE),
            Text("Pick"), Text("/tmp"), List({"*.png", "*.jpg"}), Neg(Value(0)),
            Need(Object<cef_file_dialog_callback_t>()))
            .Sees("object, 1, \"Pick\", \"/tmp\", [\"*.png\",\"*.jpg\"], 0, "
                  "object"),
    });
  }
  {
    typedef cef_find_handler_t S;
    walk::WalkAdapter<CefFindHandlerAdapter, RecordingFind>({
        Row<&S::on_find_result>(Need(Object<cef_browser_t>()), Value(3),
                                Value(9), Need(Slot<cef_rect_t>({4, 5, 6, 7})),
                                Value(2), Value(1))
            .Sees("object, 3, 9, 4, 2, true"),
    });
  }
  {
    typedef cef_focus_handler_t S;
    walk::WalkAdapter<CefFocusHandlerAdapter, RecordingFocus>({
        Row<&S::on_take_focus>(Need(Object<cef_browser_t>()), Value(0))
            .Sees("object, false"),
        Row<&S::on_set_focus>(Need(Object<cef_browser_t>()),
                              Value(FOCUS_SOURCE_SYSTEM))
            .Sees("object, 1"),
        Row<&S::on_got_focus>(Need(Object<cef_browser_t>())),
    });
  }
  {
    typedef cef_geolocation_handler_t S;
    walk::WalkAdapter<CefGeolocationHandlerAdapter, RecordingGeolocation>({
        Row<&S::on_request_geolocation_permission>(
            Need(Object<cef_browser_t>()), Need(Text("https://a.test")),
            Value(12), Need(Object<cef_geolocation_callback_t>()))
            .Sees("object, \"https://a.test\", 12, object"),
        Row<&S::on_cancel_geolocation_permission>(Need(Object<cef_browser_t>()),
                                                  Value(12))
            .Sees("object, 12"),
    });
  }
  {
    typedef cef_jsdialog_handler_t S;
    walk::WalkAdapter<CefJSDialogHandlerAdapter, RecordingJSDialog>({
        Row<&S::on_jsdialog>(Need(Object<cef_browser_t>()), Text("o"),
                             Text("en"), Value(JSDIALOGTYPE_PROMPT), Text("m"),
                             Text("d"), Need(Object<cef_jsdialog_callback_t>()),
                             Need(Slot<int>(1)))
            .Sees("object, \"o\", \"en\", 2, \"m\", \"d\", object, true"),
        Row<&S::on_before_unload_dialog>(
            Need(Object<cef_browser_t>()), Text("leave?"), Value(1),
            Need(Object<cef_jsdialog_callback_t>()))
            .Sees("object, \"leave?\", true, object"),
        Row<&S::on_reset_dialog_state>(Need(Object<cef_browser_t>())),
        Row<&S::on_dialog_closed>(Need(Object<cef_browser_t>())),
    });
  }
}

TEST_F(HandlerAdaptersTest, RequestHandlerEveryMember) {
  typedef cef_request_handler_t S;
  auto browser = [] { return Need(Object<cef_browser_t>()); };
  auto frame = [] { return Need(Object<cef_frame_t>()); };
  auto request = [] { return Need(Object<cef_request_t>()); };
  auto response = [] { return Need(Object<cef_response_t>()); };
  auto callback = [] { return Need(Object<cef_request_callback_t>()); };
  walk::WalkAdapter<CefRequestHandlerAdapter, RecordingRequestHandler>({
      Row<&S::on_before_browse>(browser(), frame(), request(), Value(1))
          .Sees("object, object, object, true"),
      Row<&S::on_open_urlfrom_tab>(browser(), frame(), Need(Text("u")),
                                   Value(WOD_NEW_POPUP), Value(0))
          .Sees("object, object, \"u\", " + std::to_string(WOD_NEW_POPUP) +
                ", false"),
      Row<&S::on_before_resource_load>(browser(), frame(), request(),
                                       callback())
          .Default(RV_CONTINUE),
      Row<&S::get_resource_handler>(browser(), frame(), request()),
      Row<&S::on_resource_redirect>(browser(), frame(), request(),
                                    Need(Text("next")))
          .Sees("object, object, object, \"next\""),
      Row<&S::on_resource_response>(browser(), frame(), request(), response()),
      Row<&S::get_resource_response_filter>(browser(), frame(), request(),
                                            response()),
      Row<&S::on_resource_load_complete>(browser(), frame(), request(),
                                         response(), Value(UR_SUCCESS),
                                         Value<int64_t>(int64_t{1} << 40))
          .Sees("object, object, object, object, 1, 1099511627776"),
      Row<&S::get_auth_credentials>(
          browser(), frame(), Value(1), Need(Text("h")), Value(8080), Text("r"),
          Text("basic"), Need(Object<cef_auth_callback_t>()))
          .Sees("object, object, true, \"h\", 8080, \"r\", \"basic\", object"),
      Row<&S::on_quota_request>(browser(), Need(Text("o")),
                                Value<int64_t>(int64_t{5} << 32), callback())
          .Sees("object, \"o\", 21474836480, object"),
      Row<&S::on_protocol_execution>(browser(), Need(Text("mailto:x")),
                                     Need(Slot<int>(0)))
          .Sees("object, \"mailto:x\", false"),
      Row<&S::on_certificate_error>(browser(), Value(ERR_CERT_DATE_INVALID),
                                    Need(Text("https://x")),
                                    Need(Object<cef_sslinfo_t>()), callback())
          .Sees("object, " + std::to_string(ERR_CERT_DATE_INVALID) +
                ", \"https://x\", object, object"),
      Row<&S::on_plugin_crashed>(browser(), Need(Text("/p.so")))
          .Sees("object, \"/p.so\""),
      Row<&S::on_render_view_ready>(browser()),
      Row<&S::on_render_process_terminated>(browser(),
                                            Value(TS_PROCESS_CRASHED))
          .Sees("object, 2"),
  });
}

TEST_F(HandlerAdaptersTest, RequestContextHandlerEveryMember) {
  typedef cef_request_context_handler_t S;
  walk::WalkAdapter<CefRequestContextHandlerAdapter,
                    RecordingRequestContextHandler>({
      Row<&S::get_cookie_manager>(),
      Row<&S::on_before_plugin_load>(
          Need(Text("application/pdf")), Text("u"), Text(""),
          Need(Object<cef_web_plugin_info_t>()),
          Need(Slot<cef_plugin_policy_t>(PLUGIN_POLICY_DETECT_IMPORTANT)))
          .Sees("\"application/pdf\", \"u\", \"\", object, 1"),
  });
}

// ---------------------------------------------------------------------------
// One-shot callbacks and visitors.

class RecordingCompletion : public CefCompletionCallback,
                            public walk::Recording {
 public:
  void OnComplete() override { Noted(0); }
  IMPLEMENT_REFCOUNTING(RecordingCompletion);
};

class RecordingDeleteCookies : public CefDeleteCookiesCallback,
                               public walk::Recording {
 public:
  void OnComplete(int num_deleted) override { Noted(0, num_deleted); }
  IMPLEMENT_REFCOUNTING(RecordingDeleteCookies);
};

class RecordingEndTracing : public CefEndTracingCallback,
                            public walk::Recording {
 public:
  void OnEndTracingComplete(const CefString& tracing_file) override {
    Noted(0, tracing_file);
  }
  IMPLEMENT_REFCOUNTING(RecordingEndTracing);
};

class RecordingGetGeolocation : public CefGetGeolocationCallback,
                                public walk::Recording {
 public:
  void OnLocationUpdate(const CefGeoposition& position) override {
    Noted(0, position.latitude, CefString(&position.error_message));
  }
  IMPLEMENT_REFCOUNTING(RecordingGetGeolocation);
};

class RecordingPdfPrint : public CefPdfPrintCallback, public walk::Recording {
 public:
  void OnPdfPrintFinished(const CefString& path, bool ok) override {
    Noted(0, path, ok);
  }
  IMPLEMENT_REFCOUNTING(RecordingPdfPrint);
};

class RecordingResolve : public CefResolveCallback, public walk::Recording {
 public:
  void OnResolveCompleted(cef_errorcode_t result,
                          const EmbedStringVector& resolved_ips) override {
    Noted(0, result, resolved_ips);
  }
  IMPLEMENT_REFCOUNTING(RecordingResolve);
};

class RecordingRunFileDialog : public CefRunFileDialogCallback,
                               public walk::Recording {
 public:
  void OnFileDialogDismissed(int selected_accept_filter,
                             const EmbedStringVector& file_paths) override {
    Noted(0, selected_accept_filter, file_paths);
  }
  IMPLEMENT_REFCOUNTING(RecordingRunFileDialog);
};

class RecordingSetCookie : public CefSetCookieCallback, public walk::Recording {
 public:
  void OnComplete(bool success) override { Noted(0, success); }
  IMPLEMENT_REFCOUNTING(RecordingSetCookie);
};

class RecordingPluginUnstable : public CefWebPluginUnstableCallback,
                                public walk::Recording {
 public:
  void IsUnstable(const CefString& path, bool unstable) override {
    Noted(0, path, unstable);
  }
  IMPLEMENT_REFCOUNTING(RecordingPluginUnstable);
};

class RecordingCookieVisitor : public CefCookieVisitor, public walk::Recording {
 public:
  bool Visit(const CefCookie& cookie, int count, int total,
             bool& deleteCookie) override {
    Noted(0, CefString(&cookie.name), count, total, deleteCookie);
    deleteCookie = !deleteCookie;
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingCookieVisitor);
};

class RecordingDOMVisitor : public CefDOMVisitor, public walk::Recording {
 public:
  void Visit(CefRefPtr<CefDOMDocument> document) override {
    Noted(0, document);
  }
  IMPLEMENT_REFCOUNTING(RecordingDOMVisitor);
};

class RecordingNavigationVisitor : public CefNavigationEntryVisitor,
                                   public walk::Recording {
 public:
  bool Visit(CefRefPtr<CefNavigationEntry> entry, bool current, int index,
             int total) override {
    Noted(0, entry, current, index, total);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingNavigationVisitor);
};

class RecordingStringVisitor : public CefStringVisitor, public walk::Recording {
 public:
  void Visit(const CefString& string) override { Noted(0, string); }
  IMPLEMENT_REFCOUNTING(RecordingStringVisitor);
};

class RecordingPluginVisitor : public CefWebPluginInfoVisitor,
                               public walk::Recording {
 public:
  bool Visit(CefRefPtr<CefWebPluginInfo> info, int count, int total) override {
    Noted(0, info, count, total);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingPluginVisitor);
};

class RecordingWriteHandler : public CefWriteHandler, public walk::Recording {
 public:
  size_t Write(const void* ptr, size_t size, size_t n) override {
    Noted(0, ptr, size, n);
    return Reply<size_t>();
  }
  int Seek(int64_t offset, int whence) override {
    Noted(1, offset, whence);
    return Reply<int>();
  }
  int64_t Tell() override {
    Noted(2);
    return Reply<int64_t>();
  }
  int Flush() override {
    Noted(3);
    return Reply<int>();
  }
  bool MayBlock() override {
    Noted(4);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingWriteHandler);
};

TEST_F(HandlerAdaptersTest, CallbacksEveryMember) {
  walk::WalkAdapter<CefCompletionCallbackAdapter, RecordingCompletion>({
      Row<&cef_completion_callback_t::on_complete>(),
  });
  walk::WalkAdapter<CefDeleteCookiesCallbackAdapter, RecordingDeleteCookies>({
      // -1 is the library's "unknown", not an index: it must get through.
      Row<&cef_delete_cookies_callback_t::on_complete>(Value(-1)).Sees("-1"),
  });
  walk::WalkAdapter<CefEndTracingCallbackAdapter, RecordingEndTracing>({
      Row<&cef_end_tracing_callback_t::on_end_tracing_complete>(
          Need(Text("/tmp/trace.json")))
          .Sees("\"/tmp/trace.json\""),
  });
  cef_geoposition_t position{};
  position.latitude = 51.5;
  walk::WalkAdapter<CefGetGeolocationCallbackAdapter, RecordingGetGeolocation>({
      Row<&cef_get_geolocation_callback_t::on_location_update>(
          Need(Slot<cef_geoposition_t>(position)))
          .Sees("51.5, \"\""),
  });
  walk::WalkAdapter<CefPdfPrintCallbackAdapter, RecordingPdfPrint>({
      Row<&cef_pdf_print_callback_t::on_pdf_print_finished>(
          Need(Text("/tmp/a.pdf")), Value(1))
          .Sees("\"/tmp/a.pdf\", true"),
  });
  walk::WalkAdapter<CefResolveCallbackAdapter, RecordingResolve>({
      Row<&cef_resolve_callback_t::on_resolve_completed>(
          Value(ERR_NONE), List({"10.0.0.1", "::1"}))
          .Sees("0, [\"10.0.0.1\",\"::1\"]"),
  });
  walk::WalkAdapter<CefRunFileDialogCallbackAdapter, RecordingRunFileDialog>({
      Row<&cef_run_file_dialog_callback_t::on_file_dialog_dismissed>(
          Neg(Value(0)), List({"/a", "/b"}))
          .Sees("0, [\"/a\",\"/b\"]"),
  });
  walk::WalkAdapter<CefSetCookieCallbackAdapter, RecordingSetCookie>({
      Row<&cef_set_cookie_callback_t::on_complete>(Value(2)).Sees("true"),
  });
  walk::WalkAdapter<CefWebPluginUnstableCallbackAdapter,
                    RecordingPluginUnstable>({
      Row<&cef_web_plugin_unstable_callback_t::is_unstable>(Need(Text("/p.so")),
                                                            Value(0))
          .Sees("\"/p.so\", false"),
  });
}

TEST_F(HandlerAdaptersTest, VisitorsAndWriterEveryMember) {
  cef_cookie_t cookie{};
  CefString cookie_name(&cookie.name);
  cookie_name = "sid";
  walk::WalkAdapter<CefCookieVisitorAdapter, RecordingCookieVisitor>({
      Row<&cef_cookie_visitor_t::visit>(Need(Slot<cef_cookie_t>(cookie)),
                                        Value(2), Value(5), Need(Slot<int>(0)))
          .Sees("\"sid\", 2, 5, false"),
  });
  cef_string_utf16_clear(&cookie.name);
  walk::WalkAdapter<CefDOMVisitorAdapter, RecordingDOMVisitor>({
      Row<&cef_domvisitor_t::visit>(Need(Object<cef_domdocument_t>()))
          .Sees("object"),
  });
  walk::WalkAdapter<CefNavigationEntryVisitorAdapter,
                    RecordingNavigationVisitor>({
      Row<&cef_navigation_entry_visitor_t::visit>(
          Need(Object<cef_navigation_entry_t>()), Value(1), Value(3), Value(4))
          .Sees("object, true, 3, 4"),
  });
  walk::WalkAdapter<CefStringVisitorAdapter, RecordingStringVisitor>({
      Row<&cef_string_visitor_t::visit>(Text("<html>")).Sees("\"<html>\""),
  });
  walk::WalkAdapter<CefWebPluginInfoVisitorAdapter, RecordingPluginVisitor>({
      Row<&cef_web_plugin_info_visitor_t::visit>(
          Need(Object<cef_web_plugin_info_t>()), Value(0), Value(1))
          .Sees("object, 0, 1"),
  });
  typedef cef_write_handler_t W;
  walk::WalkAdapter<CefWriteHandlerAdapter, RecordingWriteHandler>({
      Row<&W::write>(Need(Slot<char>('x')), Value<size_t>(1), Value<size_t>(9))
          .Sees("ptr, 1, 9"),
      Row<&W::seek>(Value<int64_t>(-(int64_t{1} << 33)), Value(SEEK_END))
          .Sees("-8589934592, " + std::to_string(SEEK_END)),
      Row<&W::tell>(),
      Row<&W::flush>(),
      Row<&W::may_block>(),
  });
}

// ---------------------------------------------------------------------------
// What the walk does not prove: out-values written back, and only when the
// handler was reached; objects returned by a handler.

TEST_F(HandlerAdaptersTest, OutValuesComeBackOnlyFromAReachedHandler) {
  struct Case {
    const char* name;
    std::function<int(int* out, bool complete)> call;
  };
  CefRefPtr<RecordingJSDialog> dialogs = new RecordingJSDialog();
  CefRefPtr<RecordingRequestHandler> requests = new RecordingRequestHandler();
  CefRefPtr<RecordingCookieVisitor> cookies = new RecordingCookieVisitor();
  cef_jsdialog_handler_t* dialog = CefJSDialogHandlerAdapter::Wrap(dialogs);
  cef_request_handler_t* request = CefRequestHandlerAdapter::Wrap(requests);
  cef_cookie_visitor_t* visitor = CefCookieVisitorAdapter::Wrap(cookies);
  CefString url("mailto:x");
  cef_cookie_t cookie{};
  const Case cases[] = {
      {"suppress_message",
       [&](int* out, bool complete) {
         // Only a complete call carries a callback.
         return dialog->on_jsdialog(
             dialog, fake::NewObject<cef_browser_t>(), nullptr, nullptr,
             JSDIALOGTYPE_ALERT, nullptr, nullptr,
             complete ? fake::NewObject<cef_jsdialog_callback_t>() : nullptr,
             out);
       }},
      {"allow_os_execution",
       [&](int* out, bool complete) {
         request->on_protocol_execution(request,
                                        fake::NewObject<cef_browser_t>(),
                                        complete ? url.Record() : nullptr, out);
         return 0;
       }},
      {"deleteCookie",
       [&](int* out, bool complete) {
         return visitor->visit(visitor, complete ? &cookie : nullptr, 0, 1,
                               out);
       }},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.name);
    // Each handler flips the value it is given.
    for (int initial : {0, 1}) {
      int out = initial;
      each.call(&out, true);
      EXPECT_EQ(out, initial ? 0 : 1);
    }
    int untouched = 5;
    EXPECT_EQ(each.call(&untouched, false), 0);
    EXPECT_EQ(untouched, 5) << "written although the handler was not reached";
  }
  BaseOf(dialog)->release(BaseOf(dialog));
  BaseOf(request)->release(BaseOf(request));
  BaseOf(visitor)->release(BaseOf(visitor));
}

// A cookie reaches the handler as a holder over the library's text, not a
// copy of it; the other fields are copied.
TEST_F(HandlerAdaptersTest, CookieHolderRefersToTheLibrarysText) {
  class Peeking : public CefCookieVisitor {
   public:
    bool Visit(const CefCookie& cookie, int, int, bool&) override {
      name_units = cookie.name.str;
      path_units = cookie.path.str;
      name = CefString(&cookie.name).ToUtf8();
      secure = cookie.secure;
      return true;
    }
    const char16* name_units = nullptr;
    const char16* path_units = nullptr;
    std::string name;
    int secure = 0;
    IMPLEMENT_REFCOUNTING(Peeking);
  };
  CefRefPtr<Peeking> peeking = new Peeking();
  cef_cookie_visitor_t* visitor = CefCookieVisitorAdapter::Wrap(peeking);
  CefCookie cookie;
  CefString(&cookie.name) = "session";
  CefString(&cookie.path) = "/quillbook";
  cookie.secure = 1;
  int delete_cookie = 0;
  EXPECT_EQ(visitor->visit(visitor, &cookie.Get(), 0, 1, &delete_cookie), 1);
  EXPECT_EQ(peeking->name_units, cookie.name.str);
  EXPECT_EQ(peeking->path_units, cookie.path.str);
  EXPECT_EQ(peeking->name, "session");
  EXPECT_EQ(peeking->secure, 1);
  BaseOf(visitor)->release(BaseOf(visitor));
}

TEST_F(HandlerAdaptersTest, RedirectUrlLandsInTheLibrarysRecord) {
  class Redirecting : public CefRequestHandler {
   public:
    void OnResourceRedirect(Browser, Frame, Request,
                            CefString& new_url) override {
      seen = new_url.ToUtf8();
      new_url = "https://elsewhere.test/";
    }
    std::string seen;
    IMPLEMENT_REFCOUNTING(Redirecting);
  };
  CefRefPtr<Redirecting> handler = new Redirecting();
  cef_request_handler_t* structure = CefRequestHandlerAdapter::Wrap(handler);
  cef_string_t new_url{};
  CefString new_url_view(&new_url);
  new_url_view = "https://first.test/";
  structure->on_resource_redirect(structure, fake::NewObject<cef_browser_t>(),
                                  fake::NewObject<cef_frame_t>(),
                                  fake::NewObject<cef_request_t>(), &new_url);
  EXPECT_EQ(handler->seen, "https://first.test/");
  EXPECT_EQ(CefString(&new_url).ToUtf8(), "https://elsewhere.test/");
  cef_string_utf16_clear(&new_url);
  BaseOf(structure)->release(BaseOf(structure));
}

TEST_F(HandlerAdaptersTest, PluginPolicyIsWrittenThroughDirectly) {
  CefRefPtr<RecordingRequestContextHandler> handler =
      new RecordingRequestContextHandler();
  cef_request_context_handler_t* structure =
      CefRequestContextHandlerAdapter::Wrap(handler);
  CefString mime("application/pdf");
  cef_plugin_policy_t policy = PLUGIN_POLICY_ALLOW;
  EXPECT_EQ(structure->on_before_plugin_load(
                structure, mime.Record(), nullptr, nullptr,
                fake::NewObject<cef_web_plugin_info_t>(), &policy),
            1);
  EXPECT_EQ(policy, PLUGIN_POLICY_BLOCK);
  BaseOf(structure)->release(BaseOf(structure));
}

TEST_F(HandlerAdaptersTest, CookieManagerTravelsWithOneLibraryReference) {
  class Holding : public CefRequestContextHandler {
   public:
    CefRefPtr<CefCookieManager> GetCookieManager() override { return kept; }
    CefRefPtr<CefCookieManager> kept;
    IMPLEMENT_REFCOUNTING(Holding);
  };
  CefRefPtr<Holding> handler = new Holding();
  cef_request_context_handler_t* structure =
      CefRequestContextHandlerAdapter::Wrap(handler);
  EXPECT_EQ(structure->get_cookie_manager(structure), nullptr);

  cef_cookie_manager_t* manager = fake::NewObject<cef_cookie_manager_t>();
  handler->kept = Bridge<CefCookieManager>::FromLibrary(manager);
  ASSERT_EQ(fake::RefsOf(manager), 1);
  cef_cookie_manager_t* returned = structure->get_cookie_manager(structure);
  EXPECT_EQ(returned, manager);
  EXPECT_EQ(fake::RefsOf(manager), 2) << "one for the proxy, one travelling";
  BaseOf(returned)->release(BaseOf(returned));
  handler->kept = nullptr;
  EXPECT_EQ(fake::RefsOf(manager), 0);
  BaseOf(structure)->release(BaseOf(structure));
}

TEST_F(HandlerAdaptersTest, RequestContextHandlerComesBackAsItself) {
  CefRefPtr<RecordingRequestContextHandler> handler =
      new RecordingRequestContextHandler();
  cef_request_context_handler_t* structure =
      Bridge<CefRequestContextHandler>::ToLibrary(handler);
  EXPECT_FALSE(handler->HasOneRef());
  CefRefPtr<CefRequestContextHandler> back =
      Bridge<CefRequestContextHandler>::FromLibrary(structure);
  EXPECT_EQ(back.get(), handler.get());
  back = nullptr;
  EXPECT_TRUE(handler->HasOneRef()) << "the travelling reference was kept";
  EXPECT_FALSE(Bridge<CefRequestContextHandler>::FromLibrary(nullptr).get());
}

TEST_F(HandlerAdaptersTest, HandlersReturnedByTheRequestHandlerAreWrapped) {
  class Giving : public CefRequestHandler {
   public:
    CefRefPtr<CefResourceHandler> GetResourceHandler(Browser, Frame,
                                                     Request) override {
      return resource;
    }
    CefRefPtr<CefResponseFilter> GetResourceResponseFilter(Browser, Frame,
                                                           Request,
                                                           Response) override {
      return filter;
    }
    CefRefPtr<CefResourceHandler> resource =
        new walk::Counted<CefResourceHandler>();
    CefRefPtr<CefResponseFilter> filter =
        new walk::Counted<CefResponseFilter>();
    IMPLEMENT_REFCOUNTING(Giving);
  };
  CefRefPtr<Giving> handler = new Giving();
  cef_request_handler_t* structure = CefRequestHandlerAdapter::Wrap(handler);
  cef_resource_handler_t* resource = structure->get_resource_handler(
      structure, fake::NewObject<cef_browser_t>(),
      fake::NewObject<cef_frame_t>(), fake::NewObject<cef_request_t>());
  ASSERT_NE(resource, nullptr);
  EXPECT_FALSE(handler->resource->HasOneRef()) << "the library holds one";
  BaseOf(resource)->release(BaseOf(resource));
  EXPECT_TRUE(handler->resource->HasOneRef());

  cef_response_filter_t* filter = structure->get_resource_response_filter(
      structure, fake::NewObject<cef_browser_t>(),
      fake::NewObject<cef_frame_t>(), fake::NewObject<cef_request_t>(),
      fake::NewObject<cef_response_t>());
  ASSERT_NE(filter, nullptr);
  BaseOf(filter)->release(BaseOf(filter));
  EXPECT_TRUE(handler->filter->HasOneRef());

  handler->resource = nullptr;
  EXPECT_EQ(structure->get_resource_handler(structure,
                                            fake::NewObject<cef_browser_t>(),
                                            fake::NewObject<cef_frame_t>(),
                                            fake::NewObject<cef_request_t>()),
            nullptr);
  BaseOf(structure)->release(BaseOf(structure));
}

}  // namespace
