// on_title_change through the adapter into a C++ handler, against a direct
// virtual call that passes the browser with one reference pair.
#include <benchmark/benchmark.h>

#include "bench/micro/counted_struct.h"
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_handlers_capi.h"
#include "include/cef_browser.h"
#include "include/cef_handlers.h"
#include "libcef_dll/bridge.h"

namespace {

class TitleHandler : public CefDisplayHandler {
 public:
  void OnTitleChange(CefRefPtr<CefBrowser> browser,
                     const CefString& title) override {
    benchmark::DoNotOptimize(browser.get());
    benchmark::DoNotOptimize(title.Length());
  }
  IMPLEMENT_REFCOUNTING(TitleHandler);
};

struct Fixture {
  CountedStruct<cef_browser_t> browser;
  CefString title{"登录 Quillbook"};
  CefRefPtr<CefDisplayHandler> handler{new TitleHandler()};
};

Fixture& Shared() {
  static Fixture* fixture = new Fixture();
  return *fixture;
}

void BM_TitleChange_Floor(benchmark::State& state) {
  Fixture& f = Shared();
  // The library-side browser as the program sees it.
  f.browser.structure.base.add_ref(&f.browser.structure.base);
  CefRefPtr<CefBrowser> browser =
      Bridge<CefBrowser>::FromLibrary(&f.browser.structure);
  CefDisplayHandler* handler = f.handler.get();
  for (auto _ : state) {
    benchmark::DoNotOptimize(handler);
    handler->OnTitleChange(browser, f.title);
  }
}
BENCHMARK(BM_TitleChange_Floor)->Name("adapter/OnTitleChange/floor");

// The floor with what every adapter call must add: the handler held for
// the call (a second reference pair) and a new browser proxy (one
// allocation, and the structure's reference taken over and dropped).
void BM_TitleChange_Required(benchmark::State& state) {
  Fixture& f = Shared();
  cef_browser_t* structure = &f.browser.structure;
  CefDisplayHandler* handler = f.handler.get();
  for (auto _ : state) {
    benchmark::DoNotOptimize(handler);
    structure->base.add_ref(&structure->base);
    CefRefPtr<CefBrowser> browser =
        Bridge<CefBrowser>::FromLibrary(structure);
    CefRefPtr<CefDisplayHandler> held(handler);
    held->OnTitleChange(browser, f.title);
  }
}
BENCHMARK(BM_TitleChange_Required)->Name("adapter/OnTitleChange/required");

void BM_TitleChange_Adapter(benchmark::State& state) {
  Fixture& f = Shared();
  cef_display_handler_t* adapter =
      Bridge<CefDisplayHandler>::ToLibrary(f.handler);
  cef_browser_t* browser = &f.browser.structure;
  const cef_string_t* title = f.title.Record();
  for (auto _ : state) {
    benchmark::DoNotOptimize(adapter);
    // The browser argument carries a reference for the program.
    browser->base.add_ref(&browser->base);
    adapter->on_title_change(adapter, browser, title);
  }
  adapter->base.release(&adapter->base);
}
BENCHMARK(BM_TitleChange_Adapter)->Name("adapter/OnTitleChange/measured");

}  // namespace
