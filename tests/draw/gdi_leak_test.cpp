// A thousand rounds of making, drawing with and releasing every kind of drawing object
// leave the process's live GDI objects where they were. Uses the drawing layer, the test
// kit and GoogleTest.
#include <gtest/gtest.h>

#include <string>

#include "draw/draw.h"
#include "tests/draw/draw_test_util.h"
#include "tests/kit/gdi_count.h"

namespace {

// One round as a skin painter does it: shapes, gradient, outline, text, picture, icon,
// a bitmap drawn off-screen and handed to GDI, and a tooltip. Everything goes at the end.
void draw_round(HWND owner, const std::string& png, HICON icon) {
  Canvas canvas(120, 60);
  DrawGraphics graphics;
  graphics.FromHDC(canvas.dc());
  graphics.SetSmoothingMode(gdip::SmoothingModeAntiAlias);

  DrawGraphicsPath path;
  path.Create();
  path.AddArc(2, 2, 10, 10, 180, 90);
  path.AddArc(108, 2, 10, 10, 270, 90);
  path.AddArc(108, 48, 10, 10, 0, 90);
  path.AddArc(2, 48, 10, 10, 90, 90);
  path.CloseFigure();
  DrawLinearBrush gradient;
  gradient.Create({0, 0}, {0, 60}, 0xFFFFFFFF, 0xFF3399FF);
  graphics.FillPath(gradient, path);
  DrawPathBrush glow;
  glow.CreateFromPath(path);
  glow.SetCenterColor(0x80FFFFFF);
  glow.SetSurroundColors({0x00FFFFFF});
  graphics.FillPath(glow, path);
  DrawPen outline;
  outline.CreateFromBrush(gradient, 1);
  graphics.DrawPath(outline, path);

  HFONT hfont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
  DrawFont font;
  font.FromDC(canvas.dc(), hfont);
  DrawStringFormat format;
  format.Create();
  format.SetAlign(gdip::StringAlignmentCenter);
  DrawSolidBrush ink;
  ink.Create(0xFF000000);
  graphics.DrawString("按钮", font, ink, {0, 0, 120, 60}, format);
  DeleteObject(hfont);

  DrawPicture picture;
  picture.FromBytes(png);
  graphics.DrawImageRect(picture, 4, 4, 20, 20);
  DrawBitmap from_icon;
  from_icon.FromHICON(icon);
  graphics.DrawImage(from_icon, 30, 4);

  DrawBitmap off_screen;
  off_screen.Create(40, 20);
  DrawGraphics on_bitmap;
  on_bitmap.FromImage(off_screen);
  on_bitmap.Clear(0xFF00FF00);
  on_bitmap.Delete();
  HBITMAP copy = off_screen.ToHBITMAP();
  DeleteObject(copy);

  ToolTipWindow tip;
  tip.Create(owner);
  tip.AddTool({0, 0, 10, 10}, "关闭", 1);
}

TEST(GdiLeak, ThousandRoundsReturnToTheStartCount) {
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  std::string png;
  {
    DrawBitmap source;
    ASSERT_TRUE(source.Create(16, 16));
    png = source.SaveToBytes(gdip::ImageFormatPNG);
    ASSERT_FALSE(png.empty());
  }
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  for (int i = 0; i < 5; ++i) draw_round(owner, png, icon);  // lazily made objects settle
  const int before = count_live_gdi_objects();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 1000; ++i) draw_round(owner, png, icon);
  EXPECT_EQ(count_live_gdi_objects(), before);
  DestroyWindow(owner);
}

}  // namespace
