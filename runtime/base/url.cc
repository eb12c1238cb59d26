// URL parsing and the URL entry points.
#include "runtime/base/url.h"

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

const char* DefaultPort(const std::string& scheme) {
  if (scheme == "http" || scheme == "ws")
    return "80";
  if (scheme == "https" || scheme == "wss")
    return "443";
  if (scheme == "ftp")
    return "21";
  return nullptr;
}

bool IsAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Escapes what may not appear literally in a path or query.
std::string EscapeComponent(const std::string& in) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : in) {
    if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' ||
        c == '`') {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string RemoveDotSegments(const std::string& path) {
  std::vector<std::string> segments;
  size_t start = 1;  // path starts with '/'
  for (;;) {
    const size_t slash = path.find('/', start);
    std::string seg = path.substr(
        start, slash == std::string::npos ? std::string::npos : slash - start);
    const std::string lower = AsciiLower(seg);
    const bool last = slash == std::string::npos;
    if (lower == "." || lower == "%2e") {
      if (last)
        segments.emplace_back();
    } else if (lower == ".." || lower == ".%2e" || lower == "%2e." ||
               lower == "%2e%2e") {
      if (!segments.empty())
        segments.pop_back();
      if (last)
        segments.emplace_back();
    } else {
      segments.push_back(seg);
    }
    if (last)
      break;
    start = slash + 1;
  }
  std::string out;
  for (const std::string& seg : segments)
    out += "/" + seg;
  return out.empty() ? "/" : out;
}

bool ValidHost(const std::string& host) {
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    for (size_t i = 1; i + 1 < host.size(); ++i) {
      const char c = host[i];
      if (!(IsDigit(c) || (c >= 'a' && c <= 'f') || c == ':' || c == '.'))
        return false;
    }
    return true;
  }
  for (unsigned char c : host) {
    // No IDN support: non-ASCII hosts are refused rather than mangled.
    if (c <= 0x20 || c >= 0x7F || strchr("\"#%/:<>?@[\\]^`{|}", c))
      return false;
  }
  return true;
}

bool ParseAuthority(const std::string& authority, Url* url) {
  std::string hostport = authority;
  const size_t at = authority.rfind('@');
  if (at != std::string::npos) {
    const std::string userinfo = authority.substr(0, at);
    hostport = authority.substr(at + 1);
    const size_t colon = userinfo.find(':');
    url->username = userinfo.substr(0, colon);
    if (colon != std::string::npos)
      url->password = userinfo.substr(colon + 1);
  }
  std::string host = hostport;
  std::string port;
  size_t colon = std::string::npos;
  if (!hostport.empty() && hostport[0] == '[') {
    const size_t close = hostport.find(']');
    if (close == std::string::npos)
      return false;
    if (close + 1 < hostport.size()) {
      if (hostport[close + 1] != ':')
        return false;
      colon = close + 1;
    }
  } else {
    colon = hostport.rfind(':');
  }
  if (colon != std::string::npos) {
    host = hostport.substr(0, colon);
    port = hostport.substr(colon + 1);
  }
  if (!port.empty()) {
    if (port.size() > 5)
      return false;
    for (char c : port) {
      if (!IsDigit(c))
        return false;
    }
    const long value = strtol(port.c_str(), nullptr, 10);
    if (value > 65535)
      return false;
    port = std::to_string(value);
    const char* def = DefaultPort(url->scheme);
    if (def && port == def)
      port.clear();
  }
  url->host = AsciiLower(host);
  url->port = port;
  return ValidHost(url->host);
}

}  // namespace

bool IsStandardScheme(const std::string& scheme) {
  return DefaultPort(scheme) != nullptr || scheme == "file";
}

