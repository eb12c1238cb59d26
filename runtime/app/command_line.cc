#include "runtime/app/command_line.h"

#include <fstream>
#include <iterator>

#include "runtime/base/capi_util.h"
#include "runtime/app/platform.h"
#include "runtime/base/text.h"

namespace cefrt {

namespace {

// Length of the switch prefix that starts `arg`: "--", "-", and on Windows
// also "/"; 0 for a plain argument. A lone prefix is not a switch.
size_t SwitchPrefixLength(const std::u16string& arg) {
  size_t n = 0;
  if (arg.compare(0, 2, u"--") == 0)
    n = 2;
  else if (arg.compare(0, 1, u"-") == 0)
    n = 1;
#if defined(_WIN32)
  else if (arg.compare(0, 1, u"/") == 0)
    n = 1;
#endif
  return arg.size() > n ? n : 0;
}

// Switch names are case-insensitive where the system's are.
std::u16string NormalizeName(std::u16string name) {
#if defined(_WIN32)
  for (char16_t& c : name) {
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  }
#endif
  return name;
}

bool NeedsQuotes(const std::u16string& arg) {
  if (arg.empty())
    return true;
  for (char16_t c : arg) {
    if (c == u' ' || c == u'\t' || c == u'\n' || c == u'"')
      return true;
  }
  return false;
}

// Quotes as the splitter below reads back: backslashes double only where
// a quote follows them.
std::u16string Quote(const std::u16string& arg) {
  if (!NeedsQuotes(arg))
    return arg;
  std::u16string out = u"\"";
  size_t backslashes = 0;
  for (char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    if (c == u'"')
      out.append(backslashes * 2 + 1, u'\\');
    else
      out.append(backslashes, u'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, u'\\');
  out += u'"';
  return out;
}

// Splits a command line the way Windows programs do: blanks separate words,
// quotes group them, 2n backslashes before a quote give n and the quote
// toggles grouping, 2n+1 give n and a literal quote.
std::vector<std::u16string> Split(const std::u16string& text) {
  std::vector<std::u16string> words;
  std::u16string word;
  bool in_word = false;
  bool quoted = false;
  size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (!quoted && (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')) {
      if (in_word)
        words.push_back(word);
      word.clear();
      in_word = false;
      ++i;
      continue;
    }
    in_word = true;
    if (c == u'\\') {
      size_t n = 0;
      while (i < text.size() && text[i] == u'\\') {
        ++n;
        ++i;
      }
      if (i < text.size() && text[i] == u'"') {
        word.append(n / 2, u'\\');
        if (n % 2) {
          word += u'"';
          ++i;
        }
      } else {
        word.append(n, u'\\');
      }
      continue;
    }
    if (c == u'"')
      quoted = !quoted;
    else
      word += c;
    ++i;
  }
  if (in_word)
    words.push_back(word);
  return words;
}

std::vector<std::u16string> OwnProcessArguments() {
  std::vector<std::u16string> argv;
  for (const std::string& arg : platform::ProcessArguments(nullptr))
    argv.push_back(Utf8ToU16(arg));
#if defined(__linux__)
  if (argv.empty()) {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)),
                          std::istreambuf_iterator<char>());
    size_t start = 0;
    while (start < raw.size()) {
      size_t end = raw.find('\0', start);
      if (end == std::string::npos)
        end = raw.size();
      argv.push_back(Utf8ToU16(raw.substr(start, end - start)));
      start = end + 1;
    }
  }
#endif
  return argv;
}

CommandLine* Self(cef_command_line_t* s) {
  return CountedStruct<cef_command_line_t>::From<CommandLine>(s);
}

bool Blank(const cef_string_t* s) {
  return !s || !s->str || s->length == 0;
}

struct Global {
  std::mutex mutex;
  CommandLine* line = nullptr;  // the runtime's own reference
};

Global& TheGlobal() {
  static Global* global = new Global();
  return *global;
}

}  // namespace

