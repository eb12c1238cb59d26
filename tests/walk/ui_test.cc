#include <cstddef>
#include <string>
#include <vector>

#include "libcef_dll/ctocpp/binary_value_proxy.h"
#include "libcef_dll/ctocpp/context_menu_params_proxy.h"
#include "libcef_dll/ctocpp/download_item_proxy.h"
#include "libcef_dll/ctocpp/drag_data_proxy.h"
#include "libcef_dll/ctocpp/menu_model_proxy.h"
#include "libcef_dll/ctocpp/print_settings_proxy.h"
#include "libcef_dll/ctocpp/sslcert_principal_proxy.h"
#include "libcef_dll/ctocpp/sslinfo_proxy.h"
#include "tests/fake/fake_library.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Req;
using walk::Row;

class UiProxyTest : public fake::LedgerTest {
 protected:
  void SetUp() override {
    fake::LedgerTest::SetUp();
    fake::Reset();
  }
};

TEST_F(UiProxyTest, EveryContextMenuParamsMember) {
  typedef cef_context_menu_params_t S;
  typedef CefContextMenuParams I;
  EmbedStringVector suggestions{"colour"};
  walk::WalkProxy<CefContextMenuParamsProxy>({
      Row<&S::get_xcoord>(&I::GetXCoord),
      Row<&S::get_ycoord>(&I::GetYCoord),
      Row<&S::get_type_flags>(&I::GetTypeFlags),
      Row<&S::get_link_url>(&I::GetLinkUrl),
      Row<&S::get_unfiltered_link_url>(&I::GetUnfilteredLinkUrl),
      Row<&S::get_source_url>(&I::GetSourceUrl),
      Row<&S::has_image_contents>(&I::HasImageContents),
      Row<&S::get_page_url>(&I::GetPageUrl),
      Row<&S::get_frame_url>(&I::GetFrameUrl),
      Row<&S::get_frame_charset>(&I::GetFrameCharset),
      Row<&S::get_media_type>(&I::GetMediaType),
      Row<&S::get_media_state_flags>(&I::GetMediaStateFlags),
      Row<&S::get_selection_text>(&I::GetSelectionText),
      Row<&S::get_misspelled_word>(&I::GetMisspelledWord),
      Row<&S::get_dictionary_suggestions>(&I::GetDictionarySuggestions,
                                          suggestions)
          .Sees("ptr"),
      Row<&S::is_editable>(&I::IsEditable),
      Row<&S::is_spell_check_enabled>(&I::IsSpellCheckEnabled),
      Row<&S::get_edit_state_flags>(&I::GetEditStateFlags),
      Row<&S::is_custom_menu>(&I::IsCustomMenu),
      Row<&S::is_pepper_menu>(&I::IsPepperMenu),
  });
}

