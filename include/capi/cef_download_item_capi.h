// The state of one download, as the library implements it.
#ifndef CEF_INCLUDE_CAPI_CEF_DOWNLOAD_ITEM_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_DOWNLOAD_ITEM_CAPI_H_

#include <stdint.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _cef_download_item_t {
  cef_base_t base;

  int(CEF_CALLBACK* is_valid)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_in_progress)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_complete)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_canceled)(struct _cef_download_item_t* self);
  // Bytes per second.
  int64_t(CEF_CALLBACK* get_current_speed)(struct _cef_download_item_t* self);
  // -1 while the total size is unknown.
  int(CEF_CALLBACK* get_percent_complete)(struct _cef_download_item_t* self);
  int64_t(CEF_CALLBACK* get_total_bytes)(struct _cef_download_item_t* self);
  int64_t(CEF_CALLBACK* get_received_bytes)(struct _cef_download_item_t* self);
  cef_time_t(CEF_CALLBACK* get_start_time)(struct _cef_download_item_t* self);
  cef_time_t(CEF_CALLBACK* get_end_time)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_full_path)(
      struct _cef_download_item_t* self);
  uint32_t(CEF_CALLBACK* get_id)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(
      struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(
      struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_suggested_file_name)(
      struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_content_disposition)(
      struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(
      struct _cef_download_item_t* self);
} cef_download_item_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_DOWNLOAD_ITEM_CAPI_H_
