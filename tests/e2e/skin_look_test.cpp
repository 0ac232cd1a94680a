// The skinned main window as a user sees it: caption buttons, title halo,
// rounded corners, the edit ring with focus, button hover, a caption double
// click that does nothing. Real mouse input on the virtual display.
#include <gtest/gtest.h>

#include "tests/e2e/app_driver.h"

namespace {

COLORREF screen_pixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

int luminance(COLORREF c) { return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10; }
int blueness(COLORREF c) { return int(GetBValue(c)) - int(GetRValue(c)); }

void move_mouse(int x, int y) {
  SetCursorPos(x, y);
  Sleep(150);
}

void click(int x, int y, int times = 1) {
  SetCursorPos(x, y);
  for (int i = 0; i < times; ++i) {
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  }
  Sleep(300);
}

class SkinLook : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app.started());
    GetWindowRect(app.main_window(), &frame);
    move_mouse(frame.left + 250, frame.top + 200);  // over nothing that lights up
    Sleep(700);  // fades and first paints settle
  }
  // Pixels of the window's caption strip, in window coordinates.
  COLORREF at(int x, int y) const { return screen_pixel(frame.left + x, frame.top + y); }
  int count_in(RECT r, bool (*want)(COLORREF)) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += want(at(x, y));
    return n;
  }
  ZovraProcess app;
  RECT frame = {};
};

bool near_white(COLORREF c) { return GetRValue(c) > 235 && GetGValue(c) > 235 && GetBValue(c) > 235; }

TEST_F(SkinLook, CaptionShowsMinimizeAndCloseButNoMaximize) {
  // The strip of two buttons sits at the top right; each shows a white pictogram.
  EXPECT_GT(count_in({504 - 44, 2, 504 - 6, 20}, near_white), 8) << "close";
  EXPECT_GT(count_in({504 - 70, 2, 504 - 46, 20}, near_white), 4) << "minimize";
  // Left of the strip, where a maximize button would be, only the caption shows.
  EXPECT_EQ(count_in({504 - 100, 4, 504 - 76, 18}, near_white), 0) << "no maximize button";
}

TEST_F(SkinLook, TitleHasItsHaloAndTheIconShows) {
  const RECT title = {24, 2, 220, 22};
  EXPECT_GT(count_in(title, near_white), 20) << "white title text";
  // The caption there is light blue (luminance above 200); the halo darkens it.
  EXPECT_GT(count_in(title, [](COLORREF c) { return luminance(c) < 185; }), 20)
      << "a darker halo around it";
  // The program's icon: a blue rounded square at the caption's left.
  EXPECT_GT(count_in({2, 2, 22, 22}, [](COLORREF c) { return blueness(c) > 150; }), 30);
}

TEST_F(SkinLook, CornersLieOutsideTheWindowRegion) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(app.main_window(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 503, 0));
  EXPECT_FALSE(PtInRegion(region, 0, 338));
  EXPECT_TRUE(PtInRegion(region, 10, 10));
  EXPECT_TRUE(PtInRegion(region, 252, 338));
  DeleteObject(region);
}

TEST_F(SkinLook, EditRingTakesTheThemeColourWhenHotOrFocused) {
  const RECT link = {88, 34, 392, 60};  // the link box, in window coordinates
  const int mid = (link.top + link.bottom) / 2;
  const POINT inside = {frame.left + link.left + 40, frame.top + mid};
  const POINT away = {frame.left + 250, frame.top + 200};
  auto ring = [&] { return blueness(at(link.left, mid)); };  // the frame's left pixel
  // Repaints follow the mouse a moment later: each look is waited for (bounded).
  auto plain = [&] { return ring() < 80; };
  auto lit = [&] { return ring() > 120; };
  EXPECT_TRUE(plain()) << "plain ring";
  move_mouse(inside.x, inside.y);
  EXPECT_TRUE(wait_until(lit, 3000)) << "hot ring in the theme colour";
  move_mouse(away.x, away.y);
  EXPECT_TRUE(wait_until(plain, 3000)) << "plain again after the mouse left";
  click(inside.x, inside.y);
  move_mouse(away.x, away.y);
  Sleep(300);
  EXPECT_TRUE(wait_until(lit, 3000)) << "focused ring in the theme colour";
  EXPECT_GT(blueness(at(link.left + 150, link.top)), 120) << "all round";
}

TEST_F(SkinLook, PushButtonLightsUpUnderTheMouse) {
  const RECT paste = {431, 33, 495, 60};
  auto average = [&] {
    int sum = 0, n = 0;
    for (int y = paste.top + 3; y < paste.bottom - 3; y += 2)
      for (int x = paste.left + 3; x < paste.left + 12; x += 2, ++n) sum += luminance(at(x, y));
    return sum / n;
  };
  const int before = average();
  move_mouse(frame.left + 440, frame.top + 45);
  EXPECT_TRUE(wait_until([&] { return std::abs(average() - before) > 8; }, 3000))
      << "the hover highlight changes the button";
  move_mouse(frame.left + 250, frame.top + 200);
  EXPECT_TRUE(wait_until([&] { return std::abs(average() - before) < 4; }, 3000))
      << "and goes when the mouse leaves";
}

TEST_F(SkinLook, DoubleClickOnTheCaptionDoesNothing) {
  click(frame.left + 300, frame.top + 10, 2);
  RECT now;
  GetWindowRect(app.main_window(), &now);
  EXPECT_TRUE(EqualRect(&now, &frame));
  EXPECT_FALSE(IsZoomed(app.main_window()));
  EXPECT_TRUE(IsWindowVisible(app.main_window()));
}

}  // namespace
