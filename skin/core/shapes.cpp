// Colour conversion and the rounded path shapes of the skin. Drawing layer only.
#include "skin/core/shapes.h"

#include <algorithm>

namespace skin {

DWORD colour_to_argb(COLORREF colour, std::optional<int> alpha) {
  DWORD a = alpha ? static_cast<DWORD>(*alpha) & 0xFF : 0xFF;
  DWORD r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
  return (a << 24) | (r << 16) | (g << 8) | b;
}

void add_rounded_rect(DrawGraphicsPath& path, float x, float y, float width, float height,
                      int radius) {
  const float r = static_cast<float>(std::clamp(radius, 1, 100));
  const float right = x + width, bottom = y + height;
  path.AddArc(right - r, y, r, r, 270, 90);
  path.AddArc(right - r - 1, bottom - r - 1, r + 1, r + 1, 0, 90);
  path.AddArc(x, bottom - r, r, r, 90, 90);
  path.AddArc(x, y, r, r, 180, 90);
  path.CloseFigure();
}

void add_rounded_top(DrawGraphicsPath& path, float x, float y, float width, float height,
                     int radius) {
  const float r = static_cast<float>(radius);
  path.AddLine(x, y + height, x, y + r);
  path.AddArc(x, y, r, r, 180, 90);
  path.AddLine(x + r, y, x + width - r, y);
  path.AddArc(x + width - r, y, r, r, 270, 90);
  path.AddLine(x + width, y + r, x + width, y + height);
}

void top_right_rounded_path(DrawGraphicsPath& path, float x, float y, float width, float height,
                            int corner) {
  const float c = static_cast<float>(corner);
  path.AddLine(x, y + height, x, y);
  path.AddLine(x, y, x + width - c, y);
  path.AddArc(x + width - c, y, c, c, 270, 90);
  path.AddLine(x + width, y + c, x + width, y + height);
}

void draw_glow(DrawGraphics& graphics, const DrawGraphicsPath& path, int count, COLORREF colour,
               int alpha) {
  DrawPen pen;
  pen.Create(colour_to_argb(colour, alpha), 1.0f);
  for (int i = 1; i <= count; ++i) {
    pen.SetWidth(static_cast<float>(i));
    graphics.DrawPath(pen, path);
  }
}

}  // namespace skin
