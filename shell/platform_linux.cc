#include <X11/Xlib.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <string>

#include "shell/platform.h"

namespace platform {

namespace {

// wchar_t holds whole code points here.
std::string Utf8(const std::wstring& text) {
  std::string out;
  for (wchar_t wide : text) {
    const uint32_t c = static_cast<uint32_t>(wide);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

ScreenSize PrimaryScreenSize() {
  // Without a display there is no screen to cover; a common laptop size keeps
  // the window usable wherever it ends up.
  ScreenSize size = {1280, 800};
  // The library's toolkit is up by the time a window is placed: asking it
  // spares a second connection to the X server during start-up.
  if (GdkDisplay* gdk = gdk_display_get_default()) {
    GdkMonitor* monitor = gdk_display_get_primary_monitor(gdk);
    if (!monitor) monitor = gdk_display_get_monitor(gdk, 0);
    if (monitor) {
      GdkRectangle geometry;
      gdk_monitor_get_geometry(monitor, &geometry);
      return {geometry.width, geometry.height};
    }
  }
  if (Display* display = XOpenDisplay(nullptr)) {
    const int screen = DefaultScreen(display);
    size = {DisplayWidth(display, screen), DisplayHeight(display, screen)};
    XCloseDisplay(display);
  }
  return size;
}

void DebugLine(const std::wstring& text) {
  std::fprintf(stderr, "%ls\n", text.c_str());
  std::fflush(stderr);
}

// The library's window handle here is its top-level GtkWindow.
void SetWindowTitle(cef_window_handle_t window, const std::wstring& title) {
  if (window) gtk_window_set_title(GTK_WINDOW(window), Utf8(title).c_str());
}

void ShowNotice(const std::wstring& caption, const std::wstring& text) {
  GtkWidget* dialog = gtk_message_dialog_new(
      nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER, GTK_BUTTONS_OK, "%s",
      Utf8(text).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), Utf8(caption).c_str());
  gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
  gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
}

}  // namespace platform
