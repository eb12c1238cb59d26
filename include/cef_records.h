// Holders of the library's plain C records. A holder is the record itself
// (members are reached directly) plus what it needs to free the record's
// strings exactly once, and to take over a library-owned record for a call.
#ifndef CEF_INCLUDE_CEF_RECORDS_H_
#define CEF_INCLUDE_CEF_RECORDS_H_

#include <cstring>

#include "include/capi/cef_records_capi.h"
#include "include/cef_string.h"

// Traits of a record without owned members: zeroed on construction, nothing
// to release, copied byte for byte.
template <class R>
struct PlainRecordTraits {
  typedef R record_type;
  static void init(R*) {}
  static void clear(R*) {}
  static void set(const R* source, R* target, bool /*copy*/) {
    std::memcpy(target, source, sizeof(R));
  }
};

template <class Traits>
class RecordHolder : public Traits::record_type {
 public:
  typedef typename Traits::record_type record_type;

  RecordHolder() : attached_to_(nullptr) { Init(); }
  RecordHolder(const RecordHolder& other) : attached_to_(nullptr) {
    Init();
    CopyFrom(&other.Get(), true);
  }
  RecordHolder(const record_type& other) : attached_to_(nullptr) {  // NOLINT
    Init();
    CopyFrom(&other, true);
  }
  virtual ~RecordHolder() {
    if (!attached_to_) Traits::clear(&Get());
  }

  RecordHolder& operator=(const RecordHolder& other) {
    return *this = other.Get();
  }
  RecordHolder& operator=(const record_type& other) {
    if (&other != &Get()) CopyFrom(&other, true);
    return *this;
  }

  // Uses `source`'s buffers without owning them until DetachRecord.
  void AttachRecord(record_type* source) {
    if (!attached_to_) Traits::clear(&Get());
    attached_to_ = source;
    std::memcpy(&Get(), source, sizeof(record_type));
  }

  // Moves the current content, and ownership of every buffer, into `target`;
  // the holder starts afresh.
  void DetachRecord(record_type* target) {
    if (target != attached_to_) Traits::clear(target);
    std::memcpy(target, &Get(), sizeof(record_type));
    attached_to_ = nullptr;
    Init();
  }

  void CopyFrom(const record_type* source, bool copy) {
    Traits::set(source, &Get(), copy);
  }

  record_type& Get() { return *this; }
  const record_type& Get() const { return *this; }

 private:
  void Init() {
    std::memset(static_cast<record_type*>(this), 0, sizeof(record_type));
    Traits::init(&Get());
  }

  record_type* attached_to_;
};

// Copies one string member: text is copied or referenced by `copy`.
inline void SetRecordString(const cef_string_t* source, cef_string_t* target,
                            bool copy) {
  cef_string_utf16_set(source->str, source->length, target, copy);
}

struct CefMainArgsTraits : PlainRecordTraits<cef_main_args_t> {};
class CefMainArgs : public RecordHolder<CefMainArgsTraits> {
 public:
  CefMainArgs() {}
#if defined(_WIN32)
  explicit CefMainArgs(cef_instance_handle_t instance_handle) {
    instance = instance_handle;
  }
#else
  CefMainArgs(int arg_count, char** arg_values) {
    argc = arg_count;
    argv = arg_values;
  }
#endif
};

struct CefSettingsTraits {
  typedef cef_settings_t record_type;
  static void init(cef_settings_t* s) { s->size = sizeof(cef_settings_t); }
  static void clear(cef_settings_t* s);
  static void set(const cef_settings_t* source, cef_settings_t* target,
                  bool copy);
};
typedef RecordHolder<CefSettingsTraits> CefSettings;

struct CefBrowserSettingsTraits {
  typedef cef_browser_settings_t record_type;
  static void init(cef_browser_settings_t* s) {
    s->size = sizeof(cef_browser_settings_t);
  }
  static void clear(cef_browser_settings_t* s);
  static void set(const cef_browser_settings_t* source,
                  cef_browser_settings_t* target, bool copy);
};
typedef RecordHolder<CefBrowserSettingsTraits> CefBrowserSettings;

struct CefWindowInfoTraits {
  typedef cef_window_info_t record_type;
  static void init(cef_window_info_t*) {}
  static void clear(cef_window_info_t* s);
  static void set(const cef_window_info_t* source, cef_window_info_t* target,
                  bool copy);
};
// The shell's own window; only it is placed over the whole primary screen.
constexpr char kShellWindowName[] = "Pellavine";

class CefWindowInfo : public RecordHolder<CefWindowInfoTraits> {
 public:
  // A visible, captioned, resizable top-level window. The shell's own window
  // covers the primary screen; any other name gets the system's default
  // placement.
  void SetAsPopup(cef_window_handle_t parent, const CefString& name);
};

struct CefPopupFeaturesTraits {
  typedef cef_popup_features_t record_type;
  static void init(cef_popup_features_t* s) {
    s->menuBarVisible = 1;
    s->statusBarVisible = 1;
    s->toolBarVisible = 1;
    s->locationBarVisible = 1;
    s->scrollbarsVisible = 1;
    s->resizable = 1;
  }
  static void clear(cef_popup_features_t* s);
  static void set(const cef_popup_features_t* source,
                  cef_popup_features_t* target, bool copy);
};
typedef RecordHolder<CefPopupFeaturesTraits> CefPopupFeatures;

struct CefGeopositionTraits {
  typedef cef_geoposition_t record_type;
  static void init(cef_geoposition_t*) {}
  static void clear(cef_geoposition_t* s) {
    cef_string_utf16_clear(&s->error_message);
  }
  static void set(const cef_geoposition_t* source, cef_geoposition_t* target,
                  bool copy);
};
typedef RecordHolder<CefGeopositionTraits> CefGeoposition;

struct CefCookieTraits {
  typedef cef_cookie_t record_type;
  static void init(cef_cookie_t*) {}
  static void clear(cef_cookie_t* s);
  static void set(const cef_cookie_t* source, cef_cookie_t* target, bool copy);
};
typedef RecordHolder<CefCookieTraits> CefCookie;

struct CefURLPartsTraits {
  typedef cef_urlparts_t record_type;
  static void init(cef_urlparts_t*) {}
  static void clear(cef_urlparts_t* s);
  static void set(const cef_urlparts_t* source, cef_urlparts_t* target,
                  bool copy);
};
typedef RecordHolder<CefURLPartsTraits> CefURLParts;

typedef RecordHolder<PlainRecordTraits<cef_screen_info_t>> CefScreenInfo;
typedef RecordHolder<PlainRecordTraits<cef_key_event_t>> CefKeyEvent;
typedef RecordHolder<PlainRecordTraits<cef_time_t>> CefTime;
typedef RecordHolder<PlainRecordTraits<cef_rect_t>> CefRect;
typedef RecordHolder<PlainRecordTraits<cef_point_t>> CefPoint;
typedef RecordHolder<PlainRecordTraits<cef_size_t>> CefSize;

#endif  // CEF_INCLUDE_CEF_RECORDS_H_
