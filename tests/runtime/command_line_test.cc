// The command-line object: parsing, editing, copies, the process-wide line
// and how cef_initialize hands it to the application.
#include <stdlib.h>

#include <map>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_app_capi.h"
#include "include/capi/cef_command_line_capi.h"
#include "include/capi/cef_entry_capi.h"
#include "tests/runtime/test_support.h"

namespace {

using rt_test::InitializeStrict;
using rt_test::Str;
using rt_test::TakeUserFree;

// Holds one command line and releases it at the end of the test.
class Line {
 public:
  explicit Line(cef_command_line_t* line) : line_(line) {}
  ~Line() {
    if (line_)
      line_->base.release(&line_->base);
  }
  cef_command_line_t* operator->() const { return line_; }
  cef_command_line_t* get() const { return line_; }

  void Init(std::vector<const char*> argv) {
    line_->init_from_argv(line_, static_cast<int>(argv.size()), argv.data());
  }
  std::vector<std::u16string> List(
      void(CEF_CALLBACK* cef_command_line_t::*member)(cef_command_line_t*,
                                                      cef_string_list_t)) {
    cef_string_list_t list = cef_string_list_alloc();
    (line_->*member)(line_, list);
    std::vector<std::u16string> out;
    for (int i = 0; i < cef_string_list_size(list); ++i) {
      Str item;
      cef_string_list_value(list, i, item.get());
      out.push_back(item.text());
    }
    cef_string_list_free(list);
    return out;
  }
  std::map<std::u16string, std::u16string> Switches() {
    cef_string_map_t map = cef_string_map_alloc();
    line_->get_switches(line_, map);
    std::map<std::u16string, std::u16string> out;
    for (int i = 0; i < cef_string_map_size(map); ++i) {
      Str key, value;
      cef_string_map_key(map, i, key.get());
      cef_string_map_value(map, i, value.get());
      out[key.text()] = value.text();
    }
    cef_string_map_free(map);
    return out;
  }
  std::u16string Value(const char* name) {
    Str n(name);
    return TakeUserFree(line_->get_switch_value(line_, n.get()));
  }
  bool Has(const char* name) {
    Str n(name);
    return line_->has_switch(line_, n.get()) != 0;
  }
  void Append(const char* name) {
    Str n(name);
    line_->append_switch(line_, n.get());
  }

 private:
  cef_command_line_t* line_;
};

TEST(CommandLine, ParsesSwitchesValuesAndArguments) {
  Line line(cef_command_line_create());
  ASSERT_TRUE(line.get());
  line.Init({"prog", "--alpha", "-beta=1", "file.txt", "--gamma=a=b", "--",
             "--not-a-switch", "-"});
  EXPECT_EQ(u"prog", TakeUserFree(line->get_program(line.get())));
  const std::map<std::u16string, std::u16string> expected = {
      {u"alpha", u""}, {u"beta", u"1"}, {u"gamma", u"a=b"}};
  EXPECT_EQ(expected, line.Switches());
  EXPECT_EQ((std::vector<std::u16string>{u"file.txt", u"--not-a-switch",
                                         u"-"}),
            line.List(&cef_command_line_t::get_arguments));
  EXPECT_TRUE(line.Has("beta"));
  EXPECT_FALSE(line.Has("not-a-switch"));
  EXPECT_EQ(u"a=b", line.Value("gamma"));
  EXPECT_EQ(u"", line.Value("missing"));
  EXPECT_TRUE(line->has_switches(line.get()));
  EXPECT_TRUE(line->has_arguments(line.get()));
}

TEST(CommandLine, LaterValueWinsAndArgvKeepsOrder) {
  Line line(cef_command_line_create());
  line.Init({"prog", "--lang=en", "page"});
  line.Append("disable-gpu");
  line.Append("no-proxy-server");
  Str name("lang"), value("zh-CN");
  line->append_switch_with_value(line.get(), name.get(), value.get());
  EXPECT_EQ(u"zh-CN", line.Value("lang"));
  EXPECT_EQ((std::vector<std::u16string>{u"prog", u"--lang=en",
                                         u"--disable-gpu",
                                         u"--no-proxy-server", u"--lang=zh-CN",
                                         u"page"}),
            line.List(&cef_command_line_t::get_argv));
}

TEST(CommandLine, StringFormRoundTripsQuotedWords) {
  Line line(cef_command_line_create());
  line.Init({"/opt/my app/prog", "--title=say \"hi\"", "two words",
             "back\\slash\\"});
  const std::u16string text =
      TakeUserFree(line->get_command_line_string(line.get()));

  Line again(cef_command_line_create());
  Str str(text);
  again->init_from_string(again.get(), str.get());
  EXPECT_EQ(line.List(&cef_command_line_t::get_argv),
            again.List(&cef_command_line_t::get_argv))
      << std::string(text.begin(), text.end());
  EXPECT_EQ(u"say \"hi\"", again.Value("title"));
}

TEST(CommandLine, WrapperBecomesTheProgram) {
  Line line(cef_command_line_create());
  line.Init({"prog", "--x"});
  Str wrapper("gdb --args");
  line->prepend_wrapper(line.get(), wrapper.get());
  EXPECT_EQ((std::vector<std::u16string>{u"gdb", u"--args", u"prog", u"--x"}),
            line.List(&cef_command_line_t::get_argv));
  EXPECT_EQ(u"gdb", TakeUserFree(line->get_program(line.get())));
}

TEST(CommandLine, CopyIsIndependentAndResetEmpties) {
  Line line(cef_command_line_create());
  line.Init({"prog", "--a"});
  Line copy(line->copy(line.get()));
  ASSERT_TRUE(copy.get());
  ASSERT_NE(line.get(), copy.get());
  copy.Append("b");
  EXPECT_FALSE(line.Has("b"));
  EXPECT_TRUE(copy.Has("a"));
  line->reset(line.get());
  EXPECT_FALSE(line->has_switches(line.get()));
  EXPECT_EQ(u"", TakeUserFree(line->get_program(line.get())));
  EXPECT_TRUE(copy.Has("b"));
}

// An application that records what cef_initialize hands it.
struct RecordingApp {
  cef_app_t app = {};
  std::u16string process_type = u"<not called>";
  bool was_writable = false;

