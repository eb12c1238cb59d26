// GDK key values and modifier state in the library's terms: Windows
// virtual-key codes and EVENTFLAG_* bits.
#ifndef CEF_RUNTIME_GTK_KEYBOARD_CODES_H_
#define CEF_RUNTIME_GTK_KEYBOARD_CODES_H_

#include <stdint.h>

namespace cefrt {

// 0 for a key without a virtual-key code.
int WindowsKeyCodeForKeyval(unsigned keyval);

// `state` is a GdkModifierType mask; `keyval` adds the key-pad and
// left/right bits of the key itself.
uint32_t EventFlagsFor(unsigned state, unsigned keyval);

}  // namespace cefrt

#endif  // CEF_RUNTIME_GTK_KEYBOARD_CODES_H_
