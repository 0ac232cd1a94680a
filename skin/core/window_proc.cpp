// The skinned top-level window's procedure and its caption-button actions.
// So far the procedure forwards every message to the previous one; the message
// handling of the skin comes with the window procedure's own issue. Platform only.
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

LRESULT forward(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, prop_prev_proc));
  if (!previous) return DefWindowProcA(hwnd, message, wparam, lparam);
  return CallWindowProcA(previous, hwnd, message, wparam, lparam);
}

}  // namespace

LRESULT WindowSkin::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return forward(hwnd, message, wparam, lparam);
}

void WindowSkin::caption_button_action(int window_index, int button_index) {
  SkinnedWindow* w = window_record(window_index);
  if (!w || button_index < 1 || button_index > static_cast<int>(w->caption_buttons.size()))
    return;
  const CaptionButton& button = w->caption_buttons[static_cast<size_t>(button_index - 1)];
  switch (button.kind) {
    case kind_close:
      SendMessageA(w->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case kind_maximize:
      w->needs_render = 1;
      w->minimized = 0;
      if (w->maximized) {
        w->maximized = 0;
        SendMessageA(w->hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        w->maximized = 1;
        SendMessageA(w->hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      break;
    case kind_minimize:
      w->minimized = 1;
      SendMessageA(w->hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case kind_help:
      if (w->help_handler) w->help_handler();
      break;
    case kind_main_menu:
      if (w->menu_handler) w->menu_handler();
      break;
    case kind_custom:
      if (button.handler) button.handler();
      break;
  }
}

}  // namespace skin
