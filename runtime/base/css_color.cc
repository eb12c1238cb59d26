// CSS colour values: hexadecimal, rgb()/rgba() and a few names.
#include <math.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/text.h"

namespace {

struct NamedColor {
  const char* name;
  cef_color_t argb;
};

constexpr NamedColor kNamedColors[] = {
    {"black", 0xFF000000},   {"white", 0xFFFFFFFF},  {"red", 0xFFFF0000},
    {"green", 0xFF008000},   {"blue", 0xFF0000FF},   {"yellow", 0xFFFFFF00},
    {"cyan", 0xFF00FFFF},    {"aqua", 0xFF00FFFF},   {"magenta", 0xFFFF00FF},
    {"fuchsia", 0xFFFF00FF}, {"gray", 0xFF808080},   {"grey", 0xFF808080},
    {"silver", 0xFFC0C0C0},  {"maroon", 0xFF800000}, {"olive", 0xFF808000},
    {"lime", 0xFF00FF00},    {"navy", 0xFF000080},   {"purple", 0xFF800080},
    {"teal", 0xFF008080},    {"orange", 0xFFFFA500},
    {"transparent", 0x00000000},
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string Trim(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsSpace(text[b]))
    ++b;
  while (e > b && IsSpace(text[e - 1]))
    --e;
  return text.substr(b, e - b);
}

int Hex(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

// 3, 4, 6 or 8 hexadecimal digits (lower case).
bool ParseHex(const std::string& digits, cef_color_t* color) {
  const size_t n = digits.size();
  if (n != 3 && n != 4 && n != 6 && n != 8)
    return false;
  unsigned channel[4] = {0, 0, 0, 255};
  const size_t per = n <= 4 ? 1 : 2;
  for (size_t i = 0; i < n / per; ++i) {
    unsigned v = 0;
    for (size_t k = 0; k < per; ++k) {
      const int h = Hex(digits[i * per + k]);
      if (h < 0)
        return false;
      v = v * 16 + static_cast<unsigned>(h);
    }
    channel[i] = per == 1 ? v * 17 : v;
  }
  *color = (channel[3] << 24) | (channel[0] << 16) | (channel[1] << 8) |
           channel[2];
  return true;
}

// A whole-token number, optionally followed by '%'.
bool ParseNumber(const std::string& token, double* value, bool* percent) {
  std::string t = token;
  *percent = !t.empty() && t.back() == '%';
  if (*percent)
    t.pop_back();
  if (t.empty() || IsSpace(t.back()))
    return false;
  for (char c : t) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'))
      return false;
  }
  char* end = nullptr;
  *value = strtod(t.c_str(), &end);
  return end == t.c_str() + t.size() && isfinite(*value);
}

unsigned Clamp255(double v) {
  if (v < 0)
    return 0;
  if (v > 255)
    return 255;
  return static_cast<unsigned>(lround(v));
}

bool ParseFunction(const std::string& text, cef_color_t* color) {
  const size_t open = text.find('(');
  if (open == std::string::npos || text.back() != ')')
    return false;
  const std::string name = Trim(text.substr(0, open));
  if (name != "rgb" && name != "rgba")
    return false;
  const std::string inner = text.substr(open + 1, text.size() - open - 2);
  std::vector<std::string> args;
  size_t start = 0;
  for (;;) {
    const size_t comma = inner.find(',', start);
    args.push_back(Trim(inner.substr(
        start, comma == std::string::npos ? std::string::npos
                                          : comma - start)));
    if (comma == std::string::npos)
      break;
    start = comma + 1;
  }
  if (args.size() != 3 && args.size() != 4)
    return false;
  unsigned rgb[3];
  bool first_percent = false;
  for (size_t i = 0; i < 3; ++i) {
    double v;
    bool percent;
    if (!ParseNumber(args[i], &v, &percent))
      return false;
    // CSS refuses to mix numbers and percentages among r, g and b.
    if (i == 0)
      first_percent = percent;
    else if (percent != first_percent)
      return false;
    rgb[i] = Clamp255(percent ? v * 255.0 / 100.0 : v);
  }
  unsigned alpha = 255;
  if (args.size() == 4) {
    double v;
    bool percent;
    if (!ParseNumber(args[3], &v, &percent))
      return false;
    alpha = Clamp255((percent ? v / 100.0 : v) * 255.0);
  }
  *color = (alpha << 24) | (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
  return true;
}

}  // namespace

int cef_parse_csscolor(const cef_string_t* string, int strict,
                       cef_color_t* color) {
  if (!string || !color)
    return 0;
  const std::string text = cefrt::AsciiLower(Trim(cefrt::Utf8FromCef(string)));
  if (text.empty())
    return 0;
  cef_color_t parsed = 0;
  bool ok = false;
  if (text[0] == '#') {
    ok = ParseHex(text.substr(1), &parsed);
  } else if (text.find('(') != std::string::npos) {
    ok = ParseFunction(text, &parsed);
  } else {
    for (const NamedColor& named : kNamedColors) {
      if (text == named.name) {
        parsed = named.argb;
        ok = true;
        break;
      }
    }
    // Quirks mode also takes "ff0000" without '#'; strict CSS does not.
    if (!ok && !strict && (text.size() == 3 || text.size() == 6))
      ok = ParseHex(text, &parsed);
  }
  if (!ok)
    return 0;
  *color = parsed;
  return 1;
}
