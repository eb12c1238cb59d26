#include "runtime/html_document.h"

#include <stdint.h>
#include <string.h>

#include "runtime/text.h"

namespace cefrt {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsAlpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAlnum(char c) {
  return IsAlpha(c) || (c >= '0' && c <= '9');
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string s) {
  for (char& c : s)
    c = Lower(c);
  return s;
}

void AppendUtf8(uint32_t cp, std::string* out) {
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    cp = 0xFFFD;
  std::u32string one(1, static_cast<char32_t>(cp));
  std::string encoded;
  EncodeUtf8(one, &encoded);
  *out += encoded;
}

struct NamedEntity {
  const char* name;
  uint32_t cp;
};

constexpr NamedEntity kEntities[] = {
    {"amp", '&'},      {"lt", '<'},        {"gt", '>'},
    {"quot", '"'},     {"apos", '\''},     {"nbsp", 0xA0},
    {"copy", 0xA9},    {"reg", 0xAE},      {"trade", 0x2122},
    {"hellip", 0x2026}, {"mdash", 0x2014}, {"ndash", 0x2013},
    {"laquo", 0xAB},   {"raquo", 0xBB},    {"middot", 0xB7},
    {"times", 0xD7},   {"divide", 0xF7},   {"yen", 0xA5},
    {"euro", 0x20AC},  {"pound", 0xA3},    {"cent", 0xA2},
    {"sect", 0xA7},    {"deg", 0xB0},      {"plusmn", 0xB1},
    {"lsquo", 0x2018}, {"rsquo", 0x2019},  {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"bull", 0x2022},   {"ensp", 0x2002},
    {"emsp", 0x2003},  {"thinsp", 0x2009},
};

// Reads a character reference at text[i] == '&'; on success appends it and
// returns the index after it, else returns i.
size_t ReadReference(const std::string& text, size_t i, std::string* out) {
  size_t j = i + 1;
  if (j < text.size() && text[j] == '#') {
    ++j;
    const bool hex = j < text.size() && (text[j] == 'x' || text[j] == 'X');
    if (hex)
      ++j;
    const size_t digits_start = j;
    uint32_t cp = 0;
    bool overflow = false;
    while (j < text.size()) {
      const char c = text[j];
      int digit = -1;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (hex && Lower(c) >= 'a' && Lower(c) <= 'f')
        digit = Lower(c) - 'a' + 10;
      if (digit < 0)
        break;
      cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
      if (cp > 0x10FFFF) {
        overflow = true;
        cp = 0x110000;
      }
      ++j;
    }
    if (j == digits_start)
      return i;
    if (j < text.size() && text[j] == ';')
      ++j;
    AppendUtf8(overflow ? 0xFFFD : cp, out);
    return j;
  }
  size_t end = j;
  while (end < text.size() && IsAlnum(text[end]) && end - j < 10)
    ++end;
  if (end == j)
    return i;
  const std::string name = text.substr(j, end - j);
  for (const NamedEntity& e : kEntities) {
    if (name == e.name) {
      AppendUtf8(e.cp, out);
      return end < text.size() && text[end] == ';' ? end + 1 : end;
    }
  }
  return i;
}

bool IsRawTextElement(const std::string& name) {
  return name == "script" || name == "style" || name == "textarea" ||
         name == "title";
}

// Finds "</name" (any case) from `from`; npos when absent.
size_t FindEndTag(const std::string& html, size_t from,
                  const std::string& name) {
  for (size_t i = html.find("</", from); i != std::string::npos;
       i = html.find("</", i + 2)) {
    if (i + 2 + name.size() > html.size())
      return std::string::npos;
    if (LowerAscii(html.substr(i + 2, name.size())) != name)
      continue;
    const size_t after = i + 2 + name.size();
    if (after == html.size() || IsSpace(html[after]) || html[after] == '>' ||
        html[after] == '/')
      return i;
  }
  return std::string::npos;
}

// Reads a tag starting at html[i] == '<' with a letter (or '/' and a
// letter) next; returns the index after it.
size_t ReadTag(const std::string& html, size_t i, HtmlToken* token) {
  size_t j = i + 1;
  token->kind = HtmlToken::Kind::kStartTag;
  if (html[j] == '/') {
    token->kind = HtmlToken::Kind::kEndTag;
    ++j;
  }
  const size_t name_start = j;
  while (j < html.size() && !IsSpace(html[j]) && html[j] != '>' &&
         html[j] != '/')
    ++j;
  token->name = LowerAscii(html.substr(name_start, j - name_start));
  while (j < html.size()) {
    while (j < html.size() && (IsSpace(html[j]) || html[j] == '/')) {
      if (html[j] == '/' && j + 1 < html.size() && html[j + 1] == '>')
        token->self_closing = true;
      ++j;
    }
    if (j >= html.size())
      break;
    if (html[j] == '>')
      return j + 1;
    const size_t attr_start = j;
    while (j < html.size() && !IsSpace(html[j]) && html[j] != '>' &&
           html[j] != '/' && (html[j] != '=' || j == attr_start))
      ++j;
    std::string name = LowerAscii(html.substr(attr_start, j - attr_start));
    while (j < html.size() && IsSpace(html[j]))
      ++j;
    std::string value;
    if (j < html.size() && html[j] == '=') {
      ++j;
      while (j < html.size() && IsSpace(html[j]))
        ++j;
      if (j < html.size() && (html[j] == '"' || html[j] == '\'')) {
        const char quote = html[j++];
        const size_t end = html.find(quote, j);
        const size_t stop = end == std::string::npos ? html.size() : end;
        value = html.substr(j, stop - j);
        j = end == std::string::npos ? html.size() : end + 1;
      } else {
        const size_t start = j;
        while (j < html.size() && !IsSpace(html[j]) && html[j] != '>')
          ++j;
        value = html.substr(start, j - start);
      }
    }
    if (token->kind == HtmlToken::Kind::kStartTag && !name.empty() &&
        !token->HasAttribute(name))
      token->attributes.emplace_back(std::move(name), DecodeEntities(value));
  }
  return html.size();
}

std::string CollapseSpace(const std::string& text) {
  std::string out;
  bool space = false;
  for (char c : text) {
    if (IsSpace(c)) {
      space = true;
      continue;
    }
    if (space && !out.empty())
      out += ' ';
    space = false;
    out += c;
  }
  return out;
}

bool IsBlock(const std::string& name) {
  static const char* const kBlocks[] = {
      "p", "div", "br", "li", "ul", "ol", "tr", "table", "header", "main",
      "section", "footer", "nav", "article", "aside", "form", "hr", "dl",
      "dt", "dd", "blockquote", "pre", "body", "html", "fieldset", "legend",
      "td", "th", "h1", "h2", "h3", "h4", "h5", "h6", "label", "select"};
  for (const char* b : kBlocks) {
    if (name == b)
      return true;
  }
  return false;
}

int HeadingLevel(const std::string& name) {
  if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6')
    return name[1] - '0';
  return 0;
}

class DocumentBuilder {
 public:
  HtmlDocument Build(const std::vector<HtmlToken>& tokens) {
    for (const HtmlToken& t : tokens) {
      switch (t.kind) {
        case HtmlToken::Kind::kText:
          OnText(t.text);
          break;
        case HtmlToken::Kind::kStartTag:
          OnStart(t);
          break;
        case HtmlToken::Kind::kEndTag:
          OnEnd(t.name);
          break;
        default:
          break;
      }
    }
    Close();
    return std::move(doc_);
  }

