#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "libcef_dll/adapters/resource_handler_adapter.h"
#include "libcef_dll/adapters/response_filter_adapter.h"
#include "libcef_dll/adapters/scheme_handler_factory_adapter.h"
#include "libcef_dll/ctocpp/post_data_element_proxy.h"
#include "libcef_dll/ctocpp/post_data_proxy.h"
#include "libcef_dll/ctocpp/request_proxy.h"
#include "libcef_dll/ctocpp/response_proxy.h"
#include "libcef_dll/string_collections.h"
#include "tests/fake/fake_library.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Need;
using walk::NewProxy;
using walk::Object;
using walk::Req;
using walk::Slot;
using walk::StructOf;
using walk::Text;
using walk::Value;

std::string Describe(cef_string_multimap_t map) {
  EmbedStringMultimap entries;
  MultimapFromLibrary(map, entries);
  return walk::Describe(entries);
}

void Append(cef_string_multimap_t map, const char* key, const char* value) {
  CefString k(key), v(value);
  cef_string_multimap_append(map, k.Record(), v.Record());
}

// What the fake members below saw, for the test to read.
std::string& Seen() {
  static std::string seen;
  return seen;
}

// ---------------------------------------------------------------------------
// Proxies

class RequestProxyTest : public fake::LedgerTest {
 protected:
  void SetUp() override {
    fake::LedgerTest::SetUp();
    fake::Reset();
    Seen().clear();
  }
};

TEST_F(RequestProxyTest, EveryRequestMember) {
  typedef cef_request_t S;
  typedef CefRequest I;
  CefRequest::HeaderMap headers{{"Accept", "*/*"}};
  CefRefPtr<CefPostData> no_data;
  CefRefPtr<CefPostData> data = NewProxy<CefPostDataProxy>();
  walk::WalkProxy<CefRequestProxy>({
      walk::Row<&S::is_read_only>(&I::IsReadOnly),
      walk::Row<&S::get_url>(&I::GetURL),
      walk::Row<&S::set_url>(&I::SetURL, Req(CefString("http://a/")))
          .Sees("\"http://a/\""),
      walk::Row<&S::get_method>(&I::GetMethod),
      walk::Row<&S::set_method>(&I::SetMethod, Req(CefString("POST"))),
      walk::Row<&S::set_referrer>(&I::SetReferrer, Req(CefString("http://r/")),
                                  REFERRER_POLICY_ORIGIN)
          .Sees("\"http://r/\", 3"),
      walk::Row<&S::get_referrer_url>(&I::GetReferrerURL),
      walk::Row<&S::get_referrer_policy>(&I::GetReferrerPolicy)
          .Default(REFERRER_POLICY_DEFAULT),
      walk::Row<&S::get_post_data>(&I::GetPostData),
      walk::Row<&S::set_post_data>(&I::SetPostData, Req(data))
          .Sees(walk::Seen<CefPostDataProxy>(data)),
      walk::Row<&S::get_header_map>(&I::GetHeaderMap, headers),
      walk::Row<&S::set_header_map>(&I::SetHeaderMap, headers),
      walk::Row<&S::set>(&I::Set, Req(CefString("http://a/")),
                         Req(CefString("GET")), no_data, headers)
          .Sees("\"http://a/\", \"GET\", null, ptr"),
      walk::Row<&S::get_flags>(&I::GetFlags),
      walk::Row<&S::set_flags>(&I::SetFlags, 9).Sees("9"),
      walk::Row<&S::get_first_party_for_cookies>(&I::GetFirstPartyForCookies),
      walk::Row<&S::set_first_party_for_cookies>(&I::SetFirstPartyForCookies,
                                                 Req(CefString("http://f/"))),
      walk::Row<&S::get_resource_type>(&I::GetResourceType)
          .Default(RT_SUB_RESOURCE),
      walk::Row<&S::get_transition_type>(&I::GetTransitionType)
          .Default(TT_EXPLICIT),
      walk::Row<&S::get_identifier>(&I::GetIdentifier),
  });
}

