// Printer settings and drag data as a program sees them.
#include <limits.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "gtest/gtest.h"
#include "include/capi/cef_print_settings_capi.h"
#include "include/cef_drag_data.h"
#include "include/cef_print_settings.h"
#include "include/cef_stream.h"
#include "include/cef_write_handler.h"

namespace {

// --- Printer settings -------------------------------------------------------

TEST(PrintSettings, StartsValidWritableAndUnset) {
  CefRefPtr<CefPrintSettings> s = CefPrintSettings::Create();
  ASSERT_TRUE(s);
  EXPECT_TRUE(s->IsValid());
  EXPECT_FALSE(s->IsReadOnly());
  EXPECT_FALSE(s->IsLandscape());
  EXPECT_TRUE(s->GetDeviceName().IsEmpty());
  EXPECT_EQ(0, s->GetDPI());
  EXPECT_EQ(0u, s->GetPageRangesCount());
  EXPECT_FALSE(s->IsSelectionOnly());
  EXPECT_FALSE(s->WillCollate());
  EXPECT_EQ(COLOR_MODEL_UNKNOWN, s->GetColorModel());
  EXPECT_EQ(0, s->GetCopies());
  EXPECT_EQ(DUPLEX_MODE_UNKNOWN, s->GetDuplexMode());
}

// Each numeric setting takes the values of its range and refuses the others,
// keeping what it had.
struct NumericSetting {
  const char* name;
  std::function<void(CefPrintSettings*, int)> set;
  std::function<int(CefPrintSettings*)> get;
  std::vector<int> accepted;
  std::vector<int> refused;
};

TEST(PrintSettings, NumericSettingsKeepToTheirRanges) {
  const NumericSetting settings[] = {
      {"dpi", [](CefPrintSettings* s, int v) { s->SetDPI(v); },
       [](CefPrintSettings* s) { return s->GetDPI(); },
       {1, 600, INT_MAX},
       {0, -1, INT_MIN}},
      {"copies", [](CefPrintSettings* s, int v) { s->SetCopies(v); },
       [](CefPrintSettings* s) { return s->GetCopies(); },
       {1, 3, INT_MAX},
       {0, -2, INT_MIN}},
      {"color model",
       [](CefPrintSettings* s, int v) {
         s->SetColorModel(static_cast<cef_color_model_t>(v));
       },
       [](CefPrintSettings* s) { return static_cast<int>(s->GetColorModel()); },
       {COLOR_MODEL_GRAY, COLOR_MODEL_UNKNOWN,
        COLOR_MODEL_PROCESSCOLORMODEL_RGB},
       // Outside the list, yet values the enumeration can hold.
       {COLOR_MODEL_PROCESSCOLORMODEL_RGB + 1, 31}},
      {"duplex mode",
       [](CefPrintSettings* s, int v) {
         s->SetDuplexMode(static_cast<cef_duplex_mode_t>(v));
       },
       [](CefPrintSettings* s) { return static_cast<int>(s->GetDuplexMode()); },
       {DUPLEX_MODE_LONG_EDGE, DUPLEX_MODE_UNKNOWN, DUPLEX_MODE_SHORT_EDGE},
       {-2, DUPLEX_MODE_SHORT_EDGE + 1, -4}},
  };
  for (const NumericSetting& setting : settings) {
    SCOPED_TRACE(setting.name);
    CefRefPtr<CefPrintSettings> s = CefPrintSettings::Create();
    for (int value : setting.accepted) {
      setting.set(s.get(), value);
      EXPECT_EQ(value, setting.get(s.get()));
    }
    const int kept = setting.accepted.back();
    for (int value : setting.refused) {
      setting.set(s.get(), value);
      EXPECT_EQ(kept, setting.get(s.get())) << "after " << value;
    }
  }
}

TEST(PrintSettings, SwitchesAndNameRoundTripIndependently) {
  CefRefPtr<CefPrintSettings> s = CefPrintSettings::Create();
  s->SetOrientation(true);
  EXPECT_TRUE(s->IsLandscape());
  EXPECT_FALSE(s->IsSelectionOnly());
  EXPECT_FALSE(s->WillCollate());
  s->SetSelectionOnly(true);
  EXPECT_TRUE(s->IsSelectionOnly());
  EXPECT_FALSE(s->WillCollate());
  s->SetCollate(true);
  EXPECT_TRUE(s->WillCollate());
  s->SetOrientation(false);
  EXPECT_FALSE(s->IsLandscape());
  EXPECT_TRUE(s->IsSelectionOnly());

  s->SetDeviceName("Büro-Drucker 2");
  EXPECT_EQ("Büro-Drucker 2", s->GetDeviceName().ToUtf8());
  s->SetDeviceName(CefString());
  EXPECT_TRUE(s->GetDeviceName().IsEmpty());
}

CefPageRange Range(int from, int to) {
  CefPageRange r;
  r.from = from;
  r.to = to;
  return r;
}

std::vector<std::pair<int, int>> Pairs(const CefPrintSettings::PageRangeList& l) {
  std::vector<std::pair<int, int>> out;
  for (const CefPageRange& r : l)
    out.emplace_back(r.from, r.to);
  return out;
}

TEST(PrintSettings, PageRangesAreSetWholeOrNotAtAll) {
  CefRefPtr<CefPrintSettings> s = CefPrintSettings::Create();
  const CefPrintSettings::PageRangeList good = {Range(0, 0), Range(2, 5),
                                                Range(9, 12)};
  s->SetPageRanges(good);
  ASSERT_EQ(3u, s->GetPageRangesCount());
  const std::vector<std::pair<int, int>> expected = {{0, 0}, {2, 5}, {9, 12}};

  const CefPrintSettings::PageRangeList bad[] = {
      {Range(-1, 3)},
      {Range(5, 2)},
      {Range(0, 1), Range(4, 3)},  // one bad range among good ones
      {Range(INT_MIN, INT_MIN)},
  };
  for (const auto& list : bad) {
    s->SetPageRanges(list);
    CefPrintSettings::PageRangeList read = {Range(7, 7)};
    s->GetPageRanges(read);
    EXPECT_EQ(expected, Pairs(read));
  }

  s->SetPageRanges({});
  EXPECT_EQ(0u, s->GetPageRangesCount());
  CefPrintSettings::PageRangeList read = {Range(1, 2)};
  s->GetPageRanges(read);
  EXPECT_TRUE(read.empty());
}

// The array's capacity bounds what is written, whatever the count.
TEST(PrintSettings, PageRangesFillNoMoreThanTheArrayHolds) {
  cef_print_settings_t* s = cef_print_settings_create();
  ASSERT_TRUE(s);
  const cef_page_range_t in[] = {{1, 2}, {3, 4}, {5, 6}};
  s->set_page_ranges(s, 3, in);
  s->set_page_ranges(s, 2, nullptr);  // a count without an array: refused
  ASSERT_EQ(3u, s->get_page_ranges_count(s));
  cef_page_range_t out[3] = {{-9, -9}, {-9, -9}, {-9, -9}};
  size_t count = 2;
  s->get_page_ranges(s, &count, out);
  EXPECT_EQ(2u, count);
  EXPECT_EQ(3, out[1].from);
  EXPECT_EQ(-9, out[2].from) << "written beyond the capacity";
  count = 5;
  s->get_page_ranges(s, &count, nullptr);
  EXPECT_EQ(0u, count);
  s->base.release(&s->base);
}

TEST(PrintSettings, CopyIsWritableAndIndependent) {
  CefRefPtr<CefPrintSettings> s = CefPrintSettings::Create();
  s->SetOrientation(true);
  s->SetDeviceName("lp0");
  s->SetDPI(300);
  s->SetPageRanges({Range(1, 4)});
  s->SetSelectionOnly(true);
  s->SetCollate(true);
  s->SetColorModel(COLOR_MODEL_CMYK);
  s->SetCopies(2);
  s->SetDuplexMode(DUPLEX_MODE_SHORT_EDGE);
  CefSize paper;
  paper.width = 4960;
  paper.height = 7016;
  CefRect area;
  area.x = 100;
  area.y = 100;
  area.width = 4760;
  area.height = 6816;
  s->SetPrinterPrintableArea(paper, area, true);

  CefRefPtr<CefPrintSettings> c = s->Copy();
  ASSERT_TRUE(c);
  EXPECT_TRUE(c->IsValid());
  EXPECT_FALSE(c->IsReadOnly());
  EXPECT_TRUE(c->IsLandscape());
  EXPECT_EQ("lp0", c->GetDeviceName().ToUtf8());
  EXPECT_EQ(300, c->GetDPI());
  CefPrintSettings::PageRangeList ranges;
  c->GetPageRanges(ranges);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 4}}), Pairs(ranges));
  EXPECT_TRUE(c->IsSelectionOnly());
  EXPECT_TRUE(c->WillCollate());
  EXPECT_EQ(COLOR_MODEL_CMYK, c->GetColorModel());
  EXPECT_EQ(2, c->GetCopies());
  EXPECT_EQ(DUPLEX_MODE_SHORT_EDGE, c->GetDuplexMode());

  c->SetOrientation(false);
  c->SetDeviceName("lp1");
  c->SetDPI(600);
  c->SetPageRanges({});
  c->SetCopies(9);
  EXPECT_TRUE(s->IsLandscape());
  EXPECT_EQ("lp0", s->GetDeviceName().ToUtf8());
  EXPECT_EQ(300, s->GetDPI());
  EXPECT_EQ(1u, s->GetPageRangesCount());
  EXPECT_EQ(2, s->GetCopies());
}

