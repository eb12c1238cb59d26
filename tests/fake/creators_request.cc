// The library's creators for requests, responses and upload data.
#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_response_capi.h"
#include "tests/fake/fake_library.h"

extern "C" {

cef_request_t* cef_request_create(void) {
  return fake::Created<cef_request_t>("cef_request_create");
}

cef_response_t* cef_response_create(void) {
  return fake::Created<cef_response_t>("cef_response_create");
}

cef_post_data_t* cef_post_data_create(void) {
  return fake::Created<cef_post_data_t>("cef_post_data_create");
}

cef_post_data_element_t* cef_post_data_element_create(void) {
  return fake::Created<cef_post_data_element_t>(
      "cef_post_data_element_create");
}

}  // extern "C"
