// A cookie store. The library implements it; the program reaches it through a
// proxy, a request context or the creators.
#ifndef CEF_INCLUDE_CEF_COOKIE_H_
#define CEF_INCLUDE_CEF_COOKIE_H_

#include "include/capi/cef_cookie_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefCompletionCallback;
class CefCookieVisitor;
class CefDeleteCookiesCallback;
class CefSetCookieCallback;

// Callbacks may be null unless noted; they run on the library's I/O thread.
class CefCookieManager : public virtual CefBase {
 public:
  static CefRefPtr<CefCookieManager> GetGlobalManager(
      CefRefPtr<CefCompletionCallback> callback);
  // An empty path keeps the cookies in memory only.
  static CefRefPtr<CefCookieManager> CreateManager(
      const CefString& path, bool persist_session_cookies,
      CefRefPtr<CefCompletionCallback> callback);

  virtual void SetSupportedSchemes(
      const EmbedStringVector& schemes,
      CefRefPtr<CefCompletionCallback> callback) = 0;
  // The visitor is required in both.
  virtual bool VisitAllCookies(CefRefPtr<CefCookieVisitor> visitor) = 0;
  virtual bool VisitUrlCookies(const CefString& url, bool includeHttpOnly,
                               CefRefPtr<CefCookieVisitor> visitor) = 0;
  virtual bool SetCookie(const CefString& url, const CefCookie& cookie,
                         CefRefPtr<CefSetCookieCallback> callback) = 0;
  // An empty URL deletes the cookies of every host and domain.
  virtual bool DeleteCookies(const CefString& url,
                             const CefString& cookie_name,
                             CefRefPtr<CefDeleteCookiesCallback> callback) = 0;
  virtual bool SetStoragePath(const CefString& path,
                              bool persist_session_cookies,
                              CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual bool FlushStore(CefRefPtr<CefCompletionCallback> callback) = 0;
};

#endif  // CEF_INCLUDE_CEF_COOKIE_H_
