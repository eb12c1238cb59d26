#include "runtime/browser/host.h"

#include <cmath>

#include "include/capi/cef_callbacks_capi.h"
#include "include/capi/cef_callbacks_program_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "include/capi/cef_request_context_capi.h"
#include "runtime/browser/browser.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

class Host : public CountedStruct<cef_browser_host_t> {
 public:
  explicit Host(Browser* browser);
  Browser* browser() const { return browser_.get(); }

 private:
  ~Host() override = default;
  Ref<Browser> browser_;
};

Browser* HostBrowser(cef_browser_host_t* s) {
  Host* h = CountedStruct<cef_browser_host_t>::From<Host>(s);
  return h ? h->browser() : nullptr;
}

// The host's browser while it still has a view.
Browser* Live(cef_browser_host_t* s) {
  Browser* b = HostBrowser(s);
  return b && b->HasView() ? b : nullptr;
}

Host::Host(Browser* browser)
    : CountedStruct("cef_browser_host_t"), browser_(browser) {
  using S = cef_browser_host_t;
  cef_browser_host_t& c = s();
  c.get_browser = [](S* s) CEF_CALLBACK -> cef_browser_t* {
    return HostBrowser(s) ? HostBrowser(s)->Share() : nullptr;
  };
  c.close_browser = [](S* s, int force) CEF_CALLBACK {
    if (Browser* b = HostBrowser(s)) {
      Ref<Browser> keep(b);
      RunOnUi([keep, force] { keep->RequestClose(force != 0); });
    }
  };
  c.set_focus = [](S* s, int focus) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && focus)
      b->Focus();
  };
  c.set_window_visibility = [](S* s, int visible) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->SetVisible(visible != 0);
  };
  c.get_window_handle = [](S* s) CEF_CALLBACK -> cef_window_handle_t {
    Browser* b = Live(s);
    return b ? b->WindowHandle() : nullptr;
  };
  c.get_opener_window_handle = [](S* s) CEF_CALLBACK -> cef_window_handle_t {
    Browser* b = Live(s);
    return b ? b->OpenerHandle() : nullptr;
  };
  c.get_client = [](S* s) CEF_CALLBACK -> cef_client_t* {
    Browser* b = HostBrowser(s);
    cef_client_t* client = b ? b->client() : nullptr;
    AddRefStruct(client);
    return client;
  };
  c.get_request_context = [](S* s) CEF_CALLBACK -> cef_request_context_t* {
    Browser* b = HostBrowser(s);
    if (!b)
      return nullptr;
    if (cef_request_context_t* context = b->request_context()) {
      AddRefStruct(context);
      return context;
    }
    return cef_request_context_get_global_context();
  };
  // The view is the UI thread's: elsewhere the level is unknown, and a new
  // one goes there.
  c.get_zoom_level = [](S* s) CEF_CALLBACK -> double {
    Browser* b = Live(s);
    return b && cef_currently_on(TID_UI) ? b->ZoomLevel() : 0.0;
  };
  c.set_zoom_level = [](S* s, double level) CEF_CALLBACK {
    Browser* b = HostBrowser(s);
    if (!b || std::isnan(level))
      return;
    Ref<Browser> keep(b);
    RunOnUi([keep, level] {
      if (keep->HasView())
        keep->SetZoomLevel(level);
    });
  };
  // No dialog of its own: answered as dismissed.
  c.run_file_dialog = [](S*, cef_file_dialog_mode_t, const cef_string_t*,
                         const cef_string_t*, cef_string_list_t, int,
                         struct _cef_run_file_dialog_callback_t* callback) CEF_CALLBACK {
    if (Offers(callback, &cef_run_file_dialog_callback_t::
                             on_file_dialog_dismissed)) {
      cef_string_list_t none = cef_string_list_alloc();
      callback->on_file_dialog_dismissed(callback, 0, none);
      cef_string_list_free(none);
    }
    ReleaseStruct(callback);
  };
  c.start_download = [](S* s, const cef_string_t* url) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && !Blank(url))
      b->StartDownload(Utf8FromCef(url));
  };
  c.print = [](S* s) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->Print();
  };
  // No view here prints to PDF without a dialog: reported as failed.
  c.print_to_pdf = [](S*, const cef_string_t* path,
                      const cef_pdf_print_settings_t*,
                      struct _cef_pdf_print_callback_t* callback) CEF_CALLBACK {
    if (Offers(callback, &cef_pdf_print_callback_t::on_pdf_print_finished))
      callback->on_pdf_print_finished(callback, path, 0);
    ReleaseStruct(callback);
  };
  c.find = [](S* s, int identifier, const cef_string_t* text, int forward,
              int match_case, int find_next) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && !Blank(text))
      b->Find(identifier, Utf8FromCef(text), forward != 0, match_case != 0,
              find_next != 0);
  };
  c.stop_finding = [](S* s, int clear_selection) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->StopFinding(clear_selection != 0);
  };
  // The views' inspectors have windows of their own; the arguments that
  // would describe another one do not apply.
  c.show_dev_tools = [](S* s, const cef_window_info_t*,
                        struct _cef_client_t* client,
                        const cef_browser_settings_t*, const cef_point_t*) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->ShowDevTools();
    ReleaseStruct(client);
  };
  c.close_dev_tools = [](S* s) CEF_CALLBACK {
    if (Browser* b = Live(s))
      b->CloseDevTools();
  };
  c.get_navigation_entries = [](S* s, struct _cef_navigation_entry_visitor_t* v,
                                int current_only) CEF_CALLBACK {
    VisitNavigationEntries(HostBrowser(s), v, current_only != 0);
  };
  // The members below serve off-screen rendering, spelling and drag
  // embedding, none of which a view in its own window takes from outside;
  // they keep the library's defaults.
  c.set_mouse_cursor_change_disabled = [](S*, int) CEF_CALLBACK {};
  c.is_mouse_cursor_change_disabled = [](S*) CEF_CALLBACK -> int { return 0; };
  c.replace_misspelling = [](S*, const cef_string_t*) CEF_CALLBACK {};
  c.add_word_to_dictionary = [](S*, const cef_string_t*) CEF_CALLBACK {};
  c.is_window_rendering_disabled = [](S*) CEF_CALLBACK -> int { return 0; };
  c.was_resized = [](S*) CEF_CALLBACK {};
  c.was_hidden = [](S*, int) CEF_CALLBACK {};
  c.notify_screen_info_changed = [](S*) CEF_CALLBACK {};
  c.invalidate = [](S*, cef_paint_element_type_t) CEF_CALLBACK {};
  c.send_key_event = [](S*, const cef_key_event_t*) CEF_CALLBACK {};
  c.send_mouse_click_event = [](S*, const cef_mouse_event_t*,
                                cef_mouse_button_type_t, int, int) CEF_CALLBACK {};
  c.send_mouse_move_event = [](S*, const cef_mouse_event_t*, int) CEF_CALLBACK {};
  c.send_mouse_wheel_event = [](S*, const cef_mouse_event_t*, int, int) CEF_CALLBACK {};
  c.send_focus_event = [](S* s, int focus) CEF_CALLBACK {
    Browser* b = Live(s);
    if (b && focus)
      b->Focus();
  };
  c.send_capture_lost_event = [](S*) CEF_CALLBACK {};
  c.notify_move_or_resize_started = [](S*) CEF_CALLBACK {};
  c.get_windowless_frame_rate = [](S*) CEF_CALLBACK -> int { return 0; };
  c.set_windowless_frame_rate = [](S*, int) CEF_CALLBACK {};
  c.get_nstext_input_context = [](S*) CEF_CALLBACK -> cef_text_input_context_t {
    return nullptr;
  };
  c.handle_key_event_before_text_input_client = [](S*, cef_event_handle_t) CEF_CALLBACK {};
  c.handle_key_event_after_text_input_client = [](S*, cef_event_handle_t) CEF_CALLBACK {};
  c.drag_target_drag_enter = [](S*, struct _cef_drag_data_t* data,
                                const cef_mouse_event_t*,
                                cef_drag_operations_mask_t) CEF_CALLBACK {
    ReleaseStruct(data);
  };
  c.drag_target_drag_over = [](S*, const cef_mouse_event_t*,
                               cef_drag_operations_mask_t) CEF_CALLBACK {};
  c.drag_target_drag_leave = [](S*) CEF_CALLBACK {};
  c.drag_target_drop = [](S*, const cef_mouse_event_t*) CEF_CALLBACK {};
  c.drag_source_ended_at = [](S*, int, int, cef_drag_operations_mask_t) CEF_CALLBACK {};
  c.drag_source_system_drag_ended = [](S*) CEF_CALLBACK {};
}

}  // namespace

cef_browser_host_t* NewHostFor(Browser* browser) {
  return (new Host(browser))->Give();
}

}  // namespace cefrt
