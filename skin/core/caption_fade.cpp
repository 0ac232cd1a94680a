// The caption-button animation of a skinned window: the hover step starts the
// 20 ms fade timer and picks the buttons to fade in and out, the timer step moves
// both fades on and ends the timer, leave and press steps. Uses the skin's records.
#include "skin/core/window_proc.h"
#include "skin/core/window_props.h"
#include "skin/core/window_steps.h"

namespace skin {

int window_index_of(HWND hwnd) {
  const int index = static_cast<int>(get_prop_value(hwnd, prop_list_index));
  const SkinnedWindow* w = window_record(index);
  if (w && w->hwnd == hwnd) return index;
  return find_window_index(hwnd);
}

bool in_caption_strip(int window_index, LPARAM point) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return false;
  const int x = point_x(point), y = point_y(point);
  return w->strip_x - 2 <= x && x <= w->strip_x + w->strip_width && 0 <= y &&
         y <= w->strip_height;
}

void hover_step(WindowSkin& skin, HWND hwnd, int window_index, LPARAM point) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  if (!w->mouse_tracking) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd, 1};
    TrackMouseEvent(&track);
  }
  if (!w->has_caption) return;
  if (in_caption_strip(window_index, point)) {
    if (!w->fade_timer_on) {
      SetTimer(hwnd, fade_timer_id(hwnd), fade_timer_period, nullptr);
      w->fade_timer_on = 1;
    }
  } else {
    w->fade_timer_on = 0;  // the timer step ends the timer once the fade-out is done
  }
  const int hot = skin.hit_test_caption_button(window_index, point_x(point), point_y(point));
  skin.hot_button = hot;
  if (w->hot_caption_button >= 1 && w->hot_caption_button != hot) {
    // A fade-out still running is cut short: its button goes back to plain first.
    if (w->fade_out.step < 8)
      skin.draw_caption_button(window_index, w->fade_out.button, nullptr, 0, 0);
    w->fade_out = FadeState{w->hot_caption_button, 0};
  }
  if (hot >= 1 && hot != w->hot_caption_button) w->fade_in = FadeState{hot, 0};
  w->hot_caption_button = hot;
  if (!w->maximized) skin.update_resize_cursor(window_index, point, client);
}

void timer_step(WindowSkin& skin, HWND hwnd, int window_index) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  if (w->fade_in.button >= 1 && w->fade_in.step <= 7) {
    ++w->fade_in.step;
    skin.draw_caption_button(window_index, w->fade_in.button, nullptr, 0, w->fade_in.step * 30);
  }
  if (w->fade_out.button >= 1 && w->fade_out.step <= 7) {
    ++w->fade_out.step;
    skin.draw_caption_button(window_index, w->fade_out.button, nullptr, 0,
                             240 - w->fade_out.step * 30);
  }
  if (w->mouse_tracking && w->fade_timer_on) return;  // the mouse is still on the strip
  if (w->fade_out.step > 7 || w->fade_out.button == 0) {
    w->fade_timer_on = 0;
    KillTimer(hwnd, fade_timer_id(hwnd));
    w->hot_caption_button = 0;
    w->fade_in = FadeState{};
    w->fade_out = FadeState{};
  }
}

void leave_step(WindowSkin& skin, int window_index) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  w->mouse_tracking = 0;
  if (w->hot_caption_button < 1 || !w->has_caption) return;
  if (w->fade_out.step <= 7 && w->fade_in.step <= 7) {
    skin.draw_caption_button(window_index, w->fade_out.button);
    w->fade_in = FadeState{};
  }
  w->fade_out = FadeState{w->hot_caption_button, 0};
  w->hot_caption_button = 0;
}

void press_step(WindowSkin& skin, HWND hwnd, int window_index, LPARAM point) {
  SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  w->fade_in.button = 0;
  if (!w->has_caption) return;
  if (!w->maximized && !w->minimized) {
    skin.begin_drag_or_resize(window_index, point, client);
    // The move or size loop runs other windows' messages: a window destroyed
    // meanwhile renumbers the table, and this one may be gone.
    window_index = window_index_of(hwnd);
    if (!window_record(window_index)) return;
  }
  skin.hot_button = skin.hit_test_caption_button(window_index, point_x(point), point_y(point));
  if (skin.hot_button > 0) skin.draw_caption_button(window_index, skin.hot_button, nullptr, 1);
}

}  // namespace skin