bool ParseUrl(const std::string& text, Url* url) {
  *url = Url();
  // Surrounding blanks and controls go, as do tabs and line breaks inside.
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 0x20)
    ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 0x20)
    --e;
  std::string in;
  for (size_t i = b; i < e; ++i) {
    if (text[i] != '\t' && text[i] != '\n' && text[i] != '\r')
      in += text[i];
  }

  const size_t colon = in.find(':');
  if (colon == std::string::npos || colon == 0 || !IsAlpha(in[0]))
    return false;
  for (size_t i = 0; i < colon; ++i) {
    const char c = in[i];
    if (!(IsAlpha(c) || IsDigit(c) || c == '+' || c == '-' || c == '.'))
      return false;
  }
  url->scheme = AsciiLower(in.substr(0, colon));
  std::string rest = in.substr(colon + 1);
  const bool standard = IsStandardScheme(url->scheme);

  const size_t hash = rest.find('#');
  if (hash != std::string::npos) {
    url->has_fragment = true;
    url->fragment = rest.substr(hash + 1);
    rest.resize(hash);
  }
  const size_t question = rest.find('?');
  if (question != std::string::npos) {
    url->has_query = true;
    url->query = EscapeComponent(rest.substr(question + 1));
    rest.resize(question);
  }

  if (standard) {
    for (char& c : rest) {
      if (c == '\\')
        c = '/';
    }
    size_t slashes = 0;
    while (slashes < rest.size() && rest[slashes] == '/')
      ++slashes;
    if (url->scheme == "file" && slashes != 2) {
      // "file:/path" and "file:///path": no host.
      url->has_authority = true;
      rest = "/" + rest.substr(slashes);
    } else {
      const size_t end = rest.find('/', slashes);
      const std::string authority = rest.substr(
          slashes, end == std::string::npos ? std::string::npos
                                            : end - slashes);
      rest = end == std::string::npos ? std::string() : rest.substr(end);
      url->has_authority = true;
      if (!ParseAuthority(authority, url))
        return false;
      if (url->host.empty() && url->scheme != "file")
        return false;
    }
    if (rest.empty())
      rest = "/";
    url->path = RemoveDotSegments(EscapeComponent(rest));
    // A host-less file URL reads any run of leading slashes as one; its
    // path must too, or the URL it composes would not parse back to itself.
    if (url->scheme == "file" && url->host.empty()) {
      const size_t first = url->path.find_first_not_of('/');
      url->path.erase(0, (first == std::string::npos ? url->path.size()
                                                     : first) - 1);
    }
  } else {
    if (rest.compare(0, 2, "//") == 0) {
      const size_t end = rest.find('/', 2);
      const std::string authority = rest.substr(
          2, end == std::string::npos ? std::string::npos : end - 2);
      rest = end == std::string::npos ? std::string() : rest.substr(end);
      url->has_authority = true;
      if (!ParseAuthority(authority, url))
        return false;
    }
    url->path = EscapeComponent(rest);
  }
  return true;
}

std::string Spec(const Url& url) {
  std::string out = url.scheme + ":";
  if (url.has_authority) {
    out += "//";
    if (!url.username.empty() || !url.password.empty()) {
      out += url.username;
      if (!url.password.empty())
        out += ":" + url.password;
      out += "@";
    }
    out += url.host;
    if (!url.port.empty())
      out += ":" + url.port;
  }
  out += url.path;
  if (url.has_query)
    out += "?" + url.query;
  if (url.has_fragment)
    out += "#" + url.fragment;
  return out;
}

std::string ResolveUrl(const std::string& base, const std::string& ref_in) {
  // Browsers drop surrounding spaces and stray line breaks in links.
  std::string ref;
  for (char c : ref_in) {
    if (c != '\n' && c != '\r' && c != '\t')
      ref += c;
  }
  const size_t first = ref.find_first_not_of(' ');
  ref = first == std::string::npos
            ? std::string()
            : ref.substr(first, ref.find_last_not_of(' ') - first + 1);
  size_t i = 0;
  while (i < ref.size() && (IsAlpha(ref[i]) || (i > 0 && (IsDigit(ref[i]) ||
                                                          ref[i] == '+' ||
                                                          ref[i] == '-' ||
                                                          ref[i] == '.'))))
    ++i;
  Url out;
  if (i > 0 && i < ref.size() && ref[i] == ':')
    return ParseUrl(ref, &out) ? Spec(out) : std::string();
  Url b;
  if (!ParseUrl(base, &b))
    return std::string();
  b.has_fragment = false;
  b.fragment.clear();
  std::string joined;
  if (ref.compare(0, 2, "//") == 0) {
    joined = b.scheme + ":" + ref;
  } else if (!b.has_authority) {
    return ref.empty() ? Spec(b) : std::string();
  } else {
    Url origin = b;
    origin.path = "/";
    origin.has_query = false;
    origin.query.clear();
    std::string root = Spec(origin);
    root.pop_back();  // the '/'
    if (ref.empty()) {
      joined = Spec(b);
    } else if (ref[0] == '/') {
      joined = root + ref;
    } else if (ref[0] == '?') {
      joined = root + b.path + ref;
    } else if (ref[0] == '#') {
      joined = Spec(b) + ref;
    } else {
      const size_t slash = b.path.rfind('/');
      joined = root +
               (slash == std::string::npos ? "/" : b.path.substr(0, slash + 1)) +
               ref;
    }
  }
  return ParseUrl(joined, &out) ? Spec(out) : std::string();
}

