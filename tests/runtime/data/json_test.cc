// JSON through the bridge's entry wrappers, as a program reads and writes
// it: documents and their round trips, refusals with their code and
// position, and the writer's options.
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "gtest/gtest.h"
#include "include/cef_entry.h"
#include "include/cef_string.h"
#include "include/cef_values.h"

namespace {

CefString Text(const std::u16string& text) {
  CefString s;
  s.AssignUnits(reinterpret_cast<const char16*>(text.data()), text.size(),
                true);
  return s;
}

std::u16string Units(const CefString& s) {
  return s.Units() ? std::u16string(
                         reinterpret_cast<const char16_t*>(s.Units()),
                         s.Length())
                   : std::u16string();
}

std::u16string Write(CefRefPtr<CefValue> value,
                     cef_json_writer_options_t options = JSON_WRITER_DEFAULT) {
  return Units(CefWriteJSON(value, options));
}

std::string Show(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      snprintf(hex, sizeof(hex), "<%04x>", static_cast<unsigned>(c));
      out += hex;
    }
  }
  return out;
}

struct Document {
  std::u16string text;
  cef_value_type_t type;    // of the root
  std::u16string written;  // compact, with the default options
};

// Read, the root's type checked, written; the writing reads back equal.
TEST(JsonTest, DocumentsReadAndRoundTrip) {
  const std::u16string deep = std::u16string(100, u'[') +
                              std::u16string(100, u']');
  const Document kDocuments[] = {
      {u" { \"b\" : 1 , \"a\" : [ true , false , null ] } ", VTYPE_DICTIONARY,
       u"{\"a\":[true,false,null],\"b\":1}"},
      {u"{\"k\":1,\"k\":[2]}", VTYPE_DICTIONARY, u"{\"k\":[2]}"},
      {u"{\"\":{}}", VTYPE_DICTIONARY, u"{\"\":{}}"},
      {u"[]", VTYPE_LIST, u"[]"},
      {u"42", VTYPE_INT, u"42"},
      {u"-0", VTYPE_INT, u"0"},
      {u"2.5", VTYPE_DOUBLE, u"2.5"},
      {u"\"x\"", VTYPE_STRING, u"\"x\""},
      {u"null", VTYPE_NULL, u"null"},
      {u"true", VTYPE_BOOL, u"true"},
      // Integers beyond 32 bits are doubles (the nearest one); written, they
      // stay doubles.
      {u"[2147483647,-2147483648,2147483648,-2147483649,12345678901234567890]",
       VTYPE_LIST,
       u"[2147483647,-2147483648,2147483648.0,-2147483649.0,"
       u"12345678901234567168.0]"},
      {u"[0.1,1e300,-0.0,2.0,1E-7,5e-324]", VTYPE_LIST,
       u"[0.1,1e+300,-0.0,2.0,1e-07,5e-324]"},
      // Escapes read; the writer escapes only what JSON requires, and the
      // line and paragraph separators that scripts trip over.
      {u"\"\\u00e9\\ud83d\\ude00\\n\\u0001\\u2028\\/\\\"\\\\\"", VTYPE_STRING,
       u"\"\u00e9\U0001F600\\n\\u0001\\u2028/\\\"\\\\\""},
      {u"\"\u4e2d\u6587 \U0001F600\"", VTYPE_STRING,
       u"\"\u4e2d\u6587 \U0001F600\""},
      {u"\"a\\u0000b\"", VTYPE_STRING, u"\"a\\u0000b\""},
      {u"\uFEFF[1]", VTYPE_LIST, u"[1]"},  // a byte order mark before
      {deep, VTYPE_LIST, deep},
  };
  for (const Document& doc : kDocuments) {
    SCOPED_TRACE(Show(doc.text));
    CefRefPtr<CefValue> value = CefParseJSON(Text(doc.text), JSON_PARSER_RFC);
    ASSERT_TRUE(value);
    EXPECT_EQ(doc.type, value->GetType());
    const std::u16string written = Write(value);
    EXPECT_EQ(Show(doc.written), Show(written));
    CefRefPtr<CefValue> again = CefParseJSON(Text(written), JSON_PARSER_RFC);
    ASSERT_TRUE(again);
    EXPECT_TRUE(value->IsEqual(again));
  }
}

