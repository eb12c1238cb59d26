#include "runtime/data/request.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string_view>

#include "runtime/base/capi_util.h"

namespace cefrt {

namespace {

struct ElementFields {
  UploadElement value;
};

class Element : public DataObject<cef_post_data_element_t, ElementFields> {
 public:
  explicit Element(ElementFields fields = ElementFields());

 private:
  ~Element() override = default;
};

struct PostDataFields {
  std::vector<Ref<Element>> elements;
};

class PostData : public DataObject<cef_post_data_t, PostDataFields> {
 public:
  explicit PostData(PostDataFields fields = PostDataFields());

 private:
  ~PostData() override = default;
};

struct RequestFields {
  std::u16string url;
  std::u16string method;  // empty until the program names one
  std::u16string referrer_url;
  cef_referrer_policy_t referrer_policy = REFERRER_POLICY_DEFAULT;
  HeaderList headers;
  Ref<PostData> post_data;
  int flags = UR_FLAG_NONE;
  std::u16string first_party_for_cookies;
  cef_resource_type_t resource_type = RT_SUB_RESOURCE;
  cef_transition_type_t transition_type = TT_EXPLICIT;
  uint64_t identifier = 0;

  std::u16string Method() const {
    if (!method.empty())
      return method;
    return post_data ? u"POST" : u"GET";
  }
};

class Request : public DataObject<cef_request_t, RequestFields> {
 public:
  explicit Request(RequestFields fields = RequestFields());

