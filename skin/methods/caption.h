// Text with a soft halo, as the caption title and status texts are drawn.
// Uses draw/.
#pragma once
#include <string>

#include "draw/draw.h"

namespace skin {

// The text in `colour` over four copies in `halo` (alpha 150) shifted by `offset`
// to the right, left, bottom and top. Style bit 1 = bold; alignments are gdip's.
void draw_text_with_halo(DrawGraphics& surface, const std::string& text, const DrawRectF& rect,
                         COLORREF colour, COLORREF halo, int offset = 1,
                         const std::string& font_name = "宋体", int style = 0,
                         float size = 13.0f, int horizontal = 0, int vertical = 0);

}  // namespace skin
