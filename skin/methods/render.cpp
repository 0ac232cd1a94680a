// The rendering pipeline of a skinned window: composing the back buffer with its
// caption and status backdrops, presenting it, restoring backdrop rectangles,
// and the window routines used around it. Uses the skin's records and draw/.
#include "skin/methods/render.h"

#include <algorithm>
#include <string>

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
  ++c.generation;
}

// The window's text, which the caption shows when show_title is set.
std::string window_title(HWND hwnd) {
  std::string title(static_cast<size_t>(std::max(0, GetWindowTextLengthA(hwnd))) + 1, '\0');
  title.resize(static_cast<size_t>(GetWindowTextA(hwnd, &title[0], static_cast<int>(title.size()))));
  return title;
}

bool same_button_look(const CaptionButton& a, const CaptionButton& b) {
  return a.width == b.width && a.height == b.height && a.kind == b.kind &&
         a.rect.x == b.rect.x && a.rect.y == b.rect.y && a.rect.width == b.rect.width &&
         a.rect.height == b.rect.height && a.picture == b.picture &&
         a.second_picture == b.second_picture;
}

// Whether the cached caption was drawn from what this render would draw it from.
// Size and caption height are part of the layers it lies on.
bool caption_current(const SkinnedWindow& w, const std::string& title, int margin) {
  const CaptionCache& c = w.caption_cache;
  return c.bitmap && c.layers == w.layer_cache.generation && c.show_title == w.show_title &&
         c.margin == margin && c.strip_width == w.strip_width && c.strip_y == w.strip_y &&
         c.strip_height == w.strip_height && c.maximized == w.maximized && c.title == title &&
         c.font == w.title_font && c.font_size == w.title_font_size &&
         c.bold == w.title_bold && c.colour == w.title_colour &&
         c.halo == w.title_halo_colour && c.icon == app_icon &&
         std::equal(c.buttons.begin(), c.buttons.end(), w.caption_buttons.begin(),
                    w.caption_buttons.end(), same_button_look);
}

// Copies the freshly drawn caption (with the layers under it) into the cache.
void remember_caption(SkinnedWindow& w, int width, int height, const std::string& title,
                      int margin) {
  CaptionCache& c = w.caption_cache;
  remake_copy(w.back_buffer_dc, RECT{0, 0, width, height}, c.dc, c.old_bitmap, c.bitmap);
  c.layers = w.layer_cache.generation;
  c.show_title = w.show_title;
  c.margin = margin;
  c.strip_width = w.strip_width;
  c.strip_y = w.strip_y;
  c.strip_height = w.strip_height;
  c.maximized = w.maximized;
  c.title = title;
  c.font = w.title_font;
  c.font_size = w.title_font_size;
  c.bold = w.title_bold;
  c.colour = w.title_colour;
  c.halo = w.title_halo_colour;
  c.icon = app_icon;
  c.buttons = w.caption_buttons;
}

// Gives the window its rounded region unless the region it already has was made
// for the same client size and maximized state: rebuilding it, with the
// position-changed messages that go with it, costs more than the rest of a render
// under Wine.
void apply_window_region(SkinnedWindow& w, int width, int height) {
  RegionMemo& m = w.region_memo;
  RECT box{};
  if (m.width == width && m.height == height && m.maximized == w.maximized) {
    const int kind = GetWindowRgnBox(w.hwnd, &box);
    // A window whose region was taken away or replaced gets it back.
    if (kind != ERROR && kind != NULLREGION && EqualRect(&box, &m.box)) return;
  }
  round_window_region(w.hwnd);
  RECT client{};
  GetClientRect(w.hwnd, &client);  // the position-changed messages may have resized it
  m.width = client.right;
  m.height = client.bottom;
  m.maximized = w.maximized;
  if (GetWindowRgnBox(w.hwnd, &m.box) == ERROR) m.box = RECT{};
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
  apply_window_region(*w, width, height);
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

  const bool layers_reused = layers_current(*w, width, height);
  if (!layers_reused) {
    {
      DrawGraphics layers;
      layers.FromHDC(w->back_buffer_dc);
      draw_background(layers, window_index);
      if (w->has_caption) draw_border(window_index, layers);
    }
    remember_layers(*w, width, height);
  }
  const std::string title = w->has_caption && w->show_title ? window_title(w->hwnd) : std::string();
  const bool caption_reused =
      layers_reused && w->has_caption && caption_current(*w, title, frame_margin);
  if (layers_reused && !caption_reused)
    BitBlt(w->back_buffer_dc, 0, 0, width, height, w->layer_cache.dc, 0, 0, SRCCOPY);
  // The backdrops show the layers alone; with a reused caption only the cache still does.
  HDC layers_only = caption_reused ? w->layer_cache.dc : w->back_buffer_dc;
  if (w->has_caption) {
    remake_copy(layers_only, RECT{0, 0, width, w->caption_height}, w->caption_copy_dc,
                w->caption_copy_old_bitmap, w->caption_copy_bitmap);
  }
  const StatusRect& s = w->status_rect;
  remake_copy(layers_only, RECT{s.x, s.y, s.x + s.width, s.y + s.height}, w->status_copy_dc,
              w->status_copy_old_bitmap, w->status_copy_bitmap);
  if (caption_reused) {
    BitBlt(w->back_buffer_dc, 0, 0, width, height, w->caption_cache.dc, 0, 0, SRCCOPY);
  } else if (w->has_caption) {
    {
      DrawGraphics surface;
      surface.FromHDC(w->back_buffer_dc);
      if (w->show_title) draw_caption(window_index, &surface);
      for (size_t n = 1; n <= w->caption_buttons.size(); ++n)
        draw_caption_button(window_index, static_cast<int>(n), &surface);
    }
    remember_caption(*w, width, height, title, frame_margin);
  }
  // Status items are drawn by the status bar's painter once it exists.

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
  HRGN region = corner_cut_region(r.right, r.bottom);
  // On success the region belongs to the system.
  if (region && !SetWindowRgn(hwnd, region, TRUE)) DeleteObject(region);
}

HRGN corner_cut_region(int width, int height) {
  // The shape of a 5 x 5 round rectangle, built pixel by pixel: each corner
  // loses its corner pixel and the one beside it on each edge. Some systems'
  // round-rectangle regions cut only the corner pixel, which left the key
  // colour of the rounded background showing.
  HRGN region = CreateRectRgn(0, 0, width, height);
  if (!region || width < 4 || height < 4) return region;
  const RECT cuts[] = {
      {0, 0, 2, 1}, {0, 1, 1, 2},                                  // top left
      {width - 2, 0, width, 1}, {width - 1, 1, width, 2},          // top right
      {0, height - 1, 2, height}, {0, height - 2, 1, height - 1},  // bottom left
      {width - 2, height - 1, width, height},                      // bottom right
      {width - 1, height - 2, width, height - 1},
  };
  for (const RECT& c : cuts) {
    HRGN cut = CreateRectRgnIndirect(&c);
    if (!cut) continue;
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  return region;
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
