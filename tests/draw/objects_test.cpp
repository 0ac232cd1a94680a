// Life of the wrapper objects: blank, created, released once; calls on blank wrappers;
// a second create releasing the first object; moves. Uses the drawing layer, the test
// kit and GoogleTest.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "draw/draw.h"
#include "tests/draw/draw_test_util.h"

namespace {

struct Lifecycle {
  const char* name;
  std::function<void()> check;
};

// Blank, then created, then released; a second release calls nothing and says false.
template <class Wrapper, class Create, class Release>
Lifecycle lifecycle(const char* name, Create create, Release release) {
  return {name, [create, release] {
            Wrapper wrapper;
            last_gdip_status = -1;
            EXPECT_FALSE(release(wrapper)) << "blank";
            EXPECT_EQ(last_gdip_status, -1) << "a blank release calls nothing";
            ASSERT_TRUE(create(wrapper)) << "status " << last_gdip_status;
            EXPECT_NE(wrapper.GetHandle(), nullptr);
            EXPECT_TRUE(release(wrapper));
            EXPECT_EQ(wrapper.GetHandle(), nullptr);
            last_gdip_status = -1;
            EXPECT_FALSE(release(wrapper));
            EXPECT_EQ(last_gdip_status, -1) << "the second release calls nothing";
          }};
}

TEST(Objects, EveryWrapperReleasesOnceThenIsBlank) {
  Canvas canvas(8, 8);
  DrawGraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRectangle(0, 0, 4, 4));
  DrawSolidBrush brush;
  ASSERT_TRUE(brush.Create(0xFF000000));
  const auto remove = [](auto& w) { return w.Delete(); };
  const auto dispose = [](auto& w) { return w.Dispose(); };
  const std::vector<Lifecycle> cases = {
      lifecycle<DrawGraphics>("graphics", [&](DrawGraphics& w) { return w.FromHDC(canvas.dc()); },
                              remove),
      lifecycle<DrawGraphicsPath>("path", [](DrawGraphicsPath& w) { return w.Create(); }, remove),
      lifecycle<DrawSolidBrush>("solid brush", [](DrawSolidBrush& w) { return w.Create(1); },
                                remove),
      lifecycle<DrawLinearBrush>(
          "linear brush", [](DrawLinearBrush& w) { return w.Create({0, 0}, {0, 9}, 1, 2); },
          remove),
      lifecycle<DrawPathBrush>(
          "path brush", [&](DrawPathBrush& w) { return w.CreateFromPath(path); }, remove),
      lifecycle<DrawPen>("pen", [](DrawPen& w) { return w.Create(1, 2); }, remove),
      lifecycle<DrawPen>("pen of a brush",
                         [&](DrawPen& w) { return w.CreateFromBrush(brush, 2); }, remove),
      lifecycle<DrawFont>("font", [](DrawFont& w) { return w.Create("宋体", 9); }, remove),
      lifecycle<DrawFontFamily>("font family",
                                [](DrawFontFamily& w) { return w.FromName("宋体"); }, remove),
      lifecycle<DrawStringFormat>("string format",
                                  [](DrawStringFormat& w) { return w.Create(); }, remove),
      lifecycle<DrawBitmap>("bitmap", [](DrawBitmap& w) { return w.Create(4, 4); }, dispose),
      lifecycle<DrawPicture>("picture", [](DrawPicture& w) {
        DrawBitmap source;
        return source.Create(4, 4) && w.FromBytes(source.SaveToBytes(gdip::ImageFormatPNG));
      }, dispose),
  };
  for (const Lifecycle& c : cases) {
    SCOPED_TRACE(c.name);
    c.check();
  }
}

struct BlankCall {
  const char* name;
  std::function<bool()> call;
  int status = gdip::InvalidParameter;  // kAnyFailure: GDI+ implementations differ
};

constexpr int kAnyFailure = -1;

