// The example program: one window, one page, and the program answering it.
//
// The page comes from the program's own scheme (demo://app/), calls a
// JavaScript function the program binds, and asks a confirm() the program
// answers. Once the page is done, the program sets and lists cookies, writes
// what it found into the page and reads the page's text back. Each feature
// prints one line on stdout ("feature: result"); closing the window ends the
// program with exit code 0.
//
// Only the library's C++ classes are used, as any program of the library
// would. Run it with `scripts/run --example`.
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_callbacks.h"
#include "include/cef_callbacks_program.h"
#include "include/cef_client.h"
#include "include/cef_cookie.h"
#include "include/cef_entry.h"
#include "include/cef_frame.h"
#include "include/cef_records.h"
#include "include/cef_request.h"
#include "include/cef_resource.h"
#include "include/cef_response.h"
#include "include/cef_scheme.h"
#include "include/cef_task.h"
#include "include/cef_v8.h"
#include "include/cef_v8_handler.h"
#include "include/cef_visitors.h"

namespace {

constexpr char kScheme[] = "demo";
constexpr char kHost[] = "app";
constexpr char kStartUrl[] = "demo://app/";
// The cookie the program sets, for a site of its own: the cookie store keeps
// none for the page's own scheme.
constexpr char kCookieUrl[] = "https://pellavine.example/";

// The page's steps end by setting its title; the program acts on each.
constexpr char kPageDone[] = "Pellavine example: page done";
constexpr char kCookiesShown[] = "Pellavine example: cookies shown";

// ---------------------------------------------------------------------------
// The page and its style sheet, served from memory.

constexpr char kIndexHtml[] = R"(<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>Pellavine example</title>
<link rel="stylesheet" href="style.css">
</head>
<body>
<h1>Pellavine example</h1>
<p class="note">This page comes from the program's memory, at
<code id="url"></code></p>
<dl>
  <dt>The program's function: askProgram(6, 7)</dt>
  <dd id="function">waiting</dd>
  <dt>The program's answer to confirm()</dt>
  <dd id="confirm">waiting</dd>
  <dt>Cookies the program listed</dt>
  <dd id="cookies">waiting</dd>
  <dt>Text the program read back</dt>
  <dd id="text">waiting</dd>
</dl>
<script>
function show(id, text) {
  document.getElementById(id).textContent = text;
}
document.getElementById('url').textContent = location.href;

async function run() {
  // Awaited: the program's answer may come back directly or as a Promise's
  // result, depending on the library underneath.
  try {
    const product = await askProgram(6, 7);
    show('function', '6 x 7 = ' + product);
  } catch (error) {
    show('function', 'failed: ' + error.message);
  }
  const agreed = confirm('May the program list its cookies here?');
  show('confirm', agreed ? 'OK' : 'Cancel');
  // Tells the program that the page's part is done.
  document.title = 'Pellavine example: page done';
}
window.addEventListener('load', run);
</script>
</body>
</html>
)";

constexpr char kStyleCss[] = R"(body {
  font-family: sans-serif;
  margin: 2em;
  background: #f4f1ea;
  color: #2b2b2b;
}
h1 { color: #3d6b4f; }
.note { color: #666; }
dt { font-weight: bold; margin-top: 1em; }
dd {
  margin: 0.3em 0 0 0;
  padding: 0.4em 0.6em;
  background: white;
  border-left: 4px solid #3d6b4f;
}
)";

struct File {
  const char* path;
  const char* mime_type;
  const char* body;
};
constexpr File kFiles[] = {
    {"/", "text/html", kIndexHtml},
    {"/style.css", "text/css", kStyleCss},
};

// ---------------------------------------------------------------------------
// Small helpers.

void Report(const std::string& feature, const std::string& result) {
  std::printf("%s: %s\n", feature.c_str(), result.c_str());
  std::fflush(stdout);
}

// A JavaScript string literal holding `text`, for code the program runs in
// the page.
std::string JsString(const std::string& text) {
  std::string literal = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      literal += '\\';
      literal += static_cast<char>(c);
    } else if (c < 0x20 || c == '<') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      literal += escaped;
    } else {
      literal += static_cast<char>(c);
    }
  }
  return literal + "\"";
}

