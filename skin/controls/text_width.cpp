// Measuring a caption as GDI+ draws it. Uses draw/ and the skin's GDI guards.
#include "skin/controls/text_width.h"

#include <cmath>

#include "draw/draw.h"
#include "skin/core/gdi_guards.h"

namespace skin {

int text_width(const std::string& text, const std::string& family, int size, int style) {
  OwnedMemoryDC dc(nullptr);
  if (!dc.get()) return 0;
  DrawGraphics g;
  DrawFont font;
  if (!g.FromHDC(dc.get()) || !font.Create(family, static_cast<float>(size), style)) return 0;
  DrawRectF bounds{};
  if (!g.MeasureString(text, font, DrawRectF{0, 0, 0, 0}, bounds)) return 0;
  return static_cast<int>(std::floor(bounds.width)) + 1;
}

}  // namespace skin
