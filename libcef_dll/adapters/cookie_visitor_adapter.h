#ifndef CEF_LIBCEF_DLL_ADAPTERS_COOKIE_VISITOR_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_COOKIE_VISITOR_ADAPTER_H_

#include "include/cef_visitors.h"
#include "libcef_dll/adapters/handler_adapter.h"

class CefCookieVisitorAdapter final
    : public HandlerAdapter<CefCookieVisitorAdapter, CefCookieVisitor,
                            cef_cookie_visitor_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_COOKIE_VISITOR;
  typedef Members<Callback<&S::visit, &I::Visit, RequiredAt<1, 4>>> Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_COOKIE_VISITOR_ADAPTER_H_
