// Program-side resource loading: a scheme's handler factory, the handler that
// serves one request, and a filter that rewrites a response body.
#ifndef CEF_INCLUDE_CEF_RESOURCE_H_
#define CEF_INCLUDE_CEF_RESOURCE_H_

#include <cstddef>
#include <cstdint>

#include "include/capi/cef_resource_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"

class CefBrowser;
class CefCallback;
class CefFrame;
class CefRequest;
class CefResponse;

// Unless noted, a method's default does nothing and answers false: the
// request is not handled.
class CefResourceHandler : public virtual CefBase {
 public:
  // True to handle the request; headers are then asked for once `callback`
  // has been continued.
  virtual bool ProcessRequest(CefRefPtr<CefRequest> /*request*/,
                              CefRefPtr<CefCallback> /*callback*/) {
    return false;
  }
  // `response_length` arrives as the library's value; -1 means unknown. A
  // non-empty `redirectUrl` redirects the request.
  virtual void GetResponseHeaders(CefRefPtr<CefResponse> /*response*/,
                                  int64_t& /*response_length*/,
                                  CefString& /*redirectUrl*/) {}
  // Writes at most `bytes_to_read` bytes into the library's `data_out`. False
  // ends the response; true with `bytes_read` 0 waits for `callback`.
  virtual bool ReadResponse(void* /*data_out*/, int /*bytes_to_read*/,
                            int& /*bytes_read*/,
                            CefRefPtr<CefCallback> /*callback*/) {
    return false;
  }
  virtual bool CanGetCookie(const CefCookie& /*cookie*/) { return false; }
  virtual bool CanSetCookie(const CefCookie& /*cookie*/) { return false; }
  virtual void Cancel() {}
};

class CefResponseFilter : public virtual CefBase {
 public:
  typedef cef_response_filter_status_t FilterStatus;

  // False leaves the response unfiltered.
  virtual bool InitFilter() { return false; }
  // Consumes up to `data_in_size` bytes (`data_in_read`) and produces up to
  // `data_out_size` bytes (`data_out_written`). The default consumes and
  // produces nothing, so it reports an error rather than asking for more
  // data it would never use.
  virtual FilterStatus Filter(void* /*data_in*/, size_t /*data_in_size*/,
                              size_t& /*data_in_read*/, void* /*data_out*/,
                              size_t /*data_out_size*/,
                              size_t& /*data_out_written*/) {
    return RESPONSE_FILTER_ERROR;
  }
};

class CefSchemeHandlerFactory : public virtual CefBase {
 public:
  // `browser` and `frame` are null for requests that come from no browser;
  // null lets the library handle the request itself.
  virtual CefRefPtr<CefResourceHandler> Create(
      CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
      const CefString& /*scheme_name*/, CefRefPtr<CefRequest> /*request*/) {
    return nullptr;
  }
};

#endif  // CEF_INCLUDE_CEF_RESOURCE_H_
