// The library's command-line object and the process-wide one.
#ifndef CEF_RUNTIME_COMMAND_LINE_H_
#define CEF_RUNTIME_COMMAND_LINE_H_

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "include/capi/cef_command_line_capi.h"
#include "runtime/base/counted.h"

namespace cefrt {

class CommandLine : public CountedStruct<cef_command_line_t> {
 public:
  CommandLine();

  void InitFromArgv(const std::vector<std::u16string>& argv);
  void InitFromString(const std::u16string& text);
  void Reset();
  std::vector<std::u16string> Argv() const;
  std::u16string CommandLineString() const;
  std::u16string Program() const;
  void SetProgram(const std::u16string& program);
  bool HasSwitch(const std::u16string& name) const;
  std::u16string SwitchValue(const std::u16string& name) const;
  std::map<std::u16string, std::u16string> Switches() const;
  void AppendSwitch(const std::u16string& name, const std::u16string& value);
  std::vector<std::u16string> Arguments() const;
  void AppendArgument(const std::u16string& argument);
  void PrependWrapper(const std::u16string& wrapper);

  // Later changes are refused.
  void Freeze();
  bool IsReadOnly() const;

  // A writable copy.
  CommandLine* Clone() const;

 private:
  ~CommandLine() override = default;
  bool Writable() const;  // caller holds mutex_

  mutable std::mutex mutex_;
  bool read_only_ = false;
  std::u16string program_;
  // Words between the program and the switches (from a prepended wrapper).
  std::vector<std::u16string> leading_;
  // In order given; a repeated name appears again, the last value wins.
  std::vector<std::pair<std::u16string, std::u16string>> switches_;
  std::vector<std::u16string> arguments_;
};

// The command line of this process, with one new reference; built from the
// process's own arguments on first use.
CommandLine* GlobalCommandLine();
// Makes the process-wide command line the one given by `argv` (writable
// again until frozen), as cef_initialize does with its arguments.
CommandLine* ResetGlobalCommandLine(const std::vector<std::u16string>& argv);
// Drops the runtime's own reference to the process-wide command line.
void ReleaseGlobalCommandLine();

}  // namespace cefrt

#endif  // CEF_RUNTIME_COMMAND_LINE_H_
