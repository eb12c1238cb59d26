#include "include/capi/cef_response_capi.h"
#include "runtime/data/record.h"
#include "runtime/data/request.h"

namespace cefrt {

namespace {

struct ResponseFields {
  int status = 0;
  std::u16string status_text;
  std::u16string mime_type;
  HeaderList headers;
};
using Response = Record<ResponseFields, cef_response_t>;
using RF = ResponseFields;

cef_string_userfree_t GetHeader(cef_response_t* s, const cef_string_t* name) {
  Response* r = Response::Of(s);
  if (!r || BlankText(name))
    return nullptr;
  const std::u16string wanted = FromCef(name);
  return NewUserFree(
      r->Read([&](const RF& f) { return FindHeader(f.headers, wanted); }));
}

}  // namespace

template <>
void FillMembers(cef_response_t& c) {
  using S = cef_response_t;
  c.is_read_only = [](S* s) CEF_CALLBACK { return member::ReadOnly<RF>(s); };
  c.get_status = [](S* s)
                     CEF_CALLBACK { return member::Get(s, &RF::status, 0); };
  c.set_status = [](S* s, int status)
                     CEF_CALLBACK { member::Set(s, &RF::status, status); };
  c.get_status_text = [](S* s) CEF_CALLBACK {
    return member::GetText(s, &RF::status_text);
  };
  c.set_status_text = [](S* s, const cef_string_t* v) CEF_CALLBACK {
    member::SetText(s, &RF::status_text, v);
  };
  c.get_mime_type = [](S* s) CEF_CALLBACK {
    return member::GetText(s, &RF::mime_type);
  };
  c.set_mime_type = [](S* s, const cef_string_t* v)
                        CEF_CALLBACK { member::SetText(s, &RF::mime_type, v); };
  c.get_header = [](S* s, const cef_string_t* name)
                     CEF_CALLBACK { return GetHeader(s, name); };
  c.get_header_map = [](S* s, cef_string_multimap_t m) CEF_CALLBACK {
    member::GetHeaders(s, &RF::headers, m);
  };
  c.set_header_map = [](S* s, cef_string_multimap_t m) CEF_CALLBACK {
    member::SetHeaders(s, &RF::headers, m);
  };
}

void MakeReadOnly(cef_response_t* s) {
  if (Response* r = Response::Of(s))
    r->Freeze();
}

}  // namespace cefrt

cef_response_t* cef_response_create(void) {
  return (new cefrt::Response("cef_response_t"))->Give();
}
