// The encoding a page names in its markup, read before the page is.
#include "runtime/browser/meta_charset.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MetaCharset, FindsTheFirstDeclarationInTheFirstKilobyte) {
  struct Case {
    const char* name;
    std::string html;
    const char* charset;
  } cases[] = {
      {"charset attribute", "<html><head><meta charset=gbk><title>",
       "gbk"},
      {"quoted, upper case, spaced", "<META  Charset = \"GB2312\" >", "gb2312"},
      {"self-closing", "<meta charset='big5'/>", "big5"},
      {"http-equiv",
       "<meta http-equiv=\"Content-Type\" "
       "content=\"text/html; charset=GB18030\">",
       "gb18030"},
      {"content before http-equiv",
       "<meta content='text/html;charset=gbk' http-equiv='content-type'>",
       "gbk"},
      {"content without http-equiv", "<meta content='text/html;charset=gbk'>",
       ""},
      {"other meta first",
       "<meta name=viewport content='width=device-width'><meta charset=gbk>",
       "gbk"},
      {"the first of two", "<meta charset=gbk><meta charset=utf-8>", "gbk"},
      {"inside a comment", "<!-- <meta charset=big5> --><meta charset=gbk>",
       "gbk"},
      {"unclosed comment", "<!-- <meta charset=big5>", ""},
      {"not a meta tag", "<metadata charset=gbk><p>charset=gbk</p>", ""},
      {"byte order mark", "\xEF\xBB\xBF<meta charset=gbk>", "utf-8"},
      {"past the first kilobyte",
       "<html>" + std::string(1100, ' ') + "<meta charset=gbk>", ""},
      {"cut off inside the tag", "<meta charset=\"gbk", ""},
      {"none", "<html><head><title>t</title></head></html>", ""},
      {"empty", "", ""},
      {"a lone <", "<", ""},
      {"<meta at the end", "<meta", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cefrt::PrescanMetaCharset(c.html), c.charset) << c.name;
  }
}

}  // namespace
