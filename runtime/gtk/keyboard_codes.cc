#include "runtime/gtk/keyboard_codes.h"

#include <gdk/gdk.h>

#include "include/capi/cef_types_capi.h"

namespace cefrt {

namespace {

struct KeyPair {
  unsigned keyval;
  int code;
};

// Keys whose code is not a letter's or digit's; shifted symbols share their
// key's code, as on a US layout.
constexpr KeyPair kKeys[] = {
    {GDK_KEY_BackSpace, 0x08}, {GDK_KEY_Tab, 0x09},
    {GDK_KEY_ISO_Left_Tab, 0x09}, {GDK_KEY_KP_Tab, 0x09},
    {GDK_KEY_Clear, 0x0C}, {GDK_KEY_KP_Begin, 0x0C},
    {GDK_KEY_Return, 0x0D}, {GDK_KEY_KP_Enter, 0x0D},
    {GDK_KEY_ISO_Enter, 0x0D}, {GDK_KEY_Shift_L, 0x10},
    {GDK_KEY_Shift_R, 0x10}, {GDK_KEY_Control_L, 0x11},
    {GDK_KEY_Control_R, 0x11}, {GDK_KEY_Alt_L, 0x12}, {GDK_KEY_Alt_R, 0x12},
    {GDK_KEY_Meta_L, 0x12}, {GDK_KEY_Meta_R, 0x12},
    {GDK_KEY_ISO_Level3_Shift, 0x12}, {GDK_KEY_Pause, 0x13},
    {GDK_KEY_Caps_Lock, 0x14}, {GDK_KEY_Escape, 0x1B}, {GDK_KEY_space, 0x20},
    {GDK_KEY_KP_Space, 0x20}, {GDK_KEY_Page_Up, 0x21},
    {GDK_KEY_KP_Page_Up, 0x21}, {GDK_KEY_Page_Down, 0x22},
    {GDK_KEY_KP_Page_Down, 0x22}, {GDK_KEY_End, 0x23}, {GDK_KEY_KP_End, 0x23},
    {GDK_KEY_Home, 0x24}, {GDK_KEY_KP_Home, 0x24}, {GDK_KEY_Left, 0x25},
    {GDK_KEY_KP_Left, 0x25}, {GDK_KEY_Up, 0x26}, {GDK_KEY_KP_Up, 0x26},
    {GDK_KEY_Right, 0x27}, {GDK_KEY_KP_Right, 0x27}, {GDK_KEY_Down, 0x28},
    {GDK_KEY_KP_Down, 0x28}, {GDK_KEY_Select, 0x29}, {GDK_KEY_Print, 0x2C},
    {GDK_KEY_Execute, 0x2B}, {GDK_KEY_Insert, 0x2D}, {GDK_KEY_KP_Insert, 0x2D},
    {GDK_KEY_Delete, 0x2E}, {GDK_KEY_KP_Delete, 0x2E}, {GDK_KEY_Help, 0x2F},
    {GDK_KEY_parenright, 0x30}, {GDK_KEY_exclam, 0x31}, {GDK_KEY_at, 0x32},
    {GDK_KEY_numbersign, 0x33}, {GDK_KEY_dollar, 0x34},
    {GDK_KEY_percent, 0x35}, {GDK_KEY_asciicircum, 0x36},
    {GDK_KEY_ampersand, 0x37}, {GDK_KEY_asterisk, 0x38},
    {GDK_KEY_parenleft, 0x39}, {GDK_KEY_Super_L, 0x5B},
    {GDK_KEY_Super_R, 0x5C}, {GDK_KEY_Menu, 0x5D}, {GDK_KEY_Sleep, 0x5F},
    {GDK_KEY_KP_Multiply, 0x6A}, {GDK_KEY_KP_Add, 0x6B},
    {GDK_KEY_KP_Separator, 0x6C}, {GDK_KEY_KP_Subtract, 0x6D},
    {GDK_KEY_KP_Decimal, 0x6E}, {GDK_KEY_KP_Divide, 0x6F},
    {GDK_KEY_Num_Lock, 0x90}, {GDK_KEY_Scroll_Lock, 0x91},
    {GDK_KEY_semicolon, 0xBA}, {GDK_KEY_colon, 0xBA}, {GDK_KEY_equal, 0xBB},
    {GDK_KEY_plus, 0xBB}, {GDK_KEY_comma, 0xBC}, {GDK_KEY_less, 0xBC},
    {GDK_KEY_minus, 0xBD}, {GDK_KEY_underscore, 0xBD}, {GDK_KEY_period, 0xBE},
    {GDK_KEY_greater, 0xBE}, {GDK_KEY_slash, 0xBF}, {GDK_KEY_question, 0xBF},
    {GDK_KEY_grave, 0xC0}, {GDK_KEY_asciitilde, 0xC0},
    {GDK_KEY_bracketleft, 0xDB}, {GDK_KEY_braceleft, 0xDB},
    {GDK_KEY_backslash, 0xDC}, {GDK_KEY_bar, 0xDC},
    {GDK_KEY_bracketright, 0xDD}, {GDK_KEY_braceright, 0xDD},
    {GDK_KEY_apostrophe, 0xDE}, {GDK_KEY_quotedbl, 0xDE},
};

bool IsKeypad(unsigned keyval) {
  return keyval >= GDK_KEY_KP_Space && keyval <= GDK_KEY_KP_9;
}

}  // namespace

int WindowsKeyCodeForKeyval(unsigned keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z)
    return 0x41 + static_cast<int>(keyval - GDK_KEY_a);
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z)
    return 0x41 + static_cast<int>(keyval - GDK_KEY_A);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
    return 0x30 + static_cast<int>(keyval - GDK_KEY_0);
  if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9)
    return 0x60 + static_cast<int>(keyval - GDK_KEY_KP_0);
  // F1..F24 are consecutive in both numberings.
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24)
    return 0x70 + static_cast<int>(keyval - GDK_KEY_F1);
  for (const KeyPair& pair : kKeys) {
    if (pair.keyval == keyval)
      return pair.code;
  }
  return 0;
}

