// Small encoded pictures drawn often (caption-button glyphs), decoded once and
// kept as premultiplied 32-bit GDI bitmaps. Uses draw/ for decoding, GDI for drawing.
#pragma once
#include <windows.h>
#include <string>

namespace skin {

// Draws the encoded picture scaled into (x, y, width, height) of dc with its
// alpha; nothing when it does not decode. Decoding through GDI+ costs about a
// millisecond under Wine, far more than a fade frame may take.
void draw_cached_picture(HDC dc, const std::string& picture, int x, int y, int width, int height);

}  // namespace skin
