// The rendering pipeline: the back-buffer bitmaps and their properties, windows
// without caption, presenting and invalidating controls, the status backdrop,
// the window region, and live GDI objects staying level over many renders.
#include <gtest/gtest.h>

#include <functional>

#include "skin/core/backdrop.h"
#include "skin/core/window_props.h"
#include "skin/methods/render.h"
#include "tests/kit/gdi_count.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = RGB(70, 110, 150);
  }
};

TEST_F(Render, FirstBitmapIsKeptOnceAndLaterRendersDeleteThePrevious) {
  SkinnedTestWindow window(200, 150);
  window.render();
  HANDLE first = GetPropA(window.hwnd(), skin::prop_first_bitmap);
  HANDLE current = GetPropA(window.hwnd(), skin::prop_back_buffer);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(current, nullptr);
  EXPECT_NE(first, current);
  EXPECT_EQ(GetCurrentObject(window.record().back_buffer_dc, OBJ_BITMAP), current);
  for (int k = 0; k < 3; ++k) {
    window.render();
    EXPECT_EQ(GetPropA(window.hwnd(), skin::prop_first_bitmap), first);
    HANDLE next = GetPropA(window.hwnd(), skin::prop_back_buffer);
    EXPECT_NE(next, current);
    EXPECT_EQ(GetObjectType(current), 0u) << "previous back buffer still alive";
    current = next;
  }
}

TEST_F(Render, EmptyClientAreaMakesNoBuffer) {
  SkinnedTestWindow window(0, 0);
  window.record().needs_render = 1;
  window.render();
  EXPECT_EQ(window.record().needs_render, 0);
  EXPECT_EQ(GetPropA(window.hwnd(), skin::prop_back_buffer), nullptr);
  EXPECT_EQ(GetPropA(window.hwnd(), skin::prop_first_bitmap), nullptr);
}

TEST_F(Render, WindowWithoutCaptionGetsNoBorderCaptionOrButtons) {
  struct Case { int has_caption; bool caption_copy; bool border; };
  for (const Case& c : {Case{1, true, true}, Case{0, false, false}}) {
    SkinnedTestWindow window(200, 150);
    window.record().has_caption = c.has_caption;
    window.render();
    const skin::SkinnedWindow& w = window.record();
    EXPECT_EQ(w.caption_copy_dc != nullptr, c.caption_copy) << c.has_caption;
    EXPECT_NE(w.status_copy_dc, nullptr);  // the status backdrop is made either way (empty here)
    EXPECT_EQ(!colour_near(window.pixel(0, 75), skin::back_colour, 8), c.border);
    // The close button's sheen and picture lie on this row.
    const int x = static_cast<int>(w.caption_buttons.back().rect.x) + 15;
    EXPECT_EQ(!colour_near(window.pixel(x, 10), skin::back_colour, 8), c.has_caption != 0);
  }
}

TEST_F(Render, PresentingShowsTheBufferAndInvalidatesControlsAfterTheFirstSize) {
  struct Case { int present; bool first_size_pending; bool invalidated; };
  const Case cases[] = {{0, false, false}, {1, true, false}, {1, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.present << c.first_size_pending);
    SkinnedTestWindow window(200, 150, {}, true);
    HWND button = skintest::make_child(window.hwnd(), 20, 60, 80, 30, "BUTTON");
    auto record = std::make_unique<skin::ButtonRecord>();
    record->hwnd = button;
    window.record().button_list.push_back(std::move(record));
    UpdateWindow(window.hwnd());
    ValidateRect(button, nullptr);
    skin::first_size_pending = c.first_size_pending;
    window.record().needs_render = 1;
    skintest::the_skin().render_window(window.index(), nullptr, c.present);
    EXPECT_EQ(window.record().needs_render, 0);
    EXPECT_EQ(GetUpdateRect(button, nullptr, FALSE) != FALSE, c.invalidated);
    if (c.present) {
      EXPECT_TRUE(colour_matches(window.screen_pixel(150, 100), window.pixel(150, 100), 2));
    }
  }
}

TEST_F(Render, ReusedLayersFollowEveryChangeTheyAreDrawnFrom) {
  // Render keeps the background and border layers between renders; each change
  // below must show at the next render all the same.
  const std::string red = skintest::make_picture(20, 20, {{{0, 0, 20, 20}, 0xFFFF0000}});
  const std::string green = skintest::make_picture(20, 20, {{{0, 0, 20, 20}, 0xFF00FF00}});
  struct Case {
    const char* name;
    std::function<void(skin::SkinnedWindow&)> change;
    POINT probe;
    COLORREF expected;
  };
  const Case cases[] = {
      {"back colour", [](skin::SkinnedWindow&) { skin::back_colour = RGB(200, 100, 0); },
       {100, 100}, RGB(200, 100, 0)},
      {"picture", [&](skin::SkinnedWindow&) {
         skin::background_picture = red;
         skin::picture_mode = 3;
       },
       {100, 100}, RGB(255, 0, 0)},
      {"picture bytes", [&](skin::SkinnedWindow&) { skin::background_picture = green; },
       {100, 100}, RGB(0, 255, 0)},
      {"mode", [](skin::SkinnedWindow&) { skin::picture_mode = 0; }, {100, 100}, RGB(200, 100, 0)},
      {"own picture", [&](skin::SkinnedWindow& w) {
         w.own_picture = red;
         w.own_picture_mode = 3;
         w.own_fill_colour = RGB(0, 0, 0);
       }, {100, 100}, RGB(255, 0, 0)},
      {"own fill", [&](skin::SkinnedWindow& w) {
         w.own_picture_mode = 0;
         w.own_fill_colour = RGB(9, 99, 199);
       }, {100, 100}, RGB(9, 99, 199)},
      {"no border", [](skin::SkinnedWindow& w) { w.has_caption = 0; }, {0, 75}, RGB(9, 99, 199)},
      {"gloss", [](skin::SkinnedWindow& w) { w.caption_gloss = 1; }, {100, 1}, RGB(148, 187, 231)},
      {"size", [](skin::SkinnedWindow& w) {
         SetWindowPos(w.hwnd, nullptr, 0, 0, 260, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
       }, {240, 170}, RGB(9, 99, 199)},
  };
  SkinnedTestWindow window(200, 150);
  window.render();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.change(window.record());
    window.render();
    EXPECT_TRUE(colour_matches(window.pixel(c.probe.x, c.probe.y), c.expected, 10));
  }
}