TEST_F(RequestProxyTest, EveryResponseMember) {
  typedef cef_response_t S;
  typedef CefResponse I;
  CefResponse::HeaderMap headers{{"Content-Type", "text/html"}};
  walk::WalkProxy<CefResponseProxy>({
      walk::Row<&S::is_read_only>(&I::IsReadOnly),
      walk::Row<&S::get_status>(&I::GetStatus),
      walk::Row<&S::set_status>(&I::SetStatus, 404).Sees("404"),
      walk::Row<&S::get_status_text>(&I::GetStatusText),
      walk::Row<&S::set_status_text>(&I::SetStatusText,
                                     Req(CefString("Not Found")))
          .Sees("\"Not Found\""),
      walk::Row<&S::get_mime_type>(&I::GetMimeType),
      walk::Row<&S::set_mime_type>(&I::SetMimeType, Req(CefString("text/css"))),
      walk::Row<&S::get_header>(&I::GetHeader, Req(CefString("Server")))
          .Sees("\"Server\""),
      walk::Row<&S::get_header_map>(&I::GetHeaderMap, headers),
      walk::Row<&S::set_header_map>(&I::SetHeaderMap, headers),
  });
}

TEST_F(RequestProxyTest, EveryPostDataMember) {
  typedef cef_post_data_t S;
  typedef CefPostData I;
  CefRefPtr<CefPostDataElement> element = NewProxy<CefPostDataElementProxy>();
  const std::string element_seen = walk::Seen<CefPostDataElementProxy>(element);
  walk::WalkProxy<CefPostDataProxy>({
      walk::Row<&S::is_read_only>(&I::IsReadOnly),
      walk::Row<&S::has_excluded_elements>(&I::HasExcludedElements),
      walk::Row<&S::get_element_count>(&I::GetElementCount),
      walk::Row<&S::get_elements>(&I::GetElements, CefPostData::ElementVector())
          .Consults<&S::get_element_count>()
          .Sees("ptr, ptr"),
      walk::Row<&S::remove_element>(&I::RemoveElement, Req(element))
          .Sees(element_seen),
      walk::Row<&S::add_element>(&I::AddElement, Req(element))
          .Sees(element_seen),
      walk::Row<&S::remove_elements>(&I::RemoveElements),
  });
}

TEST_F(RequestProxyTest, EveryPostDataElementMember) {
  typedef cef_post_data_element_t S;
  typedef CefPostDataElement I;
  static const char kBytes[] = "abc";
  static char buffer[8];
  walk::WalkProxy<CefPostDataElementProxy>({
      walk::Row<&S::is_read_only>(&I::IsReadOnly),
      walk::Row<&S::set_to_empty>(&I::SetToEmpty),
      walk::Row<&S::set_to_file>(&I::SetToFile, Req(CefString("/tmp/up")))
          .Sees("\"/tmp/up\""),
      walk::Row<&S::set_to_bytes>(&I::SetToBytes, size_t{3},
                                  Req(static_cast<const void*>(kBytes)))
          .Sees("3, ptr"),
      walk::Row<&S::get_type>(&I::GetType),
      walk::Row<&S::get_file>(&I::GetFile),
      walk::Row<&S::get_bytes_count>(&I::GetBytesCount),
      walk::Row<&S::get_bytes>(&I::GetBytes, sizeof(buffer),
                               Req(static_cast<void*>(buffer)))
          .Sees("8, ptr"),
  });
}

// A library that notes the headers it was handed and answers with its own;
// the values of a repeated name keep the library's order, not sorted.
template <class S>
void CEF_CALLBACK GetHeaders(S*, cef_string_multimap_t map) {
  Seen() = Describe(map);
  cef_string_multimap_clear(map);
  Append(map, "Set-Cookie", "b=2");
  Append(map, "Accept", "*/*");
  Append(map, "Set-Cookie", "a=1");
}
template <class S>
void CEF_CALLBACK SetHeaders(S*, cef_string_multimap_t map) {
  Seen() = Describe(map);
  // A library is free to change what it was lent; the caller's map is not.
  cef_string_multimap_clear(map);
}

