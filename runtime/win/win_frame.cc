// The frame's members on the document view.
#include "runtime/base/log.h"
#include "runtime/base/text.h"
#include "runtime/win/win_browser.h"

namespace cefrt {

void WinBrowser::RunEditCommand(EditCommand command) {
  HWND edit = FocusedEdit();
  if (!edit)
    return;  // the page's text is not selectable here
  switch (command) {
    case EditCommand::kUndo: SendMessageW(edit, EM_UNDO, 0, 0); break;
    case EditCommand::kRedo: break;  // edit controls undo one step only
    case EditCommand::kCut: SendMessageW(edit, WM_CUT, 0, 0); break;
    case EditCommand::kCopy: SendMessageW(edit, WM_COPY, 0, 0); break;
    case EditCommand::kPaste: SendMessageW(edit, WM_PASTE, 0, 0); break;
    case EditCommand::kDelete: SendMessageW(edit, WM_CLEAR, 0, 0); break;
    case EditCommand::kSelectAll: SendMessageW(edit, EM_SETSEL, 0, -1); break;
  }
}

void WinBrowser::GetSource(cef_string_visitor_t* visitor) {
  Visit(visitor, Utf8ToU16(source_));
}

void WinBrowser::GetText(cef_string_visitor_t* visitor) {
  Visit(visitor, Utf8ToU16(document_.Text()));
}

void WinBrowser::ExecuteScript(const std::string&, const std::string&) {
  CEFRT_LOG(LOGSEVERITY_WARNING,
            "this view has no script engine; the script was not run");
}

}  // namespace cefrt
