// Keys reach the program's keyboard handler before the focused control;
// what the handler leaves goes on to the view (tab order, Enter submits).
#include "runtime/win/win_browser.h"

namespace cefrt {

namespace {

bool Down(int vk) {
  return (GetKeyState(vk) & 0x8000) != 0;
}

uint32_t ModifiersFor(WPARAM vk, LPARAM lparam) {
  uint32_t flags = 0;
  if (Down(VK_SHIFT))
    flags |= EVENTFLAG_SHIFT_DOWN;
  if (Down(VK_CONTROL))
    flags |= EVENTFLAG_CONTROL_DOWN;
  if (Down(VK_MENU))
    flags |= EVENTFLAG_ALT_DOWN;
  if (GetKeyState(VK_CAPITAL) & 1)
    flags |= EVENTFLAG_CAPS_LOCK_ON;
  if (GetKeyState(VK_NUMLOCK) & 1)
    flags |= EVENTFLAG_NUM_LOCK_ON;
  if (Down(VK_LBUTTON))
    flags |= EVENTFLAG_LEFT_MOUSE_BUTTON;
  if (Down(VK_MBUTTON))
    flags |= EVENTFLAG_MIDDLE_MOUSE_BUTTON;
  if (Down(VK_RBUTTON))
    flags |= EVENTFLAG_RIGHT_MOUSE_BUTTON;
  if (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE)
    flags |= EVENTFLAG_IS_KEY_PAD;
  const bool extended = (lparam & (1 << 24)) != 0;
  if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU)
    flags |= extended || (vk == VK_SHIFT &&
                          ((lparam >> 16) & 0xff) == 0x36)  // right shift
                 ? EVENTFLAG_IS_RIGHT
                 : EVENTFLAG_IS_LEFT;
  return flags;
}

}  // namespace

bool IsKeyMessage(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      return true;
    default:
      return false;
  }
}

bool WinBrowser::PreTranslate(MSG* msg) {
  if (IsKeyMessage(msg->message))
    return OnKey(msg);
  switch (msg->message) {
    case WM_RBUTTONUP: {
      // Before an edit control shows a menu of its own.
      POINT at = {static_cast<short>(LOWORD(msg->lParam)),
                  static_cast<short>(HIWORD(msg->lParam))};
      ClientToScreen(msg->hwnd, &at);
      ShowContextMenu(at);
      return true;
    }
    default:
      return false;
  }
}

bool WinBrowser::FilterFromOtherLoop(HWND hwnd, UINT message, WPARAM wparam,
                                     LPARAM lparam) {
  if (!IsKeyMessage(message) && message != WM_RBUTTONUP)
    return false;
  if (DispatchedByUiPump(hwnd, message, wparam, lparam))
    return false;  // routed already
  MSG msg = {};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wparam;
  msg.lParam = lparam;
  msg.time = static_cast<DWORD>(GetMessageTime());
  Ref<Browser> keep(this);
  return PreTranslate(&msg);
}

LRESULT CALLBACK WinBrowser::ControlProc(HWND control, UINT message,
                                         WPARAM wparam, LPARAM lparam) {
  const WNDPROC own =
      reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
  HWND parent = GetParent(control);
  auto* browser = parent ? reinterpret_cast<WinBrowser*>(
                               GetWindowLongPtrW(parent, GWLP_USERDATA))
                         : nullptr;
  if (browser && browser->hwnd_ == parent && !browser->closed()) {
    if (message == WM_CONTEXTMENU) {
      // Never the control's own menu (an edit control's): the view's, which
      // the program's handler sees first.
      POINT at = {static_cast<short>(LOWORD(lparam)),
                  static_cast<short>(HIWORD(lparam))};
      if (at.x == -1 && at.y == -1) {
        RECT r = {};
        GetWindowRect(control, &r);
        at = {r.left + 4, r.top + 4};
      }
      Ref<Browser> keep(browser);
      browser->ShowContextMenu(at);
      return 0;
    }
    if (browser->FilterFromOtherLoop(control, message, wparam, lparam))
      return 0;
    if (!IsWindow(control))
      return 0;  // gone with what the key did
  }
  return own ? CallWindowProcW(own, control, message, wparam, lparam)
             : DefWindowProcW(control, message, wparam, lparam);
}

bool WinBrowser::OnKey(MSG* msg) {
  const UINT m = msg->message;
  cef_key_event_t e = {};
  const bool char_event = m == WM_CHAR || m == WM_SYSCHAR;
  const bool down = m == WM_KEYDOWN || m == WM_SYSKEYDOWN;
  e.type = char_event ? KEYEVENT_CHAR : down ? KEYEVENT_RAWKEYDOWN
                                             : KEYEVENT_KEYUP;
  e.windows_key_code = static_cast<int>(msg->wParam);
  e.native_key_code = static_cast<int>(msg->lParam);
  e.is_system_key = m == WM_SYSKEYDOWN || m == WM_SYSKEYUP || m == WM_SYSCHAR;
  e.modifiers = ModifiersFor(char_event ? 0 : msg->wParam, msg->lParam);
  if (char_event) {
    e.character = static_cast<char16>(msg->wParam);
    e.unmodified_character = e.character;
  } else {
    const UINT mapped =
        MapVirtualKeyW(static_cast<UINT>(msg->wParam), MAPVK_VK_TO_CHAR);
    e.character = e.unmodified_character =
        static_cast<char16>(mapped & 0x7fffffff);
  }
  e.focus_on_editable_field = FocusedEdit() ? 1 : 0;
  Ref<Browser> keep(this);
  if (PreKeyEvent(e, msg))
    return true;
  if (closed() || !hwnd_)
    return true;

  // What the view itself does with the key.
  if (m == WM_KEYDOWN && msg->wParam == VK_TAB && !Down(VK_CONTROL)) {
    HWND focus = GetFocus();
    HWND next = GetNextDlgTabItem(
        hwnd_, focus && IsChild(hwnd_, focus) ? focus : nullptr,
        Down(VK_SHIFT));
    if (next)
      SetFocus(next);
    return true;
  }
  if (m == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    const size_t node = NodeOfControl(GetFocus());
    if (node < document_.nodes.size()) {
      const HtmlNode& n = document_.nodes[node];
      if (n.kind == HtmlNode::Kind::kButton ||
          n.kind == HtmlNode::Kind::kLink) {
        Activate(node);
        return true;
      }
      if (n.kind == HtmlNode::Kind::kInput && n.type != "textarea") {
        SubmitForm(n.form, static_cast<size_t>(-1));
        return true;
      }
    }
  }
  // The keyboard's menu key and Shift+F10 open the context menu.
  if ((m == WM_KEYUP && msg->wParam == VK_APPS) ||
      (m == WM_SYSKEYDOWN && msg->wParam == VK_F10 && Down(VK_SHIFT))) {
    HWND focus = GetFocus();
    RECT r = {};
    GetWindowRect(focus && IsChild(hwnd_, focus) ? focus : hwnd_, &r);
    ShowContextMenu({r.left + 4, r.top + 4});
    return true;
  }
  return false;
}

}  // namespace cefrt
