// Colour conversion and the path shapes every skin painter uses: rounded
// rectangles, rounded tops, the close button's outline, and the widening glow.
// Uses the drawing layer only.
#pragma once
#include <windows.h>
#include <optional>

#include "draw/draw.h"

namespace skin {

// COLORREF 0x00BBGGRR to ARGB 0xAARRGGBB; alpha 255 when none is given.
DWORD colour_to_argb(COLORREF colour, std::optional<int> alpha = {});

// A closed rounded rectangle; the radius is clamped to 1..100.
void add_rounded_rect(DrawGraphicsPath& path, float x, float y, float width, float height,
                      int radius);
// An open figure with both top corners rounded.
void add_rounded_top(DrawGraphicsPath& path, float x, float y, float width, float height,
                     int radius);
// An open figure with only its top-right corner rounded (the close button).
void top_right_rounded_path(DrawGraphicsPath& path, float x, float y, float width, float height,
                            int corner);
// Strokes the path count times with pens 1, 2, ... count pixels wide.
void draw_glow(DrawGraphics& graphics, const DrawGraphicsPath& path, int count, COLORREF colour,
               int alpha);

}  // namespace skin
