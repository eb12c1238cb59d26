#ifndef CEF_LIBCEF_DLL_ADAPTERS_DRAG_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_DRAG_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefDragHandlerAdapter final
    : public HandlerAdapter<CefDragHandlerAdapter, CefDragHandler,
                            cef_drag_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DRAG_HANDLER;
  typedef Members<
      Callback<&S::on_drag_enter, &I::OnDragEnter, RequiredAt<1, 2>>,
      Callback<&S::on_draggable_regions_changed, &I::OnDraggableRegionsChanged,
               RequiredAt<1>, ArrayAt<2>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_DRAG_HANDLER_ADAPTER_H_
