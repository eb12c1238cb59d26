#include <cstring>
#include <string>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_client.h"
#include "include/cef_command_line.h"
#include "include/cef_context_menu.h"
#include "include/cef_dom.h"
#include "include/cef_download_item.h"
#include "include/cef_frame.h"
#include "include/cef_print_handler.h"
#include "include/cef_print_settings.h"
#include "include/cef_scheme.h"
#include "include/cef_process_message.h"
#include "include/cef_request.h"
#include "include/cef_v8.h"
#include "include/cef_values.h"
#include "libcef_dll/adapters/app_adapter.h"
#include "libcef_dll/adapters/browser_process_handler_adapter.h"
#include "libcef_dll/adapters/client_adapter.h"
#include "libcef_dll/adapters/context_menu_handler_adapter.h"
#include "libcef_dll/adapters/display_handler_adapter.h"
#include "libcef_dll/adapters/download_handler_adapter.h"
#include "libcef_dll/adapters/keyboard_handler_adapter.h"
#include "libcef_dll/adapters/life_span_handler_adapter.h"
#include "libcef_dll/adapters/load_handler_adapter.h"
#include "libcef_dll/adapters/print_handler_adapter.h"
#include "libcef_dll/adapters/render_process_handler_adapter.h"
#include "libcef_dll/adapters/resource_bundle_handler_adapter.h"
#include "tests/support/member_walk.h"

