#ifndef CEF_LIBCEF_DLL_CTOCPP_PRINT_JOB_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_PRINT_JOB_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefPrintJobCallbackProxy final
    : public ObjectProxy<CefPrintJobCallbackProxy, CefPrintJobCallback,
                         cef_print_job_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_PRINT_JOB_CALLBACK;

  void Continue() override { Forward(&S::cont); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_PRINT_JOB_CALLBACK_PROXY_H_