template <class Proxy>
void ExpectHeaderMapsCross() {
  typedef typename Proxy::StructType S;
  S* structure = fake::NewObject<S>();
  structure->get_header_map = &GetHeaders<S>;
  structure->set_header_map = &SetHeaders<S>;
  auto proxy = Proxy::Wrap(structure);

  typename Proxy::InterfaceType::HeaderMap headers{{"X-Old", "1"},
                                                   {"X-Old", "2"}};
  proxy->GetHeaderMap(headers);
  EXPECT_EQ(Seen(), "{\"X-Old\":\"1\",\"X-Old\":\"2\"}");
  EXPECT_EQ(
      walk::Describe(headers),
      "{\"Accept\":\"*/*\",\"Set-Cookie\":\"b=2\",\"Set-Cookie\":\"a=1\"}");

  proxy->SetHeaderMap(headers);
  EXPECT_EQ(
      Seen(),
      "{\"Accept\":\"*/*\",\"Set-Cookie\":\"b=2\",\"Set-Cookie\":\"a=1\"}");
  EXPECT_EQ(headers.size(), 3u) << "the caller's map was changed";
}

TEST_F(RequestProxyTest, HeaderMapsCrossAsMultimaps) {
  {
    SCOPED_TRACE("request");
    ExpectHeaderMapsCross<CefRequestProxy>();
  }
  {
    SCOPED_TRACE("response");
    ExpectHeaderMapsCross<CefResponseProxy>();
  }
}

void CEF_CALLBACK SetRequest(cef_request_t*, const cef_string_t* url,
                             const cef_string_t* method, cef_post_data_t* data,
                             cef_string_multimap_t map) {
  Seen() = walk::DescribeAllC(url, method, data) + " " + Describe(map);
  if (data) BaseOf(data)->release(BaseOf(data));
}

TEST_F(RequestProxyTest, SetTakesUploadDataThatMayBeNull) {
  cef_request_t* structure = fake::NewObject<cef_request_t>();
  structure->set = &SetRequest;
  auto request = CefRequestProxy::Wrap(structure);
  const CefRequest::HeaderMap headers{{"A", "1"}};

  request->Set("http://a/", "GET", nullptr, headers);
  EXPECT_EQ(Seen(), "\"http://a/\", \"GET\", null {\"A\":\"1\"}");

  cef_post_data_t* data = fake::NewObject<cef_post_data_t>();
  const int id = fake::IdOf(data);
  request->Set("http://a/", "POST", CefPostDataProxy::Wrap(data), headers);
  EXPECT_EQ(Seen(), "\"http://a/\", \"POST\", #" + std::to_string(id) +
                        " {\"A\":\"1\"}");
}

// A library that holds `Elements().size()` elements and fills as many as
// the array has room for, taking over what the caller put in.
std::vector<cef_post_data_element_t*>& Elements() {
  static std::vector<cef_post_data_element_t*> elements;
  return elements;
}
size_t CEF_CALLBACK ElementCount(cef_post_data_t*) { return Elements().size(); }
void CEF_CALLBACK GetElements(cef_post_data_t*, size_t* count,
                              cef_post_data_element_t** array) {
  Seen() = std::to_string(*count) + ":";
  for (size_t i = 0; i < *count; ++i) {
    Seen() += " " + walk::DescribeC(array[i]);
    if (array[i]) BaseOf(array[i])->release(BaseOf(array[i]));
    array[i] = nullptr;
  }
  const size_t filled = std::min(*count, Elements().size());
  for (size_t i = 0; i < filled; ++i) {
    array[i] = Elements()[i];
    BaseOf(array[i])->add_ref(BaseOf(array[i]));
  }
  *count = filled;
}

TEST_F(RequestProxyTest, GetElementsRefillsTheVector) {
  struct Case {
    size_t held;    // elements in the library
    size_t passed;  // elements already in the caller's vector
  };
  for (const Case c : {Case{2, 1}, Case{1, 3}, Case{0, 0}, Case{2, 0}}) {
    SCOPED_TRACE(std::to_string(c.held) + " held, " + std::to_string(c.passed) +
                 " passed");
    cef_post_data_t* structure = fake::NewObject<cef_post_data_t>();
    structure->get_element_count = &ElementCount;
    structure->get_elements = &GetElements;
    auto data = CefPostDataProxy::Wrap(structure);
    Elements().clear();
    for (size_t i = 0; i < c.held; ++i)
      Elements().push_back(fake::NewObject<cef_post_data_element_t>());

    // The library gets room for the larger of its count and the vector,
    // with the caller's entries first.
    CefPostData::ElementVector elements;
    std::string expected = std::to_string(std::max(c.held, c.passed)) + ":";
    for (size_t i = 0; i < c.passed; ++i) {
      elements.push_back(NewProxy<CefPostDataElementProxy>());
      expected += " " + walk::Seen<CefPostDataElementProxy>(elements.back());
    }
    for (size_t i = c.passed; i < c.held; ++i) expected += " null";
    data->GetElements(elements);

    EXPECT_EQ(Seen(), expected);
    ASSERT_EQ(elements.size(), c.held);
    for (size_t i = 0; i < c.held; ++i) {
      EXPECT_EQ(StructOf<CefPostDataElementProxy>(elements[i]), Elements()[i]);
      EXPECT_EQ(fake::RefsOf(Elements()[i]), 2) << "ours and the proxy's";
    }
    elements.clear();
    for (cef_post_data_element_t* held : Elements())
      BaseOf(held)->release(BaseOf(held));
  }
}

