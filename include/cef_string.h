// CefString: the bridge's holder of one cef_string_t.
#ifndef CEF_INCLUDE_CEF_STRING_H_
#define CEF_INCLUDE_CEF_STRING_H_

#include <cstddef>
#include <string>

#include "include/capi/cef_string_capi.h"

// Either owns a record it allocated or references one that belongs to someone
// else (the library, a settings record, a caller's out-parameter). Writing
// through a referencing holder writes into the referenced record. There is no
// moving transfer: a copy always owns a deep copy.
class CefString {
 public:
  CefString() : record_(nullptr), owner_(false) {}
  // References `record` without copying; null gives an empty holder.
  CefString(const cef_string_t* record)  // NOLINT: implicit for adapters
      : record_(const_cast<cef_string_t*>(record)), owner_(false) {}
  CefString(const CefString& other);
  CefString(const char* text);      // NOLINT: implicit like std::string
  CefString(const wchar_t* text);   // NOLINT
  CefString(const std::string& text);   // NOLINT
  CefString(const std::wstring& text);  // NOLINT
  virtual ~CefString() { Free(); }

  CefString& operator=(const CefString& other);
  CefString& operator=(const char* text);
  CefString& operator=(const wchar_t* text);
  CefString& operator=(const std::string& text);
  CefString& operator=(const std::wstring& text);

  // With `copy` false the record points at `units`, which must outlive it.
  bool AssignUnits(const char16* units, size_t count, bool copy);
  bool AssignUtf8(const std::string& text);
  bool AssignWide(const std::wstring& text);
  // Takes over a string that the library allocated for the caller.
  void AdoptUserFree(cef_string_userfree_t userfree);

  // For library calls that write a string into an out-parameter.
  cef_string_t* WritableRecord();
  const cef_string_t* Record() const { return record_; }

  const char16* Units() const { return record_ ? record_->str : nullptr; }
  size_t Length() const { return record_ ? record_->length : 0; }
  bool IsEmpty() const { return Length() == 0; }

  std::string ToUtf8() const;
  std::wstring ToWide() const;

  // Empty orders before every non-empty string.
  int Compare(const CefString& other) const;
  bool Equals(const CefString& other) const { return Compare(other) == 0; }
  bool Less(const CefString& other) const { return Compare(other) < 0; }

  bool operator==(const CefString& other) const { return Equals(other); }
  bool operator!=(const CefString& other) const { return !Equals(other); }
  bool operator<(const CefString& other) const { return Less(other); }

 private:
  void EnsureRecord();
  void ClearRecord();
  void Free();

  cef_string_t* record_;
  bool owner_;
};

#endif  // CEF_INCLUDE_CEF_STRING_H_
