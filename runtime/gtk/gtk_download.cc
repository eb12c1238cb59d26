// Downloads that WebKit carries out, reported as the library's items.
#include <libsoup/soup.h>

#include "runtime/browser/download_item.h"
#include "runtime/gtk/gtk_browser.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

std::u16string RequestUri(WebKitDownload* download) {
  WebKitURIRequest* request = webkit_download_get_request(download);
  const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
  return Utf8ToU16(uri ? uri : "");
}

class GtkDownload : public DownloadItem {
 public:
  GtkDownload(Browser* browser, WebKitDownload* download)
      : DownloadItem(browser, RequestUri(download)),
        download_(WEBKIT_DOWNLOAD(g_object_ref(download))) {}

  void Start();
  void Cancel() override {
    if (dialog_)
      gtk_widget_destroy(dialog_);
    if (!finished())
      webkit_download_cancel(download_);
  }

 protected:
  int64_t TotalBytes() override {
    WebKitURIResponse* r = webkit_download_get_response(download_);
    return r ? static_cast<int64_t>(webkit_uri_response_get_content_length(r))
             : 0;
  }
  int64_t ReceivedBytes() override {
    return static_cast<int64_t>(
        webkit_download_get_received_data_length(download_));
  }
  std::u16string CurrentUrl() override { return RequestUri(download_); }
  std::u16string MimeType() override {
    WebKitURIResponse* r = webkit_download_get_response(download_);
    const char* type = r ? webkit_uri_response_get_mime_type(r) : nullptr;
    return Utf8ToU16(type ? type : "");
  }
  std::u16string ContentDisposition() override {
    WebKitURIResponse* r = webkit_download_get_response(download_);
    SoupMessageHeaders* headers =
        r ? webkit_uri_response_get_http_headers(r) : nullptr;
    const char* value =
        headers ? soup_message_headers_get_one(headers, "Content-Disposition")
                : nullptr;
    return Utf8ToU16(value ? value : "");
  }
  std::filesystem::path DefaultDirectory() override {
    const char* dir = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
    if (dir && g_file_test(dir, G_FILE_TEST_IS_DIR))
      return dir;
    return g_get_home_dir();
  }
  void ChooseDestination(const std::filesystem::path& proposed) override;
  void TellFailure(const std::string& why) override;
  bool WriteTo(const std::filesystem::path& path) override {
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    if (!uri)
      return false;
    // Our own new file, made empty to hold its name.
    webkit_download_set_allow_overwrite(download_, TRUE);
    webkit_download_set_destination(download_, uri);
    g_free(uri);
    return true;
  }

 private:
  ~GtkDownload() override {
    g_signal_handlers_disconnect_by_data(download_, this);
    g_object_unref(download_);
  }

  WebKitDownload* download_;
  GtkWidget* dialog_ = nullptr;  // the save dialog while it is up
};

void GtkDownload::Start() {
  Begin();
  g_signal_connect(
      download_, "decide-destination",
      G_CALLBACK(+[](WebKitDownload*, gchar* suggested, gpointer self) {
        static_cast<GtkDownload*>(self)->Decide(
            Utf8ToU16(suggested ? suggested : ""));
        return TRUE;
      }),
      this);
  g_signal_connect(download_, "received-data",
                   G_CALLBACK(+[](WebKitDownload*, guint64, gpointer self) {
                     static_cast<GtkDownload*>(self)->Updated();
                   }),
                   this);
  // WebKit follows "failed" with "finished"; the first one counts.
  g_signal_connect(download_, "finished",
                   G_CALLBACK(+[](WebKitDownload*, gpointer self) {
                     static_cast<GtkDownload*>(self)->Finish(
                         State::kComplete);
                   }),
                   this);
  g_signal_connect(
      download_, "failed",
      G_CALLBACK(+[](WebKitDownload*, GError* error, gpointer self) {
        GtkDownload* item = static_cast<GtkDownload*>(self);
        Ref<DownloadItem> keep(item);  // Finish drops the item's own
        const bool cancelled = g_error_matches(
            error, WEBKIT_DOWNLOAD_ERROR,
            WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER);
        item->Finish(cancelled ? State::kCanceled : State::kInterrupted, true,
                     error && error->message ? error->message : "");
        // WebKit may have written on after an earlier cancel.
        item->RemovePartialFile();
      }),
      this);
}

void GtkDownload::TellFailure(const std::string& why) {
  // Nobody else would: the program hears only that it did not complete.
  GtkBrowser* browser = static_cast<GtkBrowser*>(this->browser());
  const std::string path = U16ToUtf8(full_path());
  gchar* name = path.empty() ? g_strdup("The download")
                             : g_path_get_basename(path.c_str());
  GtkWidget* dialog = gtk_message_dialog_new(
      browser->window(), GTK_DIALOG_DESTROY_WITH_PARENT, GTK_MESSAGE_ERROR,
      GTK_BUTTONS_CLOSE, "%s could not be saved.", name);
  gtk_message_dialog_format_secondary_text(
      GTK_MESSAGE_DIALOG(dialog), "%s",
      why.empty() ? "The transfer failed." : why.c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), "Download failed");
  g_signal_connect(dialog, "response", G_CALLBACK(gtk_widget_destroy),
                   nullptr);
  gtk_widget_show(dialog);
  g_free(name);
}

void GtkDownload::ChooseDestination(const std::filesystem::path& proposed) {
  GtkBrowser* browser = static_cast<GtkBrowser*>(this->browser());
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      "Save File", browser->window(), GTK_FILE_CHOOSER_ACTION_SAVE,
      "_Cancel", GTK_RESPONSE_CANCEL, "_Save", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  gtk_file_chooser_set_current_folder(chooser,
                                      proposed.parent_path().c_str());
  gtk_file_chooser_set_current_name(chooser, proposed.filename().c_str());
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_destroy_with_parent(GTK_WINDOW(dialog), TRUE);
  dialog_ = dialog;
  AddRef();  // until the dialog goes, whoever ends it
  g_signal_connect(dialog, "destroy",
                   G_CALLBACK(+[](GtkWidget*, gpointer self) {
                     GtkDownload* item = static_cast<GtkDownload*>(self);
                     item->dialog_ = nullptr;
                     item->Release();
                   }),
                   this);
  g_signal_connect(
      dialog, "response",
      G_CALLBACK(+[](GtkDialog* d, gint response, gpointer self) {
        GtkDownload* item = static_cast<GtkDownload*>(self);
        Ref<DownloadItem> keep(item);
        gchar* file = response == GTK_RESPONSE_ACCEPT
                          ? gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(d))
                          : nullptr;
        gtk_widget_destroy(GTK_WIDGET(d));
        if (file)
          item->SetDestination(file);
        else
          item->Cancel();
        g_free(file);
      }),
      this);
  gtk_widget_show(dialog);
}

}  // namespace

void OnDownloadStarted(WebKitWebContext*, WebKitDownload* download,
                       gpointer) {
  GtkBrowser* browser =
      GtkBrowserForView(webkit_download_get_web_view(download));
  if (!browser)
    return;  // not from one of ours: WebKit's own handling
  GtkDownload* item = new GtkDownload(browser, download);
  item->Start();
  item->Release();
}

}  // namespace cefrt
