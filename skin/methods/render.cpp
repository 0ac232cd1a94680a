// The rendering pipeline of a skinned window: composing the back buffer with its
// caption and status backdrops, presenting it, restoring backdrop rectangles,
// and the window routines used around it. Uses the skin's records and draw/.
#include "skin/methods/render.h"

#include "skin/core/backdrop.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"
#include "skin/methods/background.h"

namespace skin {

namespace {

// Remakes a backdrop copy of `area` of the back buffer (the previous copy goes first).
void remake_copy(HDC back_buffer, const RECT& area, HDC& dc, HBITMAP& old_bitmap,
                 HBITMAP& bitmap) {
  release_copy_dc(dc, old_bitmap, bitmap);
  dc = CreateCompatibleDC(back_buffer);
  if (!dc) return;
  bitmap = create_argb_bitmap(area.right - area.left, area.bottom - area.top);
  if (!bitmap) return;  // an empty area: the copy stays empty
  old_bitmap = static_cast<HBITMAP>(SelectObject(dc, bitmap));
  BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, back_buffer, area.left,
         area.top, SRCCOPY);
}

// Whether the cached layers were drawn from what this render would draw them from.
bool layers_current(const SkinnedWindow& w, int width, int height) {
  const LayerCache& c = w.layer_cache;
  const PictureInEffect in_effect = picture_in_effect(w);
  return c.bitmap && c.width == width && c.height == height && c.mode == in_effect.mode &&
         c.fill == in_effect.fill && c.gloss == w.caption_gloss &&
         c.caption_height == w.caption_height && c.border == w.has_caption &&
         c.picture == *in_effect.picture;
}

// Copies the freshly drawn layers of the back buffer into the cache.
void remember_layers(SkinnedWindow& w, int width, int height) {
  LayerCache& c = w.layer_cache;
  remake_copy(w.back_buffer_dc, RECT{0, 0, width, height}, c.dc, c.old_bitmap, c.bitmap);
  const PictureInEffect in_effect = picture_in_effect(w);
  c.width = width;
  c.height = height;
  c.mode = in_effect.mode;
  c.fill = in_effect.fill;
  c.gloss = w.caption_gloss;
  c.caption_height = w.caption_height;
  c.border = w.has_caption;
  c.picture = *in_effect.picture;
}

void invalidate_list(const SkinnedWindow& w, HWND hwnd, BOOL erase) {
  if (hwnd && GetParent(hwnd) == w.hwnd) InvalidateRect(hwnd, nullptr, erase);
}

}  // namespace

void WindowSkin::render_window(int window_index, HDC, int present) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  RECT client{};
  GetClientRect(w->hwnd, &client);
  const int width = client.right, height = client.bottom;
  round_window_region(w->hwnd);
  if (!w->back_buffer_dc) w->back_buffer_dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = create_argb_bitmap(width, height);
  if (!w->back_buffer_dc || !bitmap) {  // nothing to draw on (an empty client area)
    if (bitmap) DeleteObject(bitmap);
    w->needs_render = 0;
    return;
  }
  HGDIOBJ displaced = SelectObject(w->back_buffer_dc, bitmap);
  if (!GetPropA(w->hwnd, prop_first_bitmap))
    SetPropA(w->hwnd, prop_first_bitmap, displaced);
  else
    DeleteObject(displaced);
  SetPropA(w->hwnd, prop_back_buffer, bitmap);

  if (layers_current(*w, width, height)) {
    BitBlt(w->back_buffer_dc, 0, 0, width, height, w->layer_cache.dc, 0, 0, SRCCOPY);
  } else {
    {
      DrawGraphics layers;
      layers.FromHDC(w->back_buffer_dc);
      draw_background(layers, window_index);
      if (w->has_caption) draw_border(window_index, layers);
    }
    remember_layers(*w, width, height);
  }
  {
    DrawGraphics surface;
    surface.FromHDC(w->back_buffer_dc);
    if (w->has_caption) {
      remake_copy(w->back_buffer_dc, RECT{0, 0, width, w->caption_height}, w->caption_copy_dc,
                  w->caption_copy_old_bitmap, w->caption_copy_bitmap);
    }
    const StatusRect& s = w->status_rect;
    remake_copy(w->back_buffer_dc, RECT{s.x, s.y, s.x + s.width, s.y + s.height},
                w->status_copy_dc, w->status_copy_old_bitmap, w->status_copy_bitmap);
    if (w->has_caption) {
      if (w->show_title) draw_caption(window_index, &surface);
      for (size_t n = 1; n <= w->caption_buttons.size(); ++n)
        draw_caption_button(window_index, static_cast<int>(n), &surface);
    }
    // Status items are drawn by the status bar's painter once it exists.
  }

  w->needs_render = 0;
  if (!present) return;
  {
    ScopedGetDC screen(w->hwnd);
    if (screen.get()) {
      exclude_visible_children(w->hwnd, screen.get());
      BitBlt(screen.get(), 0, 0, width, height, w->back_buffer_dc, 0, 0, SRCCOPY);
    }
  }
  if (!first_size_pending) invalidate_skinned_controls(window_index);
}

