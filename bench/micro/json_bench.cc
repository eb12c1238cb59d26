// 10 MB of JSON read into the runtime's value objects (CefParseJSON), and
// read and written back (CefWriteJSON), against nlohmann's own reading (and
// writing) of the same text into its document: the floor, as the runtime
// reads with nlohmann's reader.
#include <benchmark/benchmark.h>

#include <string>

#include <nlohmann/json.hpp>

#include "include/cef_entry.h"
#include "include/cef_string.h"
#include "include/cef_values.h"

namespace {

constexpr size_t kBytes = 10u << 20;

// Records of every kind of value, some text beyond ASCII among them.
const std::string& Document() {
  static const std::string text = [] {
    std::string out = "[";
    for (int i = 0; out.size() < kBytes; ++i) {
      const std::string n = std::to_string(i);
      if (i)
        out += ",\n";
      out += "{\"id\":" + n + ",\"name\":\"user " + n +
             " \xc3\xa9t\xc3\xa9 \xe7\x99\xbb\xe5\xbd\x95\",\"score\":" + n +
             ".25,\"ratio\":0.1,\"big\":" +
             std::to_string((i + 1) * 10000000000LL) + ",\"active\":true,\"tags\":[\"a\",\"b\\n\",null],"
             "\"nested\":{\"x\":[1,2,3],\"y\":{\"z\":-1.5e-7}}}";
    }
    return out + "]";
  }();
  return text;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(Document().size()));
}

void BM_Parse(benchmark::State& state) {
  const CefString text(Document());
  for (auto _ : state) {
    CefRefPtr<CefValue> value = CefParseJSON(text, JSON_PARSER_RFC);
    if (!value)
      state.SkipWithError("the document was refused");
    benchmark::DoNotOptimize(value.get());
  }
  SetBytes(state);
}

void BM_ParseWrite(benchmark::State& state) {
  const CefString text(Document());
  for (auto _ : state) {
    CefString written =
        CefWriteJSON(CefParseJSON(text, JSON_PARSER_RFC), JSON_WRITER_DEFAULT);
    if (written.IsEmpty())
      state.SkipWithError("nothing was written");
    benchmark::DoNotOptimize(written.Units());
  }
  SetBytes(state);
}

void BM_NlohmannParse(benchmark::State& state) {
  const std::string& text = Document();
  for (auto _ : state) {
    nlohmann::json document = nlohmann::json::parse(text);
    benchmark::DoNotOptimize(document.size());
  }
  SetBytes(state);
}

void BM_NlohmannParseWrite(benchmark::State& state) {
  const std::string& text = Document();
  for (auto _ : state) {
    std::string written = nlohmann::json::parse(text).dump();
    benchmark::DoNotOptimize(written.data());
  }
  SetBytes(state);
}

const bool kRegistered = [] {
  const struct {
    const char* name;
    void (*run)(benchmark::State&);
  } kRows[] = {{"json/parse_10MB/measured", BM_Parse},
               {"json/parse_10MB/floor", BM_NlohmannParse},
               {"json/parse_write_10MB/measured", BM_ParseWrite},
               {"json/parse_write_10MB/floor", BM_NlohmannParseWrite}};
  for (const auto& row : kRows)
    benchmark::RegisterBenchmark(row.name, row.run)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