TEST(JsonTest, ReadValuesKeepTheirKindsAndContent) {
  CefRefPtr<CefValue> value = CefParseJSON(
      "{\"list\":[1,2147483648,\"s\",{\"k\":null}],\"d\":0.1}",
      JSON_PARSER_RFC);
  ASSERT_TRUE(value);
  CefRefPtr<CefDictionaryValue> dict = value->GetDictionary();
  ASSERT_TRUE(dict);
  EXPECT_EQ(0.1, dict->GetDouble("d"));
  CefRefPtr<CefListValue> list = dict->GetList("list");
  ASSERT_TRUE(list);
  ASSERT_EQ(4u, list->GetSize());
  EXPECT_EQ(VTYPE_INT, list->GetType(0));
  EXPECT_EQ(1, list->GetInt(0));
  EXPECT_EQ(VTYPE_DOUBLE, list->GetType(1));
  EXPECT_EQ(2147483648.0, list->GetDouble(1));
  EXPECT_EQ("s", list->GetString(2).ToUtf8());
  CefRefPtr<CefDictionaryValue> inner = list->GetDictionary(3);
  ASSERT_TRUE(inner);
  EXPECT_EQ(VTYPE_NULL, inner->GetType("k"));
}

struct Refusal {
  std::u16string text;
  cef_json_parser_error_t code;
  int line;
  int column;
};

TEST(JsonTest, RefusalsNameTheErrorAndWhereItIs) {
  const Refusal kRefusals[] = {
      {u"   ", JSON_UNEXPECTED_TOKEN, 1, 4},
      {u"]", JSON_UNEXPECTED_TOKEN, 1, 1},
      {u"[1,,2]", JSON_UNEXPECTED_TOKEN, 1, 4},
      {u"{\"a\":}", JSON_UNEXPECTED_TOKEN, 1, 6},
      {u"[1 2]", JSON_SYNTAX_ERROR, 1, 4},
      {u"[123 456]", JSON_SYNTAX_ERROR, 1, 6},
      {u"{\"a\" 1}", JSON_SYNTAX_ERROR, 1, 6},
      {u"[1,2", JSON_SYNTAX_ERROR, 1, 5},
      {u"[tru]", JSON_SYNTAX_ERROR, 1, 5},
      {u"\"abc", JSON_SYNTAX_ERROR, 1, 5},
      {u"\"a\tb\"", JSON_SYNTAX_ERROR, 1, 3},
      {u"[1e400]", JSON_SYNTAX_ERROR, 1, 2},
      {u"[1,]", JSON_TRAILING_COMMA, 1, 3},
      {u"{\n  \"a\": 1,\n}", JSON_TRAILING_COMMA, 2, 9},
      {u"{a:1}", JSON_UNQUOTED_DICTIONARY_KEY, 1, 2},
      {u"{\"a\":1,\n 2:3}", JSON_UNQUOTED_DICTIONARY_KEY, 2, 2},
      {u"[1] x", JSON_UNEXPECTED_DATA_AFTER_ROOT, 1, 5},
      {u"{}\n\n  \"more\"", JSON_UNEXPECTED_DATA_AFTER_ROOT, 3, 3},
      // Columns count UTF-16 units: the emoji takes two.
      {u"\"\U0001F600\" 7", JSON_UNEXPECTED_DATA_AFTER_ROOT, 1, 6},
      // At the escape's backslash.
      {u"[\"\\x\"]", JSON_INVALID_ESCAPE, 1, 3},
      {u"\"\\u12G4\"", JSON_INVALID_ESCAPE, 1, 2},
      {u"\"\\ud800\"", JSON_INVALID_ESCAPE, 1, 2},
      {u"\"ab\\udc00\\ud800x\"", JSON_INVALID_ESCAPE, 1, 4},
      {u"[\"a\xD800\"]", JSON_UNSUPPORTED_ENCODING, 1, 4},
      {u"[\"\xDC00\"]", JSON_UNSUPPORTED_ENCODING, 1, 3},
      {std::u16string(101, u'[') + std::u16string(101, u']'),
       JSON_TOO_MUCH_NESTING, 1, 101},
      {u"{\"a\":" + std::u16string(100, u'['), JSON_TOO_MUCH_NESTING, 1, 105},
  };
  for (const Refusal& refusal : kRefusals) {
    SCOPED_TRACE(Show(refusal.text));
    cef_json_parser_error_t code = JSON_NO_ERROR;
    CefString message;
    EXPECT_FALSE(CefParseJSONAndReturnError(Text(refusal.text),
                                            JSON_PARSER_RFC, code, message));
    EXPECT_EQ(refusal.code, code);
    const std::string where = "Line: " + std::to_string(refusal.line) +
                              ", column: " + std::to_string(refusal.column) +
                              ", ";
    const std::string said = message.ToUtf8();
    EXPECT_EQ(where, said.substr(0, where.size()));
    EXPECT_GT(said.size(), where.size() + 1);  // and what is wrong
    EXPECT_FALSE(CefParseJSON(Text(refusal.text), JSON_PARSER_RFC));
  }
}

