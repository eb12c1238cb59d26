// The library's description of what is being dragged.
#ifndef CEF_RUNTIME_DATA_DRAG_DATA_H_
#define CEF_RUNTIME_DATA_DRAG_DATA_H_

#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_drag_data_capi.h"
#include "runtime/data/data_object.h"

namespace cefrt {

struct DragState {
  std::u16string link_url;
  std::u16string link_title;
  std::u16string link_metadata;
  std::u16string fragment_text;
  std::u16string fragment_html;
  std::u16string fragment_base_url;
  // A file dragged out of a page: its suggested name and its bytes.
  std::u16string file_name;
  std::string file_contents;
  // Files dragged into a page: path and display name (may be empty).
  std::vector<std::pair<std::u16string, std::u16string>> files;
};

class DragData : public DataObject<cef_drag_data_t, DragState> {
 public:
  explicit DragData(DragState state = DragState());

  // What a drag out of a page carries; refused when read-only.
  bool SetFileContents(const std::u16string& name, std::string bytes);

 private:
  ~DragData() override = default;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_DRAG_DATA_H_