TEST_F(UiProxyTest, EveryMenuModelMember) {
  typedef cef_menu_model_t S;
  typedef CefMenuModel I;
  const CefString label("Reload");
  int key_code = 0;
  bool shift = true, ctrl = false, alt = true;
  walk::WalkProxy<CefMenuModelProxy>({
      Row<&S::clear>(&I::Clear),
      Row<&S::get_count>(&I::GetCount),
      Row<&S::add_separator>(&I::AddSeparator),
      Row<&S::add_item>(&I::AddItem, 7, Req(label)).Sees("7, \"Reload\""),
      Row<&S::add_check_item>(&I::AddCheckItem, 7, Req(label)),
      Row<&S::add_radio_item>(&I::AddRadioItem, 7, Req(label), 2)
          .Sees("7, \"Reload\", 2"),
      Row<&S::add_sub_menu>(&I::AddSubMenu, 7, Req(label)),
      Row<&S::insert_separator_at>(&I::InsertSeparatorAt, 1).Sees("1"),
      Row<&S::insert_item_at>(&I::InsertItemAt, 1, 7, Req(label))
          .Sees("1, 7, \"Reload\""),
      Row<&S::insert_check_item_at>(&I::InsertCheckItemAt, 1, 7, Req(label)),
      Row<&S::insert_radio_item_at>(&I::InsertRadioItemAt, 1, 7, Req(label), 2)
          .Sees("1, 7, \"Reload\", 2"),
      Row<&S::insert_sub_menu_at>(&I::InsertSubMenuAt, 1, 7, Req(label)),
      Row<&S::remove>(&I::Remove, 7),
      Row<&S::remove_at>(&I::RemoveAt, 1),
      Row<&S::get_index_of>(&I::GetIndexOf, 7).Default(-1),
      Row<&S::get_command_id_at>(&I::GetCommandIdAt, 1),
      Row<&S::set_command_id_at>(&I::SetCommandIdAt, 1, 7).Sees("1, 7"),
      Row<&S::get_label>(&I::GetLabel, 7),
      Row<&S::get_label_at>(&I::GetLabelAt, 1),
      Row<&S::set_label>(&I::SetLabel, 7, Req(label)),
      Row<&S::set_label_at>(&I::SetLabelAt, 1, Req(label)),
      Row<&S::get_type>(&I::GetType, 7),
      Row<&S::get_type_at>(&I::GetTypeAt, 1),
      Row<&S::get_group_id>(&I::GetGroupId, 7),
      Row<&S::get_group_id_at>(&I::GetGroupIdAt, 1),
      Row<&S::set_group_id>(&I::SetGroupId, 7, 2),
      Row<&S::set_group_id_at>(&I::SetGroupIdAt, 1, 2),
      Row<&S::get_sub_menu>(&I::GetSubMenu, 7),
      Row<&S::get_sub_menu_at>(&I::GetSubMenuAt, 1),
      Row<&S::is_visible>(&I::IsVisible, 7),
      Row<&S::is_visible_at>(&I::IsVisibleAt, 1),
      Row<&S::set_visible>(&I::SetVisible, 7, true).Sees("7, 1"),
      Row<&S::set_visible_at>(&I::SetVisibleAt, 1, false).Sees("1, 0"),
      Row<&S::is_enabled>(&I::IsEnabled, 7),
      Row<&S::is_enabled_at>(&I::IsEnabledAt, 1),
      Row<&S::set_enabled>(&I::SetEnabled, 7, true).Sees("7, 1"),
      Row<&S::set_enabled_at>(&I::SetEnabledAt, 1, true),
      Row<&S::is_checked>(&I::IsChecked, 7),
      Row<&S::is_checked_at>(&I::IsCheckedAt, 1),
      Row<&S::set_checked>(&I::SetChecked, 7, true),
      Row<&S::set_checked_at>(&I::SetCheckedAt, 1, true).Sees("1, 1"),
      Row<&S::has_accelerator>(&I::HasAccelerator, 7),
      Row<&S::has_accelerator_at>(&I::HasAcceleratorAt, 1),
      Row<&S::set_accelerator>(&I::SetAccelerator, 7, 0x74, true, false, true)
          .Sees("7, 116, 1, 0, 1"),
      Row<&S::set_accelerator_at>(&I::SetAcceleratorAt, 1, 0x74, false, true,
                                  false)
          .Sees("1, 116, 0, 1, 0"),
      Row<&S::remove_accelerator>(&I::RemoveAccelerator, 7),
      Row<&S::remove_accelerator_at>(&I::RemoveAcceleratorAt, 1),
      Row<&S::get_accelerator>(&I::GetAccelerator, 7, key_code, shift, ctrl,
                               alt)
          .Sees("7, ptr, ptr, ptr, ptr"),
      Row<&S::get_accelerator_at>(&I::GetAcceleratorAt, 1, key_code, shift,
                                  ctrl, alt)
          .Sees("1, ptr, ptr, ptr, ptr"),
  });
}

