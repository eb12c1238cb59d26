// The document view: the page's text, headings, links, fields and buttons
// as native controls, one row each, in document order.
#include <algorithm>

#include "runtime/base/url.h"
#include "runtime/win/win_browser.h"
#include "runtime/win/win_text.h"

namespace cefrt {

namespace {

constexpr int kFirstControlId = 1000;
constexpr int kMargin = 16;
constexpr int kGap = 8;
// Controls' window text comes from the desktop heap that every program of
// the session shares, as do the controls: the reader keeps a few hundred
// nodes of a few kilobytes, and all text shown together stays under this.
constexpr size_t kMaxShownChars = 64 * 1024;

bool IsOtherWindowTarget(const std::string& target) {
  return !target.empty() && target != "_self" && target != "_top" &&
         target != "_parent";
}

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text,
                int max_width, bool wrap) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r = {0, 0, std::max(max_width, 1), 0};
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r,
            DT_CALCRECT | DT_NOPREFIX | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return {r.right - r.left, r.bottom - r.top};
}

// Cuts `text` to at most `cap` units, not inside a surrogate pair.
void CutWide(std::wstring* text, size_t cap) {
  if (text->size() <= cap)
    return;
  text->resize(cap);
  if (!text->empty() && text->back() >= 0xD800 && text->back() <= 0xDBFF)
    text->pop_back();
}

std::wstring ControlText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
  const int got = GetWindowTextW(control, &text[0], length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

}  // namespace

void WinBrowser::ClearControls() {
  for (HWND control : controls_) {
    if (control)
      DestroyWindow(control);
  }
  controls_.clear();
}

