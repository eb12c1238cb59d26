// JSON text to value trees and back, over nlohmann's reader.
#ifndef CEF_RUNTIME_DATA_JSON_H_
#define CEF_RUNTIME_DATA_JSON_H_

#include <stddef.h>

#include <string>

#include "include/capi/cef_types_capi.h"
#include "runtime/data/value_tree.h"

namespace cefrt {
namespace json {

// Containers nest at most this deep; deeper text is refused with
// JSON_TOO_MUCH_NESTING.
constexpr int kMaxDepth = 100;

struct ParseResult {
  values::NodePtr root;  // null on failure
  cef_json_parser_error_t error = JSON_NO_ERROR;
  // "Line: L, column: C, <what>" on failure, empty otherwise. Lines count
  // from 1 at each line feed, columns from 1 in UTF-16 units.
  std::u16string message;
};

// Any JSON value may be the root. `options` is cef_json_parser_options_t.
ParseResult Parse(const char16_t* text, size_t length, int options);

// Writes `root` and everything below it; `options` is
// cef_json_writer_options_t. False, with `out` unspecified, where the tree
// holds what JSON cannot express: a binary value the options do not omit, or
// a non-finite double.
bool Write(const values::Node& root, int options, std::u16string* out);

}  // namespace json
}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_JSON_H_
