// Pictures through the layer: made and encoded here, loaded from bytes, drawn, re-encoded,
// converted to GDI bitmaps; and the failures around them. Uses the drawing layer,
// the test kit and GoogleTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "draw/draw.h"
#include "tests/draw/draw_test_util.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kWidth = 64;
constexpr int kHeight = 32;

// A 64 x 32 picture, red on the left half and blue on the right, encoded in `format`.
// Halves on 16-pixel blocks keep JPEG's colours true away from the split.
std::string two_colour_picture(const char* format) {
  DrawBitmap bitmap;
  DrawGraphics graphics;
  DrawSolidBrush blue;
  if (!bitmap.Create(kWidth, kHeight) || !graphics.FromImage(bitmap) ||
      !graphics.Clear(argb_of(kRed)) || !blue.Create(argb_of(kBlue)) ||
      !graphics.FillRectangle(blue, kWidth / 2, 0, kWidth / 2, kHeight))
    return std::string();
  graphics.Delete();
  return bitmap.SaveToBytes(format);
}

// The picture stretched onto a canvas twice its size; probes well inside each half.
void expect_two_colours_drawn(const DrawPicture& picture, int tolerance) {
  Canvas canvas(2 * kWidth, 2 * kHeight);
  {
    DrawGraphics graphics;
    ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
    ASSERT_TRUE(graphics.DrawImageRect(picture, 0, 0, 2 * kWidth, 2 * kHeight))
        << "status " << last_gdip_status;
  }
  expect_probes(canvas, {{16, 32, kRed, tolerance}, {48, 8, kRed, tolerance},
                         {80, 32, kBlue, tolerance}, {120, 56, kBlue, tolerance}});
}

struct FormatCase {
  const char* name;
  const char* format;
  std::string magic;  // first bytes of the encoding
  int tolerance;
};

TEST(Picture, EncodedBytesLoadBackWithSizeAndColours) {
  const std::vector<FormatCase> cases = {
      {"PNG", gdip::ImageFormatPNG, "\x89PNG", 0},
      {"JPEG", gdip::ImageFormatJPEG, "\xFF\xD8", 40},
      {"BMP", gdip::ImageFormatBMP, "BM", 0},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = two_colour_picture(c.format);
    ASSERT_GT(bytes.size(), c.magic.size());
    EXPECT_EQ(bytes.compare(0, c.magic.size(), c.magic), 0);
    for (bool use_icm : {false, true}) {
      DrawPicture picture;
      ASSERT_TRUE(picture.FromBytes(bytes, use_icm)) << "status " << last_gdip_status;
      EXPECT_EQ(picture.GetWidth(), static_cast<UINT>(kWidth));
      EXPECT_EQ(picture.GetHeight(), static_cast<UINT>(kHeight));
      expect_two_colours_drawn(picture, c.tolerance);
    }
  }
}

