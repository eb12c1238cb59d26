// GDK key values and modifier masks in the library's terms.
#include <gdk/gdk.h>

#include "gtest/gtest.h"
#include "include/capi/cef_types_capi.h"
#include "runtime/gtk/keyboard_codes.h"

namespace {

TEST(KeyboardCodes, WindowsVirtualKeys) {
  const struct {
    unsigned keyval;
    int code;
  } cases[] = {
      {GDK_KEY_F1, 0x70},        {GDK_KEY_F5, 0x74},
      {GDK_KEY_F12, 0x7B},       {GDK_KEY_a, 0x41},
      {GDK_KEY_Z, 0x5A},         {GDK_KEY_0, 0x30},
      {GDK_KEY_9, 0x39},         {GDK_KEY_exclam, 0x31},
      {GDK_KEY_Left, 0x25},      {GDK_KEY_Up, 0x26},
      {GDK_KEY_Right, 0x27},     {GDK_KEY_Down, 0x28},
      {GDK_KEY_Return, 0x0D},    {GDK_KEY_KP_Enter, 0x0D},
      {GDK_KEY_Escape, 0x1B},    {GDK_KEY_Tab, 0x09},
      {GDK_KEY_ISO_Left_Tab, 0x09}, {GDK_KEY_BackSpace, 0x08},
      {GDK_KEY_Delete, 0x2E},    {GDK_KEY_KP_5, 0x65},
      {GDK_KEY_semicolon, 0xBA}, {GDK_KEY_quotedbl, 0xDE},
      {GDK_KEY_Shift_R, 0x10},   {GDK_KEY_VoidSymbol, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.code, cefrt::WindowsKeyCodeForKeyval(c.keyval))
        << gdk_keyval_name(c.keyval);
}

TEST(KeyboardCodes, ModifierFlags) {
  EXPECT_EQ(0u, cefrt::EventFlagsFor(0, GDK_KEY_F5));
  EXPECT_EQ(static_cast<uint32_t>(EVENTFLAG_SHIFT_DOWN |
                                  EVENTFLAG_CONTROL_DOWN | EVENTFLAG_ALT_DOWN),
            cefrt::EventFlagsFor(GDK_SHIFT_MASK | GDK_CONTROL_MASK |
                                     GDK_MOD1_MASK,
                                 GDK_KEY_F5));
  EXPECT_EQ(static_cast<uint32_t>(EVENTFLAG_NUM_LOCK_ON |
                                  EVENTFLAG_IS_KEY_PAD),
            cefrt::EventFlagsFor(GDK_MOD2_MASK, GDK_KEY_KP_1));
  EXPECT_EQ(static_cast<uint32_t>(EVENTFLAG_IS_RIGHT),
            cefrt::EventFlagsFor(0, GDK_KEY_Control_R));
  EXPECT_EQ(static_cast<uint32_t>(EVENTFLAG_CAPS_LOCK_ON),
            cefrt::EventFlagsFor(GDK_LOCK_MASK, GDK_KEY_a));
}

}  // namespace
