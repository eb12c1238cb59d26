// Where and on what a context menu was opened, and the editable menu itself,
// as the library implements them.
#ifndef CEF_INCLUDE_CAPI_CEF_CONTEXT_MENU_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_CONTEXT_MENU_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// The enumerations below use the library's published numbering.

// What the menu was opened on; several bits may be set.
typedef enum {
  CM_TYPEFLAG_NONE = 0,
  CM_TYPEFLAG_PAGE = 1 << 0,
  CM_TYPEFLAG_FRAME = 1 << 1,
  CM_TYPEFLAG_LINK = 1 << 2,
  CM_TYPEFLAG_MEDIA = 1 << 3,
  CM_TYPEFLAG_SELECTION = 1 << 4,
  CM_TYPEFLAG_EDITABLE = 1 << 5,
} cef_context_menu_type_flags_t;

typedef enum {
  CM_MEDIATYPE_NONE = 0,
  CM_MEDIATYPE_IMAGE,
  CM_MEDIATYPE_VIDEO,
  CM_MEDIATYPE_AUDIO,
  CM_MEDIATYPE_FILE,
  CM_MEDIATYPE_PLUGIN,
} cef_context_menu_media_type_t;

typedef enum {
  CM_MEDIAFLAG_NONE = 0,
  CM_MEDIAFLAG_ERROR = 1 << 0,
  CM_MEDIAFLAG_PAUSED = 1 << 1,
  CM_MEDIAFLAG_MUTED = 1 << 2,
  CM_MEDIAFLAG_LOOP = 1 << 3,
  CM_MEDIAFLAG_CAN_SAVE = 1 << 4,
  CM_MEDIAFLAG_HAS_AUDIO = 1 << 5,
  CM_MEDIAFLAG_HAS_VIDEO = 1 << 6,
  CM_MEDIAFLAG_CONTROL_ROOT_ELEMENT = 1 << 7,
  CM_MEDIAFLAG_CAN_PRINT = 1 << 8,
  CM_MEDIAFLAG_CAN_ROTATE = 1 << 9,
} cef_context_menu_media_state_flags_t;

typedef enum {
  CM_EDITFLAG_NONE = 0,
  CM_EDITFLAG_CAN_UNDO = 1 << 0,
  CM_EDITFLAG_CAN_REDO = 1 << 1,
  CM_EDITFLAG_CAN_CUT = 1 << 2,
  CM_EDITFLAG_CAN_COPY = 1 << 3,
  CM_EDITFLAG_CAN_PASTE = 1 << 4,
  CM_EDITFLAG_CAN_DELETE = 1 << 5,
  CM_EDITFLAG_CAN_SELECT_ALL = 1 << 6,
  CM_EDITFLAG_CAN_TRANSLATE = 1 << 7,
} cef_context_menu_edit_state_flags_t;

typedef enum {
  MENUITEMTYPE_NONE = 0,
  MENUITEMTYPE_COMMAND,
  MENUITEMTYPE_CHECK,
  MENUITEMTYPE_RADIO,
  MENUITEMTYPE_SEPARATOR,
  MENUITEMTYPE_SUBMENU,
} cef_menu_item_type_t;

typedef struct _cef_context_menu_params_t {
  cef_base_t base;

  int(CEF_CALLBACK* get_xcoord)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_ycoord)(struct _cef_context_menu_params_t* self);
  cef_context_menu_type_flags_t(CEF_CALLBACK* get_type_flags)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_unfiltered_link_url)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_source_url)(
      struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* has_image_contents)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_page_url)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_url)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_charset)(
      struct _cef_context_menu_params_t* self);
  cef_context_menu_media_type_t(CEF_CALLBACK* get_media_type)(
      struct _cef_context_menu_params_t* self);
  cef_context_menu_media_state_flags_t(CEF_CALLBACK* get_media_state_flags)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_text)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_misspelled_word)(
      struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_dictionary_suggestions)(
      struct _cef_context_menu_params_t* self, cef_string_list_t suggestions);
  int(CEF_CALLBACK* is_editable)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_spell_check_enabled)(
      struct _cef_context_menu_params_t* self);
  cef_context_menu_edit_state_flags_t(CEF_CALLBACK* get_edit_state_flags)(
      struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_custom_menu)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_pepper_menu)(struct _cef_context_menu_params_t* self);
} cef_context_menu_params_t;

