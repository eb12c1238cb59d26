#ifndef CEF_LIBCEF_DLL_ADAPTERS_DOMVISITOR_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_DOMVISITOR_ADAPTER_H_

#include "include/cef_visitors.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefDOMVisitorAdapter final
    : public HandlerAdapter<CefDOMVisitorAdapter, CefDOMVisitor,
                            cef_domvisitor_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DOMVISITOR;
  typedef Members<Callback<&S::visit, &I::Visit, RequiredAt<1>>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_DOMVISITOR_ADAPTER_H_
