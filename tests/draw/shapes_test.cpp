// Shapes drawn through the layer into a marker-filled DIB: fills, rounded paths, gradients,
// pen outlines, clipping. Uses the drawing layer, the test kit and GoogleTest.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draw/draw.h"
#include "tests/draw/draw_test_util.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kMarker = kMarkerColour;

// A path around (x, y, w, h) with quarter-circle corners of radius r, as the skin builds them.
void add_rounded_rect(DrawGraphicsPath& path, float x, float y, float w, float h, float r) {
  path.AddArc(x, y, 2 * r, 2 * r, 180, 90);
  path.AddArc(x + w - 2 * r, y, 2 * r, 2 * r, 270, 90);
  path.AddArc(x + w - 2 * r, y + h - 2 * r, 2 * r, 2 * r, 0, 90);
  path.AddArc(x, y + h - 2 * r, 2 * r, 2 * r, 90, 90);
  path.CloseFigure();
}

struct ShapeCase {
  const char* name;
  std::function<bool(DrawGraphics&)> draw;  // true when every call succeeded
  std::vector<Probe> probes;
};

const std::vector<ShapeCase>& shape_cases() {
  static const std::vector<ShapeCase> cases = {
      {"filled rectangle",
       [](DrawGraphics& g) {
         DrawSolidBrush brush;
         return brush.Create(argb_of(kRed)) && g.FillRectangle(brush, 10, 20, 50, 30);
       },
       {{10, 20, kRed, 0}, {59, 49, kRed, 0}, {35, 35, kRed, 0},
        {9, 35, kMarker, 0}, {60, 35, kMarker, 0}, {35, 19, kMarker, 0}, {35, 50, kMarker, 0}}},
      {"rounded path",
       [](DrawGraphics& g) {
         DrawGraphicsPath path;
         DrawSolidBrush brush;
         if (!path.Create() || !brush.Create(argb_of(kBlue))) return false;
         add_rounded_rect(path, 10, 10, 80, 60, 12);
         return g.FillPath(brush, path);
       },
       // corners stay untouched; the middle of each edge is filled
       {{10, 10, kMarker, 0}, {89, 10, kMarker, 0}, {10, 69, kMarker, 0}, {89, 69, kMarker, 0},
        {50, 11, kBlue, 0}, {11, 40, kBlue, 0}, {88, 40, kBlue, 0}, {50, 68, kBlue, 0},
        {50, 40, kBlue, 0}, {50, 75, kMarker, 0}}},
      {"vertical gradient",
       [](DrawGraphics& g) {
         DrawLinearBrush brush;
         return brush.Create({0, 0}, {0, 100}, argb_of(kRed), argb_of(kBlue)) &&
                g.FillRectangle(brush, 0, 0, 100, 100);
       },
       {{50, 0, kRed, 8}, {50, 99, kBlue, 8}, {50, 50, RGB(128, 0, 128), 16},
        {5, 0, kRed, 8}, {95, 99, kBlue, 8}}},
      {"preset blend",
       [](DrawGraphics& g) {
         DrawLinearBrush brush;
         return brush.Create({0, 0}, {0, 100}, argb_of(kRed), argb_of(kBlue)) &&
                brush.SetPresetBlend({argb_of(kRed), argb_of(kGreen), argb_of(kBlue)},
                                     {0.0f, 0.5f, 1.0f}) &&
                g.FillRectangle(brush, 0, 0, 100, 100);
       },
       {{50, 0, kRed, 8}, {50, 50, kGreen, 12}, {50, 99, kBlue, 8}}},
      {"linear blend peaks at its focus",
       [](DrawGraphics& g) {
         DrawLinearBrush brush;
         return brush.Create({0, 0}, {0, 100}, argb_of(kRed), argb_of(kBlue)) &&
                brush.SetLinearBlend(0.5f, 1.0f) && g.FillRectangle(brush, 0, 0, 100, 100);
       },
       {{50, 0, kRed, 8}, {50, 50, kBlue, 12}, {50, 99, kRed, 12}}},
      {"pen outline",
       [](DrawGraphics& g) {
         DrawPen pen;
         return pen.Create(argb_of(kGreen), 1) && g.DrawRectangle(pen, 20, 20, 60, 40);
       },
       {{20, 40, kGreen, 0}, {80, 40, kGreen, 0}, {50, 20, kGreen, 0}, {50, 60, kGreen, 0},
        {50, 40, kMarker, 0}, {18, 40, kMarker, 0}, {82, 40, kMarker, 0}}},
      {"line of a widened pen",
       [](DrawGraphics& g) {
         DrawPen pen;
         return pen.Create(argb_of(kRed), 1) && pen.SetWidth(5) &&
                g.DrawLine(pen, 10, 50, 90, 50);
       },
       {{50, 48, kRed, 0}, {50, 52, kRed, 0}, {50, 44, kMarker, 0}, {50, 56, kMarker, 0}}},
      {"pen from a gradient brush",
       [](DrawGraphics& g) {
         DrawLinearBrush brush;
         DrawPen pen;
         return brush.Create({0, 0}, {100, 0}, argb_of(kRed), argb_of(kBlue)) &&
                pen.CreateFromBrush(brush, 4) && g.DrawLine(pen, 0, 50, 100, 50);
       },
       {{2, 50, kRed, 16}, {97, 50, kBlue, 16}, {50, 40, kMarker, 0}}},
      {"path outline",
       [](DrawGraphics& g) {
         DrawGraphicsPath path;
         DrawPen pen;
         if (!path.Create() || !pen.Create(argb_of(kBlue), 1)) return false;
         path.AddLine(10, 10, 90, 10);
         path.AddLine(90, 10, 90, 90);
         return g.DrawPath(pen, path);
       },
       {{50, 10, kBlue, 0}, {90, 50, kBlue, 0}, {50, 50, kMarker, 0}, {10, 50, kMarker, 0}}},
      {"ellipse with a path brush",
       [](DrawGraphics& g) {
         DrawGraphicsPath path;
         DrawPathBrush brush;
         if (!path.Create() || !path.AddEllipse(0, 0, 100, 100)) return false;
         return brush.CreateFromPath(path) && brush.SetCenterColor(argb_of(kRed)) &&
                brush.SetSurroundColors({argb_of(kBlue)}) && g.FillPath(brush, path);
       },
       {{50, 50, kRed, 24}, {50, 2, kBlue, 48}, {2, 2, kMarker, 0}, {97, 97, kMarker, 0}}},
      {"clear",
       [](DrawGraphics& g) { return g.Clear(argb_of(kWhite)); },
       {{0, 0, kWhite, 0}, {99, 99, kWhite, 0}}},
      {"clip rectangle",
       [](DrawGraphics& g) {
         DrawSolidBrush brush;
         return brush.Create(argb_of(kRed)) && g.SetClipRect(20, 20, 30, 30) &&
                g.FillRectangle(brush, 0, 0, 100, 100);
       },
       {{25, 25, kRed, 0}, {49, 49, kRed, 0}, {10, 10, kMarker, 0}, {60, 30, kMarker, 0}}},
      {"clip path, then reset",
       [](DrawGraphics& g) {
         DrawGraphicsPath path;
         DrawSolidBrush red;
         DrawSolidBrush blue;
         if (!path.Create() || !path.AddRectangle(0, 0, 50, 100)) return false;
         return red.Create(argb_of(kRed)) && blue.Create(argb_of(kBlue)) &&
                g.SetClipPath(path) && g.FillRectangle(red, 0, 0, 100, 50) && g.ResetClip() &&
                g.FillRectangle(blue, 0, 50, 100, 50);
       },
       {{25, 25, kRed, 0}, {75, 25, kMarker, 0}, {25, 75, kBlue, 0}, {75, 75, kBlue, 0}}},
      {"half-transparent fill blends",
       [](DrawGraphics& g) {
         DrawSolidBrush white;
         DrawSolidBrush black;
         return white.Create(argb_of(kWhite)) && black.Create(argb_of(RGB(0, 0, 0), 0x80)) &&
                g.FillRectangle(white, 0, 0, 100, 100) && g.FillRectangle(black, 0, 0, 100, 100);
       },
       {{50, 50, RGB(127, 127, 127), 3}}},
  };
  return cases;
}

