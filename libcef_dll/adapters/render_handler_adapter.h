#ifndef CEF_LIBCEF_DLL_ADAPTERS_RENDER_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RENDER_HANDLER_ADAPTER_H_

#include "include/cef_handlers.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefRenderHandlerAdapter final
    : public HandlerAdapter<CefRenderHandlerAdapter, CefRenderHandler,
                            cef_render_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RENDER_HANDLER;
  typedef Members<
      Callback<&S::get_root_screen_rect, &I::GetRootScreenRect,
               RequiredAt<1, 2>>,
      Callback<&S::get_view_rect, &I::GetViewRect, RequiredAt<1, 2>>,
      Callback<&S::get_screen_point, &I::GetScreenPoint, RequiredAt<1, 4, 5>>,
      Callback<&S::get_screen_info, &I::GetScreenInfo, RequiredAt<1, 2>>,
      Callback<&S::on_popup_show, &I::OnPopupShow, RequiredAt<1>>,
      Callback<&S::on_popup_size, &I::OnPopupSize, RequiredAt<1, 2>>,
      Callback<&S::on_paint, &I::OnPaint, RequiredAt<1, 5>, ArrayAt<3>>,
      Callback<&S::on_cursor_change, &I::OnCursorChange, RequiredAt<1, 4>>,
      Callback<&S::start_dragging, &I::StartDragging, RequiredAt<1, 2>>,
      Callback<&S::update_drag_cursor, &I::UpdateDragCursor, RequiredAt<1>>,
      Callback<&S::on_scroll_offset_changed, &I::OnScrollOffsetChanged,
               RequiredAt<1>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RENDER_HANDLER_ADAPTER_H_
