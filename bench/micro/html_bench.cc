// The Windows view's HTML reader on hostile pages, at 1 MiB and at 16 MiB
// (the view's size cap): sixteen times the page must cost sixteen times the
// time, and the largest well under two seconds.
#include <benchmark/benchmark.h>

#include <string>

#include "runtime/win/html_document.h"
#include "tests/support/hostile_pages.h"

namespace {

std::string Slug(const char* name) {
  std::string slug;
  for (const char* p = name; *p; ++p) {
    const char c = *p;
    const bool word = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (word)
      slug += c;
    else if (!slug.empty() && slug.back() != '_')
      slug += '_';
  }
  return slug;
}

void BM_Read(benchmark::State& state, const hostile::Page* shape,
             size_t bytes) {
  const std::string page = shape->make(bytes);
  for (auto _ : state) {
    cefrt::HtmlDocument doc = cefrt::ParseHtmlDocument(page);
    benchmark::DoNotOptimize(doc.nodes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(page.size()));
  state.SetLabel(shape->name);
}

const bool kRegistered = [] {
  for (const hostile::Page& shape : hostile::kPages) {
    for (const size_t mib : {1, 16}) {
      benchmark::RegisterBenchmark(
          ("html/" + Slug(shape.name) + "/" + std::to_string(mib) + "MiB")
              .c_str(),
          BM_Read, &shape, mib << 20)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
