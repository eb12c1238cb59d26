#include "libcef_dll/ctocpp/stream_writer_proxy.h"

CEF_BRIDGE_PROXY(CefStreamWriterProxy)

CefRefPtr<CefStreamWriter> CefStreamWriter::CreateForFile(
    const CefString& fileName) {
  if (fileName.IsEmpty()) return nullptr;
  return CefStreamWriterProxy::Wrap(
      cef_stream_writer_create_for_file(fileName.Record()));
}

CefRefPtr<CefStreamWriter> CefStreamWriter::CreateForHandler(
    CefRefPtr<CefWriteHandler> handler) {
  if (!handler) return nullptr;
  return CefStreamWriterProxy::Wrap(cef_stream_writer_create_for_handler(
      Bridge<CefWriteHandler>::ToLibrary(handler)));
}
