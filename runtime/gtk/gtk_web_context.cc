// The web contexts browsers load in, and WebKit's settings per browser.
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/gtk_cookies.h"
#include "runtime/gtk/gtk_schemes.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

WebKitWebContext* g_context = nullptr;

}  // namespace

WebKitWebContext* NewWebContext(const BrowserEnvironment& cfg,
                                bool ignore_certificate_errors) {
  if (cfg.disable_gpu) {
    // Read by the web process when it starts; the user's own choice wins.
    g_setenv("WEBKIT_DISABLE_DMABUF_RENDERER", "1", FALSE);
    g_setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", FALSE);
  }
  WebKitWebsiteDataManager* data = nullptr;
  if (cfg.cache_path.empty()) {
    data = webkit_website_data_manager_new_ephemeral();
  } else {
    const std::filesystem::path base(U16ToUtf8(cfg.cache_path));
    data = webkit_website_data_manager_new(
        "base-data-directory", base.string().c_str(), "base-cache-directory",
        (base / "Cache").string().c_str(), nullptr);
  }
  if (cfg.no_proxy) {
    webkit_website_data_manager_set_network_proxy_settings(
        data, WEBKIT_NETWORK_PROXY_MODE_NO_PROXY, nullptr);
  } else if (!cfg.proxy_server.empty()) {
    std::string proxy = U16ToUtf8(cfg.proxy_server);
    if (proxy.find("://") == std::string::npos)
      proxy = "http://" + proxy;
    WebKitNetworkProxySettings* settings =
        webkit_network_proxy_settings_new(proxy.c_str(), nullptr);
    webkit_website_data_manager_set_network_proxy_settings(
        data, WEBKIT_NETWORK_PROXY_MODE_CUSTOM, settings);
    webkit_network_proxy_settings_free(settings);
  }
  if (ignore_certificate_errors)
    webkit_website_data_manager_set_tls_errors_policy(
        data, WEBKIT_TLS_ERRORS_POLICY_IGNORE);
  WebKitWebContext* context =
      webkit_web_context_new_with_website_data_manager(data);
  if (!cfg.cache_path.empty()) {
    const std::filesystem::path cookies =
        std::filesystem::path(U16ToUtf8(cfg.cache_path)) / "Cookies";
    webkit_cookie_manager_set_persistent_storage(
        webkit_website_data_manager_get_cookie_manager(data),
        cookies.string().c_str(), WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
  }
  g_object_unref(data);

  const std::vector<std::string> languages = PreferredLanguages(cfg);
  if (!languages.empty()) {
    std::vector<const gchar*> c_langs;
    for (const std::string& l : languages)
      c_langs.push_back(l.c_str());
    c_langs.push_back(nullptr);
    webkit_web_context_set_preferred_languages(context, c_langs.data());
  }
  g_signal_connect(context, "download-started",
                   G_CALLBACK(OnDownloadStarted), nullptr);
  ServeSchemesOn(context);
  return context;
}

void ReleaseWebContext(WebKitWebContext* context) {
  if (!context)
    return;
  g_signal_handlers_disconnect_by_func(
      context, reinterpret_cast<gpointer>(OnDownloadStarted), nullptr);
  ForgetSchemesOf(context);
  g_object_unref(context);
}

WebKitWebContext* SharedWebContext() {
  if (g_context)
    return g_context;
  const BrowserEnvironment& cfg = Environment();
  g_context = NewWebContext(cfg, false);
  return g_context;
}

WebKitSettings* WebSettingsFor(const cef_browser_settings_t* bs) {
  const BrowserEnvironment& cfg = Environment();
  WebKitSettings* s = webkit_settings_new();
  webkit_settings_set_enable_developer_extras(s, TRUE);
  if (cfg.disable_gpu)
    webkit_settings_set_hardware_acceleration_policy(
        s, WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  if (!cfg.user_agent.empty())
    webkit_settings_set_user_agent(s, U16ToUtf8(cfg.user_agent).c_str());
  if (!bs)
    return s;
  using B = cef_browser_settings_t;
  auto state = [bs](cef_state_t B::*field) {
    return FieldOr(bs, field, STATE_DEFAULT);
  };
  if (state(&B::javascript) != STATE_DEFAULT)
    webkit_settings_set_enable_javascript(
        s, state(&B::javascript) == STATE_ENABLED);
  if (state(&B::javascript_open_windows) != STATE_DEFAULT)
    webkit_settings_set_javascript_can_open_windows_automatically(
        s, state(&B::javascript_open_windows) == STATE_ENABLED);
  if (state(&B::javascript_access_clipboard) != STATE_DEFAULT)
    webkit_settings_set_javascript_can_access_clipboard(
        s, state(&B::javascript_access_clipboard) == STATE_ENABLED);
  if (state(&B::image_loading) != STATE_DEFAULT)
    webkit_settings_set_auto_load_images(
        s, state(&B::image_loading) == STATE_ENABLED);
  if (state(&B::local_storage) != STATE_DEFAULT)
    webkit_settings_set_enable_html5_local_storage(
        s, state(&B::local_storage) == STATE_ENABLED);
  if (state(&B::databases) != STATE_DEFAULT)
    webkit_settings_set_enable_html5_database(
        s, state(&B::databases) == STATE_ENABLED);
  if (state(&B::webgl) != STATE_DEFAULT)
    webkit_settings_set_enable_webgl(s, state(&B::webgl) == STATE_ENABLED);
  if (state(&B::caret_browsing) != STATE_DEFAULT)
    webkit_settings_set_enable_caret_browsing(
        s, state(&B::caret_browsing) == STATE_ENABLED);
  const int font_size = FieldOr(bs, &B::default_font_size, 0);
  if (font_size > 0)
    webkit_settings_set_default_font_size(s, static_cast<guint32>(font_size));
  const int fixed_size = FieldOr(bs, &B::default_fixed_font_size, 0);
  if (fixed_size > 0)
    webkit_settings_set_default_monospace_font_size(
        s, static_cast<guint32>(fixed_size));
  const int min_size = FieldOr(bs, &B::minimum_font_size, 0);
  if (min_size > 0)
    webkit_settings_set_minimum_font_size(s, static_cast<guint32>(min_size));
  struct FontField {
    cef_string_t B::*field;
    void (*set)(WebKitSettings*, const gchar*);
  };
  const FontField fonts[] = {
      {&B::standard_font_family, webkit_settings_set_default_font_family},
      {&B::fixed_font_family, webkit_settings_set_monospace_font_family},
      {&B::serif_font_family, webkit_settings_set_serif_font_family},
      {&B::sans_serif_font_family, webkit_settings_set_sans_serif_font_family},
      {&B::cursive_font_family, webkit_settings_set_cursive_font_family},
      {&B::fantasy_font_family, webkit_settings_set_fantasy_font_family},
      {&B::default_encoding, webkit_settings_set_default_charset},
  };
  for (const FontField& f : fonts) {
    const cef_string_t value = FieldOr(bs, f.field, cef_string_t{});
    if (!Blank(&value))
      f.set(s, Utf8FromCef(&value).c_str());
  }
  return s;
}

void ReleaseSharedWebContext() {
  WebStore::ForgetGlobal();
  WebKitWebContext* context = g_context;
  g_context = nullptr;
  ReleaseWebContext(context);
}

}  // namespace cefrt
