// The caption-button strip: layout, hit testing, and painting one button in its
// normal, highlighted (fading) or pressed look with its separators.
// Uses the skin's records, shapes and render routines, and draw/.
#include <cstdint>

#include "skin/core/gdi_guards.h"
#include "skin/core/picture_cache.h"
#include "skin/core/shapes.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

constexpr COLORREF red = 0x0000FF;

struct ButtonBox {
  const CaptionButton* button;
  int x, y, width, height;
};

CaptionButton* button_at(SkinnedWindow& w, int n) {
  if (n < 1 || n > static_cast<int>(w.caption_buttons.size())) return nullptr;
  return &w.caption_buttons[static_cast<size_t>(n - 1)];
}

// The button's outline for highlights: close rounds only its top-right corner.
void add_highlight_shape(DrawGraphicsPath& path, const CaptionButton& b, float x, float y,
                         float width, float height) {
  if (b.kind == kind_close)
    top_right_rounded_path(path, x, y, width, height, 5);
  else
    add_rounded_top(path, x, y, width, height, 1);
}

void fill_vertical(DrawGraphics& g, const DrawGraphicsPath& path, float x, float y, float h,
                   DWORD from, DWORD to) {
  DrawLinearBrush brush;
  brush.Create(DrawPointF{x, y}, DrawPointF{x, y + h}, from, to);
  g.FillPath(brush, path);
}

void copy_to_window(const SkinnedWindow& w, int x, int y, int width, int height) {
  ScopedGetDC screen(w.hwnd);
  if (screen.get()) BitBlt(screen.get(), x, y, width, height, w.back_buffer_dc, x, y, SRCCOPY);
}

void separator_line(DrawGraphics& g, const SkinnedWindow& w, const CaptionButton& b, int alpha) {
  const float lx = static_cast<float>(static_cast<int>(b.rect.x - 2));
  const float top = static_cast<float>(w.strip_y);
  DrawLinearBrush brush;
  brush.Create(DrawPointF{lx, top}, DrawPointF{lx, top + w.strip_height - 3},
               colour_to_argb(0, alpha), colour_to_argb(0, 0));
  DrawPen pen;
  pen.CreateFromBrush(brush, 1.0f);
  g.DrawLine(pen, lx, top + 1, lx, top + w.strip_height - 4);
}

}  // namespace

void WindowSkin::layout_caption_buttons(int window_index) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  if (static_cast<int32_t>(reinterpret_cast<LONG_PTR>(w->hwnd)) > 0) {
    RECT client{};
    GetClientRect(w->hwnd, &client);
    w->strip_x = client.right - w->strip_width + 1;
    w->strip_height = 22;
  }
  for (size_t k = 0; k < w->caption_buttons.size(); ++k) {
    CaptionButton& b = w->caption_buttons[k];
    b.rect.x = static_cast<float>(w->strip_x + 2 + 27 * static_cast<int>(k));
    b.rect.y = static_cast<float>(w->strip_y + 1);
    b.rect.width = b.kind == kind_close ? 40.0f : 26.0f;
    b.rect.height = 18.0f;
    const int x = static_cast<int>(b.rect.x), y = static_cast<int>(b.rect.y);
    const RECT tool{x, y, x + static_cast<int>(b.rect.width), y + static_cast<int>(b.rect.height)};
    w->tooltips.SetToolRect(k + 1, tool);
    w->tooltips.UpdateText(k + 1, b.tooltip);
  }
}

int WindowSkin::hit_test_caption_button(int window_index, int x, int y) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || x < w->strip_x || y < w->strip_y || y > w->strip_y + w->strip_height) return 0;
  for (size_t k = 0; k < w->caption_buttons.size(); ++k) {
    const CaptionRect& r = w->caption_buttons[k].rect;
    // Strictly inside: a point on an edge belongs to no button.
    if (r.x < x && x < r.x + r.width && r.y < y && y < r.y + r.height)
      return static_cast<int>(k + 1);
  }
  return 0;
}

int WindowSkin::find_maximize_button(int window_index) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return 0;
  for (size_t k = 0; k < w->caption_buttons.size(); ++k)
    if (w->caption_buttons[k].kind == kind_maximize) return static_cast<int>(k + 1);
  return 0;
}