TEST(Picture, PngRoundTripKeepsEveryPixel) {
  DrawBitmap original;
  ASSERT_TRUE(original.FromBytes(two_colour_picture(gdip::ImageFormatJPEG)));  // varied pixels
  DrawPicture as_picture;
  ASSERT_TRUE(as_picture.FromBytes(original.SaveToBytes(gdip::ImageFormatPNG)));
  const std::string png = as_picture.SaveToBytes(gdip::ImageFormatPNG);
  ASSERT_FALSE(png.empty());
  EXPECT_EQ(as_picture.SaveToBytes(), png) << "the own format of a PNG picture is PNG";
  DrawBitmap decoded;
  ASSERT_TRUE(decoded.FromBytes(png));
  ASSERT_EQ(decoded.GetWidth(), original.GetWidth());
  int differing = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (decoded.GetPixel(x, y) != original.GetPixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
}

TEST(Picture, DrawsAfterTheCallersBytesAreGone) {
  DrawPicture picture;
  {
    std::string bytes = two_colour_picture(gdip::ImageFormatPNG);
    ASSERT_TRUE(picture.FromBytes(bytes));
    std::fill(bytes.begin(), bytes.end(), '\0');  // a caller reusing its buffer
  }
  expect_two_colours_drawn(picture, 0);
  {  // at its natural size too
    Canvas canvas(kWidth, kHeight);
    DrawGraphics graphics;
    ASSERT_TRUE(graphics.FromHDC(canvas.dc()));
    ASSERT_TRUE(graphics.DrawImage(picture, 0, 0));
    graphics.Delete();
    expect_probes(canvas, {{8, 16, kRed, 0}, {56, 16, kBlue, 0}});
  }
}

struct BadLoad {
  const char* name;
  std::string bytes;
};

TEST(Picture, BytesThatAreNoPictureLeaveItBlank) {
  const std::vector<BadLoad> cases = {
      {"empty buffer", std::string()},
      {"text", "not a picture at all"},
      {"cut-off PNG", two_colour_picture(gdip::ImageFormatPNG).substr(0, 12)},
  };
  for (const BadLoad& c : cases) {
    SCOPED_TRACE(c.name);
    DrawPicture picture;
    EXPECT_FALSE(picture.FromBytes(c.bytes));
    EXPECT_NE(last_gdip_status, gdip::Ok);
    EXPECT_EQ(picture.GetHandle(), nullptr);
    EXPECT_EQ(picture.GetWidth(), 0u);
    EXPECT_EQ(last_gdip_status, gdip::InvalidParameter);
    DrawBitmap bitmap;
    EXPECT_FALSE(bitmap.FromBytes(c.bytes));
    EXPECT_EQ(bitmap.GetHandle(), nullptr);
  }
}

struct BadSave {
  const char* name;
  bool loaded;
  std::string format;
};

TEST(Picture, SaveWithoutAnEncoderGivesNoBytes) {
  const std::vector<BadSave> cases = {
      {"lower-case PNG text", true, "{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"},
      {"PNG text without braces", true, "B96B3CAF-0728-11D3-9D7B-0000F81EF32E"},
      {"not a GUID", true, "png"},
      {"blank picture", false, gdip::ImageFormatPNG},
  };
  for (const BadSave& c : cases) {
    SCOPED_TRACE(c.name);
    DrawPicture picture;
    if (c.loaded) {
      ASSERT_TRUE(picture.FromBytes(two_colour_picture(gdip::ImageFormatPNG)));
    }
    EXPECT_EQ(picture.SaveToBytes(c.format), "");
    EXPECT_NE(last_gdip_status, gdip::Ok);
  }
  // A bitmap made in memory has a format of its own that no encoder writes.
  DrawBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(4, 4));
  EXPECT_EQ(bitmap.SaveToBytes(), "");
  EXPECT_FALSE(bitmap.SaveToBytes(gdip::ImageFormatPNG).empty());
}

TEST(Picture, DisposeTwiceAndReload) {
  const std::string png = two_colour_picture(gdip::ImageFormatPNG);
  DrawPicture picture;
  EXPECT_FALSE(picture.Dispose()) << "blank";
  ASSERT_TRUE(picture.FromBytes(png));
  ASSERT_TRUE(picture.FromBytes(png)) << "loading again replaces the first image";
  EXPECT_TRUE(picture.Dispose());
  last_gdip_status = -1;
  EXPECT_FALSE(picture.Dispose());
  EXPECT_EQ(last_gdip_status, -1) << "the second dispose calls nothing";
  EXPECT_EQ(picture.GetWidth(), 0u);
}

TEST(Picture, FromFileReadsWhatWasSaved) {
  char dir[MAX_PATH] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, dir), 0u);
  const std::string path = std::string(dir) + "绘图测试.png";  // a code-page-936 file name
  const std::string png = two_colour_picture(gdip::ImageFormatPNG);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
  CloseHandle(file);
  {
    DrawPicture picture;
    ASSERT_TRUE(picture.FromFile(path)) << "status " << last_gdip_status;
    EXPECT_EQ(picture.GetWidth(), static_cast<UINT>(kWidth));
    DrawBitmap bitmap;
    ASSERT_TRUE(bitmap.FromFile(path, true));
    EXPECT_EQ(bitmap.GetPixel(56, 16), argb_of(kBlue));
  }
  DeleteFileA(path.c_str());
  DrawPicture missing;
  EXPECT_FALSE(missing.FromFile(path));
  EXPECT_EQ(missing.GetHandle(), nullptr);
}

