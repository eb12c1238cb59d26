#ifndef CEF_LIBCEF_DLL_CTOCPP_BROWSER_HOST_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_BROWSER_HOST_PROXY_H_

#include "include/cef_browser.h"
#include "include/cef_callbacks_program.h"
#include "include/cef_client.h"
#include "include/cef_drag_data.h"
#include "include/cef_request_context.h"
#include "include/cef_visitors.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefBrowserHostProxy final
    : public ObjectProxy<CefBrowserHostProxy, CefBrowserHost,
                         cef_browser_host_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_BROWSER_HOST;

  CefRefPtr<CefBrowser> GetBrowser() override {
    return Forward(&S::get_browser);
  }
  void CloseBrowser(bool force_close) override {
    Forward(&S::close_browser, force_close);
  }
  void SetFocus(bool focus) override { Forward(&S::set_focus, focus); }
  void SetWindowVisibility(bool visible) override {
    Forward(&S::set_window_visibility, visible);
  }
  cef_window_handle_t GetWindowHandle() override {
    return Forward(&S::get_window_handle);
  }
  cef_window_handle_t GetOpenerWindowHandle() override {
    return Forward(&S::get_opener_window_handle);
  }
  CefRefPtr<CefClient> GetClient() override {
    return Forward(&S::get_client);
  }
  CefRefPtr<CefRequestContext> GetRequestContext() override {
    return Forward(&S::get_request_context);
  }
  double GetZoomLevel() override { return Forward(&S::get_zoom_level); }
  void SetZoomLevel(double zoomLevel) override {
    Forward(&S::set_zoom_level, zoomLevel);
  }
  void RunFileDialog(FileDialogMode mode, const CefString& title,
                     const CefString& default_file_path,
                     const EmbedStringVector& accept_filters,
                     int selected_accept_filter,
                     CefRefPtr<CefRunFileDialogCallback> callback) override {
    Forward(&S::run_file_dialog, mode, title, default_file_path,
            accept_filters, Index(selected_accept_filter), Required(callback));
  }
  void StartDownload(const CefString& url) override {
    Forward(&S::start_download, Required(url));
  }
  void Print() override { Forward(&S::print); }
  void PrintToPDF(const CefString& path, const CefPdfPrintSettings& settings,
                  CefRefPtr<CefPdfPrintCallback> callback) override {
    Forward(&S::print_to_pdf, Required(path), settings, callback);
  }
  void Find(int identifier, const CefString& searchText, bool forward,
            bool matchCase, bool findNext) override {
    Forward(&S::find, identifier, Required(searchText), forward, matchCase,
            findNext);
  }
  void StopFinding(bool clearSelection) override {
    Forward(&S::stop_finding, clearSelection);
  }
  void ShowDevTools(const CefWindowInfo& windowInfo,
                    CefRefPtr<CefClient> client,
                    const CefBrowserSettings& settings,
                    const CefPoint& inspect_element_at) override {
    Forward(&S::show_dev_tools, windowInfo, Required(client), settings,
            inspect_element_at);
  }
  void CloseDevTools() override { Forward(&S::close_dev_tools); }
  void GetNavigationEntries(CefRefPtr<CefNavigationEntryVisitor> visitor,
                            bool current_only) override {
    Forward(&S::get_navigation_entries, Required(visitor), current_only);
  }
  void SetMouseCursorChangeDisabled(bool disabled) override {
    Forward(&S::set_mouse_cursor_change_disabled, disabled);
  }
  bool IsMouseCursorChangeDisabled() override {
    return Forward(&S::is_mouse_cursor_change_disabled);
  }
  void ReplaceMisspelling(const CefString& word) override {
    Forward(&S::replace_misspelling, Required(word));
  }
  void AddWordToDictionary(const CefString& word) override {
    Forward(&S::add_word_to_dictionary, Required(word));
  }
  bool IsWindowRenderingDisabled() override {
    return Forward(&S::is_window_rendering_disabled);
  }
  void WasResized() override { Forward(&S::was_resized); }
  void WasHidden(bool hidden) override { Forward(&S::was_hidden, hidden); }
  void NotifyScreenInfoChanged() override {
    Forward(&S::notify_screen_info_changed);
  }
  void Invalidate(PaintElementType type) override {
    Forward(&S::invalidate, type);
  }
  void SendKeyEvent(const CefKeyEvent& event) override {
    Forward(&S::send_key_event, event);
  }
  void SendMouseClickEvent(const CefMouseEvent& event, MouseButtonType type,
                           bool mouseUp, int clickCount) override {
    Forward(&S::send_mouse_click_event, event, type, mouseUp, clickCount);
  }
  void SendMouseMoveEvent(const CefMouseEvent& event,
                          bool mouseLeave) override {
    Forward(&S::send_mouse_move_event, event, mouseLeave);
  }
  void SendMouseWheelEvent(const CefMouseEvent& event, int deltaX,
                           int deltaY) override {
    Forward(&S::send_mouse_wheel_event, event, deltaX, deltaY);
  }
  void SendFocusEvent(bool setFocus) override {
    Forward(&S::send_focus_event, setFocus);
  }
  void SendCaptureLostEvent() override {
    Forward(&S::send_capture_lost_event);
  }
  void NotifyMoveOrResizeStarted() override {
    Forward(&S::notify_move_or_resize_started);
  }
  int GetWindowlessFrameRate() override {
    return Forward(&S::get_windowless_frame_rate);
  }
  void SetWindowlessFrameRate(int frame_rate) override {
    Forward(&S::set_windowless_frame_rate, frame_rate);
  }
  cef_text_input_context_t GetNSTextInputContext() override {
    return Forward(&S::get_nstext_input_context);
  }
  void HandleKeyEventBeforeTextInputClient(
      cef_event_handle_t keyEvent) override {
    Forward(&S::handle_key_event_before_text_input_client, keyEvent);
  }
  void HandleKeyEventAfterTextInputClient(
      cef_event_handle_t keyEvent) override {
    Forward(&S::handle_key_event_after_text_input_client, keyEvent);
  }
  void DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                           const CefMouseEvent& event,
                           DragOperationsMask allowed_ops) override {
    Forward(&S::drag_target_drag_enter, Required(drag_data), event,
            allowed_ops);
  }
  void DragTargetDragOver(const CefMouseEvent& event,
                          DragOperationsMask allowed_ops) override {
    Forward(&S::drag_target_drag_over, event, allowed_ops);
  }
  void DragTargetDragLeave() override { Forward(&S::drag_target_drag_leave); }
  void DragTargetDrop(const CefMouseEvent& event) override {
    Forward(&S::drag_target_drop, event);
  }
  void DragSourceEndedAt(int x, int y, DragOperationsMask op) override {
    Forward(&S::drag_source_ended_at, x, y, op);
  }
  void DragSourceSystemDragEnded() override {
    Forward(&S::drag_source_system_drag_ended);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_BROWSER_HOST_PROXY_H_