namespace {

using walk::List;
using walk::Need;
using walk::Object;
using walk::Reply;
using walk::Row;
using walk::Slot;
using walk::Text;
using walk::Value;

typedef CefRefPtr<CefBrowser> Browser;
typedef CefRefPtr<CefFrame> Frame;
typedef CefRefPtr<CefContextMenuParams> Params;
typedef CefRefPtr<CefMenuModel> Model;
typedef CefRefPtr<CefV8Context> Context;

const cef_string_t* const kNoText = nullptr;

class ClientAdaptersTest : public fake::LedgerTest {};

// ---------------------------------------------------------------------------
// Browser handlers.

class RecordingContextMenu : public CefContextMenuHandler,
                             public walk::Recording {
 public:
  void OnBeforeContextMenu(Browser browser, Frame frame, Params params,
                           Model model) override {
    Noted(0, browser, frame, params, model);
  }
  bool RunContextMenu(Browser browser, Frame frame, Params params, Model model,
                      CefRefPtr<CefRunContextMenuCallback> callback) override {
    Noted(1, browser, frame, params, model, callback);
    return Reply<bool>();
  }
  bool OnContextMenuCommand(Browser browser, Frame frame, Params params,
                            int command_id, EventFlags event_flags) override {
    Noted(2, browser, frame, params, command_id, event_flags);
    return Reply<bool>();
  }
  void OnContextMenuDismissed(Browser browser, Frame frame) override {
    Noted(3, browser, frame);
  }
  IMPLEMENT_REFCOUNTING(RecordingContextMenu);
};

class RecordingDisplay : public CefDisplayHandler, public walk::Recording {
 public:
  void OnAddressChange(Browser browser, Frame frame,
                       const CefString& url) override {
    Noted(0, browser, frame, url);
  }
  void OnTitleChange(Browser browser, const CefString& title) override {
    Noted(1, browser, title);
  }
  void OnFaviconURLChange(Browser browser,
                          const EmbedStringVector& icon_urls) override {
    Noted(2, browser, icon_urls);
  }
  void OnFullscreenModeChange(Browser browser, bool fullscreen) override {
    Noted(3, browser, fullscreen);
  }
  bool OnTooltip(Browser browser, CefString& text) override {
    Noted(4, browser, text);
    if (!rewrite.empty()) text = rewrite;
    return Reply<bool>();
  }
  void OnStatusMessage(Browser browser, const CefString& value) override {
    Noted(5, browser, value);
  }
  bool OnConsoleMessage(Browser browser, const CefString& message,
                        const CefString& source, int line) override {
    Noted(6, browser, message, source, line);
    return Reply<bool>();
  }
  std::string rewrite;
  IMPLEMENT_REFCOUNTING(RecordingDisplay);
};

class RecordingDownload : public CefDownloadHandler, public walk::Recording {
 public:
  void OnBeforeDownload(Browser browser,
                        CefRefPtr<CefDownloadItem> download_item,
                        const CefString& suggested_name,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override {
    Noted(0, browser, download_item, suggested_name, callback);
  }
  void OnDownloadUpdated(Browser browser,
                         CefRefPtr<CefDownloadItem> download_item,
                         CefRefPtr<CefDownloadItemCallback> callback) override {
    Noted(1, browser, download_item, callback);
  }
  IMPLEMENT_REFCOUNTING(RecordingDownload);
};

class RecordingKeyboard : public CefKeyboardHandler, public walk::Recording {
 public:
  bool OnPreKeyEvent(Browser browser, const CefKeyEvent& event,
                     cef_event_handle_t os_event,
                     bool& is_keyboard_shortcut) override {
    Noted(0, browser, event.windows_key_code, os_event, is_keyboard_shortcut);
    return Reply<bool>();
  }
  bool OnKeyEvent(Browser browser, const CefKeyEvent& event,
                  cef_event_handle_t os_event) override {
    Noted(1, browser, event.windows_key_code, os_event);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingKeyboard);
};

class RecordingLifeSpan : public CefLifeSpanHandler, public walk::Recording {
 public:
  bool OnBeforePopup(Browser browser, Frame frame, const CefString& target_url,
                     const CefString& target_frame_name,
                     WindowOpenDisposition target_disposition,
                     bool user_gesture, const CefPopupFeatures& popupFeatures,
                     CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings,
                     bool& no_javascript_access) override {
    Noted(0, browser, frame, target_url, target_frame_name, target_disposition,
          user_gesture, popupFeatures.x, windowInfo.width, client,
          settings.default_font_size, no_javascript_access);
    return Reply<bool>();
  }
  void OnAfterCreated(Browser browser) override { Noted(1, browser); }
  bool RunModal(Browser browser) override {
    Noted(2, browser);
    return Reply<bool>();
  }
  bool DoClose(Browser browser) override {
    Noted(3, browser);
    return Reply<bool>();
  }
  void OnBeforeClose(Browser browser) override { Noted(4, browser); }
  IMPLEMENT_REFCOUNTING(RecordingLifeSpan);
};

class RecordingLoad : public CefLoadHandler, public walk::Recording {
 public:
  void OnLoadingStateChange(Browser browser, bool isLoading, bool canGoBack,
                            bool canGoForward) override {
    Noted(0, browser, isLoading, canGoBack, canGoForward);
  }
  void OnLoadStart(Browser browser, Frame frame) override {
    Noted(1, browser, frame);
  }
  void OnLoadEnd(Browser browser, Frame frame, int httpStatusCode) override {
    Noted(2, browser, frame, httpStatusCode);
  }
  void OnLoadError(Browser browser, Frame frame, ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override {
    Noted(3, browser, frame, errorCode, errorText, failedUrl);
  }
  IMPLEMENT_REFCOUNTING(RecordingLoad);
};

class RecordingClient : public CefClient, public walk::Recording {
 public:
  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override {
    Noted(0);
    return Reply<CefRefPtr<CefContextMenuHandler>>();
  }
  CefRefPtr<CefDialogHandler> GetDialogHandler() override {
    Noted(1);
    return Reply<CefRefPtr<CefDialogHandler>>();
  }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override {
    Noted(2);
    return Reply<CefRefPtr<CefDisplayHandler>>();
  }
  // The interface has no default for downloads, so a counting stand-in
  // cannot be made for it.
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override {
    Noted(3);
    return new RecordingDownload();
  }
  CefRefPtr<CefDragHandler> GetDragHandler() override {
    Noted(4);
    return Reply<CefRefPtr<CefDragHandler>>();
  }
  CefRefPtr<CefFindHandler> GetFindHandler() override {
    Noted(5);
    return Reply<CefRefPtr<CefFindHandler>>();
  }
  CefRefPtr<CefFocusHandler> GetFocusHandler() override {
    Noted(6);
    return Reply<CefRefPtr<CefFocusHandler>>();
  }
  CefRefPtr<CefGeolocationHandler> GetGeolocationHandler() override {
    Noted(7);
    return Reply<CefRefPtr<CefGeolocationHandler>>();
  }
  CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() override {
    Noted(8);
    return Reply<CefRefPtr<CefJSDialogHandler>>();
  }
  CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() override {
    Noted(9);
    return Reply<CefRefPtr<CefKeyboardHandler>>();
  }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override {
    Noted(10);
    return Reply<CefRefPtr<CefLifeSpanHandler>>();
  }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override {
    Noted(11);
    return Reply<CefRefPtr<CefLoadHandler>>();
  }
  CefRefPtr<CefRenderHandler> GetRenderHandler() override {
    Noted(12);
    return Reply<CefRefPtr<CefRenderHandler>>();
  }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override {
    Noted(13);
    return Reply<CefRefPtr<CefRequestHandler>>();
  }
  bool OnProcessMessageReceived(
      Browser browser, cef_process_id_t source_process,
      CefRefPtr<CefProcessMessage> message) override {
    Noted(14, browser, source_process, message);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingClient);
};

TEST_F(ClientAdaptersTest, ClientEveryMember) {
  typedef cef_client_t S;
  walk::WalkAdapter<CefClientAdapter, RecordingClient>({
      Row<&S::get_context_menu_handler>(),
      Row<&S::get_dialog_handler>(),
      Row<&S::get_display_handler>(),
      Row<&S::get_download_handler>(),
      Row<&S::get_drag_handler>(),
      Row<&S::get_find_handler>(),
      Row<&S::get_focus_handler>(),
      Row<&S::get_geolocation_handler>(),
      Row<&S::get_jsdialog_handler>(),
      Row<&S::get_keyboard_handler>(),
      Row<&S::get_life_span_handler>(),
      Row<&S::get_load_handler>(),
      Row<&S::get_render_handler>(),
      Row<&S::get_request_handler>(),
      Row<&S::on_process_message_received>(Need(Object<cef_browser_t>()),
                                           Value(PID_RENDERER),
                                           Need(Object<cef_process_message_t>()))
          .Sees("object, 1, object"),
  });
}

TEST_F(ClientAdaptersTest, ContextMenuHandlerEveryMember) {
  typedef cef_context_menu_handler_t S;
  walk::WalkAdapter<CefContextMenuHandlerAdapter, RecordingContextMenu>({
      Row<&S::on_before_context_menu>(
          Need(Object<cef_browser_t>()), Need(Object<cef_frame_t>()),
          Need(Object<cef_context_menu_params_t>()),
          Need(Object<cef_menu_model_t>()))
          .Sees("object, object, object, object"),
      Row<&S::run_context_menu>(
          Need(Object<cef_browser_t>()), Need(Object<cef_frame_t>()),
          Need(Object<cef_context_menu_params_t>()),
          Need(Object<cef_menu_model_t>()),
          Need(Object<cef_run_context_menu_callback_t>())),
      Row<&S::on_context_menu_command>(
          Need(Object<cef_browser_t>()), Need(Object<cef_frame_t>()),
          Need(Object<cef_context_menu_params_t>()), Value(26500),
          Value(EVENTFLAG_SHIFT_DOWN))
          .Sees("object, object, object, 26500, 2"),
      Row<&S::on_context_menu_dismissed>(Need(Object<cef_browser_t>()),
                                         Need(Object<cef_frame_t>())),
  });
}

TEST_F(ClientAdaptersTest, DisplayHandlerEveryMember) {
  typedef cef_display_handler_t S;
  walk::WalkAdapter<CefDisplayHandlerAdapter, RecordingDisplay>({
      Row<&S::on_address_change>(Need(Object<cef_browser_t>()),
                                 Need(Object<cef_frame_t>()),
                                 Need(Text("http://a/")))
          .Sees("object, object, \"http://a/\""),
      Row<&S::on_title_change>(Need(Object<cef_browser_t>()), Text("Title"))
          .Sees("object, \"Title\""),
      Row<&S::on_favicon_urlchange>(Need(Object<cef_browser_t>()),
                                    List({"a.ico", "b.ico"}))
          .Sees("object, [\"a.ico\",\"b.ico\"]"),
      Row<&S::on_fullscreen_mode_change>(Need(Object<cef_browser_t>()),
                                         Value(2))
          .Sees("object, true"),
      Row<&S::on_tooltip>(Need(Object<cef_browser_t>()), Text("tip"))
          .Sees("object, \"tip\""),
      Row<&S::on_status_message>(Need(Object<cef_browser_t>()), Value(kNoText))
          .Sees("object, \"\""),
      Row<&S::on_console_message>(Need(Object<cef_browser_t>()), Text("m"),
                                  Text("s.js"), Value(12))
          .Sees("object, \"m\", \"s.js\", 12"),
  });
}

TEST_F(ClientAdaptersTest, DownloadHandlerEveryMember) {
  typedef cef_download_handler_t S;
  walk::WalkAdapter<CefDownloadHandlerAdapter, RecordingDownload>({
      Row<&S::on_before_download>(Need(Object<cef_browser_t>()),
                                  Need(Object<cef_download_item_t>()),
                                  Need(Text("a.zip")),
                                  Need(Object<cef_before_download_callback_t>()))
          .Sees("object, object, \"a.zip\", object"),
      Row<&S::on_download_updated>(
          Need(Object<cef_browser_t>()), Need(Object<cef_download_item_t>()),
          Need(Object<cef_download_item_callback_t>())),
  });
}

TEST_F(ClientAdaptersTest, KeyboardHandlerEveryMember) {
  typedef cef_keyboard_handler_t S;
  cef_key_event_t key{};
  key.windows_key_code = 0x74;
  walk::WalkAdapter<CefKeyboardHandlerAdapter, RecordingKeyboard>({
      Row<&S::on_pre_key_event>(Need(Object<cef_browser_t>()),
                                Need(Slot<cef_key_event_t>(key)),
                                Value(cef_event_handle_t()),
                                Need(Slot<int>(5)))
          .Sees("object, 116, null, true"),
      Row<&S::on_key_event>(Need(Object<cef_browser_t>()),
                            Need(Slot<cef_key_event_t>(key)),
                            Value(cef_event_handle_t()))
          .Sees("object, 116, null"),
  });
}

TEST_F(ClientAdaptersTest, LifeSpanHandlerEveryMember) {
  typedef cef_life_span_handler_t S;
  cef_popup_features_t features{};
  features.x = 40;
  cef_window_info_t window{};
  window.width = 800;
  cef_browser_settings_t settings{};
  settings.size = sizeof(settings);
  settings.default_font_size = 16;
  walk::WalkAdapter<CefLifeSpanHandlerAdapter, RecordingLifeSpan>({
      Row<&S::on_before_popup>(
          Need(Object<cef_browser_t>()), Need(Object<cef_frame_t>()),
          Text("http://p/"), Value(kNoText), Value(WOD_NEW_FOREGROUND_TAB),
          Value(1), Need(Slot<cef_popup_features_t>(features)),
          Need(Slot<cef_window_info_t>(window)), Need(Slot<cef_client_t*>()),
          Need(Slot<cef_browser_settings_t>(settings)), Need(Slot<int>(0)))
          .Sees("object, object, \"http://p/\", \"\", 3, true, 40, 800, null, "
                "16, false"),
      Row<&S::on_after_created>(Need(Object<cef_browser_t>())),
      Row<&S::run_modal>(Need(Object<cef_browser_t>())),
      Row<&S::do_close>(Need(Object<cef_browser_t>())).Sees("object"),
      Row<&S::on_before_close>(Need(Object<cef_browser_t>())),
  });
}

TEST_F(ClientAdaptersTest, LoadHandlerEveryMember) {
  typedef cef_load_handler_t S;
  walk::WalkAdapter<CefLoadHandlerAdapter, RecordingLoad>({
      Row<&S::on_loading_state_change>(Need(Object<cef_browser_t>()),
                                       Value(1), Value(0), Value(-1))
          .Sees("object, true, false, true"),
      Row<&S::on_load_start>(Need(Object<cef_browser_t>()),
                             Need(Object<cef_frame_t>())),
      Row<&S::on_load_end>(Need(Object<cef_browser_t>()),
                           Need(Object<cef_frame_t>()), Value(200))
          .Sees("object, object, 200"),
      // A missing error text is an empty one; the failed URL is required.
      Row<&S::on_load_error>(Need(Object<cef_browser_t>()),
                             Need(Object<cef_frame_t>()), Value(ERR_FAILED),
                             Value(kNoText), Need(Text("http://x/")))
          .Sees("object, object, -2, \"\", \"http://x/\""),
  });
}

// ---------------------------------------------------------------------------
// Process-level handlers.

class RecordingRenderProcess : public CefRenderProcessHandler,
                               public walk::Recording {
 public:
  void OnRenderThreadCreated(CefRefPtr<CefListValue> extra_info) override {
    Noted(0, extra_info);
  }
  void OnWebKitInitialized() override { Noted(1); }
  void OnBrowserCreated(Browser browser) override { Noted(2, browser); }
  void OnBrowserDestroyed(Browser browser) override { Noted(3, browser); }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override {
    Noted(4);
    return Reply<CefRefPtr<CefLoadHandler>>();
  }
  bool OnBeforeNavigation(Browser browser, Frame frame,
                          CefRefPtr<CefRequest> request,
                          NavigationType navigation_type,
                          bool is_redirect) override {
    Noted(5, browser, frame, request, navigation_type, is_redirect);
    return Reply<bool>();
  }
  void OnContextCreated(Browser browser, Frame frame,
                        Context context) override {
    Noted(6, browser, frame, context);
  }
  void OnContextReleased(Browser browser, Frame frame,
                         Context context) override {
    Noted(7, browser, frame, context);
  }
  void OnUncaughtException(Browser browser, Frame frame, Context context,
                           CefRefPtr<CefV8Exception> exception,
                           CefRefPtr<CefV8StackTrace> stackTrace) override {
    Noted(8, browser, frame, context, exception, stackTrace);
  }
  void OnFocusedNodeChanged(Browser browser, Frame frame,
                            CefRefPtr<CefDOMNode> node) override {
    Noted(9, browser, frame, node);
  }
  bool OnProcessMessageReceived(
      Browser browser, cef_process_id_t source_process,
      CefRefPtr<CefProcessMessage> message) override {
    Noted(10, browser, source_process, message);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingRenderProcess);
};

class RecordingResourceBundle : public CefResourceBundleHandler,
                                public walk::Recording {
 public:
  bool GetLocalizedString(int string_id, CefString& string) override {
    Noted(0, string_id, string);
    return Reply<bool>();
  }
  bool GetDataResource(int resource_id, void*& data,
                       size_t& data_size) override {
    Noted(1, resource_id, data, data_size);
    return Reply<bool>();
  }
  bool GetDataResourceForScale(int resource_id, ScaleFactor scale_factor,
                               void*& data, size_t& data_size) override {
    Noted(2, resource_id, scale_factor, data, data_size);
    return Reply<bool>();
  }
  IMPLEMENT_REFCOUNTING(RecordingResourceBundle);
};

class RecordingPrint : public CefPrintHandler, public walk::Recording {
 public:
  void OnPrintStart(Browser browser) override { Noted(0, browser); }
  void OnPrintSettings(CefRefPtr<CefPrintSettings> settings,
                       bool get_defaults) override {
    Noted(1, settings, get_defaults);
  }
  bool OnPrintDialog(bool has_selection,
                     CefRefPtr<CefPrintDialogCallback> callback) override {
    Noted(2, has_selection, callback);
    return Reply<bool>();
  }
  bool OnPrintJob(const CefString& document_name,
                  const CefString& pdf_file_path,
                  CefRefPtr<CefPrintJobCallback> callback) override {
    Noted(3, document_name, pdf_file_path, callback);
    return Reply<bool>();
  }
  void OnPrintReset() override { Noted(4); }
  CefSize GetPdfPaperSize(int device_units_per_inch) override {
    Noted(5, device_units_per_inch);
    return Reply<CefSize>();
  }
  IMPLEMENT_REFCOUNTING(RecordingPrint);
};

class RecordingApp : public CefApp, public walk::Recording {
 public:
  void OnBeforeCommandLineProcessing(
      const CefString& process_type,
      CefRefPtr<CefCommandLine> command_line) override {
    Noted(0, process_type, command_line);
  }
  void OnRegisterCustomSchemes(
      CefRefPtr<CefSchemeRegistrar> registrar) override {
    Noted(1, registrar);
  }
  CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() override {
    Noted(2);
    return Reply<CefRefPtr<CefResourceBundleHandler>>();
  }
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    Noted(3);
    return Reply<CefRefPtr<CefBrowserProcessHandler>>();
  }
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override {
    Noted(4);
    return Reply<CefRefPtr<CefRenderProcessHandler>>();
  }
  IMPLEMENT_REFCOUNTING(RecordingApp);
};

class RecordingBrowserProcess : public CefBrowserProcessHandler,
                                public walk::Recording {
 public:
  void OnContextInitialized() override { Noted(0); }
  void OnBeforeChildProcessLaunch(
      CefRefPtr<CefCommandLine> command_line) override {
    Noted(1, command_line);
  }
  void OnRenderProcessThreadCreated(
      CefRefPtr<CefListValue> extra_info) override {
    Noted(2, extra_info);
  }
  CefRefPtr<CefPrintHandler> GetPrintHandler() override {
    Noted(3);
    return Reply<CefRefPtr<CefPrintHandler>>();
  }
  IMPLEMENT_REFCOUNTING(RecordingBrowserProcess);
};

TEST_F(ClientAdaptersTest, AppEveryMember) {
  typedef cef_app_t S;
  walk::WalkAdapter<CefAppAdapter, RecordingApp>({
      Row<&S::on_before_command_line_processing>(
          Value(kNoText), Need(Object<cef_command_line_t>()))
          .Sees("\"\", object"),
      Row<&S::on_register_custom_schemes>(
          Need(Object<cef_scheme_registrar_t>())),
      Row<&S::get_resource_bundle_handler>(),
      Row<&S::get_browser_process_handler>(),
      Row<&S::get_render_process_handler>(),
  });
}

TEST_F(ClientAdaptersTest, BrowserProcessHandlerEveryMember) {
  typedef cef_browser_process_handler_t S;
  walk::WalkAdapter<CefBrowserProcessHandlerAdapter, RecordingBrowserProcess>({
      Row<&S::on_context_initialized>(),
      Row<&S::on_before_child_process_launch>(
          Need(Object<cef_command_line_t>())),
      Row<&S::on_render_process_thread_created>(
          Need(Object<cef_list_value_t>())),
      Row<&S::get_print_handler>(),
  });
}

TEST_F(ClientAdaptersTest, RenderProcessHandlerEveryMember) {
  typedef cef_render_process_handler_t S;
  walk::WalkAdapter<CefRenderProcessHandlerAdapter, RecordingRenderProcess>({
      Row<&S::on_render_thread_created>(Need(Object<cef_list_value_t>())),
      Row<&S::on_web_kit_initialized>(),
      Row<&S::on_browser_created>(Need(Object<cef_browser_t>())),
      Row<&S::on_browser_destroyed>(Need(Object<cef_browser_t>())),
      Row<&S::get_load_handler>(),
      Row<&S::on_before_navigation>(
          Need(Object<cef_browser_t>()), Need(Object<cef_frame_t>()),
          Need(Object<cef_request_t>()), Value(NAVIGATION_LINK_CLICKED),
          Value(1))
          .Sees("object, object, object, 0, true"),
      Row<&S::on_context_created>(Need(Object<cef_browser_t>()),
                                  Need(Object<cef_frame_t>()),
                                  Need(Object<cef_v8context_t>())),
      Row<&S::on_context_released>(Need(Object<cef_browser_t>()),
                                   Need(Object<cef_frame_t>()),
                                   Need(Object<cef_v8context_t>())),
      Row<&S::on_uncaught_exception>(
          Need(Object<cef_browser_t>()), Need(Object<cef_frame_t>()),
          Need(Object<cef_v8context_t>()), Need(Object<cef_v8exception_t>()),
          Need(Object<cef_v8stack_trace_t>()))
          .Sees("object, object, object, object, object"),
      // Nothing editable focused: frame and node are null and still pass.
      Row<&S::on_focused_node_changed>(
          Need(Object<cef_browser_t>()),
          Value(static_cast<cef_frame_t*>(nullptr)),
          Value(static_cast<cef_domnode_t*>(nullptr)))
          .Sees("object, null, null"),
      Row<&S::on_process_message_received>(
          Need(Object<cef_browser_t>()), Value(PID_BROWSER),
          Need(Object<cef_process_message_t>())),
  });
}

TEST_F(ClientAdaptersTest, ResourceBundleHandlerEveryMember) {
  typedef cef_resource_bundle_handler_t S;
  walk::WalkAdapter<CefResourceBundleHandlerAdapter, RecordingResourceBundle>({
      Row<&S::get_localized_string>(Value(17), Need(Text("old")))
          .Sees("17, \"old\""),
      Row<&S::get_data_resource>(Value(3), Need(Slot<void*>()),
                                 Need(Slot<size_t>(9)))
          .Sees("3, null, 9"),
      Row<&S::get_data_resource_for_scale>(Value(3), Value(SCALE_FACTOR_200P),
                                           Need(Slot<void*>()),
                                           Need(Slot<size_t>(9)))
          .Sees("3, 7, null, 9"),
  });
}

TEST_F(ClientAdaptersTest, PrintHandlerEveryMember) {
  typedef cef_print_handler_t S;
  walk::WalkAdapter<CefPrintHandlerAdapter, RecordingPrint>({
      Row<&S::on_print_start>(Need(Object<cef_browser_t>())),
      Row<&S::on_print_settings>(Need(Object<cef_print_settings_t>()),
                                 Value(1))
          .Sees("object, true"),
      Row<&S::on_print_dialog>(Value(0),
                               Need(Object<cef_print_dialog_callback_t>()))
          .Sees("false, object"),
      Row<&S::on_print_job>(Need(Text("doc")), Need(Text("/tmp/a.pdf")),
                            Need(Object<cef_print_job_callback_t>()))
          .Sees("\"doc\", \"/tmp/a.pdf\", object"),
      Row<&S::on_print_reset>(),
      Row<&S::get_pdf_paper_size>(Value(300)).Sees("300"),
  });
}

// ---------------------------------------------------------------------------
// Beyond the walk.

class PlainClient : public CefClient {
 public:
  IMPLEMENT_REFCOUNTING(PlainClient);
};

// Hands itself out as its life-span handler, as the shell's client does.
class SelfServingClient : public CefClient, public CefLifeSpanHandler {
 public:
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  IMPLEMENT_REFCOUNTING(SelfServingClient);
};

TEST_F(ClientAdaptersTest, GettersHandOutAFreshStructurePerCall) {
  CefRefPtr<SelfServingClient> client = new SelfServingClient();
  cef_client_t* structure = CefClientAdapter::Wrap(client.get());
  cef_life_span_handler_t* first = structure->get_life_span_handler(structure);
  cef_life_span_handler_t* second =
      structure->get_life_span_handler(structure);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(CefLifeSpanHandlerAdapter::ObjectOf(first),
            static_cast<CefLifeSpanHandler*>(client.get()));
  EXPECT_EQ(CefLifeSpanHandlerAdapter::ObjectOf(second),
            static_cast<CefLifeSpanHandler*>(client.get()));
  // A handler the client does not have gives the library no structure.
  EXPECT_EQ(structure->get_render_handler(structure), nullptr);

  // Each structure holds the client until the library lets it go.
  EXPECT_EQ(first->base.release(&first->base), 1);
  EXPECT_FALSE(client->HasOneRef());
  EXPECT_EQ(second->base.release(&second->base), 1);
  EXPECT_FALSE(client->HasOneRef());
  EXPECT_EQ(structure->base.release(&structure->base), 1);
  EXPECT_TRUE(client->HasOneRef());
}

TEST_F(ClientAdaptersTest, UnwrapTakesOverTheStructuresReference) {
  EXPECT_FALSE(CefClientAdapter::Unwrap(nullptr));

  CefRefPtr<PlainClient> client = new PlainClient();
  cef_client_t* structure = CefClientAdapter::Wrap(client.get());
  {
    CefRefPtr<CefClient> back = CefClientAdapter::Unwrap(structure);
    EXPECT_EQ(back.get(), static_cast<CefClient*>(client.get()));
    // The structure's reference now belongs to `back`.
    EXPECT_FALSE(client->HasOneRef());
  }
  EXPECT_TRUE(client->HasOneRef());

  // Another adapter's structure is not a client.
  CefRefPtr<RecordingLoad> load = new RecordingLoad();
  cef_load_handler_t* other = CefLoadHandlerAdapter::Wrap(load.get());
  EXPECT_FALSE(
      CefClientAdapter::Unwrap(reinterpret_cast<cef_client_t*>(other)));
  EXPECT_FALSE(load->HasOneRef()) << "a refused unwrap took the reference";
  EXPECT_EQ(other->base.release(&other->base), 1);
  EXPECT_TRUE(load->HasOneRef());
}

// What a popup handler does with the in/out arguments.
class PopupHandler : public CefLifeSpanHandler {
 public:
  enum ClientMove { kKeep, kReplace, kClear };