TEST_F(UiProxyTest, EveryDragDataMember) {
  typedef cef_drag_data_t S;
  typedef CefDragData I;
  EmbedStringVector names{"old.txt"};
  const CefString empty;
  walk::WalkProxy<CefDragDataProxy>({
      Row<&S::clone>(&I::Clone),
      Row<&S::is_read_only>(&I::IsReadOnly),
      Row<&S::is_link>(&I::IsLink),
      Row<&S::is_fragment>(&I::IsFragment),
      Row<&S::is_file>(&I::IsFile),
      Row<&S::get_link_url>(&I::GetLinkURL),
      Row<&S::get_link_title>(&I::GetLinkTitle),
      Row<&S::get_link_metadata>(&I::GetLinkMetadata),
      Row<&S::get_fragment_text>(&I::GetFragmentText),
      Row<&S::get_fragment_html>(&I::GetFragmentHtml),
      Row<&S::get_fragment_base_url>(&I::GetFragmentBaseURL),
      Row<&S::get_file_name>(&I::GetFileName),
      // A null writer asks for the size: it must still reach the library.
      Row<&S::get_file_contents>(&I::GetFileContents,
                                 CefRefPtr<CefStreamWriter>())
          .Sees("null"),
      Row<&S::get_file_names>(&I::GetFileNames, names).Sees("ptr"),
      Row<&S::set_link_url>(&I::SetLinkURL, CefString("http://a/"))
          .Sees("\"http://a/\""),
      // The setters take an empty text as a null record.
      Row<&S::set_link_title>(&I::SetLinkTitle, empty).Sees("null"),
      Row<&S::set_link_metadata>(&I::SetLinkMetadata, CefString("m")),
      Row<&S::set_fragment_text>(&I::SetFragmentText, CefString("t")),
      Row<&S::set_fragment_html>(&I::SetFragmentHtml, CefString("<b>")),
      Row<&S::set_fragment_base_url>(&I::SetFragmentBaseURL,
                                     CefString("http://b/")),
      Row<&S::reset_file_contents>(&I::ResetFileContents),
      Row<&S::add_file>(&I::AddFile, Req(CefString("/tmp/f")), empty)
          .Sees("\"/tmp/f\", null"),
  });
}

TEST_F(UiProxyTest, EveryDownloadItemMember) {
  typedef cef_download_item_t S;
  typedef CefDownloadItem I;
  walk::WalkProxy<CefDownloadItemProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_in_progress>(&I::IsInProgress),
      Row<&S::is_complete>(&I::IsComplete),
      Row<&S::is_canceled>(&I::IsCanceled),
      Row<&S::get_current_speed>(&I::GetCurrentSpeed),
      Row<&S::get_percent_complete>(&I::GetPercentComplete),
      Row<&S::get_total_bytes>(&I::GetTotalBytes),
      Row<&S::get_received_bytes>(&I::GetReceivedBytes),
      Row<&S::get_start_time>(&I::GetStartTime),
      Row<&S::get_end_time>(&I::GetEndTime),
      Row<&S::get_full_path>(&I::GetFullPath),
      Row<&S::get_id>(&I::GetId),
      Row<&S::get_url>(&I::GetURL),
      Row<&S::get_original_url>(&I::GetOriginalUrl),
      Row<&S::get_suggested_file_name>(&I::GetSuggestedFileName),
      Row<&S::get_content_disposition>(&I::GetContentDisposition),
      Row<&S::get_mime_type>(&I::GetMimeType),
  });
}

TEST_F(UiProxyTest, EveryPrintSettingsMember) {
  typedef cef_print_settings_t S;
  typedef CefPrintSettings I;
  CefSize size;
  size.width = 800;
  CefRect area;
  area.height = 600;
  CefPrintSettings::PageRangeList ranges(1);
  walk::WalkProxy<CefPrintSettingsProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_read_only>(&I::IsReadOnly),
      Row<&S::copy>(&I::Copy),
      Row<&S::set_orientation>(&I::SetOrientation, true).Sees("1"),
      Row<&S::is_landscape>(&I::IsLandscape),
      Row<&S::set_printer_printable_area>(&I::SetPrinterPrintableArea, size,
                                          area, true)
          .Sees("ptr, ptr, 1"),
      Row<&S::set_device_name>(&I::SetDeviceName, CefString("lp0"))
          .Sees("\"lp0\""),
      Row<&S::get_device_name>(&I::GetDeviceName),
      Row<&S::set_dpi>(&I::SetDPI, 300).Sees("300"),
      Row<&S::get_dpi>(&I::GetDPI),
      Row<&S::set_page_ranges>(&I::SetPageRanges,
                               CefPrintSettings::PageRangeList())
          .Sees("0, null"),
      Row<&S::get_page_ranges_count>(&I::GetPageRangesCount),
      Row<&S::get_page_ranges>(&I::GetPageRanges, ranges)
          .Consults<&S::get_page_ranges_count>()
          .Sees("ptr, ptr"),
      Row<&S::set_selection_only>(&I::SetSelectionOnly, true).Sees("1"),
      Row<&S::is_selection_only>(&I::IsSelectionOnly),
      Row<&S::set_collate>(&I::SetCollate, false).Sees("0"),
      Row<&S::will_collate>(&I::WillCollate),
      Row<&S::set_color_model>(&I::SetColorModel, COLOR_MODEL_GRAY).Sees("1"),
      Row<&S::get_color_model>(&I::GetColorModel),
      Row<&S::set_copies>(&I::SetCopies, 2).Sees("2"),
      Row<&S::get_copies>(&I::GetCopies),
      Row<&S::set_duplex_mode>(&I::SetDuplexMode, DUPLEX_MODE_LONG_EDGE)
          .Sees("1"),
      Row<&S::get_duplex_mode>(&I::GetDuplexMode).Default(DUPLEX_MODE_UNKNOWN),
  });
}

