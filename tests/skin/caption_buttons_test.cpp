// Caption buttons: layout numbers and hit tests for the combinations of buttons,
// the maximize button's index, and a button's look in its normal, hover (by alpha)
// and pressed states, with its repaint from the caption backdrop.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::ButtonSet;
using skintest::SkinnedTestWindow;

class CaptionButtons : public ::testing::Test {
 protected:
  void SetUp() override { skintest::reset_skin_settings(); }
};

struct LayoutCase {
  const char* name;
  ButtonSet buttons;
  int strip_width, strip_x;
  std::vector<int> kinds, xs;
  int maximize_index;
};

TEST_F(CaptionButtons, LayoutPlacesTheStripAtTheRightEdge) {
  const LayoutCase cases[] = {
      {"minimize, maximize, close", {false, false, true, true}, 95, 206, {2, 1, 0},
       {208, 235, 262}, 2},
      {"close only", {false, false, false, false}, 41, 260, {0}, {262}, 0},
      {"minimize and close", {false, false, true, false}, 68, 233, {2, 0}, {235, 262}, 0},
      {"all five", {true, true, true, true}, 149, 152, {4, 3, 2, 1, 0},
       {154, 181, 208, 235, 262}, 4},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    SkinnedTestWindow window(300, 200, c.buttons);
    const skin::SkinnedWindow& w = window.record();
    EXPECT_EQ(w.strip_width, c.strip_width);
    EXPECT_EQ(w.strip_x, c.strip_x);
    EXPECT_EQ(w.strip_height, 22);
    ASSERT_EQ(w.caption_buttons.size(), c.kinds.size());
    for (size_t k = 0; k < c.kinds.size(); ++k) {
      const skin::CaptionButton& b = w.caption_buttons[k];
      EXPECT_EQ(b.kind, c.kinds[k]);
      EXPECT_EQ(b.rect.x, c.xs[k]);
      EXPECT_EQ(b.rect.y, 1);
      EXPECT_EQ(b.rect.width, b.kind == 0 ? 40 : 26);
      EXPECT_EQ(b.rect.height, 18);
      EXPECT_EQ(b.width, b.kind == 0 ? 38 : 26);
    }
    EXPECT_EQ(skintest::the_skin().find_maximize_button(window.index()), c.maximize_index);
  }
}

