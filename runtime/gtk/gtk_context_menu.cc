// The context menu: WebKit's entries as the library's menu model, and back.
#include <memory>
#include <string>
#include <vector>

#include "runtime/gtk/gtk_browser.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

// The library's ids for WebKit's own entries; the rest get ids of their own
// below the program's range.
int CommandIdFor(WebKitContextMenuAction action) {
  switch (action) {
    case WEBKIT_CONTEXT_MENU_ACTION_GO_BACK: return 100;
    case WEBKIT_CONTEXT_MENU_ACTION_GO_FORWARD: return 101;
    case WEBKIT_CONTEXT_MENU_ACTION_RELOAD: return 102;
    case WEBKIT_CONTEXT_MENU_ACTION_STOP: return 104;
    case WEBKIT_CONTEXT_MENU_ACTION_CUT: return 112;
    case WEBKIT_CONTEXT_MENU_ACTION_COPY: return 113;
    case WEBKIT_CONTEXT_MENU_ACTION_PASTE: return 114;
    case WEBKIT_CONTEXT_MENU_ACTION_DELETE: return 115;
    case WEBKIT_CONTEXT_MENU_ACTION_SELECT_ALL: return 116;
    case WEBKIT_CONTEXT_MENU_ACTION_NO_GUESSES_FOUND: return 205;
    case WEBKIT_CONTEXT_MENU_ACTION_LEARN_SPELLING: return 206;
    default: return 1000 + static_cast<int>(action);
  }
}

// GTK marks mnemonics with '_', the library with '&'.
std::u16string LabelFromGtk(const char* label) {
  std::string out;
  for (const char* p = label; p && *p; ++p) {
    if (*p == '_' && p[1] == '_') {
      out += '_';
      ++p;
    } else if (*p == '_') {
      out += '&';
    } else if (*p == '&') {
      out += "&&";
    } else {
      out += *p;
    }
  }
  return Utf8ToU16(out);
}

std::string LabelToGtk(const std::u16string& label) {
  std::string out;
  const std::string in = U16ToUtf8(label);
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == '&' && i + 1 < in.size() && in[i + 1] == '&') {
      out += '&';
      ++i;
    } else if (in[i] == '&') {
      out += '_';
    } else if (in[i] == '_') {
      out += "__";
    } else {
      out += in[i];
    }
  }
  return out;
}

Ref<MenuModel> ModelFrom(WebKitContextMenu* menu) {
  Ref<MenuModel> model = Ref<MenuModel>::Adopt(new MenuModel());
  for (GList* l = webkit_context_menu_get_items(menu); l; l = l->next) {
    WebKitContextMenuItem* native = WEBKIT_CONTEXT_MENU_ITEM(l->data);
    MenuModel::Item item;
    item.native = std::shared_ptr<void>(g_object_ref(native), g_object_unref);
    if (webkit_context_menu_item_is_separator(native)) {
      item.type = MENUITEMTYPE_SEPARATOR;
      model->AppendNative(std::move(item));
      continue;
    }
    item.command_id =
        CommandIdFor(webkit_context_menu_item_get_stock_action(native));
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GtkAction* action = webkit_context_menu_item_get_action(native);
    if (action) {
      item.label = LabelFromGtk(gtk_action_get_label(action));
      item.enabled = gtk_action_get_sensitive(action);
      item.visible = gtk_action_get_visible(action);
      if (GTK_IS_TOGGLE_ACTION(action)) {
        item.type = GTK_IS_RADIO_ACTION(action) ? MENUITEMTYPE_RADIO
                                                : MENUITEMTYPE_CHECK;
        item.checked =
            gtk_toggle_action_get_active(GTK_TOGGLE_ACTION(action));
      }
    }
    G_GNUC_END_IGNORE_DEPRECATIONS
    if (WebKitContextMenu* sub = webkit_context_menu_item_get_submenu(native)) {
      item.type = MENUITEMTYPE_SUBMENU;
      item.submenu = ModelFrom(sub);
    } else if (item.type == MENUITEMTYPE_NONE) {
      item.type = MENUITEMTYPE_COMMAND;
    }
    model->AppendNative(std::move(item));
  }
  return model;
}

struct MenuCommand {
  Ref<Browser> browser;
  Ref<ContextMenuParams> params;
  int command_id;
};

