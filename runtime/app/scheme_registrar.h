// The custom schemes the application registers while the library starts.
#ifndef CEF_RUNTIME_APP_SCHEME_REGISTRAR_H_
#define CEF_RUNTIME_APP_SCHEME_REGISTRAR_H_

#include <string>
#include <vector>

#include "include/capi/cef_app_capi.h"

namespace cefrt {

struct CustomScheme {
  std::string name;  // lower case
  bool standard = false;
  bool local = false;
  bool display_isolated = false;
};

// Asks the application's on_register_custom_schemes with a registrar that
// is valid only during the call.
void RegisterCustomSchemes(cef_app_t* app);
// The schemes registered at start-up, in order; one entry per name.
std::vector<CustomScheme> CustomSchemes();
void ForgetCustomSchemes();

}  // namespace cefrt

#endif  // CEF_RUNTIME_APP_SCHEME_REGISTRAR_H_