 private:
  void OnText(const std::string& text) {
    if (in_head_ && !in_body_)
      return;
    (open_ ? open_text_ : pending_) += text;
  }

  void OnStart(const HtmlToken& t) {
    const std::string& name = t.name;
    if (name == "head") {
      in_head_ = true;
      return;
    }
    if (name == "body") {
      in_body_ = true;
    }
    if (name == "title") {
      if (doc_.title.empty())
        doc_.title = CollapseSpace(t.text);
      return;
    }
    if (name == "script" || name == "style")
      return;
    if (name == "a" && t.HasAttribute("href")) {
      Close();
      open_ = true;
      open_node_ = HtmlNode();
      open_node_.kind = HtmlNode::Kind::kLink;
      open_node_.href = t.Attribute("href");
      open_node_.target = t.Attribute("target");
      open_node_.id = t.Attribute("id");
      open_tag_ = "a";
      return;
    }
    if (const int level = HeadingLevel(name)) {
      Close();
      open_ = true;
      open_node_ = HtmlNode();
      open_node_.kind = HtmlNode::Kind::kHeading;
      open_node_.level = level;
      open_tag_ = name;
      return;
    }
    if (name == "button") {
      Close();
      open_ = true;
      open_node_ = HtmlNode();
      open_node_.kind = HtmlNode::Kind::kButton;
      open_node_.type = LowerAscii(t.Attribute("type", "submit"));
      open_node_.name = t.Attribute("name");
      open_node_.value = t.Attribute("value");
      open_node_.id = t.Attribute("id");
      open_node_.form = form_;
      open_tag_ = "button";
      return;
    }
    if (name == "input" || name == "textarea") {
      HtmlNode node;
      node.type = name == "textarea" ? "textarea"
                                     : LowerAscii(t.Attribute("type", "text"));
      node.kind = node.type == "submit" || node.type == "button" ||
                          node.type == "reset" || node.type == "image"
                      ? HtmlNode::Kind::kButton
                      : HtmlNode::Kind::kInput;
      node.name = t.Attribute("name");
      node.value = name == "textarea" ? t.text : t.Attribute("value");
      node.id = t.Attribute("id");
      node.form = form_;
      if (node.kind == HtmlNode::Kind::kButton)
        node.text = node.value.empty() ? std::string("Submit") : node.value;
      if (open_) {
        // A field inside a link or heading ends it.
        Close();
      }
      FlushPending();
      doc_.nodes.push_back(std::move(node));
      return;
    }
    if (name == "form") {
      Close();
      HtmlForm form;
      form.action = t.Attribute("action");
      form.method = LowerAscii(t.Attribute("method", "get"));
      if (form.method != "post")
        form.method = "get";
      doc_.forms.push_back(form);
      form_ = static_cast<int>(doc_.forms.size()) - 1;
      return;
    }
    if (name == "img" && t.HasAttribute("alt")) {
      OnText(" " + t.Attribute("alt") + " ");
      return;
    }
    if (IsBlock(name)) {
      if (open_ && open_tag_ == "a")
        return;  // a block inside a link stays part of the link
      Close();
    }
  }

