// The document reader behind the Windows view: what a page shows, and that
// no markup, however broken, stops it.
#include "runtime/win/html_document.h"
#include "runtime/base/url.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cefrt::DecodeEntities;
using cefrt::HtmlDocument;
using cefrt::HtmlNode;
using cefrt::ParseHtmlDocument;
using Kind = cefrt::HtmlNode::Kind;

TEST(HtmlEntities, DecodesReferencesAndKeepsWhatIsNotOne) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"a &amp; b", "a & b"},
      {"&lt;p&gt;", "<p>"},
      {"&#72;&#x49;", "HI"},
      {"&#x4e2d;&#25991;", "\xe4\xb8\xad\xe6\x96\x87"},
      {"&nbsp", "\xc2\xa0"},
      {"&unknown; & &#; &#x;", "&unknown; & &#; &#x;"},
      {"&#0;", "\xef\xbf\xbd"},
      {"&#xD800;", "\xef\xbf\xbd"},
      {"&#99999999999999;", "\xef\xbf\xbd"},
      {"tail &", "tail &"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DecodeEntities(c.in), c.out) << c.in;
}

TEST(HtmlDocumentReader, ReadsTheSignInPage) {
  const std::string page =
      "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
      "<title> Quillbook &amp;  \xe7\x99\xbb\xe5\xbd\x95 </title>"
      "<style>h1 { color: red }</style></head><body>"
      "<header><a id=\"files\" href=\"/files\">Files</a>"
      "<button id=\"help\" type=\"button\">Help</button></header>"
      "<form method=\"POST\" action=\"/login\"><h1>Sign  in</h1>"
      "<label for=\"u\">User</label><input id=\"u\" name=\"username\" "
      "value=\"a&quot;b\"><input name=password type=password>"
      "<input type=hidden name=t value=1>"
      "<button class=\"primary\" type=\"submit\">Go</button></form>"
      "<p>Text <b>bold</b>\n and <a href='x' target=_blank>new</a></p>"
      "<script>document.title = '<b>not text</b>';</script></body></html>";
  const HtmlDocument doc = ParseHtmlDocument(page);
  EXPECT_EQ(doc.title, "Quillbook & \xe7\x99\xbb\xe5\xbd\x95");
  ASSERT_EQ(doc.forms.size(), 1u);
  EXPECT_EQ(doc.forms[0].method, "post");
  EXPECT_EQ(doc.forms[0].action, "/login");

  struct Expected {
    Kind kind;
    const char* text;
    const char* detail;  // href, type or input name
  } expected[] = {
      {Kind::kLink, "Files", "/files"},
      {Kind::kButton, "Help", "button"},
      {Kind::kHeading, "Sign in", ""},
      {Kind::kText, "User", ""},
      {Kind::kInput, "", "username"},
      {Kind::kInput, "", "password"},
      {Kind::kInput, "", "t"},
      {Kind::kButton, "Go", "submit"},
      {Kind::kText, "Text bold and", ""},
      {Kind::kLink, "new", "x"},
  };
  ASSERT_EQ(doc.nodes.size(), std::size(expected));
  for (size_t i = 0; i < doc.nodes.size(); ++i) {
    const HtmlNode& n = doc.nodes[i];
    const Expected& e = expected[i];
    EXPECT_EQ(n.kind, e.kind) << i;
    EXPECT_EQ(n.text, e.text) << i;
    const std::string& detail = n.kind == Kind::kLink     ? n.href
                                : n.kind == Kind::kButton ? n.type
                                : n.kind == Kind::kInput  ? n.name
                                                          : n.text;
    if (*e.detail) {
      EXPECT_EQ(detail, e.detail) << i;
    }
  }
  EXPECT_EQ(doc.nodes[4].value, "a\"b");
  EXPECT_EQ(doc.nodes[4].form, 0);
  EXPECT_EQ(doc.nodes[5].type, "password");
  EXPECT_EQ(doc.nodes[9].target, "_blank");
  EXPECT_EQ(doc.nodes[9].form, -1);
  EXPECT_EQ(doc.Text(), "Files\nHelp\nSign in\nUser\nGo\nText bold and\nnew");
}