  bool OnBeforePopup(Browser, Frame, const CefString&, const CefString&,
                     WindowOpenDisposition, bool,
                     const CefPopupFeatures& popupFeatures,
                     CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings,
                     bool& no_javascript_access) override {
    ++calls;
    seen_client = client.get();
    seen_flag = no_javascript_access;
    seen_features_x = popupFeatures.x;
    seen_window_name = CefString(&windowInfo.window_name).ToUtf8();
    if (client_move == kReplace) client = replacement;
    if (client_move == kClear) client = nullptr;
    if (set_flag) no_javascript_access = *set_flag;
    windowInfo.width = 640;
    CefString(&windowInfo.window_name) = "popup";
    settings.default_font_size = 20;
    CefString(&settings.standard_font_family) = "Serif";
    return false;
  }

  ClientMove client_move = kKeep;
  CefRefPtr<CefClient> replacement;
  const bool* set_flag = nullptr;

  int calls = 0;
  CefClient* seen_client = nullptr;
  bool seen_flag = false;
  int seen_features_x = 0;
  std::string seen_window_name;
  IMPLEMENT_REFCOUNTING(PopupHandler);
};

// The library's side of one popup: its records, with strings the library
// allocated, and the in/out slots.
struct PopupCall {
  PopupCall() {
    features.x = 40;
    cef_string_utf8_to_utf16("opener", 6, &window.window_name);
    settings.size = sizeof(settings);
  }
  ~PopupCall() {
    cef_string_utf16_clear(&window.window_name);
    cef_string_utf16_clear(&settings.standard_font_family);
  }
  int Run(cef_life_span_handler_t* handler, cef_client_t** client_slot) {
    return handler->on_before_popup(
        handler, fake::NewObject<cef_browser_t>(),
        fake::NewObject<cef_frame_t>(), nullptr, nullptr, WOD_NEW_POPUP, 1,
        &features, &window, client_slot,
        settings_present ? &settings : nullptr, &flag);
  }
  int Run(cef_life_span_handler_t* handler) { return Run(handler, &client); }
  cef_popup_features_t features{};
  cef_window_info_t window{};
  cef_browser_settings_t settings{};
  cef_client_t* client = nullptr;
  int flag = 0;
  bool settings_present = true;
};

std::string Utf8(const cef_string_t& text) {
  return CefString(&text).ToUtf8();
}

// The library keeps its own reference on the client it offers and sends one
// more with it; it takes over only a different client that comes back.
TEST_F(ClientAdaptersTest, PopupClientKeptReplacedOrCleared) {
  enum After { kSame, kNull, kReplacement };
  struct Case {
    const char* name;
    bool client_in;
    PopupHandler::ClientMove move;
    After after;
  } const cases[] = {
      {"none, left", false, PopupHandler::kKeep, kNull},
      {"none, replaced", false, PopupHandler::kReplace, kReplacement},
      {"none, cleared", false, PopupHandler::kClear, kNull},
      {"set, left", true, PopupHandler::kKeep, kSame},
      {"set, replaced", true, PopupHandler::kReplace, kReplacement},
      {"set, cleared", true, PopupHandler::kClear, kNull},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.name);
    CefRefPtr<PopupHandler> handler = new PopupHandler();
    CefRefPtr<PlainClient> opener = new PlainClient();
    CefRefPtr<PlainClient> replacement = new PlainClient();
    handler->client_move = each.move;
    handler->replacement = replacement.get();
    cef_life_span_handler_t* structure =
        CefLifeSpanHandlerAdapter::Wrap(handler.get());

    cef_client_t* const offered =
        each.client_in ? CefClientAdapter::Wrap(opener.get()) : nullptr;
    {
      fake::LibrarySlot<cef_client_t> slot(offered);
      PopupCall call;
      EXPECT_EQ(call.Run(structure, slot.get()), 0);
      ASSERT_EQ(handler->calls, 1);
      EXPECT_EQ(handler->seen_client, each.client_in ? opener.get() : nullptr);
      handler->replacement = nullptr;

      switch (each.after) {
        case kSame:
          EXPECT_EQ(slot.value(), offered);
          break;
        case kNull:
          EXPECT_EQ(slot.value(), nullptr);
          break;
        case kReplacement:
          ASSERT_NE(slot.value(), nullptr);
          EXPECT_NE(slot.value(), offered);
          EXPECT_EQ(CefClientAdapter::ObjectOf(slot.value()),
                    static_cast<CefClient*>(replacement.get()));
          break;
      }
      // Only the library's own reference on the offered client is left, and
      // one on a replacement, which it has taken over.
      EXPECT_EQ(opener->HasOneRef(), !each.client_in);
      EXPECT_EQ(replacement->HasOneRef(), each.after != kReplacement);
    }
    EXPECT_TRUE(opener->HasOneRef()) << "a client reference leaked";
    EXPECT_TRUE(replacement->HasOneRef());
    EXPECT_EQ(structure->base.release(&structure->base), 1);
  }
}

// A structure in the client slot that is not one of ours cannot reach the
// handler, which sees no client. The library takes nothing back when the
// same structure returns, so the reference that came with it is dropped
// whatever the handler does with the slot, and when the call is refused.
TEST_F(ClientAdaptersTest, PopupForeignStructureInTheClientSlot) {
  enum Foreign { kLibraryObject, kOtherAdapter, kUncounted };
  struct Raw {
    adapter_detail::RecordHead head{};  // a tag that is no client's
    cef_client_t client{};              // not counted: no release function
  };
  const char* const kForeignNames[] = {"library object", "another adapter's",
                                       "uncounted"};
  const char* const kMoveNames[] = {"left", "replaced", "cleared"};
  for (const Foreign kind : {kLibraryObject, kOtherAdapter, kUncounted}) {
    for (const PopupHandler::ClientMove move :
         {PopupHandler::kKeep, PopupHandler::kReplace, PopupHandler::kClear}) {
      for (const bool refused : {false, true}) {
        SCOPED_TRACE(std::string(kForeignNames[kind]) + ", " +
                     (refused ? "refused" : kMoveNames[move]));
        CefRefPtr<PopupHandler> handler = new PopupHandler();
        CefRefPtr<PlainClient> replacement = new PlainClient();
        CefRefPtr<RecordingLoad> stranger = new RecordingLoad();
        handler->client_move = move;
        handler->replacement = replacement.get();
        cef_life_span_handler_t* structure =
            CefLifeSpanHandlerAdapter::Wrap(handler.get());
        Raw raw;
        cef_client_t* const foreign =
            kind == kLibraryObject ? fake::NewObject<cef_client_t>()
            : kind == kOtherAdapter
                ? reinterpret_cast<cef_client_t*>(
                      CefLoadHandlerAdapter::Wrap(stranger.get()))
                : &raw.client;
        {
          fake::LibrarySlot<cef_client_t> slot(foreign);
          PopupCall call;
          call.settings_present = !refused;
          EXPECT_EQ(call.Run(structure, slot.get()), 0);
          EXPECT_EQ(handler->calls, refused ? 0 : 1);
          EXPECT_EQ(handler->seen_client, nullptr);
          handler->replacement = nullptr;
          if (!refused && move == PopupHandler::kReplace) {
            ASSERT_NE(slot.value(), nullptr);
            EXPECT_EQ(CefClientAdapter::ObjectOf(slot.value()),
                      static_cast<CefClient*>(replacement.get()));
          } else {
            EXPECT_EQ(slot.value(), foreign);
          }
        }
        // The library is done with both: nothing of either is left.
        if (kind == kLibraryObject) {
          EXPECT_EQ(fake::RefsOf(foreign), 0) << "the foreign one leaked";
        }
        EXPECT_TRUE(stranger->HasOneRef()) << "the foreign one leaked";
        EXPECT_TRUE(replacement->HasOneRef());
        EXPECT_EQ(structure->base.release(&structure->base), 1);
      }
    }
  }
}

TEST_F(ClientAdaptersTest, PopupScriptFlagWrittenBackAsZeroOrOne) {
  const bool kTrue = true, kFalse = false;
  struct Case {
    int start;
    const bool* set;
    bool seen;
    int after;
  } const cases[] = {
      {5, nullptr, true, 1},
      {0, nullptr, false, 0},
      {0, &kTrue, false, 1},
      {5, &kFalse, true, 0},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.start);
    CefRefPtr<PopupHandler> handler = new PopupHandler();
    handler->set_flag = each.set;
    cef_life_span_handler_t* structure =
        CefLifeSpanHandlerAdapter::Wrap(handler.get());
    PopupCall call;
    call.flag = each.start;
    call.Run(structure);
    EXPECT_EQ(handler->seen_flag, each.seen);
    EXPECT_EQ(call.flag, each.after);
    structure->base.release(&structure->base);
  }
}

