// The dialogs a browser window shows by itself (the engine's file chooser,
// its prompts): the language they speak, and what a close does while one
// of them holds the window.
#include <locale.h>
#include <string.h>

#include <string>

#include "runtime/gtk/gtk_browser.h"

namespace cefrt {

namespace {

bool IsLanguageTag(const std::string& tag) {
  if (tag.size() < 2 || tag.size() > 35 || !g_ascii_isalpha(tag[0]))
    return false;
  for (char c : tag)
    if (!g_ascii_isalnum(c) && c != '-' && c != '_')
      return false;
  return true;
}

void OnGdkEvent(GdkEvent* event, gpointer) {
  // GTK drops a close aimed at a window that a modal dialog blocks, so the
  // close button would do nothing until the dialog went.
  if (event->type == GDK_DELETE) {
    GtkWidget* target = gtk_get_event_widget(event);
    GtkWidget* top = target ? gtk_widget_get_toplevel(target) : nullptr;
    GtkWidget* grab =
        top && GTK_IS_WINDOW(top)
            ? gtk_window_group_get_current_grab(
                  gtk_window_get_group(GTK_WINDOW(top)))
            : nullptr;
    if (grab && gtk_widget_get_toplevel(grab) != top) {
      for (Browser* b : OpenBrowsers()) {
        GtkBrowser* browser = static_cast<GtkBrowser*>(b);
        if (GTK_WIDGET(browser->window()) == top) {
          browser->CloseBlockedWindow();
          return;
        }
      }
    }
  }
  // A key released while the window's focus is on a widget not realized yet
  // (the file chooser's location field right after Ctrl+L shows it) would
  // make GTK assert and drop it: drop it quietly.
  if (event->type == GDK_KEY_RELEASE) {
    GtkWidget* target = gtk_get_event_widget(event);
    GtkWidget* top = target ? gtk_widget_get_toplevel(target) : nullptr;
    GtkWidget* focus = top && GTK_IS_WINDOW(top)
                           ? gtk_window_get_focus(GTK_WINDOW(top))
                           : nullptr;
    if (focus && !gtk_widget_get_realized(focus))
      return;
  }
  gtk_main_do_event(event);
}

}  // namespace

void UseLocaleForDialogs(const std::string& locale) {
  if (!IsLanguageTag(locale))
    return;
  std::string language = locale;
  for (char& c : language)
    if (c == '-')
      c = '_';
  g_setenv("LANGUAGE", language.c_str(), TRUE);
  // gettext reads LANGUAGE only outside the C locale; the system may have
  // no locale of that language, and the messages' language is all that
  // changes.
  const char* messages = setlocale(LC_MESSAGES, nullptr);
  if (!messages || !strcmp(messages, "C") || !strcmp(messages, "POSIX")) {
    if (!setlocale(LC_MESSAGES, (language + ".UTF-8").c_str()))
      setlocale(LC_MESSAGES, "C.UTF-8");
  }
}

void FilterToolkitEvents(bool on) {
  if (on) {
    gdk_event_handler_set(OnGdkEvent, nullptr, nullptr);
  } else {
    gdk_event_handler_set(
        +[](GdkEvent* event, gpointer) { gtk_main_do_event(event); }, nullptr,
        nullptr);
  }
}

void GtkBrowser::CloseBlockedWindow() {
  if (closed() || !window_)
    return;
  // Its modal dialogs (the engine's file chooser, say) first, as their own
  // close buttons would.
  GList* windows = gtk_window_list_toplevels();
  for (GList* w = windows; w; w = w->next) {
    GtkWindow* dialog = GTK_WINDOW(w->data);
    if (gtk_window_get_transient_for(dialog) == window() &&
        gtk_window_get_modal(dialog) &&
        gtk_widget_get_visible(GTK_WIDGET(dialog)))
      gtk_window_close(dialog);
  }
  g_list_free(windows);
  // Once those have gone.
  Ref<Browser>* keep = new Ref<Browser>(this);
  g_idle_add_full(
      G_PRIORITY_DEFAULT_IDLE,
      +[](gpointer data) {
        (*static_cast<Ref<Browser>*>(data))->RequestClose(false);
        return G_SOURCE_REMOVE;
      },
      keep, +[](gpointer data) { delete static_cast<Ref<Browser>*>(data); });
}

}  // namespace cefrt
