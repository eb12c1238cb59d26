// Printer settings, as the library implements them.
#ifndef CEF_INCLUDE_CAPI_CEF_PRINT_SETTINGS_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_PRINT_SETTINGS_CAPI_H_

#include <stddef.h>

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

// The enumerations below use the library's published numbering.
typedef enum {
  COLOR_MODEL_UNKNOWN = 0,
  COLOR_MODEL_GRAY,
  COLOR_MODEL_COLOR,
  COLOR_MODEL_CMYK,
  COLOR_MODEL_CMY,
  COLOR_MODEL_KCMY,
  COLOR_MODEL_CMY_K,
  COLOR_MODEL_BLACK,
  COLOR_MODEL_GRAYSCALE,
  COLOR_MODEL_RGB,
  COLOR_MODEL_RGB16,
  COLOR_MODEL_RGBA,
  COLOR_MODEL_COLORMODE_COLOR,
  COLOR_MODEL_COLORMODE_MONOCHROME,
  COLOR_MODEL_HP_COLOR_COLOR,
  COLOR_MODEL_HP_COLOR_BLACK,
  COLOR_MODEL_PRINTOUTMODE_NORMAL,
  COLOR_MODEL_PRINTOUTMODE_NORMAL_GRAY,
  COLOR_MODEL_PROCESSCOLORMODEL_CMYK,
  COLOR_MODEL_PROCESSCOLORMODEL_GREYSCALE,
  COLOR_MODEL_PROCESSCOLORMODEL_RGB,
} cef_color_model_t;

// DUPLEX_MODE_UNKNOWN is also the answer of settings that cannot tell.
typedef enum {
  DUPLEX_MODE_UNKNOWN = -1,
  DUPLEX_MODE_SIMPLEX,
  DUPLEX_MODE_LONG_EDGE,
  DUPLEX_MODE_SHORT_EDGE,
} cef_duplex_mode_t;

// First and last page, both included.
typedef struct _cef_page_range_t {
  int from;
  int to;
} cef_page_range_t;

typedef struct _cef_print_settings_t {
  cef_base_t base;

  int(CEF_CALLBACK* is_valid)(struct _cef_print_settings_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_print_settings_t* self);
  struct _cef_print_settings_t*(CEF_CALLBACK* copy)(
      struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_orientation)(struct _cef_print_settings_t* self,
                                      int landscape);
  int(CEF_CALLBACK* is_landscape)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_printer_printable_area)(
      struct _cef_print_settings_t* self,
      const cef_size_t* physical_size_device_units,
      const cef_rect_t* printable_area_device_units,
      int landscape_needs_flip);
  void(CEF_CALLBACK* set_device_name)(struct _cef_print_settings_t* self,
                                      const cef_string_t* name);
  cef_string_userfree_t(CEF_CALLBACK* get_device_name)(
      struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_dpi)(struct _cef_print_settings_t* self, int dpi);
  int(CEF_CALLBACK* get_dpi)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_page_ranges)(struct _cef_print_settings_t* self,
                                      size_t rangesCount,
                                      const cef_page_range_t* ranges);
  size_t(CEF_CALLBACK* get_page_ranges_count)(
      struct _cef_print_settings_t* self);
  // In: the array's capacity. Out: the number of ranges written.
  void(CEF_CALLBACK* get_page_ranges)(struct _cef_print_settings_t* self,
                                      size_t* rangesCount,
                                      cef_page_range_t* ranges);
  void(CEF_CALLBACK* set_selection_only)(struct _cef_print_settings_t* self,
                                         int selection_only);
  int(CEF_CALLBACK* is_selection_only)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_collate)(struct _cef_print_settings_t* self,
                                  int collate);
  int(CEF_CALLBACK* will_collate)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_color_model)(struct _cef_print_settings_t* self,
                                      cef_color_model_t model);
  cef_color_model_t(CEF_CALLBACK* get_color_model)(
      struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_copies)(struct _cef_print_settings_t* self,
                                 int copies);
  int(CEF_CALLBACK* get_copies)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_duplex_mode)(struct _cef_print_settings_t* self,
                                      cef_duplex_mode_t mode);
  cef_duplex_mode_t(CEF_CALLBACK* get_duplex_mode)(
      struct _cef_print_settings_t* self);
} cef_print_settings_t;

CEF_EXPORT cef_print_settings_t* cef_print_settings_create(void);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_PRINT_SETTINGS_CAPI_H_
