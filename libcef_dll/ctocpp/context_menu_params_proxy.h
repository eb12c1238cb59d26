#ifndef CEF_LIBCEF_DLL_CTOCPP_CONTEXT_MENU_PARAMS_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_CONTEXT_MENU_PARAMS_PROXY_H_

#include "include/cef_context_menu.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefContextMenuParamsProxy final
    : public ObjectProxy<CefContextMenuParamsProxy, CefContextMenuParams,
                         cef_context_menu_params_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_CONTEXT_MENU_PARAMS;

  int GetXCoord() override { return Forward(&S::get_xcoord); }
  int GetYCoord() override { return Forward(&S::get_ycoord); }
  TypeFlags GetTypeFlags() override { return Forward(&S::get_type_flags); }
  CefString GetLinkUrl() override { return Forward(&S::get_link_url); }
  CefString GetUnfilteredLinkUrl() override {
    return Forward(&S::get_unfiltered_link_url);
  }
  CefString GetSourceUrl() override { return Forward(&S::get_source_url); }
  bool HasImageContents() override {
    return Forward(&S::has_image_contents);
  }
  CefString GetPageUrl() override { return Forward(&S::get_page_url); }
  CefString GetFrameUrl() override { return Forward(&S::get_frame_url); }
  CefString GetFrameCharset() override {
    return Forward(&S::get_frame_charset);
  }
  MediaType GetMediaType() override { return Forward(&S::get_media_type); }
  MediaStateFlags GetMediaStateFlags() override {
    return Forward(&S::get_media_state_flags);
  }
  CefString GetSelectionText() override {
    return Forward(&S::get_selection_text);
  }
  CefString GetMisspelledWord() override {
    return Forward(&S::get_misspelled_word);
  }
  bool GetDictionarySuggestions(EmbedStringVector& suggestions) override {
    return Forward(&S::get_dictionary_suggestions, InOut(suggestions));
  }
  bool IsEditable() override { return Forward(&S::is_editable); }
  bool IsSpellCheckEnabled() override {
    return Forward(&S::is_spell_check_enabled);
  }
  EditStateFlags GetEditStateFlags() override {
    return Forward(&S::get_edit_state_flags);
  }
  bool IsCustomMenu() override { return Forward(&S::is_custom_menu); }
  bool IsPepperMenu() override { return Forward(&S::is_pepper_menu); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_CONTEXT_MENU_PARAMS_PROXY_H_