TEST_F(UiProxyTest, EveryCertificateMember) {
  {
    typedef cef_sslinfo_t S;
    typedef CefSSLInfo I;
    walk::WalkProxy<CefSSLInfoProxy>({
        Row<&S::get_cert_status>(&I::GetCertStatus),
        Row<&S::is_cert_status_error>(&I::IsCertStatusError),
        Row<&S::is_cert_status_minor_error>(&I::IsCertStatusMinorError),
        Row<&S::get_subject>(&I::GetSubject),
        Row<&S::get_issuer>(&I::GetIssuer),
        Row<&S::get_serial_number>(&I::GetSerialNumber),
        Row<&S::get_valid_start>(&I::GetValidStart),
        Row<&S::get_valid_expiry>(&I::GetValidExpiry),
        Row<&S::get_derformat>(&I::GetDERFormat),
        Row<&S::get_pemformat>(&I::GetPEMFormat),
        Row<&S::get_issuer_chain_size>(&I::GetIssuerChainSize),
        Row<&S::get_derencoded_issuer_chain>(
            &I::GetDEREncodedIssuerChain, CefSSLInfo::IssuerChainBinaryList())
            .Consults<&S::get_issuer_chain_size>()
            .Sees("ptr, ptr"),
        Row<&S::get_pemencoded_issuer_chain>(
            &I::GetPEMEncodedIssuerChain, CefSSLInfo::IssuerChainBinaryList())
            .Consults<&S::get_issuer_chain_size>()
            .Sees("ptr, ptr"),
    });
  }
  {
    typedef cef_sslcert_principal_t S;
    typedef CefSSLCertPrincipal I;
    EmbedStringVector list{"x"};
    walk::WalkProxy<CefSSLCertPrincipalProxy>({
        Row<&S::get_display_name>(&I::GetDisplayName),
        Row<&S::get_common_name>(&I::GetCommonName),
        Row<&S::get_locality_name>(&I::GetLocalityName),
        Row<&S::get_state_or_province_name>(&I::GetStateOrProvinceName),
        Row<&S::get_country_name>(&I::GetCountryName),
        Row<&S::get_street_addresses>(&I::GetStreetAddresses, list).Sees("ptr"),
        Row<&S::get_organization_names>(&I::GetOrganizationNames, list),
        Row<&S::get_organization_unit_names>(&I::GetOrganizationUnitNames,
                                             list),
        Row<&S::get_domain_components>(&I::GetDomainComponents, list),
    });
  }
}

// ---------------------------------------------------------------------------
// Accelerators come back through the caller's variables.

struct AcceleratorSeen {
  int key_code = 0;
  int flags[3] = {0, 0, 0};
};
AcceleratorSeen& Seen() {
  static AcceleratorSeen seen;
  return seen;
}

// Notes what came in, then answers F5 with only shift and alt held, the
// latter as a non-zero value other than 1.
int CEF_CALLBACK Accelerator(cef_menu_model_t*, int, int* key_code, int* shift,
                             int* ctrl, int* alt) {
  Seen() = AcceleratorSeen{*key_code, {*shift, *ctrl, *alt}};
  *key_code = 0x74;
  *shift = 1;
  *ctrl = 0;
  *alt = 5;
  return 1;
}