TEST_F(RequestProxyTest, CreatorsWrapWhatTheLibraryMade) {
  struct Creator {
    const char* name;
    std::function<void*()> create;
  };
  auto made = [](auto object, auto* proxy_type) -> void* {
    typedef std::remove_pointer_t<decltype(proxy_type)> Proxy;
    if (!object) return nullptr;
    EXPECT_NE(dynamic_cast<Proxy*>(object.get()), nullptr);
    void* structure = StructOf<Proxy>(object);
    EXPECT_EQ(fake::RefsOf(structure), 1) << "the proxy took over one";
    return structure;
  };
  const Creator creators[] = {
      {"cef_request_create",
       [&] { return made(CefRequest::Create(), (CefRequestProxy*)nullptr); }},
      {"cef_response_create",
       [&] { return made(CefResponse::Create(), (CefResponseProxy*)nullptr); }},
      {"cef_post_data_create",
       [&] { return made(CefPostData::Create(), (CefPostDataProxy*)nullptr); }},
      {"cef_post_data_element_create",
       [&] {
         return made(CefPostDataElement::Create(),
                     (CefPostDataElementProxy*)nullptr);
       }},
  };
  for (const Creator& creator : creators) {
    SCOPED_TRACE(creator.name);
    fake::Reset();
    EXPECT_NE(creator.create(), nullptr);
    EXPECT_EQ(fake::CallCount(creator.name), 1);
    fake::State().results[creator.name] = 0;
    EXPECT_EQ(creator.create(), nullptr);
    EXPECT_EQ(fake::CallCount(creator.name), 2);
  }
}

// ---------------------------------------------------------------------------
// Adapters

class RecordingFactory : public CefSchemeHandlerFactory,
                         public walk::Recording {
 public:
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser> browser,
                                       CefRefPtr<CefFrame> frame,
                                       const CefString& scheme_name,
                                       CefRefPtr<CefRequest> request) override {
    Noted(0, browser, frame, scheme_name, request);
    return walk::Reply<CefRefPtr<CefResourceHandler>>();
  }
  IMPLEMENT_REFCOUNTING(RecordingFactory);
};

class RecordingResourceHandler : public CefResourceHandler,
                                 public walk::Recording {
 public:
  bool ProcessRequest(CefRefPtr<CefRequest> request,
                      CefRefPtr<CefCallback> callback) override {
    Noted(0, request, callback);
    return walk::Reply<bool>();
  }
  void GetResponseHeaders(CefRefPtr<CefResponse> response,
                          int64_t& response_length,
                          CefString& redirectUrl) override {
    Noted(1, response, response_length, redirectUrl);
  }
  bool ReadResponse(void* data_out, int bytes_to_read, int& bytes_read,
                    CefRefPtr<CefCallback> callback) override {
    Noted(2, data_out, bytes_to_read, bytes_read, callback);
    return walk::Reply<bool>();
  }
  bool CanGetCookie(const CefCookie& cookie) override {
    Noted(3, cookie);
    return walk::Reply<bool>();
  }
  bool CanSetCookie(const CefCookie& cookie) override {
    Noted(4, cookie);
    return walk::Reply<bool>();
  }
  void Cancel() override { Noted(5); }
  IMPLEMENT_REFCOUNTING(RecordingResourceHandler);
};

class RecordingResponseFilter : public CefResponseFilter,
                                public walk::Recording {
 public:
  bool InitFilter() override {
    Noted(0);
    return walk::Reply<bool>();
  }
  FilterStatus Filter(void* data_in, size_t data_in_size, size_t& data_in_read,
                      void* data_out, size_t data_out_size,
                      size_t& data_out_written) override {
    Noted(1, data_in, data_in_size, data_in_read, data_out, data_out_size,
          data_out_written);
    return walk::Reply<FilterStatus>();
  }
  IMPLEMENT_REFCOUNTING(RecordingResponseFilter);
};

