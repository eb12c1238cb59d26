#include "runtime/data/print_settings.h"

#include <limits.h>
#include <stdint.h>

#include <algorithm>
#include <utility>

namespace cefrt {

namespace {

using Base = DataObject<cef_print_settings_t, PrintState>;

// Pages count from 0; a range names its first and last page.
bool ValidRange(const cef_page_range_t& r) {
  return r.from >= 0 && r.to >= r.from;
}

// A paper with an area, and a printable area of its own inside it.
bool ValidArea(const cef_size_t& paper, const cef_rect_t& area) {
  return paper.width > 0 && paper.height > 0 && area.x >= 0 && area.y >= 0 &&
         area.width > 0 && area.height > 0 &&
         int64_t{area.x} + area.width <= paper.width &&
         int64_t{area.y} + area.height <= paper.height;
}

void CEF_CALLBACK SetPrintableArea(cef_print_settings_t* self,
                                   const cef_size_t* paper,
                                   const cef_rect_t* area,
                                   int landscape_needs_flip) {
  Base* o = Base::Of(self);
  if (!o || !paper || !area || !ValidArea(*paper, *area)) {
    CEFRT_LOG(LOGSEVERITY_WARNING, "printable area refused");
    return;
  }
  const cef_size_t p = *paper;
  const cef_rect_t a = *area;
  o->Write([&](PrintState& s) {
    s.has_printable_area = true;
    s.paper = p;
    s.printable = a;
    // Some systems report the area for portrait only.
    if (s.landscape && landscape_needs_flip) {
      s.paper = {p.height, p.width};
      s.printable = {a.y, a.x, a.height, a.width};
    }
  });
}

// All or nothing: one bad range, or a count without an array, leaves the
// earlier ranges in place. A count of 0 clears them.
void CEF_CALLBACK SetPageRanges(cef_print_settings_t* self, size_t count,
                                const cef_page_range_t* ranges) {
  Base* o = Base::Of(self);
  if (!o)
    return;
  if (count > 0 && (!ranges || !std::all_of(ranges, ranges + count,
                                            ValidRange))) {
    CEFRT_LOG(LOGSEVERITY_WARNING, "page ranges refused");
    return;
  }
  std::vector<cef_page_range_t> list;
  if (count > 0)
    list.assign(ranges, ranges + count);
  o->Write([&](PrintState& s) { s.page_ranges = std::move(list); });
}

size_t CEF_CALLBACK GetPageRangesCount(cef_print_settings_t* self) {
  Base* o = Base::Of(self);
  return o ? o->Read([](const PrintState& s) { return s.page_ranges.size(); })
           : 0;
}

// `count` comes in as the array's capacity and goes out as what was written.
void CEF_CALLBACK GetPageRanges(cef_print_settings_t* self, size_t* count,
                                cef_page_range_t* ranges) {
  if (!count)
    return;
  Base* o = Base::Of(self);
  if (!o || !ranges) {
    *count = 0;
    return;
  }
  *count = o->Read([&](const PrintState& s) {
    const size_t n = std::min(*count, s.page_ranges.size());
    std::copy_n(s.page_ranges.begin(), n, ranges);
    return n;
  });
}

}  // namespace

PrintSettings::PrintSettings(PrintState state)
    : DataObject("cef_print_settings_t", std::move(state)) {
  cef_print_settings_t& c = s();
  c.is_valid = &IsValid;
  c.is_read_only = &ReadOnly;
  c.copy = [](cef_print_settings_t* self)
      CEF_CALLBACK -> cef_print_settings_t* {
    Base* o = Of(self);
    return o ? (new PrintSettings(o->Snapshot()))->Give() : nullptr;
  };
  c.set_orientation = &SetFlag<&PrintState::landscape>;
  c.is_landscape = &GetFlag<&PrintState::landscape>;
  c.set_printer_printable_area = &SetPrintableArea;
  c.set_device_name = &SetStringOrClear<&PrintState::device_name>;
  c.get_device_name = &GetString<&PrintState::device_name>;
  c.set_dpi = &SetInRange<int, &PrintState::dpi, 1, INT_MAX>;
  c.get_dpi = &GetValue<int, &PrintState::dpi, 0>;
  c.set_page_ranges = &SetPageRanges;
  c.get_page_ranges_count = &GetPageRangesCount;
  c.get_page_ranges = &GetPageRanges;
  c.set_selection_only = &SetFlag<&PrintState::selection_only>;
  c.is_selection_only = &GetFlag<&PrintState::selection_only>;
  c.set_collate = &SetFlag<&PrintState::collate>;
  c.will_collate = &GetFlag<&PrintState::collate>;
  c.set_color_model =
      &SetInRange<cef_color_model_t, &PrintState::color_model,
                  COLOR_MODEL_UNKNOWN, COLOR_MODEL_PROCESSCOLORMODEL_RGB>;
  c.get_color_model = &GetValue<cef_color_model_t, &PrintState::color_model,
                                COLOR_MODEL_UNKNOWN>;
  c.set_copies = &SetInRange<int, &PrintState::copies, 1, INT_MAX>;
  c.get_copies = &GetValue<int, &PrintState::copies, 0>;
  c.set_duplex_mode =
      &SetInRange<cef_duplex_mode_t, &PrintState::duplex_mode,
                  DUPLEX_MODE_UNKNOWN, DUPLEX_MODE_SHORT_EDGE>;
  c.get_duplex_mode = &GetValue<cef_duplex_mode_t, &PrintState::duplex_mode,
                                DUPLEX_MODE_UNKNOWN>;
}

}  // namespace cefrt

cef_print_settings_t* cef_print_settings_create(void) {
  return (new cefrt::PrintSettings())->Give();
}
