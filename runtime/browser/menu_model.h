// The editable context menu and the description of where it was opened, as
// the library hands them to the context-menu handler.
#ifndef CEF_RUNTIME_MENU_MODEL_H_
#define CEF_RUNTIME_MENU_MODEL_H_

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "include/capi/cef_context_menu_capi.h"
#include "runtime/base/counted.h"

namespace cefrt {

class MenuModel : public CountedStruct<cef_menu_model_t> {
 public:
  struct Item {
    int command_id = -1;
    cef_menu_item_type_t type = MENUITEMTYPE_NONE;
    std::u16string label;
    int group_id = -1;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool has_accelerator = false;
    int key_code = 0;
    bool shift = false, ctrl = false, alt = false;
    Ref<MenuModel> submenu;
    // The toolkit's own item this one was made from, if any; kept alive for
    // as long as the item is.
    std::shared_ptr<void> native;
  };

  MenuModel();

  // A snapshot of the items, in order.
  std::vector<Item> Items() const;
  // Appends an item as the toolkit offered it.
  void AppendNative(Item item);

  int Count() const;
  bool Clear();
  bool Insert(int index, Item item);  // index == Count() appends
  bool RemoveAt(int index);
  int IndexOf(int command_id) const;
  // Runs `fn` on the item at `index` under the lock; false when out of range.
  template <class Fn>
  bool WithItem(int index, Fn fn) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < 0 || index >= static_cast<int>(items_.size()))
      return false;
    fn(items_[static_cast<size_t>(index)]);
    return true;
  }
  template <class Fn>
  bool WithItem(int index, Fn fn) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < 0 || index >= static_cast<int>(items_.size()))
      return false;
    fn(items_[static_cast<size_t>(index)]);
    return true;
  }

 private:
  ~MenuModel() override = default;

  mutable std::mutex mutex_;
  std::vector<Item> items_;
};

class ContextMenuParams : public CountedStruct<cef_context_menu_params_t> {
 public:
  struct Data {
    int x = 0, y = 0;
    int type_flags = CM_TYPEFLAG_NONE;
    std::u16string link_url, unfiltered_link_url, source_url;
    bool has_image_contents = false;
    std::u16string page_url, frame_url, frame_charset;
    cef_context_menu_media_type_t media_type = CM_MEDIATYPE_NONE;
    int media_state_flags = CM_MEDIAFLAG_NONE;
    std::u16string selection_text;
    bool is_editable = false;
    int edit_state_flags = CM_EDITFLAG_NONE;
  };

  explicit ContextMenuParams(const Data& data);
  const Data& data() const { return data_; }

 private:
  ~ContextMenuParams() override = default;
  const Data data_;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_MENU_MODEL_H_