TEST(JsonTest, SuccessClearsTheErrorOut) {
  cef_json_parser_error_t code = JSON_SYNTAX_ERROR;
  CefString message("left from before");
  EXPECT_TRUE(CefParseJSONAndReturnError("[1]", JSON_PARSER_RFC, code,
                                         message));
  EXPECT_EQ(JSON_NO_ERROR, code);
  EXPECT_TRUE(message.IsEmpty());
}

struct TrailingCommaCase {
  std::u16string text;
  std::u16string written;  // empty: refused even so
};

TEST(JsonTest, TrailingCommasOnlyWhenAllowed) {
  const TrailingCommaCase kCases[] = {
      {u"[1,]", u"[1]"},
      {u"[1 , \n ]", u"[1]"},
      {u"{\"a\":[\"x\",],}", u"{\"a\":[\"x\"]}"},
      {u"[[],{},]", u"[[],{}]"},
      {u"[\",]\"]", u"[\",]\"]"},  // inside a string it is text
      {u"[,]", u""},
      {u"[1,,]", u""},
      {u"{,}", u""},
      {u"{\"a\":,}", u""},
  };
  for (const TrailingCommaCase& c : kCases) {
    SCOPED_TRACE(Show(c.text));
    CefRefPtr<CefValue> value =
        CefParseJSON(Text(c.text), JSON_PARSER_ALLOW_TRAILING_COMMAS);
    if (c.written.empty()) {
      EXPECT_FALSE(value);
      continue;
    }
    ASSERT_TRUE(value);
    EXPECT_EQ(Show(c.written), Show(Write(value)));
    // The same text is refused without the option.
    EXPECT_EQ(c.text == c.written,
              bool(CefParseJSON(Text(c.text), JSON_PARSER_RFC)));
  }
}

CefRefPtr<CefValue> DoubleValue(double d) {
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDouble(d);
  return value;
}

TEST(JsonTest, DoublesAreWrittenSoTheyReadBackTheSame) {
  const double kDoubles[] = {0.1,
                             1.0 / 3,
                             1e300,
                             -0.0,
                             123456789.0,
                             9007199254740993.0,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             -2.5e-8};
  for (double d : kDoubles) {
    SCOPED_TRACE(d);
    const std::u16string written = Write(DoubleValue(d));
    CefRefPtr<CefValue> back = CefParseJSON(Text(written), JSON_PARSER_RFC);
    ASSERT_TRUE(back);
    EXPECT_EQ(VTYPE_DOUBLE, back->GetType());
    const double read = back->GetDouble();
    EXPECT_EQ(0, std::memcmp(&d, &read, sizeof(d))) << Show(written);
  }
}

struct WriterCase {
  const char* what;
  CefRefPtr<CefValue> (*make)();
  cef_json_writer_options_t options;
  std::u16string written;  // empty: the write fails
};

CefRefPtr<CefBinaryValue> Bytes() {
  static const unsigned char kBytes[] = {1, 2, 3};
  return CefBinaryValue::Create(kBytes, sizeof(kBytes));
}

CefRefPtr<CefValue> Nested() {
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetInt(0, 1);
  list->SetDictionary(1, CefDictionaryValue::Create());
  list->SetList(2, CefListValue::Create());
  dict->SetList("a", list);
  dict->SetString("b", "x");
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDictionary(dict);
  return value;
}

CefRefPtr<CefValue> WithBinaries() {
  CefRefPtr<CefDictionaryValue> dict = CefDictionaryValue::Create();
  dict->SetBinary("bin", Bytes());
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetBinary(0, Bytes());
  list->SetInt(1, 7);
  list->SetBinary(2, Bytes());
  dict->SetList("list", list);
  dict->SetBool("ok", true);
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetDictionary(dict);
  return value;
}

CefRefPtr<CefValue> OnlyBinary() {
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetBinary(Bytes());
  return value;
}

CefRefPtr<CefValue> Doubles() {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  const double kDoubles[] = {3.0, -0.0, 0.1, 1e300, -9223372036854775808.0,
                             9223372036854775808.0};
  for (size_t i = 0; i < sizeof(kDoubles) / sizeof(kDoubles[0]); ++i)
    list->SetDouble(i, kDoubles[i]);
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetList(list);
  return value;
}

