// Printing on Linux goes through the program: it supplies the settings, the
// dialog and the job.
#ifndef CEF_INCLUDE_CAPI_CEF_PRINT_HANDLER_CAPI_H_
#define CEF_INCLUDE_CAPI_CEF_PRINT_HANDLER_CAPI_H_

#include "include/capi/cef_base_capi.h"
#include "include/capi/cef_records_capi.h"
#include "include/capi/cef_string_capi.h"

#ifdef __cplusplus
extern "C" {
#endif

struct _cef_browser_t;
struct _cef_print_dialog_callback_t;
struct _cef_print_job_callback_t;
struct _cef_print_settings_t;

typedef struct _cef_print_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_print_start)(struct _cef_print_handler_t* self,
                                     struct _cef_browser_t* browser);
  void(CEF_CALLBACK* on_print_settings)(
      struct _cef_print_handler_t* self,
      struct _cef_print_settings_t* settings, int get_defaults);
  int(CEF_CALLBACK* on_print_dialog)(
      struct _cef_print_handler_t* self, int has_selection,
      struct _cef_print_dialog_callback_t* callback);
  int(CEF_CALLBACK* on_print_job)(struct _cef_print_handler_t* self,
                                  const cef_string_t* document_name,
                                  const cef_string_t* pdf_file_path,
                                  struct _cef_print_job_callback_t* callback);
  void(CEF_CALLBACK* on_print_reset)(struct _cef_print_handler_t* self);
  // Returned by value; device units per inch in, paper size in those units.
  cef_size_t(CEF_CALLBACK* get_pdf_paper_size)(
      struct _cef_print_handler_t* self, int device_units_per_inch);
} cef_print_handler_t;

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CAPI_CEF_PRINT_HANDLER_CAPI_H_