TEST(Objects, CallsWithBlankWrappersFailWithInvalidParameter) {
  Canvas canvas(8, 8);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
  DrawGraphics no_graphics;
  DrawSolidBrush no_brush;
  DrawPen no_pen;
  DrawGraphicsPath no_path;
  DrawFont no_font;
  DrawStringFormat no_format;
  DrawPicture no_picture;
  DrawBitmap no_bitmap;
  DrawLinearBrush no_linear;
  DrawPathBrush no_path_brush;
  DrawRectF bounds = {};
  const std::vector<BlankCall> cases = {
      {"fill on blank graphics", [&] { return no_graphics.FillRectangle(no_brush, 0, 0, 1, 1); }},
      {"smoothing of blank graphics",
       [&] { return no_graphics.SetSmoothingMode(gdip::SmoothingModeAntiAlias); }},
      {"clear of blank graphics", [&] { return no_graphics.Clear(); }},
      {"fill with a blank brush", [&] { return graphics.FillRectangle(no_brush, 0, 0, 1, 1); }},
      {"line with a blank pen", [&] { return graphics.DrawLine(no_pen, 0, 0, 1, 1); }},
      {"blank path", [&] { return graphics.FillPath(no_brush, no_path); }},
      {"string in a blank font",
       [&] { return graphics.DrawString("x", no_font, no_brush, {0, 0, 8, 8}); }},
      {"measure in a blank font",
       [&] { return graphics.MeasureString("x", no_font, {0, 0, 8, 8}, bounds); }},
      {"blank image", [&] { return graphics.DrawImage(no_picture, 0, 0); }},
      {"blank image stretched", [&] { return graphics.DrawImageRect(no_picture, 0, 0, 4, 4); }},
      {"graphics of a blank image", [&] { return no_graphics.FromImage(no_bitmap); }},
      {"clip to a blank path", [&] { return graphics.SetClipPath(no_path); }},
      {"line into a blank path", [&] { return no_path.AddLine(0, 0, 1, 1); }},
      {"close a blank path", [&] { return no_path.CloseFigure(); }},
      {"width of a blank pen", [&] { return no_pen.SetWidth(2); }},
      {"align a blank format", [&] { return no_format.SetAlign(gdip::StringAlignmentCenter); }},
      {"rotate a blank image", [&] { return no_picture.RotateFlip(gdip::Rotate90FlipNone); }},
      {"blend of a blank brush", [&] { return no_linear.SetLinearBlend(0.5f, 1); }},
      {"centre of a blank brush", [&] { return no_path_brush.SetCenterColor(1); }},
      // Wine answers OutOfMemory here; only the failure matters.
      {"brush from a blank path", [&] { return no_path_brush.CreateFromPath(no_path); },
       kAnyFailure},
      {"pen from a blank brush", [&] { return no_pen.CreateFromBrush(no_brush, 1); }},
      {"GDI bitmap of a blank bitmap", [&] { return no_bitmap.ToHBITMAP() != nullptr; }},
      {"pixel of a blank bitmap", [&] { return no_bitmap.GetPixel(0, 0) != 0; }},
      {"size of a blank font", [&] { return no_font.GetSize() != 0; }},
      {"height of a blank image", [&] { return no_picture.GetHeight() != 0; }},
  };
  for (const BlankCall& c : cases) {
    SCOPED_TRACE(c.name);
    last_gdip_status = gdip::Ok;
    EXPECT_FALSE(c.call());
    if (c.status == kAnyFailure)
      EXPECT_NE(last_gdip_status, gdip::Ok);
    else
      EXPECT_EQ(last_gdip_status, c.status);
  }
}

TEST(Objects, ArraysShorterThanTheirCountAreRefused) {
  DrawLinearBrush linear;
  ASSERT_TRUE(linear.Create({0, 0}, {0, 10}, 0xFF000000, 0xFFFFFFFF));
  EXPECT_FALSE(linear.SetPresetBlend({1, 2, 3}, {0.0f, 1.0f}));
  EXPECT_EQ(last_gdip_status, gdip::InvalidParameter);
  EXPECT_TRUE(linear.SetPresetBlend({1, 2}, {0.0f, 1.0f}));

  DrawGraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRectangle(0, 0, 10, 10));
  DrawPathBrush brush;
  ASSERT_TRUE(brush.CreateFromPath(path));
  EXPECT_FALSE(brush.SetSurroundColors({1, 2}, 3));
  EXPECT_EQ(last_gdip_status, gdip::InvalidParameter);
  EXPECT_FALSE(brush.SetSurroundColors({1, 2}, -1));
  EXPECT_TRUE(brush.SetSurroundColors({1, 2, 3, 4}, 2));
}

