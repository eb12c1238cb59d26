// The browser handlers a client hands out, and the request-context handler.
// Unless noted, a method's default does nothing and answers false or null,
// which leaves the library's own behaviour in place; a program overrides what
// it handles.
#ifndef CEF_INCLUDE_CEF_HANDLERS_H_
#define CEF_INCLUDE_CEF_HANDLERS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "include/capi/cef_handlers_capi.h"
#include "include/cef_base.h"
#include "include/cef_cookie.h"
#include "include/cef_records.h"
#include "include/cef_resource.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefAuthCallback;
class CefBeforeDownloadCallback;
class CefBrowser;
class CefClient;
class CefContextMenuParams;
class CefDownloadItem;
class CefDownloadItemCallback;
class CefDragData;
class CefFileDialogCallback;
class CefFrame;
class CefGeolocationCallback;
class CefJSDialogCallback;
class CefMenuModel;
class CefRequest;
class CefRequestCallback;
class CefResponse;
class CefRunContextMenuCallback;
class CefSSLInfo;
class CefWebPluginInfo;

typedef RecordHolder<PlainRecordTraits<cef_cursor_info_t>> CefCursorInfo;
typedef RecordHolder<PlainRecordTraits<cef_draggable_region_t>>
    CefDraggableRegion;

class CefContextMenuHandler : public virtual CefBase {
 public:
  typedef cef_event_flags_t EventFlags;

  // `model` may be changed, or cleared to show no menu.
  virtual void OnBeforeContextMenu(CefRefPtr<CefBrowser> /*browser*/,
                                   CefRefPtr<CefFrame> /*frame*/,
                                   CefRefPtr<CefContextMenuParams> /*params*/,
                                   CefRefPtr<CefMenuModel> /*model*/) {}
  // True when the handler shows the menu itself and answers `callback`.
  virtual bool RunContextMenu(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      CefRefPtr<CefContextMenuParams> /*params*/,
      CefRefPtr<CefMenuModel> /*model*/,
      CefRefPtr<CefRunContextMenuCallback> /*callback*/) {
    return false;
  }
  virtual bool OnContextMenuCommand(CefRefPtr<CefBrowser> /*browser*/,
                                    CefRefPtr<CefFrame> /*frame*/,
                                    CefRefPtr<CefContextMenuParams> /*params*/,
                                    int /*command_id*/,
                                    EventFlags /*event_flags*/) {
    return false;
  }
  virtual void OnContextMenuDismissed(CefRefPtr<CefBrowser> /*browser*/,
                                      CefRefPtr<CefFrame> /*frame*/) {}
};

class CefDialogHandler : public virtual CefBase {
 public:
  typedef cef_file_dialog_mode_t FileDialogMode;

  // True when the handler shows the dialog itself and answers `callback`.
  virtual bool OnFileDialog(CefRefPtr<CefBrowser> /*browser*/,
                            FileDialogMode /*mode*/,
                            const CefString& /*title*/,
                            const CefString& /*default_file_path*/,
                            const EmbedStringVector& /*accept_filters*/,
                            int /*selected_accept_filter*/,
                            CefRefPtr<CefFileDialogCallback> /*callback*/) {
    return false;
  }
};

class CefDisplayHandler : public virtual CefBase {
 public:
  virtual void OnAddressChange(CefRefPtr<CefBrowser> /*browser*/,
                               CefRefPtr<CefFrame> /*frame*/,
                               const CefString& /*url*/) {}
  virtual void OnTitleChange(CefRefPtr<CefBrowser> /*browser*/,
                             const CefString& /*title*/) {}
  virtual void OnFaviconURLChange(CefRefPtr<CefBrowser> /*browser*/,
                                  const EmbedStringVector& /*icon_urls*/) {}
  virtual void OnFullscreenModeChange(CefRefPtr<CefBrowser> /*browser*/,
                                      bool /*fullscreen*/) {}
  // `text` may be rewritten; true suppresses the library's tooltip.
  virtual bool OnTooltip(CefRefPtr<CefBrowser> /*browser*/,
                         CefString& /*text*/) {
    return false;
  }
  virtual void OnStatusMessage(CefRefPtr<CefBrowser> /*browser*/,
                               const CefString& /*value*/) {}
  // True keeps the message out of the library's console output.
  virtual bool OnConsoleMessage(CefRefPtr<CefBrowser> /*browser*/,
                                const CefString& /*message*/,
                                const CefString& /*source*/, int /*line*/) {
    return false;
  }
};

