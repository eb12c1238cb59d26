#include "runtime/win/html_document.h"

#include <stdint.h>
#include <string.h>

#include <new>

#include "runtime/base/ascii.h"

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

void AppendUtf8(uint32_t cp, std::string* out) {
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    cp = 0xFFFD;
  if (cp < 0x80) {
    *out += static_cast<char>(cp);
    return;
  }
  char bytes[4];
  size_t n = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
  for (size_t k = n - 1; k > 0; --k) {
    bytes[k] = static_cast<char>(0x80 | (cp & 0x3F));
    cp >>= 6;
  }
  static const unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
  bytes[0] = static_cast<char>(kLead[n] | cp);
  out->append(bytes, n);
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

// Reads a character reference at text[i] == '&', ending before `limit`; on
// success appends it and returns the index after it, else returns i.
size_t ReadReference(const std::string& text, size_t i, size_t limit,
                     std::string* out) {
  size_t j = i + 1;
  if (j < limit && text[j] == '#') {
    ++j;
    const bool hex = j < limit && (text[j] == 'x' || text[j] == 'X');
    if (hex)
      ++j;
    const size_t digits_start = j;
    uint32_t cp = 0;
    bool overflow = false;
    while (j < limit) {
      const char c = text[j];
      int digit = -1;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (hex && AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f')
        digit = AsciiLower(c) - 'a' + 10;
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
    if (j < limit && text[j] == ';')
      ++j;
    AppendUtf8(overflow ? 0xFFFD : cp, out);
    return j;
  }
  size_t end = j;
  while (end < limit && IsAlnum(text[end]) && end - j < 10)
    ++end;
  if (end == j)
    return i;
  for (const NamedEntity& e : kEntities) {
    if (text.compare(j, end - j, e.name) == 0) {
      AppendUtf8(e.cp, out);
      return end < limit && text[end] == ';' ? end + 1 : end;
    }
  }
  return i;
}

// text[from, to) with its character references replaced.
std::string DecodeRange(const std::string& text, size_t from, size_t to) {
  if (to <= from)
    return std::string();
  // Only within the range: a search to the page's end would make reading
  // quadratic.
  if (!memchr(text.data() + from, '&', to - from))
    return text.substr(from, to - from);
  std::string out;
  out.reserve(to - from);
  size_t i = from;
  while (i < to) {
    if (text[i] == '&') {
      const size_t next = ReadReference(text, i, to, &out);
      if (next != i) {
        i = next;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

// Whether `s` is the literal; the length first, as most tags differ in it.
template <size_t N>
bool Is(const std::string& s, const char (&literal)[N]) {
  return s.size() == N - 1 && memcmp(s.data(), literal, N - 1) == 0;
}

bool IsRawTextElement(const std::string& name) {
  return Is(name, "script") || Is(name, "style") || Is(name, "textarea") ||
         Is(name, "title");
}

// Finds "</name" (any case) from `from`; npos when absent.
size_t FindEndTag(const std::string& html, size_t from,
                  const std::string& name) {
  for (size_t i = html.find("</", from); i != std::string::npos;
       i = html.find("</", i + 2)) {
    const size_t after = i + 2 + name.size();
    if (after > html.size())
      return std::string::npos;
    bool same = true;
    for (size_t k = 0; k < name.size() && same; ++k)
      same = AsciiLower(html[i + 2 + k]) == name[k];
    if (!same)
      continue;
    if (after == html.size() || IsSpace(html[after]) || html[after] == '>' ||
        html[after] == '/')
      return i;
  }
  return std::string::npos;
}

// Which attribute names a tag has so far, in constant time per name: a
// hostile tag may carry hundreds of thousands. Open addressing over the
// token's own list; cleared by forgetting only the slots used.
class AttributeNames {
 public:
  AttributeNames() {
    for (uint16_t& slot : slots_)
      slot = 0;
    // Unpredictable per process, so that no page can be made of colliding
    // names.
    const uintptr_t here = reinterpret_cast<uintptr_t>(this);
    const uint64_t wide = here;
    seed_ = static_cast<uint32_t>(wide ^ (wide >> 32)) * 2654435761u;
  }

  void Clear() {
    for (size_t slot : used_)
      slots_[slot] = 0;
    used_.clear();
  }

  // Adds `name` as attributes[index] unless present; false when present.
  bool Add(const std::vector<std::pair<std::string, std::string>>& attributes,
           const std::string& name) {
    size_t slot = Hash(name) & (kSlots - 1);
    while (slots_[slot]) {
      if (attributes[slots_[slot] - 1u].first == name)
        return false;
      slot = (slot + 1) & (kSlots - 1);
    }
    slots_[slot] = static_cast<uint16_t>(attributes.size() + 1);
    used_.push_back(slot);
    return true;
  }

 private:
  static constexpr size_t kSlots = 2 * kMaxHtmlAttributes;
  static_assert((kSlots & (kSlots - 1)) == 0, "a power of two");
  static_assert(kMaxHtmlAttributes < 0xffff, "indices fit the slots");

  uint32_t Hash(const std::string& name) const {
    uint32_t h = 2166136261u ^ seed_;
    for (unsigned char c : name)
      h = (h ^ c) * 16777619u;
    return h ^ (h >> 15);
  }

  uint16_t slots_[kSlots];
  std::vector<size_t> used_;
  uint32_t seed_ = 0;
};

// Reads a tag starting at html[i] == '<' with a letter (or '/' and a
// letter) next; returns the index after it. Attributes past the cap are
// read over, not kept.
size_t ReadTag(const std::string& html, size_t i, HtmlToken* token,
               AttributeNames* names) {
  names->Clear();
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
  token->name = AsciiLower(html.substr(name_start, j - name_start));
  const bool keep = token->kind == HtmlToken::Kind::kStartTag;
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
    const size_t attr_end = j;
    while (j < html.size() && IsSpace(html[j]))
      ++j;
    size_t value_start = j, value_end = j;
    if (j < html.size() && html[j] == '=') {
      ++j;
      while (j < html.size() && IsSpace(html[j]))
        ++j;
      if (j < html.size() && (html[j] == '"' || html[j] == '\'')) {
        const char quote = html[j++];
        const size_t end = html.find(quote, j);
        value_start = j;
        value_end = end == std::string::npos ? html.size() : end;
        j = end == std::string::npos ? html.size() : end + 1;
      } else {
        value_start = j;
        while (j < html.size() && !IsSpace(html[j]) && html[j] != '>')
          ++j;
        value_end = j;
      }
    }
    if (!keep || attr_end == attr_start ||
        token->attributes.size() >= kMaxHtmlAttributes)
      continue;
    std::string name =
        AsciiLower(html.substr(attr_start, attr_end - attr_start));
    if (names->Add(token->attributes, name))
      token->attributes.emplace_back(
          std::move(name),
          DecodeRange(html, value_start, value_end));
  }
  return html.size();
}

// Splits a page into tokens and hands each to `sink` as it is read; the
// sink returns false to stop. One token object is reused throughout.
template <typename Sink>
void ReadTokens(const std::string& html, Sink&& sink) {
  HtmlToken token;
  AttributeNames names;
  auto reset = [&token](HtmlToken::Kind kind) {
    token.kind = kind;
    token.name.clear();
    token.attributes.clear();
    token.text.clear();
    token.self_closing = false;
  };
  size_t text_start = 0;  // the text run not handed over yet
  auto flush_text = [&](size_t end) {
    if (end <= text_start)
      return true;
    reset(HtmlToken::Kind::kText);
    token.text = DecodeRange(html, text_start, end);
    return sink(token);
  };
  size_t i = 0;
  while (i < html.size()) {
    const size_t lt = html.find('<', i);
    if (lt == std::string::npos || lt + 1 >= html.size())
      break;
    i = lt;
    const char next = html[i + 1];
    if (html.compare(i, 4, "<!--") == 0) {
      if (!flush_text(i))
        return;
      const size_t end = html.find("-->", i + 4);
      reset(HtmlToken::Kind::kComment);
      token.text = html.substr(
          i + 4, end == std::string::npos ? std::string::npos : end - i - 4);
      i = end == std::string::npos ? html.size() : end + 3;
      text_start = i;
      if (!sink(token))
        return;
      continue;
    }
    if (next == '!' || next == '?') {
      if (!flush_text(i))
        return;
      const size_t end = html.find('>', i);
      reset(HtmlToken::Kind::kDoctype);
      i = end == std::string::npos ? html.size() : end + 1;
      text_start = i;
      if (!sink(token))
        return;
      continue;
    }
    const bool end_tag = next == '/' && i + 2 < html.size() &&
                         IsAlpha(html[i + 2]);
    if (!IsAlpha(next) && !end_tag) {
      ++i;  // a lone '<' is text
      continue;
    }
    if (!flush_text(i))
      return;
    reset(HtmlToken::Kind::kText);
    i = ReadTag(html, i, &token, &names);
    text_start = i;
    const bool raw = token.kind == HtmlToken::Kind::kStartTag &&
                     IsRawTextElement(token.name);
    if (!raw || token.self_closing) {
      if (!sink(token))
        return;
      continue;
    }
    const size_t end = FindEndTag(html, i, token.name);
    const size_t stop = end == std::string::npos ? html.size() : end;
    const bool decode = Is(token.name, "textarea") || Is(token.name, "title");
    token.text = decode ? DecodeRange(html, i, stop) : html.substr(i, stop - i);
    if (!sink(token))
      return;
    i = text_start = stop;
    if (end != std::string::npos) {
      reset(HtmlToken::Kind::kText);
      i = text_start = ReadTag(html, end, &token, &names);
      if (!sink(token))
        return;
    }
  }
  flush_text(html.size());
}

// Text as it is shown, whitespace collapsed while it comes in and cut at
// `cap` bytes on a character's first byte: a long run costs no more than
// what is kept.
class ShownText {
 public:
  explicit ShownText(size_t cap) : cap_(cap) {}

  void Append(const std::string& text) {
    for (char c : text) {
      if (full_)
        return;
      if (IsSpace(c)) {
        space_ = true;
        following_ = 0;  // no character goes on past a space
        continue;
      }
      const unsigned char byte = static_cast<unsigned char>(c);
      if ((byte & 0xC0) == 0x80 && following_ > 0) {
        --following_;  // room was kept for it with its first byte
      } else {
        // A character's first byte, or a stray continuation byte taken as
        // a character of its own: the whole character must fit.
        const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3
                              : byte >= 0xC0 ? 2 : 1;
        if (text_.size() + (space_ && !text_.empty() ? 1 : 0) + length >
            cap_) {
          full_ = true;
          return;
        }
        following_ = length - 1;
      }
      if (space_ && !text_.empty())
        text_ += ' ';
      space_ = false;
      text_ += c;
    }
  }

  // The text so far; empty afterwards.
  std::string Take() {
    std::string out = std::move(text_);
    text_.clear();
    space_ = full_ = false;
    following_ = 0;
    return out;
  }

  bool empty() const { return text_.empty(); }

 private:
  const size_t cap_;
  std::string text_;
  bool space_ = false;
  bool full_ = false;
  size_t following_ = 0;  // continuation bytes the last character still has
};

bool IsBlock(const std::string& name) {
  static const char* const kBlocks[] = {
      "p", "div", "br", "li", "ul", "ol", "tr", "table", "header", "main",
      "section", "footer", "nav", "article", "aside", "form", "hr", "dl",
      "dt", "dd", "blockquote", "pre", "body", "html", "fieldset", "legend",
      "td", "th", "h1", "h2", "h3", "h4", "h5", "h6", "label", "select"};
  if (name.empty() || name.size() > 10)
    return false;
  for (const char* b : kBlocks) {
    if (b[0] == name[0] && name == b)
      return true;
  }
  return false;
}

int HeadingLevel(const std::string& name) {
  if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6')
    return name[1] - '0';
  return 0;
}

// Builds the document from tokens as they are read, and says when it has
// all it will show.
class DocumentBuilder {
 public:
  // False once the document is full: nothing after would be shown.
  bool OnToken(const HtmlToken& t) {
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
    return !Full();
  }

  HtmlDocument Finish() {
    Close();
    return std::move(doc_);
  }

 private:
  bool Full() const { return doc_.nodes.size() >= kMaxHtmlNodes; }

  void Add(HtmlNode node) {
    if (!Full())
      doc_.nodes.push_back(std::move(node));
  }

  // The form that fields read now belong to. A form is kept only once a
  // field of it is: a page of empty forms costs nothing.
  int CurrentForm() {
    if (form_ < 0 && in_form_ && !Full()) {
      doc_.forms.push_back(open_form_);
      form_ = static_cast<int>(doc_.forms.size()) - 1;
    }
    return form_;
  }

  void OnText(const std::string& text) {
    if (in_head_ && !in_body_)
      return;
    (open_ ? open_text_ : pending_).Append(text);
  }

  void Open(HtmlNode::Kind kind, const std::string& tag) {
    Close();
    open_ = true;
    open_node_ = HtmlNode();
    open_node_.kind = kind;
    open_tag_ = tag;
  }

  void OnStart(const HtmlToken& t) {
    const std::string& name = t.name;
    if (Is(name, "head")) {
      in_head_ = true;
      return;
    }
    if (Is(name, "body")) {
      in_body_ = true;
    }
    if (Is(name, "title")) {
      if (doc_.title.empty()) {
        ShownText title(kMaxHtmlTitle);
        title.Append(t.text);
        doc_.title = title.Take();
      }
      return;
    }
    if (Is(name, "script") || Is(name, "style"))
      return;
    if (Is(name, "a") && t.HasAttribute("href")) {
      Open(HtmlNode::Kind::kLink, name);
      open_node_.href = t.Attribute("href");
      open_node_.target = t.Attribute("target");
      open_node_.id = t.Attribute("id");
      return;
    }
    if (const int level = HeadingLevel(name)) {
      Open(HtmlNode::Kind::kHeading, name);
      open_node_.level = level;
      return;
    }
    if (Is(name, "button")) {
      Open(HtmlNode::Kind::kButton, name);
      open_node_.type = AsciiLower(t.Attribute("type", "submit"));
      open_node_.name = t.Attribute("name");
      open_node_.value = t.Attribute("value");
      open_node_.id = t.Attribute("id");
      open_node_.form = CurrentForm();
      return;
    }
    if (Is(name, "input") || Is(name, "textarea")) {
      // A field inside a link or heading ends it.
      Close();
      if (Full())
        return;
      HtmlNode node;
      node.type = Is(name, "textarea") ? "textarea"
                                     : AsciiLower(t.Attribute("type", "text"));
      node.kind = node.type == "submit" || node.type == "button" ||
                          node.type == "reset" || node.type == "image"
                      ? HtmlNode::Kind::kButton
                      : HtmlNode::Kind::kInput;
      node.name = t.Attribute("name");
      node.value = Is(name, "textarea") ? t.text : t.Attribute("value");
      node.id = t.Attribute("id");
      node.form = CurrentForm();
      if (node.kind == HtmlNode::Kind::kButton) {
        ShownText label(kMaxHtmlNodeText);
        label.Append(node.value.empty() ? std::string("Submit") : node.value);
        node.text = label.Take();
      }
      Add(std::move(node));
      return;
    }
    if (Is(name, "form")) {
      Close();
      open_form_.action = t.Attribute("action");
      open_form_.method = AsciiLower(t.Attribute("method", "get"));
      if (open_form_.method != "post")
        open_form_.method = "get";
      in_form_ = true;
      form_ = -1;
      return;
    }
    if (Is(name, "img") && t.HasAttribute("alt")) {
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
    if (Is(name, "head")) {
      in_head_ = false;
      return;
    }
    if (open_ && name == open_tag_) {
      Close();
      return;
    }
    if (Is(name, "form")) {
      Close();
      in_form_ = false;
      form_ = -1;
      return;
    }
    if (IsBlock(name) && !(open_ && open_tag_ == "a"))
      Close();
  }

  void FlushPending() {
    if (pending_.empty())
      return;
    HtmlNode node;
    node.kind = HtmlNode::Kind::kText;
    node.text = pending_.Take();
    Add(std::move(node));
  }

  // Ends the open link, heading or button and the current line.
  void Close() {
    FlushPending();
    if (!open_)
      return;
    open_ = false;
    open_node_.text = open_text_.Take();
    if (open_node_.kind == HtmlNode::Kind::kLink && open_node_.text.empty()) {
      ShownText href(kMaxHtmlNodeText);
      href.Append(open_node_.href);
      open_node_.text = href.Take();
    }
    if (open_node_.kind == HtmlNode::Kind::kHeading &&
        open_node_.text.empty())
      return;
    Add(std::move(open_node_));
  }

  HtmlDocument doc_;
  ShownText pending_{kMaxHtmlNodeText};
  bool open_ = false;
  HtmlNode open_node_;
  ShownText open_text_{kMaxHtmlNodeText};
  std::string open_tag_;
  HtmlForm open_form_;
  bool in_form_ = false;
  int form_ = -1;  // index of open_form_ in the document once kept
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
  return DecodeRange(text, 0, text.size());
}

std::vector<HtmlToken> TokenizeHtml(const std::string& html) {
  std::vector<HtmlToken> tokens;
  ReadTokens(html, [&tokens](const HtmlToken& t) {
    tokens.push_back(t);
    return true;
  });
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
  try {
    DocumentBuilder builder;
    ReadTokens(html,
               [&builder](const HtmlToken& t) { return builder.OnToken(t); });
    return builder.Finish();
  } catch (const std::bad_alloc&) {
    // Pages come from anywhere; a large one is not worth the program.
    HtmlDocument failed;
    failed.out_of_memory = true;
    return failed;
  }
}

std::string HtmlStatusPage(int status, const std::string& text) {
  // The server's words, never its markup.
  std::string line = std::to_string(status) + " ";
  for (char c : text) {
    switch (c) {
      case '&': line += "&amp;"; break;
      case '<': line += "&lt;"; break;
      case '>': line += "&gt;"; break;
      case '"': line += "&quot;"; break;
      case '\'': line += "&#39;"; break;
      default: line += c; break;
    }
  }
  return "<html><head><title>" + line + "</title></head><body><h1>" + line +
         "</h1></body></html>";
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
