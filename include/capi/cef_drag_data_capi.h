// The content of a drag-and-drop operation, as the library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_DRAG_DATA_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_DRAG_DATA_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_stream_writer_t;

// The library's published bit values. DRAG_OPERATION_EVERY does not fit a
// signed int, so C compilers accept it only as an extension; both targets give
// the enumeration 32 bits.
typedef enum {
  DRAG_OPERATION_NONE = 0,
  DRAG_OPERATION_COPY = 1,
  DRAG_OPERATION_LINK = 2,
  DRAG_OPERATION_GENERIC = 4,
  DRAG_OPERATION_PRIVATE = 8,
  DRAG_OPERATION_MOVE = 16,
  DRAG_OPERATION_DELETE = 32,
  DRAG_OPERATION_EVERY = 0xFFFFFFFF,
} cef_drag_operations_mask_t;

typedef struct _cef_drag_data_t {
  cef_base_t base;

  struct _cef_drag_data_t*(CEF_CALLBACK* clone)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_link)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_fragment)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_file)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(
      struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_title)(
      struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_metadata)(
      struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_text)(
      struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_html)(
      struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_base_url)(
      struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_file_name)(
      struct _cef_drag_data_t* self);
  // A null writer asks only for the content's size in bytes.
  size_t(CEF_CALLBACK* get_file_contents)(struct _cef_drag_data_t* self,
                                          struct _cef_stream_writer_t* writer);
  int(CEF_CALLBACK* get_file_names)(struct _cef_drag_data_t* self,
                                    cef_string_list_t names);
  void(CEF_CALLBACK* set_link_url)(struct _cef_drag_data_t* self,
                                   const cef_string_t* url);
  void(CEF_CALLBACK* set_link_title)(struct _cef_drag_data_t* self,
                                     const cef_string_t* title);
  void(CEF_CALLBACK* set_link_metadata)(struct _cef_drag_data_t* self,
                                        const cef_string_t* data);
  void(CEF_CALLBACK* set_fragment_text)(struct _cef_drag_data_t* self,
                                        const cef_string_t* text);
  void(CEF_CALLBACK* set_fragment_html)(struct _cef_drag_data_t* self,
                                        const cef_string_t* html);
  void(CEF_CALLBACK* set_fragment_base_url)(struct _cef_drag_data_t* self,
                                            const cef_string_t* base_url);
  void(CEF_CALLBACK* reset_file_contents)(struct _cef_drag_data_t* self);
  void(CEF_CALLBACK* add_file)(struct _cef_drag_data_t* self,
                               const cef_string_t* path,
                               const cef_string_t* display_name);
} cef_drag_data_t;

CEF_EXPORT cef_drag_data_t* cef_drag_data_create(void);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_DRAG_DATA_CAPI_H_
