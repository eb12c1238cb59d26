#include "runtime/browser/menu_model.h"

#include "runtime/base/text.h"

namespace cefrt {

namespace {

MenuModel* M(cef_menu_model_t* s) {
  return CountedStruct<cef_menu_model_t>::From<MenuModel>(s);
}

// The position of the item with `command_id`; -1 when none (or no model).
int ById(cef_menu_model_t* s, int command_id) {
  MenuModel* m = M(s);
  return m ? m->IndexOf(command_id) : -1;
}

bool Blank(const cef_string_t* s) {
  return !s || !s->str || s->length == 0;
}

MenuModel::Item NewItem(cef_menu_item_type_t type, int command_id,
                        const cef_string_t* label, int group_id = -1) {
  MenuModel::Item item;
  item.type = type;
  item.command_id = command_id;
  item.label = FromCef(label);
  item.group_id = group_id;
  return item;
}

int InsertAt(cef_menu_model_t* s, int index, MenuModel::Item item) {
  MenuModel* m = M(s);
  return m && m->Insert(index, std::move(item)) ? 1 : 0;
}

int Append(cef_menu_model_t* s, MenuModel::Item item) {
  MenuModel* m = M(s);
  return m && m->Insert(m->Count(), std::move(item)) ? 1 : 0;
}

// A new sub-menu in a new item; the result carries a reference for the
// caller.
cef_menu_model_t* InsertSubMenu(cef_menu_model_t* s, int index,
                                int command_id, const cef_string_t* label) {
  MenuModel* m = M(s);
  if (!m || Blank(label))
    return nullptr;
  MenuModel::Item item = NewItem(MENUITEMTYPE_SUBMENU, command_id, label);
  item.submenu = Ref<MenuModel>::Adopt(new MenuModel());
  MenuModel* sub = item.submenu.get();
  if (index < 0)
    index = m->Count();
  if (!m->Insert(index, std::move(item)))
    return nullptr;
  return sub->Share();
}

cef_string_userfree_t LabelAt(cef_menu_model_t* s, int index) {
  std::u16string label;
  MenuModel* m = M(s);
  if (!m || !m->WithItem(index, [&](const MenuModel::Item& i) {
        label = i.label;
      }))
    return nullptr;
  return NewUserFree(label);
}

int SetLabelAt(cef_menu_model_t* s, int index, const cef_string_t* label) {
  MenuModel* m = M(s);
  if (!m || Blank(label))
    return 0;
  const std::u16string text = FromCef(label);
  return m->WithItem(index, [&](MenuModel::Item& i) { i.label = text; }) ? 1
                                                                         : 0;
}

cef_menu_item_type_t TypeAt(cef_menu_model_t* s, int index) {
  cef_menu_item_type_t type = MENUITEMTYPE_NONE;
  if (MenuModel* m = M(s))
    m->WithItem(index, [&](const MenuModel::Item& i) { type = i.type; });
  return type;
}

int GroupIdAt(cef_menu_model_t* s, int index) {
  int group = -1;
  if (MenuModel* m = M(s))
    m->WithItem(index, [&](const MenuModel::Item& i) { group = i.group_id; });
  return group;
}

int SetGroupIdAt(cef_menu_model_t* s, int index, int group_id) {
  MenuModel* m = M(s);
  return m && m->WithItem(index,
                          [&](MenuModel::Item& i) { i.group_id = group_id; })
             ? 1
             : 0;
}

cef_menu_model_t* SubMenuAt(cef_menu_model_t* s, int index) {
  cef_menu_model_t* sub = nullptr;
  if (MenuModel* m = M(s)) {
    m->WithItem(index, [&](const MenuModel::Item& i) {
      if (i.submenu)
        sub = i.submenu->Share();
    });
  }
  return sub;
}

// The three boolean properties of an item.
enum Flag { kVisible, kEnabled, kChecked };

bool& FlagOf(MenuModel::Item& item, Flag flag) {
  switch (flag) {
    case kVisible:
      return item.visible;
    case kEnabled:
      return item.enabled;
    default:
      return item.checked;
  }
}

int GetFlagAt(cef_menu_model_t* s, int index, Flag flag) {
  bool value = false;
  if (MenuModel* m = M(s))
    m->WithItem(index, [&](MenuModel::Item& i) { value = FlagOf(i, flag); });
  return value ? 1 : 0;
}

int SetFlagAt(cef_menu_model_t* s, int index, Flag flag, int value) {
  MenuModel* m = M(s);
  if (!m)
    return 0;
  const cef_menu_item_type_t type = TypeAt(s, index);
  const bool checkable =
      type == MENUITEMTYPE_CHECK || type == MENUITEMTYPE_RADIO;
  if (flag == kChecked && !checkable)
    return 0;
  if (!m->WithItem(index,
                   [&](MenuModel::Item& i) { FlagOf(i, flag) = value != 0; }))
    return 0;
  // Checking a radio item unchecks the others of its group.
  if (flag == kChecked && value && type == MENUITEMTYPE_RADIO) {
    const int group = GroupIdAt(s, index);
    for (int k = 0; k < m->Count(); ++k) {
      if (k == index)
        continue;
      m->WithItem(k, [&](MenuModel::Item& i) {
        if (i.type == MENUITEMTYPE_RADIO && i.group_id == group)
          i.checked = false;
      });
    }
  }
  return 1;
}

int HasAcceleratorAt(cef_menu_model_t* s, int index) {
  bool has = false;
  if (MenuModel* m = M(s))
    m->WithItem(index,
                [&](const MenuModel::Item& i) { has = i.has_accelerator; });
  return has ? 1 : 0;
}

int SetAcceleratorAt(cef_menu_model_t* s, int index, int key_code, int shift,
                     int ctrl, int alt) {
  MenuModel* m = M(s);
  return m && m->WithItem(index,
                          [&](MenuModel::Item& i) {
                            i.has_accelerator = true;
                            i.key_code = key_code;
                            i.shift = shift != 0;
                            i.ctrl = ctrl != 0;
                            i.alt = alt != 0;
                          })
             ? 1
             : 0;
}

int RemoveAcceleratorAt(cef_menu_model_t* s, int index) {
  MenuModel* m = M(s);
  return m && m->WithItem(index,
                          [&](MenuModel::Item& i) {
                            i.has_accelerator = false;
                            i.key_code = 0;
                            i.shift = i.ctrl = i.alt = false;
                          })
             ? 1
             : 0;
}

int GetAcceleratorAt(cef_menu_model_t* s, int index, int* key_code,
                     int* shift, int* ctrl, int* alt) {
  MenuModel::Item copy;
  MenuModel* m = M(s);
  if (!m || !m->WithItem(index, [&](const MenuModel::Item& i) {
        copy.has_accelerator = i.has_accelerator;
        copy.key_code = i.key_code;
        copy.shift = i.shift;
        copy.ctrl = i.ctrl;
        copy.alt = i.alt;
      }))
    return 0;
  if (!copy.has_accelerator)
    return 0;
  if (key_code)
    *key_code = copy.key_code;
  if (shift)
    *shift = copy.shift;
  if (ctrl)
    *ctrl = copy.ctrl;
  if (alt)
    *alt = copy.alt;
  return 1;
}

}  // namespace

MenuModel::MenuModel() : CountedStruct("cef_menu_model_t") {
  cef_menu_model_t& c = s();
  c.clear = [](cef_menu_model_t* s) CEF_CALLBACK -> int {
    return M(s) && M(s)->Clear() ? 1 : 0;
  };
  c.get_count = [](cef_menu_model_t* s) CEF_CALLBACK -> int {
    return M(s) ? M(s)->Count() : 0;
  };
  c.add_separator = [](cef_menu_model_t* s) CEF_CALLBACK -> int {
    return Append(s, NewItem(MENUITEMTYPE_SEPARATOR, -1, nullptr));
  };
  c.add_item = [](cef_menu_model_t* s, int id,
                  const cef_string_t* label) CEF_CALLBACK -> int {
    return Blank(label) ? 0 : Append(s, NewItem(MENUITEMTYPE_COMMAND, id, label));
  };
  c.add_check_item = [](cef_menu_model_t* s, int id,
                        const cef_string_t* label) CEF_CALLBACK -> int {
    return Blank(label) ? 0 : Append(s, NewItem(MENUITEMTYPE_CHECK, id, label));
  };
  c.add_radio_item = [](cef_menu_model_t* s, int id, const cef_string_t* label,
                        int group) CEF_CALLBACK -> int {
    return Blank(label)
               ? 0
               : Append(s, NewItem(MENUITEMTYPE_RADIO, id, label, group));
  };
  c.add_sub_menu = [](cef_menu_model_t* s, int id, const cef_string_t* label)
      CEF_CALLBACK -> cef_menu_model_t* {
    return InsertSubMenu(s, -1, id, label);
  };
  c.insert_separator_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> int {
    return InsertAt(s, index, NewItem(MENUITEMTYPE_SEPARATOR, -1, nullptr));
  };
  c.insert_item_at = [](cef_menu_model_t* s, int index, int id,
                        const cef_string_t* label) CEF_CALLBACK -> int {
    return Blank(label)
               ? 0
               : InsertAt(s, index, NewItem(MENUITEMTYPE_COMMAND, id, label));
  };
  c.insert_check_item_at = [](cef_menu_model_t* s, int index, int id,
                              const cef_string_t* label) CEF_CALLBACK -> int {
    return Blank(label)
               ? 0
               : InsertAt(s, index, NewItem(MENUITEMTYPE_CHECK, id, label));
  };
  c.insert_radio_item_at = [](cef_menu_model_t* s, int index, int id,
                              const cef_string_t* label,
                              int group) CEF_CALLBACK -> int {
    return Blank(label) ? 0
                        : InsertAt(s, index,
                                   NewItem(MENUITEMTYPE_RADIO, id, label,
                                           group));
  };
  c.insert_sub_menu_at = [](cef_menu_model_t* s, int index, int id,
                            const cef_string_t* label)
      CEF_CALLBACK -> cef_menu_model_t* {
    return index < 0 ? nullptr : InsertSubMenu(s, index, id, label);
  };
  c.remove = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return M(s) && M(s)->RemoveAt(ById(s, id)) ? 1 : 0;
  };
  c.remove_at = [](cef_menu_model_t* s, int index) CEF_CALLBACK -> int {
    return M(s) && M(s)->RemoveAt(index) ? 1 : 0;
  };
  c.get_index_of = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return ById(s, id);
  };
  c.get_command_id_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> int {
    int id = -1;
    if (M(s))
      M(s)->WithItem(index, [&](const Item& i) { id = i.command_id; });
    return id;
  };
  c.set_command_id_at = [](cef_menu_model_t* s, int index, int id)
      CEF_CALLBACK -> int {
    return M(s) && M(s)->WithItem(index,
                                  [&](Item& i) { i.command_id = id; })
               ? 1
               : 0;
  };
  c.get_label = [](cef_menu_model_t* s, int id)
      CEF_CALLBACK -> cef_string_userfree_t {
    return LabelAt(s, ById(s, id));
  };
  c.get_label_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> cef_string_userfree_t { return LabelAt(s, index); };
  c.set_label = [](cef_menu_model_t* s, int id, const cef_string_t* label)
      CEF_CALLBACK -> int { return SetLabelAt(s, ById(s, id), label); };
  c.set_label_at = [](cef_menu_model_t* s, int index,
                      const cef_string_t* label) CEF_CALLBACK -> int {
    return SetLabelAt(s, index, label);
  };
  c.get_type = [](cef_menu_model_t* s, int id)
      CEF_CALLBACK -> cef_menu_item_type_t { return TypeAt(s, ById(s, id)); };
  c.get_type_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> cef_menu_item_type_t { return TypeAt(s, index); };
  c.get_group_id = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return GroupIdAt(s, ById(s, id));
  };
  c.get_group_id_at = [](cef_menu_model_t* s, int index) CEF_CALLBACK -> int {
    return GroupIdAt(s, index);
  };
  c.set_group_id = [](cef_menu_model_t* s, int id, int group)
      CEF_CALLBACK -> int { return SetGroupIdAt(s, ById(s, id), group); };
  c.set_group_id_at = [](cef_menu_model_t* s, int index, int group)
      CEF_CALLBACK -> int { return SetGroupIdAt(s, index, group); };
  c.get_sub_menu = [](cef_menu_model_t* s, int id)
      CEF_CALLBACK -> cef_menu_model_t* { return SubMenuAt(s, ById(s, id)); };
  c.get_sub_menu_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> cef_menu_model_t* { return SubMenuAt(s, index); };
  c.is_visible = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return GetFlagAt(s, ById(s, id), kVisible);
  };
  c.is_visible_at = [](cef_menu_model_t* s, int index) CEF_CALLBACK -> int {
    return GetFlagAt(s, index, kVisible);
  };
  c.set_visible = [](cef_menu_model_t* s, int id, int v) CEF_CALLBACK -> int {
    return SetFlagAt(s, ById(s, id), kVisible, v);
  };
  c.set_visible_at = [](cef_menu_model_t* s, int index, int v)
      CEF_CALLBACK -> int { return SetFlagAt(s, index, kVisible, v); };
  c.is_enabled = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return GetFlagAt(s, ById(s, id), kEnabled);
  };
  c.is_enabled_at = [](cef_menu_model_t* s, int index) CEF_CALLBACK -> int {
    return GetFlagAt(s, index, kEnabled);
  };
  c.set_enabled = [](cef_menu_model_t* s, int id, int v) CEF_CALLBACK -> int {
    return SetFlagAt(s, ById(s, id), kEnabled, v);
  };
  c.set_enabled_at = [](cef_menu_model_t* s, int index, int v)
      CEF_CALLBACK -> int { return SetFlagAt(s, index, kEnabled, v); };
  c.is_checked = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return GetFlagAt(s, ById(s, id), kChecked);
  };
  c.is_checked_at = [](cef_menu_model_t* s, int index) CEF_CALLBACK -> int {
    return GetFlagAt(s, index, kChecked);
  };
  c.set_checked = [](cef_menu_model_t* s, int id, int v) CEF_CALLBACK -> int {
    return SetFlagAt(s, ById(s, id), kChecked, v);
  };
  c.set_checked_at = [](cef_menu_model_t* s, int index, int v)
      CEF_CALLBACK -> int { return SetFlagAt(s, index, kChecked, v); };
  c.has_accelerator = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return HasAcceleratorAt(s, ById(s, id));
  };
  c.has_accelerator_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> int { return HasAcceleratorAt(s, index); };
  c.set_accelerator = [](cef_menu_model_t* s, int id, int key, int shift,
                         int ctrl, int alt) CEF_CALLBACK -> int {
    return SetAcceleratorAt(s, ById(s, id), key, shift, ctrl, alt);
  };
  c.set_accelerator_at = [](cef_menu_model_t* s, int index, int key, int shift,
                            int ctrl, int alt) CEF_CALLBACK -> int {
    return SetAcceleratorAt(s, index, key, shift, ctrl, alt);
  };
  c.remove_accelerator = [](cef_menu_model_t* s, int id) CEF_CALLBACK -> int {
    return RemoveAcceleratorAt(s, ById(s, id));
  };
  c.remove_accelerator_at = [](cef_menu_model_t* s, int index)
      CEF_CALLBACK -> int { return RemoveAcceleratorAt(s, index); };
  c.get_accelerator = [](cef_menu_model_t* s, int id, int* key, int* shift,
                         int* ctrl, int* alt) CEF_CALLBACK -> int {
    return GetAcceleratorAt(s, ById(s, id), key, shift, ctrl, alt);
  };
  c.get_accelerator_at = [](cef_menu_model_t* s, int index, int* key,
                            int* shift, int* ctrl, int* alt)
      CEF_CALLBACK -> int {
    return GetAcceleratorAt(s, index, key, shift, ctrl, alt);
  };
}