cef_cookie_t SampleCookie() {
  cef_cookie_t cookie;
  std::memset(&cookie, 0, sizeof(cookie));
  cookie.secure = 1;
  return cookie;
}

class ResourceAdapterTest : public fake::LedgerTest {};

TEST_F(ResourceAdapterTest, EveryFactoryMember) {
  walk::WalkAdapter<CefSchemeHandlerFactoryAdapter, RecordingFactory>({
      walk::Row<&cef_scheme_handler_factory_t::create>(
          Object<cef_browser_t>(), Object<cef_frame_t>(), Need(Text("app")),
          Need(Object<cef_request_t>()))
          .Sees("object, object, \"app\", object"),
  });
}

TEST_F(ResourceAdapterTest, EveryResourceHandlerMember) {
  typedef cef_resource_handler_t S;
  walk::WalkAdapter<CefResourceHandlerAdapter, RecordingResourceHandler>({
      walk::Row<&S::process_request>(Need(Object<cef_request_t>()),
                                     Need(Object<cef_callback_t>()))
          .Sees("object, object"),
      walk::Row<&S::get_response_headers>(Need(Object<cef_response_t>()),
                                          Need(Slot<int64_t>(-1)),
                                          Need(Text("http://r/")))
          .Sees("object, -1, \"http://r/\""),
      walk::Row<&S::read_response>(Need(Slot<char>()), Value(16),
                                   Need(Slot<int>(3)),
                                   Need(Object<cef_callback_t>()))
          .Sees("ptr, 16, 3, object"),
      walk::Row<&S::can_get_cookie>(Need(Slot<cef_cookie_t>(SampleCookie())))
          .Sees("record"),
      walk::Row<&S::can_set_cookie>(Need(Slot<cef_cookie_t>(SampleCookie())))
          .Sees("record"),
      walk::Row<&S::cancel>(),
  });
}

TEST_F(ResourceAdapterTest, EveryResponseFilterMember) {
  typedef cef_response_filter_t S;
  walk::WalkAdapter<CefResponseFilterAdapter, RecordingResponseFilter>({
      walk::Row<&S::init_filter>(),
      // The end of the body comes with no input at all.
      walk::Row<&S::filter>(Value(static_cast<void*>(nullptr)),
                            Value(size_t{0}), Need(Slot<size_t>(1)),
                            Need(Slot<char>()), Value(size_t{8}),
                            Need(Slot<size_t>(2)))
          .Sees("null, 0, 1, ptr, 8, 2")
          .Default(RESPONSE_FILTER_ERROR),
  });
}

// A handler whose behaviour each test sets.
class ScriptedHandler : public CefResourceHandler,
                        public CefResponseFilter,
                        public CefSchemeHandlerFactory {
 public:
  std::function<void(int64_t&, CefString&)> headers;
  std::function<bool(void*, int, int&)> read;
  std::function<FilterStatus(void*, size_t, size_t&, void*, size_t, size_t&)>
      filter;
  CefRefPtr<CefResourceHandler> created;
  int calls = 0;

  void GetResponseHeaders(CefRefPtr<CefResponse>, int64_t& length,
                          CefString& redirect) override {
    ++calls;
    headers(length, redirect);
  }
  bool ReadResponse(void* out, int size, int& read_count,
                    CefRefPtr<CefCallback>) override {
    ++calls;
    return read(out, size, read_count);
  }
  FilterStatus Filter(void* in, size_t in_size, size_t& in_read, void* out,
                      size_t out_size, size_t& out_written) override {
    ++calls;
    return filter(in, in_size, in_read, out, out_size, out_written);
  }
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser>,
                                       CefRefPtr<CefFrame>, const CefString&,
                                       CefRefPtr<CefRequest>) override {
    ++calls;
    return created;
  }
  IMPLEMENT_REFCOUNTING(ScriptedHandler);
};

