// The library's JavaScript engine objects. The library implements all five
// interfaces; program functions and accessors (CefV8Handler, CefV8Accessor)
// are declared elsewhere.
#ifndef CEF_INCLUDE_CEF_V8_H_
#define CEF_INCLUDE_CEF_V8_H_

#include <cstdint>
#include <vector>

#include "include/capi/cef_v8_capi.h"
#include "include/cef_base.h"
#include "include/cef_records.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefBrowser;
class CefFrame;
class CefTaskRunner;
class CefV8Accessor;
class CefV8Exception;
class CefV8Handler;
class CefV8StackFrame;
class CefV8Value;

typedef std::vector<CefRefPtr<CefV8Value>> CefV8ValueList;

class CefV8Context : public virtual CefBase {
 public:
  static CefRefPtr<CefV8Context> GetCurrentContext();
  static CefRefPtr<CefV8Context> GetEnteredContext();
  static bool InContext();

  virtual CefRefPtr<CefTaskRunner> GetTaskRunner() = 0;
  virtual bool IsValid() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  virtual CefRefPtr<CefFrame> GetFrame() = 0;
  virtual CefRefPtr<CefV8Value> GetGlobal() = 0;
  virtual bool Enter() = 0;
  virtual bool Exit() = 0;
  virtual bool IsSame(CefRefPtr<CefV8Context> that) = 0;
  // `retval` and `exception` come back as the library left them: null, the
  // value passed in, or a new object.
  virtual bool Eval(const CefString& code, CefRefPtr<CefV8Value>& retval,
                    CefRefPtr<CefV8Exception>& exception) = 0;
};

class CefV8Value : public virtual CefBase {
 public:
  typedef cef_v8_accesscontrol_t AccessControl;
  typedef cef_v8_propertyattribute_t PropertyAttribute;

  static CefRefPtr<CefV8Value> CreateUndefined();
  static CefRefPtr<CefV8Value> CreateNull();
  static CefRefPtr<CefV8Value> CreateBool(bool value);
  static CefRefPtr<CefV8Value> CreateInt(int32_t value);
  static CefRefPtr<CefV8Value> CreateUInt(uint32_t value);
  static CefRefPtr<CefV8Value> CreateDouble(double value);
  static CefRefPtr<CefV8Value> CreateDate(const CefTime& date);
  static CefRefPtr<CefV8Value> CreateString(const CefString& value);
  // `accessor` may be null.
  static CefRefPtr<CefV8Value> CreateObject(CefRefPtr<CefV8Accessor> accessor);
  static CefRefPtr<CefV8Value> CreateArray(int length);
  // Null without a name or a handler.
  static CefRefPtr<CefV8Value> CreateFunction(const CefString& name,
                                              CefRefPtr<CefV8Handler> handler);

  virtual bool IsValid() = 0;
  virtual bool IsUndefined() = 0;
  virtual bool IsNull() = 0;
  virtual bool IsBool() = 0;
  virtual bool IsInt() = 0;
  virtual bool IsUInt() = 0;
  virtual bool IsDouble() = 0;
  virtual bool IsDate() = 0;
  virtual bool IsString() = 0;
  virtual bool IsObject() = 0;
  virtual bool IsArray() = 0;
  virtual bool IsFunction() = 0;
  virtual bool IsSame(CefRefPtr<CefV8Value> that) = 0;
  virtual bool GetBoolValue() = 0;
  virtual int32_t GetIntValue() = 0;
  virtual uint32_t GetUIntValue() = 0;
  virtual double GetDoubleValue() = 0;
  virtual CefTime GetDateValue() = 0;
  virtual CefString GetStringValue() = 0;
  virtual bool IsUserCreated() = 0;
  virtual bool HasException() = 0;
  virtual CefRefPtr<CefV8Exception> GetException() = 0;
  virtual bool ClearException() = 0;
  virtual bool WillRethrowExceptions() = 0;
  virtual bool SetRethrowExceptions(bool rethrow) = 0;
  // The by-key forms pass even an empty key on; the by-index forms refuse a
  // negative index.
  virtual bool HasValue(const CefString& key) = 0;
  virtual bool HasValue(int index) = 0;
  virtual bool DeleteValue(const CefString& key) = 0;
  virtual bool DeleteValue(int index) = 0;
  virtual CefRefPtr<CefV8Value> GetValue(const CefString& key) = 0;
  virtual CefRefPtr<CefV8Value> GetValue(int index) = 0;
  virtual bool SetValue(const CefString& key, CefRefPtr<CefV8Value> value,
                        PropertyAttribute attribute) = 0;
  virtual bool SetValue(int index, CefRefPtr<CefV8Value> value) = 0;
  virtual bool SetValue(const CefString& key, AccessControl settings,
                        PropertyAttribute attribute) = 0;
  // Replaces the vector's content with the object's keys.
  virtual bool GetKeys(EmbedStringVector& keys) = 0;
  // The object comes back from GetUserData as itself, not as a proxy.
  virtual bool SetUserData(CefRefPtr<CefBase> user_data) = 0;
  virtual CefRefPtr<CefBase> GetUserData() = 0;
  virtual int GetExternallyAllocatedMemory() = 0;
  virtual int AdjustExternallyAllocatedMemory(int change_in_bytes) = 0;
  virtual int GetArrayLength() = 0;
  virtual CefString GetFunctionName() = 0;
  virtual CefRefPtr<CefV8Handler> GetFunctionHandler() = 0;
  // `object` is the receiver (`this`) and may be null.
  virtual CefRefPtr<CefV8Value> ExecuteFunction(
      CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments) = 0;
  virtual CefRefPtr<CefV8Value> ExecuteFunctionWithContext(
      CefRefPtr<CefV8Context> context, CefRefPtr<CefV8Value> object,
      const CefV8ValueList& arguments) = 0;
};

class CefV8Exception : public virtual CefBase {
 public:
  virtual CefString GetMessage() = 0;
  virtual CefString GetSourceLine() = 0;
  virtual CefString GetScriptResourceName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetStartPosition() = 0;
  virtual int GetEndPosition() = 0;
  virtual int GetStartColumn() = 0;
  virtual int GetEndColumn() = 0;
};

class CefV8StackTrace : public virtual CefBase {
 public:
  static CefRefPtr<CefV8StackTrace> GetCurrent(int frame_limit);

  virtual bool IsValid() = 0;
  virtual int GetFrameCount() = 0;
  virtual CefRefPtr<CefV8StackFrame> GetFrame(int index) = 0;
};

class CefV8StackFrame : public virtual CefBase {
 public:
  virtual bool IsValid() = 0;
  virtual CefString GetScriptName() = 0;
  virtual CefString GetScriptNameOrSourceURL() = 0;
  virtual CefString GetFunctionName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetColumn() = 0;
  virtual bool IsEval() = 0;
  virtual bool IsConstructor() = 0;
};

#endif  // CEF_INCLUDE_CEF_V8_H_