TEST_F(UiProxyTest, AcceleratorIsWrittenBackThroughReferences) {
  typedef bool (CefMenuModel::*Getter)(int, int&, bool&, bool&, bool&);
  const Getter getters[] = {&CefMenuModel::GetAccelerator,
                            &CefMenuModel::GetAcceleratorAt};
  for (Getter getter : getters) {
    cef_menu_model_t* menu = fake::NewObject<cef_menu_model_t>();
    menu->get_accelerator = &Accelerator;
    menu->get_accelerator_at = &Accelerator;
    CefRefPtr<CefMenuModel> proxy = CefMenuModelProxy::Wrap(menu);

    int key_code = 9;
    bool shift = false, ctrl = true, alt = false;
    EXPECT_TRUE(((*proxy).*getter)(3, key_code, shift, ctrl, alt));
    EXPECT_EQ(Seen().key_code, 9);
    EXPECT_EQ(Seen().flags[0], 0);
    EXPECT_EQ(Seen().flags[1], 1);
    EXPECT_EQ(Seen().flags[2], 0);
    EXPECT_EQ(key_code, 0x74);
    EXPECT_TRUE(shift);
    EXPECT_FALSE(ctrl);
    EXPECT_TRUE(alt);

    // Without the member nothing is written and the answer is false.
    menu->get_accelerator = nullptr;
    menu->get_accelerator_at = nullptr;
    key_code = 9;
    shift = false;
    ctrl = true;
    alt = false;
    EXPECT_FALSE(((*proxy).*getter)(3, key_code, shift, ctrl, alt));
    EXPECT_EQ(key_code, 9);
    EXPECT_FALSE(shift);
    EXPECT_TRUE(ctrl);
    EXPECT_FALSE(alt);
  }
}

// ---------------------------------------------------------------------------
// Page ranges cross as arrays of records.

std::vector<cef_page_range_t>& Ranges() {
  static std::vector<cef_page_range_t> ranges;
  return ranges;
}
size_t& Capacity() {
  static size_t capacity;
  return capacity;
}

void CEF_CALLBACK SetRanges(cef_print_settings_t*, size_t count,
                            const cef_page_range_t* ranges) {
  Ranges().assign(ranges, ranges + count);
}
size_t CEF_CALLBACK TwoRanges(cef_print_settings_t*) { return 2; }
void CEF_CALLBACK GetRanges(cef_print_settings_t*, size_t* count,
                            cef_page_range_t* ranges) {
  Capacity() = *count;
  ranges[0] = cef_page_range_t{1, 3};
  ranges[1] = cef_page_range_t{7, 7};
  *count = 2;
}

CefPageRange Range(int from, int to) {
  CefPageRange range;
  range.from = from;
  range.to = to;
  return range;
}

TEST_F(UiProxyTest, PageRangesCrossAsRecords) {
  cef_print_settings_t* settings = fake::NewObject<cef_print_settings_t>();
  settings->set_page_ranges = &SetRanges;
  settings->get_page_ranges_count = &TwoRanges;
  settings->get_page_ranges = &GetRanges;
  CefRefPtr<CefPrintSettings> proxy = CefPrintSettingsProxy::Wrap(settings);

  proxy->SetPageRanges({Range(2, 4), Range(9, 12)});
  ASSERT_EQ(Ranges().size(), 2u);
  EXPECT_EQ(Ranges()[0].from, 2);
  EXPECT_EQ(Ranges()[0].to, 4);
  EXPECT_EQ(Ranges()[1].from, 9);
  EXPECT_EQ(Ranges()[1].to, 12);

  // Room for the larger of the library's count and the list's own size;
  // afterwards the list holds exactly what the library reported.
  CefPrintSettings::PageRangeList ranges{Range(5, 5), Range(6, 6), Range(8, 8)};
  proxy->GetPageRanges(ranges);
  EXPECT_EQ(Capacity(), 3u);
  ASSERT_EQ(ranges.size(), 2u);
  EXPECT_EQ(ranges[0].from, 1);
  EXPECT_EQ(ranges[0].to, 3);
  EXPECT_EQ(ranges[1].from, 7);
  EXPECT_EQ(ranges[1].to, 7);
}

// ---------------------------------------------------------------------------
// Issuer chains: each entry the library writes comes with a reference that
// the list's proxies take over.

const cef_binary_value_t* StructOf(const CefRefPtr<CefBinaryValue>& value) {
  return static_cast<CefBinaryValueProxy*>(value.get())->GetStruct();
}

size_t CEF_CALLBACK TwoIssuers(cef_sslinfo_t*) { return 2; }
void CEF_CALLBACK Issuers(cef_sslinfo_t*, size_t* count,
                          cef_binary_value_t** chain) {
  Capacity() = *count;
  for (size_t i = 0; i < 2 && i < *count; ++i)
    chain[i] = fake::NewObject<cef_binary_value_t>();
  *count = 2;
}

