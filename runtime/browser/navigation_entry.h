// Navigation history as the program sees it: one entry per page the
// browser's history holds, each a snapshot the view fills in.
#ifndef CEF_RUNTIME_BROWSER_NAVIGATION_ENTRY_H_
#define CEF_RUNTIME_BROWSER_NAVIGATION_ENTRY_H_

#include <string>
#include <vector>

#include "include/capi/cef_navigation_entry_capi.h"
#include "include/capi/cef_visitors_capi.h"

namespace cefrt {

class Browser;

struct NavigationRecord {
  std::u16string url;
  std::u16string display_url;
  std::u16string original_url;  // before redirects
  std::u16string title;
  cef_transition_type_t transition = TT_EXPLICIT;
  bool has_post_data = false;
  cef_time_t completion_time = {};  // all 0 until the load completed
  int http_status = 0;
};

cef_navigation_entry_t* NewNavigationEntry(const NavigationRecord& record);

// Hands `browser`'s history to `visitor` on the UI thread, oldest first,
// until the visitor answers false; only the current entry when
// `current_only`. Releases the visitor.
void VisitNavigationEntries(Browser* browser,
                            cef_navigation_entry_visitor_t* visitor,
                            bool current_only);

// Tells the client's find handler how a find went.
void NotifyFindResult(Browser* browser, int identifier, int count,
                      int active_match, bool final_update);

}  // namespace cefrt

#endif  // CEF_RUNTIME_BROWSER_NAVIGATION_ENTRY_H_
