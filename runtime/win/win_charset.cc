#include "runtime/win/win_charset.h"

#include <windows.h>

#include <string>

#include "runtime/browser/meta_charset.h"
#include "runtime/base/text.h"
#include "runtime/win/win_text.h"

namespace cefrt {

namespace {

// GB18030 where the system has it (XP needs its support package), else
// GBK, which holds every character of GB2312 and GBK pages.
unsigned Gb18030() {
  return IsValidCodePage(54936) ? 54936 : 936;
}

bool IsUtf8(unsigned code_page) {
  return code_page == CP_UTF8;
}

}  // namespace

unsigned CodePageForCharset(const std::string& label) {
  struct Entry {
    const char* label;
    unsigned code_page;
  };
  // As browsers read them: GB2312 pages are written in GBK, ISO-8859-1
  // ones in windows-1252.
  static const Entry kLabels[] = {
      {"utf-8", CP_UTF8},         {"utf8", CP_UTF8},
      {"unicode-1-1-utf-8", CP_UTF8},
      {"gbk", 936},               {"gb2312", 936},
      {"gb_2312", 936},           {"gb_2312-80", 936},
      {"csgb2312", 936},          {"x-gbk", 936},
      {"cp936", 936},             {"windows-936", 936},
      {"chinese", 936},           {"iso-ir-58", 936},
      {"csiso58gb231280", 936},   {"gb18030", 0},
      {"big5", 950},              {"big5-hkscs", 950},
      {"cn-big5", 950},           {"x-x-big5", 950},
      {"shift_jis", 932},         {"shift-jis", 932},
      {"sjis", 932},              {"ms_kanji", 932},
      {"windows-31j", 932},       {"x-sjis", 932},
      {"euc-jp", 20932},          {"euc-kr", 949},
      {"ks_c_5601-1987", 949},    {"windows-949", 949},
      {"iso-8859-1", 1252},       {"latin1", 1252},
      {"us-ascii", 1252},         {"ascii", 1252},
      {"windows-1252", 1252},     {"iso-8859-2", 28592},
      {"iso-8859-5", 28595},      {"iso-8859-15", 28605},
      {"koi8-r", 20866},          {"windows-1250", 1250},
      {"windows-1251", 1251},
  };
  const std::string lower = AsciiLower(label);
  for (const Entry& e : kLabels) {
    if (lower == e.label) {
      const unsigned code_page = e.code_page ? e.code_page : Gb18030();
      return IsValidCodePage(code_page) ? code_page : 0;
    }
  }
  return 0;
}

std::string PageCharset(const std::string& bytes, const std::string& label) {
  // A byte order mark says UTF-8 whatever the header says.
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
    return std::string();
  std::string chosen = label;
  if (!CodePageForCharset(chosen))
    chosen = PrescanMetaCharset(bytes);
  const unsigned code_page = CodePageForCharset(chosen);
  return code_page && !IsUtf8(code_page) ? AsciiLower(chosen) : std::string();
}

std::string PageToUtf8(const std::string& bytes, const std::string& label) {
  const std::string charset = PageCharset(bytes, label);
  if (charset.empty() || bytes.empty())
    return bytes;
  const unsigned code_page = CodePageForCharset(charset);
  // No more than a code unit per byte; large pages go in one call.
  std::wstring wide(bytes.size(), L'\0');
  const int n = MultiByteToWideChar(code_page, 0, bytes.data(),
                                    static_cast<int>(bytes.size()), &wide[0],
                                    static_cast<int>(wide.size()));
  if (n <= 0)
    return bytes;
  wide.resize(static_cast<size_t>(n));
  return Utf8FromWide(wide);
}

std::string Utf8ToPageCharset(const std::string& text,
                              const std::string& label) {
  const unsigned code_page = CodePageForCharset(label);
  if (!code_page || IsUtf8(code_page) || text.empty())
    return text;
  std::u32string cps;
  DecodeUtf8(text.data(), text.size(), &cps);
  // GB18030 holds every character; the others are asked one at a time.
  const bool whole = code_page == 54936;
  std::string out;
  for (char32_t cp : cps) {
    std::u16string units;
    EncodeUtf16(std::u32string(1, cp), &units);
    const std::wstring wide = WideFromU16(units);
    char bytes[8];
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(
        code_page, whole ? 0 : WC_NO_BEST_FIT_CHARS, wide.data(),
        static_cast<int>(wide.size()), bytes, sizeof(bytes), nullptr,
        whole ? nullptr : &lossy);
    if (n > 0 && !lossy)
      out.append(bytes, static_cast<size_t>(n));
    else
      out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
  }
  return out;
}

}  // namespace cefrt
