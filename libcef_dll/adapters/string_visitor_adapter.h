#ifndef CEF_LIBCEF_DLL_ADAPTERS_STRING_VISITOR_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_STRING_VISITOR_ADAPTER_H_

#include "include/cef_visitors.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefStringVisitorAdapter final
    : public HandlerAdapter<CefStringVisitorAdapter, CefStringVisitor,
                            cef_string_visitor_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_STRING_VISITOR;
  typedef Members<Callback<&S::visit, &I::Visit>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_STRING_VISITOR_ADAPTER_H_
