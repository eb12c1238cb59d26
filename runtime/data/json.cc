// JSON text to value trees and back. nlohmann's SAX reader checks the text
// and hands over one value at a time; the builder hangs each into the tree
// at once and keeps its own stack of open containers, so nesting costs no
// recursion and there is no intermediate document. The writer keeps its own
// stack too: a program may build trees deeper than the reader accepts.
#include "runtime/data/json.h"

#include <stdint.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "include/capi/cef_entry_capi.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"

namespace cefrt {
namespace json {

namespace {

using values::Node;
using values::NodePtr;
using Json = nlohmann::json;

constexpr size_t kNone = std::string::npos;

// ---- Encodings. The reader takes UTF-8; the interface speaks UTF-16.

// Appends the UTF-8 form of `text`. Stops at the first unpaired surrogate,
// which UTF-8 cannot carry, and returns its index; kNone when all converted.
size_t ToUtf8(const char16_t* text, size_t length, std::string* out) {
  out->reserve(length + length / 4);
  for (size_t i = 0; i < length; ++i) {
    uint32_t c = text[i];
    if (c < 0x80) {
      out->push_back(static_cast<char>(c));
      continue;
    }
    if (c < 0x800) {
      out->push_back(static_cast<char>(0xC0 | (c >> 6)));
      out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
      continue;
    }
    if (c >= 0xD800 && c <= 0xDFFF) {
      const uint32_t low = i + 1 < length ? text[i + 1] : 0;
      if (c > 0xDBFF || low < 0xDC00 || low > 0xDFFF)
        return i;
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      ++i;
      out->push_back(static_cast<char>(0xF0 | (c >> 18)));
      out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    } else {
      out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    }
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return kNone;
}

// ---- Reading.

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsWordByte(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
         (c >= 'A' && c <= 'Z') || c == '.' || c == '+' || c == '-';
}

// Calls visit(offset, byte) for each byte outside string bodies, the quotes
// that open and close a string included, until visit returns false.
template <class Visit>
void WalkStructure(const std::string& text, Visit visit) {
  bool in_string = false;
  bool escaped = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (in_string) {
      if (escaped)
        escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        in_string = false;
      if (in_string)
        continue;
    } else if (c == '"') {
      in_string = true;
    }
    if (!visit(i, c))
      return;
  }
}

// The comma before a closing bracket at `close`, if only blanks lie between.
size_t CommaBefore(const std::string& text, size_t close) {
  size_t i = close;
  while (i > 0 && IsSpace(text[i - 1]))
    --i;
  return i > 0 && text[i - 1] == ',' ? i - 1 : kNone;
}

// Blanks each comma that follows a value and precedes a closing bracket.
// Every other byte stays where it was, so the reader's error positions
// still point into the caller's text.
void BlankTrailingCommas(std::string* text) {
  WalkStructure(*text, [text](size_t i, char c) {
    if (c != ']' && c != '}')
      return true;
    const size_t comma = CommaBefore(*text, i);
    if (comma == kNone)
      return true;
    size_t j = comma;
    while (j > 0 && IsSpace((*text)[j - 1]))
      --j;
    // Only after a value: "[,]" stays an error.
    const char before = j > 0 ? (*text)[j - 1] : '\0';
    const bool after_value = before == '"' || before == ']' ||
                             before == '}' ||
                             (IsWordByte(before) && before != '.' &&
                              before != '+' && before != '-');
    if (after_value)
      (*text)[comma] = ' ';
    return true;
  });
}

// Offset of the bracket that opens the `depth`-th nested container.
size_t OpenerAtDepth(const std::string& text, int depth) {
  int open = 0;
  size_t found = text.size();
  WalkStructure(text, [&](size_t i, char c) {
    if (c == '[' || c == '{') {
      if (++open == depth) {
        found = i;
        return false;
      }
    } else if (c == ']' || c == '}') {
      --open;
    }
    return true;
  });
  return found;
}

// The first byte of the token whose last byte is at `last`.
size_t TokenStart(const std::string& text, size_t last) {
  if (last >= text.size())
    return last;
  if (text[last] == '"') {
    // Back to the first quote that no backslash escapes.
    for (size_t i = last; i-- > 0;) {
      if (text[i] != '"')
        continue;
      size_t slashes = 0;
      while (slashes < i && text[i - 1 - slashes] == '\\')
        ++slashes;
      if (slashes % 2 == 0)
        return i;
    }
    return last;
  }
  size_t start = last;
  if (IsWordByte(text[last])) {
    while (start > 0 && IsWordByte(text[start - 1]))
      --start;
  }
  return start;
}

// Hangs every value into the tree as the reader reports it.
class TreeBuilder {
 public:
  using number_integer_t = Json::number_integer_t;
  using number_unsigned_t = Json::number_unsigned_t;
  using number_float_t = Json::number_float_t;
  using string_t = Json::string_t;
  using binary_t = Json::binary_t;

