// Pages in GBK and the other encodings Chinese sites still use, read as
// UTF-8 and answered in their own encoding.
#include "runtime/win/win_charset.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// "中文" and "登录" in UTF-8 and GBK; "€" is 0x80 in GBK (CP936), "𠀀"
// (U+20000) is only in GB18030.
constexpr char kZhongwenUtf8[] = "\xE4\xB8\xAD\xE6\x96\x87";
constexpr char kZhongwenGbk[] = "\xD6\xD0\xCE\xC4";
constexpr char kDengluUtf8[] = "\xE7\x99\xBB\xE5\xBD\x95";
constexpr char kDengluGbk[] = "\xB5\xC7\xC2\xBC";

TEST(PageCharset, DecodesByTheHeaderElseByTheMarkup) {
  const std::string gbk_page =
      std::string("<meta charset=gbk><title>") + kZhongwenGbk + "</title>";
  const std::string gbk_page_utf8 =
      std::string("<meta charset=gbk><title>") + kZhongwenUtf8 + "</title>";
  const std::string bare = std::string("<title>") + kDengluGbk + "</title>";
  const std::string bare_utf8 = std::string("<title>") + kDengluUtf8 +
                                "</title>";
  struct Case {
    const char* name;
    std::string bytes;
    const char* header;  // the Content-Type charset
    std::string text;
    const char* charset;
  } cases[] = {
      {"header gbk", bare, "gbk", bare_utf8, "gbk"},
      {"header GB2312, upper case", bare, "GB2312", bare_utf8, "gb2312"},
      {"header gb18030", bare, "gb18030", bare_utf8, "gb18030"},
      {"meta only", gbk_page, "", gbk_page_utf8, "gbk"},
      {"meta over an unknown header", gbk_page, "x-unheard-of", gbk_page_utf8,
       "gbk"},
      {"header over meta", std::string("<meta charset=big5>") + kDengluGbk,
       "gbk", std::string("<meta charset=big5>") + kDengluUtf8, "gbk"},
      {"utf-8 header", bare_utf8, "utf-8", bare_utf8, ""},
      {"nothing said: left as it is", bare, "", bare, ""},
      {"byte order mark over the header", "\xEF\xBB\xBF" + bare_utf8, "gbk",
       "\xEF\xBB\xBF" + bare_utf8, ""},
      {"latin1 as windows-1252", "caf\xE9 \x80", "iso-8859-1",
       "caf\xC3\xA9 \xE2\x82\xAC", "iso-8859-1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cefrt::PageToUtf8(c.bytes, c.header), c.text) << c.name;
    EXPECT_EQ(cefrt::PageCharset(c.bytes, c.header), c.charset) << c.name;
  }
}

TEST(PageCharset, FormTextGoesInThePageEncoding) {
  struct Case {
    const char* charset;
    std::string text;
    std::string sent;
  } cases[] = {
      {"gbk", kZhongwenUtf8, kZhongwenGbk},
      {"gb2312", std::string("a ") + kDengluUtf8, std::string("a ") +
                                                      kDengluGbk},
      {"", kZhongwenUtf8, kZhongwenUtf8},
      {"utf-8", kZhongwenUtf8, kZhongwenUtf8},
      // What the encoding cannot hold goes as a character reference.
      {"gbk", "\xF0\x9F\x98\x80", "&#128512;"},
      {"iso-8859-1", std::string("caf\xC3\xA9 ") + kZhongwenUtf8,
       "caf\xE9 &#20013;&#25991;"},
      // Four bytes where the system has GB18030 (wine has not: GBK then).
      {"gb18030", "\xF0\xA0\x80\x80",
       IsValidCodePage(54936) ? "\x95\x32\x82\x36" : "&#131072;"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cefrt::Utf8ToPageCharset(c.text, c.charset), c.sent)
        << c.charset << ": " << c.text;
  }
}

}  // namespace
