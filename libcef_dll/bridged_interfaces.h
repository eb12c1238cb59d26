// Every interface that crosses the bridge, as (interface class, C structure
// tag, wrapper tag). The library implements the proxied ones; the program
// implements the adapted ones.
#ifndef CEF_LIBCEF_DLL_BRIDGED_INTERFACES_H_
#define CEF_LIBCEF_DLL_BRIDGED_INTERFACES_H_

#define CEF_PROXIED_INTERFACES(X)                                                               \
  X(CefAuthCallback, _cef_auth_callback_t, WT_AUTH_CALLBACK)                                    \
  X(CefBeforeDownloadCallback, _cef_before_download_callback_t, WT_BEFORE_DOWNLOAD_CALLBACK)    \
  X(CefBinaryValue, _cef_binary_value_t, WT_BINARY_VALUE)                                       \
  X(CefBrowser, _cef_browser_t, WT_BROWSER)                                                     \
  X(CefBrowserHost, _cef_browser_host_t, WT_BROWSER_HOST)                                       \
  X(CefCallback, _cef_callback_t, WT_CALLBACK)                                                  \
  X(CefCommandLine, _cef_command_line_t, WT_COMMAND_LINE)                                       \
  X(CefContextMenuParams, _cef_context_menu_params_t, WT_CONTEXT_MENU_PARAMS)                   \
  X(CefCookieManager, _cef_cookie_manager_t, WT_COOKIE_MANAGER)                                 \
  X(CefDOMDocument, _cef_domdocument_t, WT_DOMDOCUMENT)                                         \
  X(CefDOMNode, _cef_domnode_t, WT_DOMNODE)                                                     \
  X(CefDictionaryValue, _cef_dictionary_value_t, WT_DICTIONARY_VALUE)                           \
  X(CefDownloadItem, _cef_download_item_t, WT_DOWNLOAD_ITEM)                                    \
  X(CefDownloadItemCallback, _cef_download_item_callback_t, WT_DOWNLOAD_ITEM_CALLBACK)          \
  X(CefDragData, _cef_drag_data_t, WT_DRAG_DATA)                                                \
  X(CefFileDialogCallback, _cef_file_dialog_callback_t, WT_FILE_DIALOG_CALLBACK)                \
  X(CefFrame, _cef_frame_t, WT_FRAME)                                                           \
  X(CefGeolocationCallback, _cef_geolocation_callback_t, WT_GEOLOCATION_CALLBACK)               \
  X(CefJSDialogCallback, _cef_jsdialog_callback_t, WT_JSDIALOG_CALLBACK)                        \
  X(CefListValue, _cef_list_value_t, WT_LIST_VALUE)                                             \
  X(CefMenuModel, _cef_menu_model_t, WT_MENU_MODEL)                                             \
  X(CefNavigationEntry, _cef_navigation_entry_t, WT_NAVIGATION_ENTRY)                           \
  X(CefPostData, _cef_post_data_t, WT_POST_DATA)                                                \
  X(CefPostDataElement, _cef_post_data_element_t, WT_POST_DATA_ELEMENT)                         \
  X(CefPrintDialogCallback, _cef_print_dialog_callback_t, WT_PRINT_DIALOG_CALLBACK)             \
  X(CefPrintJobCallback, _cef_print_job_callback_t, WT_PRINT_JOB_CALLBACK)                      \
  X(CefPrintSettings, _cef_print_settings_t, WT_PRINT_SETTINGS)                                 \
  X(CefProcessMessage, _cef_process_message_t, WT_PROCESS_MESSAGE)                              \
  X(CefRequest, _cef_request_t, WT_REQUEST)                                                     \
  X(CefRequestCallback, _cef_request_callback_t, WT_REQUEST_CALLBACK)                           \
  X(CefRequestContext, _cef_request_context_t, WT_REQUEST_CONTEXT)                              \
  X(CefResponse, _cef_response_t, WT_RESPONSE)                                                  \
  X(CefRunContextMenuCallback, _cef_run_context_menu_callback_t, WT_RUN_CONTEXT_MENU_CALLBACK)  \
  X(CefSSLCertPrincipal, _cef_sslcert_principal_t, WT_SSLCERT_PRINCIPAL)                        \
  X(CefSSLInfo, _cef_sslinfo_t, WT_SSLINFO)                                                     \
  X(CefSchemeRegistrar, _cef_scheme_registrar_t, WT_SCHEME_REGISTRAR)                           \
  X(CefStreamWriter, _cef_stream_writer_t, WT_STREAM_WRITER)                                    \
  X(CefTaskRunner, _cef_task_runner_t, WT_TASK_RUNNER)                                          \
  X(CefV8Context, _cef_v8context_t, WT_V8CONTEXT)                                               \
  X(CefV8Exception, _cef_v8exception_t, WT_V8EXCEPTION)                                         \
  X(CefV8StackFrame, _cef_v8stack_frame_t, WT_V8STACK_FRAME)                                    \
  X(CefV8StackTrace, _cef_v8stack_trace_t, WT_V8STACK_TRACE)                                    \
  X(CefV8Value, _cef_v8value_t, WT_V8VALUE)                                                     \
  X(CefValue, _cef_value_t, WT_VALUE)                                                           \
  X(CefWebPluginInfo, _cef_web_plugin_info_t, WT_WEB_PLUGIN_INFO)

