// The context menu: the view's own entries as the library's menu model;
// the handler edits it, and a real popup menu shows what is left.
#include "runtime/browser/menu_model.h"
#include "runtime/win/win_browser.h"
#include "runtime/win/win_text.h"

namespace cefrt {

namespace {

// The library's command ids for the view's own entries.
enum Command {
  kBack = 100,
  kForward = 101,
  kReload = 102,
  kStop = 104,
  kUndo = 110,
  kCut = 112,
  kCopy = 113,
  kPaste = 114,
  kDelete = 115,
  kSelectAll = 116,
};

void Add(MenuModel* model, int id, const char16_t* label, bool enabled) {
  MenuModel::Item item;
  item.type = MENUITEMTYPE_COMMAND;
  item.command_id = id;
  item.label = label;
  item.enabled = enabled;
  model->AppendNative(std::move(item));
}

void AddSeparator(MenuModel* model) {
  MenuModel::Item item;
  item.type = MENUITEMTYPE_SEPARATOR;
  model->AppendNative(std::move(item));
}

HMENU BuildMenu(MenuModel* model) {
  HMENU menu = CreatePopupMenu();
  if (!menu)
    return nullptr;
  for (const MenuModel::Item& item : model->Items()) {
    if (!item.visible)
      continue;
    const std::wstring label = WideFromU16(item.label);
    UINT flags = item.enabled ? MF_ENABLED : MF_GRAYED;
    if (item.type == MENUITEMTYPE_SEPARATOR) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item.type == MENUITEMTYPE_SUBMENU && item.submenu) {
      HMENU sub = BuildMenu(item.submenu.get());
      if (sub)
        AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                    label.c_str());
    } else if (item.command_id > 0) {
      if (item.checked)
        flags |= MF_CHECKED;
      if (item.type == MENUITEMTYPE_RADIO)
        flags |= MFT_RADIOCHECK;
      AppendMenuW(menu, flags | MF_STRING,
                  static_cast<UINT_PTR>(item.command_id), label.c_str());
    }
  }
  return menu;
}

}  // namespace

void WinBrowser::ShowContextMenu(POINT screen) {
  if (!hwnd_)
    return;
  Ref<Browser> keep(this);
  POINT client = screen;
  ScreenToClient(hwnd_, &client);
  HWND under = ChildWindowFromPointEx(hwnd_, client, CWP_SKIPINVISIBLE);
  const size_t node = NodeOfControl(under);
  HWND edit = nullptr;
  ContextMenuParams::Data data;
  data.x = client.x;
  data.y = client.y;
  data.page_url = data.frame_url = Utf8ToU16(url_);
  data.type_flags = CM_TYPEFLAG_PAGE;
  if (node < document_.nodes.size()) {
    const HtmlNode& n = document_.nodes[node];
    if (n.kind == HtmlNode::Kind::kLink) {
      data.type_flags |= CM_TYPEFLAG_LINK;
      data.link_url = data.unfiltered_link_url = Utf8ToU16(n.href);
    }
    wchar_t kind[16] = {};
    GetClassNameW(under, kind, 16);
    if (lstrcmpiW(kind, L"Edit") == 0)
      edit = under;
  }
  Ref<MenuModel> model = Ref<MenuModel>::Adopt(new MenuModel());
  if (edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const bool selection = end > start;
    const bool password = (GetWindowLongW(edit, GWL_STYLE) & ES_PASSWORD) != 0;
    data.type_flags |= CM_TYPEFLAG_EDITABLE;
    data.is_editable = true;
    if (selection)
      data.type_flags |= CM_TYPEFLAG_SELECTION;
    data.edit_state_flags =
        (SendMessageW(edit, EM_CANUNDO, 0, 0) ? CM_EDITFLAG_CAN_UNDO : 0) |
        (selection && !password ? CM_EDITFLAG_CAN_CUT | CM_EDITFLAG_CAN_COPY
                                : 0) |
        CM_EDITFLAG_CAN_PASTE | (selection ? CM_EDITFLAG_CAN_DELETE : 0) |
        CM_EDITFLAG_CAN_SELECT_ALL;
    Add(model.get(), kUndo, u"&Undo",
        data.edit_state_flags & CM_EDITFLAG_CAN_UNDO);
    AddSeparator(model.get());
    Add(model.get(), kCut, u"Cu&t", selection && !password);
    Add(model.get(), kCopy, u"&Copy", selection && !password);
    Add(model.get(), kPaste, u"&Paste", true);
    Add(model.get(), kDelete, u"&Delete", selection);
    AddSeparator(model.get());
    Add(model.get(), kSelectAll, u"Select &all", true);
  } else {
    Add(model.get(), kBack, u"&Back", CanGoBack());
    Add(model.get(), kForward, u"&Forward", CanGoForward());
    if (loading_)
      Add(model.get(), kStop, u"&Stop", true);
    else
      Add(model.get(), kReload, u"&Reload", true);
  }
  Ref<ContextMenuParams> params =
      Ref<ContextMenuParams>::Adopt(new ContextMenuParams(data));
  // Without a handler the view's own menu shows as it is.
  AskContextMenu(model.get(), params.get());
  if (closed() || !hwnd_ || model->Count() == 0)
    return;  // nothing left to show
  HMENU menu = BuildMenu(model.get());
  if (!menu)
    return;
  const int command = TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x,
      screen.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  if (closed())
    return;
  switch (command) {
    case 0: break;
    case kBack: GoBack(); break;
    case kForward: GoForward(); break;
    case kReload: Reload(false); break;
    case kStop: StopLoad(); break;
    case kUndo: if (edit) SendMessageW(edit, EM_UNDO, 0, 0); break;
    case kCut: if (edit) SendMessageW(edit, WM_CUT, 0, 0); break;
    case kCopy: if (edit) SendMessageW(edit, WM_COPY, 0, 0); break;
    case kPaste: if (edit) SendMessageW(edit, WM_PASTE, 0, 0); break;
    case kDelete: if (edit) SendMessageW(edit, WM_CLEAR, 0, 0); break;
    case kSelectAll: if (edit) SendMessageW(edit, EM_SETSEL, 0, -1); break;
    default: RunContextMenuCommand(params.get(), command); break;
  }
  NotifyContextMenuDismissed();
}

}  // namespace cefrt
