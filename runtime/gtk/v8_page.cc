#include "runtime/gtk/v8_page.h"

#include <algorithm>
#include <utility>

#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "runtime/app/runtime_state.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/text.h"
#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/v8_context.h"

namespace cefrt {

namespace {

constexpr const char kChannel[] = "cefrtV8";

// The page's half: a table of the page's objects the program holds, the
// operations the program runs on them, and the stubs through which the page
// calls the program (their answers arrive as promises: the page cannot wait
// for the program). Values travel as descriptors {t: kind, ...}.
constexpr const char kPageScript[] = R"JS((function() {
  if (window.__cefrt) return;
  var channel = window.webkit.messageHandlers.cefrtV8;
  var handles = new Map(), next = 1, stubs = new Map(), stubIds = new WeakMap();
  var doc = Math.random().toString(36).slice(2) + Date.now().toString(36);
  function keep(v) { var h = next++; handles.set(h, v); return h; }
  function num(v) { return typeof v === 'string' ? Number(v) : v; }
  function enc(v) {
    switch (typeof v) {
      case 'undefined': return {t: 'u'};
      case 'boolean': return {t: 'b', v: v};
      case 'number': return {t: 'd', v: isFinite(v) ? v : String(v)};
      case 'string': return {t: 's', v: v};
      case 'bigint': case 'symbol': return {t: 's', v: String(v)};
    }
    if (v === null) return {t: 'n'};
    if (v instanceof Date) return {t: 't', v: v.getTime()};
    if (typeof v === 'function') {
      var id = stubIds.get(v);
      if (id) return {t: 'p', id: id};
      return {t: 'f', h: keep(v), n: String(v.name || '')};
    }
    return {t: Array.isArray(v) ? 'a' : 'o', h: keep(v)};
  }
  function dec(d) {
    switch (d && d.t) {
      case 'n': return null;
      case 'b': case 's': return d.v;
      case 'd': return num(d.v);
      case 't': return new Date(num(d.v));
      case 'h': return handles.get(d.h);
      case 'p': return stub(d.id, d.n);
      case 'a':
        var a = new Array(d.l);
        d.v.forEach(function(e) { a[e[0]] = dec(e[1]); });
        return a;
      case 'o':
        var o = {};
        d.v.forEach(function(e) { o[e[0]] = dec(e[1]); });
        return o;
    }
    return undefined;
  }
  function call(target, self, args, stack) {
    var m = {doc: doc, id: target.id || 0, x: target.x || 0, n: target.n || '',
             t: enc(self),
             a: Array.prototype.map.call(args, enc), s: String(stack || '')};
    return channel.postMessage(m).then(dec, function(e) {
      throw new Error(e && e.message !== undefined ? e.message : String(e));
    });
  }
  function stub(id, name) {
    var f = stubs.get(id);
    if (!f) {
      f = function() { return call({id: id}, this, arguments, new Error().stack); };
      Object.defineProperty(f, 'name', {value: name});
      stubs.set(id, f);
      stubIds.set(f, id);
    }
    return f;
  }
  var ops = {
    global: function() { return enc(window); },
    eval: function(code) { return enc((0, eval)(code)); },
    get: function(h, k) { return enc(handles.get(h)[k]); },
    has: function(h, k) { return {t: 'b', v: k in Object(handles.get(h))}; },
    del: function(h, k) { return {t: 'b', v: delete handles.get(h)[k]}; },
    set: function(h, k, d, attr) {
      var o = handles.get(h), v = dec(d);
      if (attr) Object.defineProperty(o, k, {value: v, writable: !(attr & 1),
          enumerable: !(attr & 2), configurable: !(attr & 4)});
      else o[k] = v;
      return {t: 'b', v: o === window};
    },
    keys: function(h) { return {t: 'k', v: Object.keys(handles.get(h))}; },
    len: function(h) { return {t: 'd', v: handles.get(h).length >>> 0}; },
    call: function(h, self, args) {
      return enc(handles.get(h).apply(dec(self), args.map(dec)));
    },
    same: function(a, b) { return {t: 'b', v: handles.get(a) === handles.get(b)}; },
    drop: function(hs) { hs.forEach(function(h) { handles.delete(h); }); return {t: 'u'}; }
  };
  function fail(e) {
    var text;
    try { text = String(e); } catch (x) { text = 'exception'; }
    var o = Object(e);
    return {err: {m: 'Uncaught ' + text, l: o.line | 0, c: o.column | 0,
                  u: String(o.sourceURL || '')}};
  }
  // The native functions of the program's extensions.
  Object.defineProperty(window, '__cefrtExt', {value: function(x, n, self, args, stack) {
    return call({x: x, n: n}, self, args, stack);
  }});
  Object.defineProperty(window, '__cefrt', {value: function(d, op, args) {
    if (d !== doc) return {stale: true};
    try { return {ok: ops[op].apply(null, args)}; } catch (e) { return fail(e); }
  }});
  // Functions the program bound on earlier documents: calls made before the
  // binding arrives go by name and wait for it.
  PRE.forEach(function(name) {
    if (name in window) return;
    window[name] = function() {
      return call({n: name}, this, arguments, new Error().stack);
    };
  });
  channel.postMessage({doc: doc, created: true});
})();)JS";

