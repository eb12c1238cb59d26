// The library's generic value containers. Getters that return a container
// return a new proxy each time; use IsSame to compare identities.
#ifndef CEF_INCLUDE_CEF_VALUES_H_
#define CEF_INCLUDE_CEF_VALUES_H_

#include <cstddef>

#include "include/capi/cef_values_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

typedef cef_value_type_t CefValueType;

class CefBinaryValue;
class CefDictionaryValue;
class CefListValue;

class CefValue : public virtual CefBase {
 public:
  static CefRefPtr<CefValue> Create();

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefValue> that) = 0;
  virtual CefRefPtr<CefValue> Copy() = 0;
  virtual CefValueType GetType() = 0;
  virtual bool GetBool() = 0;
  virtual int GetInt() = 0;
  virtual double GetDouble() = 0;
  virtual CefString GetString() = 0;
  virtual CefRefPtr<CefBinaryValue> GetBinary() = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary() = 0;
  virtual CefRefPtr<CefListValue> GetList() = 0;
  virtual bool SetNull() = 0;
  virtual bool SetBool(bool value) = 0;
  virtual bool SetInt(int value) = 0;
  virtual bool SetDouble(double value) = 0;
  virtual bool SetString(const CefString& value) = 0;
  virtual bool SetBinary(CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(CefRefPtr<CefListValue> value) = 0;
};

class CefBinaryValue : public virtual CefBase {
 public:
  // Copies `data_size` bytes from `data`; null without data.
  static CefRefPtr<CefBinaryValue> Create(const void* data, size_t data_size);

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsSame(CefRefPtr<CefBinaryValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefBinaryValue> that) = 0;
  virtual CefRefPtr<CefBinaryValue> Copy() = 0;
  virtual size_t GetSize() = 0;
  // Copies at most `buffer_size` bytes starting at `data_offset`; returns the
  // number copied.
  virtual size_t GetData(void* buffer, size_t buffer_size,
                         size_t data_offset) = 0;
};

// Every keyed member refuses an empty key.
class CefDictionaryValue : public virtual CefBase {
 public:
  typedef EmbedStringVector KeyList;

  static CefRefPtr<CefDictionaryValue> Create();

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefDictionaryValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefDictionaryValue> that) = 0;
  virtual CefRefPtr<CefDictionaryValue> Copy(bool exclude_empty_children) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool HasKey(const CefString& key) = 0;
  // Replaces the vector's content with the dictionary's keys.
  virtual bool GetKeys(KeyList& keys) = 0;
  virtual bool Remove(const CefString& key) = 0;
  virtual CefValueType GetType(const CefString& key) = 0;
  virtual CefRefPtr<CefValue> GetValue(const CefString& key) = 0;
  virtual bool GetBool(const CefString& key) = 0;
  virtual int GetInt(const CefString& key) = 0;
  virtual double GetDouble(const CefString& key) = 0;
  virtual CefString GetString(const CefString& key) = 0;
  virtual CefRefPtr<CefBinaryValue> GetBinary(const CefString& key) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary(
      const CefString& key) = 0;
  virtual CefRefPtr<CefListValue> GetList(const CefString& key) = 0;
  virtual bool SetValue(const CefString& key, CefRefPtr<CefValue> value) = 0;
  virtual bool SetNull(const CefString& key) = 0;
  virtual bool SetBool(const CefString& key, bool value) = 0;
  virtual bool SetInt(const CefString& key, int value) = 0;
  virtual bool SetDouble(const CefString& key, double value) = 0;
  // An empty value is stored as the empty string.
  virtual bool SetString(const CefString& key, const CefString& value) = 0;
  virtual bool SetBinary(const CefString& key,
                         CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(const CefString& key,
                             CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(const CefString& key,
                       CefRefPtr<CefListValue> value) = 0;
};

// Every indexed member refuses a negative index.
class CefListValue : public virtual CefBase {
 public:
  static CefRefPtr<CefListValue> Create();

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefListValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefListValue> that) = 0;
  virtual CefRefPtr<CefListValue> Copy() = 0;
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(int index) = 0;
  virtual CefValueType GetType(int index) = 0;
  virtual CefRefPtr<CefValue> GetValue(int index) = 0;
  virtual bool GetBool(int index) = 0;
  virtual int GetInt(int index) = 0;
  virtual double GetDouble(int index) = 0;
  virtual CefString GetString(int index) = 0;
  virtual CefRefPtr<CefBinaryValue> GetBinary(int index) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary(int index) = 0;
  virtual CefRefPtr<CefListValue> GetList(int index) = 0;
  virtual bool SetValue(int index, CefRefPtr<CefValue> value) = 0;
  virtual bool SetNull(int index) = 0;
  virtual bool SetBool(int index, bool value) = 0;
  virtual bool SetInt(int index, int value) = 0;
  virtual bool SetDouble(int index, double value) = 0;
  virtual bool SetString(int index, const CefString& value) = 0;
  virtual bool SetBinary(int index, CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(int index,
                             CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(int index, CefRefPtr<CefListValue> value) = 0;
};

#endif  // CEF_INCLUDE_CEF_VALUES_H_
