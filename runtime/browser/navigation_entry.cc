#include "runtime/browser/navigation_entry.h"

#include <memory>

#include "runtime/base/counted.h"
#include "runtime/base/function_task.h"
#include "runtime/base/text.h"
#include "runtime/browser/browser.h"

namespace cefrt {

namespace {

class NavigationEntry : public CountedStruct<cef_navigation_entry_t> {
 public:
  explicit NavigationEntry(const NavigationRecord& record);

 private:
  using S = cef_navigation_entry_t;
  ~NavigationEntry() override = default;

  static const NavigationRecord* Of(S* s) {
    NavigationEntry* e = From<NavigationEntry>(s);
    return e ? &e->record_ : nullptr;
  }
  template <std::u16string NavigationRecord::*field>
  static cef_string_userfree_t CEF_CALLBACK Text(S* s) {
    const NavigationRecord* r = Of(s);
    return r ? NewUserFree(r->*field) : nullptr;
  }

  const NavigationRecord record_;
};

NavigationEntry::NavigationEntry(const NavigationRecord& record)
    : CountedStruct("cef_navigation_entry_t"), record_(record) {
  S& c = s();
  // A snapshot: it stays readable after the visit.
  c.is_valid = [](S* s) CEF_CALLBACK -> int { return Of(s) ? 1 : 0; };
  c.get_url = &Text<&NavigationRecord::url>;
  c.get_display_url = &Text<&NavigationRecord::display_url>;
  c.get_original_url = &Text<&NavigationRecord::original_url>;
  c.get_title = &Text<&NavigationRecord::title>;
  c.get_transition_type = [](S* s) CEF_CALLBACK -> cef_transition_type_t {
    return Of(s) ? Of(s)->transition : TT_EXPLICIT;
  };
  c.has_post_data = [](S* s) CEF_CALLBACK -> int {
    return Of(s) && Of(s)->has_post_data ? 1 : 0;
  };
  c.get_completion_time = [](S* s) CEF_CALLBACK -> cef_time_t {
    return Of(s) ? Of(s)->completion_time : cef_time_t{};
  };
  c.get_http_status_code = [](S* s) CEF_CALLBACK -> int {
    return Of(s) ? Of(s)->http_status : 0;
  };
}

void Visit(Browser* browser, cef_navigation_entry_visitor_t* visitor,
           bool current_only) {
  if (!Offers(visitor, &cef_navigation_entry_visitor_t::visit) ||
      browser->closed() || !browser->HasView())
    return;
  std::vector<NavigationRecord> entries;
  int current = -1;
  if (!browser->NavigationHistory(&entries, &current) || entries.empty() ||
      current < 0 || current >= static_cast<int>(entries.size()))
    return;
  const int total = static_cast<int>(entries.size());
  for (int i = current_only ? current : 0; i < total; ++i) {
    AddRefStruct(visitor);  // the program may drop its own meanwhile
    const bool more =
        visitor->visit(visitor, NewNavigationEntry(entries[i]),
                       i == current ? 1 : 0, i, total) != 0;
    ReleaseStruct(visitor);
    if (!more || current_only)
      break;
  }
}

}  // namespace

cef_navigation_entry_t* NewNavigationEntry(const NavigationRecord& record) {
  return (new NavigationEntry(record))->Give();
}

void VisitNavigationEntries(Browser* browser,
                            cef_navigation_entry_visitor_t* visitor,
                            bool current_only) {
  // Released however the task ends, run or dropped at shut-down.
  std::shared_ptr<cef_navigation_entry_visitor_t> held(
      visitor, [](cef_navigation_entry_visitor_t* v) { ReleaseStruct(v); });
  if (!browser || !visitor)
    return;
  Ref<Browser> keep(browser);
  RunOnUi([keep, held, current_only] {
    Visit(keep.get(), held.get(), current_only);
  });
}

void NotifyFindResult(Browser* browser, int identifier, int count,
                      int active_match, bool final_update) {
  if (browser->closed())
    return;
  Ref<Browser> keep(browser);
  cef_find_handler_t* h =
      Handler(browser->client(), &cef_client_t::get_find_handler);
  if (Offers(h, &cef_find_handler_t::on_find_result)) {
    // The engine does not say where the active match is.
    const cef_rect_t none = {};
    h->on_find_result(h, browser->Share(), identifier, count, &none,
                      active_match, final_update ? 1 : 0);
  }
  ReleaseStruct(h);
}

}  // namespace cefrt
