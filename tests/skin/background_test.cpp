// Background and border painting seen in a rendered back buffer: the five picture
// modes (tiles and mirroring, cut at the left, half-pixel centring, stretching),
// the fill colour, the window's own picture, magenta corners, the outlines, the gloss.
#include <gtest/gtest.h>

#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::Fill;
using skintest::SkinnedTestWindow;

constexpr COLORREF fill_colour = RGB(0, 0, 200);
constexpr COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
constexpr DWORD argb_red = 0xFFFF0000, argb_green = 0xFF00FF00, argb_blue = 0xFF0000FF;

class Background : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = fill_colour;
  }
};

struct Probe {
  int x, y;
  COLORREF expected;
};

struct ModeCase {
  const char* name;
  int width, height;          // client area
  std::string picture;
  int mode;
  std::vector<Probe> probes;
};

TEST_F(Background, PictureModesPlaceThePicture) {
  // 40 x 30: left half red, right half blue, so a mirrored tile is told apart.
  const std::string halves = skintest::make_picture(
      40, 30, {{{0, 0, 20, 30}, argb_red}, {{20, 0, 40, 30}, argb_blue}});
  // 150 x 30 in thirds: green, blue, red.
  const std::string thirds = skintest::make_picture(
      150, 30, {{{0, 0, 50, 30}, argb_green}, {{50, 0, 100, 30}, argb_blue},
                {{100, 0, 150, 30}, argb_red}});
  const std::string solid = skintest::make_picture(40, 20, {{{0, 0, 40, 20}, argb_red}});
  const ModeCase cases[] = {
      {"tiles alternate with their mirror image", 100, 60, halves, 4,
       {{5, 10, red}, {35, 10, blue}, {45, 10, blue}, {75, 10, red}, {85, 10, red},
        {98, 10, red}, {50, 35, fill_colour}, {10, 55, fill_colour}}},
      {"top-left at natural size", 100, 60, halves, 0,
       {{5, 10, red}, {35, 10, blue}, {60, 10, fill_colour}, {10, 40, fill_colour}}},
      {"top-right, cut at the left", 100, 60, thirds, 1,
       {{2, 10, blue}, {45, 10, blue}, {55, 10, red}, {98, 10, red}, {50, 40, fill_colour}}},
      {"stretched over the client area", 100, 60, halves, 3,
       {{10, 50, red}, {45, 5, red}, {55, 5, blue}, {90, 55, blue}}},
      {"centred", 100, 60, solid, 2,
       {{50, 30, red}, {31, 21, red}, {68, 38, red}, {25, 30, fill_colour}, {50, 15, fill_colour}}},
      {"unknown mode: fill only", 100, 60, halves, 5,
       {{5, 10, fill_colour}, {35, 10, fill_colour}, {50, 50, fill_colour}}},
  };
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.picture.empty());
    skin::background_picture = c.picture;
    skin::picture_mode = c.mode;
    SkinnedTestWindow window(c.width, c.height);
    window.record().has_caption = 0;
    window.render();
    for (const Probe& p : c.probes)
      EXPECT_TRUE(colour_matches(window.pixel(p.x, p.y), p.expected, 8)) << p.x << "," << p.y;
  }
}

TEST_F(Background, CentringWithAnOddDifferenceLandsOnAHalfPixel) {
  // 100 - 41 = 59: the picture covers x = 29.5 .. 70.5, so columns 29 and 70 are
  // each half covered. Windows blends both; Wine's GDI+ samples pixel centres
  // without blending and shows column 29 as fill, column 70 as picture. Either
  // way neither edge column is what a whole-pixel offset (29 .. 69) would give.
  skin::background_picture = skintest::make_picture(41, 20, {{{0, 0, 41, 20}, argb_red}});
  skin::picture_mode = 2;
  SkinnedTestWindow window(100, 60);
  window.record().has_caption = 0;
  window.render();
  EXPECT_TRUE(colour_matches(window.pixel(28, 30), fill_colour, 8));
  EXPECT_TRUE(colour_matches(window.pixel(30, 30), red, 8));
  EXPECT_TRUE(colour_matches(window.pixel(69, 30), red, 8));
  EXPECT_TRUE(colour_matches(window.pixel(71, 30), fill_colour, 8));
  EXPECT_LT(GetRValue(window.pixel(29, 30)), 200) << colour_text(window.pixel(29, 30));
  EXPECT_GT(GetRValue(window.pixel(70, 30)), 100) << colour_text(window.pixel(70, 30));
}

