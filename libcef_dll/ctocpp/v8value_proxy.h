#ifndef CEF_LIBCEF_DLL_CTOCPP_V8VALUE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_V8VALUE_PROXY_H_

#include "include/cef_v8.h"
#include "include/cef_v8_handler.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefV8ValueProxy final
    : public ObjectProxy<CefV8ValueProxy, CefV8Value, cef_v8value_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_V8VALUE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsUndefined() override { return Forward(&S::is_undefined); }
  bool IsNull() override { return Forward(&S::is_null); }
  bool IsBool() override { return Forward(&S::is_bool); }
  bool IsInt() override { return Forward(&S::is_int); }
  bool IsUInt() override { return Forward(&S::is_uint); }
  bool IsDouble() override { return Forward(&S::is_double); }
  bool IsDate() override { return Forward(&S::is_date); }
  bool IsString() override { return Forward(&S::is_string); }
  bool IsObject() override { return Forward(&S::is_object); }
  bool IsArray() override { return Forward(&S::is_array); }
  bool IsFunction() override { return Forward(&S::is_function); }
  bool IsSame(CefRefPtr<CefV8Value> that) override {
    return Forward(&S::is_same, Required(that));
  }
  bool GetBoolValue() override { return Forward(&S::get_bool_value); }
  int32_t GetIntValue() override { return Forward(&S::get_int_value); }
  uint32_t GetUIntValue() override { return Forward(&S::get_uint_value); }
  double GetDoubleValue() override { return Forward(&S::get_double_value); }
  CefTime GetDateValue() override { return Forward(&S::get_date_value); }
  CefString GetStringValue() override {
    return Forward(&S::get_string_value);
  }
  bool IsUserCreated() override { return Forward(&S::is_user_created); }
  bool HasException() override { return Forward(&S::has_exception); }
  CefRefPtr<CefV8Exception> GetException() override {
    return Forward(&S::get_exception);
  }
  bool ClearException() override { return Forward(&S::clear_exception); }
  bool WillRethrowExceptions() override {
    return Forward(&S::will_rethrow_exceptions);
  }
  bool SetRethrowExceptions(bool rethrow) override {
    return Forward(&S::set_rethrow_exceptions, rethrow);
  }
  bool HasValue(const CefString& key) override {
    return Forward(&S::has_value_bykey, key);
  }
  bool HasValue(int index) override {
    return Forward(&S::has_value_byindex, Index(index));
  }
  bool DeleteValue(const CefString& key) override {
    return Forward(&S::delete_value_bykey, key);
  }
  bool DeleteValue(int index) override {
    return Forward(&S::delete_value_byindex, Index(index));
  }
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override {
    return Forward(&S::get_value_bykey, key);
  }
  CefRefPtr<CefV8Value> GetValue(int index) override {
    return Forward(&S::get_value_byindex, Index(index));
  }
  bool SetValue(const CefString& key, CefRefPtr<CefV8Value> value,
                PropertyAttribute attribute) override {
    return Forward(&S::set_value_bykey, key, Required(value), attribute);
  }
  bool SetValue(int index, CefRefPtr<CefV8Value> value) override {
    return Forward(&S::set_value_byindex, Index(index), Required(value));
  }
  bool SetValue(const CefString& key, AccessControl settings,
                PropertyAttribute attribute) override {
    return Forward(&S::set_value_byaccessor, key, settings, attribute);
  }
  bool GetKeys(EmbedStringVector& keys) override {
    return Forward(&S::get_keys, InOut(keys));
  }
  bool SetUserData(CefRefPtr<CefBase> user_data) override {
    return Forward(&S::set_user_data, user_data);
  }
  CefRefPtr<CefBase> GetUserData() override {
    return Forward(&S::get_user_data);
  }
  int GetExternallyAllocatedMemory() override {
    return Forward(&S::get_externally_allocated_memory);
  }
  int AdjustExternallyAllocatedMemory(int change_in_bytes) override {
    return Forward(&S::adjust_externally_allocated_memory, change_in_bytes);
  }
  int GetArrayLength() override { return Forward(&S::get_array_length); }
  CefString GetFunctionName() override {
    return Forward(&S::get_function_name);
  }
  CefRefPtr<CefV8Handler> GetFunctionHandler() override {
    return Forward(&S::get_function_handler);
  }
  CefRefPtr<CefV8Value> ExecuteFunction(
      CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments) override {
    return Forward(&S::execute_function, object, CountOf(arguments),
                   ElementsOf(arguments));
  }
  CefRefPtr<CefV8Value> ExecuteFunctionWithContext(
      CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Value> object,
      const CefV8ValueList& arguments) override {
    return Forward(&S::execute_function_with_context, Required(context),
                   object, CountOf(arguments), ElementsOf(arguments));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_V8VALUE_PROXY_H_