CefRefPtr<CefValue> Ints() {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetInt(0, std::numeric_limits<int>::min());
  list->SetInt(1, std::numeric_limits<int>::max());
  list->SetInt(2, 0);
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetList(list);
  return value;
}

CefRefPtr<CefValue> NotFinite() {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetDouble(0, std::numeric_limits<double>::infinity());
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetList(list);
  return value;
}

CefRefPtr<CefValue> LoneSurrogate() {
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetString(Text(u"a\xD800z"));
  return value;
}

CefRefPtr<CefValue> Null() { return CefValue::Create(); }

// A list 10,000 deep: deeper than the reader takes, still written.
CefRefPtr<CefValue> VeryDeep() {
  CefRefPtr<CefListValue> inner = CefListValue::Create();
  for (int i = 1; i < 10000; ++i) {
    CefRefPtr<CefListValue> outer = CefListValue::Create();
    outer->SetList(0, inner);
    inner = outer;
  }
  CefRefPtr<CefValue> value = CefValue::Create();
  value->SetList(inner);
  return value;
}

TEST(JsonTest, WriterOptions) {
  const cef_json_writer_options_t kOmitBinary = JSON_WRITER_OMIT_BINARY_VALUES;
  const cef_json_writer_options_t kWholeAsInt =
      JSON_WRITER_OMIT_DOUBLE_TYPE_PRESERVATION;
  const WriterCase kCases[] = {
      {"pretty", Nested, JSON_WRITER_PRETTY_PRINT,
       u"{\n   \"a\": [\n      1,\n      {},\n      []\n   ],\n"
       u"   \"b\": \"x\"\n}\n"},
      {"compact", Nested, JSON_WRITER_DEFAULT,
       u"{\"a\":[1,{},[]],\"b\":\"x\"}"},
      {"binary refused", WithBinaries, JSON_WRITER_DEFAULT, u""},
      {"binary omitted with its key", WithBinaries, kOmitBinary,
       u"{\"list\":[7],\"ok\":true}"},
      {"binary root, refused", OnlyBinary, JSON_WRITER_DEFAULT, u""},
      {"binary root, omitted: nothing left", OnlyBinary, kOmitBinary, u""},
      {"doubles keep their type", Doubles, JSON_WRITER_DEFAULT,
       u"[3.0,-0.0,0.1,1e+300,-9223372036854775808.0,"
       u"9223372036854775808.0]"},
      {"whole doubles as ints within 64 bits", Doubles, kWholeAsInt,
       u"[3,0,0.1,1e+300,-9223372036854775808,9223372036854775808.0]"},
      {"ints", Ints, JSON_WRITER_DEFAULT, u"[-2147483648,2147483647,0]"},
      {"infinity refused", NotFinite, JSON_WRITER_DEFAULT, u""},
      {"lone surrogate kept as an escape", LoneSurrogate, JSON_WRITER_DEFAULT,
       u"\"a\\ud800z\""},
      {"null", Null, JSON_WRITER_PRETTY_PRINT, u"null\n"},
      {"10,000 deep", VeryDeep, JSON_WRITER_DEFAULT,
       std::u16string(10000, u'[') + std::u16string(10000, u']')},
  };
  for (const WriterCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Show(c.written), Show(Write(c.make(), c.options)));
  }
}

TEST(JsonTest, WritingLeavesTheValueAsItWas) {
  CefRefPtr<CefValue> value = WithBinaries();
  CefRefPtr<CefValue> before = value->Copy();
  EXPECT_FALSE(Write(value, JSON_WRITER_OMIT_BINARY_VALUES).empty());
  EXPECT_TRUE(value->IsEqual(before));
  EXPECT_TRUE(value->GetDictionary()->HasKey("bin"));
  EXPECT_TRUE(CefWriteJSON(nullptr, JSON_WRITER_DEFAULT).IsEmpty());
}

// A value that outlived the tree it pointed into is invalid: nothing to
// write, and nothing made up for it.
TEST(JsonTest, AnInvalidValueWritesNothing) {
  CefRefPtr<CefListValue> list = CefListValue::Create();
  list->SetDictionary(0, CefDictionaryValue::Create());
  CefRefPtr<CefValue> child = list->GetValue(0);
  ASSERT_TRUE(child);
  EXPECT_EQ(u"{}", Write(child));
  list->Remove(0);
  ASSERT_FALSE(child->IsValid());
  EXPECT_TRUE(CefWriteJSON(child, JSON_WRITER_DEFAULT).IsEmpty());
}

}  // namespace
