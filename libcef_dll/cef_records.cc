#include "include/cef_records.h"

#include "libcef_dll/platform.h"

namespace {

// WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE.
const uint32_t kPopupStyle = 0x16CF0000;
const int kUseDefault = static_cast<int>(0x80000000u);

void ClearStrings(std::initializer_list<cef_string_t*> members) {
  for (cef_string_t* member : members) cef_string_utf16_clear(member);
}

void SetString(const cef_string_t& source, cef_string_t* target, bool copy) {
  SetRecordString(&source, target, copy);
}

}  // namespace

void CefSettingsTraits::clear(cef_settings_t* s) {
  ClearStrings({&s->browser_subprocess_path, &s->cache_path,
                &s->user_data_path, &s->user_agent, &s->product_version,
                &s->locale, &s->log_file, &s->javascript_flags,
                &s->resources_dir_path, &s->locales_dir_path,
                &s->accept_language_list});
}

void CefSettingsTraits::set(const cef_settings_t* source,
                            cef_settings_t* target, bool copy) {
  clear(target);
  *target = *source;
  // The byte copy shared the source's buffers; give the target its own.
  cef_string_t* strings[] = {
      &target->browser_subprocess_path, &target->cache_path,
      &target->user_data_path, &target->user_agent, &target->product_version,
      &target->locale, &target->log_file, &target->javascript_flags,
      &target->resources_dir_path, &target->locales_dir_path,
      &target->accept_language_list};
  for (cef_string_t* s : strings) {
    const cef_string_t shared = *s;
    *s = cef_string_t();
    SetString(shared, s, copy);
  }
}

void CefBrowserSettingsTraits::clear(cef_browser_settings_t* s) {
  ClearStrings({&s->standard_font_family, &s->fixed_font_family,
                &s->serif_font_family, &s->sans_serif_font_family,
                &s->cursive_font_family, &s->fantasy_font_family,
                &s->default_encoding, &s->accept_language_list});
}

void CefBrowserSettingsTraits::set(const cef_browser_settings_t* source,
                                   cef_browser_settings_t* target,
                                   bool copy) {
  clear(target);
  *target = *source;
  cef_string_t* strings[] = {
      &target->standard_font_family, &target->fixed_font_family,
      &target->serif_font_family,    &target->sans_serif_font_family,
      &target->cursive_font_family,  &target->fantasy_font_family,
      &target->default_encoding,     &target->accept_language_list};
  for (cef_string_t* s : strings) {
    const cef_string_t shared = *s;
    *s = cef_string_t();
    SetString(shared, s, copy);
  }
}

void CefWindowInfoTraits::clear(cef_window_info_t* s) {
  cef_string_utf16_clear(&s->window_name);
}

void CefWindowInfoTraits::set(const cef_window_info_t* source,
                              cef_window_info_t* target, bool copy) {
  clear(target);
  *target = *source;
  target->window_name = cef_string_t();
  SetString(source->window_name, &target->window_name, copy);
}

void CefWindowInfo::SetAsPopup(cef_window_handle_t parent,
                               const CefString& name) {
  style = kPopupStyle;
  parent_window = parent;
  if (name.Equals(CefString(kShellWindowName))) {
    const bridge_platform::ScreenSize screen =
        bridge_platform::PrimaryScreenSize();
    x = 0;
    y = 0;
    width = screen.width;
    height = screen.height;
  } else {
    x = y = width = height = kUseDefault;
  }
  bridge_platform::DebugLine(L"SetAsPopup");
  cef_string_utf16_set(name.Units(), name.Length(), &window_name, 1);
}

void CefPopupFeaturesTraits::clear(cef_popup_features_t* s) {
  if (s->additionalFeatures) cef_string_list_free(s->additionalFeatures);
  s->additionalFeatures = nullptr;
}

void CefPopupFeaturesTraits::set(const cef_popup_features_t* source,
                                 cef_popup_features_t* target, bool) {
  clear(target);
  // The list is always copied; it has no referencing form.
  target->additionalFeatures =
      source->additionalFeatures
          ? cef_string_list_copy(source->additionalFeatures)
          : nullptr;
  target->x = source->x;
  target->xSet = source->xSet;
  target->y = source->y;
  target->ySet = source->ySet;
  target->width = source->width;
  target->widthSet = source->widthSet;
  target->height = source->height;
  target->heightSet = source->heightSet;
  target->menuBarVisible = source->menuBarVisible;
  target->statusBarVisible = source->statusBarVisible;
  target->toolBarVisible = source->toolBarVisible;
  target->locationBarVisible = source->locationBarVisible;
  target->scrollbarsVisible = source->scrollbarsVisible;
  target->resizable = source->resizable;
  target->fullscreen = source->fullscreen;
  target->dialog = source->dialog;
}

void CefGeopositionTraits::set(const cef_geoposition_t* source,
                               cef_geoposition_t* target, bool copy) {
  target->latitude = source->latitude;
  target->longitude = source->longitude;
  target->altitude = source->altitude;
  target->accuracy = source->accuracy;
  target->altitude_accuracy = source->altitude_accuracy;
  target->heading = source->heading;
  target->speed = source->speed;
  target->timestamp = source->timestamp;
  target->error_code = source->error_code;
  SetString(source->error_message, &target->error_message, copy);
}

void CefCookieTraits::clear(cef_cookie_t* s) {
  ClearStrings({&s->name, &s->value, &s->domain, &s->path});
}

void CefCookieTraits::set(const cef_cookie_t* source, cef_cookie_t* target,
                          bool copy) {
  SetString(source->name, &target->name, copy);
  SetString(source->value, &target->value, copy);
  SetString(source->domain, &target->domain, copy);
  SetString(source->path, &target->path, copy);
  target->secure = source->secure;
  target->httponly = source->httponly;
  target->creation = source->creation;
  target->last_access = source->last_access;
  target->has_expires = source->has_expires;
  target->expires = source->expires;
}

void CefURLPartsTraits::clear(cef_urlparts_t* s) {
  ClearStrings({&s->spec, &s->username, &s->password, &s->host, &s->port,
                &s->origin, &s->path, &s->query});
}

void CefURLPartsTraits::set(const cef_urlparts_t* source,
                            cef_urlparts_t* target, bool copy) {
  SetString(source->spec, &target->spec, copy);
  SetString(source->username, &target->username, copy);
  SetString(source->password, &target->password, copy);
  SetString(source->host, &target->host, copy);
  SetString(source->port, &target->port, copy);
  SetString(source->origin, &target->origin, copy);
  SetString(source->path, &target->path, copy);
  SetString(source->query, &target->query, copy);
}