TEST_F(Background, UndecodablePictureLeavesTheFill) {
  // A tile of width 0 would never end the mode-4 strip: the render must finish.
  for (int mode : {0, 2, 3, 4}) {
    skin::background_picture = "not a picture";
    skin::picture_mode = mode;
    SkinnedTestWindow window(100, 60);
    window.record().has_caption = 0;
    window.render();
    EXPECT_TRUE(colour_matches(window.pixel(50, 30), fill_colour, 4)) << mode;
  }
}

TEST_F(Background, OwnPictureReplacesTheSkinWideOne) {
  skin::background_picture = skintest::make_picture(100, 60, {{{0, 0, 100, 60}, argb_red}});
  skin::picture_mode = 3;
  SkinnedTestWindow window(100, 60);
  skin::SkinnedWindow& w = window.record();
  w.has_caption = 0;
  w.own_picture = skintest::make_picture(30, 20, {{{0, 0, 30, 20}, argb_green}});
  w.own_picture_mode = 0;
  w.own_fill_colour = RGB(200, 200, 0);
  window.render();
  EXPECT_TRUE(colour_matches(window.pixel(10, 10), green, 8));
  EXPECT_TRUE(colour_matches(window.pixel(60, 40), RGB(200, 200, 0), 8));  // own fill, no red
}

TEST_F(Background, MagentaSurvivesOnlyOutsideTheRoundedCorners) {
  SkinnedTestWindow window(120, 80);
  window.record().has_caption = 0;
  window.render();
  const Probe probes[] = {{0, 0, RGB(255, 0, 255)},   {119, 0, RGB(255, 0, 255)},
                          {0, 79, RGB(255, 0, 255)},  {119, 79, RGB(255, 0, 255)},
                          {60, 40, fill_colour},      {60, 0, fill_colour},
                          {0, 40, fill_colour}};
  for (const Probe& p : probes)
    EXPECT_TRUE(colour_matches(window.pixel(p.x, p.y), p.expected, 8)) << p.x << "," << p.y;
}

TEST_F(Background, BorderIsADarkOutlineAroundALightOne) {
  skin::back_colour = RGB(128, 128, 128);
  SkinnedTestWindow window(200, 120);
  window.render();
  // Black at alpha 180 over grey, then white at alpha 180 just inside.
  const COLORREF dark = RGB(36, 36, 36), light = RGB(219, 219, 219);
  const Probe probes[] = {{0, 60, dark},    {1, 60, light},    {2, 60, RGB(128, 128, 128)},
                          {199, 60, dark},  {198, 60, light},  {100, 119, dark},
                          {100, 118, light}, {100, 0, dark},   {100, 1, light}};
  for (const Probe& p : probes)
    EXPECT_TRUE(colour_matches(window.pixel(p.x, p.y), p.expected, 12)) << p.x << "," << p.y;
}

TEST_F(Background, GlossBrightensTheCaptionEvenWithoutCaption) {
  SkinnedTestWindow window(200, 120);
  skin::SkinnedWindow& w = window.record();
  w.has_caption = 0;
  w.caption_gloss = 1;
  w.caption_height = 30;
  window.render();
  const COLORREF top = window.pixel(100, 2), below = window.pixel(100, 40);
  EXPECT_GT(GetRValue(top), 100);  // white at nearly 150/255 over the blue fill
  EXPECT_TRUE(colour_matches(below, fill_colour, 4));
  EXPECT_GT(GetRValue(window.pixel(100, 5)), GetRValue(window.pixel(100, 25)));  // fades downward
}

}  // namespace
