// The JSON reader and writer through the library's C functions, on any
// text: nothing crashes; a refusal names a known code and a position; what
// was read is written, and the writing reads back as an equal tree and
// writes again as the same text.
//
// Input: one byte of flags, then the text. Flags: bit 0 allows trailing
// commas; bits 1-3 are the writer's options; bit 4 takes the text as raw
// UTF-16 units (lone surrogates included) instead of UTF-8.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_values_capi.h"
#include "runtime/base/text.h"
#include "runtime/data/value_tree.h"

namespace {

typedef std::basic_string<char16> U16;

// Takes over the caller-owned result.
U16 Take(cef_string_userfree_t text) {
  if (!text)
    return U16();
  U16 units = text->str ? U16(text->str, text->length) : U16();
  cef_string_userfree_utf16_free(text);
  return units;
}

void Release(cef_value_t* value) {
  if (value)
    value->base.release(&value->base);
}

// Parses `text`; on a refusal checks the code and the message.
cef_value_t* Parse(const U16& text, int options) {
  cef_string_t record = fuzz::View(text);
  cef_json_parser_error_t code = JSON_PARSE_ERROR_COUNT;
  fuzz::Utf16 message;
  cef_value_t* value = cef_parse_jsonand_return_error(
      &record, static_cast<cef_json_parser_options_t>(options), &code,
      message.get());
  if (value) {
    FUZZ_CHECK(code == JSON_NO_ERROR);
    FUZZ_CHECK(message.Units().empty());
  } else {
    FUZZ_CHECK(code > JSON_NO_ERROR && code < JSON_PARSE_ERROR_COUNT);
    static const char kLine[] = "Line: ";
    const U16 said = message.Units();
    FUZZ_CHECK(said.size() > 6 && std::equal(kLine, kLine + 6, said.begin()));
  }
  return value;
}

// Writes `value`, giving away the caller's reference.
U16 Write(cef_value_t* value, int options) {
  return Take(
      cef_write_json(value, static_cast<cef_json_writer_options_t>(options)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1)
    return 0;
  const int flags = data[0];
  const int parser_options = flags & JSON_PARSER_ALLOW_TRAILING_COMMAS;
  const int writer_options = (flags >> 1) & 7;
  U16 text;
  if (flags & 0x10) {
    for (size_t i = 1; i + 1 < size; i += 2)
      text.push_back(static_cast<char16>(data[i] | (data[i + 1] << 8)));
  } else {
    const std::u16string decoded = cefrt::Utf8ToU16(
        std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    text.assign(decoded.begin(), decoded.end());
  }

  cef_value_t* first = Parse(text, parser_options);
  if (!first)
    return 0;
  const cefrt::values::NodePtr first_tree = cefrt::values::NodeOf(first);
  FUZZ_CHECK(first_tree);
  first->base.add_ref(&first->base);
  const U16 written = Write(first, writer_options);
  // Read text holds nothing JSON cannot say: writing it never fails.
  FUZZ_CHECK(!written.empty());

  cef_value_t* second = Parse(written, JSON_PARSER_RFC);
  FUZZ_CHECK(second);
  const cefrt::values::NodePtr second_tree = cefrt::values::NodeOf(second);
  FUZZ_CHECK(second_tree);
  // Writing doubles without their type reads back whole ones as ints: the
  // trees then differ by design, but the text must not.
  if (!(writer_options & JSON_WRITER_OMIT_DOUBLE_TYPE_PRESERVATION))
    FUZZ_CHECK(cefrt::values::DeepEqual(*first_tree, *second_tree));
  second->base.add_ref(&second->base);
  FUZZ_CHECK(Write(second, writer_options) == written);

  Release(first);
  Release(second);
  return 0;
}