TEST(HtmlDocumentReader, SurvivesBrokenMarkup) {
  const char* const pages[] = {
      "",
      "<",
      "<<<>>>",
      "</",
      "<a href=",
      "<a href=\"unterminated",
      "<title>never closed",
      "<script>while(1){}",
      "<!-- open comment",
      "<!DOCTYPE",
      "<input value='x",
      "<h1><h2>nested</h1></h2>",
      "</a></form></h1></button>",
      "<a href=x><h1>in link</h1></a>",
      "<form><form><input></form></form></form>",
      "text \xff\xfe\xc3 invalid utf-8 &#xFFFFFFFFF;",
      "<p =x ==y/>< p>",
  };
  for (const char* page : pages) {
    const HtmlDocument doc = ParseHtmlDocument(page);
    for (const HtmlNode& n : doc.nodes)
      EXPECT_LT(n.form, static_cast<int>(doc.forms.size())) << page;
  }
  EXPECT_EQ(ParseHtmlDocument("<title>never closed").title, "never closed");
  EXPECT_EQ(ParseHtmlDocument("a < b").Text(), "a < b");
  EXPECT_TRUE(ParseHtmlDocument("<script>x</script>").nodes.empty());
}

// Repeated attributes keep their first value however many come before
// them, and a tag keeps no more than the cap: a page of one tag with a
// hundred thousand attributes costs no more than one with the cap's.
TEST(HtmlTokenizer, KeepsFirstAttributesUpToTheCap) {
  std::string many = "<a";
  for (size_t i = 0; i < cefrt::kMaxHtmlAttributes + 50; ++i)
    many += " x" + std::to_string(i) + "=" + std::to_string(i);
  struct Case {
    std::string tag;
    size_t count;
    const char* name;
    const char* value;  // null: absent
  } cases[] = {
      {"<a href=1 HREF=2 href=3>", 1, "href", "1"},
      {many + " x0=again>", cefrt::kMaxHtmlAttributes, "x0", "0"},
      {many + ">", cefrt::kMaxHtmlAttributes, "x255", "255"},
      {many + " href=late>", cefrt::kMaxHtmlAttributes, "href", nullptr},
      {"<a x=1 y=2 x=3 y=4 z=5>", 3, "z", "5"},
  };
  for (const Case& c : cases) {
    const std::vector<cefrt::HtmlToken> tokens = cefrt::TokenizeHtml(c.tag);
    ASSERT_EQ(tokens.size(), 1u) << c.name;
    EXPECT_EQ(tokens[0].attributes.size(), c.count) << c.name;
    EXPECT_EQ(tokens[0].HasAttribute(c.name), c.value != nullptr) << c.name;
    if (c.value) {
      EXPECT_EQ(tokens[0].Attribute(c.name), c.value) << c.name;
    }
  }
}

bool WholeUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

// Each node becomes a window with its text: the document stops at the node
// cap, and text and title are cut, between characters.
TEST(HtmlDocumentReader, StopsAtTheCapsAndCutsBetweenCharacters) {
  std::string paragraphs;
  for (size_t i = 0; i < cefrt::kMaxHtmlNodes + 100; ++i)
    paragraphs += "<p>" + std::to_string(i);
  std::string fields = "<form action=/a>";
  for (size_t i = 0; i < cefrt::kMaxHtmlNodes + 100; ++i)
    fields += "<input name=f" + std::to_string(i) + ">";
  std::string chinese;  // three bytes a character, off the cap's rhythm
  for (size_t i = 0; i < cefrt::kMaxHtmlNodeText; ++i)
    chinese += "\xe4\xb8\xad\xe6\x96\x87 ";
  const std::string long_title = "<title>" + chinese + "</title><p>" + chinese;
  // Continuation bytes with no first byte before them: each is a character
  // of its own for the caps.
  const std::string stray(cefrt::kMaxHtmlNodeText * 2, '\x80');
  const std::string strays = "<title>a" + stray + "</title><p>a" + stray;
  struct Case {
    const char* name;
    std::string page;
    size_t nodes;
    const char* last_text;  // null: not checked
    bool utf8 = true;       // the page is valid UTF-8
  } cases[] = {
      {"paragraphs", paragraphs, cefrt::kMaxHtmlNodes, "299"},
      {"fields", fields, cefrt::kMaxHtmlNodes, nullptr},
      {"long text", long_title, 1, nullptr},
      {"few nodes", "<p>a<p>b", 2, "b"},
      {"stray continuation bytes", strays, 1, nullptr, false},
  };
  for (const Case& c : cases) {
    const HtmlDocument doc = ParseHtmlDocument(c.page);
    EXPECT_EQ(doc.nodes.size(), c.nodes) << c.name;
    EXPECT_LE(doc.forms.size(), 1u) << c.name;
    if (c.last_text && !doc.nodes.empty()) {
      EXPECT_EQ(doc.nodes.back().text, c.last_text) << c.name;
    }
    EXPECT_LE(doc.title.size(), cefrt::kMaxHtmlTitle) << c.name;
    EXPECT_TRUE(!c.utf8 || WholeUtf8(doc.title)) << c.name;
    for (const HtmlNode& n : doc.nodes) {
      EXPECT_LE(n.text.size(), cefrt::kMaxHtmlNodeText) << c.name;
      EXPECT_TRUE(!c.utf8 || WholeUtf8(n.text)) << c.name;
    }
  }
  const HtmlDocument doc = ParseHtmlDocument(long_title);
  EXPECT_GT(doc.title.size(), cefrt::kMaxHtmlTitle - 4);
  ASSERT_EQ(doc.nodes.size(), 1u);
  EXPECT_GT(doc.nodes[0].text.size(), cefrt::kMaxHtmlNodeText - 4);
  EXPECT_EQ(doc.nodes[0].text.compare(0, 7, "\xe4\xb8\xad\xe6\x96\x87 "), 0);
}