  bool null() { return Add(Node::NewNull()); }
  bool boolean(bool value) { return Add(Node::NewBool(value)); }
  // Integers beyond 32 bits become doubles, as the value objects hold them.
  bool number_integer(number_integer_t value) {
    return Add(value >= std::numeric_limits<int>::min() &&
                       value <= std::numeric_limits<int>::max()
                   ? Node::NewInt(static_cast<int>(value))
                   : Node::NewDouble(static_cast<double>(value)));
  }
  bool number_unsigned(number_unsigned_t value) {
    return Add(value <= static_cast<number_unsigned_t>(
                            std::numeric_limits<int>::max())
                   ? Node::NewInt(static_cast<int>(value))
                   : Node::NewDouble(static_cast<double>(value)));
  }
  bool number_float(number_float_t value, const string_t&) {
    return Add(Node::NewDouble(value));
  }
  bool string(string_t& value) {
    return Add(Node::NewString(Utf8ToU16(value)));
  }
  bool binary(binary_t&) { return false; }  // JSON text has none
  bool start_object(std::size_t) { return Open(Node::NewDictionary()); }
  bool key(string_t& key) {
    key_ = Utf8ToU16(key);
    return true;
  }
  bool end_object() { return Close(); }
  bool start_array(std::size_t) { return Open(Node::NewList()); }
  bool end_array() { return Close(); }
  bool parse_error(std::size_t position, const std::string&,
                   const nlohmann::detail::exception& error) {
    error_position_ = position;
    error_id_ = error.id;
    error_text_ = error.what();
    return false;
  }

  NodePtr TakeRoot() { return std::move(root_); }
  bool too_deep() const { return too_deep_; }
  // Whether the root value was complete when the reader stopped.
  bool root_done() const { return root_done_; }
  // The offset of the last byte the reader took (the text's length for its
  // end), and the reader's account of what was wrong.
  size_t error_offset() const {
    return error_position_ > 0 ? error_position_ - 1 : 0;
  }
  int error_id() const { return error_id_; }
  const std::string& error_text() const { return error_text_; }

 private:
  bool Add(NodePtr node) {
    if (open_.empty()) {
      root_done_ = !node->is_container();
      root_ = std::move(node);
      return true;
    }
    Node* parent = open_.back();
    return parent->type() == VTYPE_DICTIONARY
               ? parent->Set(key_, std::move(node))  // a repeated key: last wins
               : parent->Append(std::move(node));
  }
  bool Open(NodePtr node) {
    if (open_.size() == static_cast<size_t>(kMaxDepth)) {
      too_deep_ = true;
      return false;
    }
    Node* container = node.get();
    if (!Add(std::move(node)))
      return false;
    open_.push_back(container);
    return true;
  }
  bool Close() {
    open_.pop_back();
    root_done_ = open_.empty();
    return true;
  }

