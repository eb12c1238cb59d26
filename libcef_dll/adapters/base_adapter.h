#ifndef CEF_LIBCEF_DLL_ADAPTERS_BASE_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_BASE_ADAPTER_H_

#include "include/cef_base.h"
#include "libcef_dll/adapters/handler_adapter.h"

// Any counted program object, seen by the library as the bare base
// structure: user data that it keeps for the program and hands back.
class CefBaseAdapter final
    : public HandlerAdapter<CefBaseAdapter, CefBase, cef_base_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_BASE;
  typedef Members<> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_BASE_ADAPTER_H_
