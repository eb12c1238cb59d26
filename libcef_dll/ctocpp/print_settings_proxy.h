#ifndef CEF_LIBCEF_DLL_CTOCPP_PRINT_SETTINGS_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_PRINT_SETTINGS_PROXY_H_

#include <vector>

#include "include/cef_print_settings.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefPrintSettingsProxy final
    : public ObjectProxy<CefPrintSettingsProxy, CefPrintSettings,
                         cef_print_settings_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_PRINT_SETTINGS;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  CefRefPtr<CefPrintSettings> Copy() override { return Forward(&S::copy); }
  void SetOrientation(bool landscape) override {
    Forward(&S::set_orientation, landscape);
  }
  bool IsLandscape() override { return Forward(&S::is_landscape); }
  void SetPrinterPrintableArea(const CefSize& physical_size_device_units,
                               const CefRect& printable_area_device_units,
                               bool landscape_needs_flip) override {
    Forward(&S::set_printer_printable_area, physical_size_device_units,
            printable_area_device_units, landscape_needs_flip);
  }
  void SetDeviceName(const CefString& name) override {
    Forward(&S::set_device_name, name);
  }
  CefString GetDeviceName() override { return Forward(&S::get_device_name); }
  void SetDPI(int dpi) override { Forward(&S::set_dpi, dpi); }
  int GetDPI() override { return Forward(&S::get_dpi); }
  // The holders are not laid out as a C array, so the records are copied
  // into one; an empty list goes as a null array.
  void SetPageRanges(const PageRangeList& ranges) override {
    std::vector<cef_page_range_t> records(ranges.begin(), ranges.end());
    Forward(&S::set_page_ranges, records.size(),
            records.empty() ? nullptr : records.data());
  }
  size_t GetPageRangesCount() override {
    return Forward(&S::get_page_ranges_count);
  }
  void GetPageRanges(PageRangeList& ranges) override {
    ForwardArray(&S::get_page_ranges, &CefPrintSettingsProxy::GetPageRangesCount,
                 ranges);
  }
  void SetSelectionOnly(bool selection_only) override {
    Forward(&S::set_selection_only, selection_only);
  }
  bool IsSelectionOnly() override { return Forward(&S::is_selection_only); }
  void SetCollate(bool collate) override { Forward(&S::set_collate, collate); }
  bool WillCollate() override { return Forward(&S::will_collate); }
  void SetColorModel(ColorModel model) override {
    Forward(&S::set_color_model, model);
  }
  ColorModel GetColorModel() override { return Forward(&S::get_color_model); }
  void SetCopies(int copies) override { Forward(&S::set_copies, copies); }
  int GetCopies() override { return Forward(&S::get_copies); }
  void SetDuplexMode(DuplexMode mode) override {
    Forward(&S::set_duplex_mode, mode);
  }
  DuplexMode GetDuplexMode() override {
    return ForwardOr(DUPLEX_MODE_UNKNOWN, &S::get_duplex_mode);
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_PRINT_SETTINGS_PROXY_H_
