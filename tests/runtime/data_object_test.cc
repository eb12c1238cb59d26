// What only the runtime itself can do to its data objects: make them
// read-only before lending them to a handler, and fill in the contents of a
// drag out of a page. Built with the objects' sources.
#include <string.h>

#include <algorithm>
#include <string>

#include "gtest/gtest.h"
#include "include/capi/cef_stream_capi.h"
#include "include/capi/cef_write_handler_capi.h"
#include "runtime/base/counted.h"
#include "runtime/data/drag_data.h"
#include "runtime/data/print_settings.h"
#include "runtime/data/process_message.h"

namespace {

cef_string_t Text(const char16_t* s) {
  cef_string_t r = {};
  r.str = reinterpret_cast<char16*>(const_cast<char16_t*>(s));
  r.length = std::char_traits<char16_t>::length(s);
  return r;
}

std::u16string Take(cef_string_userfree_t s) {
  std::u16string out;
  if (s) {
    out.assign(reinterpret_cast<const char16_t*>(s->str), s->length);
    cef_string_userfree_utf16_free(s);
  }
  return out;
}

template <class S>
void Release(S* s) {
  s->base.release(&s->base);
}

class NoLeaks : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(cefrt::LiveObjects().empty()); }
};

using PrintSettingsObject = NoLeaks;
using DragDataObject = NoLeaks;
using ProcessMessageObject = NoLeaks;

TEST_F(PrintSettingsObject, ReadOnlyRefusesEveryChangeAndCopiesAreWritable) {
  auto* settings = new cefrt::PrintSettings();
  cef_print_settings_t* s = settings->Give();
  const cef_string_t name = Text(u"lp0");
  s->set_device_name(s, &name);
  s->set_dpi(s, 300);
  settings->Freeze();
  EXPECT_EQ(1, s->is_read_only(s));
  EXPECT_EQ(1, s->is_valid(s));

  const cef_string_t other = Text(u"lp1");
  const cef_page_range_t range = {1, 2};
  s->set_orientation(s, 1);
  s->set_device_name(s, &other);
  s->set_dpi(s, 600);
  s->set_page_ranges(s, 1, &range);
  s->set_selection_only(s, 1);
  s->set_collate(s, 1);
  s->set_color_model(s, COLOR_MODEL_GRAY);
  s->set_copies(s, 4);
  s->set_duplex_mode(s, DUPLEX_MODE_SIMPLEX);
  EXPECT_EQ(0, s->is_landscape(s));
  EXPECT_EQ(u"lp0", Take(s->get_device_name(s)));
  EXPECT_EQ(300, s->get_dpi(s));
  EXPECT_EQ(0u, s->get_page_ranges_count(s));
  EXPECT_EQ(0, s->is_selection_only(s));
  EXPECT_EQ(0, s->will_collate(s));
  EXPECT_EQ(COLOR_MODEL_UNKNOWN, s->get_color_model(s));
  EXPECT_EQ(0, s->get_copies(s));
  EXPECT_EQ(DUPLEX_MODE_UNKNOWN, s->get_duplex_mode(s));

  cef_print_settings_t* copy = s->copy(s);
  ASSERT_TRUE(copy);
  EXPECT_EQ(0, copy->is_read_only(copy));
  EXPECT_EQ(u"lp0", Take(copy->get_device_name(copy)));
  copy->set_dpi(copy, 600);
  EXPECT_EQ(600, copy->get_dpi(copy));
  EXPECT_EQ(300, s->get_dpi(s));
  Release(copy);
  Release(s);
}

TEST_F(DragDataObject, ReadOnlyRefusesEveryChangeAndClonesAreWritable) {
  auto* data = new cefrt::DragData();
  cef_drag_data_t* d = data->Give();
  const cef_string_t url = Text(u"https://a.test/");
  d->set_link_url(d, &url);
  ASSERT_TRUE(data->SetFileContents(u"a.txt", "abc"));
  data->Freeze();
  EXPECT_EQ(1, d->is_read_only(d));

  const cef_string_t other = Text(u"https://b.test/");
  using Setter = void(CEF_CALLBACK*)(cef_drag_data_t*, const cef_string_t*);
  const Setter setters[] = {d->set_link_url,       d->set_link_title,
                            d->set_link_metadata,  d->set_fragment_text,
                            d->set_fragment_html, d->set_fragment_base_url};
  for (Setter set : setters)
    set(d, &other);
  d->add_file(d, &other, nullptr);
  d->reset_file_contents(d);
  EXPECT_FALSE(data->SetFileContents(u"b.txt", "defg"));

  EXPECT_EQ(u"https://a.test/", Take(d->get_link_url(d)));
  using Getter = cef_string_userfree_t(CEF_CALLBACK*)(cef_drag_data_t*);
  for (Getter get : {d->get_link_title, d->get_link_metadata,
                     d->get_fragment_text, d->get_fragment_html,
                     d->get_fragment_base_url})
    EXPECT_EQ(u"", Take(get(d)));
  EXPECT_EQ(u"a.txt", Take(d->get_file_name(d)));
  EXPECT_EQ(3u, d->get_file_contents(d, nullptr));
  cef_string_list_t names = cef_string_list_alloc();
  EXPECT_EQ(0, d->get_file_names(d, names));
  cef_string_list_free(names);

  cef_drag_data_t* clone = d->clone(d);
  ASSERT_TRUE(clone);
  EXPECT_EQ(0, clone->is_read_only(clone));
  clone->set_link_url(clone, &other);
  EXPECT_EQ(u"https://b.test/", Take(clone->get_link_url(clone)));
  clone->reset_file_contents(clone);
  EXPECT_EQ(0u, clone->get_file_contents(clone, nullptr));
  EXPECT_EQ(u"", Take(clone->get_file_name(clone)));
  EXPECT_EQ(3u, d->get_file_contents(d, nullptr));
  Release(clone);
  Release(d);
}