// The text on one line: runs of white space become one space.
std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) {
    const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
    if (!space)
      line += c;
    else if (!line.empty() && line.back() != ' ')
      line += ' ';
  }
  if (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// The library's threads take tasks; this one runs a function.
class FunctionTask : public CefTask {
 public:
  explicit FunctionTask(std::function<void()> function)
      : function_(std::move(function)) {}
  void Execute() override { function_(); }

 private:
  std::function<void()> function_;
  IMPLEMENT_REFCOUNTING(FunctionTask);
};

void PostToUi(std::function<void()> function) {
  CefPostTask(TID_UI, new FunctionTask(std::move(function)));
}

// ---------------------------------------------------------------------------
// The scheme: the library asks the factory for a handler per request, on its
// IO thread, and the handler answers from memory.

class MemoryResource : public CefResourceHandler {
 public:
  bool ProcessRequest(CefRefPtr<CefRequest> request,
                      CefRefPtr<CefCallback> callback) override {
    const std::string url = request->GetURL().ToUtf8();
    // The path: what follows "demo://app", without a query or fragment.
    const std::string origin = std::string(kScheme) + "://" + kHost;
    std::string path = url.compare(0, origin.size(), origin) == 0
                           ? url.substr(origin.size())
                           : std::string();
    path = path.substr(0, path.find_first_of("?#"));
    if (path.empty()) path = "/";
    for (const File& file : kFiles) {
      if (path == file.path) file_ = &file;
    }
    Report("scheme", url + " " +
                         (file_ ? std::string(file_->mime_type) + " " +
                                      std::to_string(Body().size()) + " bytes"
                                : std::string("404")));
    // The answer is ready at once; a handler that had to wait for its data
    // would keep the callback and call it later.
    callback->Continue();
    return true;
  }

  void GetResponseHeaders(CefRefPtr<CefResponse> response,
                          int64_t& response_length, CefString&) override {
    response->SetStatus(file_ ? 200 : 404);
    response->SetStatusText(file_ ? "OK" : "Not Found");
    response->SetMimeType(file_ ? file_->mime_type : "text/plain");
    response_length = static_cast<int64_t>(Body().size());
  }

  bool ReadResponse(void* data_out, int bytes_to_read, int& bytes_read,
                    CefRefPtr<CefCallback>) override {
    const std::string body = Body();
    const size_t left = body.size() - offset_;
    const size_t count =
        left < static_cast<size_t>(bytes_to_read) ? left : bytes_to_read;
    bytes_read = static_cast<int>(count);
    if (count == 0) return false;  // the end of the body
    std::memcpy(data_out, body.data() + offset_, count);
    offset_ += count;
    return true;
  }

 private:
  std::string Body() const { return file_ ? file_->body : "Not found\n"; }

  const File* file_ = nullptr;
  size_t offset_ = 0;
  IMPLEMENT_REFCOUNTING(MemoryResource);
};

class MemoryResourceFactory : public CefSchemeHandlerFactory {
 public:
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser>,
                                       CefRefPtr<CefFrame>, const CefString&,
                                       CefRefPtr<CefRequest>) override {
    return new MemoryResource();
  }
  IMPLEMENT_REFCOUNTING(MemoryResourceFactory);
};

// ---------------------------------------------------------------------------
// The function the page calls: askProgram(a, b) answers a * b.

bool IsNumber(CefRefPtr<CefV8Value> value) {
  return value->IsInt() || value->IsUInt() || value->IsDouble();
}

double NumberOf(CefRefPtr<CefV8Value> value) {
  if (value->IsInt()) return value->GetIntValue();
  if (value->IsUInt()) return value->GetUIntValue();
  return value->GetDoubleValue();
}

std::string Format(double number) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", number);
  return text;
}

class Multiplier : public CefV8Handler {
 public:
  bool Execute(const CefString& name, CefRefPtr<CefV8Value>,
               const CefV8ValueList& arguments, CefRefPtr<CefV8Value>& retval,
               CefString& exception) override {
    if (arguments.size() != 2 || !IsNumber(arguments[0]) ||
        !IsNumber(arguments[1])) {
      // The text becomes an exception in the page's script.
      exception = name.ToUtf8() + " takes two numbers";
      return true;
    }
    const double a = NumberOf(arguments[0]);
    const double b = NumberOf(arguments[1]);
    retval = CefV8Value::CreateDouble(a * b);
    Report("function", name.ToUtf8() + "(" + Format(a) + ", " + Format(b) +
                           ") returned " + Format(a * b));
    return true;
  }
  IMPLEMENT_REFCOUNTING(Multiplier);
};

// ---------------------------------------------------------------------------
// The browser's client: the window's life, the page's title and dialogs.

class ExampleClient : public CefClient,
                      public CefDisplayHandler,
                      public CefJSDialogHandler,
                      public CefLifeSpanHandler {
 public:
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }

  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    browser_ = browser;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser>) override {
    // Nothing of the library's may outlive its shut-down.
    browser_ = nullptr;
    CefQuitMessageLoop();
  }

  // The page answers through its title: each step starts the next.
  void OnTitleChange(CefRefPtr<CefBrowser>, const CefString& title) override {
    if (title == kPageDone)
      ListCookies();
    else if (title == kCookiesShown)
      ReadTextBack();
  }

  // The program answers confirm() itself; other dialogs are the library's.
  bool OnJSDialog(CefRefPtr<CefBrowser>, const CefString&, const CefString&,
                  JSDialogType dialog_type, const CefString& message_text,
                  const CefString&, CefRefPtr<CefJSDialogCallback> callback,
                  bool&) override {
    if (dialog_type != JSDIALOGTYPE_CONFIRM) return false;
    Report("confirm", "\"" + message_text.ToUtf8() + "\" answered OK");
    callback->Continue(true, CefString());
    return true;
  }

  // Called on the UI thread with the cookies found.
  void ShowCookies(const std::string& cookies) {
    Report("cookies", cookies);
    RunInPage("show('cookies', " + JsString(cookies) + ");" +
              "document.title = " + JsString(kCookiesShown) + ";");
  }

  void ShowText(const std::string& text) {
    const std::string line = OneLine(text);
    Report("text", line);
    RunInPage("show('text', " +
              JsString(std::to_string(line.size()) +
                       " characters, beginning \"" + line.substr(0, 40) +
                       "...\"") +
              ");");
  }

 private:
  class CookieCollector;
  class TextReader;

  void ListCookies();
  void ReadTextBack();

  void RunInPage(const std::string& code) {
    if (browser_)
      browser_->GetMainFrame()->ExecuteJavaScript(code, kStartUrl, 0);
  }

  CefRefPtr<CefBrowser> browser_;
  IMPLEMENT_REFCOUNTING(ExampleClient);
};

