// Painting registered containers: the backdrop under the container with its tint,
// a panel frame or a group box's frame and title, copied to the screen.
// Uses the skin's records, backdrops, shapes, text measuring and draw/.
#include "skin/controls/registration.h"
#include "skin/controls/text_width.h"
#include "skin/core/backdrop.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/shapes.h"
#include "skin/methods/container.h"
#include "skin/methods/render.h"

namespace skin {

namespace {

ContainerRecord* container_at(int window_index, int list_index) {
  SkinnedWindow* w = window_record(window_index);
  return w ? record_at(w->container_list, list_index) : nullptr;
}

void stroke_rounded(DrawGraphics& g, float x, float y, float w, float h, int radius, DWORD argb) {
  DrawGraphicsPath path;
  path.Create();
  add_rounded_rect(path, x, y, w, h, radius);
  DrawPen pen;
  pen.Create(argb, 1.0f);
  g.DrawPath(pen, path);
}

void draw_panel_frame(HDC dc, const RECT& client) {
  DrawGraphics g;
  g.FromHDC(dc);
  const float w = static_cast<float>(client.right), h = static_cast<float>(client.bottom);
  stroke_rounded(g, 0, 0, w - 1, h - 1, 5, colour_to_argb(0, 40));
  stroke_rounded(g, 1, 1, w - 3, h - 3, 3, colour_to_argb(0xFFFFFF, 100));
}

// The container's picture in a captured backdrop; null when it lies in no
// skinned window. `client` receives its client rectangle.
HDC compose_container(int window_index, int list_index, RECT& client) {
  const ContainerRecord* record = container_at(window_index, list_index);
  if (!record) return nullptr;
  GetClientRect(record->hwnd, &client);
  HDC dc = capture_backdrop(record->hwnd, client);
  if (!dc) return nullptr;
  if (record->is_group_box)
    draw_group_box(window_index, list_index, dc);
  else if (record->draw_frame)
    draw_panel_frame(dc, client);
  return dc;
}

void copy_to_own_dc(HWND hwnd, HDC source, const RECT& client) {
  ScopedGetDC own(hwnd);
  if (!own.get()) return;
  exclude_visible_children(hwnd, own.get());
  BitBlt(own.get(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
}

}  // namespace

void paint_container(int window_index, int list_index, HDC dc) {
  ContainerRecord* record = container_at(window_index, list_index);
  if (!record) return;
  RECT client{};
  HDC picture = compose_container(window_index, list_index, client);
  if (!picture) return;
  if (dc)
    BitBlt(dc, 0, 0, client.right, client.bottom, picture, 0, 0, SRCCOPY);
  else
    copy_to_own_dc(record->hwnd, picture, client);
  record->needs_paint = 0;
  release_backdrop(picture);
}

void repaint_container(int window_index, int list_index, HWND hwnd) {
  RECT client{};
  HDC picture = compose_container(window_index, list_index, client);
  if (!picture) return;
  copy_to_own_dc(hwnd, picture, client);
  release_backdrop(picture);
  // Children that let the container show through must paint over the new picture.
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)
      InvalidateRect(child, nullptr, FALSE);
}

void draw_group_box(int window_index, int list_index, HDC dc) {
  const ContainerRecord* record = container_at(window_index, list_index);
  if (!record) return;
  HWND hwnd = record->hwnd;
  RECT client{};
  GetClientRect(hwnd, &client);
  const float w = static_cast<float>(client.right), h = static_cast<float>(client.bottom);
  {
    DrawGraphics g;
    g.FromHDC(dc);
    stroke_rounded(g, 0, 5, w - 1, h - 6, 5, colour_to_argb(0, 40));
    stroke_rounded(g, 1, 6, w - 3, h - 8, 3, colour_to_argb(0xFFFFFF, 90));
  }
  const std::string title = read_window_text(hwnd);
  // Without a title the frame stays whole: no gap is cut for it.
  if (title.empty()) return;
  const int width = text_width(title, record->font_name, record->font_size, record->font_style);
  const RECT place = group_box_title_rect(hwnd, width, record->font_size);
  // The frame line must not run through the title.
  group_box_title_backdrop(hwnd, dc, place);

  DrawGraphics g;
  g.FromHDC(dc);
  DrawFont font;
  font.Create(record->font_name, static_cast<float>(record->font_size), record->font_style);
  DrawStringFormat format;
  format.Create();
  format.SetAlign(gdip::StringAlignmentCenter);
  DrawSolidBrush brush;
  brush.Create(colour_to_argb(static_cast<COLORREF>(get_prop_value(hwnd, prop_text_colour)), 255));
  g.DrawString(title, font, brush,
               DrawRectF{static_cast<float>(place.left), static_cast<float>(place.top),
                         static_cast<float>(place.right - place.left),
                         static_cast<float>(place.bottom - place.top)},
               format);
}

void group_box_title_backdrop(HWND container, HDC dc, const RECT& rect) {
  // Captured whole, so that the tint keeps its place (a group box's starts at
  // its frame, 4 pixels below the title's top).
  RECT client{};
  GetClientRect(container, &client);
  ScopedBackdrop backdrop(container, client);
  if (!backdrop.get()) return;
  BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, backdrop.get(),
         rect.left, rect.top, SRCCOPY);
}

RECT group_box_title_rect(HWND container, int title_width, int font_size) {
  RECT client{};
  GetClientRect(container, &client);
  const LONG_PTR style = GetWindowLongPtrA(container, GWL_STYLE);
  int x = 10;  // BS_LEFT
  if ((style & BS_CENTER) == BS_CENTER)
    x = static_cast<int>((client.right - title_width) / 2.0);
  else if (!(style & BS_LEFT))  // BS_RIGHT, and no alignment bit at all
    x = client.right - title_width - 10;
  return RECT{x, 1, x + title_width, 1 + font_size + 3};
}

}  // namespace skin
