// A browser window and its window-level host. The library implements both;
// the program reaches them through proxies and starts browsers with the
// host's creators.
#ifndef CEF_INCLUDE_CEF_BROWSER_H_
#define CEF_INCLUDE_CEF_BROWSER_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "include/capi/cef_browser_capi.h"
#include "include/cef_base.h"
#include "include/cef_drag_data.h"
#include "include/cef_frame.h"
#include "include/cef_navigation_entry.h"
#include "include/cef_process_message.h"
#include "include/cef_records.h"
#include "include/cef_request_context.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefBrowserHost;
class CefClient;
class CefNavigationEntryVisitor;
class CefPdfPrintCallback;
class CefRunFileDialogCallback;

typedef RecordHolder<PlainRecordTraits<cef_mouse_event_t>> CefMouseEvent;

struct CefPdfPrintSettingsTraits {
  typedef cef_pdf_print_settings_t record_type;
  static void init(cef_pdf_print_settings_t*) {}
  static void clear(cef_pdf_print_settings_t* s) {
    cef_string_utf16_clear(&s->header_footer_title);
    cef_string_utf16_clear(&s->header_footer_url);
  }
  static void set(const cef_pdf_print_settings_t* source,
                  cef_pdf_print_settings_t* target, bool copy) {
    SetRecordString(&source->header_footer_title,
                    &target->header_footer_title, copy);
    SetRecordString(&source->header_footer_url, &target->header_footer_url,
                    copy);
    target->page_width = source->page_width;
    target->page_height = source->page_height;
    target->margin_top = source->margin_top;
    target->margin_right = source->margin_right;
    target->margin_bottom = source->margin_bottom;
    target->margin_left = source->margin_left;
    target->margin_type = source->margin_type;
    target->header_footer_enabled = source->header_footer_enabled;
    target->selection_only = source->selection_only;
    target->landscape = source->landscape;
    target->backgrounds_enabled = source->backgrounds_enabled;
  }
};
typedef RecordHolder<CefPdfPrintSettingsTraits> CefPdfPrintSettings;

// A new wrapper comes back on every call that returns a browser, so identity
// is told only by IsSame.
class CefBrowser : public virtual CefBase {
 public:
  virtual CefRefPtr<CefBrowserHost> GetHost() = 0;
  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void ReloadIgnoreCache() = 0;
  virtual void StopLoad() = 0;
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
  virtual bool IsPopup() = 0;
  virtual bool HasDocument() = 0;
  virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFrame(int64_t identifier) = 0;
  virtual CefRefPtr<CefFrame> GetFrame(const CefString& name) = 0;
  virtual size_t GetFrameCount() = 0;
  // Both replace the vector's content.
  virtual void GetFrameIdentifiers(std::vector<int64_t>& identifiers) = 0;
  virtual void GetFrameNames(EmbedStringVector& names) = 0;
  virtual bool SendProcessMessage(cef_process_id_t target_process,
                                  CefRefPtr<CefProcessMessage> message) = 0;
};

class CefBrowserHost : public virtual CefBase {
 public:
  typedef cef_drag_operations_mask_t DragOperationsMask;
  typedef cef_file_dialog_mode_t FileDialogMode;
  typedef cef_mouse_button_type_t MouseButtonType;
  typedef cef_paint_element_type_t PaintElementType;

