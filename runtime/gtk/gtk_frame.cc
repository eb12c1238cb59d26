// The frame's members on a WebKitWebView.
#include "runtime/gtk/gtk_browser.h"

#include <libsoup/soup.h>

#include <functional>
#include <memory>

#include "runtime/base/function_task.h"
#include "runtime/base/text.h"

namespace cefrt {

std::u16string GtkBrowser::Url() {
  const gchar* uri = webkit_web_view_get_uri(view_);
  return Utf8ToU16(uri ? uri : "");
}

void GtkBrowser::LoadUrl(const std::string& url) {
  pending_url_ = url;
  webkit_web_view_load_uri(view_, url.c_str());
}

void GtkBrowser::LoadRequest(const RequestData& request) {
  const std::string url = U16ToUtf8(request.url);
  // WebKitGTK's load takes the caller's headers but always sends a GET
  // without a body: another method or upload data is refused rather than
  // sent as a different request.
  const bool sendable = SendableRequest(request);
  if (!sendable || request.method != u"GET" || request.has_upload) {
    Ref<Browser> keep(this);
    const int error = sendable ? ERR_NOT_IMPLEMENTED : ERR_INVALID_ARGUMENT;
    PostToUi([keep, error, url] {
      keep->NotifyLoadError(error,
                            error == ERR_NOT_IMPLEMENTED
                                ? u"This view sends only GET requests."
                                : u"The request is not valid HTTP.",
                            Utf8ToU16(url));
    });
    return;
  }
  WebKitURIRequest* r = webkit_uri_request_new(url.c_str());
  // Null for addresses that are not HTTP, where headers mean nothing.
  if (SoupMessageHeaders* headers = webkit_uri_request_get_http_headers(r)) {
    if (!request.referrer_url.empty() &&
        FindHeader(request.headers, u"Referer").empty())
      soup_message_headers_replace(headers, "Referer",
                                   U16ToUtf8(request.referrer_url).c_str());
    // The engine keeps one value per name: repeated ones go as one list.
    for (const auto& header : JoinRepeatedHeaders(request.headers))
      soup_message_headers_replace(headers, U16ToUtf8(header.first).c_str(),
                                   U16ToUtf8(header.second).c_str());
  }
  pending_url_ = url;
  webkit_web_view_load_request(view_, r);
  g_object_unref(r);
}

void GtkBrowser::LoadString(const std::string& html, const std::string& url) {
  webkit_web_view_load_alternate_html(view_, html.c_str(), url.c_str(),
                                      url.c_str());
}

void GtkBrowser::RunEditCommand(EditCommand command) {
  const char* name = nullptr;
  switch (command) {
    case EditCommand::kUndo: name = WEBKIT_EDITING_COMMAND_UNDO; break;
    case EditCommand::kRedo: name = WEBKIT_EDITING_COMMAND_REDO; break;
    case EditCommand::kCut: name = WEBKIT_EDITING_COMMAND_CUT; break;
    case EditCommand::kCopy: name = WEBKIT_EDITING_COMMAND_COPY; break;
    case EditCommand::kPaste: name = WEBKIT_EDITING_COMMAND_PASTE; break;
    case EditCommand::kDelete: name = "Delete"; break;
    case EditCommand::kSelectAll:
      name = WEBKIT_EDITING_COMMAND_SELECT_ALL;
      break;
  }
  webkit_web_view_execute_editing_command(view_, name);
}

namespace {

// The main resource's bytes, handed to `done` on the UI thread while the
// browser lives; nothing when the view has no document.
void ReadMainResource(
    GtkBrowser* browser,
    std::function<void(GtkBrowser*, const std::string&, const std::string&)>
        done) {
  WebKitWebResource* main = webkit_web_view_get_main_resource(browser->view());
  if (!main)
    return;
  struct Read {
    Ref<Browser> browser;
    std::function<void(GtkBrowser*, const std::string&, const std::string&)>
        done;
  };
  webkit_web_resource_get_data(
      main, nullptr,
      +[](GObject* resource, GAsyncResult* result, gpointer data) {
        std::unique_ptr<Read> read(static_cast<Read*>(data));
        gsize length = 0;
        guchar* bytes = webkit_web_resource_get_data_finish(
            WEBKIT_WEB_RESOURCE(resource), result, &length, nullptr);
        const std::string content =
            bytes ? std::string(reinterpret_cast<char*>(bytes), length)
                  : std::string();
        g_free(bytes);
        // The charset the server named, for whoever must decode the bytes.
        std::string charset;
        WebKitURIResponse* response =
            webkit_web_resource_get_response(WEBKIT_WEB_RESOURCE(resource));
        SoupMessageHeaders* headers =
            response ? webkit_uri_response_get_http_headers(response) : nullptr;
        GHashTable* params = nullptr;
        if (headers && soup_message_headers_get_content_type(headers, &params) &&
            params) {
          if (const char* c = static_cast<const char*>(
                  g_hash_table_lookup(params, "charset")))
            charset = c;
        }
        if (params)
          g_hash_table_destroy(params);
        GtkBrowser* b = static_cast<GtkBrowser*>(read->browser.get());
        if (b->view() && !b->closed())
          read->done(b, content, charset);
      },
      new Read{Ref<Browser>(browser), std::move(done)});
}

// The source in the server's charset as text; the bytes as they are when
// the charset is unknown to GLib.
std::string ToUtf8(const std::string& bytes, const std::string& charset) {
  if (charset.empty() || g_ascii_strcasecmp(charset.c_str(), "utf-8") == 0)
    return bytes;
  gsize written = 0;
  gchar* text = g_convert(bytes.data(), static_cast<gssize>(bytes.size()),
                          "UTF-8", charset.c_str(), nullptr, &written, nullptr);
  if (!text)
    return bytes;
  std::string converted(text, written);
  g_free(text);
  return converted;
}

}  // namespace

void GtkBrowser::GetSource(cef_string_visitor_t* visitor) {
  // Released however the read ends.
  std::shared_ptr<cef_string_visitor_t> held(
      visitor, [](cef_string_visitor_t* v) { ReleaseStruct(v); });
  ReadMainResource(this, [held](GtkBrowser*, const std::string& content,
                                const std::string& charset) {
    AddRefStruct(held.get());
    Visit(held.get(), Utf8ToU16(ToUtf8(content, charset)));
  });
}

void GtkBrowser::ViewSource() {
  ReadMainResource(this, [](GtkBrowser* b, const std::string& content,
                            const std::string& charset) {
    b->OpenSourceWindow(content, charset);
  });
}

// As the library does it: a pop-up for "view-source:" and the page's
// address, which the program may refuse or place as any other.
void GtkBrowser::OpenSourceWindow(const std::string& source,
                                  const std::string& charset) {
  const gchar* uri = webkit_web_view_get_uri(view_);
  const std::string address = std::string("view-source:") + (uri ? uri : "");
  PopupRequest request;
  AskPopup(Utf8ToU16(address), WOD_NEW_FOREGROUND_TAB, false, &request);
  GtkBrowser* popup = OpenPopup(&request, nullptr);
  if (!popup)
    return;
  GBytes* bytes = g_bytes_new(source.data(), source.size());
  webkit_web_view_load_bytes(popup->view_, bytes, "text/plain",
                             charset.empty() ? nullptr : charset.c_str(),
                             address.c_str());
  g_bytes_unref(bytes);
}

void GtkBrowser::GetText(cef_string_visitor_t* visitor) {
  const char kScript[] = "document.body ? document.body.innerText : ''";
  webkit_web_view_evaluate_javascript(
      view_, kScript, -1, nullptr, nullptr, nullptr,
      +[](GObject* view, GAsyncResult* result, gpointer data) {
        JSCValue* value = webkit_web_view_evaluate_javascript_finish(
            WEBKIT_WEB_VIEW(view), result, nullptr);
        std::u16string text;
        if (value && jsc_value_is_string(value)) {
          gchar* str = jsc_value_to_string(value);
          text = Utf8ToU16(str ? str : "");
          g_free(str);
        }
        if (value)
          g_object_unref(value);
        Visit(static_cast<cef_string_visitor_t*>(data), text);
      },
      visitor);
}

void GtkBrowser::ExecuteScript(const std::string& code,
                               const std::string& script_url) {
  webkit_web_view_evaluate_javascript(
      view_, code.c_str(), static_cast<gssize>(code.size()), nullptr,
      script_url.empty() ? nullptr : script_url.c_str(), nullptr, nullptr,
      nullptr);
}

bool GtkBrowser::IsFocused() {
  return gtk_widget_has_focus(GTK_WIDGET(view_));
}

}  // namespace cefrt
