// Keys reach the program's keyboard handler before the page.
#include "runtime/gtk/gtk_browser.h"
#include "runtime/gtk/keyboard_codes.h"

namespace cefrt {

bool GtkBrowser::OnKey(GdkEventKey* event) {
  // The engine's sign-in prompt has no key of its own for its Cancel.
  if (auth_request_ && event->type == GDK_KEY_PRESS &&
      event->keyval == GDK_KEY_Escape) {
    webkit_authentication_request_cancel(auth_request_);
    return true;
  }
  cef_key_event_t e = {};
  e.type = event->type == GDK_KEY_PRESS ? KEYEVENT_RAWKEYDOWN : KEYEVENT_KEYUP;
  e.modifiers = EventFlagsFor(event->state, event->keyval);
  e.windows_key_code = WindowsKeyCodeForKeyval(event->keyval);
  e.native_key_code = event->hardware_keycode;
  const gunichar ch = gdk_keyval_to_unicode(event->keyval);
  const gunichar plain = gdk_keyval_to_unicode(gdk_keyval_to_lower(event->keyval));
  e.character = static_cast<char16>(ch < 0x10000 ? ch : 0);
  e.unmodified_character = static_cast<char16>(plain < 0x10000 ? plain : 0);
  e.focus_on_editable_field = editable_focus_ ? 1 : 0;
  return PreKeyEvent(e, reinterpret_cast<cef_event_handle_t>(event));
}

}  // namespace cefrt
