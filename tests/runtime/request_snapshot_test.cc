// What the browser makes of a program's request for a load, and the
// read-only copy handlers are shown: built into its test directly, since
// both are internal to the runtime.
#include <gtest/gtest.h>
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/base/capi_util.h"
#include "runtime/base/counted.h"
#include "runtime/base/text.h"
#include "runtime/data/request.h"

namespace {

using cefrt::HeaderList;
using cefrt::RequestData;

// Takes over a returned string.
std::u16string Take(cef_string_userfree_t s) {
  std::u16string out = cefrt::FromCef(s);
  cef_string_userfree_utf16_free(s);
  return out;
}

HeaderList Headers(cef_request_t* r) {
  cef_string_multimap_t map = cef_string_multimap_alloc();
  r->get_header_map(r, map);
  HeaderList out = cefrt::ReadMultimap(map);
  cef_string_multimap_free(map);
  return out;
}

cef_post_data_element_t* Bytes(const std::string& bytes) {
  cef_post_data_element_t* e = cef_post_data_element_create();
  e->set_to_bytes(e, bytes.size(), bytes.data());
  return e;
}

cef_post_data_element_t* File(const std::u16string& name) {
  cef_post_data_element_t* e = cef_post_data_element_create();
  const cef_string_t view = cefrt::View(name);
  e->set_to_file(e, &view);
  return e;
}

// A program's request for a form post with two headers of one name.
cef_request_t* ProgramRequest(cef_post_data_element_t* first,
                              cef_post_data_element_t* second) {
  cef_request_t* r = cef_request_create();
  const std::u16string url = u"http://127.0.0.1:88/quillbook/login";
  const std::u16string referrer = u"http://127.0.0.1:88/";
  const cef_string_t url_view = cefrt::View(url);
  const cef_string_t referrer_view = cefrt::View(referrer);
  r->set_url(r, &url_view);
  r->set_referrer(r, &referrer_view, REFERRER_POLICY_ORIGIN);
  r->set_flags(r, UR_FLAG_SKIP_CACHE);
  cef_string_multimap_t map = cef_string_multimap_alloc();
  cefrt::WriteMultimap({{u"Content-Type", u"application/x-www-form-urlencoded"},
                        {u"X-Twice", u"1"},
                        {u"X-Twice", u"2"}},
                       map);
  r->set_header_map(r, map);
  cef_string_multimap_free(map);
  cef_post_data_t* data = cef_post_data_create();
  data->add_element(data, first);
  data->add_element(data, second);
  r->set_post_data(r, data);
  return r;
}

class RequestSnapshotTest : public testing::Test {
 protected:
  // Every object the test made is gone again.
  void TearDown() override { EXPECT_TRUE(cefrt::LiveObjects().empty()); }
};

TEST_F(RequestSnapshotTest, ALoadSeesEverythingTheProgramSet) {
  cef_request_t* program = ProgramRequest(Bytes("user=demo&"), Bytes("pw=x"));
  const RequestData data = cefrt::ReadRequest(program);
  EXPECT_EQ(u"http://127.0.0.1:88/quillbook/login", data.url);
  EXPECT_EQ(u"POST", data.method);
  EXPECT_EQ(u"http://127.0.0.1:88/", data.referrer_url);
  EXPECT_EQ(REFERRER_POLICY_ORIGIN, data.referrer_policy);
  EXPECT_EQ(UR_FLAG_SKIP_CACHE, data.flags);
  EXPECT_EQ((HeaderList{{u"Content-Type", u"application/x-www-form-urlencoded"},
                        {u"X-Twice", u"1"},
                        {u"X-Twice", u"2"}}),
            data.headers);
  EXPECT_EQ(u"application/x-www-form-urlencoded",
            cefrt::FindHeader(data.headers, u"content-TYPE"));
  ASSERT_TRUE(data.has_upload);
  ASSERT_EQ(2u, data.upload.size());
  std::string body;
  ASSERT_TRUE(cefrt::UploadBody(data, &body));
  EXPECT_EQ("user=demo&pw=x", body);
  cefrt::ReleaseStruct(program);

  // Nothing set is a GET of nothing, with no upload.
  const RequestData empty = cefrt::ReadRequest(nullptr);
  EXPECT_EQ(u"GET", empty.method);
  EXPECT_FALSE(empty.has_upload);
}

TEST_F(RequestSnapshotTest, OnlyWellFormedMethodsAndHeadersAreSent) {
  struct Case {
    const char16_t* method;
    const char16_t* name;
    const char16_t* value;
    bool sendable;
  };
  const Case cases[] = {
      {u"POST", u"X-Token", u"a b; c=\"d\"", true},
      {u"M-SEARCH", u"Accept-Language", u"", true},
      {u"GET / HTTP/1.1\r\nHost: x\r\n\r\nGET", u"X", u"1", false},
      {u"GET", u"X-Evil", u"1\r\nCookie: stolen", false},
      {u"GET", u"X-Evil", u"1\nSet: 2", false},
      {u"GET", u"Bad Name", u"1", false},
      {u"GET", u"Bad:Name", u"1", false},
      {u"GET", u"", u"1", false},
      {u"", u"X", u"1", false},
  };
  for (const Case& c : cases) {
    RequestData data;
    data.method = c.method;
    data.headers = {{u"Accept", u"text/html"}, {c.name, c.value}};
    EXPECT_EQ(c.sendable, cefrt::SendableRequest(data))
        << cefrt::U16ToUtf8(c.method) << " / " << cefrt::U16ToUtf8(c.name);
  }
  // The value's NUL would cut the header short on the wire.
  RequestData nul;
  nul.headers = {{u"X", std::u16string(u"a\0b", 3)}};
  EXPECT_FALSE(cefrt::SendableRequest(nul));
}

TEST_F(RequestSnapshotTest, RepeatedHeadersJoinUnderTheFirstSpelling) {
  EXPECT_EQ((HeaderList{{u"X-Probe", u"one, two, three"}, {u"Accept", u"*/*"}}),
            cefrt::JoinRepeatedHeaders({{u"X-Probe", u"one"},
                                        {u"Accept", u"*/*"},
                                        {u"x-probe", u"two"},
                                        {u"X-PROBE", u"three"}}));
  EXPECT_TRUE(cefrt::JoinRepeatedHeaders({}).empty());
}

TEST_F(RequestSnapshotTest, FileElementsAreReadIntoTheBodyOrFailTheLoad) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path();
  const std::filesystem::path present = dir / "cefrt_upload_present.bin";
  {
    std::ofstream out(present, std::ios::binary);
    out.write("file\0part", 9);
  }
  const std::u16string missing = (dir / "cefrt_upload_missing.bin").u16string();

