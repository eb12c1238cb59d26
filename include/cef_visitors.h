// Visitors the library walks over a collection, one call per item.
#ifndef CEF_INCLUDE_CEF_VISITORS_H_
#define CEF_INCLUDE_CEF_VISITORS_H_

#include "include/capi/cef_visitors_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"

class CefDOMDocument;
class CefNavigationEntry;
class CefWebPluginInfo;

// Where a visit answers bool, false stops the walk; the defaults visit
// nothing and stop at once.

class CefCookieVisitor : public virtual CefBase {
 public:
  // Setting `deleteCookie` removes the visited cookie.
  virtual bool Visit(const CefCookie& /*cookie*/, int /*count*/,
                     int /*total*/, bool& /*deleteCookie*/) {
    return false;
  }
};

class CefDOMVisitor : public virtual CefBase {
 public:
  // The document is valid only during the call.
  virtual void Visit(CefRefPtr<CefDOMDocument> /*document*/) {}
};

class CefNavigationEntryVisitor : public virtual CefBase {
 public:
  virtual bool Visit(CefRefPtr<CefNavigationEntry> /*entry*/,
                     bool /*current*/, int /*index*/, int /*total*/) {
    return false;
  }
};

class CefStringVisitor : public virtual CefBase {
 public:
  virtual void Visit(const CefString& /*string*/) {}
};

class CefWebPluginInfoVisitor : public virtual CefBase {
 public:
  virtual bool Visit(CefRefPtr<CefWebPluginInfo> /*info*/, int /*count*/,
                     int /*total*/) {
    return false;
  }
};

#endif  // CEF_INCLUDE_CEF_VISITORS_H_