void WinBrowser::ShowDocument(HtmlDocument document) {
  document_ = std::move(document);
  ClearControls();
  scroll_ = 0;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  size_t shown = 0;
  for (size_t i = 0; i < document_.nodes.size(); ++i) {
    const HtmlNode& node = document_.nodes[i];
    const wchar_t* kind = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD ex_style = 0;
    HFONT font = text_font_;
    std::wstring text = WideFromUtf8(node.text);
    switch (node.kind) {
      case HtmlNode::Kind::kText:
        style |= SS_LEFT | SS_NOPREFIX;
        break;
      case HtmlNode::Kind::kHeading:
        style |= SS_LEFT | SS_NOPREFIX;
        font = heading_font_;
        break;
      case HtmlNode::Kind::kLink:
        // A tab stop, so that the keyboard reaches links too (Enter).
        style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY | WS_TABSTOP;
        font = link_font_;
        break;
      case HtmlNode::Kind::kButton:
        kind = L"BUTTON";
        style |= BS_PUSHBUTTON | WS_TABSTOP;
        break;
      case HtmlNode::Kind::kInput:
        if (node.type == "hidden") {
          controls_.push_back(nullptr);
          continue;
        }
        if (node.type == "checkbox" || node.type == "radio") {
          kind = L"BUTTON";
          style |= WS_TABSTOP | (node.type == "checkbox" ? BS_AUTOCHECKBOX
                                                         : BS_AUTORADIOBUTTON);
          text = WideFromUtf8(node.name);
          break;
        }
        kind = L"EDIT";
        ex_style = WS_EX_CLIENTEDGE;
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        if (node.type == "password")
          style |= ES_PASSWORD;
        if (node.type == "textarea")
          style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
        text = WideFromUtf8(node.value);
        break;
    }
    if (lstrcmpW(kind, L"EDIT") != 0) {
      // An edit control keeps its text in the program's own heap.
      CutWide(&text, kMaxHtmlNodeText);
      shown += text.size();
    }
    if (shown > kMaxShownChars) {
      document_.nodes.resize(i);  // the rest is not shown
      break;
    }
    HWND control = CreateWindowExW(
        ex_style, kind, text.c_str(), style, 0, 0, 10, 10, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
        instance, nullptr);
    if (control) {
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
      // Modal loops that others run (the notice's) hand the controls input
      // without the view's filtering: the controls filter it themselves.
      SetWindowLongPtrW(control, GWLP_USERDATA,
                        GetWindowLongPtrW(control, GWLP_WNDPROC));
      SetWindowLongPtrW(control, GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(&ControlProc));
    }
    controls_.push_back(control);
  }
  Layout();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void WinBrowser::Layout() {
  if (!hwnd_)
    return;
  RECT client = {};
  GetClientRect(hwnd_, &client);
  const int width = std::max<int>(client.right - client.left - 2 * kMargin, 40);
  int y = kMargin;
  for (size_t i = 0; i < controls_.size() && i < document_.nodes.size(); ++i) {
    HWND control = controls_[i];
    if (!control)
      continue;
    const HtmlNode& node = document_.nodes[i];
    int w = width;
    int h = 24;
    switch (node.kind) {
      case HtmlNode::Kind::kText:
      case HtmlNode::Kind::kHeading: {
        const SIZE size = TextExtent(
            hwnd_, node.kind == HtmlNode::Kind::kHeading ? heading_font_
                                                         : text_font_,
            WideFromUtf8(node.text), width, true);
        h = size.cy;
        break;
      }
      case HtmlNode::Kind::kLink: {
        // Only the words are the link.
        const SIZE size =
            TextExtent(hwnd_, link_font_, WideFromUtf8(node.text), width, true);
        w = std::min<int>(size.cx + 2, width);
        h = size.cy;
        break;
      }
      case HtmlNode::Kind::kButton: {
        const SIZE size = TextExtent(hwnd_, text_font_,
                                     WideFromUtf8(node.text), width, false);
        w = std::min<int>(size.cx + 32, width);
        h = 30;
        break;
      }
      case HtmlNode::Kind::kInput:
        if (node.type == "checkbox" || node.type == "radio") {
          h = 22;
        } else {
          w = std::min(width, 360);
          h = node.type == "textarea" ? 96 : 28;
        }
        break;
    }
    MoveWindow(control, kMargin, y - scroll_, w, h, TRUE);
    y += h + kGap + (node.kind == HtmlNode::Kind::kHeading ? kGap : 0);
  }
  content_height_ = y + kMargin;
  SCROLLINFO si = {};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = content_height_;
  si.nPage = static_cast<UINT>(std::max<int>(client.bottom - client.top, 0));
  si.nPos = scroll_;
  SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
}

void WinBrowser::Scroll(int delta) {
  RECT client = {};
  GetClientRect(hwnd_, &client);
  const int limit =
      std::max<int>(content_height_ - (client.bottom - client.top), 0);
  const int target = std::clamp(scroll_ + delta, 0, limit);
  if (target == scroll_)
    return;
  scroll_ = target;
  Layout();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

size_t WinBrowser::NodeOfControl(HWND control) const {
  if (!control || GetParent(control) != hwnd_)
    return static_cast<size_t>(-1);
  const int id = GetDlgCtrlID(control) - kFirstControlId;
  if (id < 0 || static_cast<size_t>(id) >= controls_.size() ||
      controls_[static_cast<size_t>(id)] != control)
    return static_cast<size_t>(-1);
  return static_cast<size_t>(id);
}

HWND WinBrowser::FocusedEdit() const {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != hwnd_)
    return nullptr;
  wchar_t kind[16] = {};
  GetClassNameW(focus, kind, 16);
  if (lstrcmpiW(kind, L"Edit") != 0)
    return nullptr;
  return (GetWindowLongW(focus, GWL_STYLE) & ES_READONLY) ? nullptr : focus;
}

void WinBrowser::OnCommand(int id, int code) {
  const int index = id - kFirstControlId;
  if (index < 0 || static_cast<size_t>(index) >= document_.nodes.size())
    return;
  const HtmlNode& node = document_.nodes[static_cast<size_t>(index)];
  if ((node.kind == HtmlNode::Kind::kLink && code == STN_CLICKED) ||
      (node.kind == HtmlNode::Kind::kButton && code == BN_CLICKED))
    Activate(static_cast<size_t>(index));
}

void WinBrowser::Activate(size_t index) {
  if (index >= document_.nodes.size())
    return;
  Ref<Browser> keep(this);
  const HtmlNode node = document_.nodes[index];
  if (node.kind == HtmlNode::Kind::kButton) {
    if (node.type == "submit" || node.type == "image")
      SubmitForm(node.form, index);
    // Other buttons belong to the page's scripts, which do not run here.
    return;
  }
  if (node.kind != HtmlNode::Kind::kLink)
    return;
  const std::string target = ResolveUrl(url_, node.href);
  cefrt::Url parsed;
  if (target.empty() || !ParseUrl(target, &parsed) ||
      parsed.scheme == "javascript")
    return;
  if (!IsOtherWindowTarget(node.target)) {
    LoadUrl(target);
    return;
  }
  PopupRequest request;
  AskPopup(Utf8ToU16(target), WOD_NEW_FOREGROUND_TAB, true, &request);
  if (request.cancel || closed())
    return;
  WinBrowser* popup = new WinBrowser(request.TakeClient(), true, hwnd_);
  popup->Register();  // the runtime's reference
  if (!popup->Open(&request.info, target)) {
    popup->Destroy(false);
    return;
  }
  popup->CallAfterCreated();
}

void WinBrowser::SubmitForm(int form, size_t submitter) {
  if (form < 0 || static_cast<size_t>(form) >= document_.forms.size())
    return;
  std::vector<std::pair<std::string, std::string>> fields;
  for (size_t i = 0; i < document_.nodes.size(); ++i) {
    const HtmlNode& node = document_.nodes[i];
    if (node.form != form || node.name.empty())
      continue;
    HWND control = i < controls_.size() ? controls_[i] : nullptr;
    if (node.kind == HtmlNode::Kind::kButton) {
      if (i == submitter)
        fields.emplace_back(node.name, node.value);
      continue;
    }
    if (node.kind != HtmlNode::Kind::kInput)
      continue;
    if (node.type == "checkbox" || node.type == "radio") {
      if (control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
        fields.emplace_back(node.name,
                            node.value.empty() ? std::string("on") : node.value);
      continue;
    }
    fields.emplace_back(node.name, control ? Utf8FromWide(ControlText(control))
                                           : node.value);
  }
  const HtmlForm& f = document_.forms[static_cast<size_t>(form)];
  std::string action = ResolveUrl(url_, f.action);
  if (action.empty())
    return;
  Navigation nav;
  const std::string data = EncodeFormData(InPageCharset(std::move(fields)));
  if (f.method == "post") {
    nav.url = action;
    nav.method = "POST";
    nav.body = data;
    nav.content_type = "application/x-www-form-urlencoded";
  } else {
    const size_t cut = action.find_first_of("?#");
    if (cut != std::string::npos)
      action.resize(cut);
    nav.url = action + "?" + data;
  }
  Navigate(std::move(nav));
}

}  // namespace cefrt
