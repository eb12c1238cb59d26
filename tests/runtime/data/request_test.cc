// Requests, upload data and responses, driven through the bridge's classes
// the way a program builds them for a load.
#include <string>
#include <utility>
#include <vector>

#include "gtest/gtest.h"
#include "include/cef_request.h"
#include "include/cef_response.h"

namespace {

using Headers = std::vector<std::pair<std::string, std::string>>;

CefRequest::HeaderMap ToMap(const Headers& headers) {
  CefRequest::HeaderMap map;
  for (const auto& h : headers)
    map.insert(std::make_pair(CefString(h.first), CefString(h.second)));
  return map;
}

Headers FromMap(const CefRequest::HeaderMap& map) {
  Headers headers;
  for (const auto& entry : map)
    headers.emplace_back(entry.first.ToUtf8(), entry.second.ToUtf8());
  return headers;
}

Headers HeadersOf(CefRefPtr<CefRequest> request) {
  CefRequest::HeaderMap map = ToMap({{"Stale", "left by the caller"}});
  request->GetHeaderMap(map);
  return FromMap(map);
}

Headers HeadersOf(CefRefPtr<CefResponse> response) {
  CefResponse::HeaderMap map = ToMap({{"Stale", "left by the caller"}});
  response->GetHeaderMap(map);
  return FromMap(map);
}

CefRefPtr<CefPostDataElement> BytesElement(const std::string& bytes) {
  CefRefPtr<CefPostDataElement> e = CefPostDataElement::Create();
  e->SetToBytes(bytes.size(), bytes.data());
  return e;
}

std::string BytesOf(CefRefPtr<CefPostDataElement> e) {
  std::string out(e->GetBytesCount(), '\0');
  out.resize(e->GetBytes(out.size(), &out[0]));
  return out;
}

TEST(RequestTest, FreshObjectsHoldTheDocumentedDefaults) {
  CefRefPtr<CefRequest> request = CefRequest::Create();
  ASSERT_TRUE(request);
  EXPECT_FALSE(request->IsReadOnly());
  EXPECT_TRUE(request->GetURL().IsEmpty());
  EXPECT_EQ("GET", request->GetMethod().ToUtf8());
  EXPECT_TRUE(request->GetReferrerURL().IsEmpty());
  EXPECT_EQ(REFERRER_POLICY_DEFAULT, request->GetReferrerPolicy());
  EXPECT_FALSE(request->GetPostData());
  EXPECT_TRUE(HeadersOf(request).empty());
  EXPECT_EQ(UR_FLAG_NONE, request->GetFlags());
  EXPECT_TRUE(request->GetFirstPartyForCookies().IsEmpty());
  EXPECT_EQ(RT_SUB_RESOURCE, request->GetResourceType());
  EXPECT_EQ(TT_EXPLICIT, request->GetTransitionType());
  EXPECT_EQ(0u, request->GetIdentifier());

  CefRefPtr<CefPostData> data = CefPostData::Create();
  ASSERT_TRUE(data);
  EXPECT_FALSE(data->IsReadOnly());
  EXPECT_FALSE(data->HasExcludedElements());
  EXPECT_EQ(0u, data->GetElementCount());

  CefRefPtr<CefPostDataElement> element = CefPostDataElement::Create();
  ASSERT_TRUE(element);
  EXPECT_FALSE(element->IsReadOnly());
  EXPECT_EQ(PDE_TYPE_EMPTY, element->GetType());
  EXPECT_EQ(0u, element->GetBytesCount());
  EXPECT_TRUE(element->GetFile().IsEmpty());

  CefRefPtr<CefResponse> response = CefResponse::Create();
  ASSERT_TRUE(response);
  EXPECT_FALSE(response->IsReadOnly());
  EXPECT_EQ(0, response->GetStatus());
  EXPECT_TRUE(response->GetStatusText().IsEmpty());
  EXPECT_TRUE(response->GetMimeType().IsEmpty());
  EXPECT_TRUE(HeadersOf(response).empty());
}

TEST(RequestTest, MethodIsPostOnceUploadDataIsSetUnlessTheProgramNamedOne) {
  struct Case {
    const char* name;
    const char* method_before;  // null: not set
    bool post;
    const char* method_after;
    const char* expected;
  };
  const Case cases[] = {
      {"nothing set", nullptr, false, nullptr, "GET"},
      {"upload data alone", nullptr, true, nullptr, "POST"},
      {"GET named, then upload data", "GET", true, nullptr, "GET"},
      {"PUT named, then upload data", "PUT", true, nullptr, "PUT"},
      {"upload data, then GET named", nullptr, true, "GET", "GET"},
      {"an empty method changes nothing", "", true, nullptr, "POST"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CefRefPtr<CefRequest> request = CefRequest::Create();
    if (c.method_before)
      request->SetMethod(c.method_before);
    if (c.post)
      request->SetPostData(CefPostData::Create());
    if (c.method_after)
      request->SetMethod(c.method_after);
    EXPECT_EQ(c.expected, request->GetMethod().ToUtf8());
  }
}

TEST(RequestTest, HeaderMapsKeepRepeatedNamesInOrderAndAreReplacedWhole) {
  const Headers first = {{"Accept", "text/html"},
                         {"X-Multi", "1"},
                         {"X-Multi", "2"},
                         {"X-Multi", "3"},
                         {"x-multi", "lower"}};
  const Headers second = {{"Content-Type", "text/plain"}};

  CefRefPtr<CefRequest> request = CefRequest::Create();
  CefRefPtr<CefResponse> response = CefResponse::Create();
  request->SetHeaderMap(ToMap(first));
  response->SetHeaderMap(ToMap(first));
  // Only the object's own headers come back, the caller's are replaced.
  EXPECT_EQ(first, HeadersOf(request));
  EXPECT_EQ(first, HeadersOf(response));

  request->SetHeaderMap(ToMap(second));
  response->SetHeaderMap(ToMap(second));
  EXPECT_EQ(second, HeadersOf(request));
  EXPECT_EQ(second, HeadersOf(response));

  request->SetHeaderMap(CefRequest::HeaderMap());
  EXPECT_TRUE(HeadersOf(request).empty());
}

TEST(RequestTest, ResponseHeaderLookupIgnoresCaseAndTakesTheFirstValue) {
  CefRefPtr<CefResponse> response = CefResponse::Create();
  response->SetHeaderMap(ToMap({{"Content-Type", "text/html"},
                                {"Set-Cookie", "a=1"},
                                {"Set-Cookie", "b=2"}}));
  const std::pair<const char*, const char*> cases[] = {
      {"Content-Type", "text/html"},
      {"content-type", "text/html"},
      {"CONTENT-TYPE", "text/html"},
      {"set-cookie", "a=1"},
      {"Content-Typ", ""},
      {"Missing", ""},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.second, response->GetHeader(c.first).ToUtf8()) << c.first;
}

TEST(RequestTest, ScalarFieldsTakeValidValuesAndRefuseEmptyOrUnknownOnes) {
  CefRefPtr<CefRequest> request = CefRequest::Create();
  request->SetURL("http://127.0.0.1:88/quillbook/loginIndex");
  request->SetReferrer("http://127.0.0.1:88/", REFERRER_POLICY_NEVER);
  request->SetFlags(UR_FLAG_SKIP_CACHE | UR_FLAG_NO_RETRY_ON_5XX);
  request->SetFirstPartyForCookies("http://127.0.0.1:88/");

  // None of these may lose what was set above.
  request->SetURL("");
  request->SetReferrer("", REFERRER_POLICY_ALWAYS);
  request->SetReferrer("http://elsewhere/",
                       static_cast<cef_referrer_policy_t>(7));
  request->SetFirstPartyForCookies("");

  EXPECT_EQ("http://127.0.0.1:88/quillbook/loginIndex",
            request->GetURL().ToUtf8());
  EXPECT_EQ("http://127.0.0.1:88/", request->GetReferrerURL().ToUtf8());
  EXPECT_EQ(REFERRER_POLICY_NEVER, request->GetReferrerPolicy());
  EXPECT_EQ(UR_FLAG_SKIP_CACHE | UR_FLAG_NO_RETRY_ON_5XX, request->GetFlags());
  EXPECT_EQ("http://127.0.0.1:88/",
            request->GetFirstPartyForCookies().ToUtf8());

  CefRefPtr<CefResponse> response = CefResponse::Create();
  response->SetStatus(404);
  response->SetStatusText("Not Found");
  response->SetMimeType("text/html");
  response->SetStatusText("");
  response->SetMimeType("");
  EXPECT_EQ(404, response->GetStatus());
  EXPECT_EQ("Not Found", response->GetStatusText().ToUtf8());
  EXPECT_EQ("text/html", response->GetMimeType().ToUtf8());
}

TEST(RequestTest, SetReplacesUrlMethodUploadAndHeadersTogether) {
  CefRefPtr<CefRequest> request = CefRequest::Create();
  request->SetHeaderMap(ToMap({{"Old", "gone"}}));
  CefRefPtr<CefPostData> data = CefPostData::Create();
  data->AddElement(BytesElement("user=demo"));
  request->Set("http://127.0.0.1:88/quillbook/login", "POST", data,
               ToMap({{"Content-Type", "application/x-www-form-urlencoded"},
                      {"X-Twice", "1"},
                      {"X-Twice", "2"}}));
  EXPECT_EQ("http://127.0.0.1:88/quillbook/login", request->GetURL().ToUtf8());
  EXPECT_EQ("POST", request->GetMethod().ToUtf8());
  EXPECT_EQ((Headers{{"Content-Type", "application/x-www-form-urlencoded"},
                     {"X-Twice", "1"},
                     {"X-Twice", "2"}}),
            HeadersOf(request));
  CefRefPtr<CefPostData> got = request->GetPostData();
  ASSERT_TRUE(got);
  CefPostData::ElementVector elements;
  got->GetElements(elements);
  ASSERT_EQ(1u, elements.size());
  EXPECT_EQ("user=demo", BytesOf(elements[0]));

  // An empty URL or method refuses the whole call.
  request->Set("", "PUT", nullptr, CefRequest::HeaderMap());
  request->Set("http://other/", "", nullptr, CefRequest::HeaderMap());
  EXPECT_EQ("http://127.0.0.1:88/quillbook/login", request->GetURL().ToUtf8());
  EXPECT_TRUE(request->GetPostData());

  // No upload data is allowed here, and takes the old away.
  request->Set("http://127.0.0.1:88/", "GET", nullptr, CefRequest::HeaderMap());
  EXPECT_EQ("http://127.0.0.1:88/", request->GetURL().ToUtf8());
  EXPECT_EQ("GET", request->GetMethod().ToUtf8());
  EXPECT_FALSE(request->GetPostData());
  EXPECT_TRUE(HeadersOf(request).empty());
}

TEST(RequestTest, BytesElementsCopyInAndOutWithinTheCallersBounds) {
  const char source[] = "hello";
  CefRefPtr<CefPostDataElement> e = CefPostDataElement::Create();
  e->SetToBytes(5, source);
  EXPECT_EQ(PDE_TYPE_BYTES, e->GetType());
  EXPECT_EQ(5u, e->GetBytesCount());

  struct Case {
    size_t capacity;
    size_t copied;
    const char* buffer;  // after the call, from "########"
  };
  const Case cases[] = {
      {0, 0, "########"},
      {3, 3, "hel#####"},
      {5, 5, "hello###"},
      {8, 5, "hello###"},
  };
  for (const Case& c : cases) {
    char buffer[9] = "########";
    EXPECT_EQ(c.copied, e->GetBytes(c.capacity, buffer)) << c.capacity;
    EXPECT_STREQ(c.buffer, buffer) << c.capacity;
  }
  EXPECT_EQ(0u, e->GetBytes(5, nullptr));

  // A null source is refused; zero bytes are an empty bytes element.
  e->SetToBytes(3, nullptr);
  EXPECT_EQ("hello", BytesOf(e));
  e->SetToBytes(0, source);
  EXPECT_EQ(PDE_TYPE_BYTES, e->GetType());
  EXPECT_EQ(0u, e->GetBytesCount());

  // Bytes with zeros inside are kept whole.
  const std::string binary("a\0b\0", 4);
  e->SetToBytes(binary.size(), binary.data());
  EXPECT_EQ(binary, BytesOf(e));
}

TEST(RequestTest, AnElementIsBytesFileOrEmptyAndSwitchingDropsTheRest) {
  CefRefPtr<CefPostDataElement> e = BytesElement("abc");
  e->SetToFile("/tmp/upload.bin");
  EXPECT_EQ(PDE_TYPE_FILE, e->GetType());
  EXPECT_EQ("/tmp/upload.bin", e->GetFile().ToUtf8());
  EXPECT_EQ(0u, e->GetBytesCount());

  e->SetToFile("");
  EXPECT_EQ("/tmp/upload.bin", e->GetFile().ToUtf8());

  e->SetToBytes(2, "xy");
  EXPECT_TRUE(e->GetFile().IsEmpty());
  EXPECT_EQ("xy", BytesOf(e));

  e->SetToEmpty();
  EXPECT_EQ(PDE_TYPE_EMPTY, e->GetType());
  EXPECT_EQ(0u, e->GetBytesCount());
  EXPECT_TRUE(e->GetFile().IsEmpty());
}

TEST(RequestTest, UploadDataHoldsEachElementOnceInOrder) {
  CefRefPtr<CefPostData> data = CefPostData::Create();
  CefRefPtr<CefPostDataElement> a = BytesElement("a");
  CefRefPtr<CefPostDataElement> b = CefPostDataElement::Create();
  b->SetToFile("/tmp/b");
  CefRefPtr<CefPostDataElement> c = BytesElement("c");

  EXPECT_TRUE(data->AddElement(a));
  EXPECT_TRUE(data->AddElement(b));
  EXPECT_TRUE(data->AddElement(c));
  EXPECT_FALSE(data->AddElement(a));
  EXPECT_EQ(3u, data->GetElementCount());

  // Whatever the vector held before is replaced.
  CefPostData::ElementVector elements(5, BytesElement("stale"));
  data->GetElements(elements);
  ASSERT_EQ(3u, elements.size());
  EXPECT_EQ("a", BytesOf(elements[0]));
  EXPECT_EQ("/tmp/b", elements[1]->GetFile().ToUtf8());
  EXPECT_EQ("c", BytesOf(elements[2]));

  // The data holds the program's element, not a copy.
  a->SetToBytes(2, "a2");
  data->GetElements(elements);
  EXPECT_EQ("a2", BytesOf(elements[0]));

  EXPECT_TRUE(data->RemoveElement(b));
  EXPECT_FALSE(data->RemoveElement(b));
  EXPECT_FALSE(data->RemoveElement(CefPostDataElement::Create()));
  data->GetElements(elements);
  ASSERT_EQ(2u, elements.size());
  EXPECT_EQ("a2", BytesOf(elements[0]));
  EXPECT_EQ("c", BytesOf(elements[1]));

  data->RemoveElements();
  EXPECT_EQ(0u, data->GetElementCount());
  data->GetElements(elements);
  EXPECT_TRUE(elements.empty());
}

}  // namespace
