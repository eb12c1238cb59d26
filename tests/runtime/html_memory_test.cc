// What the document reader may cost on a hostile page as large as the
// Windows view accepts: every allocation of this program is counted, so the
// reader's peak is measured, not estimated; and a failed allocation must
// leave a document that says so instead of an exception on the UI thread.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstddef>
#include <new>
#include <string>

#include "runtime/win/html_document.h"
#include "tests/support/hostile_pages.h"

namespace {

// The live bytes of every operator new, the highest since the last reset,
// and a limit past which allocations fail.
size_t g_live = 0;
size_t g_peak = 0;
size_t g_limit = static_cast<size_t>(-1);

constexpr size_t kHeader = alignof(std::max_align_t) > sizeof(size_t)
                               ? alignof(std::max_align_t)
                               : sizeof(size_t);

void* Allocate(size_t size) {
  if (size > g_limit || g_live + size > g_limit) return nullptr;
  void* block = malloc(size + kHeader);
  if (!block) return nullptr;
  *static_cast<size_t*>(block) = size;
  g_live += size;
  if (g_live > g_peak) g_peak = g_live;
  return static_cast<char*>(block) + kHeader;
}

void Release(void* p) {
  if (!p) return;
  void* block = static_cast<char*>(p) - kHeader;
  g_live -= *static_cast<size_t*>(block);
  free(block);
}

}  // namespace

void* operator new(size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

namespace {

using cefrt::HtmlDocument;
using cefrt::HtmlNode;

// The Windows view reads pages up to this size.
constexpr size_t kPageCap = 16 * 1024 * 1024;
// The reader's own peak on such a page, above what was live before it: a
// few copies of the page at most, whatever its shape.
constexpr size_t kReaderBudget = 4 * kPageCap;

TEST(HtmlReaderOnHostilePages, StaysWithinItsBudgetAndCaps) {
  for (const hostile::Page& shape : hostile::kPages) {
    const std::string page = shape.make(kPageCap);
    const size_t before = g_live;
    g_peak = g_live;
    {
      const HtmlDocument doc = cefrt::ParseHtmlDocument(page);
      EXPECT_FALSE(doc.out_of_memory) << shape.name;
      EXPECT_LE(doc.nodes.size(), cefrt::kMaxHtmlNodes) << shape.name;
      EXPECT_LE(doc.forms.size(), doc.nodes.size()) << shape.name;
      EXPECT_LE(doc.title.size(), cefrt::kMaxHtmlTitle) << shape.name;
      for (const HtmlNode& n : doc.nodes)
        EXPECT_LE(n.text.size(), cefrt::kMaxHtmlNodeText) << shape.name;
    }
    const size_t peak = g_peak - before;
    EXPECT_LE(peak, kReaderBudget)
        << shape.name << ": " << (peak >> 20) << " MiB at the peak";
  }
}

TEST(HtmlReaderOnHostilePages, KeepsWhatComesBeforeTheCaps) {
  // The first nodes, a long paragraph's beginning and a long title's are
  // still shown.
  const HtmlDocument doc = cefrt::ParseHtmlDocument(
      hostile::Repeat(kPageCap,
                      "<title>Sign in to the shop " + std::string(5000, 'x') +
                          "</title><h1>Welcome</h1><p>Terms ",
                      "word "));
  ASSERT_GE(doc.nodes.size(), 2u);
  EXPECT_EQ(doc.nodes[0].text, "Welcome");
  EXPECT_EQ(doc.nodes[1].text.compare(0, 11, "Terms word "), 0);
  EXPECT_EQ(doc.title.compare(0, 20, "Sign in to the shop "), 0);
}

TEST(HtmlReaderOnHostilePages, RunningOutOfMemorySaysSoInsteadOfThrowing) {
  const std::string page =
      hostile::Repeat(kPageCap, "<title>t</title>", "<p>x");
  struct Case {
    size_t limit_above_live;
  } cases[] = {{0}, {64}, {4096}, {1 << 16}};
  for (const Case& c : cases) {
    HtmlDocument doc;
    g_limit = g_live + c.limit_above_live;
    bool threw = false;
    try {
      doc = cefrt::ParseHtmlDocument(page);
    } catch (const std::bad_alloc&) {
      threw = true;
    }
    g_limit = static_cast<size_t>(-1);
    EXPECT_FALSE(threw) << c.limit_above_live;
    EXPECT_TRUE(doc.out_of_memory) << c.limit_above_live;
  }
  // With memory the same page reads.
  const HtmlDocument doc = cefrt::ParseHtmlDocument(page);
  EXPECT_FALSE(doc.out_of_memory);
  EXPECT_EQ(doc.title, "t");
}

}  // namespace
