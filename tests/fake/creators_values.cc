#include <string>

#include "include/capi/cef_values_capi.h"
#include "tests/fake/fake_library.h"

extern "C" {

cef_value_t* cef_value_create(void) {
  return fake::Created<cef_value_t>("cef_value_create");
}

cef_binary_value_t* cef_binary_value_create(const void* data,
                                            size_t data_size) {
  return fake::Created<cef_binary_value_t>(
      "cef_binary_value_create",
      {data ? "<ptr>" : "<null>", std::to_string(data_size)});
}

cef_dictionary_value_t* cef_dictionary_value_create(void) {
  return fake::Created<cef_dictionary_value_t>("cef_dictionary_value_create");
}

cef_list_value_t* cef_list_value_create(void) {
  return fake::Created<cef_list_value_t>("cef_list_value_create");
}

}  // extern "C"
