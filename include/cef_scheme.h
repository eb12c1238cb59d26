// Registration of custom URL schemes while a process starts. The library
// implements the registrar and hands it to the application object.
#ifndef CEF_INCLUDE_CEF_SCHEME_H_
#define CEF_INCLUDE_CEF_SCHEME_H_

#include "include/capi/cef_scheme_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"

// Valid only during the application's custom-scheme registration call. Every
// process must register each scheme with the same flags.
class CefSchemeRegistrar : public virtual CefBase {
 public:
  virtual bool AddCustomScheme(const CefString& scheme_name, bool is_standard,
                               bool is_local, bool is_display_isolated) = 0;
};

#endif  // CEF_INCLUDE_CEF_SCHEME_H_