// A write handler in C that takes at most `limit` bytes per call and counts
// its references.
struct Sink {
  cef_write_handler_t handler;
  std::string bytes;
  size_t limit = 1000;
  int refs = 1;
};

Sink* SinkOf(cef_write_handler_t* h) { return reinterpret_cast<Sink*>(h); }

void InitSink(Sink* sink) {
  memset(&sink->handler, 0, sizeof(sink->handler));
  sink->handler.base.size = sizeof(cef_write_handler_t);
  sink->handler.base.add_ref = [](cef_base_t* b) CEF_CALLBACK {
    ++SinkOf(reinterpret_cast<cef_write_handler_t*>(b))->refs;
  };
  sink->handler.base.release = [](cef_base_t* b) CEF_CALLBACK -> int {
    return --SinkOf(reinterpret_cast<cef_write_handler_t*>(b))->refs == 0;
  };
  sink->handler.write = [](cef_write_handler_t* h, const void* p, size_t size,
                           size_t n) CEF_CALLBACK -> size_t {
    Sink* s = SinkOf(h);
    const size_t take = std::min(n, s->limit / (size ? size : 1));
    s->bytes.append(static_cast<const char*>(p), size * take);
    return take;
  };
}

TEST_F(DragDataObject, ContentsGoIntoTheWriterAndTheWriterIsLetGo) {
  auto* data = new cefrt::DragData();
  cef_drag_data_t* d = data->Give();
  const std::string contents("two lines\n\0and binary", 21);
  ASSERT_TRUE(data->SetFileContents(u"notes.txt", contents));
  EXPECT_EQ(1, d->is_file(d));
  EXPECT_EQ(u"notes.txt", Take(d->get_file_name(d)));
  EXPECT_EQ(contents.size(), d->get_file_contents(d, nullptr));

  Sink sink;
  InitSink(&sink);
  sink.handler.base.add_ref(&sink.handler.base);  // the writer's
  cef_stream_writer_t* writer =
      cef_stream_writer_create_for_handler(&sink.handler);
  ASSERT_TRUE(writer);
  writer->base.add_ref(&writer->base);  // the reference handed over
  EXPECT_EQ(contents.size(), d->get_file_contents(d, writer));
  EXPECT_EQ(contents, sink.bytes);

  // A writer that takes less is answered with what it took.
  sink.bytes.clear();
  sink.limit = 5;
  writer->base.add_ref(&writer->base);
  EXPECT_EQ(5u, d->get_file_contents(d, writer));
  EXPECT_EQ(contents.substr(0, 5), sink.bytes);

  EXPECT_EQ(1, writer->base.has_one_ref(&writer->base));
  Release(writer);
  EXPECT_EQ(1, sink.refs) << "the handler goes with the writer";

  d->reset_file_contents(d);
  EXPECT_EQ(0, d->is_file(d));
  EXPECT_EQ(0u, d->get_file_contents(d, nullptr));
  EXPECT_EQ(u"", Take(d->get_file_name(d)));
  Release(d);
}

// A message that arrived lends its list read-only; its copy is the
// program's to change.
TEST_F(ProcessMessageObject, ArrivedMessageIsReadOnlyDownToItsList) {
  cefrt::values::NodePtr args = cefrt::values::Node::NewList();
  args->Append(cefrt::values::Node::NewInt(5));
  cef_process_message_t* m =
      (new cefrt::ProcessMessage(u"in", std::move(args), true))->Give();
  EXPECT_EQ(1, m->is_read_only(m));
  cef_list_value_t* list = m->get_argument_list(m);
  ASSERT_TRUE(list);
  EXPECT_EQ(1, list->is_read_only(list));
  EXPECT_EQ(0, list->set_int(list, 0, 6));
  EXPECT_EQ(0, list->set_int(list, 1, 6));
  EXPECT_EQ(5, list->get_int(list, 0));
  EXPECT_EQ(1u, list->get_size(list));

  cef_process_message_t* copy = m->copy(m);
  ASSERT_TRUE(copy);
  EXPECT_EQ(0, copy->is_read_only(copy));
  cef_list_value_t* copied = copy->get_argument_list(copy);
  EXPECT_EQ(0, copied->is_read_only(copied));
  EXPECT_EQ(1, copied->set_int(copied, 0, 6));
  EXPECT_EQ(5, list->get_int(list, 0));
  Release(copied);
  Release(copy);
  Release(list);
  Release(m);
}

}  // namespace
