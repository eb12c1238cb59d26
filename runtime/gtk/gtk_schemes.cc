// Placeholder until the scheme registry lands: nothing is served.
#include "runtime/gtk/gtk_schemes.h"

#include "runtime/base/counted.h"

namespace cefrt {

bool RegisterSchemeFactory(WebKitWebContext*, const std::string&,
                           const std::string&,
                           cef_scheme_handler_factory_t* factory) {
  ReleaseStruct(factory);
  return false;
}

bool ClearSchemeFactories(WebKitWebContext*) { return false; }

void ServeSchemesOn(WebKitWebContext*) {}

void ForgetSchemesOf(WebKitWebContext*) {}

}  // namespace cefrt
