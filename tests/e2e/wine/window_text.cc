// Prints what the visible top-level windows of the wine session show, as
// UTF-8: a line "window<TAB>title" per window, then "<TAB>class<TAB>text"
// per visible child control. The wine tests read a page's or a message
// box's text with it, as a screen reader would.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty())
    return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(),
                                       static_cast<int>(text.size()), nullptr,
                                       0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                      &out[0], size, nullptr, nullptr);
  return out;
}

// Asked of the window itself: another process's edit controls keep their
// text to themselves otherwise. A hung window gives up after a second.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                           1000, &length))
    return std::wstring();
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1,
                           reinterpret_cast<LPARAM>(&text[0]),
                           SMTO_ABORTIFHUNG, 1000, &copied))
    return std::wstring();
  text.resize(copied);
  // One line per control.
  for (wchar_t& c : text)
    if (c == L'\r' || c == L'\n' || c == L'\t')
      c = L' ';
  return text;
}

void Write(const std::string& line) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(),
            static_cast<DWORD>(line.size()), &written, nullptr);
}

BOOL CALLBACK ListChild(HWND child, LPARAM) {
  if (!IsWindowVisible(child))
    return TRUE;
  wchar_t kind[64] = {};
  GetClassNameW(child, kind, 64);
  Write("\t" + Utf8(kind) + "\t" + Utf8(TextOf(child)) + "\n");
  return TRUE;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window))
    return TRUE;
  Write("window\t" + Utf8(TextOf(window)) + "\n");
  EnumChildWindows(window, &ListChild, 0);
  return TRUE;
}

}  // namespace

int main() {
  return EnumWindows(&ListWindow, 0) ? 0 : 1;
}
