// The navigation history on WebKit's back-forward list. WebKit's items keep
// only addresses (and not always titles): what else the program may ask
// about an entry rides on the item itself, so it goes when WebKit drops the
// item.
#include <string>

#include "runtime/base/civil_time.h"
#include "runtime/base/text.h"
#include "runtime/gtk/gtk_browser.h"

namespace cefrt {

namespace {

constexpr const char kRecordKey[] = "cefrt-navigation-record";

struct ItemRecord {
  std::string title;
  cef_transition_type_t transition = TT_EXPLICIT;
  bool post = false;
  cef_time_t completed = {};
  int status = 0;
};

ItemRecord* RecordOf(WebKitBackForwardListItem* item) {
  if (!item)
    return nullptr;
  auto* record =
      static_cast<ItemRecord*>(g_object_get_data(G_OBJECT(item), kRecordKey));
  if (!record) {
    record = new ItemRecord;
    g_object_set_data_full(G_OBJECT(item), kRecordKey, record,
                           +[](gpointer p) { delete static_cast<ItemRecord*>(p); });
  }
  return record;
}

}  // namespace

cef_transition_type_t TransitionOf(WebKitNavigationType type) {
  switch (type) {
    case WEBKIT_NAVIGATION_TYPE_LINK_CLICKED:
      return TT_LINK;
    case WEBKIT_NAVIGATION_TYPE_FORM_SUBMITTED:
    case WEBKIT_NAVIGATION_TYPE_FORM_RESUBMITTED:
      return TT_FORM_SUBMIT;
    case WEBKIT_NAVIGATION_TYPE_RELOAD:
      return TT_RELOAD;
    case WEBKIT_NAVIGATION_TYPE_BACK_FORWARD:
      // How the entry was first reached is the history's to add.
      return static_cast<cef_transition_type_t>(TT_EXPLICIT |
                                                TT_FORWARD_BACK_FLAG);
    default:
      return TT_EXPLICIT;  // the program's loads, and what WebKit won't say
  }
}

void GtkBrowser::ConnectHistory() {
  g_signal_connect(
      view_, "decide-policy",
      G_CALLBACK(+[](WebKitWebView*, WebKitPolicyDecision* decision,
                     WebKitPolicyDecisionType type, gpointer self) {
        return static_cast<GtkBrowser*>(self)->OnNavigationPolicy(decision,
                                                                  type)
                   ? TRUE
                   : FALSE;
      }),
      this);
  g_signal_connect(
      view_, "load-changed",
      G_CALLBACK(+[](WebKitWebView*, WebKitLoadEvent e, gpointer self) {
        static_cast<GtkBrowser*>(self)->RecordHistory(e);
      }),
      this);
  g_signal_connect(webkit_web_view_get_find_controller(view_),
                   "counted-matches",
                   G_CALLBACK(+[](WebKitFindController*, guint count,
                                  gpointer self) {
                     static_cast<GtkBrowser*>(self)->OnFindCounted(count);
                   }),
                   this);
  g_signal_connect(view_, "notify::title",
                   G_CALLBACK(+[](GObject*, GParamSpec*, gpointer self) {
                     static_cast<GtkBrowser*>(self)->RecordTitle();
                   }),
                   this);
}

bool GtkBrowser::OnNavigationPolicy(WebKitPolicyDecision* decision,
                                    WebKitPolicyDecisionType type) {
  // Only looks: whoever decides comes after.
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION)
    return false;
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const WebKitNavigationType nav =
      webkit_navigation_action_get_navigation_type(action);
  WebKitURIRequest* request = webkit_navigation_action_get_request(action);
  const char* method =
      request ? webkit_uri_request_get_http_method(request) : nullptr;
  navigation_ = PendingNavigation();
  navigation_.transition = TransitionOf(nav);
  navigation_.back_forward = nav == WEBKIT_NAVIGATION_TYPE_BACK_FORWARD;
  navigation_.post = method && g_ascii_strcasecmp(method, "POST") == 0;
  return false;
}

void GtkBrowser::RecordHistory(WebKitLoadEvent event) {
  if (!view_)
    return;
  WebKitBackForwardListItem* item = webkit_back_forward_list_get_current_item(
      webkit_web_view_get_back_forward_list(view_));
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      history_committed_ = false;
      break;
    case WEBKIT_LOAD_REDIRECTED:
      navigation_.redirected = true;
      break;
    case WEBKIT_LOAD_COMMITTED:
    case WEBKIT_LOAD_FINISHED: {
      ItemRecord* record = RecordOf(item);
      if (!record)
        break;
      if (event == WEBKIT_LOAD_COMMITTED) {
        history_committed_ = true;
        // Going back or forward keeps how the entry was first reached.
        uint32_t transition = navigation_.back_forward
                                  ? (record->transition | TT_FORWARD_BACK_FLAG)
                                  : navigation_.transition;
        if (navigation_.redirected)
          transition |= TT_SERVER_REDIRECT_FLAG;
        record->transition = static_cast<cef_transition_type_t>(transition);
        if (!navigation_.back_forward)
          record->post = navigation_.post;
        navigation_ = PendingNavigation();
      } else {
        if (load_failed_)
          break;
        record->completed = TimeNow();
      }
      WebKitWebResource* main = webkit_web_view_get_main_resource(view_);
      WebKitURIResponse* response =
          main ? webkit_web_resource_get_response(main) : nullptr;
      if (response)
        record->status =
            static_cast<int>(webkit_uri_response_get_status_code(response));
      RecordTitle();
      break;
    }
    default:
      break;
  }
}

void GtkBrowser::RecordTitle() {
  // Before the commit the current item is still the page being left.
  if (!view_ || !history_committed_)
    return;
  ItemRecord* record = RecordOf(webkit_back_forward_list_get_current_item(
      webkit_web_view_get_back_forward_list(view_)));
  const gchar* title = webkit_web_view_get_title(view_);
  if (record)
    record->title = title ? title : "";
}

bool GtkBrowser::NavigationHistory(std::vector<NavigationRecord>* entries,
                                   int* current) {
  WebKitBackForwardList* list = webkit_web_view_get_back_forward_list(view_);
  if (!webkit_back_forward_list_get_current_item(list))
    return false;
  GList* back = webkit_back_forward_list_get_back_list(list);
  GList* forward = webkit_back_forward_list_get_forward_list(list);
  const int behind = static_cast<int>(g_list_length(back));
  const int ahead = static_cast<int>(g_list_length(forward));
  g_list_free(back);
  g_list_free(forward);
  entries->clear();
  for (int i = -behind; i <= ahead; ++i) {
    WebKitBackForwardListItem* item =
        webkit_back_forward_list_get_nth_item(list, i);
    if (!item)
      return false;
    const ItemRecord* record = RecordOf(item);
    const gchar* uri = webkit_back_forward_list_item_get_uri(item);
    const gchar* original =
        webkit_back_forward_list_item_get_original_uri(item);
    const gchar* title = webkit_back_forward_list_item_get_title(item);
    NavigationRecord entry;
    entry.url = Utf8ToU16(uri ? uri : "");
    entry.display_url = entry.url;
    entry.original_url = Utf8ToU16(original ? original : "");
    entry.title = Utf8ToU16(!record->title.empty() ? record->title
                            : title               ? title
                                                  : "");
    entry.transition = record->transition;
    entry.has_post_data = record->post;
    entry.completion_time = record->completed;
    entry.http_status = record->status;
    entries->push_back(std::move(entry));
  }
  *current = behind;
  return true;
}

}  // namespace cefrt
