#ifndef CEF_LIBCEF_DLL_ADAPTERS_V8ACCESSOR_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_V8ACCESSOR_ADAPTER_H_

#include "include/cef_v8.h"
#include "include/cef_v8_handler.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefV8AccessorAdapter final
    : public HandlerAdapter<CefV8AccessorAdapter, CefV8Accessor,
                            cef_v8accessor_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8ACCESSOR;
  typedef Members<
      Callback<&S::get, &I::Get, RequiredAt<1, 2, 3, 4>>,
      Callback<&S::set, &I::Set, RequiredAt<1, 2, 3, 4>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_V8ACCESSOR_ADAPTER_H_