  RecordingApp() {
    app.base.size = sizeof(app);
    app.base.add_ref = [](cef_base_t*) CEF_CALLBACK {};
    app.base.release = [](cef_base_t*) CEF_CALLBACK -> int { return 1; };
    app.base.has_one_ref = [](cef_base_t*) CEF_CALLBACK -> int { return 1; };
    app.on_before_command_line_processing =
        [](cef_app_t* self, const cef_string_t* type,
           cef_command_line_t* line) CEF_CALLBACK {
          RecordingApp* me = reinterpret_cast<RecordingApp*>(self);
          me->process_type = Str::Text(type);
          me->was_writable = !line->is_read_only(line);
          Str name("disable-gpu");
          line->append_switch(line, name.get());
          line->base.release(&line->base);
        };
  }
};

TEST(CommandLine, InitializeLetsTheAppEditTheGlobalLine) {
  char prog[] = "prog";
  char given[] = "--given=1";
  char* argv[] = {prog, given, nullptr};
  cef_main_args_t args = {};
#if !defined(_WIN32)
  args.argc = 2;
  args.argv = argv;
#endif
  cef_settings_t settings = {};
  settings.size = sizeof(settings);
  RecordingApp app;
  ASSERT_EQ(1, cef_initialize(&args, &settings, &app.app, nullptr));
  EXPECT_EQ(u"", app.process_type);
  EXPECT_TRUE(app.was_writable);
  {
    Line global(cef_command_line_get_global());
    ASSERT_TRUE(global.get());
    EXPECT_TRUE(global.Has("disable-gpu"));
#if !defined(_WIN32)
    EXPECT_EQ(u"1", global.Value("given"));
#endif
    // Read-only once the application has had its turn.
    EXPECT_TRUE(global->is_read_only(global.get()));
    global.Append("late");
    EXPECT_FALSE(global.Has("late"));
  }
  cef_shutdown();
  (void)argv;
}

// Objects the program still holds at shut-down are named there; with the
// strict switch set, the process ends with 70.
TEST(ShutdownReport, LeakedObjectEndsStrictProcess) {
  EXPECT_EXIT(
      {
        InitializeStrict();
        cef_command_line_t* leaked = cef_command_line_create();
        (void)leaked;
        cef_shutdown();
        exit(0);
      },
      ::testing::ExitedWithCode(70), "1 cef_command_line_t object");
}

TEST(ShutdownReport, ReleasedObjectsPassStrictShutdown) {
  EXPECT_EXIT(
      {
        InitializeStrict();
        cef_command_line_t* line = cef_command_line_create();
        cef_command_line_t* global = cef_command_line_get_global();
        cef_command_line_t* copy = line->copy(line);
        copy->base.release(&copy->base);
        global->base.release(&global->base);
        line->base.release(&line->base);
        cef_shutdown();
        exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
