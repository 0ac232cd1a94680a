// Skinned edit boxes: registration (the edit half of the edits-and-combos pass),
// the edit procedure with its hover step, and find_edit.
// Uses the registration scheme, the edit frame painters and the platform.
#include "skin/controls/edit.h"

#include "skin/controls/registration.h"
#include "skin/core/window_steps.h"

namespace skin {

namespace {

EditRecord* record_of(HWND edit) { return control_record(edit, &SkinnedWindow::edit_list); }

void take_edit(SkinnedWindow& w, int window_index, HWND child) {
  int index = 0;
  EditRecord* record = take_record(w.edit_list, index);
  if (!record) return;
  record->hwnd = child;
  record->old_proc = install_control_proc(child, edit_proc, window_index, index);
  set_prop_value(child, prop_text_colour, 0);
}

// Under a transparent background the edit's own drawing leaves stale pixels
// wherever text or selection moved: such edits are redrawn whole. With scroll
// bars the edit scrolls its content itself, so only scrolling redraws it.
void redraw_if_transparent(HWND hwnd, bool unless_scroll_bars) {
  if (!controls_transparent) return;
  if (unless_scroll_bars && has_scroll_bars(hwnd)) return;
  InvalidateRect(hwnd, nullptr, TRUE);
}

void on_destroy(HWND hwnd) {
  delete_property_object(hwnd, prop_back_brush);
  delete_property_object(hwnd, prop_back_bitmap);
}

void on_kill_focus(HWND hwnd, EditRecord& record) {
  record.focused = 0;
  // The edit of a combo box is framed by the combo box; only its ring changes.
  if (has_class(GetParent(hwnd), "ComboBox"))
    paint_edit_frame(hwnd, {}, false);
  else
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT on_erase_background(HWND hwnd, HDC dc, WPARAM wparam, LPARAM lparam) {
  if (!controls_transparent) return forward_to_previous(hwnd, WM_ERASEBKGND, wparam, lparam);
  SetBkMode(dc, TRANSPARENT);
  fill_veiled_background(hwnd, dc);
  return 1;
}

// The ring is the skin's; the standard painting only draws the scroll bars, and
// with none it is handed a region that paints nothing.
LRESULT on_nc_paint(HWND hwnd, LPARAM lparam) {
  paint_edit_frame(hwnd);
  if (!has_scroll_bars(hwnd))
    return DefWindowProcA(hwnd, WM_NCPAINT, static_cast<WPARAM>(0xFFFFFFFFu), lparam);
  HRGN region = scroll_bar_region(hwnd);
  const LRESULT result = DefWindowProcA(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(region), lparam);
  if (region) DeleteObject(region);
  return result;
}

// The hover step of edits. The parent takes part in the test because the edit
// inside a combo box and an edit of the window can hold the same index.
void on_mouse_move(HWND hwnd, EditRecord& record) {
  SkinnedWindow* w = control_owner(hwnd);
  track_mouse_leave(hwnd);
  w->hot_control = static_cast<int>(get_prop_value(hwnd, prop_list_index));
  HWND parent = GetParent(hwnd);
  if (w->lit_control != w->hot_control || w->lit_kind != lit_edit || w->lit_parent != parent) {
    record.hot = 1;
    paint_edit_frame(hwnd, {}, true);
    w->lit_control = w->hot_control;
    w->lit_kind = lit_edit;
    w->lit_parent = parent;
  }
  // A selection dragged with the mouse is redrawn over the background.
  if (record.mouse_down) redraw_if_transparent(hwnd, true);
}

void on_mouse_leave(HWND hwnd, EditRecord& record) {
  control_owner(hwnd)->lit_control = 0;
  record.hot = 0;
  paint_edit_frame(hwnd);
}

}  // namespace

void attach_edits_and_combos(int window_index, HWND container) {
  if (!skin_controls) return;
  SkinnedWindow* w = window_record(window_index);
  if (!w || !container) return;
  for (HWND child = FindWindowExA(container, nullptr, "Edit", nullptr); child;
       child = FindWindowExA(container, child, "Edit", nullptr)) {
    if (find_edit(window_index, child)) continue;
    take_edit(*w, window_index, child);
  }
  // The combo-box half walks the same container here once combo boxes are skinned.
}

int find_edit(int window_index, HWND hwnd) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || !hwnd) return 0;
  for (size_t k = 0; k < w->edit_list.size(); ++k)
    if (w->edit_list[k]->hwnd == hwnd) return static_cast<int>(k + 1);
  return 0;
}

LRESULT CALLBACK edit_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  EditRecord* record = record_of(hwnd);
  if (!record) return forward_to_previous(hwnd, message, wparam, lparam);
  switch (message) {
    case WM_DESTROY: on_destroy(hwnd); break;
    case WM_MOVE: redraw_if_transparent(hwnd, false); break;
    case WM_SETFOCUS: record->focused = 1; break;
    case WM_KILLFOCUS: on_kill_focus(hwnd, *record); break;
    case WM_PAINT: paint_edit_frame(hwnd); break;  // the edit then paints its text itself
    case WM_ERASEBKGND:
      return on_erase_background(hwnd, reinterpret_cast<HDC>(wparam), wparam, lparam);
    case WM_NCPAINT: return on_nc_paint(hwnd, lparam);
    case WM_KEYDOWN: redraw_if_transparent(hwnd, true); break;
    case WM_HSCROLL:
    case WM_VSCROLL: redraw_if_transparent(hwnd, false); break;
    case WM_MOUSEMOVE: on_mouse_move(hwnd, *record); break;
    case WM_LBUTTONDOWN:
      record->mouse_down = 1;
      redraw_if_transparent(hwnd, true);
      break;
    case WM_LBUTTONUP: record->mouse_down = 0; break;
    case WM_MOUSELEAVE: on_mouse_leave(hwnd, *record); break;
    default: break;
  }
  return forward_to_previous(hwnd, message, wparam, lparam);
}

}  // namespace skin