 private:
  ~Request() override = default;
};

// Takes over the reference that came with a structure from the program.
template <class Impl, class Struct>
Ref<Impl> Adopt(Struct* s) {
  return Ref<Impl>::Adopt(Impl::template Of<Impl>(s));
}

bool ValidPolicy(cef_referrer_policy_t policy) {
  return policy >= REFERRER_POLICY_ALWAYS &&
         policy <= REFERRER_POLICY_ORIGIN_WHEN_CROSS_ORIGIN;
}

// Upload elements.

void SetElement(cef_post_data_element_t* s, UploadElement value) {
  Element::Set(s, &ElementFields::value, std::move(value));
}

// One part of the element, without copying its bytes.
template <class T>
T ElementPart(cef_post_data_element_t* s, T (*part)(const UploadElement&),
              T fallback) {
  auto* e = Element::Of(s);
  return e ? e->Read([&](const ElementFields& f) { return part(f.value); })
           : fallback;
}

size_t CopyBytes(cef_post_data_element_t* s, size_t size, void* bytes) {
  auto* e = Element::Of(s);
  if (!e || !bytes)
    return 0;
  return e->Read([&](const ElementFields& f) {
    const size_t n = std::min(size, f.value.bytes.size());
    std::copy_n(f.value.bytes.data(), n, static_cast<char*>(bytes));
    return n;
  });
}

void SetBytes(cef_post_data_element_t* s, size_t size, const void* bytes) {
  if (!bytes)
    return;
  UploadElement value;
  value.type = PDE_TYPE_BYTES;
  try {
    value.bytes.assign(static_cast<const char*>(bytes), size);
  } catch (const std::exception&) {
    return;  // too large to copy: the element stays as it was
  }
  SetElement(s, std::move(value));
}

}  // namespace

Element::Element(ElementFields fields)
    : DataObject("cef_post_data_element_t", std::move(fields)) {
  using S = cef_post_data_element_t;
  cef_post_data_element_t& c = s();
  c.is_read_only = &ReadOnly;
  c.set_to_empty = [](S* s) CEF_CALLBACK { SetElement(s, UploadElement()); };
  c.set_to_file = [](S* s, const cef_string_t* name) CEF_CALLBACK {
    if (!BlankText(name))
      SetElement(s, UploadElement{PDE_TYPE_FILE, FromCef(name), {}});
  };
  c.set_to_bytes = [](S* s, size_t size, const void* bytes)
                       CEF_CALLBACK { SetBytes(s, size, bytes); };
  c.get_type = [](S* s) CEF_CALLBACK {
    return ElementPart(
        s, +[](const UploadElement& e) { return e.type; }, PDE_TYPE_EMPTY);
  };
  c.get_file = [](S* s) CEF_CALLBACK {
    return Element::Of(s)
               ? NewUserFree(ElementPart(
                     s, +[](const UploadElement& e) { return e.file; },
                     std::u16string()))
               : nullptr;
  };
  c.get_bytes_count = [](S* s) CEF_CALLBACK {
    return ElementPart(
        s, +[](const UploadElement& e) { return e.bytes.size(); }, size_t{0});
  };
  c.get_bytes = [](S* s, size_t size, void* bytes)
                    CEF_CALLBACK { return CopyBytes(s, size, bytes); };
}

namespace {

// Upload data.

std::vector<Ref<Element>> Elements(cef_post_data_t* s) {
  return PostData::Get(s, &PostDataFields::elements,
                       std::vector<Ref<Element>>());
}

void ListElements(cef_post_data_t* s, size_t* count,
                  cef_post_data_element_t** out) {
  if (!count)
    return;
  // Entries the caller filled in carry references that are now ours.
  for (size_t i = 0; out && i < *count; ++i) {
    ReleaseStruct(out[i]);
    out[i] = nullptr;
  }
  const std::vector<Ref<Element>> elements = Elements(s);
  const size_t n = out ? std::min(*count, elements.size()) : 0;
  for (size_t i = 0; i < n; ++i)
    out[i] = elements[i]->Share();
  *count = n;
}

// An element appears once: adding it again is refused, as is removing one
// that is not there.
int ChangeElements(cef_post_data_t* s, cef_post_data_element_t* element,
                   bool add) {
  Ref<Element> e = Adopt<Element>(element);
  auto* p = PostData::Of(s);
  if (!p || !e)
    return 0;
  bool done = false;
  p->Write([&](PostDataFields& f) {
    auto it =
        std::find_if(f.elements.begin(), f.elements.end(),
                     [&](const Ref<Element>& x) { return x.get() == e.get(); });
    if (add && it == f.elements.end())
      f.elements.push_back(e);
    else if (!add && it != f.elements.end())
      f.elements.erase(it);
    else
      return;
    done = true;
  });
  return done ? 1 : 0;
}

}  // namespace

PostData::PostData(PostDataFields fields)
    : DataObject("cef_post_data_t", std::move(fields)) {
  using S = cef_post_data_t;
  cef_post_data_t& c = s();
  c.is_read_only = &ReadOnly;
  // Every element of upload data built here is kept.
  c.has_excluded_elements = [](S*) CEF_CALLBACK { return 0; };
  c.get_element_count = [](S* s) CEF_CALLBACK { return Elements(s).size(); };
  c.get_elements = [](S* s, size_t* count, cef_post_data_element_t** out)
                       CEF_CALLBACK { ListElements(s, count, out); };
  c.remove_element = [](S* s, cef_post_data_element_t* e)
                         CEF_CALLBACK { return ChangeElements(s, e, false); };
  c.add_element = [](S* s, cef_post_data_element_t* e)
                      CEF_CALLBACK { return ChangeElements(s, e, true); };
  c.remove_elements = [](S* s) CEF_CALLBACK {
    Set(s, &PostDataFields::elements, {});
  };
}

namespace {

// Requests.

using RF = RequestFields;

void SetReferrer(cef_request_t* s, const cef_string_t* url,
                 cef_referrer_policy_t policy) {
  auto* r = Request::Of(s);
  if (!r || BlankText(url) || !ValidPolicy(policy))
    return;
  r->Write([&](RF& f) {
    f.referrer_url = FromCef(url);
    f.referrer_policy = policy;
  });
}

cef_post_data_t* GetPostData(cef_request_t* s) {
  Ref<PostData> p = Request::Get(s, &RF::post_data, Ref<PostData>());
  return p ? p->Share() : nullptr;
}

void SetPostData(cef_request_t* s, cef_post_data_t* post_data) {
  Ref<PostData> p = Adopt<PostData>(post_data);
  if (p)
    Request::Set(s, &RF::post_data, std::move(p));
}

void SetAll(cef_request_t* s, const cef_string_t* url,
            const cef_string_t* method, cef_post_data_t* post_data,
            cef_string_multimap_t headers) {
  Ref<PostData> p = Adopt<PostData>(post_data);
  auto* r = Request::Of(s);
  if (!r || BlankText(url) || BlankText(method))
    return;
  HeaderList list = ReadMultimap(headers);
  r->Write([&](RF& f) {
    f.url = FromCef(url);
    f.method = FromCef(method);
    f.post_data = std::move(p);
    f.headers = std::move(list);
  });
}

}  // namespace

Request::Request(RequestFields fields)
    : DataObject("cef_request_t", std::move(fields)) {
  using S = cef_request_t;
  cef_request_t& c = s();
  c.is_read_only = &ReadOnly;
  c.get_url = &GetString<&RF::url>;
  c.set_url = &SetNonEmptyString<&RF::url>;
  c.get_method = [](S* s) CEF_CALLBACK -> cef_string_userfree_t {
    auto* r = Of(s);
    return r ? NewUserFree(r->Read([](const RF& f) { return f.Method(); }))
             : nullptr;
  };
  c.set_method = &SetNonEmptyString<&RF::method>;
  c.set_referrer =
      [](S* s, const cef_string_t* url, cef_referrer_policy_t policy)
          CEF_CALLBACK { SetReferrer(s, url, policy); };
  c.get_referrer_url = &GetString<&RF::referrer_url>;
  c.get_referrer_policy =
      &GetValue<cef_referrer_policy_t, &RF::referrer_policy,
                REFERRER_POLICY_DEFAULT>;
  c.get_post_data = [](S* s) CEF_CALLBACK { return GetPostData(s); };
  c.set_post_data = [](S* s, cef_post_data_t* p)
                        CEF_CALLBACK { SetPostData(s, p); };
  c.get_header_map = &GetHeaders<&RF::headers>;
  c.set_header_map = &SetHeaders<&RF::headers>;
  c.set = [](S* s, const cef_string_t* url, const cef_string_t* method,
             cef_post_data_t* p, cef_string_multimap_t m)
              CEF_CALLBACK { SetAll(s, url, method, p, m); };
  c.get_flags = &GetValue<int, &RF::flags, 0>;
  c.set_flags = &SetValue<int, &RF::flags>;
  c.get_first_party_for_cookies = &GetString<&RF::first_party_for_cookies>;
  c.set_first_party_for_cookies =
      &SetNonEmptyString<&RF::first_party_for_cookies>;
  c.get_resource_type =
      &GetValue<cef_resource_type_t, &RF::resource_type, RT_SUB_RESOURCE>;
  c.get_transition_type =
      &GetValue<cef_transition_type_t, &RF::transition_type, TT_EXPLICIT>;
  c.get_identifier = &GetValue<uint64_t, &RF::identifier, 0>;
}

RequestData ReadRequest(cef_request_t* s) {
  RequestData data;
  auto* r = Request::Of(s);
  if (!r)
    return data;
  Ref<PostData> post;
  r->Read([&](const RF& f) {
    data.url = f.url;
    data.method = f.Method();
    data.referrer_url = f.referrer_url;
    data.referrer_policy = f.referrer_policy;
    data.headers = f.headers;
    post = f.post_data;
    data.flags = f.flags;
    data.first_party_for_cookies = f.first_party_for_cookies;
    data.resource_type = f.resource_type;
    data.transition_type = f.transition_type;
    data.identifier = f.identifier;
    return 0;
  });
  // Each record is read under its own lock, one at a time.
  if (post) {
    data.has_upload = true;
    for (const Ref<Element>& e :
         post->Read([](const PostDataFields& f) { return f.elements; }))
      data.upload.push_back(
          e->Read([](const ElementFields& f) { return f.value; }));
  }
  return data;
}

namespace {

Request* MakeRequest(const RequestData& data, bool read_only) {
  Ref<PostData> post;
  if (data.has_upload) {
    post = Ref<PostData>::Adopt(new PostData());
    for (const UploadElement& value : data.upload) {
      Ref<Element> e = Ref<Element>::Adopt(new Element(ElementFields{value}));
      if (read_only)
        e->Freeze();
      post->Write([&](PostDataFields& f) { f.elements.push_back(e); });
    }
    if (read_only)
      post->Freeze();
  }
  RequestFields f;
  f.url = data.url;
  f.method = data.method;
  f.referrer_url = data.referrer_url;
  f.referrer_policy = data.referrer_policy;
  f.headers = data.headers;
  f.post_data = post;
  f.flags = data.flags;
  f.first_party_for_cookies = data.first_party_for_cookies;
  f.resource_type = data.resource_type;
  f.transition_type = data.transition_type;
  f.identifier = data.identifier;
  Request* r = new Request(std::move(f));
  if (read_only)
    r->Freeze();
  return r;
}

}  // namespace

cef_request_t* NewReadOnlyRequest(const RequestData& data) {
  return MakeRequest(data, true)->Give();
}

cef_request_t* NewRequest(const RequestData& data) {
  return MakeRequest(data, false)->Give();
}

bool UploadBody(const RequestData& data, std::string* body) {
  // Files are read whole into memory; beyond this a load is refused rather
  // than exhausting it.
  constexpr std::uintmax_t kMaxFileBytes = 64u << 20;
  body->clear();
  for (const UploadElement& e : data.upload) {
    if (e.type == PDE_TYPE_BYTES) {
      body->append(e.bytes);
    } else if (e.type == PDE_TYPE_FILE) {
      std::error_code ec;
      const std::filesystem::path path(e.file);
      const std::uintmax_t size = std::filesystem::file_size(path, ec);
      if (ec || size > kMaxFileBytes)
        return false;
      std::ifstream in(path, std::ios::binary);
      std::string bytes((std::istreambuf_iterator<char>(in)),
                        std::istreambuf_iterator<char>());
      if (!in.is_open() || bytes.size() != size)
        return false;
      body->append(bytes);
    }
  }
  return true;
}

namespace {

bool IsToken(const std::u16string& text) {
  if (text.empty())
    return false;
  for (char16_t c : text) {
    const bool alnum = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') ||
                       (c >= u'A' && c <= u'Z');
    if (!alnum && std::u16string_view(u"!#$%&'*+-.^_`|~").find(c) ==
                      std::u16string_view::npos)
      return false;
  }
  return true;
}

bool IsHeaderValue(const std::u16string& text) {
  for (char16_t c : text) {
    if (c == u'\r' || c == u'\n' || c == 0)
      return false;
  }
  return true;
}

}  // namespace

HeaderList JoinRepeatedHeaders(const HeaderList& headers) {
  HeaderList joined;
  for (const auto& header : headers) {
    auto same = std::find_if(joined.begin(), joined.end(), [&](const auto& j) {
      return SameHeaderName(j.first, header.first);
    });
    if (same == joined.end())
      joined.push_back(header);
    else
      same->second += u", " + header.second;
  }
  return joined;
}

bool SendableRequest(const RequestData& data) {
  if (!IsToken(data.method))
    return false;
  for (const auto& header : data.headers) {
    if (!IsToken(header.first) || !IsHeaderValue(header.second))
      return false;
  }
  return true;
}

}  // namespace cefrt

cef_request_t* cef_request_create(void) {
  return (new cefrt::Request())->Give();
}

cef_post_data_t* cef_post_data_create(void) {
  return (new cefrt::PostData())->Give();
}

cef_post_data_element_t* cef_post_data_element_create(void) {
  return (new cefrt::Element())->Give();
}
