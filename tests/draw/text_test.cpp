// Fonts, families, string formats and text drawn through the layer into a DIB.
// Uses the drawing layer, the test kit and GoogleTest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/draw.h"
#include "tests/draw/draw_test_util.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

RECT rect_of(const DrawRectF& r) {
  return {static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
          static_cast<LONG>(r.y + r.height)};
}

int dark_pixels(const Canvas& canvas, const RECT& area) {
  return canvas.count_pixels(area, [](COLORREF c) { return is_dark(c); });
}

struct StringCase {
  const char* name;
  std::string text;
  int format_flags;  // -1: no string format
  int align;
};

TEST(Text, StringLeavesDarkPixelsOnlyInsideItsBox) {
  const std::vector<StringCase> cases = {
      {"Chinese and Latin", "宋体文字 Abc", -1, 0},
      {"centred in a format", "关闭", 0, gdip::StringAlignmentCenter},
      {"single line, trimmed", "最小化最大化帮助主菜单", gdip::StringFormatFlagsNoWrap,
       gdip::StringAlignmentFar},
  };
  DrawFont font;
  ASSERT_TRUE(font.Create("宋体", 18, gdip::FontStyleRegular, gdip::UnitPixel))
      << "status " << last_gdip_status;
  DrawSolidBrush black;
  ASSERT_TRUE(black.Create(0xFF000000));
  const DrawRectF box = {20, 20, 160, 40};
  for (const StringCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(200, 80, kWhite);
    DrawGraphics graphics;
    ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
    DrawStringFormat format;
    if (c.format_flags >= 0) {
      ASSERT_TRUE(format.Create(c.format_flags));
      ASSERT_TRUE(format.SetAlign(c.align));
      ASSERT_TRUE(format.SetLineAlign(gdip::StringAlignmentCenter));
      ASSERT_TRUE(format.SetTrimming(gdip::StringTrimmingEllipsisCharacter));
      ASSERT_TRUE(graphics.SetClipRect(box.x, box.y, box.width, box.height));
      EXPECT_TRUE(graphics.DrawString(c.text, font, black, box, format));
    } else {
      EXPECT_TRUE(graphics.DrawString(c.text, font, black, box));
    }
    graphics.Delete();
    EXPECT_GT(dark_pixels(canvas, rect_of(box)), 40);
    EXPECT_EQ(dark_pixels(canvas, {0, 0, 200, 20}), 0);
    EXPECT_EQ(dark_pixels(canvas, {0, 60, 200, 80}), 0);
    EXPECT_EQ(dark_pixels(canvas, {0, 0, 20, 80}), 0);
  }
}

TEST(Text, TextEndsAtItsFirstZeroByte) {
  DrawFont font;
  ASSERT_TRUE(font.Create("宋体", 16, gdip::FontStyleRegular, gdip::UnitPixel));
  DrawSolidBrush black;
  ASSERT_TRUE(black.Create(0xFF000000));
  Canvas canvas(300, 40, kWhite);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
  ASSERT_TRUE(graphics.DrawString(std::string("AB\0CDEFGHIJKLMNOP", 18), font, black,
                                  {0, 0, 300, 40}));
  graphics.Delete();
  EXPECT_GT(dark_pixels(canvas, {0, 0, 40, 40}), 0);
  EXPECT_EQ(dark_pixels(canvas, {60, 0, 300, 40}), 0);  // nothing after the zero byte
}

TEST(Text, MeasuredBoxGrowsWithTheText) {
  DrawFont font;
  ASSERT_TRUE(font.Create("宋体", 20, gdip::FontStyleRegular, gdip::UnitPixel));
  Canvas canvas(10, 10);
  DrawGraphics graphics;
  ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
  const DrawRectF layout = {0, 0, 1000, 100};
  DrawRectF one = {};
  DrawRectF three = {};
  ASSERT_TRUE(graphics.MeasureString("宋", font, layout, one));
  ASSERT_TRUE(graphics.MeasureString("宋宋宋", font, layout, three));
  EXPECT_GE(one.height, 18.0f);
  EXPECT_LT(one.height, 40.0f);
  EXPECT_GT(three.width, one.width + 30.0f);  // two more 20-pixel ideographs
  DrawStringFormat format;
  ASSERT_TRUE(format.Create(gdip::StringFormatFlagsNoWrap));
  DrawRectF formatted = {};
  ASSERT_TRUE(graphics.MeasureString("宋宋宋", font, layout, format, formatted));
  EXPECT_NEAR(formatted.width, three.width, 1.0f);
}

TEST(Text, FontReportsSizeStyleAndFamily) {
  DrawFont font;
  ASSERT_TRUE(font.Create("宋体", 12.5f, gdip::FontStyleBold | gdip::FontStyleItalic,
                          gdip::UnitPoint));
  EXPECT_FLOAT_EQ(font.GetSize(), 12.5f);
  EXPECT_EQ(font.GetStyle(), gdip::FontStyleBold | gdip::FontStyleItalic);
  DrawFontFamily family;
  ASSERT_TRUE(font.GetFamily(family));
  ASSERT_NE(family.GetHandle(), nullptr);
  // Windows answers 宋体. Wine answers the font that replaces it in the test prefix, by
  // its localised name: "文泉驿正黑" (WenQuanYi Zen Hei).
  const std::string name = family.GetName();
  if (running_under_wine())
    EXPECT_EQ(name, "文泉驿正黑");
  else
    EXPECT_EQ(name, "宋体");
  DrawFontFamily again;  // the name found is a name the family can be made from
  ASSERT_TRUE(again.FromName(name));
  EXPECT_EQ(again.GetName(), name);
  // A second GetFamily replaces (and releases) the first.
  ASSERT_TRUE(font.GetFamily(family));
  EXPECT_FALSE(family.GetName().empty());
}

TEST(Text, UnknownFamilyFails) {
  DrawFontFamily family;
  EXPECT_FALSE(family.FromName("No Such Font Family"));
  EXPECT_EQ(last_gdip_status, gdip::FontFamilyNotFound);
  EXPECT_EQ(family.GetHandle(), nullptr);
  EXPECT_EQ(family.GetName(), "");
  DrawFont font;
  EXPECT_FALSE(font.Create("No Such Font Family", 12));
  EXPECT_EQ(font.GetHandle(), nullptr);
  EXPECT_EQ(font.GetSize(), 0.0f);
}

TEST(Text, FontFromDcAndFromGdiFont) {
  Canvas canvas(10, 10);
  HFONT hfont = CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0,
                            0, "宋体");
  ASSERT_NE(hfont, nullptr);
  HGDIOBJ old = SelectObject(canvas.dc(), hfont);
  struct Case {
    const char* name;
    bool with_font;
  };
  for (const Case& c : {Case{"the DC's font", false}, Case{"a given font", true}}) {
    SCOPED_TRACE(c.name);
    DrawFont font;
    ASSERT_TRUE(c.with_font ? font.FromDC(canvas.dc(), hfont) : font.FromDC(canvas.dc()))
        << "status " << last_gdip_status;
    EXPECT_GT(font.GetSize(), 0.0f);
    EXPECT_TRUE(font.GetStyle() & gdip::FontStyleBold);
  }
  // Not a font: falls back to the DC's font.
  DrawFont fallback;
  EXPECT_TRUE(fallback.FromDC(canvas.dc(), reinterpret_cast<HFONT>(GetStockObject(NULL_BRUSH))));
  SelectObject(canvas.dc(), old);
  DeleteObject(hfont);
}

}  // namespace
