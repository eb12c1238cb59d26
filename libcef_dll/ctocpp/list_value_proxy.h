#ifndef CEF_LIBCEF_DLL_CTOCPP_LIST_VALUE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_LIST_VALUE_PROXY_H_

#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefListValueProxy final
    : public ObjectProxy<CefListValueProxy, CefListValue, cef_list_value_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_LIST_VALUE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsOwned() override { return Forward(&S::is_owned); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  bool IsSame(CefRefPtr<CefListValue> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool IsEqual(CefRefPtr<CefListValue> that) override {
    return Forward(&S::is_equal, Required(that));
  }
  CefRefPtr<CefListValue> Copy() override { return Forward(&S::copy); }
  bool SetSize(size_t size) override { return Forward(&S::set_size, size); }
  size_t GetSize() override { return Forward(&S::get_size); }
  bool Clear() override { return Forward(&S::clear); }
  bool Remove(int index) override {
    return Forward(&S::remove, Index(index));
  }
  CefValueType GetType(int index) override {
    return Forward(&S::get_type, Index(index));
  }
  CefRefPtr<CefValue> GetValue(int index) override {
    return Forward(&S::get_value, Index(index));
  }
  bool GetBool(int index) override {
    return Forward(&S::get_bool, Index(index));
  }
  int GetInt(int index) override { return Forward(&S::get_int, Index(index)); }
  double GetDouble(int index) override {
    return Forward(&S::get_double, Index(index));
  }
  CefString GetString(int index) override {
    return Forward(&S::get_string, Index(index));
  }
  CefRefPtr<CefBinaryValue> GetBinary(int index) override {
    return Forward(&S::get_binary, Index(index));
  }
  CefRefPtr<CefDictionaryValue> GetDictionary(int index) override {
    return Forward(&S::get_dictionary, Index(index));
  }
  CefRefPtr<CefListValue> GetList(int index) override {
    return Forward(&S::get_list, Index(index));
  }
  bool SetValue(int index, CefRefPtr<CefValue> value) override {
    return Forward(&S::set_value, Index(index), Required(value));
  }
  bool SetNull(int index) override {
    return Forward(&S::set_null, Index(index));
  }
  bool SetBool(int index, bool value) override {
    return Forward(&S::set_bool, Index(index), value);
  }
  bool SetInt(int index, int value) override {
    return Forward(&S::set_int, Index(index), value);
  }
  bool SetDouble(int index, double value) override {
    return Forward(&S::set_double, Index(index), value);
  }
  bool SetString(int index, const CefString& value) override {
    return Forward(&S::set_string, Index(index), value);
  }
  bool SetBinary(int index, CefRefPtr<CefBinaryValue> value) override {
    return Forward(&S::set_binary, Index(index), Required(value));
  }
  bool SetDictionary(int index,
                     CefRefPtr<CefDictionaryValue> value) override {
    return Forward(&S::set_dictionary, Index(index), Required(value));
  }
  bool SetList(int index, CefRefPtr<CefListValue> value) override {
    return Forward(&S::set_list, Index(index), Required(value));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_LIST_VALUE_PROXY_H_
