#include <gtk/gtk.h>

#include <cstdint>
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