void WindowSkin::present_window(int window_index, HDC dc) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || !dc || !w->back_buffer_dc) return;
  RECT window{};
  GetWindowRect(w->hwnd, &window);
  const int saved = SaveDC(dc);  // the caller's clip comes back unchanged
  exclude_visible_children(w->hwnd, dc);
  BitBlt(dc, 0, 0, window.right - window.left, window.bottom - window.top, w->back_buffer_dc, 0,
         0, SRCCOPY);
  RestoreDC(dc, saved);
}

void WindowSkin::restore_caption_rect(int window_index, RECT rect) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || !w->caption_copy_dc || !w->back_buffer_dc) return;
  BitBlt(w->back_buffer_dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
         w->caption_copy_dc, rect.left, rect.top, SRCCOPY);
}

void WindowSkin::restore_status_rect(int window_index, RECT rect) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || !w->status_copy_dc || !w->back_buffer_dc) return;
  BitBlt(w->back_buffer_dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
         w->status_copy_dc, rect.left - w->status_rect.x, rect.top - w->status_rect.y, SRCCOPY);
}

void round_window_region(HWND hwnd) {
  SetWindowRgn(hwnd, nullptr, TRUE);
  // Makes the system send the position-changed messages, on which the window
  // procedure lays out its caption buttons and status bar.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  RECT r{};
  GetClientRect(hwnd, &r);
  HRGN region = CreateRoundRectRgn(0, 0, r.right + 1, r.bottom + 1, 5, 5);
  // On success the region belongs to the system.
  if (region && !SetWindowRgn(hwnd, region, TRUE)) DeleteObject(region);
}

void exclude_visible_children(HWND hwnd, HDC dc) {
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT))
      continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

void invalidate_skinned_controls(int window_index) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  for (const auto& c : w->framed_list)
    if (c->hwnd && GetParent(c->hwnd) == w->hwnd) invalidate_with_children(c->hwnd);
  for (const auto& c : w->combo_list) invalidate_list(*w, c->hwnd, TRUE);
  for (const auto& c : w->edit_list) invalidate_list(*w, c->hwnd, TRUE);
  for (const auto& c : w->button_list) invalidate_list(*w, c->hwnd, FALSE);
  for (const auto& c : w->trackbar_list) invalidate_list(*w, c->hwnd, FALSE);
  for (const auto& c : w->progress_list) invalidate_list(*w, c->hwnd, FALSE);
  for (const auto& c : w->updown_list) invalidate_list(*w, c->hwnd, FALSE);
}

void invalidate_with_children(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, TRUE);
  for (HWND child = FindWindowExA(hwnd, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(hwnd, child, nullptr, nullptr))
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
}

}  // namespace skin