uint32_t EventFlagsFor(unsigned state, unsigned keyval) {
  uint32_t flags = EVENTFLAG_NONE;
  if (state & GDK_SHIFT_MASK)
    flags |= EVENTFLAG_SHIFT_DOWN;
  if (state & GDK_LOCK_MASK)
    flags |= EVENTFLAG_CAPS_LOCK_ON;
  if (state & GDK_CONTROL_MASK)
    flags |= EVENTFLAG_CONTROL_DOWN;
  if (state & GDK_MOD1_MASK)
    flags |= EVENTFLAG_ALT_DOWN;
  // X servers put Num Lock on Mod2.
  if (state & GDK_MOD2_MASK)
    flags |= EVENTFLAG_NUM_LOCK_ON;
  if (state & (GDK_SUPER_MASK | GDK_META_MASK))
    flags |= EVENTFLAG_COMMAND_DOWN;
  if (state & GDK_BUTTON1_MASK)
    flags |= EVENTFLAG_LEFT_MOUSE_BUTTON;
  if (state & GDK_BUTTON2_MASK)
    flags |= EVENTFLAG_MIDDLE_MOUSE_BUTTON;
  if (state & GDK_BUTTON3_MASK)
    flags |= EVENTFLAG_RIGHT_MOUSE_BUTTON;
  if (IsKeypad(keyval))
    flags |= EVENTFLAG_IS_KEY_PAD;
  switch (keyval) {
    case GDK_KEY_Shift_L:
    case GDK_KEY_Control_L:
    case GDK_KEY_Alt_L:
    case GDK_KEY_Meta_L:
    case GDK_KEY_Super_L:
      flags |= EVENTFLAG_IS_LEFT;
      break;
    case GDK_KEY_Shift_R:
    case GDK_KEY_Control_R:
    case GDK_KEY_Alt_R:
    case GDK_KEY_Meta_R:
    case GDK_KEY_Super_R:
      flags |= EVENTFLAG_IS_RIGHT;
      break;
    default:
      break;
  }
  return flags;
}

}  // namespace cefrt
