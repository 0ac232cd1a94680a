// Pixel probes for painting tests: an off-screen 32-bit canvas with a memory DC, and
// colour comparisons with a tolerance. Uses only the platform (gdi32) and GoogleTest.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

// A colour no painter uses: pixels still holding it were not touched.
constexpr COLORREF kMarkerColour = RGB(0x5A, 0x3C, 0x1E);

// A memory DC with a top-down 32-bit DIB section of width x height selected, filled
// with a marker colour. Painters draw into dc(); pixel() reads back. Not copyable.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF marker = kMarkerColour);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool ok() const { return bits_ != nullptr; }  // false when the DIB could not be made

  void fill(COLORREF colour);
  // The colour at (x, y) without its alpha byte; CLR_INVALID outside the canvas.
  COLORREF pixel(int x, int y) const;
  // The raw 0xAARRGGBB word at (x, y) (alpha as the painter left it); 0 outside.
  DWORD raw(int x, int y) const;
  // How many pixels of `area` (clipped to the canvas) pass `test`.
  int count_pixels(const RECT& area, const std::function<bool(COLORREF)>& test) const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  DWORD* bits_ = nullptr;
};

// Every channel of a and b within `tolerance` of each other.
bool colour_near(COLORREF a, COLORREF b, int tolerance);
// colour_near as a GoogleTest assertion that prints both colours as 0xBBGGRR.
::testing::AssertionResult colour_matches(COLORREF actual, COLORREF expected, int tolerance);
std::string colour_text(COLORREF colour);
// Whether the program runs under Wine, whose drawing differs from Windows in places
// (tests mark such expectations explicitly).
bool running_under_wine();
// A dark pixel: every channel below `limit`.
bool is_dark(COLORREF colour, int limit = 0x60);