// Items are reached either by command id or by zero-based position; the
// by-id member always comes first.
typedef struct _cef_menu_model_t {
  cef_base_t base;

  int(CEF_CALLBACK* clear)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* get_count)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* add_separator)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* add_item)(struct _cef_menu_model_t* self, int command_id,
                              const cef_string_t* label);
  int(CEF_CALLBACK* add_check_item)(struct _cef_menu_model_t* self,
                                    int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* add_radio_item)(struct _cef_menu_model_t* self,
                                    int command_id, const cef_string_t* label,
                                    int group_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* add_sub_menu)(
      struct _cef_menu_model_t* self, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* insert_separator_at)(struct _cef_menu_model_t* self,
                                         int index);
  int(CEF_CALLBACK* insert_item_at)(struct _cef_menu_model_t* self, int index,
                                    int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* insert_check_item_at)(struct _cef_menu_model_t* self,
                                          int index, int command_id,
                                          const cef_string_t* label);
  int(CEF_CALLBACK* insert_radio_item_at)(struct _cef_menu_model_t* self,
                                          int index, int command_id,
                                          const cef_string_t* label,
                                          int group_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* insert_sub_menu_at)(
      struct _cef_menu_model_t* self, int index, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* remove)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* remove_at)(struct _cef_menu_model_t* self, int index);
  // -1 when no item has the id.
  int(CEF_CALLBACK* get_index_of)(struct _cef_menu_model_t* self,
                                  int command_id);
  int(CEF_CALLBACK* get_command_id_at)(struct _cef_menu_model_t* self,
                                       int index);
  int(CEF_CALLBACK* set_command_id_at)(struct _cef_menu_model_t* self,
                                       int index, int command_id);
  cef_string_userfree_t(CEF_CALLBACK* get_label)(
      struct _cef_menu_model_t* self, int command_id);
  cef_string_userfree_t(CEF_CALLBACK* get_label_at)(
      struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_label)(struct _cef_menu_model_t* self, int command_id,
                               const cef_string_t* label);
  int(CEF_CALLBACK* set_label_at)(struct _cef_menu_model_t* self, int index,
                                  const cef_string_t* label);
  cef_menu_item_type_t(CEF_CALLBACK* get_type)(struct _cef_menu_model_t* self,
                                               int command_id);
  cef_menu_item_type_t(CEF_CALLBACK* get_type_at)(
      struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_group_id)(struct _cef_menu_model_t* self,
                                  int command_id);
  int(CEF_CALLBACK* get_group_id_at)(struct _cef_menu_model_t* self,
                                     int index);
  int(CEF_CALLBACK* set_group_id)(struct _cef_menu_model_t* self,
                                  int command_id, int group_id);
  int(CEF_CALLBACK* set_group_id_at)(struct _cef_menu_model_t* self,
                                     int index, int group_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* get_sub_menu)(
      struct _cef_menu_model_t* self, int command_id);
  struct _cef_menu_model_t*(CEF_CALLBACK* get_sub_menu_at)(
      struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* is_visible)(struct _cef_menu_model_t* self,
                                int command_id);
  int(CEF_CALLBACK* is_visible_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_visible)(struct _cef_menu_model_t* self,
                                 int command_id, int visible);
  int(CEF_CALLBACK* set_visible_at)(struct _cef_menu_model_t* self, int index,
                                    int visible);
  int(CEF_CALLBACK* is_enabled)(struct _cef_menu_model_t* self,
                                int command_id);
  int(CEF_CALLBACK* is_enabled_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_enabled)(struct _cef_menu_model_t* self,
                                 int command_id, int enabled);
  int(CEF_CALLBACK* set_enabled_at)(struct _cef_menu_model_t* self, int index,
                                    int enabled);
  int(CEF_CALLBACK* is_checked)(struct _cef_menu_model_t* self,
                                int command_id);
  int(CEF_CALLBACK* is_checked_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_checked)(struct _cef_menu_model_t* self,
                                 int command_id, int checked);
  int(CEF_CALLBACK* set_checked_at)(struct _cef_menu_model_t* self, int index,
                                    int checked);
  int(CEF_CALLBACK* has_accelerator)(struct _cef_menu_model_t* self,
                                     int command_id);
  int(CEF_CALLBACK* has_accelerator_at)(struct _cef_menu_model_t* self,
                                        int index);
  int(CEF_CALLBACK* set_accelerator)(struct _cef_menu_model_t* self,
                                     int command_id, int key_code,
                                     int shift_pressed, int ctrl_pressed,
                                     int alt_pressed);
  int(CEF_CALLBACK* set_accelerator_at)(struct _cef_menu_model_t* self,
                                        int index, int key_code,
                                        int shift_pressed, int ctrl_pressed,
                                        int alt_pressed);
  int(CEF_CALLBACK* remove_accelerator)(struct _cef_menu_model_t* self,
                                        int command_id);
  int(CEF_CALLBACK* remove_accelerator_at)(struct _cef_menu_model_t* self,
                                           int index);
  int(CEF_CALLBACK* get_accelerator)(struct _cef_menu_model_t* self,
                                     int command_id, int* key_code,
                                     int* shift_pressed, int* ctrl_pressed,
                                     int* alt_pressed);
  int(CEF_CALLBACK* get_accelerator_at)(struct _cef_menu_model_t* self,
                                        int index, int* key_code,
                                        int* shift_pressed, int* ctrl_pressed,
                                        int* alt_pressed);
} cef_menu_model_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_CONTEXT_MENU_CAPI_H_