void WindowSkin::draw_caption_button(int window_index, int button_index, DrawGraphics* surface,
                                     std::optional<int> state, std::optional<int> alpha) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const CaptionButton* b = button_at(*w, button_index);
  if (!b) return;
  const int x = static_cast<int>(b->rect.x - 1), y = w->strip_y + 1;
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float bw = static_cast<float>(b->width), bh = static_cast<float>(b->height);
  const Bytes& picture = (b->kind == kind_maximize && w->maximized) ? b->second_picture : b->picture;

  if (state && *state != 0) {  // pressed: always painted on the back buffer and shown at once
    restore_caption_rect(window_index, RECT{x, y, x + b->width, y + b->height});
    {
      DrawGraphics g;
      g.FromHDC(w->back_buffer_dc);
      DrawGraphicsPath path;
      path.Create();
      if (b->kind == kind_close) {
        top_right_rounded_path(path, fx, fy, bw, bh, 5);
        fill_vertical(g, path, fx, fy, bh, colour_to_argb(red, 255), colour_to_argb(0xFFFFFF, 30));
      } else {
        path.AddRectangle(fx, fy, bw, bh);
        fill_vertical(g, path, fx, fy, bh, colour_to_argb(0, 80), colour_to_argb(0xFFFFFF, 5));
      }
    }
    draw_cached_picture(w->back_buffer_dc, picture, x, y, b->width - 1, b->height);
    copy_to_window(*w, x, y, b->width, b->height);
    return;
  }

  DrawGraphics own;
  DrawGraphics* g = surface;
  if (!g) {
    own.FromHDC(w->back_buffer_dc);
    own.SetSmoothingMode(gdip::SmoothingModeAntiAlias);
    g = &own;
  }
  draw_caption_button_highlight(*g, window_index, button_index, alpha);
  {
    DrawGraphicsPath sheen;
    sheen.Create();
    sheen.AddRectangle(fx - 1, fy, bw + 1, bh - 1);
    fill_vertical(*g, sheen, fx, fy, bh, colour_to_argb(0xFFFFFF, 50), colour_to_argb(0, 0));
  }
  draw_cached_picture(w->back_buffer_dc, picture, x, y, b->width, b->height);
  draw_caption_button_separator(window_index, button_index, *g);
  if (!surface) {
    own.Delete();
    copy_to_window(*w, x, y, b->width, b->height);
  }
}

void WindowSkin::draw_caption_button_highlight(DrawGraphics& surface, int window_index,
                                               int button_index, std::optional<int> alpha) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const CaptionButton* b = button_at(*w, button_index);
  if (!b) return;
  const int a = alpha.value_or(0);
  const int x = static_cast<int>(b->rect.x - 1), y = static_cast<int>(b->rect.y);
  restore_caption_rect(window_index, RECT{x - 1, y, x - 1 + b->width + 2, y + b->height + 1});
  if (a <= 0) return;  // every layer below would be fully transparent

  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float bw = static_cast<float>(b->width), bh = static_cast<float>(b->height);
  DrawGraphicsPath shadow;
  shadow.Create();
  add_rounded_top(shadow, fx, fy, bw, bh, 1);
  fill_vertical(surface, shadow, fx, fy, bh, colour_to_argb(0, a / 5), colour_to_argb(0xFFFFFF, 0));

  DrawGraphicsPath colour;
  colour.Create();
  add_highlight_shape(colour, *b, fx, fy, bw, bh);
  const COLORREF tint = b->kind == kind_close ? red : theme_colour;
  fill_vertical(surface, colour, fx, fy, bh, colour_to_argb(tint, a), colour_to_argb(0xFFFFFF, 0));

  DrawGraphicsPath gloss;
  gloss.Create();
  add_highlight_shape(gloss, *b, fx, fy, static_cast<float>(static_cast<int>(bw - 1)),
                      static_cast<float>(static_cast<int>(bh * 0.8)));
  DrawLinearBrush gloss_brush;
  gloss_brush.Create(DrawPointF{fx, fy}, DrawPointF{fx, fy + bh},
                     colour_to_argb(0xFFFFFF, static_cast<int>(a * 0.8)),
                     colour_to_argb(0xFFFFFF, 0));
  DrawPen pen;
  pen.CreateFromBrush(gloss_brush, 1.0f);
  surface.DrawPath(pen, gloss);
}

void WindowSkin::draw_caption_button_separator(int window_index, int button_index,
                                               DrawGraphics& surface) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const CaptionButton* b = button_at(*w, button_index);
  if (!b) return;
  separator_line(surface, *w, *b, button_index == 1 ? 100 : 60);
  if (const CaptionButton* next = button_at(*w, button_index + 1))
    separator_line(surface, *w, *next, 60);
}

}  // namespace skin
