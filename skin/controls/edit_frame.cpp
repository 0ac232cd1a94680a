// Painting around and behind skinned edits: the border ring over the skinned
// background, the border rectangle, the veiled client background, and the
// scroll-bar geometry. Uses the skin's records, backdrops, shapes and draw/.
#include <cmath>

#include "skin/controls/edit.h"
#include "skin/controls/registration.h"
#include "skin/core/backdrop.h"
#include "skin/core/shapes.h"

namespace skin {

namespace {

// GetWindowDC, released at scope end.
class ScopedWindowDC {
 public:
  explicit ScopedWindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
  ~ScopedWindowDC() { if (dc_) ReleaseDC(hwnd_, dc_); }
  ScopedWindowDC(const ScopedWindowDC&) = delete;
  ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
  HDC get() const { return dc_; }
 private:
  HWND hwnd_;
  HDC dc_;
};

struct EditState {
  bool focused = false, hot = false;
};

// A state given by the caller wins over the record's.
EditState resolve_state(HWND edit, std::optional<bool> focused, std::optional<bool> hot) {
  const EditRecord* record = control_record(edit, &SkinnedWindow::edit_list);
  EditState state;
  state.focused = focused.value_or(record && record->focused);
  state.hot = hot.value_or(record && record->hot);
  return state;
}

SIZE window_size(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT scroll_bar_rect(HWND hwnd, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(hwnd, object, &info)) return RECT{};
  return info.rcScrollBar;
}

}  // namespace

bool has_scroll_bars(HWND hwnd) {
  return (GetWindowLongPtrA(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

RECT inner_area_rect(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const SIZE outer = window_size(hwnd);
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  int width = client.right, height = client.bottom;
  if (style & WS_VSCROLL) {
    const RECT bar = scroll_bar_rect(hwnd, OBJID_VSCROLL);
    width += bar.right - bar.left;
  }
  if (style & WS_HSCROLL) {
    const RECT bar = scroll_bar_rect(hwnd, OBJID_HSCROLL);
    height += bar.bottom - bar.top;
  }
  const int left = static_cast<int>(std::floor((outer.cx - width) / 2.0));
  const int top = static_cast<int>(std::floor((outer.cy - height) / 2.0));
  return RECT{left, top, left + width, top + height};
}

HRGN scroll_bar_region(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  HRGN horizontal = nullptr, vertical = nullptr;
  if (style & WS_HSCROLL) {
    const RECT bar = scroll_bar_rect(hwnd, OBJID_HSCROLL);
    horizontal = CreateRectRgn(bar.left, bar.top, bar.right, bar.bottom);
  }
  if (style & WS_VSCROLL) {
    RECT bar = scroll_bar_rect(hwnd, OBJID_VSCROLL);
    // Down by the bar's own width, over the corner box between the two bars.
    if (style & WS_HSCROLL) bar.bottom += bar.right - bar.left;
    vertical = CreateRectRgn(bar.left, bar.top, bar.right, bar.bottom);
  }
  if (horizontal && vertical) {
    CombineRgn(horizontal, horizontal, vertical, RGN_OR);
    DeleteObject(vertical);
    return horizontal;
  }
  return horizontal ? horizontal : vertical;
}

void draw_edit_border(HWND edit, std::optional<bool> focused, std::optional<bool> hot,
                      DrawGraphics& graphics) {
  if (!owner_window_index(edit)) return;
  const EditState state = resolve_state(edit, focused, hot);
  const SIZE size = window_size(edit);
  const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
  DrawPen pen;
  if (state.hot) {
    pen.Create(colour_to_argb(theme_colour, 180), 2.0f);
    graphics.DrawRectangle(pen, 1, 1, w - 2, h - 2);
  } else {
    pen.Create(state.focused ? colour_to_argb(theme_colour, 180) : colour_to_argb(0, 80), 1.0f);
    graphics.DrawRectangle(pen, 0, 0, w - 1, h - 1);
  }
}

void paint_edit_frame_into(HWND edit, HDC dc, std::optional<bool> focused,
                           std::optional<bool> hot) {
  const EditState state = resolve_state(edit, focused, hot);
  const SIZE size = window_size(edit);
  const RECT inner = inner_area_rect(edit);
  ScopedBackdrop backdrop(edit, RECT{0, 0, size.cx, size.cy});
  if (!backdrop.get()) return;  // in no skinned window: nothing to paint over
  {
    DrawGraphics g;
    g.FromHDC(backdrop.get());
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    // Only the ring between the window edge and the inner area can be painted.
    g.SetClipRect(0, 0, w, h);
    g.SetClipRect(static_cast<float>(inner.left), static_cast<float>(inner.top),
                  static_cast<float>(inner.right - inner.left),
                  static_cast<float>(inner.bottom - inner.top), gdip::CombineModeXor);
    if (controls_transparent) {
      DrawSolidBrush veil;
      veil.Create(colour_to_argb(0xFFFFFF, control_alpha));
      g.FillRectangle(veil, 0, 0, w, h);
    } else {
      g.Clear(colour_to_argb(0xFFFFFF, 255));
    }
    draw_edit_border(edit, state.focused, state.hot, g);
  }
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  BitBlt(dc, 0, 0, size.cx, size.cy, backdrop.get(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

void paint_edit_frame(HWND edit, std::optional<bool> focused, std::optional<bool> hot) {
  ScopedWindowDC dc(edit);
  if (dc.get()) paint_edit_frame_into(edit, dc.get(), focused, hot);
}

void fill_veiled_background(HWND hwnd, HDC dc) {
  const RECT area = client_area_in_window(hwnd);
  const int w = area.right - area.left, h = area.bottom - area.top;
  ScopedBackdrop backdrop(hwnd, area);
  if (!backdrop.get()) return;
  {
    DrawGraphics g;
    g.FromHDC(backdrop.get());
    DrawSolidBrush veil;
    veil.Create(colour_to_argb(0xFFFFFF, control_alpha));
    g.FillRectangle(veil, 0, 0, static_cast<float>(w), static_cast<float>(h));
  }
  BitBlt(dc, 0, 0, w, h, backdrop.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
