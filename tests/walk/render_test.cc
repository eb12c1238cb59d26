#include <string>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_drag_data.h"
#include "libcef_dll/adapters/drag_handler_adapter.h"
#include "libcef_dll/adapters/render_handler_adapter.h"
#include "tests/support/member_walk.h"

namespace {

using walk::Need;
using walk::Object;
using walk::Reply;
using walk::Row;
using walk::Slot;
using walk::Value;

typedef CefRefPtr<CefBrowser> Browser;

std::string Box(const cef_rect_t& rect) {
  return std::to_string(rect.x) + "," + std::to_string(rect.y) + " " +
         std::to_string(rect.width) + "x" + std::to_string(rect.height);
}

// Geometry answers are shifted by a fixed amount, so a write-back shows.
class RecordingRender : public CefRenderHandler, public walk::Recording {
 public:
  bool GetRootScreenRect(Browser browser, CefRect& rect) override {
    Noted(0, browser, CefString(Box(rect)));
    rect.x += 100;
    return answer;
  }
  bool GetViewRect(Browser browser, CefRect& rect) override {
    Noted(1, browser, CefString(Box(rect)));
    rect.width += 100;
    return answer;
  }
  bool GetScreenPoint(Browser browser, int viewX, int viewY, int& screenX,
                      int& screenY) override {
    Noted(2, browser, viewX, viewY, screenX, screenY);
    screenX = viewX + 100;
    screenY = viewY + 100;
    return answer;
  }
  bool GetScreenInfo(Browser browser, CefScreenInfo& screen_info) override {
    Noted(3, browser, screen_info.depth, CefString(Box(screen_info.rect)));
    screen_info.device_scale_factor = 2.0f;
    screen_info.rect.height += 100;
    return answer;
  }
  void OnPopupShow(Browser browser, bool show) override {
    Noted(4, browser, show);
  }
  void OnPopupSize(Browser browser, const CefRect& rect) override {
    Noted(5, browser, CefString(Box(rect)));
  }
  void OnPaint(Browser browser, PaintElementType type,
               const RectList& dirtyRects, const void* buffer, int width,
               int height) override {
    std::string rects;
    for (const CefRect& rect : dirtyRects) rects += "[" + Box(rect) + "]";
    Noted(6, browser, type, CefString(rects), buffer, width, height);
  }
  void OnCursorChange(Browser browser, cef_cursor_handle_t cursor,
                      CursorType type,
                      const CefCursorInfo& custom_cursor_info) override {
    Noted(7, browser, cursor, type, custom_cursor_info.hotspot.x,
          custom_cursor_info.image_scale_factor);
  }
  bool StartDragging(Browser browser, CefRefPtr<CefDragData> drag_data,
                     DragOperationsMask allowed_ops, int x, int y) override {
    Noted(8, browser, drag_data, allowed_ops, x, y);
    return Reply<bool>();
  }
  void UpdateDragCursor(Browser browser, DragOperation operation) override {
    Noted(9, browser, operation);
  }
  void OnScrollOffsetChanged(Browser browser, double x, double y) override {
    Noted(10, browser, x, y);
  }
  bool answer = true;
  IMPLEMENT_REFCOUNTING(RecordingRender);
};

class RecordingDrag : public CefDragHandler, public walk::Recording {
 public:
  bool OnDragEnter(Browser browser, CefRefPtr<CefDragData> dragData,
                   DragOperationsMask mask) override {
    Noted(0, browser, dragData, mask);
    return Reply<bool>();
  }
  void OnDraggableRegionsChanged(
      Browser browser,
      const std::vector<CefDraggableRegion>& regions) override {
    std::string seen;
    for (const CefDraggableRegion& region : regions)
      seen +=
          "[" + Box(region.bounds) + (region.draggable ? " drag]" : " fixed]");
    Noted(1, browser, CefString(seen));
  }
  IMPLEMENT_REFCOUNTING(RecordingDrag);
};

class RenderAdaptersTest : public fake::LedgerTest {
 protected:
  // Calls `member` of a fresh render handler structure with a new browser.
  template <class Call>
  void WithRenderHandler(CefRefPtr<RecordingRender> handler, Call call) {
    cef_render_handler_t* structure = CefRenderHandlerAdapter::Wrap(handler);
    call(structure);
    BaseOf(structure)->release(BaseOf(structure));
  }
};

TEST_F(RenderAdaptersTest, RenderHandlerEveryMember) {
  typedef cef_render_handler_t S;
  auto browser = [] { return Need(Object<cef_browser_t>()); };
  cef_screen_info_t screen{};
  screen.depth = 24;
  screen.rect = {0, 0, 1920, 1080};
  cef_cursor_info_t cursor{};
  cursor.hotspot.x = 3;
  cursor.image_scale_factor = 1.5f;
  static char pixels[16];
  walk::WalkAdapter<CefRenderHandlerAdapter, RecordingRender>({
      Row<&S::get_root_screen_rect>(browser(),
                                    Need(Slot<cef_rect_t>({1, 2, 3, 4})))
          .Sees("object, \"1,2 3x4\""),
      Row<&S::get_view_rect>(browser(), Need(Slot<cef_rect_t>({5, 6, 7, 8})))
          .Sees("object, \"5,6 7x8\""),
      Row<&S::get_screen_point>(browser(), Value(10), Value(20),
                                Need(Slot<int>(-1)), Need(Slot<int>(-2)))
          .Sees("object, 10, 20, -1, -2"),
      Row<&S::get_screen_info>(browser(), Need(Slot<cef_screen_info_t>(screen)))
          .Sees("object, 24, \"0,0 1920x1080\""),
      Row<&S::on_popup_show>(browser(), Value(1)).Sees("object, true"),
      Row<&S::on_popup_size>(browser(), Need(Slot<cef_rect_t>({9, 9, 50, 60})))
          .Sees("object, \"9,9 50x60\""),
      // A non-zero count makes the array required.
      Row<&S::on_paint>(browser(), Value(PET_POPUP), Value<size_t>(1),
                        Need(Slot<cef_rect_t>({0, 0, 2, 2})),
                        Need(Value<const void*>(pixels)), Value(2), Value(2))
          .Sees("object, 1, \"[0,0 2x2]\", ptr, 2, 2"),
      Row<&S::on_cursor_change>(browser(), Value<cef_cursor_handle_t>(nullptr),
                                Value(CT_HAND),
                                Need(Slot<cef_cursor_info_t>(cursor)))
          .Sees("object, null, " + std::to_string(CT_HAND) + ", 3, 1.5"),
      Row<&S::start_dragging>(browser(), Need(Object<cef_drag_data_t>()),
                              Value(DRAG_OPERATION_COPY), Value(4), Value(5))
          .Sees("object, object, 1, 4, 5"),
      Row<&S::update_drag_cursor>(browser(), Value(DRAG_OPERATION_MOVE))
          .Sees("object, 16"),
      Row<&S::on_scroll_offset_changed>(browser(), Value(0.25), Value(-3.5))
          .Sees("object, 0.25, -3.5"),
  });
}

TEST_F(RenderAdaptersTest, DragHandlerEveryMember) {
  typedef cef_drag_handler_t S;
  cef_draggable_region_t region{{1, 2, 3, 4}, 1};
  walk::WalkAdapter<CefDragHandlerAdapter, RecordingDrag>({
      Row<&S::on_drag_enter>(Need(Object<cef_browser_t>()),
                             Need(Object<cef_drag_data_t>()),
                             Value(DRAG_OPERATION_LINK))
          .Sees("object, object, 2"),
      Row<&S::on_draggable_regions_changed>(
          Need(Object<cef_browser_t>()), Value<size_t>(1),
          Need(Slot<cef_draggable_region_t>(region)))
          .Sees("object, \"[1,2 3x4 drag]\""),
  });
}

// Geometry comes back whether the handler answers true or false: the
// library decides from the answer whether to use it.
TEST_F(RenderAdaptersTest, GeometryIsWrittenBackWhateverTheAnswer) {
  for (bool answer : {true, false}) {
    SCOPED_TRACE(answer ? "answer true" : "answer false");
    CefRefPtr<RecordingRender> handler = new RecordingRender();
    handler->answer = answer;
    WithRenderHandler(handler, [&](cef_render_handler_t* s) {
      cef_rect_t root{1, 2, 3, 4};
      EXPECT_EQ(
          s->get_root_screen_rect(s, fake::NewObject<cef_browser_t>(), &root),
          answer ? 1 : 0);
      EXPECT_EQ(Box(root), "101,2 3x4");

      cef_rect_t view{1, 2, 3, 4};
      s->get_view_rect(s, fake::NewObject<cef_browser_t>(), &view);
      EXPECT_EQ(Box(view), "1,2 103x4");

      int x = 0, y = 0;
      s->get_screen_point(s, fake::NewObject<cef_browser_t>(), 7, 8, &x, &y);
      EXPECT_EQ(x, 107);
      EXPECT_EQ(y, 108);

      cef_screen_info_t screen{};
      screen.depth = 24;
      screen.rect = {0, 0, 10, 10};
      s->get_screen_info(s, fake::NewObject<cef_browser_t>(), &screen);
      EXPECT_EQ(screen.device_scale_factor, 2.0f);
      EXPECT_EQ(screen.depth, 24) << "untouched fields survive the round trip";
      EXPECT_EQ(Box(screen.rect), "0,0 10x110");
    });
  }
}

TEST_F(RenderAdaptersTest, RefusedGeometryCallsLeaveTheOutValues) {
  CefRefPtr<RecordingRender> handler = new RecordingRender();
  WithRenderHandler(handler, [&](cef_render_handler_t* s) {
    int x = 5, y = 6;
    // The browser is missing: nothing may be written.
    EXPECT_EQ(s->get_screen_point(s, nullptr, 1, 2, &x, &y), 0);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    // One out-value missing refuses the call and leaves the other as well.
    EXPECT_EQ(s->get_screen_point(s, fake::NewObject<cef_browser_t>(), 1, 2, &x,
                                  nullptr),
              0);
    EXPECT_EQ(x, 5);
    EXPECT_TRUE(handler->notes().empty());
  });
}

TEST_F(RenderAdaptersTest, DirtyRectanglesArriveInOrder) {
  const cef_rect_t rects[] = {{0, 0, 1, 1}, {5, 5, 2, 2}, {9, 0, 3, 4}};
  static const char pixels[4] = {};
  struct Case {
    const char* name;
    size_t count;
    const cef_rect_t* array;
    bool reached;
    std::string seen;
  };
  const Case cases[] = {
      {"three", 3, rects, true, "[0,0 1x1][5,5 2x2][9,0 3x4]"},
      {"none", 0, nullptr, true, ""},
      {"none, array given", 0, rects, true, ""},
      {"count without array", 2, nullptr, false, ""},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.name);
    CefRefPtr<RecordingRender> handler = new RecordingRender();
    WithRenderHandler(handler, [&](cef_render_handler_t* s) {
      s->on_paint(s, fake::NewObject<cef_browser_t>(), PET_VIEW, each.count,
                  each.array, pixels, 1, 1);
    });
    if (!each.reached) {
      EXPECT_TRUE(handler->notes().empty());
      continue;
    }
    ASSERT_EQ(handler->notes().size(), 1u);
    EXPECT_EQ(handler->notes()[0].arguments,
              "object, 0, \"" + each.seen + "\", ptr, 1, 1");
  }
}

TEST_F(RenderAdaptersTest, DraggableRegionsArriveInOrder) {
  const cef_draggable_region_t regions[] = {
      {{0, 0, 10, 2}, 1}, {{8, 0, 2, 2}, 0}, {{0, 5, 1, 1}, 7}};
  CefRefPtr<RecordingDrag> handler = new RecordingDrag();
  cef_drag_handler_t* s = CefDragHandlerAdapter::Wrap(handler);
  s->on_draggable_regions_changed(s, fake::NewObject<cef_browser_t>(), 3,
                                  regions);
  s->on_draggable_regions_changed(s, fake::NewObject<cef_browser_t>(), 0,
                                  nullptr);
  s->on_draggable_regions_changed(s, fake::NewObject<cef_browser_t>(), 1,
                                  nullptr);
  BaseOf(s)->release(BaseOf(s));
  ASSERT_EQ(handler->notes().size(), 2u);
  EXPECT_EQ(handler->notes()[0].arguments,
            "object, \"[0,0 10x2 drag][8,0 2x2 fixed][0,5 1x1 drag]\"");
  EXPECT_EQ(handler->notes()[1].arguments, "object, \"\"");
}

}  // namespace