#define CEF_ADAPTED_INTERFACES(X)                                                                        \
  X(CefBase, _cef_base_t, WT_BASE)                                                                       \
  X(CefApp, _cef_app_t, WT_APP)                                                                          \
  X(CefBrowserProcessHandler, _cef_browser_process_handler_t, WT_BROWSER_PROCESS_HANDLER)                \
  X(CefClient, _cef_client_t, WT_CLIENT)                                                                 \
  X(CefCompletionCallback, _cef_completion_callback_t, WT_COMPLETION_CALLBACK)                           \
  X(CefContextMenuHandler, _cef_context_menu_handler_t, WT_CONTEXT_MENU_HANDLER)                         \
  X(CefCookieVisitor, _cef_cookie_visitor_t, WT_COOKIE_VISITOR)                                          \
  X(CefDOMVisitor, _cef_domvisitor_t, WT_DOMVISITOR)                                                     \
  X(CefDeleteCookiesCallback, _cef_delete_cookies_callback_t, WT_DELETE_COOKIES_CALLBACK)                \
  X(CefDialogHandler, _cef_dialog_handler_t, WT_DIALOG_HANDLER)                                          \
  X(CefDisplayHandler, _cef_display_handler_t, WT_DISPLAY_HANDLER)                                       \
  X(CefDownloadHandler, _cef_download_handler_t, WT_DOWNLOAD_HANDLER)                                    \
  X(CefDragHandler, _cef_drag_handler_t, WT_DRAG_HANDLER)                                                \
  X(CefEndTracingCallback, _cef_end_tracing_callback_t, WT_END_TRACING_CALLBACK)                         \
  X(CefFindHandler, _cef_find_handler_t, WT_FIND_HANDLER)                                                \
  X(CefFocusHandler, _cef_focus_handler_t, WT_FOCUS_HANDLER)                                             \
  X(CefGeolocationHandler, _cef_geolocation_handler_t, WT_GEOLOCATION_HANDLER)                           \
  X(CefGetGeolocationCallback, _cef_get_geolocation_callback_t, WT_GET_GEOLOCATION_CALLBACK)             \
  X(CefJSDialogHandler, _cef_jsdialog_handler_t, WT_JSDIALOG_HANDLER)                                    \
  X(CefKeyboardHandler, _cef_keyboard_handler_t, WT_KEYBOARD_HANDLER)                                    \
  X(CefLifeSpanHandler, _cef_life_span_handler_t, WT_LIFE_SPAN_HANDLER)                                  \
  X(CefLoadHandler, _cef_load_handler_t, WT_LOAD_HANDLER)                                                \
  X(CefNavigationEntryVisitor, _cef_navigation_entry_visitor_t, WT_NAVIGATION_ENTRY_VISITOR)             \
  X(CefPdfPrintCallback, _cef_pdf_print_callback_t, WT_PDF_PRINT_CALLBACK)                               \
  X(CefPrintHandler, _cef_print_handler_t, WT_PRINT_HANDLER)                                             \
  X(CefRenderHandler, _cef_render_handler_t, WT_RENDER_HANDLER)                                          \
  X(CefRenderProcessHandler, _cef_render_process_handler_t, WT_RENDER_PROCESS_HANDLER)                   \
  X(CefRequestContextHandler, _cef_request_context_handler_t, WT_REQUEST_CONTEXT_HANDLER)                \
  X(CefRequestHandler, _cef_request_handler_t, WT_REQUEST_HANDLER)                                       \
  X(CefResolveCallback, _cef_resolve_callback_t, WT_RESOLVE_CALLBACK)                                    \
  X(CefResourceBundleHandler, _cef_resource_bundle_handler_t, WT_RESOURCE_BUNDLE_HANDLER)                \
  X(CefResourceHandler, _cef_resource_handler_t, WT_RESOURCE_HANDLER)                                    \
  X(CefResponseFilter, _cef_response_filter_t, WT_RESPONSE_FILTER)                                       \
  X(CefRunFileDialogCallback, _cef_run_file_dialog_callback_t, WT_RUN_FILE_DIALOG_CALLBACK)              \
  X(CefSchemeHandlerFactory, _cef_scheme_handler_factory_t, WT_SCHEME_HANDLER_FACTORY)                   \
  X(CefSetCookieCallback, _cef_set_cookie_callback_t, WT_SET_COOKIE_CALLBACK)                            \
  X(CefStringVisitor, _cef_string_visitor_t, WT_STRING_VISITOR)                                          \
  X(CefTask, _cef_task_t, WT_TASK)                                                                       \
  X(CefV8Accessor, _cef_v8accessor_t, WT_V8ACCESSOR)                                                     \
  X(CefV8Handler, _cef_v8handler_t, WT_V8HANDLER)                                                        \
  X(CefWebPluginInfoVisitor, _cef_web_plugin_info_visitor_t, WT_WEB_PLUGIN_INFO_VISITOR)                 \
  X(CefWebPluginUnstableCallback, _cef_web_plugin_unstable_callback_t, WT_WEB_PLUGIN_UNSTABLE_CALLBACK)  \
  X(CefWriteHandler, _cef_write_handler_t, WT_WRITE_HANDLER)

#endif  // CEF_LIBCEF_DLL_BRIDGED_INTERFACES_H_
