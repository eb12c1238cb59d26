// The host's members on a GtkWindow and its WebKitWebView.
#include <cmath>

#include "runtime/gtk/gtk_browser.h"

namespace cefrt {

namespace {

// The library's zoom levels are steps of 20%.
double ZoomLevelFromFactor(double factor) {
  return factor > 0 ? std::log(factor) / std::log(1.2) : 0.0;
}

}  // namespace

cef_window_handle_t GtkBrowser::WindowHandle() {
  return static_cast<cef_window_handle_t>(window());
}

cef_window_handle_t GtkBrowser::OpenerHandle() {
  return static_cast<cef_window_handle_t>(opener_);
}

void GtkBrowser::Focus() {
  gtk_widget_grab_focus(GTK_WIDGET(view_));
}

void GtkBrowser::SetVisible(bool visible) {
  if (window_)
    gtk_widget_set_visible(window_, visible);
}

double GtkBrowser::ZoomLevel() {
  return ZoomLevelFromFactor(webkit_web_view_get_zoom_level(view_));
}

void GtkBrowser::SetZoomLevel(double level) {
  webkit_web_view_set_zoom_level(view_, std::pow(1.2, level));
}

void GtkBrowser::Print() {
  WebKitPrintOperation* op = webkit_print_operation_new(view_);
  webkit_print_operation_run_dialog(op, window());
  g_object_unref(op);
}

void GtkBrowser::Find(const std::string& needle, bool forward,
                      bool match_case, bool find_next) {
  WebKitFindController* find = webkit_web_view_get_find_controller(view_);
  const char* current = webkit_find_controller_get_search_text(find);
  if (find_next && current && needle == current) {
    if (forward)
      webkit_find_controller_search_next(find);
    else
      webkit_find_controller_search_previous(find);
    return;
  }
  guint32 options = WEBKIT_FIND_OPTIONS_WRAP_AROUND;
  if (!match_case)
    options |= WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE;
  if (!forward)
    options |= WEBKIT_FIND_OPTIONS_BACKWARDS;
  webkit_find_controller_search(find, needle.c_str(), options, G_MAXUINT);
}

void GtkBrowser::StopFinding() {
  webkit_find_controller_search_finish(
      webkit_web_view_get_find_controller(view_));
}

void GtkBrowser::ShowDevTools() {
  webkit_web_inspector_show(webkit_web_view_get_inspector(view_));
}

void GtkBrowser::CloseDevTools() {
  webkit_web_inspector_close(webkit_web_view_get_inspector(view_));
}

void GtkBrowser::StartDownload(const std::string& url) {
  WebKitDownload* d = webkit_web_view_download_uri(view_, url.c_str());
  if (d)
    g_object_unref(d);
}

}  // namespace cefrt