// The program's extensions: script every page runs at its start, whose
// native functions call the extension's handler.
struct Extension {
  std::string name;
  std::string code;
  cef_v8handler_t* handler;  // one reference
};

std::vector<Extension>& Extensions() {
  static auto* list = new std::vector<Extension>();
  return *list;
}

bool IsIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_' || c == '$';
}

// The extension's code with each "native function name(...);" declaration
// turned into a function that calls the handler through the page's channel.
std::string WithNativeStubs(const std::string& code, size_t extension) {
  static const std::string kNative = "native function";
  std::string out;
  size_t pos = 0;
  for (;;) {
    size_t at = code.find(kNative, pos);
    if (at == std::string::npos || (at > 0 && IsIdentifierChar(code[at - 1]))) {
      if (at == std::string::npos) {
        out += code.substr(pos);
        return out;
      }
      out += code.substr(pos, at + 1 - pos);
      pos = at + 1;
      continue;
    }
    size_t p = at + kNative.size();
    while (p < code.size() && (code[p] == ' ' || code[p] == '\t' || code[p] == '\n'))
      ++p;
    const size_t name_start = p;
    while (p < code.size() && IsIdentifierChar(code[p]))
      ++p;
    const std::string name = code.substr(name_start, p - name_start);
    const size_t close = code.find(')', p);
    if (name.empty() || close == std::string::npos) {
      out += code.substr(pos);
      return out;
    }
    p = close + 1;
    while (p < code.size() && (code[p] == ' ' || code[p] == '\t'))
      ++p;
    if (p < code.size() && code[p] == ';')
      ++p;
    out += code.substr(pos, at - pos);
    out += "function " + name + "() { return window.__cefrtExt(" +
           std::to_string(extension + 1) + ", " + JsonString(Utf8ToU16(name)) +
           ", this, arguments, new Error().stack); }";
    pos = p;
  }
}

cef_render_process_handler_t* RenderProcessHandler() {
  cef_app_t* app = AppReference();
  cef_render_process_handler_t* h = nullptr;
  if (Offers(app, &cef_app_t::get_render_process_handler))
    h = app->get_render_process_handler(app);
  ReleaseStruct(app);
  return h;
}

// Tells the program about a context; `created` picks the callback.
void NotifyContext(V8Context* context, bool created) {
  cef_render_process_handler_t* h = RenderProcessHandler();
  if (!h)
    return;
  auto member = created ? &cef_render_process_handler_t::on_context_created
                        : &cef_render_process_handler_t::on_context_released;
  if (Offers(h, member)) {
    ScopedV8Context scope(context);
    GtkBrowser* b = context->browser();
    (h->*member)(h, b->Share(), b->NewFrame(), context->Share());
  }
  ReleaseStruct(h);
}

void ReplyError(WebKitScriptMessageReply* reply, const std::string& text) {
  webkit_script_message_reply_return_error_message(reply, text.c_str());
}

std::string Str(JSCValue* object, const char* name) {
  JSCValue* v = jsc_value_object_get_property(object, name);
  std::string out;
  if (v && jsc_value_is_string(v)) {
    char* s = jsc_value_to_string(v);
    out = s ? s : "";
    g_free(s);
  }
  if (v)
    g_object_unref(v);
  return out;
}

int Int(JSCValue* object, const char* name) {
  JSCValue* v = jsc_value_object_get_property(object, name);
  const int out = v && jsc_value_is_number(v) ? jsc_value_to_int32(v) : 0;
  if (v)
    g_object_unref(v);
  return out;
}

