// The library's printer settings object.
#ifndef CEF_RUNTIME_DATA_PRINT_SETTINGS_H_
#define CEF_RUNTIME_DATA_PRINT_SETTINGS_H_

#include <string>
#include <vector>

#include "include/capi/cef_print_settings_capi.h"
#include "runtime/data/data_object.h"

namespace cefrt {

struct PrintState {
  bool landscape = false;
  // As the printer reports it, already turned for landscape where needed.
  bool has_printable_area = false;
  cef_size_t paper = {};
  cef_rect_t printable = {};
  std::u16string device_name;
  int dpi = 0;  // 0: not chosen yet
  std::vector<cef_page_range_t> page_ranges;
  bool selection_only = false;
  bool collate = false;
  cef_color_model_t color_model = COLOR_MODEL_UNKNOWN;
  int copies = 0;  // 0: not chosen yet
  cef_duplex_mode_t duplex_mode = DUPLEX_MODE_UNKNOWN;
};

class PrintSettings : public DataObject<cef_print_settings_t, PrintState> {
 public:
  // Writable, with the defaults above.
  explicit PrintSettings(PrintState state = PrintState());

 private:
  ~PrintSettings() override = default;
};

}  // namespace cefrt

#endif  // CEF_RUNTIME_DATA_PRINT_SETTINGS_H_