// --- Drag data --------------------------------------------------------------

TEST(DragData, StartsEmptyAndWritable) {
  CefRefPtr<CefDragData> d = CefDragData::Create();
  ASSERT_TRUE(d);
  EXPECT_FALSE(d->IsReadOnly());
  EXPECT_FALSE(d->IsLink());
  EXPECT_FALSE(d->IsFragment());
  EXPECT_FALSE(d->IsFile());
  EXPECT_TRUE(d->GetLinkURL().IsEmpty());
  EXPECT_TRUE(d->GetFileName().IsEmpty());
  EXPECT_EQ(0u, d->GetFileContents(nullptr));
  EmbedStringVector names = {"left over"};
  EXPECT_FALSE(d->GetFileNames(names));
}

// Every text field keeps its own value: a cross-wired member shows.
TEST(DragData, TextFieldsRoundTripEachToItsOwn) {
  using Set = void (CefDragData::*)(const CefString&);
  using Get = CefString (CefDragData::*)();
  const struct {
    Set set;
    Get get;
    const char* value;
  } fields[] = {
      {&CefDragData::SetLinkURL, &CefDragData::GetLinkURL, "https://a.test/"},
      {&CefDragData::SetLinkTitle, &CefDragData::GetLinkTitle, "Ä title"},
      {&CefDragData::SetLinkMetadata, &CefDragData::GetLinkMetadata, "meta"},
      {&CefDragData::SetFragmentText, &CefDragData::GetFragmentText, "text"},
      {&CefDragData::SetFragmentHtml, &CefDragData::GetFragmentHtml,
       "<b>html</b>"},
      {&CefDragData::SetFragmentBaseURL, &CefDragData::GetFragmentBaseURL,
       "https://base.test/dir/"},
  };
  CefRefPtr<CefDragData> d = CefDragData::Create();
  for (const auto& f : fields)
    (d.get()->*f.set)(f.value);
  for (const auto& f : fields)
    EXPECT_EQ(f.value, (d.get()->*f.get)().ToUtf8());
  for (const auto& f : fields) {
    (d.get()->*f.set)(CefString());
    EXPECT_TRUE((d.get()->*f.get)().IsEmpty()) << f.value;
  }
}