TEST_F(ResourceAdapterTest, ResponseHeadersComeBackWhole) {
  CefRefPtr<ScriptedHandler> handler = new ScriptedHandler();
  handler->headers = [](int64_t& length, CefString& redirect) {
    EXPECT_EQ(length, int64_t{0x100000002});
    length = -1;
    redirect = "http://elsewhere/";
  };
  cef_resource_handler_t* structure =
      CefResourceHandlerAdapter::Wrap(handler.get());
  int64_t length = 0x100000002;
  CefString redirect;
  structure->get_response_headers(structure, fake::NewObject<cef_response_t>(),
                                  &length, redirect.WritableRecord());
  EXPECT_EQ(handler->calls, 1);
  EXPECT_EQ(length, int64_t{-1}) << "both halves";
  EXPECT_EQ(redirect.ToUtf8(), "http://elsewhere/");
  fake::Release(structure);
}

TEST_F(ResourceAdapterTest, ReadResponseWritesTheCountWhateverItAnswers) {
  CefRefPtr<ScriptedHandler> handler = new ScriptedHandler();
  cef_resource_handler_t* structure =
      CefResourceHandlerAdapter::Wrap(handler.get());
  char buffer[8] = {};
  struct Case {
    bool answer;
    int count;
  };
  for (const Case c : {Case{true, 0}, Case{false, 5}}) {
    handler->read = [&](void* out, int size, int& count) {
      EXPECT_EQ(out, buffer) << "the library's own buffer";
      EXPECT_EQ(size, 8);
      EXPECT_EQ(count, 3);
      count = c.count;
      return c.answer;
    };
    int count = 3;
    EXPECT_EQ(structure->read_response(structure, buffer, 8, &count,
                                       fake::NewObject<cef_callback_t>()),
              c.answer ? 1 : 0);
    EXPECT_EQ(count, c.count);
  }
  fake::Release(structure);
}

TEST_F(ResourceAdapterTest, FilterWritesBothCountsBack) {
  CefRefPtr<ScriptedHandler> handler = new ScriptedHandler();
  handler->filter = [](void* in, size_t in_size, size_t& in_read, void* out,
                       size_t out_size, size_t& out_written) {
    EXPECT_EQ(in_read, 7u);
    EXPECT_EQ(out_written, 9u);
    in_read = in_size;
    std::memcpy(out, in, std::min(in_size, out_size));
    out_written = std::min(in_size, out_size);
    return RESPONSE_FILTER_DONE;
  };
  cef_response_filter_t* structure =
      CefResponseFilterAdapter::Wrap(handler.get());
  char in[] = "body";
  char out[8] = {};
  size_t in_read = 7, out_written = 9;
  EXPECT_EQ(structure->filter(structure, in, 4, &in_read, out, sizeof(out),
                              &out_written),
            RESPONSE_FILTER_DONE);
  EXPECT_EQ(in_read, 4u);
  EXPECT_EQ(out_written, 4u);
  EXPECT_EQ(std::string(out), "body");

  // Refused: neither count is touched.
  in_read = 7;
  EXPECT_EQ(
      structure->filter(structure, in, 4, &in_read, out, sizeof(out), nullptr),
      RESPONSE_FILTER_ERROR);
  EXPECT_EQ(in_read, 7u);
  EXPECT_EQ(handler->calls, 1);
  fake::Release(structure);
}

TEST_F(ResourceAdapterTest, EachCreateHandsOutItsOwnStructure) {
  CefRefPtr<ScriptedHandler> factory = new ScriptedHandler();
  CefRefPtr<ScriptedHandler> served = new ScriptedHandler();
  factory->created = served.get();
  cef_scheme_handler_factory_t* structure =
      CefSchemeHandlerFactoryAdapter::Wrap(factory.get());
  CefString scheme("app");
  auto create = [&] {
    return structure->create(structure, nullptr, nullptr, scheme.Record(),
                             fake::NewObject<cef_request_t>());
  };
  cef_resource_handler_t* first = create();
  cef_resource_handler_t* second = create();
  EXPECT_EQ(factory->calls, 2) << "no browser and frame is no reason to refuse";
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);

  // A factory that has nothing to serve hands the library nothing.
  factory->created = nullptr;
  EXPECT_EQ(create(), nullptr);
  EXPECT_EQ(factory->calls, 3);

  fake::Release(first);
  EXPECT_FALSE(served->HasOneRef()) << "the second structure keeps its own";
  fake::Release(second);
  EXPECT_TRUE(served->HasOneRef());
  fake::Release(structure);
}

}  // namespace