struct RepeatedCreate {
  const char* name;
  int rounds;
  std::function<void(int)> run;  // creates that many times over one wrapper
};

// Each create on a wrapper that already holds an object must release that object first.
// A leak shows as committed memory: `rounds` objects would stay allocated.
TEST(Objects, CreatingAgainReleasesTheEarlierObject) {
  Canvas canvas(8, 8);
  std::string big_bmp;
  {
    DrawBitmap source;
    ASSERT_TRUE(source.Create(1024, 1024));
    big_bmp = source.SaveToBytes(gdip::ImageFormatBMP);  // megabytes of bytes and of pixels
    ASSERT_GT(big_bmp.size(), 3000000u);
  }
  DrawGraphicsPath shape;
  ASSERT_TRUE(shape.Create());
  ASSERT_TRUE(shape.AddEllipse(0, 0, 10, 10));
  const std::vector<RepeatedCreate> cases = {
      {"bitmap", 40, [](int n) { DrawBitmap w; while (n--) w.Create(1024, 1024); }},
      {"picture from bytes", 40, [&](int n) { DrawPicture w; while (n--) w.FromBytes(big_bmp); }},
      {"bitmap from bytes", 40, [&](int n) { DrawBitmap w; while (n--) w.FromBytes(big_bmp); }},
      {"graphics", 20000, [&](int n) { DrawGraphics w; while (n--) w.FromHDC(canvas.dc()); }},
      {"path", 100000, [](int n) { DrawGraphicsPath w; while (n--) w.Create(); }},
      {"pen", 20000, [](int n) { DrawPen w; while (n--) w.Create(1, 1); }},
      {"solid brush", 100000, [](int n) { DrawSolidBrush w; while (n--) w.Create(1); }},
      {"linear brush", 100000,
       [](int n) { DrawLinearBrush w; while (n--) w.Create({0, 0}, {0, 1}, 1, 2); }},
      {"path brush", 20000, [&](int n) { DrawPathBrush w; while (n--) w.CreateFromPath(shape); }},
      {"font", 10000, [](int n) { DrawFont w; while (n--) w.Create("宋体", 9); }},
      {"string format", 50000, [](int n) { DrawStringFormat w; while (n--) w.Create(); }},
  };
  for (const RepeatedCreate& c : cases) {
    SCOPED_TRACE(c.name);
    c.run(c.rounds);  // warm-up: heaps grow to their working size
    const SIZE_T before = committed_private_bytes();
    c.run(c.rounds);
    const SIZE_T after = committed_private_bytes();
    const long long grown = static_cast<long long>(after) - static_cast<long long>(before);
    EXPECT_LT(grown, 1 << 20) << "grew by " << grown << " bytes over " << c.rounds << " rounds";
  }
}

TEST(Objects, MovesHandOverTheObject) {
  DrawGraphicsPath first;
  ASSERT_TRUE(first.Create());
  void* handle = first.GetHandle();
  DrawGraphicsPath second(std::move(first));
  EXPECT_EQ(first.GetHandle(), nullptr);
  EXPECT_EQ(second.GetHandle(), handle);
  EXPECT_TRUE(second.AddLine(0, 0, 1, 1)) << "the typed handle moved too";
  EXPECT_FALSE(first.AddLine(0, 0, 1, 1));
  DrawGraphicsPath third;
  ASSERT_TRUE(third.Create());
  third = std::move(second);  // releases third's own path
  EXPECT_EQ(third.GetHandle(), handle);
  EXPECT_TRUE(third.CloseFigure());

  DrawSolidBrush brush;
  ASSERT_TRUE(brush.Create(0xFF00FF00));
  std::vector<DrawSolidBrush> brushes;
  brushes.push_back(std::move(brush));
  brushes.emplace_back();
  ASSERT_TRUE(brushes.back().Create(0xFF0000FF));
  Canvas canvas(4, 4);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
  EXPECT_TRUE(graphics.FillRectangle(brushes.front(), 0, 0, 4, 4));
  graphics.Delete();
  EXPECT_TRUE(colour_matches(canvas.pixel(2, 2), RGB(0, 255, 0), 0));
}

}  // namespace
