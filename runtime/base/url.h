// A small URL parser shared by the URL helpers.
#ifndef CEF_RUNTIME_URL_H_
#define CEF_RUNTIME_URL_H_

#include <string>

namespace cefrt {

struct Url {
  std::string scheme;  // lower case, without ':'
  bool has_authority = false;
  std::string username;
  std::string password;
  std::string host;  // lower case
  std::string port;  // empty when absent or the scheme's default
  std::string path;
  bool has_query = false;
  std::string query;
  bool has_fragment = false;
  std::string fragment;
};

// Parses and canonicalises an absolute URL given as UTF-8.
bool ParseUrl(const std::string& text, Url* url);
bool IsStandardScheme(const std::string& scheme);
std::string Spec(const Url& url);
// Resolves `ref` (as found in a link or form) against the absolute `base`;
// empty when the result is no valid URL.
std::string ResolveUrl(const std::string& base, const std::string& ref);
// "scheme://host[:port]" for standard network schemes, else empty.
std::string HostOrigin(const Url& url);

}  // namespace cefrt

#endif  // CEF_RUNTIME_URL_H_
