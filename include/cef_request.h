// Web requests and their upload data. The library implements all three
// interfaces; the program reaches them through proxies or the creators.
#ifndef CEF_INCLUDE_CEF_REQUEST_H_
#define CEF_INCLUDE_CEF_REQUEST_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "include/capi/cef_request_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefPostData;
class CefPostDataElement;

class CefRequest : public virtual CefBase {
 public:
  typedef EmbedStringMultimap HeaderMap;
  typedef cef_referrer_policy_t ReferrerPolicy;
  typedef cef_resource_type_t ResourceType;
  typedef cef_transition_type_t TransitionType;

  static CefRefPtr<CefRequest> Create();

  virtual bool IsReadOnly() = 0;
  virtual CefString GetURL() = 0;
  virtual void SetURL(const CefString& url) = 0;
  virtual CefString GetMethod() = 0;
  virtual void SetMethod(const CefString& method) = 0;
  virtual void SetReferrer(const CefString& referrer_url,
                           ReferrerPolicy policy) = 0;
  virtual CefString GetReferrerURL() = 0;
  virtual ReferrerPolicy GetReferrerPolicy() = 0;
  virtual CefRefPtr<CefPostData> GetPostData() = 0;
  virtual void SetPostData(CefRefPtr<CefPostData> postData) = 0;
  // Replaces the map's content with the request's headers.
  virtual void GetHeaderMap(HeaderMap& headerMap) = 0;
  virtual void SetHeaderMap(const HeaderMap& headerMap) = 0;
  // `postData` may be null: the request then has no upload data.
  virtual void Set(const CefString& url, const CefString& method,
                   CefRefPtr<CefPostData> postData,
                   const HeaderMap& headerMap) = 0;
  // A mask of cef_urlrequest_flags_t bits.
  virtual int GetFlags() = 0;
  virtual void SetFlags(int flags) = 0;
  virtual CefString GetFirstPartyForCookies() = 0;
  virtual void SetFirstPartyForCookies(const CefString& url) = 0;
  virtual ResourceType GetResourceType() = 0;
  virtual TransitionType GetTransitionType() = 0;
  virtual uint64_t GetIdentifier() = 0;
};

class CefPostData : public virtual CefBase {
 public:
  typedef std::vector<CefRefPtr<CefPostDataElement>> ElementVector;

  static CefRefPtr<CefPostData> Create();

  virtual bool IsReadOnly() = 0;
  virtual bool HasExcludedElements() = 0;
  virtual size_t GetElementCount() = 0;
  // Replaces the vector's content with the data's elements, in order.
  virtual void GetElements(ElementVector& elements) = 0;
  virtual bool RemoveElement(CefRefPtr<CefPostDataElement> element) = 0;
  virtual bool AddElement(CefRefPtr<CefPostDataElement> element) = 0;
  virtual void RemoveElements() = 0;
};

class CefPostDataElement : public virtual CefBase {
 public:
  typedef cef_postdataelement_type_t Type;

  static CefRefPtr<CefPostDataElement> Create();

  virtual bool IsReadOnly() = 0;
  virtual void SetToEmpty() = 0;
  virtual void SetToFile(const CefString& fileName) = 0;
  // The bytes are copied; the caller keeps its buffer.
  virtual void SetToBytes(size_t size, const void* bytes) = 0;
  virtual Type GetType() = 0;
  virtual CefString GetFile() = 0;
  virtual size_t GetBytesCount() = 0;
  // Copies at most `size` bytes into `bytes`; returns the number copied.
  virtual size_t GetBytes(size_t size, void* bytes) = 0;
};

#endif  // CEF_INCLUDE_CEF_REQUEST_H_