CommandLine::CommandLine() : CountedStruct("cef_command_line_t") {
  cef_command_line_t& c = s();
  c.is_valid = [](cef_command_line_t* self) CEF_CALLBACK -> int {
    return Self(self) ? 1 : 0;
  };
  c.is_read_only = [](cef_command_line_t* self) CEF_CALLBACK -> int {
    return Self(self) && Self(self)->IsReadOnly() ? 1 : 0;
  };
  c.copy = [](cef_command_line_t* self)
      CEF_CALLBACK -> cef_command_line_t* {
    if (!Self(self))
      return nullptr;
    return Self(self)->Clone()->Give();
  };
  c.init_from_argv = [](cef_command_line_t* self, int argc,
                        const char* const* argv) CEF_CALLBACK {
    if (!Self(self) || !argv || argc < 0)
      return;
    std::vector<std::u16string> args;
    for (int i = 0; i < argc; ++i)
      args.push_back(argv[i] ? Utf8ToU16(argv[i]) : std::u16string());
    Self(self)->InitFromArgv(args);
  };
  c.init_from_string = [](cef_command_line_t* self,
                          const cef_string_t* text) CEF_CALLBACK {
    if (Self(self) && !Blank(text))
      Self(self)->InitFromString(FromCef(text));
  };
  c.reset = [](cef_command_line_t* self) CEF_CALLBACK {
    if (Self(self))
      Self(self)->Reset();
  };
  c.get_argv = [](cef_command_line_t* self,
                  cef_string_list_t argv) CEF_CALLBACK {
    if (Self(self) && argv)
      AppendToList(argv, Self(self)->Argv());
  };
  c.get_command_line_string = [](cef_command_line_t* self)
      CEF_CALLBACK -> cef_string_userfree_t {
    return Self(self) ? NewUserFree(Self(self)->CommandLineString())
                      : nullptr;
  };
  c.get_program = [](cef_command_line_t* self)
      CEF_CALLBACK -> cef_string_userfree_t {
    return Self(self) ? NewUserFree(Self(self)->Program()) : nullptr;
  };
  c.set_program = [](cef_command_line_t* self,
                     const cef_string_t* program) CEF_CALLBACK {
    if (Self(self) && !Blank(program))
      Self(self)->SetProgram(FromCef(program));
  };
  c.has_switches = [](cef_command_line_t* self) CEF_CALLBACK -> int {
    return Self(self) && !Self(self)->Switches().empty() ? 1 : 0;
  };
  c.has_switch = [](cef_command_line_t* self,
                    const cef_string_t* name) CEF_CALLBACK -> int {
    return Self(self) && !Blank(name) && Self(self)->HasSwitch(FromCef(name))
               ? 1
               : 0;
  };
  c.get_switch_value = [](cef_command_line_t* self, const cef_string_t* name)
      CEF_CALLBACK -> cef_string_userfree_t {
    if (!Self(self) || Blank(name))
      return nullptr;
    return NewUserFree(Self(self)->SwitchValue(FromCef(name)));
  };
  c.get_switches = [](cef_command_line_t* self,
                      cef_string_map_t switches) CEF_CALLBACK {
    if (!Self(self) || !switches)
      return;
    for (const auto& entry : Self(self)->Switches()) {
      cef_string_t key = View(entry.first);
      cef_string_t value = View(entry.second);
      cef_string_map_append(switches, &key, &value);
    }
  };
  c.append_switch = [](cef_command_line_t* self,
                       const cef_string_t* name) CEF_CALLBACK {
    if (Self(self) && !Blank(name))
      Self(self)->AppendSwitch(FromCef(name), std::u16string());
  };
  c.append_switch_with_value = [](cef_command_line_t* self,
                                  const cef_string_t* name,
                                  const cef_string_t* value) CEF_CALLBACK {
    if (Self(self) && !Blank(name))
      Self(self)->AppendSwitch(FromCef(name), FromCef(value));
  };
  c.has_arguments = [](cef_command_line_t* self) CEF_CALLBACK -> int {
    return Self(self) && !Self(self)->Arguments().empty() ? 1 : 0;
  };
  c.get_arguments = [](cef_command_line_t* self,
                       cef_string_list_t arguments) CEF_CALLBACK {
    if (Self(self) && arguments)
      AppendToList(arguments, Self(self)->Arguments());
  };
  c.append_argument = [](cef_command_line_t* self,
                         const cef_string_t* argument) CEF_CALLBACK {
    if (Self(self) && !Blank(argument))
      Self(self)->AppendArgument(FromCef(argument));
  };
  c.prepend_wrapper = [](cef_command_line_t* self,
                         const cef_string_t* wrapper) CEF_CALLBACK {
    if (Self(self) && !Blank(wrapper))
      Self(self)->PrependWrapper(FromCef(wrapper));
  };
}

bool CommandLine::Writable() const {
  return !read_only_;
}

void CommandLine::InitFromArgv(const std::vector<std::u16string>& argv) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!Writable())
    return;
  program_.clear();
  leading_.clear();
  switches_.clear();
  arguments_.clear();
  if (argv.empty())
    return;
  program_ = argv[0];
  bool parsing_switches = true;
  for (size_t i = 1; i < argv.size(); ++i) {
    const std::u16string& arg = argv[i];
    if (parsing_switches && arg == u"--") {
      parsing_switches = false;
      continue;
    }
    const size_t prefix = parsing_switches ? SwitchPrefixLength(arg) : 0;
    if (prefix == 0) {
      arguments_.push_back(arg);
      continue;
    }
    const size_t eq = arg.find(u'=', prefix);
    if (eq == std::u16string::npos)
      switches_.emplace_back(NormalizeName(arg.substr(prefix)),
                             std::u16string());
    else
      switches_.emplace_back(NormalizeName(arg.substr(prefix, eq - prefix)),
                             arg.substr(eq + 1));
  }
}

void CommandLine::InitFromString(const std::u16string& text) {
  InitFromArgv(Split(text));
}

void CommandLine::Reset() {
  InitFromArgv({});
}

