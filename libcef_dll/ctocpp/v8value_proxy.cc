#include "libcef_dll/ctocpp/v8value_proxy.h"

CEF_BRIDGE_PROXY(CefV8ValueProxy)

CefRefPtr<CefV8Value> CefV8Value::CreateUndefined() {
  return CefV8ValueProxy::Wrap(cef_v8value_create_undefined());
}

CefRefPtr<CefV8Value> CefV8Value::CreateNull() {
  return CefV8ValueProxy::Wrap(cef_v8value_create_null());
}

CefRefPtr<CefV8Value> CefV8Value::CreateBool(bool value) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_bool(value ? 1 : 0));
}

CefRefPtr<CefV8Value> CefV8Value::CreateInt(int32_t value) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_int(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateUInt(uint32_t value) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_uint(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateDouble(double value) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_double(value));
}

CefRefPtr<CefV8Value> CefV8Value::CreateDate(const CefTime& date) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_date(&date.Get()));
}

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_string(value.Record()));
}

CefRefPtr<CefV8Value> CefV8Value::CreateObject(
    CefRefPtr<CefV8Accessor> accessor) {
  return CefV8ValueProxy::Wrap(
      cef_v8value_create_object(Bridge<CefV8Accessor>::ToLibrary(accessor)));
}

CefRefPtr<CefV8Value> CefV8Value::CreateArray(int length) {
  return CefV8ValueProxy::Wrap(cef_v8value_create_array(length));
}

CefRefPtr<CefV8Value> CefV8Value::CreateFunction(
    const CefString& name, CefRefPtr<CefV8Handler> handler) {
  if (name.IsEmpty() || !handler) return nullptr;
  return CefV8ValueProxy::Wrap(cef_v8value_create_function(
      name.Record(), Bridge<CefV8Handler>::ToLibrary(handler)));
}
