#ifndef CEF_LIBCEF_DLL_CTOCPP_VALUE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_VALUE_PROXY_H_

#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefValueProxy final
    : public ObjectProxy<CefValueProxy, CefValue, cef_value_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_VALUE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsOwned() override { return Forward(&S::is_owned); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  bool IsSame(CefRefPtr<CefValue> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool IsEqual(CefRefPtr<CefValue> that) override {
    return Forward(&S::is_equal, Required(that));
  }
  CefRefPtr<CefValue> Copy() override { return Forward(&S::copy); }
  CefValueType GetType() override { return Forward(&S::get_type); }
  bool GetBool() override { return Forward(&S::get_bool); }
  int GetInt() override { return Forward(&S::get_int); }
  double GetDouble() override { return Forward(&S::get_double); }
  CefString GetString() override { return Forward(&S::get_string); }
  CefRefPtr<CefBinaryValue> GetBinary() override {
    return Forward(&S::get_binary);
  }
  CefRefPtr<CefDictionaryValue> GetDictionary() override {
    return Forward(&S::get_dictionary);
  }
  CefRefPtr<CefListValue> GetList() override { return Forward(&S::get_list); }
  bool SetNull() override { return Forward(&S::set_null); }
  bool SetBool(bool value) override { return Forward(&S::set_bool, value); }
  bool SetInt(int value) override { return Forward(&S::set_int, value); }
  bool SetDouble(double value) override {
    return Forward(&S::set_double, value);
  }
  bool SetString(const CefString& value) override {
    return Forward(&S::set_string, value);
  }
  bool SetBinary(CefRefPtr<CefBinaryValue> value) override {
    return Forward(&S::set_binary, Required(value));
  }
  bool SetDictionary(CefRefPtr<CefDictionaryValue> value) override {
    return Forward(&S::set_dictionary, Required(value));
  }
  bool SetList(CefRefPtr<CefListValue> value) override {
    return Forward(&S::set_list, Required(value));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_VALUE_PROXY_H_
