#ifndef CEF_LIBCEF_DLL_CTOCPP_MENU_MODEL_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_MENU_MODEL_PROXY_H_

#include "include/cef_context_menu.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefMenuModelProxy final
    : public ObjectProxy<CefMenuModelProxy, CefMenuModel, cef_menu_model_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_MENU_MODEL;

  bool Clear() override { return Forward(&S::clear); }
  int GetCount() override { return Forward(&S::get_count); }
  bool AddSeparator() override { return Forward(&S::add_separator); }
  bool AddItem(int command_id, const CefString& label) override {
    return Forward(&S::add_item, command_id, Required(label));
  }
  bool AddCheckItem(int command_id, const CefString& label) override {
    return Forward(&S::add_check_item, command_id, Required(label));
  }
  bool AddRadioItem(int command_id, const CefString& label,
                    int group_id) override {
    return Forward(&S::add_radio_item, command_id, Required(label), group_id);
  }
  CefRefPtr<CefMenuModel> AddSubMenu(int command_id,
                                     const CefString& label) override {
    return Forward(&S::add_sub_menu, command_id, Required(label));
  }
  bool InsertSeparatorAt(int index) override {
    return Forward(&S::insert_separator_at, index);
  }
  bool InsertItemAt(int index, int command_id,
                    const CefString& label) override {
    return Forward(&S::insert_item_at, index, command_id, Required(label));
  }
  bool InsertCheckItemAt(int index, int command_id,
                         const CefString& label) override {
    return Forward(&S::insert_check_item_at, index, command_id,
                   Required(label));
  }
  bool InsertRadioItemAt(int index, int command_id, const CefString& label,
                         int group_id) override {
    return Forward(&S::insert_radio_item_at, index, command_id,
                   Required(label), group_id);
  }
  CefRefPtr<CefMenuModel> InsertSubMenuAt(int index, int command_id,
                                          const CefString& label) override {
    return Forward(&S::insert_sub_menu_at, index, command_id, Required(label));
  }
  bool Remove(int command_id) override {
    return Forward(&S::remove, command_id);
  }
  bool RemoveAt(int index) override { return Forward(&S::remove_at, index); }
  // A menu that cannot answer must not claim the item sits first.
  int GetIndexOf(int command_id) override {
    return ForwardOr(-1, &S::get_index_of, command_id);
  }
  int GetCommandIdAt(int index) override {
    return Forward(&S::get_command_id_at, index);
  }
  bool SetCommandIdAt(int index, int command_id) override {
    return Forward(&S::set_command_id_at, index, command_id);
  }
  CefString GetLabel(int command_id) override {
    return Forward(&S::get_label, command_id);
  }
  CefString GetLabelAt(int index) override {
    return Forward(&S::get_label_at, index);
  }
  bool SetLabel(int command_id, const CefString& label) override {
    return Forward(&S::set_label, command_id, Required(label));
  }
  bool SetLabelAt(int index, const CefString& label) override {
    return Forward(&S::set_label_at, index, Required(label));
  }
  MenuItemType GetType(int command_id) override {
    return Forward(&S::get_type, command_id);
  }
  MenuItemType GetTypeAt(int index) override {
    return Forward(&S::get_type_at, index);
  }
  int GetGroupId(int command_id) override {
    return Forward(&S::get_group_id, command_id);
  }
  int GetGroupIdAt(int index) override {
    return Forward(&S::get_group_id_at, index);
  }
  bool SetGroupId(int command_id, int group_id) override {
    return Forward(&S::set_group_id, command_id, group_id);
  }
  bool SetGroupIdAt(int index, int group_id) override {
    return Forward(&S::set_group_id_at, index, group_id);
  }
  CefRefPtr<CefMenuModel> GetSubMenu(int command_id) override {
    return Forward(&S::get_sub_menu, command_id);
  }
  CefRefPtr<CefMenuModel> GetSubMenuAt(int index) override {
    return Forward(&S::get_sub_menu_at, index);
  }
  bool IsVisible(int command_id) override {
    return Forward(&S::is_visible, command_id);
  }
  bool IsVisibleAt(int index) override {
    return Forward(&S::is_visible_at, index);
  }
  bool SetVisible(int command_id, bool visible) override {
    return Forward(&S::set_visible, command_id, visible);
  }
  bool SetVisibleAt(int index, bool visible) override {
    return Forward(&S::set_visible_at, index, visible);
  }
  bool IsEnabled(int command_id) override {
    return Forward(&S::is_enabled, command_id);
  }
  bool IsEnabledAt(int index) override {
    return Forward(&S::is_enabled_at, index);
  }
  bool SetEnabled(int command_id, bool enabled) override {
    return Forward(&S::set_enabled, command_id, enabled);
  }
  bool SetEnabledAt(int index, bool enabled) override {
    return Forward(&S::set_enabled_at, index, enabled);
  }
  bool IsChecked(int command_id) override {
    return Forward(&S::is_checked, command_id);
  }
  bool IsCheckedAt(int index) override {
    return Forward(&S::is_checked_at, index);
  }
  bool SetChecked(int command_id, bool checked) override {
    return Forward(&S::set_checked, command_id, checked);
  }
  bool SetCheckedAt(int index, bool checked) override {
    return Forward(&S::set_checked_at, index, checked);
  }
  bool HasAccelerator(int command_id) override {
    return Forward(&S::has_accelerator, command_id);
  }
  bool HasAcceleratorAt(int index) override {
    return Forward(&S::has_accelerator_at, index);
  }
  bool SetAccelerator(int command_id, int key_code, bool shift_pressed,
                      bool ctrl_pressed, bool alt_pressed) override {
    return Forward(&S::set_accelerator, command_id, key_code, shift_pressed,
                   ctrl_pressed, alt_pressed);
  }
  bool SetAcceleratorAt(int index, int key_code, bool shift_pressed,
                        bool ctrl_pressed, bool alt_pressed) override {
    return Forward(&S::set_accelerator_at, index, key_code, shift_pressed,
                   ctrl_pressed, alt_pressed);
  }
  bool RemoveAccelerator(int command_id) override {
    return Forward(&S::remove_accelerator, command_id);
  }
  bool RemoveAcceleratorAt(int index) override {
    return Forward(&S::remove_accelerator_at, index);
  }
  bool GetAccelerator(int command_id, int& key_code, bool& shift_pressed,
                      bool& ctrl_pressed, bool& alt_pressed) override {
    return Forward(&S::get_accelerator, command_id, InOut(key_code),
                   InOut(shift_pressed), InOut(ctrl_pressed),
                   InOut(alt_pressed));
  }
  bool GetAcceleratorAt(int index, int& key_code, bool& shift_pressed,
                        bool& ctrl_pressed, bool& alt_pressed) override {
    return Forward(&S::get_accelerator_at, index, InOut(key_code),
                   InOut(shift_pressed), InOut(ctrl_pressed),
                   InOut(alt_pressed));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_MENU_MODEL_PROXY_H_
