// Frame mouse handling of a skinned window, which has no system frame: presses on
// the caption move it, presses on the edges size it, resize cursors at the edges;
// and docked children kept filling the client area. Uses the skin's records.
#include "skin/methods/frame_mouse.h"

#include "skin/core/window_skin.h"

namespace skin {

namespace {

constexpr int corner = 10;

int point_x(LPARAM point) { return static_cast<short>(LOWORD(point)); }
int point_y(LPARAM point) { return static_cast<short>(HIWORD(point)); }

bool on_button_strip(const SkinnedWindow& w, int x, int y) {
  return x >= w.strip_x && x <= w.strip_x + w.strip_width && y <= w.strip_height && y >= 3;
}

void show_cursor(LPCSTR id) { SetCursor(LoadCursorA(nullptr, id)); }

}  // namespace

FrameZone frame_zone(int x, int y, const RECT& client, int m) {
  const int W = client.right, H = client.bottom;
  const bool mid_x = corner < x && x < W - corner, mid_y = corner < y && y < H - corner;
  const bool left = x <= corner, right = x >= W - corner;
  const bool top = y <= corner, bottom = y >= H - corner;
  if (x <= m && mid_y) return {IDC_SIZEWE, SC_SIZE + WMSZ_LEFT};
  if (x >= W - m && mid_y) return {IDC_SIZEWE, SC_SIZE + WMSZ_RIGHT};
  if (mid_x && y <= m) return {IDC_SIZENS, SC_SIZE + WMSZ_TOP};
  if (mid_x && y >= H - m) return {IDC_SIZENS, SC_SIZE + WMSZ_BOTTOM};
  if (left && top) return {IDC_SIZENWSE, SC_SIZE + WMSZ_TOPLEFT};
  if (right && top) return {IDC_SIZENESW, SC_SIZE + WMSZ_TOPRIGHT};
  if (left && bottom) return {IDC_SIZENESW, SC_SIZE + WMSZ_BOTTOMLEFT};
  if (right && bottom) return {IDC_SIZENWSE, SC_SIZE + WMSZ_BOTTOMRIGHT};
  return {};
}

LRESULT WindowSkin::begin_drag_or_resize(int window_index, LPARAM point, const RECT& client) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return 0;
  const int x = point_x(point), y = point_y(point);
  if (on_button_strip(*w, x, y) || !w->has_caption) return 0;
  HWND hwnd = w->hwnd;
  // Without double-click maximize the whole caption moves the window, edges included.
  if (!w->dblclick_maximizes && y <= w->caption_height)
    return SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  const FrameZone zone = frame_zone(x, y, client, frame_margin);
  if (zone.cursor) {
    w->needs_render = 1;
    show_cursor(zone.cursor);
    return SendMessageA(hwnd, WM_SYSCOMMAND, zone.command, 0);
  }
  if (y <= w->caption_height) return SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return 0;
}

void WindowSkin::update_resize_cursor(int window_index, LPARAM point, const RECT& client) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || !w->dblclick_maximizes) return;
  const FrameZone zone = frame_zone(point_x(point), point_y(point), client, frame_margin);
  if (zone.cursor) show_cursor(zone.cursor);
}

void WindowSkin::layout_docked_children(int window_index) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  RECT c{};
  GetClientRect(w->hwnd, &c);
  for (const DockedChild& child : w->docked_children) {
    if (!child.hwnd) continue;
    MoveWindow(child.hwnd, 2, child.top, c.right - 4, c.bottom - child.top - w->status_height - 3,
               TRUE);
  }
}

}  // namespace skin
