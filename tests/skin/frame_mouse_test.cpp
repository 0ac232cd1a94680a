// Frame mouse handling: the zone table at the frame edges, the resize cursors on
// mouse moves, presses on the caption that move the window and on the edges that
// size it (real mouse input through the system's move and size loops), and
// docked children kept filling the client area.
#include <gtest/gtest.h>

#include <thread>

#include "skin/methods/frame_mouse.h"
#include "tests/skin/applied_window.h"

namespace {

using skintest::AppliedOptions;
using skintest::AppliedWindow;

class FrameMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::first_size_pending = false;
  }
};

TEST_F(FrameMouse, ZonesAreTestedInOrderAndTheFirstMatchWins) {
  const RECT client{0, 0, 400, 300};
  struct Case { int x, y; LPCSTR cursor; WPARAM command; };
  const Case cases[] = {
      {0, 150, IDC_SIZEWE, 0xF001},   {3, 150, IDC_SIZEWE, 0xF001},   {4, 150, nullptr, 0},
      {-5, 150, IDC_SIZEWE, 0xF001},  {397, 150, IDC_SIZEWE, 0xF002}, {400, 150, IDC_SIZEWE, 0xF002},
      {200, 0, IDC_SIZENS, 0xF003},   {200, 3, IDC_SIZENS, 0xF003},   {200, 4, nullptr, 0},
      {200, -7, IDC_SIZENS, 0xF003},  {200, 297, IDC_SIZENS, 0xF006}, {200, 296, nullptr, 0},
      {0, 5, IDC_SIZENWSE, 0xF004},   {10, 10, IDC_SIZENWSE, 0xF004}, {0, 11, IDC_SIZEWE, 0xF001},
      {11, 0, IDC_SIZENS, 0xF003},    {395, 2, IDC_SIZENESW, 0xF005}, {390, 10, IDC_SIZENESW, 0xF005},
      {2, 295, IDC_SIZENESW, 0xF007}, {10, 290, IDC_SIZENESW, 0xF007},
      {398, 299, IDC_SIZENWSE, 0xF008}, {390, 290, IDC_SIZENWSE, 0xF008},
      {8, 8, IDC_SIZENWSE, 0xF004},   {200, 150, nullptr, 0},         {9, 150, nullptr, 0},
  };
  for (const Case& c : cases) {
    const skin::FrameZone zone = skin::frame_zone(c.x, c.y, client, 3);
    EXPECT_EQ(zone.cursor, c.cursor) << c.x << "," << c.y;
    EXPECT_EQ(zone.command, c.command) << c.x << "," << c.y;
  }
}

// The cursor a mouse move at client point (x, y) leaves showing.
HCURSOR cursor_after_move(const AppliedWindow& window, int x, int y) {
  skintest::mouse_move_to(window.on_screen(x, y));
  skintest::pump_until([] { return false; }, 100);  // lets the move arrive and be handled
  return GetCursor();
}

TEST_F(FrameMouse, MouseMovesShowTheZoneCursorUnlessDoubleClickIsOff) {
  struct Case { const char* name; int x, y; LPCSTR cursor; };
  const Case cases[] = {
      {"left", 1, 150, IDC_SIZEWE},         {"right", 398, 150, IDC_SIZEWE},
      {"top", 200, 1, IDC_SIZENS},          {"bottom", 200, 298, IDC_SIZENS},
      {"top left", 2, 2, IDC_SIZENWSE},     {"top right", 397, 2, IDC_SIZENESW},
      {"bottom left", 2, 297, IDC_SIZENESW}, {"bottom right", 397, 297, IDC_SIZENWSE},
      {"inside", 200, 150, IDC_ARROW},
  };
  AppliedWindow window;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cursor_after_move(window, 200, 150);
    EXPECT_EQ(cursor_after_move(window, c.x, c.y), LoadCursorA(nullptr, c.cursor));
  }
  AppliedOptions no_double_click;
  no_double_click.dblclick_maximizes = false;
  AppliedWindow plain(no_double_click);
  cursor_after_move(plain, 200, 150);
  EXPECT_EQ(cursor_after_move(plain, 1, 150), LoadCursorA(nullptr, IDC_ARROW));
}

