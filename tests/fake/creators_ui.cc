// The library's creators for drag data and print settings.
#include "include/capi/cef_drag_data_capi.h"
#include "include/capi/cef_print_settings_capi.h"
#include "tests/fake/fake_library.h"

extern "C" {

cef_drag_data_t* cef_drag_data_create(void) {
  return fake::Created<cef_drag_data_t>("cef_drag_data_create");
}

cef_print_settings_t* cef_print_settings_create(void) {
  return fake::Created<cef_print_settings_t>("cef_print_settings_create");
}

}  // extern "C"
