// Size limits of a skinned window and the full-screen fix that keeps a maximized
// frameless window off the taskbar. Uses the skin's records and runtime/.
#include "runtime/services.h"
#include "skin/core/window_steps.h"

namespace skin {

int taskbar_height() {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  RECT r{};
  if (!taskbar || !GetWindowRect(taskbar, &r)) return 0;
  // A taskbar docked at a side is as tall as the screen; taking its height
  // would leave a maximized window no height at all.
  if (r.bottom - r.top > r.right - r.left) return 0;
  return r.bottom - r.top;
}

void limits_step(int window_index, MINMAXINFO& info) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  POINT max_track{w->max_track_width, w->max_track_height};
  if (w->maximized) {
    const SIZE screen = runtime::screen_size();
    max_track = POINT{screen.cx, screen.cy - taskbar_height()};
  }
  info.ptMinTrackSize = POINT{w->min_track_width, w->min_track_height};
  info.ptMaxTrackSize = max_track;
}

void full_screen_step(int window_index) {
  SkinnedWindow* w = window_record(window_index);
  if (!w || !w->has_max_button) return;
  RECT client{};
  GetClientRect(w->hwnd, &client);
  const SIZE screen = runtime::screen_size();
  if (client.right != screen.cx || client.bottom != screen.cy) return;
  const RECT target{0, 0, screen.cx, screen.cy - taskbar_height()};
  w->maximized = 1;
  // Without a taskbar the window may already be where it should go; moving it
  // there again would bring this message straight back, without end.
  RECT now{};
  GetWindowRect(w->hwnd, &now);
  if (EqualRect(&now, &target)) return;
  SetWindowPos(w->hwnd, nullptr, target.left, target.top, target.right, target.bottom,
               SWP_NOZORDER | SWP_NOOWNERZORDER);
}

}  // namespace skin