// Presses at client point `from`, moves the mouse by (dx, dy) in steps and releases.
void press_and_drag(const AppliedWindow& window, POINT from, int dx, int dy) {
  const POINT start = window.on_screen(from.x, from.y);
  skintest::mouse_move_to(start);
  skintest::pump_until([] { return false; }, 50);
  skintest::drive_input_while_pumping([=] {
    skintest::mouse_button(true);
    for (int k = 1; k <= 4; ++k) {
      Sleep(40);
      skintest::mouse_move_to(POINT{start.x + dx * k / 4, start.y + dy * k / 4});
    }
    Sleep(40);
    skintest::mouse_button(false);
    Sleep(40);
  });
}

TEST_F(FrameMouse, PressOnTheCaptionMovesTheWindowButNotOnTheButtonStrip) {
  struct Case { const char* name; std::optional<bool> dblclick; POINT from; POINT moved; };
  const Case cases[] = {
      {"caption, double click on", true, {150, 20}, {40, 30}},
      {"caption top edge, double click off", false, {150, 2}, {40, 30}},
      {"caption-button strip", true, {370, 5}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppliedOptions options;
    options.dblclick_maximizes = c.dblclick;
    AppliedWindow window(options);
    const RECT before = window.window_rect();
    press_and_drag(window, c.from, 40, 30);
    ASSERT_TRUE(IsWindow(window.hwnd()));
    const RECT after = window.window_rect();
    EXPECT_EQ(after.left - before.left, c.moved.x);
    EXPECT_EQ(after.top - before.top, c.moved.y);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  }
}

TEST_F(FrameMouse, PressOnAnEdgeSizesTheWindowFromThatEdge) {
  struct Case {
    const char* name;
    POINT from;
    RECT change;  // of left, top, right, bottom
    bool dblclick;
  };
  const Case cases[] = {
      {"left", {1, 150}, {-30, 0, 0, 0}, true},
      {"right", {398, 150}, {0, 0, 30, 0}, true},
      {"top", {200, 1}, {0, -30, 0, 0}, true},
      {"bottom", {200, 298}, {0, 0, 0, 30}, true},
      {"top left", {2, 2}, {-30, -30, 0, 0}, true},
      {"top right", {397, 2}, {0, -30, 30, 0}, true},
      {"bottom left", {2, 297}, {-30, 0, 0, 30}, true},
      {"bottom right", {397, 297}, {0, 0, 30, 30}, true},
      // Without double-click maximize the edges below the caption still size.
      {"left, double click off", {1, 150}, {-30, 0, 0, 0}, false},
      {"bottom, double click off", {200, 298}, {0, 0, 0, 30}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppliedOptions options;
    options.dblclick_maximizes = c.dblclick;
    AppliedWindow window(options);
    const RECT before = window.window_rect();
    const int dx = c.change.left + c.change.right, dy = c.change.top + c.change.bottom;
    press_and_drag(window, c.from, dx, dy);
    const RECT after = window.window_rect();
    EXPECT_EQ(after.left - before.left, c.change.left);
    EXPECT_EQ(after.top - before.top, c.change.top);
    EXPECT_EQ(after.right - before.right, c.change.right);
    EXPECT_EQ(after.bottom - before.bottom, c.change.bottom);
  }
}

TEST_F(FrameMouse, DockedChildrenFillTheClientAreaBelowTheirTop) {
  struct Case { int status_height; int top; RECT expected; };  // in a 400 x 300 client
  const Case cases[] = {{0, 30, {2, 30, 398, 297}}, {20, 40, {2, 40, 398, 277}}};
  for (const Case& c : cases) {
    AppliedOptions options;
    options.visible = false;
    AppliedWindow window(options);
    HWND child = skintest::make_child(window.hwnd(), 0, 0, 10, 10);
    window.record().status_height = c.status_height;
    window.record().docked_children.push_back(skin::DockedChild{nullptr, 5});  // blank: skipped
    window.record().docked_children.push_back(skin::DockedChild{child, c.top});
    SendMessageA(window.hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&r, &c.expected))
        << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

}  // namespace
