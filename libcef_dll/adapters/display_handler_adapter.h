#ifndef CEF_LIBCEF_DLL_ADAPTERS_DISPLAY_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_DISPLAY_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

// on_tooltip's text is a view of the library's record, so a rewritten
// tooltip lands there. A null text is let through as an empty one: there is
// then nowhere to write, and the library never asks for it.
class CefDisplayHandlerAdapter final
    : public HandlerAdapter<CefDisplayHandlerAdapter, CefDisplayHandler,
                            cef_display_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DISPLAY_HANDLER;
  typedef Members<
      Callback<&S::on_address_change, &I::OnAddressChange,
               RequiredAt<1, 2, 3>>,
      Callback<&S::on_title_change, &I::OnTitleChange, RequiredAt<1>>,
      Callback<&S::on_favicon_urlchange, &I::OnFaviconURLChange,
               RequiredAt<1>>,
      Callback<&S::on_fullscreen_mode_change, &I::OnFullscreenModeChange,
               RequiredAt<1>>,
      Callback<&S::on_tooltip, &I::OnTooltip, RequiredAt<1>>,
      Callback<&S::on_status_message, &I::OnStatusMessage, RequiredAt<1>>,
      Callback<&S::on_console_message, &I::OnConsoleMessage, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_DISPLAY_HANDLER_ADAPTER_H_
