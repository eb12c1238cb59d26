// The content of a drag-and-drop operation. The library implements it; the
// program reaches it through a proxy or creates an empty one.
#ifndef CEF_INCLUDE_CEF_DRAG_DATA_H_
#define CEF_INCLUDE_CEF_DRAG_DATA_H_

#include <cstddef>

#include "include/capi/cef_drag_data_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefStreamWriter;

class CefDragData : public virtual CefBase {
 public:
  typedef cef_drag_operations_mask_t DragOperationsMask;

  static CefRefPtr<CefDragData> Create();

  virtual CefRefPtr<CefDragData> Clone() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsLink() = 0;
  virtual bool IsFragment() = 0;
  virtual bool IsFile() = 0;
  virtual CefString GetLinkURL() = 0;
  virtual CefString GetLinkTitle() = 0;
  virtual CefString GetLinkMetadata() = 0;
  virtual CefString GetFragmentText() = 0;
  virtual CefString GetFragmentHtml() = 0;
  virtual CefString GetFragmentBaseURL() = 0;
  virtual CefString GetFileName() = 0;
  // With a null writer only the content's size is returned.
  virtual size_t GetFileContents(CefRefPtr<CefStreamWriter> writer) = 0;
  // Replaces the vector's content with the dragged files' names.
  virtual bool GetFileNames(EmbedStringVector& names) = 0;
  virtual void SetLinkURL(const CefString& url) = 0;
  virtual void SetLinkTitle(const CefString& title) = 0;
  virtual void SetLinkMetadata(const CefString& data) = 0;
  virtual void SetFragmentText(const CefString& text) = 0;
  virtual void SetFragmentHtml(const CefString& html) = 0;
  virtual void SetFragmentBaseURL(const CefString& base_url) = 0;
  virtual void ResetFileContents() = 0;
  virtual void AddFile(const CefString& path,
                       const CefString& display_name) = 0;
};

#endif  // CEF_INCLUDE_CEF_DRAG_DATA_H_