  NodePtr root_;
  std::vector<Node*> open_;
  std::u16string key_;
  bool too_deep_ = false;
  bool root_done_ = false;
  size_t error_position_ = 0;
  int error_id_ = 0;
  std::string error_text_;
};

struct Failure {
  cef_json_parser_error_t code;
  size_t offset;  // into the UTF-8 text
};

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// The interface's error code for where and why the reader stopped. The
// reader's text is "... while parsing <context> - <detail>; last read: ...";
// what follows "last read" quotes the caller's text and is never looked at.
Failure Classify(const std::string& text, const TreeBuilder& builder) {
  if (builder.too_deep())
    return {JSON_TOO_MUCH_NESTING, OpenerAtDepth(text, kMaxDepth + 1)};
  std::string what = builder.error_text();
  what = what.substr(0, what.find("; last read:"));
  const size_t dash = what.find(" - ");
  const std::string context =
      dash == kNone ? std::string() : what.substr(0, dash);
  const std::string detail = dash == kNone ? what : what.substr(dash + 3);
  const bool whole_token = StartsWith(detail, "unexpected ") &&
                           !StartsWith(detail, "unexpected end of input");
  size_t at = std::min(builder.error_offset(), text.size());
  // A complete token was read (or a number too large): point at its start.
  if (whole_token || builder.error_id() == 406)
    at = TokenStart(text, at);

  if (builder.root_done())
    return {JSON_UNEXPECTED_DATA_AFTER_ROOT, at};
  if (StartsWith(detail, "invalid string: forbidden character after") ||
      StartsWith(detail, "invalid string: '\\u'") ||
      StartsWith(detail, "invalid string: surrogate")) {
    // At the backslash that starts the escape.
    const size_t backslash = at ? text.rfind('\\', at - 1) : kNone;
    return {JSON_INVALID_ESCAPE, backslash != kNone ? backslash : at};
  }
  if (at < text.size() && (text[at] == ']' || text[at] == '}')) {
    const size_t comma = CommaBefore(text, at);
    if (comma != kNone)
      return {JSON_TRAILING_COMMA, comma};
  }
  const auto in = [&context](const char* what_parsed) {
    return context.size() >= std::char_traits<char>::length(what_parsed) &&
           context.compare(context.size() -
                               std::char_traits<char>::length(what_parsed),
                           kNone, what_parsed) == 0;
  };
  if (in("while parsing object key") && !StartsWith(detail, "unexpected '") &&
      !StartsWith(detail, "unexpected end of input"))
    return {JSON_UNQUOTED_DICTIONARY_KEY, at};
  if (in("while parsing value") && StartsWith(detail, "unexpected "))
    return {JSON_UNEXPECTED_TOKEN, at};
  return {JSON_SYNTAX_ERROR, at};
}

const char* const kErrorTexts[] = {
    "No error.",
    "Invalid escape sequence.",
    "Syntax error.",
    "Unexpected token.",
    "Trailing comma not allowed.",
    "Too much nesting.",
    "Unexpected data after root element.",
    "Unsupported encoding: an unpaired surrogate.",
    "Dictionary keys must be quoted.",
};
static_assert(sizeof(kErrorTexts) / sizeof(kErrorTexts[0]) ==
                  JSON_PARSE_ERROR_COUNT,
              "one text per error code");

ParseResult Fail(cef_json_parser_error_t code, const std::string& text,
                 size_t offset) {
  size_t line = 1;
  size_t column = 1;
  for (size_t i = 0; i < offset && i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      column += c >= 0xF0 ? 2 : 1;  // beyond the BMP: two UTF-16 units
    }
  }
  const std::string message = "Line: " + std::to_string(line) +
                              ", column: " + std::to_string(column) + ", " +
                              kErrorTexts[code];
  ParseResult result;
  result.error = code;
  result.message.assign(message.begin(), message.end());
  return result;
}

// ---- Writing.

class Writer {
 public:
  Writer(int options, std::u16string* out)
      : out_(out),
        omit_binary_((options & JSON_WRITER_OMIT_BINARY_VALUES) != 0),
        omit_double_type_(
            (options & JSON_WRITER_OMIT_DOUBLE_TYPE_PRESERVATION) != 0),
        pretty_((options & JSON_WRITER_PRETTY_PRINT) != 0) {}