class CefDownloadHandler : public virtual CefBase {
 public:
  // No default: a download goes nowhere until `callback` is continued.
  virtual void OnBeforeDownload(
      CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
      const CefString& suggested_name,
      CefRefPtr<CefBeforeDownloadCallback> callback) = 0;
  virtual void OnDownloadUpdated(
      CefRefPtr<CefBrowser> /*browser*/,
      CefRefPtr<CefDownloadItem> /*download_item*/,
      CefRefPtr<CefDownloadItemCallback> /*callback*/) {}
};

class CefDragHandler : public virtual CefBase {
 public:
  typedef cef_drag_operations_mask_t DragOperationsMask;

  // True cancels the drag.
  virtual bool OnDragEnter(CefRefPtr<CefBrowser> /*browser*/,
                           CefRefPtr<CefDragData> /*dragData*/,
                           DragOperationsMask /*mask*/) {
    return false;
  }
  virtual void OnDraggableRegionsChanged(
      CefRefPtr<CefBrowser> /*browser*/,
      const std::vector<CefDraggableRegion>& /*regions*/) {}
};

class CefFindHandler : public virtual CefBase {
 public:
  virtual void OnFindResult(CefRefPtr<CefBrowser> /*browser*/,
                            int /*identifier*/, int /*count*/,
                            const CefRect& /*selectionRect*/,
                            int /*activeMatchOrdinal*/,
                            bool /*finalUpdate*/) {}
};

class CefFocusHandler : public virtual CefBase {
 public:
  typedef cef_focus_source_t FocusSource;

  virtual void OnTakeFocus(CefRefPtr<CefBrowser> /*browser*/, bool /*next*/) {}
  // True refuses the focus.
  virtual bool OnSetFocus(CefRefPtr<CefBrowser> /*browser*/,
                          FocusSource /*source*/) {
    return false;
  }
  virtual void OnGotFocus(CefRefPtr<CefBrowser> /*browser*/) {}
};

class CefGeolocationHandler : public virtual CefBase {
 public:
  // True when the handler answers `callback`; false denies the request.
  virtual bool OnRequestGeolocationPermission(
      CefRefPtr<CefBrowser> /*browser*/, const CefString& /*requesting_url*/,
      int /*request_id*/, CefRefPtr<CefGeolocationCallback> /*callback*/) {
    return false;
  }
  virtual void OnCancelGeolocationPermission(CefRefPtr<CefBrowser> /*browser*/,
                                             int /*request_id*/) {}
};

class CefJSDialogHandler : public virtual CefBase {
 public:
  typedef cef_jsdialog_type_t JSDialogType;

  // True when the handler shows the dialog itself and answers `callback`;
  // setting `suppress_message` drops the dialog as if it had been cancelled.
  virtual bool OnJSDialog(CefRefPtr<CefBrowser> /*browser*/,
                          const CefString& /*origin_url*/,
                          const CefString& /*accept_lang*/,
                          JSDialogType /*dialog_type*/,
                          const CefString& /*message_text*/,
                          const CefString& /*default_prompt_text*/,
                          CefRefPtr<CefJSDialogCallback> /*callback*/,
                          bool& /*suppress_message*/) {
    return false;
  }
  virtual bool OnBeforeUnloadDialog(
      CefRefPtr<CefBrowser> /*browser*/, const CefString& /*message_text*/,
      bool /*is_reload*/, CefRefPtr<CefJSDialogCallback> /*callback*/) {
    return false;
  }
  virtual void OnResetDialogState(CefRefPtr<CefBrowser> /*browser*/) {}
  virtual void OnDialogClosed(CefRefPtr<CefBrowser> /*browser*/) {}
};

class CefKeyboardHandler : public virtual CefBase {
 public:
  // True consumes the event before the page sees it. Setting
  // `is_keyboard_shortcut` instead hands it to OnKeyEvent after the page
  // has declined it.
  virtual bool OnPreKeyEvent(CefRefPtr<CefBrowser> /*browser*/,
                             const CefKeyEvent& /*event*/,
                             cef_event_handle_t /*os_event*/,
                             bool& /*is_keyboard_shortcut*/) {
    return false;
  }
  virtual bool OnKeyEvent(CefRefPtr<CefBrowser> /*browser*/,
                          const CefKeyEvent& /*event*/,
                          cef_event_handle_t /*os_event*/) {
    return false;
  }
};

class CefLifeSpanHandler : public virtual CefBase {
 public:
  typedef cef_window_open_disposition_t WindowOpenDisposition;