TEST_F(Render, PresentWindowCopiesAroundVisibleChildren) {
  SkinnedTestWindow window(200, 150, {}, true);  // a hidden window has no visible children
  window.render();
  skintest::make_child(window.hwnd(), 20, 60, 80, 30);
  Canvas target(200, 150);
  skintest::the_skin().present_window(window.index(), target.dc());
  EXPECT_TRUE(colour_matches(target.pixel(150, 100), window.pixel(150, 100), 0));
  EXPECT_TRUE(colour_matches(target.pixel(50, 70), kMarkerColour, 0));  // under the child
  // The caller's clip region is left as it was.
  EXPECT_EQ(GetClipRgn(target.dc(), CreateRectRgn(0, 0, 0, 0)), 0);
}

TEST_F(Render, StatusBackdropIsRestoredIntoTheBuffer) {
  SkinnedTestWindow window(200, 150);
  skin::SkinnedWindow& w = window.record();
  w.status_height = 20;
  w.status_rect = skin::StatusRect{3, 126, 194, 20};
  window.render();
  const COLORREF original = window.pixel(100, 135);
  HBRUSH paint = CreateSolidBrush(RGB(255, 0, 0));
  RECT smear{90, 130, 110, 140};
  FillRect(w.back_buffer_dc, &smear, paint);
  DeleteObject(paint);
  ASSERT_FALSE(colour_near(window.pixel(100, 135), original, 8));
  skintest::the_skin().restore_status_rect(window.index(), smear);
  EXPECT_TRUE(colour_matches(window.pixel(100, 135), original, 0));
}

TEST_F(Render, WindowRegionIsRoundedToTheClientArea) {
  SkinnedTestWindow window(200, 150);
  window.render();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window.hwnd(), region), ERROR);
  // Each corner loses three pixels, exactly those the rounded background
  // leaves in the key colour; the next ones along the edges stay.
  struct Point {
    int x, y;
    bool inside;
  };
  const Point points[] = {
      {0, 0, false},     {1, 0, false},     {0, 1, false},     {2, 0, true},
      {1, 1, true},      {0, 2, true},      {199, 0, false},   {198, 0, false},
      {199, 1, false},   {197, 0, true},    {198, 1, true},    {0, 149, false},
      {1, 149, false},   {0, 148, false},   {2, 149, true},    {199, 149, false},
      {198, 149, false}, {199, 148, false}, {199, 147, true},  {100, 75, true},
      {199, 75, true},   {200, 75, false},
  };
  for (const Point& p : points)
    EXPECT_EQ(PtInRegion(region, p.x, p.y) != 0, p.inside) << p.x << "," << p.y;
  // No pixel of the top and bottom rows left inside the region shows the key colour.
  for (int y : {0, 1, 148, 149})
    for (int x = 0; x < 200; ++x)
      if (PtInRegion(region, x, y)) {
        EXPECT_FALSE(colour_matches(window.pixel(x, y), RGB(255, 0, 255), 0)) << x << "," << y;
      }
  DeleteObject(region);
}

// One round of everything that makes GDI objects: a render, a fade in and out,
// a press, a push-button paint and a veiled backdrop bitmap.
void one_round(SkinnedTestWindow& window, HWND button, HDC target) {
  skin::WindowSkin& s = skintest::the_skin();
  window.render();
  for (int step = 1; step <= 8; ++step) {
    s.draw_caption_button(window.index(), 2, nullptr, 0, step * 30);
    s.draw_caption_button(window.index(), 3, nullptr, 0, 240 - step * 30);
  }
  s.draw_caption_button(window.index(), 1, nullptr, 1);
  s.draw_caption(window.index());
  skin::paint_push_button(button, target, ODS_FOCUS, RECT{0, 0, 80, 30});
  DeleteObject(skin::control_backdrop_bitmap(button));
}

TEST_F(Render, LiveGdiObjectsStayLevelOverManyRenders) {
  SkinnedTestWindow window(300, 200, {true, true, true, true}, true);
  HWND button = skintest::make_child(window.hwnd(), 20, 60, 80, 30, "BUTTON", BS_OWNERDRAW);
  auto record = std::make_unique<skin::ButtonRecord>();
  record->hwnd = button;
  record->text = "按钮";
  record->font_name = "宋体";
  record->font_size = 12;
  window.record().button_list.push_back(std::move(record));
  skin::set_prop_value(button, skin::prop_owner_index, window.index());
  skin::set_prop_value(button, skin::prop_list_index, 1);
  skin::background_picture = skintest::make_picture(50, 40, {{{0, 0, 50, 40}, 0xFF336699}});
  skin::picture_mode = 4;
  Canvas target(80, 30);

  for (int k = 0; k < 5; ++k) one_round(window, button, target.dc());
  const int settled = count_live_gdi_objects();
  for (int k = 0; k < 500; ++k) one_round(window, button, target.dc());
  EXPECT_EQ(count_live_gdi_objects(), settled);
  EXPECT_TRUE(skin::memory_dcs.empty());
}

}  // namespace
