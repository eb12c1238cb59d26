// ASCII case folding for markup and header names, where only A-Z fold.
// Header-only, so that the readers built on their own need nothing else.
#ifndef RUNTIME_ASCII_H_
#define RUNTIME_ASCII_H_

#include <string>

namespace cefrt {

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLower(std::string text) {
  for (char& c : text)
    c = AsciiLower(c);
  return text;
}

}  // namespace cefrt

#endif  // RUNTIME_ASCII_H_