std::vector<MenuModel::Item> MenuModel::Items() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return items_;
}

void MenuModel::AppendNative(Item item) {
  std::lock_guard<std::mutex> lock(mutex_);
  items_.push_back(std::move(item));
}

int MenuModel::Count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(items_.size());
}

bool MenuModel::Clear() {
  std::vector<Item> dropped;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    dropped.swap(items_);
  }
  return true;
}

bool MenuModel::Insert(int index, Item item) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (index < 0 || index > static_cast<int>(items_.size()))
    return false;
  items_.insert(items_.begin() + index, std::move(item));
  return true;
}

bool MenuModel::RemoveAt(int index) {
  Item dropped;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < 0 || index >= static_cast<int>(items_.size()))
      return false;
    dropped = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
  }
  return true;
}

int MenuModel::IndexOf(int command_id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].command_id == command_id &&
        items_[i].type != MENUITEMTYPE_SEPARATOR)
      return static_cast<int>(i);
  }
  return -1;
}

namespace {

ContextMenuParams* P(cef_context_menu_params_t* s) {
  return CountedStruct<cef_context_menu_params_t>::From<ContextMenuParams>(s);
}

cef_string_userfree_t Text(cef_context_menu_params_t* s,
                           std::u16string ContextMenuParams::Data::*field) {
  return P(s) ? NewUserFree(P(s)->data().*field) : nullptr;
}

}  // namespace

