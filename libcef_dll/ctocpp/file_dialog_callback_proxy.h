#ifndef CEF_LIBCEF_DLL_CTOCPP_FILE_DIALOG_CALLBACK_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_FILE_DIALOG_CALLBACK_PROXY_H_

#include "include/cef_callbacks.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefFileDialogCallbackProxy final
    : public ObjectProxy<CefFileDialogCallbackProxy, CefFileDialogCallback,
                         cef_file_dialog_callback_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_FILE_DIALOG_CALLBACK;

  void Continue(int selected_accept_filter,
                const EmbedStringVector& file_paths) override {
    Forward(&S::cont, Index(selected_accept_filter), file_paths);
  }
  void Cancel() override { Forward(&S::cancel); }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_FILE_DIALOG_CALLBACK_PROXY_H_
