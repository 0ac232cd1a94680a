// Caption-button pictures drawn from the decoded-picture cache: alpha blended,
// scaled, told apart by content, nothing for bytes that do not decode.
#include <gtest/gtest.h>

#include "skin/core/picture_cache.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

TEST(PictureCache, DrawsEachPictureByItsContentWithAlpha) {
  skintest::the_skin();
  const std::string red = skintest::make_picture(4, 4, {{{0, 0, 4, 4}, 0xFFFF0000}});
  const std::string blue = skintest::make_picture(4, 4, {{{0, 0, 4, 4}, 0xFF0000FF}});
  const std::string half_white = skintest::make_picture(4, 4, {{{0, 0, 4, 4}, 0x80FFFFFF}});
  struct Case { const std::string* picture; COLORREF expected; };
  const Case cases[] = {{&red, RGB(255, 0, 0)}, {&blue, RGB(0, 0, 255)},
                        {&half_white, RGB(128, 128, 128)}, {&red, RGB(255, 0, 0)}};
  for (const Case& c : cases) {
    Canvas canvas(20, 20, RGB(0, 0, 0));
    skin::draw_cached_picture(canvas.dc(), *c.picture, 2, 2, 8, 8);  // scaled 2x
    EXPECT_TRUE(colour_matches(canvas.pixel(5, 5), c.expected, 3));
    EXPECT_TRUE(colour_matches(canvas.pixel(9, 9), c.expected, 3));
    EXPECT_TRUE(colour_matches(canvas.pixel(11, 11), RGB(0, 0, 0), 0));
  }
  Canvas canvas(20, 20, RGB(0, 0, 0));
  skin::draw_cached_picture(canvas.dc(), "not a picture", 0, 0, 20, 20);
  skin::draw_cached_picture(canvas.dc(), red, 0, 0, 0, 20);
  EXPECT_EQ(canvas.count_pixels(RECT{0, 0, 20, 20},
                                [](COLORREF c) { return c != RGB(0, 0, 0); }), 0);
}

}  // namespace
