#include "runtime/browser/frame.h"

#include "runtime/browser/browser.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

class Frame : public CountedStruct<cef_frame_t> {
 public:
  explicit Frame(Browser* browser);
  Browser* browser() const { return browser_.get(); }

 private:
  ~Frame() override = default;
  Ref<Browser> browser_;
};

Frame* FrameOf(cef_frame_t* s) {
  return CountedStruct<cef_frame_t>::From<Frame>(s);
}

// The frame's browser while it still has a view.
Browser* Live(cef_frame_t* s) {
  Frame* f = FrameOf(s);
  return f && f->browser()->HasView() ? f->browser() : nullptr;
}

void Edit(cef_frame_t* s, EditCommand command) {
  if (Browser* b = Live(s))
    b->RunEditCommand(command);
}

// The engines count a script's lines from 1: blank lines ahead of the code
// make its errors and stacks name the program's lines. Beyond a sane file
// length the line is ignored rather than padded.
std::string FromLine(std::string code, int start_line) {
  constexpr int kLongestScript = 1 << 20;
  if (start_line > 1 && start_line <= kLongestScript)
    code.insert(0, static_cast<size_t>(start_line - 1), '\n');
  return code;
}

Frame::Frame(Browser* browser)
    : CountedStruct("cef_frame_t"), browser_(browser) {
  using S = cef_frame_t;
  cef_frame_t& c = s();
  c.is_valid = [](S* s) CEF_CALLBACK -> int { return Live(s) ? 1 : 0; };
  c.undo = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kUndo); };
  c.redo = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kRedo); };
  c.cut = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kCut); };
  c.copy = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kCopy); };
  c.paste = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kPaste); };
  c.del = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kDelete); };
  c.select_all = [](S* s) CEF_CALLBACK { Edit(s, EditCommand::kSelectAll); };
  c.view_source = [](S* s) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->ViewSource();
  };
  c.get_source = [](S* s, cef_string_visitor_t* visitor) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->GetSource(visitor);
    else
      ReleaseStruct(visitor);
  };
  c.get_text = [](S* s, cef_string_visitor_t* visitor) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->GetText(visitor);
    else
      ReleaseStruct(visitor);
  };
  c.load_request = [](S* s, struct _cef_request_t* request) CEF_CALLBACK {
    if (Browser* b = Live(s)) {
      const RequestData data = ReadRequest(request);
      if (!data.url.empty())
        b->LoadRequest(data);
    }
    ReleaseStruct(request);
  };
  c.load_url = [](S* s, const cef_string_t* url) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && !Blank(url))
      b->LoadUrl(Utf8FromCef(url));
  };
  c.load_string = [](S* s, const cef_string_t* html, const cef_string_t* url) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && !Blank(html) && !Blank(url))
      b->LoadString(Utf8FromCef(html), Utf8FromCef(url));
  };
  c.execute_java_script = [](S* s, const cef_string_t* code,
                             const cef_string_t* script_url,
                             int start_line) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && !Blank(code))
      b->ExecuteScript(FromLine(Utf8FromCef(code), start_line),
                       Utf8FromCef(script_url));
  };
  c.is_main = [](S* s) CEF_CALLBACK -> int { return FrameOf(s) ? 1 : 0; };
  c.is_focused = [](S* s) CEF_CALLBACK -> int {
    return Live(s) && Live(s)->IsFocused() ? 1 : 0;
  };
  c.get_name = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return FrameOf(s) ? NewUserFree(std::u16string()) : nullptr;
  };
  c.get_identifier = [](S* s) CEF_CALLBACK -> int64_t {
    return FrameOf(s) ? FrameOf(s)->browser()->main_frame_id() : 0;
  };
  c.get_parent = [](S*) CEF_CALLBACK -> cef_frame_t* { return nullptr; };
  c.get_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    if (!FrameOf(s))
      return nullptr;
    Browser* b = Live(s);
    return NewUserFree(b ? b->Url() : std::u16string());
  };
  c.get_browser = [](S* s) CEF_CALLBACK -> cef_browser_t* {
    return FrameOf(s) ? FrameOf(s)->browser()->Share() : nullptr;
  };
  c.get_v8context = [](S* s) CEF_CALLBACK -> struct _cef_v8context_t* {
    Browser* b = Live(s);
    return b ? b->ScriptContext() : nullptr;
  };
  c.visit_dom = [](S*, struct _cef_domvisitor_t* visitor) CEF_CALLBACK {
    ReleaseStruct(visitor);
  };
}

}  // namespace

cef_frame_t* NewFrameFor(Browser* browser) {
  return (new Frame(browser))->Give();
}

}  // namespace cefrt