  void OnEnd(const std::string& name) {
    if (name == "head") {
      in_head_ = false;
      return;
    }
    if (open_ && name == open_tag_) {
      Close();
      return;
    }
    if (name == "form") {
      Close();
      form_ = -1;
      return;
    }
    if (IsBlock(name) && !(open_ && open_tag_ == "a"))
      Close();
  }

  void FlushPending() {
    const std::string text = CollapseSpace(pending_);
    pending_.clear();
    if (text.empty())
      return;
    HtmlNode node;
    node.kind = HtmlNode::Kind::kText;
    node.text = text;
    doc_.nodes.push_back(std::move(node));
  }

  // Ends the open link, heading or button and the current line.
  void Close() {
    FlushPending();
    if (!open_)
      return;
    open_ = false;
    open_node_.text = CollapseSpace(open_text_);
    open_text_.clear();
    if (open_node_.kind == HtmlNode::Kind::kLink && open_node_.text.empty())
      open_node_.text = open_node_.href;
    if (open_node_.kind == HtmlNode::Kind::kHeading &&
        open_node_.text.empty())
      return;
    doc_.nodes.push_back(std::move(open_node_));
  }

  HtmlDocument doc_;
  std::string pending_;
  bool open_ = false;
  HtmlNode open_node_;
  std::string open_text_;
  std::string open_tag_;
  int form_ = -1;
  bool in_head_ = false;
  bool in_body_ = false;
};

}  // namespace

std::string HtmlToken::Attribute(const std::string& attr,
                                 const std::string& fallback) const {
  for (const auto& a : attributes) {
    if (a.first == attr)
      return a.second;
  }
  return fallback;
}