TEST_F(ClientAdaptersTest, PopupRecordsLentAndGivenBack) {
  CefRefPtr<PopupHandler> handler = new PopupHandler();
  cef_life_span_handler_t* structure =
      CefLifeSpanHandlerAdapter::Wrap(handler.get());
  PopupCall call;
  call.Run(structure);
  EXPECT_EQ(handler->seen_features_x, 40);
  EXPECT_EQ(handler->seen_window_name, "opener");
  EXPECT_EQ(call.window.width, 640);
  EXPECT_EQ(Utf8(call.window.window_name), "popup");
  EXPECT_EQ(call.settings.default_font_size, 20);
  EXPECT_EQ(Utf8(call.settings.standard_font_family), "Serif");
  EXPECT_EQ(call.settings.size, sizeof(cef_browser_settings_t));

  // A refused call writes nothing back.
  CefRefPtr<PlainClient> opener = new PlainClient();
  cef_client_t* const offered = CefClientAdapter::Wrap(opener.get());
  {
    fake::LibrarySlot<cef_client_t> slot(offered);
    PopupCall refused;
    refused.settings_present = false;
    refused.flag = 5;
    EXPECT_EQ(refused.Run(structure, slot.get()), 0);
    EXPECT_EQ(handler->calls, 1);
    EXPECT_EQ(refused.flag, 5);
    EXPECT_EQ(slot.value(), offered);
    EXPECT_EQ(refused.window.width, 0);
    EXPECT_EQ(Utf8(refused.window.window_name), "opener");
  }
  EXPECT_TRUE(opener->HasOneRef()) << "the refused call kept a reference";
  structure->base.release(&structure->base);
}

TEST_F(ClientAdaptersTest, TooltipRewriteLandsInTheLibrarysRecord) {
  CefRefPtr<RecordingDisplay> handler = new RecordingDisplay();
  handler->rewrite = "rewritten";
  cef_display_handler_t* structure =
      CefDisplayHandlerAdapter::Wrap(handler.get());
  cef_string_t text{};
  cef_string_utf8_to_utf16("tip", 3, &text);
  EXPECT_EQ(structure->on_tooltip(structure, fake::NewObject<cef_browser_t>(),
                                  &text),
            1);
  EXPECT_EQ(Utf8(text), "rewritten");
  cef_string_utf16_clear(&text);
  structure->base.release(&structure->base);
}

}  // namespace