  cef_request_t* good =
      ProgramRequest(Bytes("head;"), File(present.u16string()));
  std::string body;
  EXPECT_TRUE(cefrt::UploadBody(cefrt::ReadRequest(good), &body));
  EXPECT_EQ(std::string("head;file\0part", 14), body);
  cefrt::ReleaseStruct(good);

  cef_request_t* bad = ProgramRequest(Bytes("head;"), File(missing));
  EXPECT_FALSE(cefrt::UploadBody(cefrt::ReadRequest(bad), &body));
  cefrt::ReleaseStruct(bad);
  std::filesystem::remove(present);
}

TEST_F(RequestSnapshotTest, ReadOnlyCopiesRefuseEveryChangeAtEveryLevel) {
  cef_request_t* program = ProgramRequest(Bytes("a"), Bytes("b"));
  cef_request_t* r = cefrt::NewReadOnlyRequest(cefrt::ReadRequest(program));
  cefrt::ReleaseStruct(program);
  ASSERT_TRUE(r);
  EXPECT_EQ(1, r->is_read_only(r));
  const RequestData before = cefrt::ReadRequest(r);

  const std::u16string text = u"http://elsewhere/";
  const cef_string_t v = cefrt::View(text);
  r->set_url(r, &v);
  r->set_method(r, &v);
  r->set_referrer(r, &v, REFERRER_POLICY_NEVER);
  r->set_flags(r, UR_FLAG_NO_DOWNLOAD_DATA);
  r->set_first_party_for_cookies(r, &v);
  cef_string_multimap_t map = cef_string_multimap_alloc();
  cefrt::WriteMultimap({{u"Injected", u"1"}}, map);
  r->set_header_map(r, map);
  r->set(r, &v, &v, nullptr, map);
  cef_string_multimap_free(map);
  r->set_post_data(r, cef_post_data_create());

  EXPECT_EQ(u"http://127.0.0.1:88/quillbook/login", Take(r->get_url(r)));
  EXPECT_EQ(u"POST", Take(r->get_method(r)));
  EXPECT_EQ(u"http://127.0.0.1:88/", Take(r->get_referrer_url(r)));
  EXPECT_EQ(REFERRER_POLICY_ORIGIN, r->get_referrer_policy(r));
  EXPECT_EQ(UR_FLAG_SKIP_CACHE, r->get_flags(r));
  EXPECT_EQ(before.headers, Headers(r));

  cef_post_data_t* data = r->get_post_data(r);
  ASSERT_TRUE(data);
  EXPECT_EQ(1, data->is_read_only(data));
  EXPECT_EQ(0, data->add_element(data, Bytes("c")));
  cef_post_data_element_t* elements[2] = {};
  size_t count = 2;
  data->get_elements(data, &count, elements);
  ASSERT_EQ(2u, count);
  EXPECT_EQ(0, data->remove_element(data, elements[0]));  // takes one reference
  data->remove_elements(data);
  EXPECT_EQ(2u, data->get_element_count(data));

  cef_post_data_element_t* e = elements[1];
  EXPECT_EQ(1, e->is_read_only(e));
  e->set_to_bytes(e, 1, "z");
  e->set_to_file(e, &v);
  e->set_to_empty(e);
  char byte = 0;
  EXPECT_EQ(1u, e->get_bytes(e, 1, &byte));
  EXPECT_EQ('b', byte);
  EXPECT_EQ(PDE_TYPE_BYTES, e->get_type(e));

  cefrt::ReleaseStruct(e);
  cefrt::ReleaseStruct(data);
  cefrt::ReleaseStruct(r);
}

TEST_F(RequestSnapshotTest, AReadOnlyResponseRefusesEveryChange) {
  cef_response_t* r = cef_response_create();
  r->set_status(r, 200);
  cefrt::MakeReadOnly(r);
  EXPECT_EQ(1, r->is_read_only(r));
  const std::u16string text = u"text/plain";
  const cef_string_t v = cefrt::View(text);
  r->set_status(r, 500);
  r->set_status_text(r, &v);
  r->set_mime_type(r, &v);
  cef_string_multimap_t map = cef_string_multimap_alloc();
  cefrt::WriteMultimap({{u"Injected", u"1"}}, map);
  r->set_header_map(r, map);
  r->get_header_map(r, map);
  EXPECT_EQ(0, cef_string_multimap_size(map));
  cef_string_multimap_free(map);
  EXPECT_EQ(200, r->get_status(r));
  EXPECT_EQ(u"", Take(r->get_status_text(r)));
  EXPECT_EQ(u"", Take(r->get_mime_type(r)));
  cefrt::ReleaseStruct(r);
}

}  // namespace
