// Colour conversion and the rounded shapes: conversion table, radius clamps,
// the open rounded top and the glow.
#include <gtest/gtest.h>

#include "skin/core/shapes.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

TEST(ColourToArgb, SwapsRedAndBlueAndSetsAlpha) {
  struct Case { COLORREF colour; std::optional<int> alpha; DWORD expected; };
  const Case cases[] = {
      {0x00FF8800, 100, 0x640088FF},
      {0x00DDCA22, std::nullopt, 0xFF22CADD},
      {0x00000000, 0, 0x00000000},
      {0x00FFFFFF, 255, 0xFFFFFFFF},
      {0xFF123456, std::nullopt, 0xFF563412},  // the top byte of a COLORREF is ignored
  };
  for (const Case& c : cases)
    EXPECT_EQ(skin::colour_to_argb(c.colour, c.alpha), c.expected) << std::hex << c.colour;
}

// Every pixel of a filled rounded rectangle of the given radius.
std::vector<COLORREF> rounded_rect_pixels(int radius) {
  skintest::the_skin();
  Canvas canvas(120, 120, RGB(255, 255, 255));
  {
    DrawGraphics g;
    g.FromHDC(canvas.dc());
    DrawGraphicsPath path;
    path.Create();
    skin::add_rounded_rect(path, 2, 2, 110, 110, radius);
    DrawSolidBrush brush;
    brush.Create(0xFF000000);
    g.FillPath(brush, path);
  }
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 120; ++x) pixels.push_back(canvas.pixel(x, y));
  return pixels;
}

TEST(AddRoundedRect, RadiusIsClampedToOneToHundred) {
  struct Case { int radius; int drawn_as; };
  const Case cases[] = {{0, 1}, {-5, 1}, {250, 100}, {101, 100}};
  for (const Case& c : cases)
    EXPECT_TRUE(rounded_rect_pixels(c.radius) == rounded_rect_pixels(c.drawn_as)) << c.radius;
  EXPECT_FALSE(rounded_rect_pixels(30) == rounded_rect_pixels(100));  // the comparison can fail
}

TEST(AddRoundedRect, CornersAreCutAndTheInsideIsFilled) {
  const std::vector<COLORREF> pixels = rounded_rect_pixels(40);
  auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y * 120 + x)]; };
  EXPECT_TRUE(colour_matches(at(4, 4), RGB(255, 255, 255), 0));      // outside the top-left arc
  EXPECT_TRUE(colour_matches(at(108, 108), RGB(255, 255, 255), 0));  // outside the bottom-right arc
  EXPECT_TRUE(colour_matches(at(60, 60), RGB(0, 0, 0), 0));
  EXPECT_TRUE(colour_matches(at(60, 3), RGB(0, 0, 0), 0));           // the straight top edge
}

TEST(AddRoundedTop, LeavesTheBottomOpen) {
  skintest::the_skin();
  Canvas canvas(60, 40, RGB(255, 255, 255));
  {
    DrawGraphics g;
    g.FromHDC(canvas.dc());
    DrawGraphicsPath path;
    path.Create();
    skin::add_rounded_top(path, 5, 5, 50, 30, 10);
    DrawPen pen;
    pen.Create(0xFF000000, 1.0f);
    g.DrawPath(pen, path);
  }
  EXPECT_TRUE(is_dark(canvas.pixel(30, 5)));    // top line
  EXPECT_TRUE(is_dark(canvas.pixel(5, 25)));    // left side
  EXPECT_TRUE(is_dark(canvas.pixel(55, 25)));   // right side
  EXPECT_FALSE(is_dark(canvas.pixel(30, 35)));  // no bottom line
}

TEST(DrawGlow, WidensThePenUpToTheCount) {
  skintest::the_skin();
  auto glow_reach = [](int count) {
    Canvas canvas(60, 60, RGB(255, 255, 255));
    {
      DrawGraphics g;
      g.FromHDC(canvas.dc());
      DrawGraphicsPath path;
      path.Create();
      path.AddRectangle(20, 20, 20, 20);
      skin::draw_glow(g, path, count, 0x000000, 255);
    }
    int reach = 0;  // how far outside the rectangle's left edge the glow darkens
    while (reach < 10 && is_dark(canvas.pixel(20 - reach - 1, 30))) ++reach;
    return reach;
  };
  EXPECT_EQ(glow_reach(1), 0);
  EXPECT_GE(glow_reach(5), 2);
}

}  // namespace