TEST(Bitmap, PixelsRotationAndGdiCopy) {
  DrawBitmap bitmap;
  ASSERT_TRUE(bitmap.FromBytes(two_colour_picture(gdip::ImageFormatPNG)));
  EXPECT_EQ(bitmap.GetPixel(8, 16), argb_of(kRed));
  EXPECT_EQ(bitmap.GetPixel(56, 16), argb_of(kBlue));
  EXPECT_EQ(bitmap.GetPixel(kWidth, 0), 0u) << "outside";
  EXPECT_NE(last_gdip_status, gdip::Ok);

  ASSERT_TRUE(bitmap.RotateFlip(gdip::RotateNoneFlipX));
  EXPECT_EQ(bitmap.GetPixel(8, 16), argb_of(kBlue));
  ASSERT_TRUE(bitmap.RotateFlip(gdip::Rotate90FlipNone));
  EXPECT_EQ(bitmap.GetWidth(), static_cast<UINT>(kHeight));
  EXPECT_EQ(bitmap.GetHeight(), static_cast<UINT>(kWidth));

  HBITMAP copy = bitmap.ToHBITMAP(0xFF00FF00);
  ASSERT_NE(copy, nullptr);
  BITMAP info = {};
  ASSERT_EQ(GetObjectA(copy, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, kHeight);
  EXPECT_EQ(info.bmHeight, kWidth);
  Canvas canvas(kHeight, kWidth);
  HDC source = CreateCompatibleDC(canvas.dc());
  HGDIOBJ old = SelectObject(source, copy);
  BitBlt(canvas.dc(), 0, 0, kHeight, kWidth, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(copy);
  // Rotated a quarter turn clockwise: the blue half (flipped to the left) is now on top.
  expect_probes(canvas, {{16, 8, kBlue, 0}, {16, 56, kRed, 0}});
}

TEST(Bitmap, TransparentPixelsTakeTheBackgroundInTheGdiCopy) {
  DrawBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(8, 8));  // all transparent
  HBITMAP copy = bitmap.ToHBITMAP(argb_of(kRed));
  ASSERT_NE(copy, nullptr);
  Canvas canvas(8, 8);
  HDC source = CreateCompatibleDC(canvas.dc());
  HGDIOBJ old = SelectObject(source, copy);
  BitBlt(canvas.dc(), 0, 0, 8, 8, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(copy);
  EXPECT_TRUE(colour_matches(canvas.pixel(4, 4), kRed, 0));
}

TEST(Bitmap, FromIconKeepsItsSize) {
  HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  ASSERT_NE(icon, nullptr);
  DrawBitmap bitmap;
  ASSERT_TRUE(bitmap.FromHICON(icon)) << "status " << last_gdip_status;
  EXPECT_EQ(bitmap.GetWidth(), static_cast<UINT>(GetSystemMetrics(SM_CXICON)));
  EXPECT_EQ(bitmap.GetHeight(), static_cast<UINT>(GetSystemMetrics(SM_CYICON)));
  DrawBitmap none;
  EXPECT_FALSE(none.FromHICON(nullptr));
}

TEST(Bitmap, MovedBitmapKeepsItsPixels) {
  DrawBitmap first;
  ASSERT_TRUE(first.FromBytes(two_colour_picture(gdip::ImageFormatPNG)));
  void* handle = first.GetHandle();
  DrawBitmap second(std::move(first));
  EXPECT_EQ(first.GetHandle(), nullptr);
  EXPECT_EQ(second.GetHandle(), handle);
  EXPECT_EQ(second.GetPixel(56, 16), argb_of(kBlue));
  DrawBitmap third;
  third = std::move(second);
  EXPECT_EQ(third.GetPixel(8, 16), argb_of(kRed));
  EXPECT_EQ(second.GetPixel(8, 16), 0u);
}

}  // namespace