// Forms are kept for the fields in them: the fields still submit to their
// own form when empty forms come first.
TEST(HtmlDocumentReader, FieldsBelongToTheirFormAfterEmptyForms) {
  const HtmlDocument doc = ParseHtmlDocument(
      "<form action=/empty></form><form action=/other>"
      "<form action=/login method=post><input name=u><button>Go</button>"
      "</form><input name=outside>");
  ASSERT_EQ(doc.forms.size(), 1u);
  EXPECT_EQ(doc.forms[0].action, "/login");
  EXPECT_EQ(doc.forms[0].method, "post");
  ASSERT_EQ(doc.nodes.size(), 3u);
  EXPECT_EQ(doc.nodes[0].form, 0);
  EXPECT_EQ(doc.nodes[1].form, 0);
  EXPECT_EQ(doc.nodes[2].form, -1);
}

// The server's status text is shown as it came, whatever markup it holds.
TEST(HtmlStatusPage, ShowsTheServersTextAsText) {
  const char* const texts[] = {
      "Internal Server Error",
      "<b>Bold</b> claims",
      "a &amp; b &lt;",
      "</title><h1>Fake heading</h1>",
      "<script>x</script> <a href=/evil>click</a>",
      "\"quoted\" 'single' > <",
      "",
  };
  for (const char* text : texts) {
    const HtmlDocument doc =
        ParseHtmlDocument(cefrt::HtmlStatusPage(500, text));
    const std::string line = "500 " + std::string(text);
    const std::string shown = *text ? line : "500";
    EXPECT_EQ(doc.title, shown) << text;
    ASSERT_EQ(doc.nodes.size(), 1u) << text;
    EXPECT_EQ(doc.nodes[0].kind, Kind::kHeading) << text;
    EXPECT_EQ(doc.nodes[0].text, shown) << text;
  }
}

TEST(HtmlFormData, EncodesAsBrowsersDo) {
  EXPECT_EQ(cefrt::EncodeFormData({{"username", "de mo"},
                                   {"password", "a&b=c/\xe4\xb8\xad"}}),
            "username=de+mo&password=a%26b%3Dc%2F%E4%B8%AD");
  EXPECT_EQ(cefrt::EncodeFormData({}), "");
}

TEST(ResolveUrl, ResolvesLinksFormsAndRedirectsAgainstThePage) {
  const std::string base = "http://h:88/a/b/page?q=1#top";
  struct Case {
    const char* ref;
    const char* out;
  } cases[] = {
      {"/quillbook/login", "http://h:88/quillbook/login"},
      {"other", "http://h:88/a/b/other"},
      {"../up", "http://h:88/a/up"},
      {"?x=2", "http://h:88/a/b/page?x=2"},
      {"#frag", "http://h:88/a/b/page?q=1#frag"},
      {"", "http://h:88/a/b/page?q=1"},
      {"//other.example/p", "http://other.example/p"},
      {"https://x.example:8443/y", "https://x.example:8443/y"},
      {"  spaced \n", "http://h:88/a/b/spaced"},
      {"http://[bad", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(cefrt::ResolveUrl(base, c.ref), c.out) << c.ref;
  EXPECT_EQ(cefrt::ResolveUrl("not a url", "x"), "");
  EXPECT_EQ(cefrt::ResolveUrl("about:blank", "x"), "");
}

}  // namespace
