#include "runtime/data/drag_data.h"

#include "include/capi/cef_stream_capi.h"
#include "runtime/base/capi_util.h"
#include "runtime/base/url.h"

namespace cefrt {

namespace {

using Base = DataObject<cef_drag_data_t, DragState>;

// One kind at a time: files before a link, a link before a fragment. A link
// needs a URL that parses.
bool HasFile(const DragState& s) {
  return !s.file_contents.empty() || !s.files.empty();
}
bool HasLink(const DragState& s) {
  Url url;
  return !HasFile(s) && !s.link_url.empty() &&
         ParseUrl(U16ToUtf8(s.link_url), &url);
}
bool HasFragment(const DragState& s) {
  return !HasFile(s) && !HasLink(s) &&
         (!s.fragment_text.empty() || !s.fragment_html.empty());
}

template <bool (*Test)(const DragState&)>
int CEF_CALLBACK Is(cef_drag_data_t* self) {
  Base* o = Base::Of(self);
  return o && o->Read(Test) ? 1 : 0;
}

// Writes the contents dragged out into `writer` (whose reference is ours);
// without a writer only their size is answered.
size_t CEF_CALLBACK GetFileContents(cef_drag_data_t* self,
                                    cef_stream_writer_t* writer) {
  Base* o = Base::Of(self);
  size_t result = 0;
  if (o) {
    const std::string bytes =
        o->Read([](const DragState& s) { return s.file_contents; });
    if (!writer)
      result = bytes.size();
    else if (!bytes.empty() && Offers(writer, &cef_stream_writer_t::write))
      result = writer->write(writer, bytes.data(), 1, bytes.size());
  }
  ReleaseStruct(writer);
  return result;
}

// The list arrives holding the caller's old entries; it leaves holding the
// files' paths alone.
int CEF_CALLBACK GetFileNames(cef_drag_data_t* self, cef_string_list_t names) {
  Base* o = Base::Of(self);
  if (!o || !names)
    return 0;
  const DragState s = o->Snapshot();
  cef_string_list_clear(names);
  for (const auto& file : s.files) {
    cef_string_t path = View(file.first);
    cef_string_list_append(names, &path);
  }
  return s.files.empty() ? 0 : 1;
}

void CEF_CALLBACK ResetFileContents(cef_drag_data_t* self) {
  if (Base* o = Base::Of(self)) {
    o->Write([](DragState& s) {
      s.file_name.clear();
      s.file_contents.clear();
    });
  }
}

void CEF_CALLBACK AddFile(cef_drag_data_t* self, const cef_string_t* path,
                          const cef_string_t* display_name) {
  Base* o = Base::Of(self);
  std::u16string p = FromCef(path);
  if (!o || p.empty())
    return;
  std::u16string name = FromCef(display_name);
  o->Write([&](DragState& s) { s.files.emplace_back(p, name); });
}

}  // namespace

DragData::DragData(DragState state)
    : DataObject("cef_drag_data_t", std::move(state)) {
  cef_drag_data_t& c = s();
  c.clone = [](cef_drag_data_t* self) CEF_CALLBACK -> cef_drag_data_t* {
    Base* o = Of(self);
    return o ? (new DragData(o->Snapshot()))->Give() : nullptr;
  };
  c.is_read_only = &ReadOnly;
  c.is_link = &Is<HasLink>;
  c.is_fragment = &Is<HasFragment>;
  c.is_file = &Is<HasFile>;
  c.get_link_url = &GetString<&DragState::link_url>;
  c.get_link_title = &GetString<&DragState::link_title>;
  c.get_link_metadata = &GetString<&DragState::link_metadata>;
  c.get_fragment_text = &GetString<&DragState::fragment_text>;
  c.get_fragment_html = &GetString<&DragState::fragment_html>;
  c.get_fragment_base_url = &GetString<&DragState::fragment_base_url>;
  c.get_file_name = &GetString<&DragState::file_name>;
  c.get_file_contents = &GetFileContents;
  c.get_file_names = &GetFileNames;
  c.set_link_url = &SetStringOrClear<&DragState::link_url>;
  c.set_link_title = &SetStringOrClear<&DragState::link_title>;
  c.set_link_metadata = &SetStringOrClear<&DragState::link_metadata>;
  c.set_fragment_text = &SetStringOrClear<&DragState::fragment_text>;
  c.set_fragment_html = &SetStringOrClear<&DragState::fragment_html>;
  c.set_fragment_base_url = &SetStringOrClear<&DragState::fragment_base_url>;
  c.reset_file_contents = &ResetFileContents;
  c.add_file = &AddFile;
}

bool DragData::SetFileContents(const std::u16string& name, std::string bytes) {
  return Write([&](DragState& s) {
    s.file_name = name;
    s.file_contents = std::move(bytes);
  });
}

}  // namespace cefrt

cef_drag_data_t* cef_drag_data_create(void) {
  return (new cefrt::DragData())->Give();
}
