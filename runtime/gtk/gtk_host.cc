// The host's members on a GtkWindow and its WebKitWebView.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "runtime/base/function_task.h"
#include "runtime/gtk/gtk_browser.h"

namespace cefrt {

namespace {

// The library's zoom levels are steps of 20%, its factors kept within these.
constexpr double kMinZoomFactor = 0.25;
constexpr double kMaxZoomFactor = 5.0;

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
  webkit_web_view_set_zoom_level(
      view_, std::clamp(std::pow(1.2, level), kMinZoomFactor, kMaxZoomFactor));
}

void GtkBrowser::Print() {
  // GTK's dialog runs a loop of its own until the user answers: later, so
  // that the program's call returns first.
  Ref<Browser> keep(this);
  PostToUi([keep] {
    GtkBrowser* b = static_cast<GtkBrowser*>(keep.get());
    if (!b->view_ || b->closed())
      return;
    WebKitPrintOperation* op = webkit_print_operation_new(b->view_);
    if (webkit_print_operation_run_dialog(op, b->window()) ==
        WEBKIT_PRINT_OPERATION_RESPONSE_PRINT) {
      // The job outlives the dialog.
      g_signal_connect(op, "finished",
                       G_CALLBACK(+[](WebKitPrintOperation* done, gpointer) {
                         g_object_unref(done);
                       }),
                       nullptr);
      return;
    }
    g_object_unref(op);
  });
}

// WebKit reports only how many matches there are; which one is active the
// view counts itself, from the first (or, backwards, the last) of a new
// search.
void GtkBrowser::Find(int identifier, const std::string& needle, bool forward,
                      bool match_case, bool find_next) {
  WebKitFindController* find = webkit_web_view_get_find_controller(view_);
  guint32 options = WEBKIT_FIND_OPTIONS_WRAP_AROUND;
  if (!match_case)
    options |= WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE;
  const bool again = find_next && !find_text_.empty() &&
                     needle == find_text_ && options == find_options_;
  if (again) {
    if (forward)
      webkit_find_controller_search_next(find);
    else
      webkit_find_controller_search_previous(find);
  } else {
    find_text_ = needle;
    find_options_ = options;
    webkit_find_controller_search(
        find, needle.c_str(),
        options | (forward ? 0 : WEBKIT_FIND_OPTIONS_BACKWARDS), G_MAXUINT);
  }
  finds_.push_back({identifier, again, forward});
  // Answered after the search, in order.
  webkit_find_controller_count_matches(find, needle.c_str(), options,
                                       G_MAXUINT);
}

void GtkBrowser::OnFindCounted(unsigned count) {
  if (finds_.empty() || !view_)
    return;
  const PendingFind done = finds_.front();
  finds_.erase(finds_.begin());
  const int matches = static_cast<int>(std::min<unsigned>(count, INT32_MAX));
  if (matches == 0)
    find_ordinal_ = 0;
  else if (!done.again || find_ordinal_ == 0)
    find_ordinal_ = done.forward ? 1 : matches;
  else if (done.forward)
    find_ordinal_ = find_ordinal_ % matches + 1;
  else
    find_ordinal_ = find_ordinal_ > 1 ? std::min(find_ordinal_ - 1, matches)
                                      : matches;
  NotifyFindResult(this, done.identifier, matches, find_ordinal_, true);
}

void GtkBrowser::StopFinding(bool clear_selection) {
  WebKitFindController* find = webkit_web_view_get_find_controller(view_);
  webkit_find_controller_search_finish(find);
  finds_.clear();
  find_text_.clear();
  find_ordinal_ = 0;
  if (clear_selection)
    webkit_web_view_evaluate_javascript(
        view_, "window.getSelection().removeAllRanges()", -1, nullptr,
        nullptr, nullptr, nullptr, nullptr);
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
