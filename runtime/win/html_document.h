// A forgiving HTML reader for views that show a document with native
// controls instead of an HTML engine: the title, text, headings, links,
// form fields and buttons, in document order. Any input gives a document;
// bad markup is read as text or skipped, never refused.
#ifndef CEF_RUNTIME_HTML_DOCUMENT_H_
#define CEF_RUNTIME_HTML_DOCUMENT_H_

#include <stddef.h>

#include <string>
#include <utility>
#include <vector>

namespace cefrt {

// What one page may cost. Every node becomes a window of its own, and on
// Windows a session's windows share a desktop heap of a few megabytes; a
// tag's attributes beyond the cap are skipped.
constexpr size_t kMaxHtmlNodes = 300;
constexpr size_t kMaxHtmlNodeText = 4096;  // bytes, whole characters kept
constexpr size_t kMaxHtmlTitle = 1024;     // bytes, whole characters kept
constexpr size_t kMaxHtmlAttributes = 256;

struct HtmlToken {
  enum class Kind { kText, kStartTag, kEndTag, kComment, kDoctype };
  Kind kind = Kind::kText;
  std::string name;  // tags: lower case
  std::vector<std::pair<std::string, std::string>> attributes;  // names lower
  std::string text;  // text: entities decoded
  bool self_closing = false;

  // The attribute's value, or `fallback` when absent.
  std::string Attribute(const std::string& name,
                        const std::string& fallback = std::string()) const;
  bool HasAttribute(const std::string& name) const;
};

// Splits `html` (UTF-8) into tokens. The text of script, style, textarea and
// title elements is one raw token each (entities decoded except in script
// and style). A repeated attribute keeps its first value.
std::vector<HtmlToken> TokenizeHtml(const std::string& html);

// Replaces character references (named, decimal, hexadecimal) with their
// UTF-8; unknown or malformed ones stay as written.
std::string DecodeEntities(const std::string& text);

struct HtmlNode {
  enum class Kind { kText, kHeading, kLink, kInput, kButton };
  Kind kind = Kind::kText;
  int level = 0;     // heading level 1-6
  std::string text;  // shown text, whitespace collapsed
  std::string href, target;            // links
  std::string type, name, value, id;   // inputs and buttons; type lower case
  int form = -1;     // index into HtmlDocument::forms
};

struct HtmlForm {
  std::string action;
  std::string method;  // "get" or "post"
};

struct HtmlDocument {
  // Memory ran out while reading: nothing else in the document is usable.
  bool out_of_memory = false;
  std::string title;
  std::vector<HtmlNode> nodes;
  std::vector<HtmlForm> forms;

  // The nodes' text as a person reads it, one line per block.
  std::string Text() const;
};

// Reads in one pass, in time linear in the input, and stops once
// kMaxHtmlNodes nodes are read. Never throws.
HtmlDocument ParseHtmlDocument(const std::string& html);

// The page a view shows for an HTTP error that came without a body of its
// own: the status and the server's text for it, as text.
std::string HtmlStatusPage(int status, const std::string& text);

// Encodes name=value pairs as a form body or query
// (application/x-www-form-urlencoded, UTF-8).
std::string EncodeFormData(
    const std::vector<std::pair<std::string, std::string>>& fields);

}  // namespace cefrt

#endif  // CEF_RUNTIME_HTML_DOCUMENT_H_