  // True cancels the popup. The handler may change the new browser's window,
  // client, settings and script access; a null `client` leaves the popup
  // without one.
  virtual bool OnBeforePopup(CefRefPtr<CefBrowser> /*browser*/,
                             CefRefPtr<CefFrame> /*frame*/,
                             const CefString& /*target_url*/,
                             const CefString& /*target_frame_name*/,
                             WindowOpenDisposition /*target_disposition*/,
                             bool /*user_gesture*/,
                             const CefPopupFeatures& /*popupFeatures*/,
                             CefWindowInfo& /*windowInfo*/,
                             CefRefPtr<CefClient>& /*client*/,
                             CefBrowserSettings& /*settings*/,
                             bool& /*no_javascript_access*/) {
    return false;
  }
  virtual void OnAfterCreated(CefRefPtr<CefBrowser> /*browser*/) {}
  virtual bool RunModal(CefRefPtr<CefBrowser> /*browser*/) { return false; }
  // False lets the library close the window normally.
  virtual bool DoClose(CefRefPtr<CefBrowser> /*browser*/) { return false; }
  virtual void OnBeforeClose(CefRefPtr<CefBrowser> /*browser*/) {}
};

class CefLoadHandler : public virtual CefBase {
 public:
  typedef cef_errorcode_t ErrorCode;

  virtual void OnLoadingStateChange(CefRefPtr<CefBrowser> /*browser*/,
                                    bool /*isLoading*/, bool /*canGoBack*/,
                                    bool /*canGoForward*/) {}
  virtual void OnLoadStart(CefRefPtr<CefBrowser> /*browser*/,
                           CefRefPtr<CefFrame> /*frame*/) {}
  virtual void OnLoadEnd(CefRefPtr<CefBrowser> /*browser*/,
                         CefRefPtr<CefFrame> /*frame*/,
                         int /*httpStatusCode*/) {}
  virtual void OnLoadError(CefRefPtr<CefBrowser> /*browser*/,
                           CefRefPtr<CefFrame> /*frame*/,
                           ErrorCode /*errorCode*/,
                           const CefString& /*errorText*/,
                           const CefString& /*failedUrl*/) {}
};

// For windowless browsers: the program supplies geometry and receives the
// pixels.
class CefRenderHandler : public virtual CefBase {
 public:
  typedef cef_cursor_type_t CursorType;
  typedef cef_drag_operations_mask_t DragOperation;
  typedef cef_drag_operations_mask_t DragOperationsMask;
  typedef cef_paint_element_type_t PaintElementType;
  typedef std::vector<CefRect> RectList;

  // The rectangles are in screen coordinates; false keeps the library's
  // guess.
  virtual bool GetRootScreenRect(CefRefPtr<CefBrowser> /*browser*/,
                                 CefRect& /*rect*/) {
    return false;
  }
  virtual bool GetViewRect(CefRefPtr<CefBrowser> /*browser*/,
                           CefRect& /*rect*/) {
    return false;
  }
  virtual bool GetScreenPoint(CefRefPtr<CefBrowser> /*browser*/, int /*viewX*/,
                              int /*viewY*/, int& /*screenX*/,
                              int& /*screenY*/) {
    return false;
  }
  virtual bool GetScreenInfo(CefRefPtr<CefBrowser> /*browser*/,
                             CefScreenInfo& /*screen_info*/) {
    return false;
  }
  virtual void OnPopupShow(CefRefPtr<CefBrowser> /*browser*/, bool /*show*/) {}
  virtual void OnPopupSize(CefRefPtr<CefBrowser> /*browser*/,
                           const CefRect& /*rect*/) {}
  // `buffer` holds width * height pixels of 32-bit BGRA, valid for the call.
  virtual void OnPaint(CefRefPtr<CefBrowser> /*browser*/,
                       PaintElementType /*type*/,
                       const RectList& /*dirtyRects*/, const void* /*buffer*/,
                       int /*width*/, int /*height*/) {}
  virtual void OnCursorChange(CefRefPtr<CefBrowser> /*browser*/,
                              cef_cursor_handle_t /*cursor*/,
                              CursorType /*type*/,
                              const CefCursorInfo& /*custom_cursor_info*/) {}
  // True when the handler runs the drag and later reports its end; false
  // cancels it.
  virtual bool StartDragging(CefRefPtr<CefBrowser> /*browser*/,
                             CefRefPtr<CefDragData> /*drag_data*/,
                             DragOperationsMask /*allowed_ops*/, int /*x*/,
                             int /*y*/) {
    return false;
  }
  virtual void UpdateDragCursor(CefRefPtr<CefBrowser> /*browser*/,
                                DragOperation /*operation*/) {}
  virtual void OnScrollOffsetChanged(CefRefPtr<CefBrowser> /*browser*/,
                                     double /*x*/, double /*y*/) {}
};

class CefRequestHandler : public virtual CefBase {
 public:
  typedef cef_errorcode_t ErrorCode;
  typedef cef_return_value_t ReturnValue;
  typedef cef_termination_status_t TerminationStatus;
  typedef cef_urlrequest_status_t URLRequestStatus;
  typedef cef_window_open_disposition_t WindowOpenDisposition;