std::vector<std::u16string> CommandLine::Argv() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::u16string> argv;
  argv.push_back(program_);
  argv.insert(argv.end(), leading_.begin(), leading_.end());
  for (const auto& sw : switches_)
    argv.push_back(sw.second.empty() ? u"--" + sw.first
                                     : u"--" + sw.first + u"=" + sw.second);
  bool separate = false;
  for (const std::u16string& arg : arguments_)
    separate = separate || SwitchPrefixLength(arg) > 0 || arg == u"--";
  if (separate)
    argv.push_back(u"--");
  argv.insert(argv.end(), arguments_.begin(), arguments_.end());
  return argv;
}

std::u16string CommandLine::CommandLineString() const {
  std::u16string out;
  for (const std::u16string& arg : Argv()) {
    if (!out.empty())
      out += u' ';
    out += Quote(arg);
  }
  return out;
}

std::u16string CommandLine::Program() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return program_;
}

void CommandLine::SetProgram(const std::u16string& program) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (Writable())
    program_ = program;
}

bool CommandLine::HasSwitch(const std::u16string& name) const {
  const std::u16string key = NormalizeName(name);
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& sw : switches_) {
    if (sw.first == key)
      return true;
  }
  return false;
}

std::u16string CommandLine::SwitchValue(const std::u16string& name) const {
  const std::u16string key = NormalizeName(name);
  std::lock_guard<std::mutex> lock(mutex_);
  std::u16string value;
  for (const auto& sw : switches_) {
    if (sw.first == key)
      value = sw.second;
  }
  return value;
}

std::map<std::u16string, std::u16string> CommandLine::Switches() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::map<std::u16string, std::u16string> map;
  for (const auto& sw : switches_)
    map[sw.first] = sw.second;
  return map;
}

void CommandLine::AppendSwitch(const std::u16string& name,
                               const std::u16string& value) {
  // A name given with its prefix ("--foo") means the same switch.
  std::u16string key = name.substr(SwitchPrefixLength(name));
  const size_t eq = key.find(u'=');
  std::u16string val = value;
  if (eq != std::u16string::npos && value.empty()) {
    val = key.substr(eq + 1);
    key.resize(eq);
  }
  if (key.empty())
    return;
  std::lock_guard<std::mutex> lock(mutex_);
  if (Writable())
    switches_.emplace_back(NormalizeName(key), val);
}

std::vector<std::u16string> CommandLine::Arguments() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return arguments_;
}

void CommandLine::AppendArgument(const std::u16string& argument) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (Writable())
    arguments_.push_back(argument);
}

void CommandLine::PrependWrapper(const std::u16string& wrapper) {
  std::vector<std::u16string> words = Split(wrapper);
  if (words.empty())
    return;
  std::lock_guard<std::mutex> lock(mutex_);
  if (!Writable())
    return;
  // The wrapper's first word becomes the program; the old program is then
  // the wrapper's last argument.
  std::vector<std::u16string> leading(words.begin() + 1, words.end());
  if (!program_.empty())
    leading.push_back(program_);
  leading.insert(leading.end(), leading_.begin(), leading_.end());
  program_ = words[0];
  leading_ = std::move(leading);
}

void CommandLine::Freeze() {
  std::lock_guard<std::mutex> lock(mutex_);
  read_only_ = true;
}

bool CommandLine::IsReadOnly() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return read_only_;
}

CommandLine* CommandLine::Clone() const {
  CommandLine* copy = new CommandLine();
  std::lock_guard<std::mutex> lock(mutex_);
  copy->program_ = program_;
  copy->leading_ = leading_;
  copy->switches_ = switches_;
  copy->arguments_ = arguments_;
  return copy;
}

CommandLine* GlobalCommandLine() {
  Global& g = TheGlobal();
  std::lock_guard<std::mutex> lock(g.mutex);
  if (!g.line) {
    g.line = new CommandLine();
    g.line->InitFromArgv(OwnProcessArguments());
    g.line->Freeze();
  }
  g.line->AddRef();
  return g.line;
}

CommandLine* ResetGlobalCommandLine(const std::vector<std::u16string>& argv) {
  CommandLine* fresh = new CommandLine();
  fresh->InitFromArgv(argv.empty() ? OwnProcessArguments() : argv);
  CommandLine* old = nullptr;
  {
    Global& g = TheGlobal();
    std::lock_guard<std::mutex> lock(g.mutex);
    old = g.line;
    g.line = fresh;
    fresh->AddRef();
  }
  if (old)
    old->Release();
  return fresh;
}

void ReleaseGlobalCommandLine() {
  CommandLine* old = nullptr;
  {
    Global& g = TheGlobal();
    std::lock_guard<std::mutex> lock(g.mutex);
    old = g.line;
    g.line = nullptr;
  }
  if (old)
    old->Release();
}

}  // namespace cefrt

cef_command_line_t* cef_command_line_create(void) {
  return (new cefrt::CommandLine())->Give();
}

cef_command_line_t* cef_command_line_get_global(void) {
  return cefrt::GlobalCommandLine()->Give();
}