  bool Run(const Node& root) {
    if (!Value(&root))
      return false;
    while (!open_.empty()) {
      Frame& frame = open_.back();
      const std::u16string* key = nullptr;
      const Node* child = Next(frame, &key);
      if (!child) {
        const char16_t close =
            frame.node->type() == VTYPE_DICTIONARY ? u'}' : u']';
        const bool any = frame.any;
        open_.pop_back();
        if (any)
          Break();
        out_->push_back(close);
        continue;
      }
      if (frame.any)
        out_->push_back(u',');
      frame.any = true;
      Break();
      if (key) {
        String(*key);
        out_->push_back(u':');
        if (pretty_)
          out_->push_back(u' ');
      }
      if (!Value(child))  // may open a frame: `frame` is not used after
        return false;
    }
    if (pretty_)
      out_->push_back(u'\n');
    return true;
  }

 private:
  struct Frame {
    const Node* node;
    Node::Dict::const_iterator entry;  // dictionaries
    size_t index;                      // lists
    bool any;                          // a child written already
  };

  bool Omitted(const NodePtr& node) const {
    return omit_binary_ && node && node->type() == VTYPE_BINARY;
  }

  // The next child to write, and its key in a dictionary; null at the end.
  const Node* Next(Frame& frame, const std::u16string** key) {
    if (frame.node->type() == VTYPE_DICTIONARY) {
      const Node::Dict& dict = frame.node->GetDict();
      while (frame.entry != dict.end()) {
        const auto& entry = *frame.entry++;
        if (Omitted(entry.second))
          continue;
        *key = &entry.first;
        return entry.second.get();
      }
      return nullptr;
    }
    const Node::List& list = frame.node->GetList();
    while (frame.index < list.size()) {
      const NodePtr& child = list[frame.index++];
      if (!Omitted(child))
        return child.get();
    }
    return nullptr;
  }

  // Writes a scalar, or opens a container; false for what JSON cannot hold.
  bool Value(const Node* node) {
    if (!node)
      return false;
    switch (node->type()) {
      case VTYPE_NULL:
        Ascii("null");
        return true;
      case VTYPE_BOOL:
        Ascii(node->GetBool() ? "true" : "false");
        return true;
      case VTYPE_INT: {
        char digits[16];
        *std::to_chars(digits, digits + sizeof(digits) - 1, node->GetInt())
             .ptr = '\0';
        Ascii(digits);
        return true;
      }
      case VTYPE_DOUBLE:
        return Double(node->GetDouble());
      case VTYPE_STRING:
        String(node->GetString());
        return true;
      case VTYPE_DICTIONARY:
        out_->push_back(u'{');
        open_.push_back({node, node->GetDict().begin(), 0, false});
        return true;
      case VTYPE_LIST:
        out_->push_back(u'[');
        open_.push_back({node, {}, 0, false});
        return true;
      default:  // binary: omitted before it gets here, or refused
        return false;
    }
  }

  // The shortest text that reads back as the same double. Unless the
  // options say otherwise it always reads back as a double, never an int.
  bool Double(double value) {
    if (!std::isfinite(value))
      return false;
    char text[40];
    char* end;
    if (omit_double_type_ && value == std::floor(value) && value >= -0x1p63 &&
        value < 0x1p63) {
      end = std::to_chars(text, text + sizeof(text), static_cast<int64_t>(value))
                .ptr;
    } else {
      end = std::to_chars(text, text + sizeof(text), value).ptr;
      bool marked = false;
      for (const char* p = text; p != end; ++p)
        marked = marked || *p == '.' || *p == 'e';
      if (!marked) {
        *end++ = '.';
        *end++ = '0';
      }
    }
    *end = '\0';
    Ascii(text);
    return true;
  }

  void String(const std::u16string& text) {
    out_->push_back(u'"');
    size_t plain = 0;  // start of the run not yet copied
    for (size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      if (c >= 0x20 && c != u'"' && c != u'\\' && (c < 0xD800 || c > 0xDFFF) &&
          c != 0x2028 && c != 0x2029)
        continue;
      // A surrogate pair passes as it is.
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        ++i;
        continue;
      }
      out_->append(text, plain, i - plain);
      plain = i + 1;
      Escape(c);
    }
    out_->append(text, plain, kNone);
    out_->push_back(u'"');
  }

