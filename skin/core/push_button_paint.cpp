// The painter of ordinary push buttons (owner-drawn ButtonRecord kind 0): a veiled,
// glossy rounded body with hot, focus, pressed and disabled looks, over the
// control's backdrop. Uses the skin's records, shapes and backdrops, and draw/.
#include "skin/core/backdrop.h"
#include "skin/core/shapes.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

const ButtonRecord* button_record(HWND button) {
  SkinnedWindow* w = window_record(static_cast<int>(get_prop_value(button, prop_owner_index)));
  return w ? record_at(w->button_list, static_cast<int>(get_prop_value(button, prop_list_index)))
           : nullptr;
}

// A vertical gradient from (x, top) to (x, bottom).
void fill_vertical(DrawGraphics& g, const DrawGraphicsPath& path, float x, float top, float bottom,
                   DWORD from, DWORD to) {
  DrawLinearBrush brush;
  brush.Create(DrawPointF{x, top}, DrawPointF{x, bottom}, from, to);
  g.FillPath(brush, path);
}

void stroke(DrawGraphics& g, const DrawGraphicsPath& path, DWORD argb) {
  DrawPen pen;
  pen.Create(argb, 1.0f);
  g.DrawPath(pen, path);
}

void paint_disabled(DrawGraphics& g, const DrawGraphicsPath& body, float x, float y, float w,
                    float h) {
  DrawSolidBrush grey;
  grey.Create(colour_to_argb(0xC0C0C0, 255));
  g.FillRectangle(grey, x, y, w, h);
  DrawLinearBrush shade;
  shade.Create(DrawPointF{x, y}, DrawPointF{x, y + h}, colour_to_argb(0xFFFFFF, 50),
               colour_to_argb(0xFFFFFF, 50));
  shade.SetPresetBlend({colour_to_argb(0xFFFFFF, 50), colour_to_argb(0, 10),
                        colour_to_argb(0xFFFFFF, 50)},
                       {0.0f, 0.6f, 1.0f});
  g.FillPath(shade, body);
  stroke(g, body, colour_to_argb(0, 80));
}

void paint_enabled(DrawGraphics& g, const DrawGraphicsPath& body, UINT state, float x, float y,
                   float w, float h) {
  fill_vertical(g, body, x, y, y + h - 1, colour_to_argb(0xFFFFFF, 0),
                colour_to_argb(0x808080, 60));
  DrawGraphicsPath gloss;
  gloss.Create();
  add_rounded_top(gloss, x, y, w - 1, static_cast<float>(static_cast<int>(h * 0.5)), 5);
  fill_vertical(g, gloss, x, y, y + h * 0.5f, colour_to_argb(0xFFFFFF, 50),
                colour_to_argb(0xFFFFFF, 10));
  // Hot wins over focus: the glow would fight the theme outline.
  if (state & ODS_HOTLIGHT) {
    fill_vertical(g, body, x, y, y + h - 1, colour_to_argb(theme_colour, 60),
                  colour_to_argb(theme_colour, 10));
    stroke(g, body, colour_to_argb(theme_colour, 255));
  } else if (state & ODS_FOCUS) {
    draw_glow(g, body, 3, default_theme_colour, 120);
    stroke(g, body, colour_to_argb(0, 70));
  } else {
    stroke(g, body, colour_to_argb(0, 120));
  }
  if (state & ODS_SELECTED) {
    DrawGraphicsPath inner;
    inner.Create();
    add_rounded_rect(inner, x + 2, y + 2, w - 3, h - 3, 5);
    DrawLinearBrush brush;
    brush.Create(DrawPointF{2, 2}, DrawPointF{2, h - 2}, colour_to_argb(theme_colour, 60),
                 colour_to_argb(0xFFFFFF, 100));
    g.FillPath(brush, inner);
  }
}

}  // namespace

void paint_push_button(HWND button, HDC dc, UINT state, const RECT& rect) {
  const ButtonRecord* record = button_record(button);
  if (!record) return;
  const float x = static_cast<float>(rect.left), y = static_cast<float>(rect.top);
  const int wi = rect.right - rect.left, hi = rect.bottom - rect.top;
  const float w = static_cast<float>(wi), h = static_cast<float>(hi);
  ScopedBackdrop backdrop(button, rect);
  if (!backdrop.get()) return;  // in no skinned window: nothing to paint over
  {
    DrawGraphics g;
    g.FromHDC(backdrop.get());
    DrawGraphicsPath body;
    body.Create();
    add_rounded_rect(body, x, y, w - 1, h - 1, 5);
    DrawSolidBrush veil;
    veil.Create(colour_to_argb(0xFFFFFF, 120));
    g.FillPath(veil, body);
    if (state & ODS_DISABLED)
      paint_disabled(g, body, x, y, w, h);
    else
      paint_enabled(g, body, state, x, y, w, h);

    DrawFont font;
    font.Create(record->font_name, static_cast<float>(record->font_size), record->font_style);
    DrawStringFormat format;
    format.Create();
    format.SetAlign(gdip::StringAlignmentCenter);
    format.SetLineAlign(gdip::StringAlignmentCenter);
    DrawSolidBrush text;
    text.Create(colour_to_argb(static_cast<COLORREF>(get_prop_value(button, prop_text_colour))));
    g.DrawString(record->text, font, text, DrawRectF{0, 2, w, h}, format);
  }
  BitBlt(dc, 0, 0, wi, hi, backdrop.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
