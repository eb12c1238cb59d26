// Where and on what a context menu was opened, and the editable menu itself.
// The library implements both and hands them to the context-menu handler.
#ifndef CEF_INCLUDE_CEF_CONTEXT_MENU_H_
#define CEF_INCLUDE_CEF_CONTEXT_MENU_H_

#include "include/capi/cef_context_menu_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefContextMenuParams : public virtual CefBase {
 public:
  typedef cef_context_menu_type_flags_t TypeFlags;
  typedef cef_context_menu_media_type_t MediaType;
  typedef cef_context_menu_media_state_flags_t MediaStateFlags;
  typedef cef_context_menu_edit_state_flags_t EditStateFlags;

  // Relative to the browser's view.
  virtual int GetXCoord() = 0;
  virtual int GetYCoord() = 0;
  virtual TypeFlags GetTypeFlags() = 0;
  virtual CefString GetLinkUrl() = 0;
  virtual CefString GetUnfilteredLinkUrl() = 0;
  virtual CefString GetSourceUrl() = 0;
  virtual bool HasImageContents() = 0;
  virtual CefString GetPageUrl() = 0;
  virtual CefString GetFrameUrl() = 0;
  virtual CefString GetFrameCharset() = 0;
  virtual MediaType GetMediaType() = 0;
  virtual MediaStateFlags GetMediaStateFlags() = 0;
  virtual CefString GetSelectionText() = 0;
  virtual CefString GetMisspelledWord() = 0;
  // Replaces the vector's content.
  virtual bool GetDictionarySuggestions(EmbedStringVector& suggestions) = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsSpellCheckEnabled() = 0;
  virtual EditStateFlags GetEditStateFlags() = 0;
  virtual bool IsCustomMenu() = 0;
  virtual bool IsPepperMenu() = 0;
};

// Items are reached by command id or by zero-based position (the `...At`
// form). A method that takes a label does nothing and fails when the label is
// empty.
class CefMenuModel : public virtual CefBase {
 public:
  typedef cef_menu_item_type_t MenuItemType;

  virtual bool Clear() = 0;
  virtual int GetCount() = 0;
  virtual bool AddSeparator() = 0;
  virtual bool AddItem(int command_id, const CefString& label) = 0;
  virtual bool AddCheckItem(int command_id, const CefString& label) = 0;
  virtual bool AddRadioItem(int command_id, const CefString& label,
                            int group_id) = 0;
  virtual CefRefPtr<CefMenuModel> AddSubMenu(int command_id,
                                             const CefString& label) = 0;
  virtual bool InsertSeparatorAt(int index) = 0;
  virtual bool InsertItemAt(int index, int command_id,
                            const CefString& label) = 0;
  virtual bool InsertCheckItemAt(int index, int command_id,
                                 const CefString& label) = 0;
  virtual bool InsertRadioItemAt(int index, int command_id,
                                 const CefString& label, int group_id) = 0;
  virtual CefRefPtr<CefMenuModel> InsertSubMenuAt(int index, int command_id,
                                                  const CefString& label) = 0;
  virtual bool Remove(int command_id) = 0;
  virtual bool RemoveAt(int index) = 0;
  // -1 when no item has the id.
  virtual int GetIndexOf(int command_id) = 0;
  virtual int GetCommandIdAt(int index) = 0;
  virtual bool SetCommandIdAt(int index, int command_id) = 0;
  virtual CefString GetLabel(int command_id) = 0;
  virtual CefString GetLabelAt(int index) = 0;
  virtual bool SetLabel(int command_id, const CefString& label) = 0;
  virtual bool SetLabelAt(int index, const CefString& label) = 0;
  virtual MenuItemType GetType(int command_id) = 0;
  virtual MenuItemType GetTypeAt(int index) = 0;
  virtual int GetGroupId(int command_id) = 0;
  virtual int GetGroupIdAt(int index) = 0;
  virtual bool SetGroupId(int command_id, int group_id) = 0;
  virtual bool SetGroupIdAt(int index, int group_id) = 0;
  virtual CefRefPtr<CefMenuModel> GetSubMenu(int command_id) = 0;
  virtual CefRefPtr<CefMenuModel> GetSubMenuAt(int index) = 0;
  virtual bool IsVisible(int command_id) = 0;
  virtual bool IsVisibleAt(int index) = 0;
  virtual bool SetVisible(int command_id, bool visible) = 0;
  virtual bool SetVisibleAt(int index, bool visible) = 0;
  virtual bool IsEnabled(int command_id) = 0;
  virtual bool IsEnabledAt(int index) = 0;
  virtual bool SetEnabled(int command_id, bool enabled) = 0;
  virtual bool SetEnabledAt(int index, bool enabled) = 0;
  virtual bool IsChecked(int command_id) = 0;
  virtual bool IsCheckedAt(int index) = 0;
  virtual bool SetChecked(int command_id, bool checked) = 0;
  virtual bool SetCheckedAt(int index, bool checked) = 0;
  virtual bool HasAccelerator(int command_id) = 0;
  virtual bool HasAcceleratorAt(int index) = 0;
  virtual bool SetAccelerator(int command_id, int key_code, bool shift_pressed,
                              bool ctrl_pressed, bool alt_pressed) = 0;
  virtual bool SetAcceleratorAt(int index, int key_code, bool shift_pressed,
                                bool ctrl_pressed, bool alt_pressed) = 0;
  virtual bool RemoveAccelerator(int command_id) = 0;
  virtual bool RemoveAcceleratorAt(int index) = 0;
  virtual bool GetAccelerator(int command_id, int& key_code,
                              bool& shift_pressed, bool& ctrl_pressed,
                              bool& alt_pressed) = 0;
  virtual bool GetAcceleratorAt(int index, int& key_code, bool& shift_pressed,
                                bool& ctrl_pressed, bool& alt_pressed) = 0;
};

#endif  // CEF_INCLUDE_CEF_CONTEXT_MENU_H_