  // True cancels the navigation.
  virtual bool OnBeforeBrowse(CefRefPtr<CefBrowser> /*browser*/,
                              CefRefPtr<CefFrame> /*frame*/,
                              CefRefPtr<CefRequest> /*request*/,
                              bool /*is_redirect*/) {
    return false;
  }
  // True cancels the navigation into a new tab or window.
  virtual bool OnOpenURLFromTab(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      const CefString& /*target_url*/,
      WindowOpenDisposition /*target_disposition*/, bool /*user_gesture*/) {
    return false;
  }
  // The default lets every resource load; a zero answer would cancel them
  // all.
  virtual ReturnValue OnBeforeResourceLoad(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      CefRefPtr<CefRequest> /*request*/,
      CefRefPtr<CefRequestCallback> /*callback*/) {
    return RV_CONTINUE;
  }
  // Null lets the library load the resource itself.
  virtual CefRefPtr<CefResourceHandler> GetResourceHandler(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      CefRefPtr<CefRequest> /*request*/) {
    return nullptr;
  }
  // `new_url` may be changed to redirect elsewhere.
  virtual void OnResourceRedirect(CefRefPtr<CefBrowser> /*browser*/,
                                  CefRefPtr<CefFrame> /*frame*/,
                                  CefRefPtr<CefRequest> /*request*/,
                                  CefString& /*new_url*/) {}
  // True restarts the request, which the handler has changed.
  virtual bool OnResourceResponse(CefRefPtr<CefBrowser> /*browser*/,
                                  CefRefPtr<CefFrame> /*frame*/,
                                  CefRefPtr<CefRequest> /*request*/,
                                  CefRefPtr<CefResponse> /*response*/) {
    return false;
  }
  virtual CefRefPtr<CefResponseFilter> GetResourceResponseFilter(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      CefRefPtr<CefRequest> /*request*/, CefRefPtr<CefResponse> /*response*/) {
    return nullptr;
  }
  virtual void OnResourceLoadComplete(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      CefRefPtr<CefRequest> /*request*/, CefRefPtr<CefResponse> /*response*/,
      URLRequestStatus /*status*/, int64_t /*received_content_length*/) {}
  // True when the handler answers `callback`; false cancels the request.
  virtual bool GetAuthCredentials(CefRefPtr<CefBrowser> /*browser*/,
                                  CefRefPtr<CefFrame> /*frame*/,
                                  bool /*isProxy*/, const CefString& /*host*/,
                                  int /*port*/, const CefString& /*realm*/,
                                  const CefString& /*scheme*/,
                                  CefRefPtr<CefAuthCallback> /*callback*/) {
    return false;
  }
  // True when the handler answers `callback`; false denies the quota.
  virtual bool OnQuotaRequest(CefRefPtr<CefBrowser> /*browser*/,
                              const CefString& /*origin_url*/,
                              int64_t /*new_size*/,
                              CefRefPtr<CefRequestCallback> /*callback*/) {
    return false;
  }
  virtual void OnProtocolExecution(CefRefPtr<CefBrowser> /*browser*/,
                                   const CefString& /*url*/,
                                   bool& /*allow_os_execution*/) {}
  // True when the handler answers `callback`; false cancels the request.
  virtual bool OnCertificateError(CefRefPtr<CefBrowser> /*browser*/,
                                  ErrorCode /*cert_error*/,
                                  const CefString& /*request_url*/,
                                  CefRefPtr<CefSSLInfo> /*ssl_info*/,
                                  CefRefPtr<CefRequestCallback> /*callback*/) {
    return false;
  }
  virtual void OnPluginCrashed(CefRefPtr<CefBrowser> /*browser*/,
                               const CefString& /*plugin_path*/) {}
  virtual void OnRenderViewReady(CefRefPtr<CefBrowser> /*browser*/) {}
  virtual void OnRenderProcessTerminated(CefRefPtr<CefBrowser> /*browser*/,
                                         TerminationStatus /*status*/) {}
};

class CefRequestContextHandler : public virtual CefBase {
 public:
  typedef cef_plugin_policy_t PluginPolicy;

  // Null selects the global cookie manager.
  virtual CefRefPtr<CefCookieManager> GetCookieManager() { return nullptr; }
  // True when the handler wrote its decision through `plugin_policy`.
  virtual bool OnBeforePluginLoad(const CefString& /*mime_type*/,
                                  const CefString& /*plugin_url*/,
                                  const CefString& /*top_origin_url*/,
                                  CefRefPtr<CefWebPluginInfo> /*plugin_info*/,
                                  PluginPolicy* /*plugin_policy*/) {
    return false;
  }
};

#endif  // CEF_INCLUDE_CEF_HANDLERS_H_