// Rebuilds `menu` from what the handler left in the model: WebKit's own
// entries stay as they were, the program's run its command handler.
void ApplyModel(WebKitContextMenu* menu, MenuModel* model, GtkBrowser* browser,
                ContextMenuParams* params) {
  std::vector<MenuModel::Item> items = model->Items();
  webkit_context_menu_remove_all(menu);
  for (MenuModel::Item& item : items) {
    if (!item.visible)
      continue;
    WebKitContextMenuItem* out = nullptr;
    if (item.type == MENUITEMTYPE_SEPARATOR) {
      out = webkit_context_menu_item_new_separator();
    } else if (item.type == MENUITEMTYPE_SUBMENU && item.submenu) {
      WebKitContextMenu* sub = webkit_context_menu_new();
      ApplyModel(sub, item.submenu.get(), browser, params);
      out = webkit_context_menu_item_new_with_submenu(
          LabelToGtk(item.label).c_str(), sub);
    } else if (item.native) {
      out = WEBKIT_CONTEXT_MENU_ITEM(item.native.get());
    } else {
      GSimpleAction* action = g_simple_action_new("cefrt-command", nullptr);
      g_simple_action_set_enabled(action, item.enabled);
      MenuCommand* command =
          new MenuCommand{Ref<Browser>(browser), Ref<ContextMenuParams>(params),
                          item.command_id};
      g_signal_connect_data(
          action, "activate",
          G_CALLBACK(+[](GSimpleAction*, GVariant*, gpointer data) {
            MenuCommand* cmd = static_cast<MenuCommand*>(data);
            cmd->browser->RunContextMenuCommand(cmd->params.get(),
                                                cmd->command_id);
          }),
          command,
          +[](gpointer data, GClosure*) {
            delete static_cast<MenuCommand*>(data);
          },
          GConnectFlags(0));
      out = webkit_context_menu_item_new_from_gaction(
          G_ACTION(action), LabelToGtk(item.label).c_str(), nullptr);
      g_object_unref(action);
    }
    webkit_context_menu_append(menu, out);
  }
}

}  // namespace

bool GtkBrowser::OnContextMenu(WebKitContextMenu* menu, GdkEvent* event,
                            WebKitHitTestResult* hit) {
  Ref<Browser> keep(this);
  ContextMenuParams::Data data;
  gdouble x = 0, y = 0;
  if (event && gdk_event_get_coords(event, &x, &y)) {
    data.x = static_cast<int>(x);
    data.y = static_cast<int>(y);
  }
  const gchar* page = webkit_web_view_get_uri(view_);
  data.page_url = data.frame_url = Utf8ToU16(page ? page : "");
  data.type_flags = CM_TYPEFLAG_PAGE;
  if (hit) {
    if (webkit_hit_test_result_context_is_link(hit)) {
      data.type_flags |= CM_TYPEFLAG_LINK;
      const gchar* link = webkit_hit_test_result_get_link_uri(hit);
      data.link_url = data.unfiltered_link_url = Utf8ToU16(link ? link : "");
    }
    if (webkit_hit_test_result_context_is_image(hit)) {
      data.type_flags |= CM_TYPEFLAG_MEDIA;
      data.media_type = CM_MEDIATYPE_IMAGE;
      data.has_image_contents = true;
      const gchar* src = webkit_hit_test_result_get_image_uri(hit);
      data.source_url = Utf8ToU16(src ? src : "");
    } else if (webkit_hit_test_result_context_is_media(hit)) {
      data.type_flags |= CM_TYPEFLAG_MEDIA;
      data.media_type = CM_MEDIATYPE_VIDEO;
      const gchar* src = webkit_hit_test_result_get_media_uri(hit);
      data.source_url = Utf8ToU16(src ? src : "");
    }
    if (webkit_hit_test_result_context_is_selection(hit))
      data.type_flags |= CM_TYPEFLAG_SELECTION;
    if (webkit_hit_test_result_context_is_editable(hit)) {
      data.type_flags |= CM_TYPEFLAG_EDITABLE;
      data.is_editable = true;
    }
  }
  Ref<MenuModel> model = ModelFrom(menu);
  Ref<ContextMenuParams> params =
      Ref<ContextMenuParams>::Adopt(new ContextMenuParams(data));
  if (!AskContextMenu(model.get(), params.get()))
    return false;  // WebKit's menu as it is
  if (!view_ || model->Count() == 0)
    return true;  // nothing left to show
  ApplyModel(menu, model.get(), this, params.get());
  menu_ = model;
  menu_params_ = params;
  return false;
}

void GtkBrowser::OnContextMenuDismissed() {
  Ref<Browser> keep(this);
  menu_.reset();
  menu_params_.reset();
  NotifyContextMenuDismissed();
}

}  // namespace cefrt
