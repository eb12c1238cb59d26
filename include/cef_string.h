// CefString: the bridge's holder of one cef_string_t.
#ifndef CEF_INCLUDE_CEF_STRING_H_
#define CEF_INCLUDE_CEF_STRING_H_

#include <cstddef>
#include <string>

#include "include/capi/cef_string_capi.h"

// Either owns a record it allocated or references one that belongs to someone
// else (the library, a settings record, a caller's out-parameter). Writing
// through a referencing holder writes into the referenced record. A copy
// always owns a deep copy. A move hands over only a record that the source
// owns, and only into a holder without a record of its own; otherwise it
// copies, so a referencing target is still written through and a moved
// referencing holder never outlives the text it referenced.
class CefString {
 public:
  CefString() : record_(nullptr), owner_(false) {}
  // References `record` without copying; null gives an empty holder.
  CefString(const cef_string_t* record)  // NOLINT: implicit for adapters
      : record_(const_cast<cef_string_t*>(record)), owner_(false) {}
  CefString(const CefString& other);
  CefString(CefString&& other) noexcept;
  CefString(const char* text);      // NOLINT: implicit like std::string
  CefString(const wchar_t* text);   // NOLINT
  CefString(const std::string& text);   // NOLINT
  CefString(const std::wstring& text);  // NOLINT
  virtual ~CefString() { Free(); }

  CefString& operator=(const CefString& other);
  CefString& operator=(CefString&& other) noexcept;
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
  // Whether `other`'s record can simply change hands into this holder: one
  // that has a record keeps it, as every assignment does, since its address
  // may already have been handed out.
  bool CanTakeOver(const CefString& other) const {
    return other.owner_ && !record_;
  }

  cef_string_t* record_;
  bool owner_;
};

#endif  // CEF_INCLUDE_CEF_STRING_H_
