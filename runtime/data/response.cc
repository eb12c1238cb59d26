#include "include/capi/cef_response_capi.h"
#include "runtime/data/data_object.h"
#include "runtime/data/request.h"

namespace cefrt {

namespace {

struct ResponseFields {
  int status = 0;
  std::u16string status_text;
  std::u16string mime_type;
  HeaderList headers;
};
using RF = ResponseFields;

class Response : public DataObject<cef_response_t, ResponseFields> {
 public:
  Response();

 private:
  ~Response() override = default;
};

cef_string_userfree_t GetHeader(cef_response_t* s, const cef_string_t* name) {
  auto* r = Response::Of(s);
  if (!r || BlankText(name))
    return nullptr;
  const std::u16string wanted = FromCef(name);
  return NewUserFree(
      r->Read([&](const RF& f) { return FindHeader(f.headers, wanted); }));
}

}  // namespace

Response::Response() : DataObject("cef_response_t", ResponseFields()) {
  cef_response_t& c = s();
  c.is_read_only = &ReadOnly;
  c.get_status = &GetValue<int, &RF::status, 0>;
  c.set_status = &SetValue<int, &RF::status>;
  c.get_status_text = &GetString<&RF::status_text>;
  c.set_status_text = &SetNonEmptyString<&RF::status_text>;
  c.get_mime_type = &GetString<&RF::mime_type>;
  c.set_mime_type = &SetNonEmptyString<&RF::mime_type>;
  c.get_header = [](cef_response_t* s, const cef_string_t* name)
                     CEF_CALLBACK { return GetHeader(s, name); };
  c.get_header_map = &GetHeaders<&RF::headers>;
  c.set_header_map = &SetHeaders<&RF::headers>;
}

void MakeReadOnly(cef_response_t* s) {
  if (auto* r = Response::Of(s))
    r->Freeze();
}

}  // namespace cefrt

cef_response_t* cef_response_create(void) {
  return (new cefrt::Response())->Give();
}
