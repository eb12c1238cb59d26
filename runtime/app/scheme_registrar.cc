#include "runtime/app/scheme_registrar.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "include/capi/cef_scheme_capi.h"
#include "runtime/base/ascii.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

std::mutex g_mutex;
std::vector<CustomScheme>* g_schemes = new std::vector<CustomScheme>();

// A scheme name as URLs spell it: a letter, then letters, digits, "+-.".
bool ValidSchemeName(const std::string& name) {
  if (name.empty() || name[0] < 'a' || name[0] > 'z')
    return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '-' || c == '.';
  });
}

class Registrar : public CountedStruct<cef_scheme_registrar_t> {
 public:
  Registrar() : CountedStruct("cef_scheme_registrar_t") {
    s().add_custom_scheme = [](cef_scheme_registrar_t* s,
                               const cef_string_t* name, int is_standard,
                               int is_local,
                               int is_display_isolated) CEF_CALLBACK {
      Registrar* self = From<Registrar>(s);
      if (!self || !self->open_)
        return 0;
      CustomScheme scheme;
      scheme.name = AsciiLower(Utf8FromCef(name));
      if (!ValidSchemeName(scheme.name))
        return 0;
      scheme.standard = is_standard != 0;
      scheme.local = is_local != 0;
      scheme.display_isolated = is_display_isolated != 0;
      std::lock_guard<std::mutex> lock(g_mutex);
      auto same = std::find_if(
          g_schemes->begin(), g_schemes->end(),
          [&](const CustomScheme& c) { return c.name == scheme.name; });
      if (same != g_schemes->end())
        return 0;  // a scheme keeps the flags it was first registered with
      g_schemes->push_back(scheme);
      return 1;
    };
  }
  std::atomic<bool> open_{true};

 private:
  ~Registrar() override = default;
};

}  // namespace

void RegisterCustomSchemes(cef_app_t* app) {
  if (!Offers(app, &cef_app_t::on_register_custom_schemes))
    return;
  Registrar* registrar = new Registrar();
  app->on_register_custom_schemes(app, registrar->Share());
  registrar->open_ = false;  // a registrar kept past the call adds nothing
  registrar->Release();
}

std::vector<CustomScheme> CustomSchemes() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return *g_schemes;
}

void ForgetCustomSchemes() {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_schemes->clear();
}

}  // namespace cefrt
