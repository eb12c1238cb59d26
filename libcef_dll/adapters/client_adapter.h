#ifndef CEF_LIBCEF_DLL_ADAPTERS_CLIENT_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_CLIENT_ADAPTER_H_

#include "include/cef_client.h"
#include "libcef_dll/adapters/handler_adapter.h"

// The library hands client structures back (a popup's client, a host's
// GetClient), so this adapter is also unwrapped.
class CefClientAdapter final
    : public HandlerAdapter<CefClientAdapter, CefClient, cef_client_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_CLIENT;
  typedef Members<
      Callback<&S::get_context_menu_handler, &I::GetContextMenuHandler>,
      Callback<&S::get_dialog_handler, &I::GetDialogHandler>,
      Callback<&S::get_display_handler, &I::GetDisplayHandler>,
      Callback<&S::get_download_handler, &I::GetDownloadHandler>,
      Callback<&S::get_drag_handler, &I::GetDragHandler>,
      Callback<&S::get_find_handler, &I::GetFindHandler>,
      Callback<&S::get_focus_handler, &I::GetFocusHandler>,
      Callback<&S::get_geolocation_handler, &I::GetGeolocationHandler>,
      Callback<&S::get_jsdialog_handler, &I::GetJSDialogHandler>,
      Callback<&S::get_keyboard_handler, &I::GetKeyboardHandler>,
      Callback<&S::get_life_span_handler, &I::GetLifeSpanHandler>,
      Callback<&S::get_load_handler, &I::GetLoadHandler>,
      Callback<&S::get_render_handler, &I::GetRenderHandler>,
      Callback<&S::get_request_handler, &I::GetRequestHandler>,
      Callback<&S::on_process_message_received, &I::OnProcessMessageReceived,
               RequiredAt<1, 3>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_CLIENT_ADAPTER_H_