TEST_F(CaptionButtons, HitTestCountsOnlyPointsStrictlyInside) {
  SkinnedTestWindow window(300, 200);  // minimize 208..234, maximize 235..261, close 262..302
  struct Case { int x, y, expected; };
  const Case cases[] = {
      {208, 10, 0}, {209, 10, 1}, {233, 10, 1}, {234, 10, 0}, {235, 10, 0}, {236, 10, 2},
      {263, 10, 3}, {299, 10, 3}, {301, 10, 3}, {302, 10, 0},
      {220, 1, 0},  {220, 2, 1},  {220, 18, 1}, {220, 19, 0}, {220, 23, 0},
      {205, 10, 0}, {100, 10, 0}, {220, -1, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(skintest::the_skin().hit_test_caption_button(window.index(), c.x, c.y), c.expected)
        << c.x << "," << c.y;
  EXPECT_EQ(skintest::the_skin().hit_test_caption_button(9, 220, 10), 0);  // no such window
}

// The point (3, 9) of a button lies beside every pictogram.
POINT probe_of(const skin::SkinnedWindow& w, int n) {
  const skin::CaptionButton& b = w.caption_buttons[static_cast<size_t>(n - 1)];
  return POINT{static_cast<int>(b.rect.x - 1) + 3, w.strip_y + 1 + 9};
}

int distance(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
         std::abs(GetBValue(a) - GetBValue(b));
}

TEST_F(CaptionButtons, HoverTintGrowsWithAlphaAndRepaintRestoresTheBackdrop) {
  skin::back_colour = RGB(60, 60, 60);
  SkinnedTestWindow window(300, 200, {}, true);
  window.render();
  skin::WindowSkin& s = skintest::the_skin();
  const skin::SkinnedWindow& w = window.record();
  struct Case { int button; COLORREF tint; };
  const Case cases[] = {{1, skin::theme_colour}, {3, RGB(255, 0, 0)}};  // close is red
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    const POINT p = probe_of(w, c.button);
    const COLORREF normal = window.pixel(p.x, p.y);
    int previous = distance(normal, c.tint);
    for (int alpha : {60, 120, 180, 240}) {
      s.draw_caption_button(window.index(), c.button, nullptr, 0, alpha);
      const int now = distance(window.pixel(p.x, p.y), c.tint);
      EXPECT_LT(now, previous) << "alpha " << alpha;
      previous = now;
      EXPECT_TRUE(colour_matches(window.screen_pixel(p.x, p.y), window.pixel(p.x, p.y), 2));
    }
    // Near the top the full-alpha tint is almost the pure colour.
    EXPECT_TRUE(colour_matches(window.pixel(p.x, w.strip_y + 2), c.tint, 64));
    // Alpha 0 repaints from the caption backdrop: the normal look again.
    s.draw_caption_button(window.index(), c.button, nullptr, 0, 0);
    EXPECT_TRUE(colour_matches(window.pixel(p.x, p.y), normal, 1));
  }
}

TEST_F(CaptionButtons, PressedLookAndItsRepaint) {
  skin::back_colour = RGB(60, 60, 60);
  SkinnedTestWindow window(300, 200, {}, true);
  window.render();
  skin::WindowSkin& s = skintest::the_skin();
  const skin::SkinnedWindow& w = window.record();
  const POINT minimize = probe_of(w, 1), close = probe_of(w, 3);
  const COLORREF minimize_normal = window.pixel(minimize.x, minimize.y);
  const COLORREF close_normal = window.pixel(close.x, close.y);

  s.draw_caption_button(window.index(), 1, nullptr, 1);
  s.draw_caption_button(window.index(), 3, nullptr, 1);
  const COLORREF minimize_pressed = window.pixel(minimize.x, minimize.y);
  const COLORREF close_pressed = window.pixel(close.x, close.y);
  EXPECT_LT(GetGValue(minimize_pressed), GetGValue(minimize_normal));  // darkened
  EXPECT_GT(GetRValue(close_pressed), 150);                            // red
  EXPECT_LT(GetGValue(close_pressed), GetRValue(close_pressed) - 60);
  EXPECT_TRUE(colour_matches(window.screen_pixel(close.x, close.y), close_pressed, 2));

  // A normal repaint restores the backdrop first: no trace of the pressed look.
  s.draw_caption_button(window.index(), 1);
  s.draw_caption_button(window.index(), 3);
  EXPECT_TRUE(colour_matches(window.pixel(minimize.x, minimize.y), minimize_normal, 1));
  EXPECT_TRUE(colour_matches(window.pixel(close.x, close.y), close_normal, 1));
  EXPECT_TRUE(colour_matches(window.screen_pixel(close.x, close.y), close_normal, 2));
}

TEST_F(CaptionButtons, MaximizedWindowShowsTheRestorePicture) {
  // Picture point (12, 12): the maximize frame's bottom edge, inside the restore
  // glyph's front window.
  skin::back_colour = RGB(60, 60, 60);
  SkinnedTestWindow window(300, 200);
  skin::SkinnedWindow& w = window.record();
  const skin::CaptionButton& b = w.caption_buttons[1];
  const int x = static_cast<int>(b.rect.x - 1) + 12, y = w.strip_y + 1 + 12;
  struct Case { int maximized; std::optional<int> alpha; bool white; };
  const Case cases[] = {{0, std::nullopt, true}, {1, std::nullopt, false},
                        {0, 240, true},          {1, 240, false}};
  for (const Case& c : cases) {
    w.maximized = c.maximized;
    window.render();
    if (c.alpha) skintest::the_skin().draw_caption_button(window.index(), 2, nullptr, 0, c.alpha);
    const COLORREF seen = window.pixel(x, y);
    EXPECT_EQ(GetGValue(seen) > 200, c.white) << c.maximized << " " << colour_text(seen);
  }
}

TEST_F(CaptionButtons, NoButtonOutsideTheListIsDrawn) {
  skin::back_colour = RGB(60, 60, 60);
  SkinnedTestWindow window(300, 200);
  window.render();
  const skin::SkinnedWindow& w = window.record();
  auto strip = [&] {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 24; ++y)
      for (int x = w.strip_x - 2; x < 300; ++x) pixels.push_back(window.pixel(x, y));
    return pixels;
  };
  const std::vector<COLORREF> before = strip();
  for (int n : {0, -1, 4}) {
    skintest::the_skin().draw_caption_button(window.index(), n, nullptr, 0, 240);
    skintest::the_skin().draw_caption_button(window.index(), n, nullptr, 1);
  }
  EXPECT_TRUE(strip() == before);
}

}  // namespace