// The program registers its extensions once the engine is ready, before the
// first page.
void TellWebKitInitialized() {
  static bool told = false;
  if (told)
    return;
  told = true;
  cef_render_process_handler_t* h = RenderProcessHandler();
  if (Offers(h, &cef_render_process_handler_t::on_web_kit_initialized))
    h->on_web_kit_initialized(h);
  ReleaseStruct(h);
}

}  // namespace

void ShutdownScripts() {
  RunWaitingCalls();
  std::vector<Extension> list = std::move(Extensions());
  Extensions().clear();
  for (Extension& e : list)
    ReleaseStruct(e.handler);
}

V8Page::V8Page(GtkBrowser* browser, WebKitWebView* view,
               WebKitUserContentManager* content)
    : browser_(browser), view_(view), content_(content) {
  webkit_user_content_manager_register_script_message_handler_with_reply(
      content_, kChannel, nullptr);
  g_signal_connect(
      content_, "script-message-with-reply-received::cefrtV8",
      G_CALLBACK(+[](WebKitUserContentManager*, JSCValue* message,
                     WebKitScriptMessageReply* reply, gpointer self) {
        static_cast<V8Page*>(self)->OnMessage(message, reply);
        return TRUE;
      }),
      this);
  g_signal_connect(view_, "load-changed",
                   G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent e,
                                  gpointer self) {
                     V8Page* p = static_cast<V8Page*>(self);
                     if (e == WEBKIT_LOAD_STARTED)
                       ++p->load_;
                     // The document the context served is gone.
                     else if (e == WEBKIT_LOAD_COMMITTED &&
                              p->context_load_ < p->load_)
                       p->ReleaseContext();
                   }),
                   this);
  g_signal_connect(view_, "web-process-terminated",
                   G_CALLBACK(+[](WebKitWebView*,
                                  WebKitWebProcessTerminationReason,
                                  gpointer self) {
                     static_cast<V8Page*>(self)->ReleaseContext();
                   }),
                   this);
  TellWebKitInitialized();
  InstallScript();
}

V8Page::~V8Page() {
  ReleaseContext();
  g_signal_handlers_disconnect_by_data(view_, this);
  g_signal_handlers_disconnect_by_data(content_, this);
  webkit_user_content_manager_unregister_script_message_handler(content_,
                                                                kChannel);
  RemoveScripts();
}

