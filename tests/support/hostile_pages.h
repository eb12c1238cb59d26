// Pages shaped to make an HTML reader slow or large: many nodes, one tag
// with a great many attributes, endless text, unclosed constructs. Each is
// made at a given size, so that a test can read them at the largest size a
// view takes and a benchmark at two sizes, to show the time grows linearly.
#ifndef PELLAVINE_TESTS_SUPPORT_HOSTILE_PAGES_H_
#define PELLAVINE_TESTS_SUPPORT_HOSTILE_PAGES_H_

#include <stddef.h>

#include <string>

namespace hostile {

// `unit` repeated between `head` and `tail`, `bytes` long at most.
inline std::string Repeat(size_t bytes, const std::string& head,
                          const std::string& unit,
                          const std::string& tail = std::string()) {
  std::string page = head;
  page.reserve(bytes);
  while (page.size() + unit.size() + tail.size() <= bytes) page += unit;
  return page + tail;
}

// One tag with as many distinct attribute names as fit.
inline std::string ManyAttributes(size_t bytes, const char* tag, bool values) {
  std::string page = std::string("<") + tag;
  page.reserve(bytes);
  for (size_t i = 0; page.size() + 32 < bytes; ++i) {
    page += " a" + std::to_string(i);
    if (values) page += "=\"v\"";
  }
  return page + " href=x>link</a>";
}

// Tags each with `count` distinct attributes, as many as fit.
inline std::string TagsWithAttributes(size_t bytes, size_t count) {
  std::string tag = "<i";
  for (size_t i = 0; i < count; ++i) tag += " b" + std::to_string(i);
  return Repeat(bytes, "", tag + ">");
}

struct Page {
  const char* name;
  std::string (*make)(size_t bytes);
};

inline const Page kPages[] = {
    {"paragraphs", [](size_t n) { return Repeat(n, "", "<p>x"); }},
    {"one tag, distinct attributes",
     [](size_t n) { return ManyAttributes(n, "a", false); }},
    {"one tag, distinct attributes with values",
     [](size_t n) { return ManyAttributes(n, "input", true); }},
    {"tags of 300 attributes",
     [](size_t n) { return TagsWithAttributes(n, 300); }},
    {"inline text, one line",
     [](size_t n) { return Repeat(n, "", "<b>word "); }},
    {"text without markup", [](size_t n) { return Repeat(n, "", "word "); }},
    {"spaces", [](size_t n) { return Repeat(n, "<p>", " \n\t"); }},
    {"entities", [](size_t n) { return Repeat(n, "", "&amp;&#x4e2d;"); }},
    {"a title",
     [](size_t n) { return Repeat(n, "<title>", "t ", "</title>"); }},
    {"an unclosed title", [](size_t n) { return Repeat(n, "<title>", "t "); }},
    {"a text area", [](size_t n) { return Repeat(n, "<textarea>", "t\n"); }},
    {"a script", [](size_t n) { return Repeat(n, "<script>", "x=1;"); }},
    {"fields",
     [](size_t n) { return Repeat(n, "", "<input name=n value=v>"); }},
    {"hidden fields",
     [](size_t n) {
       return Repeat(n, "<form>", "<input type=hidden name=n>");
     }},
    {"forms",
     [](size_t n) { return Repeat(n, "", "<form action=x method=post>"); }},
    {"links", [](size_t n) { return Repeat(n, "", "<a href=x>y</a>"); }},
    {"headings", [](size_t n) { return Repeat(n, "", "<h1>h</h1>"); }},
    {"blocks inside a link",
     [](size_t n) { return Repeat(n, "", "<a href=x><p>y"); }},
    {"buttons", [](size_t n) { return Repeat(n, "<form>", "<button>b"); }},
    {"images", [](size_t n) { return Repeat(n, "", "<img alt=a>"); }},
    {"comments", [](size_t n) { return Repeat(n, "", "<!--c-->"); }},
    {"an unclosed comment", [](size_t n) { return Repeat(n, "<!--", "c"); }},
    {"end tags", [](size_t n) { return Repeat(n, "", "</p></a>"); }},
    {"lone brackets", [](size_t n) { return Repeat(n, "", "< "); }},
    {"an unterminated value",
     [](size_t n) { return Repeat(n, "<a href=\"", "x"); }},
    {"end tags of a script",
     [](size_t n) { return Repeat(n, "<script>", "</scrip"); }},
};

}  // namespace hostile

#endif  // PELLAVINE_TESTS_SUPPORT_HOSTILE_PAGES_H_
