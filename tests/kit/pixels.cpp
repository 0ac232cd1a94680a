// Pixel probes for painting tests (see pixels.h). Uses only the platform and GoogleTest.
#include "tests/kit/pixels.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

Canvas::Canvas(int width, int height, COLORREF marker) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc_ || !bitmap_ || !bits) return;
  bits_ = static_cast<DWORD*>(bits);
  old_bitmap_ = SelectObject(dc_, bitmap_);
  fill(marker);
}

Canvas::~Canvas() {
  if (dc_ && old_bitmap_) SelectObject(dc_, old_bitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void Canvas::fill(COLORREF colour) {
  if (!bits_) return;
  GdiFlush();
  const DWORD word = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                     GetBValue(colour);
  std::fill(bits_, bits_ + static_cast<size_t>(width_) * height_, word);
}

DWORD Canvas::raw(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  GdiFlush();  // GDI may batch; the bits must be final before they are read
  return bits_[static_cast<size_t>(y) * width_ + x];
}

COLORREF Canvas::pixel(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const DWORD word = raw(x, y);
  return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
}

int Canvas::count_pixels(const RECT& area, const std::function<bool(COLORREF)>& test) const {
  int count = 0;
  for (int y = std::max(0L, area.top); y < std::min<LONG>(height_, area.bottom); ++y)
    for (int x = std::max(0L, area.left); x < std::min<LONG>(width_, area.right); ++x)
      if (test(pixel(x, y))) ++count;
  return count;
}

bool colour_near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string colour_text(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(colour));
  return text;
}

::testing::AssertionResult colour_matches(COLORREF actual, COLORREF expected, int tolerance) {
  if (actual != CLR_INVALID && colour_near(actual, expected, tolerance))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "colour " << colour_text(actual) << ", expected "
                                       << colour_text(expected) << " +/- " << tolerance;
}

bool is_dark(COLORREF colour, int limit) {
  return colour != CLR_INVALID && GetRValue(colour) < limit && GetGValue(colour) < limit &&
         GetBValue(colour) < limit;
}

bool running_under_wine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