// Visits the cookies on the library's IO thread. The library does not call
// Visit at all when there are none, but it releases the visitor once it is
// done either way: the list is handed on from the destructor.
class ExampleClient::CookieCollector : public CefCookieVisitor {
 public:
  explicit CookieCollector(CefRefPtr<ExampleClient> client)
      : client_(client) {}
  ~CookieCollector() override {
    CefRefPtr<ExampleClient> client = client_;
    const std::string cookies = cookies_.empty() ? "(none)" : cookies_;
    PostToUi([client, cookies] { client->ShowCookies(cookies); });
  }

  bool Visit(const CefCookie& cookie, int, int, bool&) override {
    if (!cookies_.empty()) cookies_ += "; ";
    cookies_ += CefString(&cookie.name).ToUtf8() + "=" +
                CefString(&cookie.value).ToUtf8();
    return true;  // on to the next one
  }

 private:
  CefRefPtr<ExampleClient> client_;
  std::string cookies_;
  IMPLEMENT_REFCOUNTING(CookieCollector);
};

void ExampleClient::ListCookies() {
  CefRefPtr<CefCookieManager> manager =
      CefCookieManager::GetGlobalManager(nullptr);
  if (!manager || !manager->VisitAllCookies(new CookieCollector(this)))
    ShowCookies("(the cookie store cannot be read)");
}

class ExampleClient::TextReader : public CefStringVisitor {
 public:
  explicit TextReader(CefRefPtr<ExampleClient> client) : client_(client) {}
  void Visit(const CefString& text) override {
    client_->ShowText(text.ToUtf8());
  }

 private:
  CefRefPtr<ExampleClient> client_;
  IMPLEMENT_REFCOUNTING(TextReader);
};

void ExampleClient::ReadTextBack() {
  if (browser_) browser_->GetMainFrame()->GetText(new TextReader(this));
}

// ---------------------------------------------------------------------------
// The application: the scheme's registration, the start, and the page's
// script context.

class ExampleApp : public CefApp,
                   public CefBrowserProcessHandler,
                   public CefRenderProcessHandler {
 public:
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override {
    return this;
  }
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override {
    return this;
  }

  // Every process learns of the scheme before any page loads: a standard
  // scheme has hosts and paths, so "style.css" resolves against the page.
  void OnRegisterCustomSchemes(
      CefRefPtr<CefSchemeRegistrar> registrar) override {
    registrar->AddCustomScheme(kScheme, true, false, false);
  }

  void OnContextInitialized() override {
    CefRegisterSchemeHandlerFactory(kScheme, kHost,
                                    new MemoryResourceFactory());

    // Set now, listed once the page is done.
    CefCookie cookie;
    CefString(&cookie.name).AssignUtf8("flavour");
    CefString(&cookie.value).AssignUtf8("oatmeal");
    CefString(&cookie.path).AssignUtf8("/");
    CefRefPtr<CefCookieManager> manager =
        CefCookieManager::GetGlobalManager(nullptr);
    if (manager) manager->SetCookie(kCookieUrl, cookie, nullptr);

    CefWindowInfo window_info;
    window_info.SetAsPopup(nullptr, "Pellavine example");
    CefBrowserHost::CreateBrowser(window_info, new ExampleClient(), kStartUrl,
                                  CefBrowserSettings(), nullptr);
  }

  // Each page's script context: the program's function goes onto the page's
  // window object before the page's own scripts run.
  void OnContextCreated(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override {
    if (!frame->IsMain()) return;
    context->GetGlobal()->SetValue(
        "askProgram", CefV8Value::CreateFunction("askProgram", new Multiplier()),
        V8_PROPERTY_ATTRIBUTE_NONE);
  }

 private:
  IMPLEMENT_REFCOUNTING(ExampleApp);
};

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  CefRefPtr<ExampleApp> app = new ExampleApp();

  // The library may start this program again as one of its sub-processes.
  const int sub_process_exit = CefExecuteProcess(args, app, nullptr);
  if (sub_process_exit >= 0) return sub_process_exit;

  CefSettings settings;
  settings.no_sandbox = 1;
  if (!CefInitialize(args, settings, app, nullptr)) return 1;
  CefRunMessageLoop();  // until the window has closed
  CefShutdown();
  return 0;
}
