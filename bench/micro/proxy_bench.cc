// A proxied call against the same C function pointer called directly with
// the same C arguments.
#include <benchmark/benchmark.h>

#include "bench/micro/counted_struct.h"
#include "include/capi/cef_browser_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/cef_browser.h"
#include "include/cef_command_line.h"
#include "libcef_dll/bridge.h"

namespace {

int CEF_CALLBACK Identifier(cef_browser_t*) { return 7; }

CountedStruct<cef_browser_t>& Browser() {
  static CountedStruct<cef_browser_t>* browser = [] {
    auto* made = new CountedStruct<cef_browser_t>();
    made->structure.get_identifier = &Identifier;
    return made;
  }();
  return *browser;
}

// The runtime's real command line, with a few switches to search; released
// when the benchmark ends, so the runtime's object count stays exact.
class CommandLine {
 public:
  CommandLine() : line_(cef_command_line_create()) {
    const char* argv[] = {"/usr/bin/pellavine", "--lang=zh-CN",
                          "--disable-gpu", "--no-proxy-server",
                          "--user-agent=bench", "https://example.test/"};
    line_->init_from_argv(line_, 6, argv);
  }
  ~CommandLine() { line_->base.release(&line_->base); }
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;
  cef_command_line_t* get() const { return line_; }

 private:
  cef_command_line_t* const line_;
};

cef_string_t& SwitchName() {
  static CefString* name = new CefString("no-proxy-server");
  return *const_cast<cef_string_t*>(name->Record());
}

// The proxy takes over one reference; the structure keeps its own.
template <class Interface, class Struct>
CefRefPtr<Interface> Proxy(Struct* structure) {
  cef_base_t* base = reinterpret_cast<cef_base_t*>(structure);
  base->add_ref(base);
  return Bridge<Interface>::FromLibrary(structure);
}

void BM_GetIdentifier_Floor(benchmark::State& state) {
  cef_browser_t* browser = &Browser().structure;
  for (auto _ : state) {
    benchmark::DoNotOptimize(browser);
    benchmark::DoNotOptimize(browser->get_identifier(browser));
  }
}
BENCHMARK(BM_GetIdentifier_Floor)->Name("proxy/GetIdentifier/floor");

void BM_GetIdentifier_Bridge(benchmark::State& state) {
  CefRefPtr<CefBrowser> browser = Proxy<CefBrowser>(&Browser().structure);
  for (auto _ : state) {
    benchmark::DoNotOptimize(browser.get());
    benchmark::DoNotOptimize(browser->GetIdentifier());
  }
}
BENCHMARK(BM_GetIdentifier_Bridge)->Name("proxy/GetIdentifier/measured");

void BM_HasSwitch_Floor(benchmark::State& state) {
  CommandLine owner;
  cef_command_line_t* line = owner.get();
  cef_string_t* name = &SwitchName();
  for (auto _ : state) {
    benchmark::DoNotOptimize(line);
    benchmark::DoNotOptimize(line->has_switch(line, name));
  }
}
BENCHMARK(BM_HasSwitch_Floor)->Name("proxy/HasSwitch/floor");

void BM_HasSwitch_Bridge(benchmark::State& state) {
  CommandLine owner;
  CefRefPtr<CefCommandLine> line = Proxy<CefCommandLine>(owner.get());
  const CefString name(&SwitchName());
  for (auto _ : state) {
    benchmark::DoNotOptimize(line.get());
    benchmark::DoNotOptimize(line->HasSwitch(name));
  }
}
BENCHMARK(BM_HasSwitch_Bridge)->Name("proxy/HasSwitch/measured");

void BM_GetProgram_Floor(benchmark::State& state) {
  CommandLine owner;
  cef_command_line_t* line = owner.get();
  for (auto _ : state) {
    benchmark::DoNotOptimize(line);
    cef_string_userfree_t program = line->get_program(line);
    benchmark::DoNotOptimize(program->str);
    cef_string_userfree_utf16_free(program);
  }
}
BENCHMARK(BM_GetProgram_Floor)->Name("proxy/GetProgram/floor");

void BM_GetProgram_Bridge(benchmark::State& state) {
  CommandLine owner;
  CefRefPtr<CefCommandLine> line = Proxy<CefCommandLine>(owner.get());
  for (auto _ : state) {
    benchmark::DoNotOptimize(line.get());
    CefString program = line->GetProgram();
    benchmark::DoNotOptimize(program.Units());
  }
}
BENCHMARK(BM_GetProgram_Bridge)->Name("proxy/GetProgram/measured");

}  // namespace
