// UTF-8 and Windows' wide strings.
#ifndef CEF_RUNTIME_WIN_WIN_TEXT_H_
#define CEF_RUNTIME_WIN_WIN_TEXT_H_

#include <string>

#include "runtime/base/text.h"

namespace cefrt {

inline std::wstring WideFromU16(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string U16FromWide(const std::wstring& text) {
  return std::u16string(text.begin(), text.end());
}

inline std::wstring WideFromUtf8(const std::string& text) {
  return WideFromU16(Utf8ToU16(text));
}

inline std::string Utf8FromWide(const std::wstring& text) {
  return U16ToUtf8(U16FromWide(text));
}

}  // namespace cefrt

#endif  // CEF_RUNTIME_WIN_WIN_TEXT_H_