  // Control characters, the quote and the backslash as JSON requires, the
  // line and paragraph separators that scripts trip over, and an unpaired
  // surrogate kept as an escape, which UTF-16 readers (JavaScript's among
  // them) restore.
  void Escape(char16_t c) {
    static const char kHex[] = "0123456789abcdef";
    switch (c) {
      case u'"': return Ascii("\\\"");
      case u'\\': return Ascii("\\\\");
      case u'\b': return Ascii("\\b");
      case u'\f': return Ascii("\\f");
      case u'\n': return Ascii("\\n");
      case u'\r': return Ascii("\\r");
      case u'\t': return Ascii("\\t");
      default: {
        const char16_t escaped[] = {u'\\', u'u', char16_t(kHex[c >> 12]),
                                    char16_t(kHex[(c >> 8) & 0xF]),
                                    char16_t(kHex[(c >> 4) & 0xF]),
                                    char16_t(kHex[c & 0xF])};
        out_->append(escaped, 6);
      }
    }
  }

  // Pretty printing: each child on a line of its own, three blanks a level.
  void Break() {
    if (!pretty_)
      return;
    out_->push_back(u'\n');
    out_->append(open_.size() * 3, u' ');
  }

  void Ascii(const char* text) {
    out_->append(text, text + std::char_traits<char>::length(text));
  }

  std::u16string* const out_;
  const bool omit_binary_;
  const bool omit_double_type_;
  const bool pretty_;
  std::vector<Frame> open_;
};

}  // namespace

ParseResult Parse(const char16_t* text, size_t length, int options) {
  std::string utf8;
  if (ToUtf8(text, length, &utf8) != kNone)
    return Fail(JSON_UNSUPPORTED_ENCODING, utf8, utf8.size());
  if (options & JSON_PARSER_ALLOW_TRAILING_COMMAS)
    BlankTrailingCommas(&utf8);
  TreeBuilder builder;
  if (!Json::sax_parse(utf8.data(), utf8.data() + utf8.size(), &builder)) {
    const Failure failure = Classify(utf8, builder);
    return Fail(failure.code, utf8, failure.offset);
  }
  ParseResult result;
  result.root = builder.TakeRoot();
  return result;
}

bool Write(const values::Node& root, int options, std::u16string* out) {
  out->clear();
  return Writer(options, out).Run(root);
}

}  // namespace json
}  // namespace cefrt

namespace {

cef_value_t* ParseToValue(const cef_string_t* json_string, int options,
                          cef_json_parser_error_t* error_code_out,
                          cef_string_t* error_msg_out) {
  static_assert(sizeof(char16) == sizeof(char16_t), "UTF-16 records");
  const bool has_text = json_string && json_string->str;
  cefrt::json::ParseResult result = cefrt::json::Parse(
      has_text ? reinterpret_cast<const char16_t*>(json_string->str) : u"",
      has_text ? json_string->length : 0, options);
  if (error_code_out)
    *error_code_out = result.error;
  if (error_msg_out)
    cefrt::ToCef(result.message, error_msg_out);
  return result.root ? cefrt::values::WrapValue(std::move(result.root))
                     : nullptr;
}

}  // namespace

cef_value_t* cef_parse_json(const cef_string_t* json_string,
                            cef_json_parser_options_t options) {
  return ParseToValue(json_string, options, nullptr, nullptr);
}

cef_value_t* cef_parse_jsonand_return_error(
    const cef_string_t* json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t* error_code_out, cef_string_t* error_msg_out) {
  return ParseToValue(json_string, options, error_code_out, error_msg_out);
}

cef_string_userfree_t cef_write_json(cef_value_t* node,
                                     cef_json_writer_options_t options) {
  // The node stays alive while held here, whatever the caller's reference.
  const cefrt::values::NodePtr root = cefrt::values::NodeOf(node);
  cefrt::ReleaseStruct(node);
  std::u16string text;
  if (!root || !cefrt::json::Write(*root, options, &text) || text.empty())
    return nullptr;
  cef_string_userfree_t result = cef_string_userfree_utf16_alloc();
  if (result && !cef_string_utf16_set(reinterpret_cast<const char16*>(
                                          text.data()),
                                      text.size(), result, 1)) {
    cef_string_userfree_utf16_free(result);
    return nullptr;
  }
  return result;
}