  // True when the library accepted the request; the browser arrives later
  // through the client's life-span handler. `client` and `request_context`
  // may be null.
  static bool CreateBrowser(const CefWindowInfo& windowInfo,
                            CefRefPtr<CefClient> client, const CefString& url,
                            const CefBrowserSettings& settings,
                            CefRefPtr<CefRequestContext> request_context);
  static CefRefPtr<CefBrowser> CreateBrowserSync(
      const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
      const CefString& url, const CefBrowserSettings& settings,
      CefRefPtr<CefRequestContext> request_context);

  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  // Without `force_close` the page's unload handlers may still cancel.
  virtual void CloseBrowser(bool force_close) = 0;
  virtual void SetFocus(bool focus) = 0;
  virtual void SetWindowVisibility(bool visible) = 0;
  virtual cef_window_handle_t GetWindowHandle() = 0;
  virtual cef_window_handle_t GetOpenerWindowHandle() = 0;
  virtual CefRefPtr<CefClient> GetClient() = 0;
  virtual CefRefPtr<CefRequestContext> GetRequestContext() = 0;
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
  // `selected_accept_filter` indexes `accept_filters` and must not be
  // negative.
  virtual void RunFileDialog(FileDialogMode mode, const CefString& title,
                             const CefString& default_file_path,
                             const EmbedStringVector& accept_filters,
                             int selected_accept_filter,
                             CefRefPtr<CefRunFileDialogCallback> callback) = 0;
  virtual void StartDownload(const CefString& url) = 0;
  virtual void Print() = 0;
  virtual void PrintToPDF(const CefString& path,
                          const CefPdfPrintSettings& settings,
                          CefRefPtr<CefPdfPrintCallback> callback) = 0;
  virtual void Find(int identifier, const CefString& searchText, bool forward,
                    bool matchCase, bool findNext) = 0;
  virtual void StopFinding(bool clearSelection) = 0;
  virtual void ShowDevTools(const CefWindowInfo& windowInfo,
                            CefRefPtr<CefClient> client,
                            const CefBrowserSettings& settings,
                            const CefPoint& inspect_element_at) = 0;
  virtual void CloseDevTools() = 0;
  virtual void GetNavigationEntries(
      CefRefPtr<CefNavigationEntryVisitor> visitor, bool current_only) = 0;
  virtual void SetMouseCursorChangeDisabled(bool disabled) = 0;
  virtual bool IsMouseCursorChangeDisabled() = 0;
  virtual void ReplaceMisspelling(const CefString& word) = 0;
  virtual void AddWordToDictionary(const CefString& word) = 0;

  virtual bool IsWindowRenderingDisabled() = 0;
  virtual void WasResized() = 0;
  virtual void WasHidden(bool hidden) = 0;
  virtual void NotifyScreenInfoChanged() = 0;
  virtual void Invalidate(PaintElementType type) = 0;
  virtual void SendKeyEvent(const CefKeyEvent& event) = 0;
  virtual void SendMouseClickEvent(const CefMouseEvent& event,
                                   MouseButtonType type, bool mouseUp,
                                   int clickCount) = 0;
  virtual void SendMouseMoveEvent(const CefMouseEvent& event,
                                  bool mouseLeave) = 0;
  virtual void SendMouseWheelEvent(const CefMouseEvent& event, int deltaX,
                                   int deltaY) = 0;
  virtual void SendFocusEvent(bool setFocus) = 0;
  virtual void SendCaptureLostEvent() = 0;
  virtual void NotifyMoveOrResizeStarted() = 0;
  virtual int GetWindowlessFrameRate() = 0;
  virtual void SetWindowlessFrameRate(int frame_rate) = 0;
  virtual cef_text_input_context_t GetNSTextInputContext() = 0;
  virtual void HandleKeyEventBeforeTextInputClient(
      cef_event_handle_t keyEvent) = 0;
  virtual void HandleKeyEventAfterTextInputClient(
      cef_event_handle_t keyEvent) = 0;
  virtual void DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                                   const CefMouseEvent& event,
                                   DragOperationsMask allowed_ops) = 0;
  virtual void DragTargetDragOver(const CefMouseEvent& event,
                                  DragOperationsMask allowed_ops) = 0;
  virtual void DragTargetDragLeave() = 0;
  virtual void DragTargetDrop(const CefMouseEvent& event) = 0;
  virtual void DragSourceEndedAt(int x, int y, DragOperationsMask op) = 0;
  virtual void DragSourceSystemDragEnded() = 0;
};

#endif  // CEF_INCLUDE_CEF_BROWSER_H_
