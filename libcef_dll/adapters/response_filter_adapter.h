#ifndef CEF_LIBCEF_DLL_ADAPTERS_RESPONSE_FILTER_ADAPTER_H_
#define CEF_LIBCEF_DLL_ADAPTERS_RESPONSE_FILTER_ADAPTER_H_

#include "include/cef_resource.h"
#include "libcef_dll/adapters/handler_adapter.h"

// `data_in` may be null at the end of the body; a filter that cannot run
// reports an error rather than asking for data it would never take.
class CefResponseFilterAdapter final
    : public HandlerAdapter<CefResponseFilterAdapter, CefResponseFilter,
                            cef_response_filter_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_RESPONSE_FILTER;
  typedef Members<Callback<&S::init_filter, &I::InitFilter>,
                  Callback<&S::filter, &I::Filter, RequiredAt<3, 4, 6>,
                           Default<RESPONSE_FILTER_ERROR>>>
      Callbacks;
};

#endif  // CEF_LIBCEF_DLL_ADAPTERS_RESPONSE_FILTER_ADAPTER_H_
