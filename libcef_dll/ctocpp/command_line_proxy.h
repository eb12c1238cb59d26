#ifndef CEF_LIBCEF_DLL_CTOCPP_COMMAND_LINE_PROXY_H_
#define CEF_LIBCEF_DLL_CTOCPP_COMMAND_LINE_PROXY_H_

#include "include/cef_command_line.h"
#include "libcef_dll/ctocpp/object_proxy.h"

class CefCommandLineProxy final
    : public ObjectProxy<CefCommandLineProxy, CefCommandLine,
                         cef_command_line_t> {
 public:
  static constexpr WrapperType kWrapperType = WT_COMMAND_LINE;

  bool IsValid() override { return Forward(&S::is_valid); }
  bool IsReadOnly() override { return Forward(&S::is_read_only); }
  CefRefPtr<CefCommandLine> Copy() override { return Forward(&S::copy); }
  void InitFromArgv(int argc, const char* const* argv) override {
    Forward(&S::init_from_argv, argc, Required(argv));
  }
  void InitFromString(const CefString& command_line) override {
    Forward(&S::init_from_string, Required(command_line));
  }
  void Reset() override { Forward(&S::reset); }
  void GetArgv(ArgumentList& argv) override {
    Forward(&S::get_argv, InOut(argv));
  }
  CefString GetCommandLineString() override {
    return Forward(&S::get_command_line_string);
  }
  CefString GetProgram() override { return Forward(&S::get_program); }
  void SetProgram(const CefString& program) override {
    Forward(&S::set_program, Required(program));
  }
  bool HasSwitches() override { return Forward(&S::has_switches); }
  bool HasSwitch(const CefString& name) override {
    return Forward(&S::has_switch, Required(name));
  }
  CefString GetSwitchValue(const CefString& name) override {
    return Forward(&S::get_switch_value, Required(name));
  }
  void GetSwitches(SwitchMap& switches) override {
    Forward(&S::get_switches, InOut(switches));
  }
  void AppendSwitch(const CefString& name) override {
    Forward(&S::append_switch, Required(name));
  }
  void AppendSwitchWithValue(const CefString& name,
                             const CefString& value) override {
    Forward(&S::append_switch_with_value, Required(name), Required(value));
  }
  bool HasArguments() override { return Forward(&S::has_arguments); }
  void GetArguments(ArgumentList& arguments) override {
    Forward(&S::get_arguments, InOut(arguments));
  }
  void AppendArgument(const CefString& argument) override {
    Forward(&S::append_argument, Required(argument));
  }
  void PrependWrapper(const CefString& wrapper) override {
    Forward(&S::prepend_wrapper, Required(wrapper));
  }
};

#endif  // CEF_LIBCEF_DLL_CTOCPP_COMMAND_LINE_PROXY_H_