ContextMenuParams::ContextMenuParams(const Data& data)
    : CountedStruct("cef_context_menu_params_t"), data_(data) {
  using S = cef_context_menu_params_t;
  using D = Data;
  cef_context_menu_params_t& c = s();
  c.get_xcoord = [](S* s) CEF_CALLBACK -> int { return P(s) ? P(s)->data().x : 0; };
  c.get_ycoord = [](S* s) CEF_CALLBACK -> int { return P(s) ? P(s)->data().y : 0; };
  c.get_type_flags = [](S* s) CEF_CALLBACK -> cef_context_menu_type_flags_t {
    return static_cast<cef_context_menu_type_flags_t>(
        P(s) ? P(s)->data().type_flags : 0);
  };
  c.get_link_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::link_url);
  };
  c.get_unfiltered_link_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::unfiltered_link_url);
  };
  c.get_source_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::source_url);
  };
  c.has_image_contents = [](S* s) CEF_CALLBACK -> int {
    return P(s) && P(s)->data().has_image_contents ? 1 : 0;
  };
  c.get_page_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::page_url);
  };
  c.get_frame_url = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::frame_url);
  };
  c.get_frame_charset = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::frame_charset);
  };
  c.get_media_type = [](S* s) CEF_CALLBACK -> cef_context_menu_media_type_t {
    return P(s) ? P(s)->data().media_type : CM_MEDIATYPE_NONE;
  };
  c.get_media_state_flags =
      [](S* s) CEF_CALLBACK -> cef_context_menu_media_state_flags_t {
    return static_cast<cef_context_menu_media_state_flags_t>(
        P(s) ? P(s)->data().media_state_flags : 0);
  };
  c.get_selection_text = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return Text(s, &D::selection_text);
  };
  // No spelling service: no misspelled word and no suggestions.
  c.get_misspelled_word = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    return P(s) ? NewUserFree(std::u16string()) : nullptr;
  };
  c.get_dictionary_suggestions = [](S*, cef_string_list_t) CEF_CALLBACK -> int {
    return 0;
  };
  c.is_editable = [](S* s) CEF_CALLBACK -> int {
    return P(s) && P(s)->data().is_editable ? 1 : 0;
  };
  c.is_spell_check_enabled = [](S*) CEF_CALLBACK -> int { return 0; };
  c.get_edit_state_flags =
      [](S* s) CEF_CALLBACK -> cef_context_menu_edit_state_flags_t {
    return static_cast<cef_context_menu_edit_state_flags_t>(
        P(s) ? P(s)->data().edit_state_flags : 0);
  };
  // Menus the page draws itself and plugin menus never reach this view.
  c.is_custom_menu = [](S*) CEF_CALLBACK -> int { return 0; };
  c.is_pepper_menu = [](S*) CEF_CALLBACK -> int { return 0; };
}

}  // namespace cefrt
