#include "libcef_dll/ctocpp/command_line_proxy.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Idx;
using walk::Req;
using walk::Row;
typedef cef_command_line_t S;
typedef CefCommandLine I;

class CommandLineProxyTest : public fake::LedgerTest {};

TEST_F(CommandLineProxyTest, EveryMember) {
  static const char* const kArgv[] = {"program", "--switch"};
  CefCommandLine::ArgumentList argv{"a"};
  CefCommandLine::SwitchMap switches{{"k", "v"}};
  walk::WalkProxy<CefCommandLineProxy>({
      Row<&S::is_valid>(&I::IsValid),
      Row<&S::is_read_only>(&I::IsReadOnly),
      Row<&S::copy>(&I::Copy),
      Row<&S::init_from_argv>(&I::InitFromArgv, 2, Req(&kArgv[0]))
          .Sees("2, ptr"),
      Row<&S::init_from_string>(&I::InitFromString, Req(CefString("a b")))
          .Sees("\"a b\""),
      Row<&S::reset>(&I::Reset),
      Row<&S::get_argv>(&I::GetArgv, argv).Sees("ptr"),
      Row<&S::get_command_line_string>(&I::GetCommandLineString),
      Row<&S::get_program>(&I::GetProgram),
      Row<&S::set_program>(&I::SetProgram, Req(CefString("p"))),
      Row<&S::has_switches>(&I::HasSwitches),
      Row<&S::has_switch>(&I::HasSwitch, Req(CefString("n"))).Sees("\"n\""),
      Row<&S::get_switch_value>(&I::GetSwitchValue, Req(CefString("n"))),
      Row<&S::get_switches>(&I::GetSwitches, switches),
      Row<&S::append_switch>(&I::AppendSwitch, Req(CefString("disable-gpu")))
          .Sees("\"disable-gpu\""),
      Row<&S::append_switch_with_value>(
          &I::AppendSwitchWithValue, Req(CefString("n")), Req(CefString("v")))
          .Sees("\"n\", \"v\""),
      Row<&S::has_arguments>(&I::HasArguments),
      Row<&S::get_arguments>(&I::GetArguments, argv),
      Row<&S::append_argument>(&I::AppendArgument, Req(CefString("x"))),
      Row<&S::prepend_wrapper>(&I::PrependWrapper, Req(CefString("gdb"))),
  });
}

}  // namespace