TEST_F(UiProxyTest, IssuerChainsReplaceTheListWithoutLeaking) {
  cef_sslinfo_t* info = fake::NewObject<cef_sslinfo_t>();
  info->get_issuer_chain_size = &TwoIssuers;
  info->get_derencoded_issuer_chain = &Issuers;
  info->get_pemencoded_issuer_chain = &Issuers;
  CefRefPtr<CefSSLInfo> proxy = CefSSLInfoProxy::Wrap(info);

  typedef void (CefSSLInfo::*Getter)(CefSSLInfo::IssuerChainBinaryList&);
  const Getter getters[] = {&CefSSLInfo::GetDEREncodedIssuerChain,
                            &CefSSLInfo::GetPEMEncodedIssuerChain};
  for (Getter getter : getters) {
    // A list reused from an earlier call: its entries must not be lent to
    // the library, which overwrites its slots.
    CefSSLInfo::IssuerChainBinaryList chain;
    for (int i = 0; i < 3; ++i)
      chain.push_back(
          CefBinaryValueProxy::Wrap(fake::NewObject<cef_binary_value_t>()));
    const cef_binary_value_t* old = StructOf(chain[0]);

    ((*proxy).*getter)(chain);
    EXPECT_EQ(Capacity(), 2u);
    ASSERT_EQ(chain.size(), 2u);
    for (const auto& entry : chain) {
      ASSERT_TRUE(entry);
      EXPECT_EQ(fake::RefsOf(StructOf(entry)), 1);
    }
    EXPECT_EQ(fake::RefsOf(old), 0) << "a dropped entry kept a reference";
  }
}

int g_size_queries = 0;
size_t CEF_CALLBACK CountedIssuers(cef_sslinfo_t*) {
  ++g_size_queries;
  return 2;
}

// Without the array member the library is not asked anything, not even the
// chain's size, and the caller's list stays as it was.
TEST_F(UiProxyTest, AbsentIssuerChainLeavesTheListAlone) {
  typedef void (CefSSLInfo::*Getter)(CefSSLInfo::IssuerChainBinaryList&);
  const struct {
    Getter getter;
    size_t size;  // the structure ends before the chain's member
  } cases[] = {
      {&CefSSLInfo::GetDEREncodedIssuerChain,
       offsetof(cef_sslinfo_t, get_derencoded_issuer_chain)},
      {&CefSSLInfo::GetPEMEncodedIssuerChain,
       offsetof(cef_sslinfo_t, get_pemencoded_issuer_chain)},
  };
  for (const auto& c : cases) {
    for (const bool short_size : {true, false}) {
      SCOPED_TRACE(short_size ? "short structure" : "null member");
      cef_sslinfo_t* info = fake::NewObject<cef_sslinfo_t>(
          short_size ? c.size : sizeof(cef_sslinfo_t));
      info->get_issuer_chain_size = &CountedIssuers;
      if (short_size) {
        info->get_derencoded_issuer_chain = &Issuers;
        info->get_pemencoded_issuer_chain = &Issuers;
      }
      CefRefPtr<CefSSLInfo> proxy = CefSSLInfoProxy::Wrap(info);
      CefSSLInfo::IssuerChainBinaryList chain{
          CefBinaryValueProxy::Wrap(fake::NewObject<cef_binary_value_t>())};
      const cef_binary_value_t* kept = StructOf(chain[0]);
      g_size_queries = 0;
      ((*proxy).*c.getter)(chain);
      EXPECT_EQ(g_size_queries, 0);
      ASSERT_EQ(chain.size(), 1u);
      EXPECT_EQ(StructOf(chain[0]), kept);
    }
  }
}

// ---------------------------------------------------------------------------

TEST_F(UiProxyTest, CreatorsWrapWhatTheLibraryMakes) {
  struct Case {
    const char* name;
    bool (*create)();
  };
  const Case cases[] = {
      {"cef_drag_data_create", [] { return !!CefDragData::Create(); }},
      {"cef_print_settings_create",
       [] { return !!CefPrintSettings::Create(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::Reset();
    EXPECT_TRUE(c.create());
    EXPECT_EQ(fake::CallCount(c.name), 1);
    fake::State().results[c.name] = 0;
    EXPECT_FALSE(c.create());
    EXPECT_EQ(fake::CallCount(c.name), 2);
  }
}

}  // namespace