bool HtmlToken::HasAttribute(const std::string& attr) const {
  for (const auto& a : attributes) {
    if (a.first == attr)
      return true;
  }
  return false;
}

std::string DecodeEntities(const std::string& text) {
  if (text.find('&') == std::string::npos)
    return text;
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '&') {
      const size_t next = ReadReference(text, i, &out);
      if (next != i) {
        i = next;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

std::vector<HtmlToken> TokenizeHtml(const std::string& html) {
  std::vector<HtmlToken> tokens;
  std::string text;
  auto flush_text = [&] {
    if (text.empty())
      return;
    HtmlToken t;
    t.kind = HtmlToken::Kind::kText;
    t.text = DecodeEntities(text);
    tokens.push_back(std::move(t));
    text.clear();
  };
  size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (c != '<' || i + 1 >= html.size()) {
      text += c;
      ++i;
      continue;
    }
    const char next = html[i + 1];
    if (html.compare(i, 4, "<!--") == 0) {
      flush_text();
      const size_t end = html.find("-->", i + 4);
      HtmlToken t;
      t.kind = HtmlToken::Kind::kComment;
      t.text = html.substr(i + 4, end == std::string::npos
                                      ? std::string::npos
                                      : end - i - 4);
      tokens.push_back(std::move(t));
      i = end == std::string::npos ? html.size() : end + 3;
      continue;
    }
    if (next == '!' || next == '?') {
      flush_text();
      const size_t end = html.find('>', i);
      HtmlToken t;
      t.kind = HtmlToken::Kind::kDoctype;
      tokens.push_back(std::move(t));
      i = end == std::string::npos ? html.size() : end + 1;
      continue;
    }
    const bool end_tag = next == '/' && i + 2 < html.size() &&
                         IsAlpha(html[i + 2]);
    if (!IsAlpha(next) && !end_tag) {
      text += c;
      ++i;
      continue;
    }
    flush_text();
    HtmlToken tag;
    i = ReadTag(html, i, &tag);
    const bool raw =
        tag.kind == HtmlToken::Kind::kStartTag && IsRawTextElement(tag.name);
    if (raw && !tag.self_closing) {
      const size_t end = FindEndTag(html, i, tag.name);
      const size_t stop = end == std::string::npos ? html.size() : end;
      std::string body = html.substr(i, stop - i);
      const bool decode = tag.name == "textarea" || tag.name == "title";
      tag.text = decode ? DecodeEntities(body) : body;
      const std::string name = tag.name;
      tokens.push_back(std::move(tag));
      if (end == std::string::npos) {
        i = html.size();
      } else {
        HtmlToken close;
        i = ReadTag(html, end, &close);
        tokens.push_back(std::move(close));
      }
      continue;
    }
    tokens.push_back(std::move(tag));
  }
  flush_text();
  return tokens;
}

std::string HtmlDocument::Text() const {
  std::string out;
  for (const HtmlNode& n : nodes) {
    if (n.kind == HtmlNode::Kind::kInput || n.text.empty())
      continue;
    if (!out.empty())
      out += '\n';
    out += n.text;
  }
  return out;
}

HtmlDocument ParseHtmlDocument(const std::string& html) {
  return DocumentBuilder().Build(TokenizeHtml(html));
}

std::string EncodeFormData(
    const std::vector<std::pair<std::string, std::string>>& fields) {
  static const char kHex[] = "0123456789ABCDEF";
  auto encode = [](const std::string& s, std::string* out) {
    for (unsigned char c : s) {
      if (IsAlnum(static_cast<char>(c)) || c == '*' || c == '-' || c == '.' ||
          c == '_') {
        *out += static_cast<char>(c);
      } else if (c == ' ') {
        *out += '+';
      } else {
        *out += '%';
        *out += kHex[c >> 4];
        *out += kHex[c & 15];
      }
    }
  };
  std::string out;
  for (const auto& field : fields) {
    if (!out.empty())
      out += '&';
    encode(field.first, &out);
    out += '=';
    encode(field.second, &out);
  }
  return out;
}

}  // namespace cefrt
