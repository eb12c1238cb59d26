// A process's command line. The library implements it; the program reaches
// it through a proxy, the creators, or the application's pre-processing hook.
#ifndef CEF_INCLUDE_CEF_COMMAND_LINE_H_
#define CEF_INCLUDE_CEF_COMMAND_LINE_H_

#include "include/capi/cef_command_line_capi.h"
#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"

class CefCommandLine : public virtual CefBase {
 public:
  typedef EmbedStringVector ArgumentList;
  typedef EmbedStringMap SwitchMap;

  // Both return null when the library speaks another interface version.
  static CefRefPtr<CefCommandLine> CreateCommandLine();
  static CefRefPtr<CefCommandLine> GetGlobalCommandLine();

  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual CefRefPtr<CefCommandLine> Copy() = 0;
  // The first entry is the program.
  virtual void InitFromArgv(int argc, const char* const* argv) = 0;
  virtual void InitFromString(const CefString& command_line) = 0;
  virtual void Reset() = 0;
  // Each of the container getters replaces the container's content.
  virtual void GetArgv(ArgumentList& argv) = 0;
  virtual CefString GetCommandLineString() = 0;
  virtual CefString GetProgram() = 0;
  virtual void SetProgram(const CefString& program) = 0;
  virtual bool HasSwitches() = 0;
  virtual bool HasSwitch(const CefString& name) = 0;
  virtual CefString GetSwitchValue(const CefString& name) = 0;
  virtual void GetSwitches(SwitchMap& switches) = 0;
  virtual void AppendSwitch(const CefString& name) = 0;
  // An empty value is ignored; AppendSwitch adds a switch without one.
  virtual void AppendSwitchWithValue(const CefString& name,
                                     const CefString& value) = 0;
  virtual bool HasArguments() = 0;
  virtual void GetArguments(ArgumentList& arguments) = 0;
  virtual void AppendArgument(const CefString& argument) = 0;
  // Puts a launcher such as a debugger in front of the program.
  virtual void PrependWrapper(const CefString& wrapper) = 0;
};

#endif  // CEF_INCLUDE_CEF_COMMAND_LINE_H_