TEST(Shapes, DrawnPixelsMatchTheTable) {
  for (const ShapeCase& shape : shape_cases()) {
    SCOPED_TRACE(shape.name);
    Canvas canvas(100, 100);
    ASSERT_TRUE(canvas.ok());
    {
      DrawGraphics graphics;
      ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
      // Crisp edges: the probes sit on exact pixels.
      ASSERT_TRUE(graphics.SetSmoothingMode(gdip::SmoothingModeNone));
      ASSERT_TRUE(graphics.SetPixelOffsetMode(gdip::PixelOffsetModeNone));
      EXPECT_TRUE(shape.draw(graphics)) << "status " << last_gdip_status;
    }  // the graphics flushes to the DC when deleted
    expect_probes(canvas, shape.probes);
  }
}

TEST(Shapes, AntialiasedEdgeIsBetweenFillAndMarker) {
  Canvas canvas(100, 100, kWhite);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
  ASSERT_TRUE(graphics.SetSmoothingMode(gdip::SmoothingModeAntiAlias));
  DrawSolidBrush black;
  ASSERT_TRUE(black.Create(argb_of(RGB(0, 0, 0))));
  // Pixel centres sit on whole coordinates here, so the edge at x = 10 halves pixel 10.
  ASSERT_TRUE(graphics.FillRectangle(black, 10, 10, 50, 50));
  graphics.Delete();
  const COLORREF edge = canvas.pixel(10, 30);
  if (running_under_wine()) {
    // Wine's GDI+ fills without anti-aliasing in every smoothing mode: the edge pixel is
    // either filled or not.
    EXPECT_TRUE(colour_near(edge, RGB(0, 0, 0), 0) || colour_near(edge, kWhite, 0))
        << colour_text(edge);
  } else {
    EXPECT_TRUE(colour_matches(edge, RGB(128, 128, 128), 40));
  }
  EXPECT_TRUE(colour_matches(canvas.pixel(30, 30), RGB(0, 0, 0), 0));
}

TEST(Shapes, QualitySettingsAreAccepted) {
  Canvas canvas(10, 10);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
  EXPECT_TRUE(graphics.SetCompositingQuality(gdip::CompositingQualityHighQuality));
  EXPECT_TRUE(graphics.SetInterpolationMode(gdip::InterpolationModeHighQualityBicubic));
  EXPECT_TRUE(graphics.SetPixelOffsetMode(gdip::PixelOffsetModeHalf));
  EXPECT_TRUE(graphics.SetSmoothingMode(gdip::SmoothingModeAntiAlias));
}

TEST(Shapes, GraphicsOnASecondHandleDrawsLikeOnTheDc) {
  Canvas canvas(20, 20);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc(), nullptr));
  DrawSolidBrush brush;
  ASSERT_TRUE(brush.Create(argb_of(kBlue)));
  ASSERT_TRUE(graphics.FillRectangle(brush, 0, 0, 20, 20));
  graphics.Delete();
  EXPECT_TRUE(colour_matches(canvas.pixel(10, 10), kBlue, 0));
}

}  // namespace