void V8Page::InstallScript() {
  std::string names = "[";
  for (const std::string& n : globals_)
    names += (names.size() > 1 ? "," : "") + JsonString(Utf8ToU16(n));
  names += "]";
  std::string source = kPageScript;
  source.replace(source.find("PRE.forEach"), 3, names);
  RemoveScripts();
  // In order: the page's half first, then each extension at global scope.
  std::vector<std::string> sources = {source};
  for (size_t i = 0; i < Extensions().size(); ++i)
    sources.push_back(WithNativeStubs(Extensions()[i].code, i));
  for (const std::string& text : sources) {
    WebKitUserScript* script = webkit_user_script_new(
        text.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
        WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(content_, script);
    scripts_.push_back(script);
  }
}

void V8Page::RemoveScripts() {
  for (WebKitUserScript* script : scripts_) {
    webkit_user_content_manager_remove_script(content_, script);
    webkit_user_script_unref(script);
  }
  scripts_.clear();
}

void V8Page::NoteGlobal(const std::string& name) {
  if (std::find(globals_.begin(), globals_.end(), name) != globals_.end())
    return;
  globals_.push_back(name);
  InstallScript();
}

cef_v8context_t* V8Page::Context() {
  return context_ && context_->valid() ? context_->Share() : nullptr;
}

void V8Page::OnMessage(JSCValue* message, WebKitScriptMessageReply* reply) {
  if (!message || !jsc_value_is_object(message)) {
    ReplyError(reply, "bad message");
    return;
  }
  JSCValue* created = jsc_value_object_get_property(message, "created");
  const bool is_created = created && jsc_value_to_boolean(created);
  if (created)
    g_object_unref(created);
  if (is_created) {
    JSCValue* none = jsc_value_new_undefined(jsc_value_get_context(message));
    webkit_script_message_reply_return_value(reply, none);
    g_object_unref(none);
    OnCreated(Str(message, "doc"));
    return;
  }
  // A call waits while the program is busy with the page; the browser may
  // be gone by then.
  Ref<GtkBrowser> browser(browser_);
  g_object_ref(message);
  webkit_script_message_reply_ref(reply);
  RunWhenNotBusy([browser, message, reply] {
    V8Page* page = browser->v8_page();
    if (page)
      page->OnCall(message, reply);
    else
      ReplyError(reply, "The page's context is gone");
    webkit_script_message_reply_unref(reply);
    g_object_unref(message);
  });
}

void V8Page::OnCreated(const std::string& document) {
  ReleaseContext();
  if (document.empty())
    return;
  context_ = Ref<V8Context>::Adopt(new V8Context(browser_, document));
  context_load_ = load_;
  Ref<V8Context> context = context_;
  BusyScope busy;  // the page's calls wait for the bindings
  NotifyContext(context.get(), true);
}

void V8Page::ReleaseContext() {
  Ref<V8Context> context = std::move(context_);
  if (!context)
    return;
  {
    BusyScope busy;
    NotifyContext(context.get(), false);
  }
  context->Invalidate();
}

void V8Page::OnCall(JSCValue* message, WebKitScriptMessageReply* reply) {
  Ref<V8Context> context = context_;
  if (!context || !context->valid() ||
      context->document() != Str(message, "doc")) {
    ReplyError(reply, "The page's context is gone");
    return;
  }
  const int id = Int(message, "id");
  const int extension = Int(message, "x");
  const std::string name = Str(message, "n");
  Ref<V8Value> native;
  if (extension > 0 && static_cast<size_t>(extension) <= Extensions().size()) {
    cef_v8handler_t* h = Extensions()[static_cast<size_t>(extension - 1)].handler;
    AddRefStruct(h);
    native = Ref<V8Value>::Adopt(
        V8Value::NewFunction(context.get(), Utf8ToU16(name), h));
  }
  V8Value* function = native ? native.get()
                      : id   ? context->ExportedFunction(id)
                             : context->GlobalFunction(name);
  if (!function) {
    ReplyError(reply, (name.empty() ? std::string("function") : name) +
                          " is not bound");
    return;
  }
  Ref<V8Value> keep(function);
  JSCValue* self_d = jsc_value_object_get_property(message, "t");
  Ref<V8Value> self = context->Decode(self_d);
  if (self_d)
    g_object_unref(self_d);
  std::vector<Ref<V8Value>> args;
  JSCValue* list = jsc_value_object_get_property(message, "a");
  const int count = list && jsc_value_is_object(list) ? Int(list, "length") : 0;
  for (int i = 0; i < count; ++i) {
    JSCValue* d = jsc_value_object_get_property_at_index(list, static_cast<guint>(i));
    args.push_back(context->Decode(d));
    g_object_unref(d);
  }
  if (list)
    g_object_unref(list);
  // The first frame is the page-side stub itself.
  std::vector<StackFrameInfo> stack = ParseStack(Str(message, "s"));
  if (!stack.empty())
    stack.erase(stack.begin());

  Ref<V8Value> result;
  std::u16string error;
  std::u16string rethrown;
  {
    ScopedV8Context scope(context.get());
    RethrowScope rethrow(&rethrown);
    SetCurrentStack(&stack);
    function->CallHandler(self.get(), args, &result, &error);
    SetCurrentStack(nullptr);
  }
  if (error.empty())
    error = rethrown;
  if (!error.empty()) {
    ReplyError(reply, U16ToUtf8(error));
    return;
  }
  if (!context->valid()) {
    ReplyError(reply, "The page's context is gone");
    return;
  }
  const std::string json = context->Encode(result.get());
  JSCValue* answer =
      jsc_value_new_from_json(jsc_value_get_context(message), json.c_str());
  webkit_script_message_reply_return_value(reply, answer);
  if (answer)
    g_object_unref(answer);
}

}  // namespace cefrt

extern "C" int cef_register_extension(const cef_string_t* extension_name,
                                      const cef_string_t* javascript_code,
                                      struct _cef_v8handler_t* handler) {
  using namespace cefrt;
  const std::string name = Utf8FromCef(extension_name);
  const std::string code = Utf8FromCef(javascript_code);
  bool taken = false;
  for (const Extension& e : Extensions())
    taken = taken || e.name == name;
  // Pages already open keep the script they started with, as they would.
  if (!cef_currently_on(TID_UI) || name.empty() || code.empty() || taken) {
    ReleaseStruct(handler);
    return 0;
  }
  Extensions().push_back(Extension{name, code, handler});
  for (Browser* b : OpenBrowsers()) {
    if (V8Page* page = static_cast<GtkBrowser*>(b)->v8_page())
      page->Reinstall();
  }
  return 1;
}
