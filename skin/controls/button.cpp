// Skinned buttons: check-box and radio-button registration, button_proc with its
// hover step, and the repaint of a button in a state by its kind.
// Uses the registration scheme, backdrops (paint_push_button) and the platform.
#include "skin/controls/button.h"

#include "skin/controls/registration.h"
#include "skin/core/attach.h"
#include "skin/core/backdrop.h"
#include "skin/core/gdi_guards.h"

namespace skin {

namespace {

ButtonRecord* record_of(HWND button) { return control_record(button, &SkinnedWindow::button_list); }

bool paints_its_mark(int kind) { return kind == button_radio || kind == button_check; }

void take_check_button(SkinnedWindow& w, int window_index, HWND child, HWND container,
                       bool check_box) {
  int index = 0;
  ButtonRecord* record = take_record(w.button_list, index);
  if (!record) return;
  record->hwnd = child;
  record->kind = check_box ? button_check : button_radio;
  record->text = read_window_text(child);
  record->checked = SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  record->container = container;
  record->old_proc = install_control_proc(child, button_proc, window_index, index);
  const WindowFont font = measure_window_font(child);
  record->font_name = font.family;
  record->font_size = font.size;
  record->font_style = font.style;
}

// The hover step: highlight once per entry. Moving within the button paints
// nothing; after another control (of any kind) was lit it paints again.
void on_mouse_move(HWND hwnd) {
  SkinnedWindow* w = control_owner(hwnd);
  track_mouse_leave(hwnd);
  w->hot_control = static_cast<int>(get_prop_value(hwnd, prop_list_index));
  if (w->lit_control == w->hot_control && w->lit_kind == lit_button) return;
  paint_button_state(hwnd, 0, true);
  w->lit_control = w->hot_control;
  w->lit_kind = lit_button;
}

void on_mouse_leave(HWND hwnd, const ButtonRecord& record) {
  control_owner(hwnd)->lit_control = 0;
  paint_button_state(hwnd, record.focused ? ODS_FOCUS : 0, false);
}

LRESULT on_erase_background(HWND hwnd, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(
      SetTextColor(dc, static_cast<COLORREF>(get_prop_value(hwnd, prop_text_colour))));
}

void on_set_text(ButtonRecord& record, const char* text) {
  try {
    record.text = text ? text : "";
  } catch (const std::bad_alloc&) {
    // The caption keeps its last known text.
  }
}

// BM_SETCHECK, the space key and a left press change a check mark: the
// standard procedure acts first, then the mark is repainted at once.
LRESULT on_mark_change(HWND hwnd, const ButtonRecord& record, UINT message, WPARAM wparam,
                       LPARAM lparam) {
  forward_to_previous(hwnd, message, wparam, lparam);
  paint_button_state(hwnd, record.kind == button_radio ? ODS_SELECTED : 0, false);
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

bool is_check_box_style(LONG_PTR style) { return (style & 0x2) && !(style & 0x4); }

bool is_auto_radio_style(LONG_PTR style) { return (style & 0x9) == 0x9 && !(style & 0x6); }

void attach_check_buttons(int window_index, HWND container) {
  if (!skin_controls) return;
  SkinnedWindow* w = window_record(window_index);
  if (!w || !container) return;
  for (HWND child = FindWindowExA(container, nullptr, "BUTTON", nullptr); child;
       child = FindWindowExA(container, child, "BUTTON", nullptr)) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    const bool check_box = is_check_box_style(style);
    if (!check_box && !is_auto_radio_style(style)) continue;
    if ((style & BS_OWNERDRAW) == BS_OWNERDRAW) continue;
    // A second pass over one container would chain button_proc to itself.
    if (find_button_index(window_index, child)) continue;
    take_check_button(*w, window_index, child, container, check_box);
  }
}

LRESULT CALLBACK button_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ButtonRecord* record = record_of(hwnd);
  if (!record) return forward_to_previous(hwnd, message, wparam, lparam);
  const bool mark = paints_its_mark(record->kind);
  switch (message) {
    case WM_MOVE: InvalidateRect(hwnd, nullptr, TRUE); break;
    case WM_SETFOCUS: record->focused = 1; break;
    case WM_KILLFOCUS: record->focused = 0; break;
    case WM_SETTEXT: on_set_text(*record, reinterpret_cast<const char*>(lparam)); break;
    case WM_ERASEBKGND: return on_erase_background(hwnd, reinterpret_cast<HDC>(wparam));
    case WM_NCPAINT: return 1;
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
      if (mark) return on_mark_change(hwnd, *record, message, wparam, lparam);
      break;
    case WM_KEYDOWN:
      if (mark && wparam == VK_SPACE) return on_mark_change(hwnd, *record, message, wparam, lparam);
      break;
    case WM_MOUSEMOVE: on_mouse_move(hwnd); break;
    case WM_LBUTTONUP: control_owner(hwnd)->lit_control = 0; break;
    case WM_LBUTTONDBLCLK: return 0;  // the second press of a double click is dropped
    case WM_MOUSELEAVE: on_mouse_leave(hwnd, *record); break;
    default: break;
  }
  // WM_PAINT goes on too: push and image buttons are owner-drawn and painted
  // through their owner's WM_DRAWITEM; check boxes and radio buttons keep the
  // standard drawing until their mark painters join paint_button_state.
  return forward_to_previous(hwnd, message, wparam, lparam);
}

void paint_button_state(HWND button, UINT state, bool hot) {
  const ButtonRecord* record = record_of(button);
  if (!record) return;
  if (hot) state |= ODS_HOTLIGHT;
  ScopedGetDC dc(button);
  if (!dc.get()) return;
  RECT client{};
  GetClientRect(button, &client);
  switch (record->kind) {
    case button_push:
      paint_push_button(button, dc.get(), state, client);
      break;
    default:  // image buttons, check boxes and radio buttons: their painters join here
      break;
  }
}

}  // namespace skin
