#include "include/cef_string.h"

#include <cstdlib>
#include <cstring>
#include <utility>

CefString::CefString(const CefString& other) : record_(nullptr), owner_(false) {
  AssignUnits(other.Units(), other.Length(), true);
}

CefString::CefString(const char* text) : record_(nullptr), owner_(false) {
  if (text) AssignUtf8(text);
}

CefString::CefString(const wchar_t* text) : record_(nullptr), owner_(false) {
  if (text) AssignWide(text);
}

CefString::CefString(const std::string& text)
    : record_(nullptr), owner_(false) {
  AssignUtf8(text);
}

CefString::CefString(const std::wstring& text)
    : record_(nullptr), owner_(false) {
  AssignWide(text);
}

CefString::CefString(CefString&& other) noexcept
    : record_(nullptr), owner_(false) {
  *this = std::move(other);
}

CefString& CefString::operator=(const CefString& other) {
  if (&other != this) AssignUnits(other.Units(), other.Length(), true);
  return *this;
}

CefString& CefString::operator=(CefString&& other) noexcept {
  if (&other == this) return *this;
  if (!CanTakeOver(other)) return *this = other;
  Free();
  record_ = other.record_;
  owner_ = true;
  other.record_ = nullptr;
  other.owner_ = false;
  return *this;
}

CefString& CefString::operator=(const char* text) {
  AssignUtf8(text ? text : "");
  return *this;
}

CefString& CefString::operator=(const wchar_t* text) {
  AssignWide(text ? text : L"");
  return *this;
}

CefString& CefString::operator=(const std::string& text) {
  AssignUtf8(text);
  return *this;
}

CefString& CefString::operator=(const std::wstring& text) {
  AssignWide(text);
  return *this;
}

void CefString::EnsureRecord() {
  if (record_) return;
  record_ = static_cast<cef_string_t*>(std::calloc(1, sizeof(cef_string_t)));
  owner_ = true;
}

void CefString::ClearRecord() {
  if (record_) cef_string_utf16_clear(record_);
}

void CefString::Free() {
  if (record_ && owner_) {
    cef_string_utf16_clear(record_);
    std::free(record_);
  }
  record_ = nullptr;
  owner_ = false;
}

bool CefString::AssignUnits(const char16* units, size_t count, bool copy) {
  if (!units || count == 0) {
    ClearRecord();
    return true;
  }
  EnsureRecord();
  return cef_string_utf16_set(units, count, record_, copy ? 1 : 0) != 0;
}

bool CefString::AssignUtf8(const std::string& text) {
  if (text.empty()) {
    ClearRecord();
    return true;
  }
  EnsureRecord();
  return cef_string_utf8_to_utf16(text.data(), text.size(), record_) != 0;
}

bool CefString::AssignWide(const std::wstring& text) {
  if (text.empty()) {
    ClearRecord();
    return true;
  }
  EnsureRecord();
#if defined(_WIN32)
  // wchar_t is a UTF-16 unit here: the units are the text.
  return cef_string_utf16_set(text.data(), text.size(), record_, 1) != 0;
#else
  return cef_string_wide_to_utf16(text.data(), text.size(), record_) != 0;
#endif
}

void CefString::AdoptUserFree(cef_string_userfree_t userfree) {
  Free();
  if (!userfree) return;
  EnsureRecord();
  *record_ = *userfree;
  // The buffer now belongs to our record; the library frees only the shell.
  std::memset(userfree, 0, sizeof(*userfree));
  cef_string_userfree_utf16_free(userfree);
}

cef_string_t* CefString::WritableRecord() {
  EnsureRecord();
  return record_;
}

std::string CefString::ToUtf8() const {
  if (IsEmpty()) return std::string();
  cef_string_utf8_t utf8 = {};
  cef_string_utf16_to_utf8(record_->str, record_->length, &utf8);
  std::string result;
  if (utf8.length > 0) result.assign(utf8.str, utf8.length);
  cef_string_utf8_clear(&utf8);
  return result;
}

std::wstring CefString::ToWide() const {
  if (IsEmpty()) return std::wstring();
#if defined(_WIN32)
  return std::wstring(record_->str, record_->length);
#else
  cef_string_wide_t wide = {};
  cef_string_utf16_to_wide(record_->str, record_->length, &wide);
  std::wstring result;
  if (wide.length > 0) result.assign(wide.str, wide.length);
  cef_string_wide_clear(&wide);
  return result;
#endif
}

int CefString::Compare(const CefString& other) const {
  const bool empty = IsEmpty();
  const bool other_empty = other.IsEmpty();
  if (empty || other_empty) return empty == other_empty ? 0 : (empty ? -1 : 1);
  return cef_string_utf16_cmp(record_, other.record_);
}
