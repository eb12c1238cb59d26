#ifndef CEF_LIBCEF_DLL_ADAPTERS_WRITE_HANDLER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_WRITE_HANDLER_ADAPTER_H_

#include "include/cef_write_handler.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefWriteHandlerAdapter final
    : public HandlerAdapter<CefWriteHandlerAdapter, CefWriteHandler,
                            cef_write_handler_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_WRITE_HANDLER;
  typedef Members<Callback<&S::write, &I::Write, RequiredAt<1>>,
                  Callback<&S::seek, &I::Seek>, Callback<&S::tell, &I::Tell>,
                  Callback<&S::flush, &I::Flush>,
                  Callback<&S::may_block, &I::MayBlock>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_WRITE_HANDLER_ADAPTER_H_
