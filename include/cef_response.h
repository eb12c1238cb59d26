// Web responses, implemented by the library.
#ifndef CEF_INCLUDE_CEF_RESPONSE_H_
#define CEF_INCLUDE_CEF_RESPONSE_H_

#include "include/capi/cef_response_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefResponse : public virtual CefBase {
 public:
  typedef EmbedStringMultimap HeaderMap;

  static CefRefPtr<CefResponse> Create();

  virtual bool IsReadOnly() = 0;
  virtual int GetStatus() = 0;
  virtual void SetStatus(int status) = 0;
  virtual CefString GetStatusText() = 0;
  virtual void SetStatusText(const CefString& statusText) = 0;
  virtual CefString GetMimeType() = 0;
  virtual void SetMimeType(const CefString& mimeType) = 0;
  // The first value of the named header.
  virtual CefString GetHeader(const CefString& name) = 0;
  // Replaces the map's content with the response's headers.
  virtual void GetHeaderMap(HeaderMap& headerMap) = 0;
  virtual void SetHeaderMap(const HeaderMap& headerMap) = 0;
};

#endif  // CEF_INCLUDE_CEF_RESPONSE_H_
