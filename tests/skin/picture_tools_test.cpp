// The picture routines behind set_theme: edge fading with its band geometry on
// either side, and the average colour of random samples and of edge strips.
#include <gtest/gtest.h>

#include "skin/core/picture_tools.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

COLORREF pixel_of(const std::string& bytes, int x, int y) {
  DrawBitmap bitmap;
  bitmap.FromBytes(bytes);
  const DWORD argb = bitmap.GetPixel(x, y);
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

TEST(FadePictureEdges, BandsAreThirtyPercentOfTheWidth) {
  skintest::the_skin();
  const std::string red = skintest::make_picture(100, 60, {{{0, 0, 100, 60}, 0xFFFF0000}});
  const COLORREF blue = RGB(0, 0, 255), pure_red = RGB(255, 0, 0);
  struct Probe { int x, y; COLORREF expected; int tolerance; };
  struct Case { std::optional<bool> fade_right; std::vector<Probe> probes; };
  const Case cases[] = {
      {std::nullopt,  // right and bottom: the right band starts at 71, the bottom one at 31
       {{70, 10, pure_red, 0}, {99, 10, blue, 24}, {10, 30, pure_red, 0}, {10, 59, blue, 24},
        {20, 20, pure_red, 0}}},
      {false,  // left and bottom
       {{0, 10, blue, 12}, {40, 10, pure_red, 0}, {99, 10, pure_red, 0}, {60, 59, blue, 24}}},
  };
  for (const Case& c : cases) {
    const std::string faded = skin::fade_picture_edges(red, {}, blue, c.fade_right);
    ASSERT_EQ(faded.compare(0, 4, "\x89PNG"), 0);
    for (const Probe& p : c.probes)
      EXPECT_TRUE(colour_matches(pixel_of(faded, p.x, p.y), p.expected, p.tolerance))
          << p.x << "," << p.y;
    // Part-way into the band: neither colour.
    const COLORREF mid = pixel_of(faded, c.fade_right.value_or(true) ? 86 : 14, 10);
    EXPECT_FALSE(colour_near(mid, pure_red, 30)) << colour_text(mid);
    EXPECT_FALSE(colour_near(mid, blue, 30)) << colour_text(mid);
  }
  EXPECT_TRUE(skin::fade_picture_edges("not a picture", {}, blue).empty());
}

TEST(PictureAverageColour, AveragesSamplesAndHonoursStrips) {
  skintest::the_skin();
  const std::string solid = skintest::make_picture(30, 20, {{{0, 0, 30, 20}, 0xFF0A141E}});
  EXPECT_EQ(skin::picture_average_colour(solid, 2000), 0xFF000000 | RGB(10, 20, 30));
  // Black, with a white strip 5 wide at the right and 4 high at the bottom.
  const std::string framed = skintest::make_picture(
      30, 20, {{{0, 0, 30, 20}, 0xFF000000}, {{25, 0, 30, 20}, 0xFFFFFFFF},
               {{0, 16, 30, 20}, 0xFFFFFFFF}});
  EXPECT_EQ(skin::picture_average_colour(framed, 200, 5), 0xFFFFFFFF);
  EXPECT_EQ(skin::picture_average_colour(framed, 200, {}, 4), 0xFFFFFFFF);
  const COLORREF mixed = skin::picture_average_colour(framed, 2000);
  EXPECT_GT(GetRValue(mixed), 40);
  EXPECT_LT(GetRValue(mixed), 140);
  EXPECT_EQ(skin::picture_average_colour("not a picture", 2000), 0xFF000000u);
}

}  // namespace
