// The caption's icon and haloed title, drawn into the back buffer and, when
// painted on its own, copied to the window. Uses the skin's records and draw/.
#include "skin/methods/caption.h"

#include <algorithm>

#include "skin/core/gdi_guards.h"
#include "skin/core/shapes.h"
#include "skin/core/window_skin.h"
#include "skin/methods/render.h"

namespace skin {

void draw_text_with_halo(DrawGraphics& surface, const std::string& text, const DrawRectF& rect,
                         COLORREF colour, COLORREF halo, int offset, const std::string& font_name,
                         int style, float size, int horizontal, int vertical) {
  DrawFont font;
  font.Create(font_name, size, style);
  DrawStringFormat format;
  format.Create();
  format.SetAlign(horizontal);
  format.SetLineAlign(vertical);
  DrawSolidBrush halo_brush;
  halo_brush.Create(colour_to_argb(halo, 150));
  const float d = static_cast<float>(offset);
  const DrawPointF shifts[] = {{d, 0}, {-d, 0}, {0, d}, {0, -d}};
  for (const DrawPointF& s : shifts)
    surface.DrawString(text, font, halo_brush,
                       DrawRectF{rect.x + s.x, rect.y + s.y, rect.width, rect.height}, format);
  DrawSolidBrush text_brush;
  text_brush.Create(colour_to_argb(colour, 255));
  surface.DrawString(text, font, text_brush, rect, format);
}

void WindowSkin::draw_caption(int window_index, DrawGraphics* surface,
                              std::optional<std::string> text) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const int m = frame_margin;
  RECT client{};
  GetClientRect(w->hwnd, &client);
  const int x = m + 6, y = m + 5;
  const int width = client.right - w->strip_width - 10 - 2 * m;

  DrawGraphics own;
  DrawGraphics* g = surface;
  if (!g) {
    // The icon starts 3 pixels above the title; restoring from there keeps its
    // soft edges from darkening at every repaint.
    restore_caption_rect(window_index, RECT{x, y - 3, x + width, y + 32});
    own.FromHDC(w->back_buffer_dc);
    g = &own;
  }
  if (app_icon) DrawIconEx(w->back_buffer_dc, x, y - 3, app_icon, 17, 17, 0, nullptr, DI_NORMAL);
  std::string title;
  if (text) {
    title = *text;
  } else {
    title.resize(static_cast<size_t>(std::max(0, GetWindowTextLengthA(w->hwnd))) + 1);
    title.resize(static_cast<size_t>(GetWindowTextA(w->hwnd, &title[0], static_cast<int>(title.size()))));
  }
  if (!title.empty())
    draw_text_with_halo(*g, title,
                        DrawRectF{static_cast<float>(x + 20), static_cast<float>(y),
                                  static_cast<float>(width), 32.0f},
                        w->title_colour, w->title_halo_colour, 1, w->title_font,
                        w->title_bold ? 1 : 0, static_cast<float>(w->title_font_size));
  if (!surface) {
    own.Delete();
    ScopedGetDC screen(w->hwnd);
    if (screen.get()) {
      exclude_visible_children(w->hwnd, screen.get());
      BitBlt(screen.get(), m + 6, m + 3, width, 32, w->back_buffer_dc, m + 6, m + 3, SRCCOPY);
    }
  }
}

}  // namespace skin
