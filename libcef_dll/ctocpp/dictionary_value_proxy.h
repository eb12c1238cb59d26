#ifndef CEF_LIBCEF_DLL_CTOCPP_DICTIONARY_VALUE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_DICTIONARY_VALUE_PROXY_H_

#include "include/cef_values.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefDictionaryValueProxy final
    : public ObjectProxy<CefDictionaryValueProxy, CefDictionaryValue,
                         cef_dictionary_value_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_DICTIONARY_VALUE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsOwned() override { return Forward(&S::is_owned); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  bool IsSame(CefRefPtr<CefDictionaryValue> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool IsEqual(CefRefPtr<CefDictionaryValue> that) override {
    return Forward(&S::is_equal, Required(that));
  }
  CefRefPtr<CefDictionaryValue> Copy(bool exclude_empty_children) override {
    return Forward(&S::copy, exclude_empty_children);
  }
  size_t GetSize() override { return Forward(&S::get_size); }
  bool Clear() override { return Forward(&S::clear); }
  bool HasKey(const CefString& key) override {
    return Forward(&S::has_key, Required(key));
  }
  bool GetKeys(KeyList& keys) override {
    return Forward(&S::get_keys, InOut(keys));
  }
  bool Remove(const CefString& key) override {
    return Forward(&S::remove, Required(key));
  }
  CefValueType GetType(const CefString& key) override {
    return Forward(&S::get_type, Required(key));
  }
  CefRefPtr<CefValue> GetValue(const CefString& key) override {
    return Forward(&S::get_value, Required(key));
  }
  bool GetBool(const CefString& key) override {
    return Forward(&S::get_bool, Required(key));
  }
  int GetInt(const CefString& key) override {
    return Forward(&S::get_int, Required(key));
  }
  double GetDouble(const CefString& key) override {
    return Forward(&S::get_double, Required(key));
  }
  CefString GetString(const CefString& key) override {
    return Forward(&S::get_string, Required(key));
  }
  CefRefPtr<CefBinaryValue> GetBinary(const CefString& key) override {
    return Forward(&S::get_binary, Required(key));
  }
  CefRefPtr<CefDictionaryValue> GetDictionary(const CefString& key) override {
    return Forward(&S::get_dictionary, Required(key));
  }
  CefRefPtr<CefListValue> GetList(const CefString& key) override {
    return Forward(&S::get_list, Required(key));
  }
  bool SetValue(const CefString& key, CefRefPtr<CefValue> value) override {
    return Forward(&S::set_value, Required(key), Required(value));
  }
  bool SetNull(const CefString& key) override {
    return Forward(&S::set_null, Required(key));
  }
  bool SetBool(const CefString& key, bool value) override {
    return Forward(&S::set_bool, Required(key), value);
  }
  bool SetInt(const CefString& key, int value) override {
    return Forward(&S::set_int, Required(key), value);
  }
  bool SetDouble(const CefString& key, double value) override {
    return Forward(&S::set_double, Required(key), value);
  }
  bool SetString(const CefString& key, const CefString& value) override {
    return Forward(&S::set_string, Required(key), value);
  }
  bool SetBinary(const CefString& key,
                 CefRefPtr<CefBinaryValue> value) override {
    return Forward(&S::set_binary, Required(key), Required(value));
  }
  bool SetDictionary(const CefString& key,
                     CefRefPtr<CefDictionaryValue> value) override {
    return Forward(&S::set_dictionary, Required(key), Required(value));
  }
  bool SetList(const CefString& key, CefRefPtr<CefListValue> value) override {
    return Forward(&S::set_list, Required(key), Required(value));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_DICTIONARY_VALUE_PROXY_H_
