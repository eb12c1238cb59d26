#ifndef CEF_LIBCEF_DLL_ADAPTERS_LIFE_SPAN_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_LIFE_SPAN_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

// on_before_popup lends the popup's window info and settings to the handler
// and takes them back, and lets it keep, replace or clear the client; a
// refused call leaves all of them, and the script flag, unwritten.
class CefLifeSpanHandlerAdapter final
    : public HandlerAdapter<CefLifeSpanHandlerAdapter, CefLifeSpanHandler,
                            cef_life_span_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_LIFE_SPAN_HANDLER;
  typedef Members<
      Callback<&S::on_before_popup, &I::OnBeforePopup,
               RequiredAt<1, 2, 7, 8, 9, 10, 11>>,
      Callback<&S::on_after_created, &I::OnAfterCreated, RequiredAt<1>>,
      Callback<&S::run_modal, &I::RunModal, RequiredAt<1>>,
      Callback<&S::do_close, &I::DoClose, RequiredAt<1>>,
      Callback<&S::on_before_close, &I::OnBeforeClose, RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_LIFE_SPAN_HANDLER_ADAPTER_H_
