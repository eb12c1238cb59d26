// Requests and their upload data as plain values, for the views that load
// them and the handlers that are shown them.
#ifndef CEF_RUNTIME_DATA_REQUEST_H_
#define CEF_RUNTIME_DATA_REQUEST_H_

#include <stdint.h>

#include <string>
#include <vector>

#include "include/capi/cef_request_capi.h"
#include "include/capi/cef_response_capi.h"
#include "runtime/data/data_object.h"

namespace cefrt {

struct UploadElement {
  cef_postdataelement_type_t type = PDE_TYPE_EMPTY;
  std::u16string file;
  std::string bytes;
};

// Everything a request says, with the method resolved (GET, or POST when
// upload data is set and the program named no method).
struct RequestData {
  std::u16string url;
  std::u16string method = u"GET";
  std::u16string referrer_url;
  cef_referrer_policy_t referrer_policy = REFERRER_POLICY_DEFAULT;
  HeaderList headers;
  bool has_upload = false;
  std::vector<UploadElement> upload;
  int flags = UR_FLAG_NONE;
  std::u16string first_party_for_cookies;
  cef_resource_type_t resource_type = RT_SUB_RESOURCE;
  cef_transition_type_t transition_type = TT_EXPLICIT;
  uint64_t identifier = 0;
};

// What one of this runtime's requests holds; an empty request for null.
RequestData ReadRequest(cef_request_t* request);

// A read-only request with read-only upload data, as handlers are shown the
// requests of loads; one reference for the receiver.
cef_request_t* NewReadOnlyRequest(const RequestData& data);
// The same, for a handler that may change it.
cef_request_t* NewRequest(const RequestData& data);

// The upload body as one byte string: the bytes elements in order. False
// when an element is a file that cannot be read whole.
bool UploadBody(const RequestData& data, std::string* body);

// Whether the method is an HTTP token and every header a token name with a
// value free of line breaks: anything else could forge more of the request
// than the program meant to send.
bool SendableRequest(const RequestData& data);

// One header per name (the first spelling), its values joined by ", " in
// order: what HTTP takes repeated headers to mean, for views whose header
// maps keep one value per name.
HeaderList JoinRepeatedHeaders(const HeaderList& headers);

// Refuses every later change to a response.
void MakeReadOnly(cef_response_t* response);

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_REQUEST_H_