std::string HostOrigin(const Url& url) {
  if (!DefaultPort(url.scheme))
    return std::string();
  std::string out = url.scheme + "://" + url.host;
  if (!url.port.empty())
    out += ":" + url.port;
  return out;
}

}  // namespace cefrt

int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts) {
  if (!url || !parts)
    return 0;
  cefrt::Url parsed;
  if (!cefrt::ParseUrl(cefrt::Utf8FromCef(url), &parsed))
    return 0;
  const std::string origin = cefrt::HostOrigin(parsed);
  auto put = [](const std::string& text, cef_string_t* out) {
    cefrt::ToCef(cefrt::Utf8ToU16(text), out);
  };
  put(cefrt::Spec(parsed), &parts->spec);
  put(parsed.username, &parts->username);
  put(parsed.password, &parts->password);
  put(parsed.host, &parts->host);
  put(parsed.port, &parts->port);
  put(origin.empty() ? origin : origin + "/", &parts->origin);
  put(parsed.path, &parts->path);
  put(parsed.query, &parts->query);
  return 1;
}

int cef_create_url(const cef_urlparts_t* parts, cef_string_t* url) {
  if (!parts || !url)
    return 0;
  std::string text = cefrt::Utf8FromCef(&parts->spec);
  if (text.empty()) {
    const std::string host = cefrt::Utf8FromCef(&parts->host);
    if (host.empty())
      return 0;
    // The record has no scheme of its own; the origin may carry one.
    std::string scheme = "http";
    const std::string origin = cefrt::Utf8FromCef(&parts->origin);
    const size_t sep = origin.find("://");
    if (sep != std::string::npos && sep > 0)
      scheme = origin.substr(0, sep);
    const std::string user = cefrt::Utf8FromCef(&parts->username);
    const std::string pass = cefrt::Utf8FromCef(&parts->password);
    const std::string port = cefrt::Utf8FromCef(&parts->port);
    const std::string path = cefrt::Utf8FromCef(&parts->path);
    const std::string query = cefrt::Utf8FromCef(&parts->query);
    text = scheme + "://";
    if (!user.empty() || !pass.empty())
      text += user + (pass.empty() ? "" : ":" + pass) + "@";
    text += host;
    if (!port.empty())
      text += ":" + port;
    if (!path.empty() && path[0] != '/')
      text += "/";
    text += path;
    if (!query.empty())
      text += "?" + query;
  }
  cefrt::Url parsed;
  if (!cefrt::ParseUrl(text, &parsed))
    return 0;
  return cefrt::ToCef(cefrt::Utf8ToU16(cefrt::Spec(parsed)), url) ? 1 : 0;
}

cef_string_userfree_t cef_format_url_for_security_display(
    const cef_string_t* origin_url, const cef_string_t* languages) {
  (void)languages;
  cefrt::Url parsed;
  if (!origin_url || !cefrt::ParseUrl(cefrt::Utf8FromCef(origin_url), &parsed))
    return nullptr;
  std::string shown = cefrt::HostOrigin(parsed);
  if (shown.empty()) {
    if (parsed.scheme == "file")
      shown = "file://" + parsed.path;
    else
      shown = cefrt::Spec(parsed);
  }
  return cefrt::NewUserFree(cefrt::Utf8ToU16(shown));
}
