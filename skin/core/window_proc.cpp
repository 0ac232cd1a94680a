// The skinned top-level window's procedure: one switch dispatching each message to
// a small handler, forwarding to the previous procedure in one place; and the
// caption-button actions. Uses the skin's records, its steps and draw/.
#include "skin/core/backdrop.h"
#include "skin/core/scoped_paint.h"
#include "skin/core/window_proc.h"
#include "skin/core/window_props.h"
#include "skin/core/window_steps.h"

namespace skin {

namespace {

LRESULT forward(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, prop_prev_proc));
  if (!previous) return DefWindowProcA(hwnd, message, wparam, lparam);
  return CallWindowProcA(previous, hwnd, message, wparam, lparam);
}

void on_quit() {
  // Zeroed, so that the skin's destructor does not stop GDI+ a second time.
  gdiplus_stop(gdiplus_token);
  gdiplus_token = 0;
}

void on_nc_destroy(HWND hwnd) {
  remove_window(hwnd);
  KillTimer(hwnd, fade_timer_id(hwnd));
}

void on_show_window(WindowSkin& skin, HWND hwnd, int index, bool shown) {
  SkinnedWindow* w = window_record(index);
  if (!shown || !w) return;
  if (w->minimized) {
    w->minimized = 0;
    return;
  }
  ScopedPaint paint(hwnd);
  skin.render_window(index, paint.get(), 1);
}

LRESULT on_erase_background(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return 1;
}

LRESULT on_paint(WindowSkin& skin, HWND hwnd, int index, WPARAM wparam, LPARAM lparam) {
  {
    ScopedPaint paint(hwnd);
    SkinnedWindow* w = window_record(index);
    if (w && !w->minimized) {
      if (w->needs_render) {
        skin.render_window(index, paint.get(), 1);
        w->needs_render = 0;
      } else {
        skin.present_window(index, paint.get());
      }
    }
  }
  return DefWindowProcA(hwnd, WM_PAINT, wparam, lparam);
}

void on_double_click(WindowSkin& skin, int index, int y) {
  const SkinnedWindow* w = window_record(index);
  if (!w || y > w->caption_height || !w->dblclick_maximizes) return;
  if (const int k = skin.find_maximize_button(index)) skin.caption_button_action(index, k);
}

void on_timer(WindowSkin& skin, HWND hwnd, int index, WPARAM id) {
  if (id == fade_timer_id(hwnd)) timer_step(skin, hwnd, index);
}

void on_get_min_max_info(int index, MINMAXINFO* info) {
  if (info) limits_step(index, *info);
}

void on_mouse_hover(int index) {
  if (SkinnedWindow* w = window_record(index)) w->mouse_tracking = 1;
}

void on_position_changed(WindowSkin& skin, int index) {
  full_screen_step(index);
  skin.layout_caption_buttons(index);
  // The status bar's layout joins here once the status bar exists.
}

void on_size(WindowSkin& skin, int index) {
  SkinnedWindow* w = window_record(index);
  if (!w) return;
  w->hot_caption_button = 0;
  // The program's very first WM_SIZE comes before anything is shown.
  if (first_size_pending) {
    w->needs_render = 0;
    first_size_pending = false;
  } else {
    w->needs_render = 1;
  }
  skin.layout_docked_children(index);
}

void on_button_up(WindowSkin& skin, int index) {
  const SkinnedWindow* w = window_record(index);
  if (!w || skin.button_action_entry_address == 0 || !w->has_caption) return;
  const int n = skin.hot_button;
  if (n > 0 && n <= static_cast<int>(w->caption_buttons.size()))
    skin.caption_button_action(index, n);
}

void on_system_command(int index, WPARAM command) {
  SkinnedWindow* w = window_record(index);
  if (!w) return;
  // Compared as a whole: a command carrying hit-test bits changes no flag.
  switch (command) {
    case SC_MAXIMIZE:
      w->maximized = 1;
      w->needs_render = 1;
      break;
    case SC_RESTORE:
      w->needs_render = 1;
      w->minimized = 0;
      break;
    case SC_MINIMIZE:
      w->needs_render = 1;
      w->minimized = 1;
      break;
    default:
      break;
  }
}

void on_query_open(int index) {
  if (SkinnedWindow* w = window_record(index)) w->minimized = 0;
}

void on_set_text(WindowSkin& skin, int index, const char* text) {
  const SkinnedWindow* w = window_record(index);
  if (w && w->show_title && w->has_caption)
    skin.draw_caption(index, nullptr, std::string(text ? text : ""));
}

void on_draw_item(int index, const DRAWITEMSTRUCT* item) {
  if (item) dispatch_draw_item(index, *item);
}


void on_activate_app(bool active) {
  if (!active) start_working_set_trim();
}

void on_notify(const NMHDR* header) {
  if (header) repaint_after_notify(*header);
}

}  // namespace

LRESULT WindowSkin::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const int index = window_index_of(hwnd);
  if (!index) return forward(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_QUIT: on_quit(); break;
    case WM_DESTROY: release_control_brushes(hwnd); break;
    case WM_NCDESTROY: on_nc_destroy(hwnd); break;
    case WM_SHOWWINDOW: on_show_window(*this, hwnd, index, wparam == TRUE); break;
    case WM_ERASEBKGND: return on_erase_background(reinterpret_cast<HDC>(wparam));
    case WM_PAINT: return on_paint(*this, hwnd, index, wparam, lparam);
    case WM_LBUTTONDBLCLK: on_double_click(*this, index, point_y(lparam)); break;
    case WM_MOUSEMOVE: hover_step(*this, hwnd, index, lparam); break;
    case WM_MOUSEHOVER: on_mouse_hover(index); break;
    case WM_MOUSELEAVE: leave_step(*this, index); break;
    case WM_TIMER: on_timer(*this, hwnd, index, wparam); break;
    case WM_GETMINMAXINFO: on_get_min_max_info(index, reinterpret_cast<MINMAXINFO*>(lparam)); break;
    case WM_WINDOWPOSCHANGED: on_position_changed(*this, index); break;
    case WM_SIZE: on_size(*this, index); break;
    case WM_LBUTTONDOWN: press_step(*this, hwnd, index, lparam); break;
    case WM_LBUTTONUP: on_button_up(*this, index); break;
    case WM_SYSCOMMAND: on_system_command(index, wparam); break;
    case WM_QUERYOPEN: on_query_open(index); break;
    case WM_SETTEXT: on_set_text(*this, index, reinterpret_cast<const char*>(lparam)); break;
    case WM_DRAWITEM: on_draw_item(index, reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = control_colour(message, reinterpret_cast<HDC>(wparam),
                                        reinterpret_cast<HWND>(lparam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_ACTIVATEAPP: on_activate_app(wparam != 0); break;
    case WM_COMMAND: repaint_after_command(reinterpret_cast<HWND>(lparam), HIWORD(wparam)); break;
    case WM_NOTIFY: on_notify(reinterpret_cast<const NMHDR*>(lparam)); break;
    default: break;
  }
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
