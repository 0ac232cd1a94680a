// The caption's icon and haloed title: the window's own text or a given one,
// only the icon for an empty title, the repaint reaching the screen, and the
// halo around the text.
#include <gtest/gtest.h>

#include "skin/methods/caption.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

class Caption : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = RGB(0, 0, 0);
    skin::app_icon = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
  }
  void TearDown() override {
    DestroyIcon(skin::app_icon);
    skin::app_icon = nullptr;
  }
};

// Bright pixels of the title (right of the icon) and of the icon's box.
struct CaptionInk { int title, icon; };
CaptionInk ink(const SkinnedTestWindow& window, bool on_screen) {
  auto bright = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) > 300; };
  CaptionInk result{0, 0};
  for (int y = 8; y < 28; ++y)
    for (int x = 29; x < 120; ++x)
      result.title += bright(on_screen ? window.screen_pixel(x, y) : window.pixel(x, y));
  for (int y = 5; y < 22; ++y)
    for (int x = 9; x < 26; ++x) result.icon += window.pixel(x, y) != RGB(0, 0, 0);
  return result;
}

TEST_F(Caption, TitleIsTheWindowTextUnlessOneIsGiven) {
  struct Case { const char* window_text; std::optional<std::string> given; bool title; };
  const Case cases[] = {
      {"标题文字", std::nullopt, true},
      {"", std::nullopt, false},  // only the icon
      {"", std::string("给定标题"), true},
      {"标题文字", std::string(), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window_text);
    SkinnedTestWindow window(300, 200, {}, false, c.window_text);
    window.record().show_title = 0;  // the render leaves the caption to the call below
    window.render();
    ASSERT_EQ(ink(window, false).title, 0);
    skintest::the_skin().draw_caption(window.index(), nullptr, c.given);
    const CaptionInk seen = ink(window, false);
    EXPECT_EQ(seen.title > 20, c.title) << seen.title;
    EXPECT_GT(seen.icon, 20);
  }
}

TEST_F(Caption, RepaintWithoutSurfaceReachesTheScreen) {
  SkinnedTestWindow window(300, 200, {}, true, "标题文字");
  window.render();
  skintest::the_skin().render_window(window.index(), nullptr, 1);
  skintest::the_skin().draw_caption(window.index(), nullptr, std::string("新的标题文字"));
  EXPECT_GT(ink(window, true).title, ink(window, false).title / 2);
  EXPECT_GT(ink(window, true).title, 20);
}

TEST_F(Caption, RepeatedRepaintsLeaveTheIconAsFirstDrawn) {
  // The icon starts above the title; its soft edges must not darken repaint by repaint.
  skin::back_colour = RGB(40, 120, 200);
  SkinnedTestWindow window(300, 200, {}, false, "标题");
  window.render();
  auto icon = [&] {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 26; ++y)
      for (int x = 6; x < 30; ++x) pixels.push_back(window.pixel(x, y));
    return pixels;
  };
  const std::vector<COLORREF> first = icon();
  for (int k = 0; k < 6; ++k) skintest::the_skin().draw_caption(window.index());
  EXPECT_TRUE(icon() == first);
}

TEST(DrawTextWithHalo, HaloSurroundsTheText) {
  skintest::the_skin();
  Canvas canvas(120, 40, RGB(0, 0, 0));
  {
    DrawGraphics g;
    g.FromHDC(canvas.dc());
    skin::draw_text_with_halo(g, "光环", DrawRectF{10, 5, 100, 30}, RGB(255, 255, 255),
                              RGB(255, 0, 0), 1, "宋体", 1, 16.0f);
  }
  const int white = canvas.count_pixels(RECT{0, 0, 120, 40}, [](COLORREF c) {
    return GetRValue(c) > 200 && GetGValue(c) > 200;
  });
  const int halo = canvas.count_pixels(RECT{0, 0, 120, 40}, [](COLORREF c) {
    return GetRValue(c) > 80 && GetGValue(c) < 40 && GetBValue(c) < 40;
  });
  EXPECT_GT(white, 20);
  EXPECT_GT(halo, 20);
}

}  // namespace