// One kind at a time: files over a link, a link over a fragment; a link
// needs a URL.
TEST(DragData, KindFollowsContent) {
  const struct {
    const char* what;
    std::function<void(CefDragData*)> fill;
    bool link, fragment, file;
  } cases[] = {
      {"link", [](CefDragData* d) { d->SetLinkURL("https://x.test/p"); },
       true, false, false},
      {"no URL", [](CefDragData* d) { d->SetLinkURL("not a url"); }, false,
       false, false},
      {"title alone", [](CefDragData* d) { d->SetLinkTitle("t"); }, false,
       false, false},
      {"text", [](CefDragData* d) { d->SetFragmentText("t"); }, false, true,
       false},
      {"html", [](CefDragData* d) { d->SetFragmentHtml("<i>h</i>"); }, false,
       true, false},
      {"link and text",
       [](CefDragData* d) {
         d->SetFragmentText("t");
         d->SetLinkURL("https://x.test/");
       },
       true, false, false},
      {"file", [](CefDragData* d) { d->AddFile("/tmp/a.txt", CefString()); },
       false, false, true},
      {"file and link",
       [](CefDragData* d) {
         d->SetLinkURL("https://x.test/");
         d->AddFile("/tmp/a.txt", "a");
       },
       false, false, true},
      {"empty path", [](CefDragData* d) { d->AddFile(CefString(), "a"); },
       false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CefRefPtr<CefDragData> d = CefDragData::Create();
    c.fill(d.get());
    EXPECT_EQ(c.link, d->IsLink());
    EXPECT_EQ(c.fragment, d->IsFragment());
    EXPECT_EQ(c.file, d->IsFile());
  }
}

TEST(DragData, FilesListInOrderAndSurviveAContentsReset) {
  CefRefPtr<CefDragData> d = CefDragData::Create();
  d->AddFile("/home/u/ä.txt", "ä.txt");
  d->AddFile("/home/u/b.bin", CefString());
  d->ResetFileContents();
  EmbedStringVector names = {"left over"};
  ASSERT_TRUE(d->GetFileNames(names));
  ASSERT_EQ(2u, names.size());
  EXPECT_EQ("/home/u/ä.txt", names[0].ToUtf8());
  EXPECT_EQ("/home/u/b.bin", names[1].ToUtf8());
  EXPECT_TRUE(d->IsFile());
}

TEST(DragData, CloneIsWritableAndIndependent) {
  CefRefPtr<CefDragData> d = CefDragData::Create();
  d->SetLinkURL("https://x.test/");
  d->SetFragmentText("text");
  d->AddFile("/a", "a");
  CefRefPtr<CefDragData> c = d->Clone();
  ASSERT_TRUE(c);
  EXPECT_FALSE(c->IsReadOnly());
  EXPECT_EQ("https://x.test/", c->GetLinkURL().ToUtf8());
  EXPECT_EQ("text", c->GetFragmentText().ToUtf8());
  c->SetLinkURL("https://y.test/");
  c->AddFile("/b", "b");
  EXPECT_EQ("https://x.test/", d->GetLinkURL().ToUtf8());
  EmbedStringVector names;
  d->GetFileNames(names);
  EXPECT_EQ(1u, names.size());
  c->GetFileNames(names);
  EXPECT_EQ(2u, names.size());
}

class CountingWriter : public CefWriteHandler {
 public:
  size_t Write(const void*, size_t, size_t n) override {
    ++writes;
    return n;
  }
  int writes = 0;
  IMPLEMENT_REFCOUNTING(CountingWriter);
};

// Nothing was dragged out: nothing is written, and the writer handed over
// is let go (a kept reference fails the run at shut-down).
TEST(DragData, NoContentsWritesNothing) {
  CefRefPtr<CefDragData> d = CefDragData::Create();
  d->AddFile("/a", "a");
  CefRefPtr<CountingWriter> handler = new CountingWriter();
  CefRefPtr<CefStreamWriter> writer = CefStreamWriter::CreateForHandler(handler);
  ASSERT_TRUE(writer);
  EXPECT_EQ(0u, d->GetFileContents(writer));
  EXPECT_EQ(0, handler->writes);
  writer = nullptr;
  EXPECT_TRUE(handler->HasOneRef());
}

}  // namespace
