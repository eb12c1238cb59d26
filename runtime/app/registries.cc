// Cross-origin whitelist, scheme handler factories and plug-in paths: this
// runtime only keeps the registrations for the browser views to consult.
#include <algorithm>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/text.h"
#include "runtime/base/url.h"

namespace {

struct WhitelistEntry {
  std::string origin;
  std::string protocol;
  std::string domain;
  bool subdomains;
  bool operator==(const WhitelistEntry& o) const {
    return std::tie(origin, protocol, domain, subdomains) ==
           std::tie(o.origin, o.protocol, o.domain, o.subdomains);
  }
};

struct Registries {
  std::mutex mutex;
  std::vector<WhitelistEntry> whitelist;
  std::vector<std::u16string> plugin_paths;
};

Registries& Get() {
  static Registries* registries = new Registries();
  return *registries;
}

// The source must be a URL with a network origin; it is kept as that origin.
bool MakeEntry(const cef_string_t* source_origin,
               const cef_string_t* target_protocol,
               const cef_string_t* target_domain, int allow_subdomains,
               WhitelistEntry* entry) {
  cefrt::Url url;
  if (!cefrt::ParseUrl(cefrt::Utf8FromCef(source_origin), &url))
    return false;
  entry->origin = cefrt::HostOrigin(url);
  entry->protocol = cefrt::AsciiLower(cefrt::Utf8FromCef(target_protocol));
  entry->domain = cefrt::AsciiLower(cefrt::Utf8FromCef(target_domain));
  entry->subdomains = allow_subdomains != 0;
  return !entry->origin.empty() && !entry->protocol.empty();
}

}  // namespace

int cef_add_cross_origin_whitelist_entry(const cef_string_t* source_origin,
                                         const cef_string_t* target_protocol,
                                         const cef_string_t* target_domain,
                                         int allow_target_subdomains) {
  WhitelistEntry entry;
  if (!MakeEntry(source_origin, target_protocol, target_domain,
                 allow_target_subdomains, &entry))
    return 0;
  Registries& r = Get();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (std::find(r.whitelist.begin(), r.whitelist.end(), entry) ==
      r.whitelist.end())
    r.whitelist.push_back(entry);
  return 1;
}

int cef_remove_cross_origin_whitelist_entry(
    const cef_string_t* source_origin, const cef_string_t* target_protocol,
    const cef_string_t* target_domain, int allow_target_subdomains) {
  WhitelistEntry entry;
  if (!MakeEntry(source_origin, target_protocol, target_domain,
                 allow_target_subdomains, &entry))
    return 0;
  Registries& r = Get();
  std::lock_guard<std::mutex> lock(r.mutex);
  auto it = std::find(r.whitelist.begin(), r.whitelist.end(), entry);
  if (it == r.whitelist.end())
    return 0;
  r.whitelist.erase(it);
  return 1;
}

int cef_clear_cross_origin_whitelist(void) {
  Registries& r = Get();
  std::lock_guard<std::mutex> lock(r.mutex);
  r.whitelist.clear();
  return 1;
}

#if defined(_WIN32)
int cef_clear_scheme_handler_factories(void) {
  // The Windows view serves no scheme of the program's yet: nothing to drop.
  return 1;
}
#endif

namespace {

void AddPluginPath(const cef_string_t* path) {
  std::u16string p = cefrt::FromCef(path);
  if (p.empty())
    return;
  Registries& r = Get();
  std::lock_guard<std::mutex> lock(r.mutex);
  if (std::find(r.plugin_paths.begin(), r.plugin_paths.end(), p) ==
      r.plugin_paths.end())
    r.plugin_paths.push_back(std::move(p));
}

void RemovePluginPath(const cef_string_t* path) {
  const std::u16string p = cefrt::FromCef(path);
  Registries& r = Get();
  std::lock_guard<std::mutex> lock(r.mutex);
  r.plugin_paths.erase(
      std::remove(r.plugin_paths.begin(), r.plugin_paths.end(), p),
      r.plugin_paths.end());
}

}  // namespace

void cef_add_web_plugin_path(const cef_string_t* path) {
  AddPluginPath(path);
}

void cef_add_web_plugin_directory(const cef_string_t* dir) {
  AddPluginPath(dir);
}

void cef_remove_web_plugin_path(const cef_string_t* path) {
  RemovePluginPath(path);
}

void cef_unregister_internal_web_plugin(const cef_string_t* path) {
  RemovePluginPath(path);
}

void cef_force_web_plugin_shutdown(const cef_string_t* path) {
  // No plug-in ever runs, so there is nothing to stop.
  (void)path;
}

void cef_register_web_plugin_crash(const cef_string_t* path) {
  // Without running plug-ins no crash can be attributed.
  (void)path;
}
