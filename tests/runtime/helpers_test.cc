// URL, MIME, encoding, colour and path helpers.
#include <filesystem>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_entry_capi.h"
#include "tests/runtime/test_support.h"

namespace {

using rt_test::Str;
using rt_test::TakeUserFree;

struct Parts {
  cef_urlparts_t p = {};
  ~Parts() {
    for (cef_string_t* s : {&p.spec, &p.username, &p.password, &p.host,
                            &p.port, &p.origin, &p.path, &p.query})
      cef_string_utf16_clear(s);
  }
};

TEST(ParseUrl, SplitsAndCanonicalises) {
  Str url("http://user:pw@Example.COM:8080/a/./c/../b?x=1&y#frag");
  Parts parts;
  ASSERT_EQ(1, cef_parse_url(url.get(), &parts.p));
  EXPECT_EQ(u"http://user:pw@example.com:8080/a/b?x=1&y#frag",
            Str::Text(&parts.p.spec));
  EXPECT_EQ(u"user", Str::Text(&parts.p.username));
  EXPECT_EQ(u"pw", Str::Text(&parts.p.password));
  EXPECT_EQ(u"example.com", Str::Text(&parts.p.host));
  EXPECT_EQ(u"8080", Str::Text(&parts.p.port));
  EXPECT_EQ(u"http://example.com:8080/", Str::Text(&parts.p.origin));
  EXPECT_EQ(u"/a/b", Str::Text(&parts.p.path));
  EXPECT_EQ(u"x=1&y", Str::Text(&parts.p.query));

  // Reusing the record replaces every part; the default port is dropped.
  Str other("HTTPS://example.com:443");
  ASSERT_EQ(1, cef_parse_url(other.get(), &parts.p));
  EXPECT_EQ(u"https://example.com/", Str::Text(&parts.p.spec));
  EXPECT_EQ(u"", Str::Text(&parts.p.port));
  EXPECT_EQ(u"", Str::Text(&parts.p.username));
  EXPECT_EQ(u"/", Str::Text(&parts.p.path));
  EXPECT_EQ(u"", Str::Text(&parts.p.query));
}

TEST(ParseUrl, SpecReadsBackAsItself) {
  for (const char* text :
       {"file:a/..//x", "file:///a/..//x", "file://a/..//x/./y",
        "http://h/a/..//x", "file:////x", "file:"}) {
    Str url(text);
    Parts parts;
    ASSERT_EQ(1, cef_parse_url(url.get(), &parts.p)) << text;
    Str spec(Str::Text(&parts.p.spec));
    Parts again;
    ASSERT_EQ(1, cef_parse_url(spec.get(), &again.p)) << text;
    EXPECT_EQ(Str::Text(&parts.p.spec), Str::Text(&again.p.spec)) << text;
    EXPECT_EQ(Str::Text(&parts.p.path), Str::Text(&again.p.path)) << text;
  }
}

TEST(ParseUrl, RejectsWhatIsNotAnAbsoluteUrl) {
  const char* bad[] = {"",
                       "no scheme here",
                       "http://",
                       "http://host:99999/",
                       "http://host:12a/",
                       "1http://host/",
                       "http://ho st/",
                       "://host"};
  for (const char* text : bad) {
    Str url(text);
    Parts parts;
    EXPECT_EQ(0, cef_parse_url(url.get(), &parts.p)) << text;
  }
  Parts parts;
  EXPECT_EQ(0, cef_parse_url(nullptr, &parts.p));
  Str url("http://x/");
  EXPECT_EQ(0, cef_parse_url(url.get(), nullptr));
}

TEST(CreateUrl, BuildsFromSpecOrFromParts) {
  Str out;
  Parts from_spec;
  cef_string_utf8_to_utf16("HTTP://A.com/x/../y", 19, &from_spec.p.spec);
  ASSERT_EQ(1, cef_create_url(&from_spec.p, out.get()));
  EXPECT_EQ(u"http://a.com/y", out.text());

  Parts pieces;
  cef_string_utf8_to_utf16("example.com", 11, &pieces.p.host);
  cef_string_utf8_to_utf16("88", 2, &pieces.p.port);
  cef_string_utf8_to_utf16("quillbook/loginIndex", 20, &pieces.p.path);
  cef_string_utf8_to_utf16("a=b", 3, &pieces.p.query);
  ASSERT_EQ(1, cef_create_url(&pieces.p, out.get()));
  EXPECT_EQ(u"http://example.com:88/quillbook/loginIndex?a=b", out.text());

  Parts nothing;
  EXPECT_EQ(0, cef_create_url(&nothing.p, out.get()));
  EXPECT_EQ(0, cef_create_url(&pieces.p, nullptr));
}

TEST(FormatUrlForSecurityDisplay, ShowsSchemeHostAndNonDefaultPort) {
  struct Case {
    const char* url;
    std::u16string shown;
  };
  const Case cases[] = {
      {"https://Example.com:8443/path?q#f", u"https://example.com:8443"},
      {"http://example.com:80/x", u"http://example.com"},
      {"not a url", u"<null>"},
  };
  for (const Case& c : cases) {
    Str url(c.url);
    EXPECT_EQ(c.shown,
              TakeUserFree(cef_format_url_for_security_display(url.get(),
                                                               nullptr)))
        << c.url;
  }
}

TEST(MimeTypes, LooksUpBothWays) {
  struct Case {
    const char* ext;
    std::u16string type;
  };
  const Case cases[] = {{"html", u"text/html"},
                        {".PNG", u"image/png"},
                        {"json", u"application/json"},
                        {"nosuchext", u"<null>"},
                        {"", u"<null>"}};
  for (const Case& c : cases) {
    Str ext(c.ext);
    EXPECT_EQ(c.type, TakeUserFree(cef_get_mime_type(ext.get()))) << c.ext;
  }

  auto extensions = [](const char* type) {
    Str mime(type);
    cef_string_list_t list = cef_string_list_alloc();
    cef_get_extensions_for_mime_type(mime.get(), list);
    std::vector<std::u16string> out;
    for (int i = 0; i < cef_string_list_size(list); ++i) {
      Str value;
      cef_string_list_value(list, i, value.get());
      out.push_back(value.text());
    }
    cef_string_list_free(list);
    return out;
  };
  EXPECT_EQ((std::vector<std::u16string>{u"jpg", u"jpeg", u"jpe"}),
            extensions("IMAGE/JPEG"));
  EXPECT_EQ((std::vector<std::u16string>{u"html", u"htm", u"shtml"}),
            extensions("text/html; charset=utf-8"));
  EXPECT_TRUE(extensions("application/x-unknown").empty());
  EXPECT_GT(extensions("image/*").size(), 5u);
  Str mime("text/html");
  cef_get_extensions_for_mime_type(mime.get(), nullptr);
}

TEST(Base64, EncodesTheStandardVectors) {
  const char* cases[][2] = {{"", ""},         {"f", "Zg=="},
                            {"fo", "Zm8="},   {"foo", "Zm9v"},
                            {"foob", "Zm9vYg=="}, {"foobar", "Zm9vYmFy"}};
  for (const auto& c : cases) {
    const std::string in = c[0];
    Str expected(c[1]);
    EXPECT_EQ(expected.text(),
              TakeUserFree(cef_base64encode(in.data(), in.size())))
        << c[0];
  }
  const unsigned char binary[] = {0x00, 0xFF, 0xFE};
  EXPECT_EQ(u"AP/+", TakeUserFree(cef_base64encode(binary, 3)));
  EXPECT_EQ(u"<null>", TakeUserFree(cef_base64encode(nullptr, 4)));
}

TEST(UriEncode, EscapesUtf8BytesAndSpaces) {
  Str text(u"a b&c/\u00E9~");
  EXPECT_EQ(u"a+b%26c%2F%C3%A9~", TakeUserFree(cef_uriencode(text.get(), 1)));
  EXPECT_EQ(u"a%20b%26c%2F%C3%A9~",
            TakeUserFree(cef_uriencode(text.get(), 0)));
  EXPECT_EQ(u"<null>", TakeUserFree(cef_uriencode(nullptr, 0)));
}

TEST(UriDecode, FollowsTheUnescapeRules) {
  struct Case {
    const char* in;
    int convert;
    int rules;
    std::u16string out;
  };
  const Case cases[] = {
      {"a%20b", 1, UU_NORMAL, u"a%20b"},
      {"a%20b", 1, UU_NORMAL | UU_SPACES, u"a b"},
      {"%41%2F", 1, UU_NORMAL, u"A%2F"},
      {"%41%2F", 1, UU_NORMAL | UU_URL_SPECIAL_CHARS, u"A/"},
      {"%01", 1, UU_NORMAL, u"%01"},
      {"%01", 1, UU_NORMAL | UU_CONTROL_CHARS, u"\x01"},
      {"a+b%2B", 1, UU_NORMAL | UU_REPLACE_PLUS_WITH_SPACE, u"a b%2B"},
      {"a+b", 1, UU_NORMAL, u"a+b"},
      {"%41", 1, UU_NONE, u"%41"},
      {"%C3%A9", 1, UU_NORMAL, u"\u00E9"},
      {"%C3%A9", 0, UU_NORMAL, u"\u00C3\u00A9"},
      {"%E9t%E9", 1, UU_NORMAL, u"\u00E9t\u00E9"},  // not UTF-8: bytes kept
      {"%4", 1, UU_NORMAL, u"%4"},
      {"%zz%", 1, UU_NORMAL, u"%zz%"},
  };
  for (const Case& c : cases) {
    Str in(c.in);
    EXPECT_EQ(c.out, TakeUserFree(cef_uridecode(
                         in.get(), c.convert,
                         static_cast<cef_uri_unescape_rule_t>(c.rules))))
        << c.in << " rules " << c.rules;
  }
}

TEST(CssColor, ParsesHexFunctionsAndNames) {
  struct Case {
    const char* text;
    int strict;
    int ok;
    cef_color_t argb;
  };
  const Case cases[] = {
      {"#f00", 1, 1, 0xFFFF0000},
      {"  #00FF00 ", 1, 1, 0xFF00FF00},
      {"#11223344", 1, 1, 0x44112233},
      {"#abcd", 1, 1, 0xDDAABBCC},
      {"rgb(255, 0, 0)", 1, 1, 0xFFFF0000},
      {"RGB(300,-5,0)", 1, 1, 0xFFFF0000},  // clamped
      {"rgba(0, 0, 255, 0.5)", 1, 1, 0x800000FF},
      {"rgb(100%, 0%, 50%)", 1, 1, 0xFFFF0080},
      {"Red", 1, 1, 0xFFFF0000},
      {"transparent", 1, 1, 0x00000000},
      {"ff0000", 0, 1, 0xFFFF0000},
      {"ff0000", 1, 0, 0},
      {"#12345", 1, 0, 0},
      {"#ggg", 0, 0, 0},
      {"rgb(1, 2)", 1, 0, 0},
      {"rgb(10%, 2, 3)", 1, 0, 0},
      {"rgb(1, 2, 3", 1, 0, 0},
      {"hsl(0, 100%, 50%)", 1, 0, 0},
      {"notacolour", 0, 0, 0},
      {"", 0, 0, 0},
  };
  for (const Case& c : cases) {
    Str text(c.text);
    cef_color_t color = 0x12345678;
    EXPECT_EQ(c.ok, cef_parse_csscolor(text.get(), c.strict, &color))
        << c.text;
    EXPECT_EQ(c.ok ? c.argb : 0x12345678u, color) << c.text;
  }
  Str red("red");
  EXPECT_EQ(0, cef_parse_csscolor(red.get(), 1, nullptr));
  cef_color_t color;
  EXPECT_EQ(0, cef_parse_csscolor(nullptr, 1, &color));
}

TEST(GetPath, ReportsWellKnownLocations) {
  namespace fs = std::filesystem;
#if defined(_WIN32)
  const fs::path exe_name = "runtime_tests.exe", module_name = "libcef.dll";
#else
  const fs::path exe_name = "runtime_tests", module_name = "libcef.so";
#endif
  auto path = [](cef_path_key_t key) {
    Str out;
    if (!cef_get_path(key, out.get()))
      return fs::path();
    const std::u16string text = out.text();
    return fs::path(text);
  };
  EXPECT_EQ(fs::current_path(), path(PK_DIR_CURRENT));
  EXPECT_EQ(exe_name, path(PK_FILE_EXE).filename());
  EXPECT_EQ(path(PK_FILE_EXE).parent_path(), path(PK_DIR_EXE));
  EXPECT_EQ(module_name, path(PK_FILE_MODULE).filename());
  EXPECT_TRUE(fs::is_directory(path(PK_DIR_MODULE)));
  EXPECT_TRUE(fs::is_directory(path(PK_DIR_TEMP)));
  Str out;
  EXPECT_EQ(0, cef_get_path(static_cast<cef_path_key_t>(99), out.get()));
  EXPECT_EQ(0, cef_get_path(PK_DIR_CURRENT, nullptr));
}

TEST(CrossOriginWhitelist, AddsRemovesAndClears) {
  Str origin("https://app.example.com/page"), protocol("https"),
      domain("api.example.com"), empty("");
  EXPECT_EQ(1, cef_add_cross_origin_whitelist_entry(
                   origin.get(), protocol.get(), domain.get(), 1));
  EXPECT_EQ(1, cef_remove_cross_origin_whitelist_entry(
                   origin.get(), protocol.get(), domain.get(), 1));
  EXPECT_EQ(0, cef_remove_cross_origin_whitelist_entry(
                   origin.get(), protocol.get(), domain.get(), 1));
  EXPECT_EQ(1, cef_add_cross_origin_whitelist_entry(origin.get(),
                                                    protocol.get(), nullptr, 0));
  EXPECT_EQ(0, cef_add_cross_origin_whitelist_entry(
                   empty.get(), protocol.get(), domain.get(), 0));
  EXPECT_EQ(0, cef_add_cross_origin_whitelist_entry(origin.get(), empty.get(),
                                                    domain.get(), 0));
  EXPECT_EQ(1, cef_clear_cross_origin_whitelist());
  EXPECT_EQ(0, cef_remove_cross_origin_whitelist_entry(
                   origin.get(), protocol.get(), nullptr, 0));
}

}  // namespace
