// Stream writers over a file and over the program's own handler.
#include <stdio.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_stream_capi.h"
#include "include/cef_stream.h"
#include "include/cef_write_handler.h"

namespace {

namespace fs = std::filesystem;

// A directory of the test's own, removed afterwards.
class StreamFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           fs::u8path("cefrt-stream-" +
                      std::to_string(std::random_device()()) + "-" +
                      testing::UnitTest::GetInstance()
                          ->current_test_info()
                          ->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  // The name as the library takes it: UTF-16 text.
  static CefString Name(const fs::path& p) {
    return CefString(p.u8string());
  }
  static std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)),
                       std::istreambuf_iterator<char>());
  }

  fs::path dir_;
};

TEST_F(StreamFile, RoundTripWithSeekAndTell) {
  // A name outside ASCII must open as itself on every system.
  const fs::path path = dir_ / fs::u8path("zapís-ü-\xE6\x97\xA5.bin");
  CefRefPtr<CefStreamWriter> w = CefStreamWriter::CreateForFile(Name(path));
  ASSERT_TRUE(w);
  EXPECT_TRUE(w->MayBlock());
  EXPECT_EQ(0, w->Tell());
  EXPECT_EQ(11u, w->Write("hello world", 1, 11));
  EXPECT_EQ(11, w->Tell());

  const struct {
    int64_t offset;
    int whence;
    int64_t position;
  } seeks[] = {
      {6, SEEK_SET, 6},  {-2, SEEK_CUR, 4}, {0, SEEK_END, 11},
      {-5, SEEK_END, 6}, {1, SEEK_CUR, 7},  {0, SEEK_SET, 0},
  };
  for (const auto& s : seeks) {
    EXPECT_EQ(0, w->Seek(s.offset, s.whence));
    EXPECT_EQ(s.position, w->Tell()) << s.offset << " from " << s.whence;
  }
  // Refused seeks leave the position where it was.
  EXPECT_NE(0, w->Seek(3, 7));
  EXPECT_NE(0, w->Seek(-1, SEEK_SET));
  EXPECT_EQ(0, w->Tell());

  EXPECT_EQ(0, w->Seek(6, SEEK_SET));
  // Items of several bytes count as items.
  EXPECT_EQ(2u, w->Write("WOrl", 2, 2));
  EXPECT_EQ(0, w->Flush());
  EXPECT_EQ("hello WOrld", Contents(path));
  EXPECT_EQ(0u, w->Write(nullptr, 1, 4));
  EXPECT_EQ(0u, w->Write("x", 0, 4));
  EXPECT_EQ(10, w->Tell());
}

// The last reference closes the file, and closing writes what was pending.
TEST_F(StreamFile, ReleaseClosesAndFlushes) {
  const fs::path path = dir_ / "closed.txt";
  CefRefPtr<CefStreamWriter> w = CefStreamWriter::CreateForFile(Name(path));
  ASSERT_TRUE(w);
  EXPECT_EQ(3u, w->Write("abc", 1, 3));
  w = nullptr;
  EXPECT_EQ("abc", Contents(path));
  // Closed, so Windows lets it go too.
  std::error_code ec;
  EXPECT_TRUE(fs::remove(path, ec)) << ec.message();
  // Opening again starts the file afresh.
  std::ofstream(path) << "old contents";
  w = CefStreamWriter::CreateForFile(Name(path));
  ASSERT_TRUE(w);
  w = nullptr;
  EXPECT_EQ("", Contents(path));
}

TEST_F(StreamFile, UnwritablePathsGiveNoWriter) {
  const std::string cases[] = {
      (dir_ / "missing" / "f.bin").u8string(),  // no such directory
      dir_.u8string(),                          // a directory
  };
  for (const std::string& name : cases) {
    EXPECT_FALSE(CefStreamWriter::CreateForFile(name)) << name;
  }
  EXPECT_EQ(nullptr, cef_stream_writer_create_for_file(nullptr));
  cef_string_t empty = {};
  EXPECT_EQ(nullptr, cef_stream_writer_create_for_file(&empty));
  // A name with a NUL inside would open some other file.
  const std::u16string with_nul =
      (dir_ / "a").u16string() + std::u16string(1, u'\0') + u"b";
  cef_string_t record = {};
  record.str = reinterpret_cast<char16*>(const_cast<char16_t*>(with_nul.data()));
  record.length = with_nul.size();
  EXPECT_EQ(nullptr, cef_stream_writer_create_for_file(&record));
  EXPECT_FALSE(fs::exists(dir_ / "a"));
}

// Records every call and answers with values that a writer could not make
// up, so a call that is not forwarded shows.
class RecordingHandler : public CefWriteHandler {
 public:
  size_t Write(const void* ptr, size_t size, size_t n) override {
    written.append(static_cast<const char*>(ptr), size * n);
    return n - 1;
  }
  int Seek(int64_t offset, int whence) override {
    seeks.emplace_back(offset, whence);
    return 42;
  }
  int64_t Tell() override { return int64_t{1} << 40; }
  int Flush() override {
    ++flushes;
    return 7;
  }
  bool MayBlock() override { return true; }

  std::string written;
  std::vector<std::pair<int64_t, int>> seeks;
  int flushes = 0;
  IMPLEMENT_REFCOUNTING(RecordingHandler);
};

TEST(StreamHandler, EveryCallReachesTheHandler) {
  CefRefPtr<RecordingHandler> h = new RecordingHandler();
  CefRefPtr<CefStreamWriter> w = CefStreamWriter::CreateForHandler(h);
  ASSERT_TRUE(w);
  EXPECT_FALSE(h->HasOneRef()) << "the writer holds the handler";
  EXPECT_EQ(2u, w->Write("abcdef", 2, 3));
  EXPECT_EQ("abcdef", h->written);
  EXPECT_EQ(42, w->Seek(-(int64_t{1} << 35), SEEK_END));
  ASSERT_EQ(1u, h->seeks.size());
  EXPECT_EQ(-(int64_t{1} << 35), h->seeks[0].first);
  EXPECT_EQ(SEEK_END, h->seeks[0].second);
  EXPECT_EQ(int64_t{1} << 40, w->Tell());
  EXPECT_EQ(7, w->Flush());
  EXPECT_EQ(1, h->flushes);
  EXPECT_TRUE(w->MayBlock());
  w = nullptr;
  EXPECT_TRUE(h->HasOneRef()) << "released with the writer";
}

TEST(StreamHandler, NoHandlerGivesNoWriter) {
  EXPECT_EQ(nullptr, cef_stream_writer_create_for_handler(nullptr));
}

}  // namespace
