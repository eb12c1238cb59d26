// Base64 with the standard alphabet, shared by the encoding entry points and
// the values decoded into binary.
#ifndef CEF_RUNTIME_BASE64_H_
#define CEF_RUNTIME_BASE64_H_

#include <string>
#include <vector>

namespace cefrt {

// Decodes `text` into `out` (replacing its content). Padding may be left
// out; anything else outside the alphabet, a misplaced '=' or a length no
// Base64 text has makes it false.
bool Base64Decode(const std::u16string& text, std::vector<unsigned char>* out);

}  // namespace cefrt

#endif  // CEF_RUNTIME_BASE64_H_
