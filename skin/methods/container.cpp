// Containers of skinned windows: skin_group_box and the registration behind it,
// the tint-alpha setting, and the container procedure answering its children.
// Uses the skin's records, the control attach order, container painters and steps.
#include "skin/methods/container.h"

#include "skin/controls/registration.h"
#include "skin/core/attach.h"
#include "skin/core/backdrop.h"
#include "skin/core/scoped_paint.h"
#include "skin/core/window_proc.h"
#include "skin/core/window_steps.h"

namespace skin {

namespace {

ContainerRecord* record_of(HWND hwnd) {
  return control_record(hwnd, &SkinnedWindow::container_list);
}

void take_font(ContainerRecord& record, HWND hwnd) {
  const WindowFont font = measure_window_font(hwnd);
  // As for push buttons: a title whose font cannot be measured still shows.
  record.font_name = font.family.empty() ? "宋体" : font.family;
  record.font_size = font.size == 0 ? 12 : font.size;
  record.font_style = font.style;
}


LRESULT on_show_window(HWND hwnd, const ContainerRecord& record, WPARAM wparam, LPARAM lparam) {
  forward_to_previous(hwnd, WM_SHOWWINDOW, wparam, lparam);
  if (record.skin_painting)
    paint_container(static_cast<int>(get_prop_value(hwnd, prop_owner_index)),
                    static_cast<int>(get_prop_value(hwnd, prop_list_index)), nullptr);
  return DefWindowProcA(hwnd, WM_SHOWWINDOW, wparam, lparam);
}

void on_move(HWND hwnd, const ContainerRecord& record) {
  // An opaque tint looks the same wherever the container sits.
  if (record.skin_painting && record.tint_alpha != 255) InvalidateRect(hwnd, nullptr, FALSE);
}

void on_size(HWND hwnd, ContainerRecord& record) {
  record.needs_paint = 1;
  layout_container_docked(static_cast<int>(get_prop_value(hwnd, prop_owner_index)),
                          static_cast<int>(get_prop_value(hwnd, prop_list_index)));
}

LRESULT on_paint(HWND hwnd, const ContainerRecord& record, WPARAM wparam, LPARAM lparam) {
  const int f = static_cast<int>(get_prop_value(hwnd, prop_owner_index));
  const int l = static_cast<int>(get_prop_value(hwnd, prop_list_index));
  {
    ScopedPaint paint(hwnd);
    if (record.needs_paint)
      paint_container(f, l, paint.get());
    else
      repaint_container(f, l, hwnd);
  }
  return DefWindowProcA(hwnd, WM_PAINT, wparam, lparam);
}

void on_draw_item(HWND hwnd, const DRAWITEMSTRUCT* item) {
  if (item) dispatch_draw_item(static_cast<int>(get_prop_value(hwnd, prop_owner_index)), *item);
}

}  // namespace

void WindowSkin::skin_group_box(HWND hwnd, std::optional<int> skin_painting,
                                std::optional<COLORREF> tint_colour, std::optional<int> tint_alpha,
                                std::optional<int> draw_frame) {
  if (find_container_index(owner_window_index(hwnd), hwnd) > 0) return;
  register_container(hwnd, skin_painting.value_or(1), tint_colour.value_or(0),
                     tint_alpha.value_or(255), draw_frame.value_or(0));
}

void WindowSkin::set_container_tint_alpha(HWND hwnd, int alpha) {
  if (get_prop_value(hwnd, prop_owner_index) < 1 || get_prop_value(hwnd, prop_list_index) < 1)
    return;
  ContainerRecord* record = record_of(hwnd);
  if (!record || record->tint_colour == 0) return;
  record->tint_alpha = alpha & 0xFF;
  InvalidateRect(hwnd, nullptr, FALSE);
}

void register_container(HWND hwnd, int skin_painting, COLORREF tint_colour, int tint_alpha,
                        int draw_frame) {
  const int i = owner_window_index(hwnd);
  SkinnedWindow* w = window_record(i);
  if (!w || find_container_index(i, hwnd)) return;
  int l = 0;
  ContainerRecord* record = take_record(w->container_list, l);
  if (!record) return;
  record->hwnd = hwnd;
  record->tint_colour = tint_colour;
  record->tint_alpha = tint_alpha;
  record->draw_frame = draw_frame;
  record->skin_painting = skin_painting;
  if (is_group_box_window(hwnd)) {
    record->is_group_box = 1;
    take_font(*record, hwnd);
  }
  attach_controls(i, hwnd);
  record->needs_paint = 1;
  record->old_proc = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(container_proc));
  set_prop_value(hwnd, prop_prev_proc, record->old_proc);
  set_prop_value(hwnd, prop_list_index, l);
  set_prop_value(hwnd, prop_owner_index, i);
  SetPropA(hwnd, prop_backdrop_owner, nearest_backdrop_owner(hwnd));
}

LRESULT CALLBACK container_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ContainerRecord* record = record_of(hwnd);
  if (!record) return forward_to_previous(hwnd, message, wparam, lparam);
  const auto dc = reinterpret_cast<HDC>(wparam);
  switch (message) {
    case WM_SHOWWINDOW:
      if (wparam == TRUE) return on_show_window(hwnd, *record, wparam, lparam);
      break;
    case WM_MOVE: on_move(hwnd, *record); break;
    case WM_SIZE: on_size(hwnd, *record); break;
    case WM_PAINT:
      if (record->skin_painting) return on_paint(hwnd, *record, wparam, lparam);
      break;
    case WM_ERASEBKGND:
      if (!record->skin_painting) break;
      SetBkMode(dc, TRANSPARENT);
      return 1;
    case WM_DRAWITEM: on_draw_item(hwnd, reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); break;
    case WM_COMMAND: repaint_after_command(reinterpret_cast<HWND>(lparam), HIWORD(wparam)); break;
    case WM_NOTIFY:
      if (lparam) repaint_after_notify(*reinterpret_cast<const NMHDR*>(lparam));
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = control_colour(message, dc, reinterpret_cast<HWND>(lparam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    default: break;
  }
  return forward_to_previous(hwnd, message, wparam, lparam);
}

bool is_group_box_window(HWND hwnd) {
  return has_class(hwnd, "Button") && (GetWindowLongPtrA(hwnd, GWL_STYLE) & 0x4);
}

HWND nearest_backdrop_owner(HWND hwnd) {
  for (HWND p = GetParent(hwnd); p; p = GetParent(p))
    if (get_prop_value(p, prop_own_backdrop) == 1) return p;
  return nullptr;
}

void layout_container_docked(int window_index, int list_index) {
  const SkinnedWindow* w = window_record(window_index);
  const ContainerRecord* record = w ? record_at(w->container_list, list_index) : nullptr;
  if (!record) return;
  RECT client{};
  GetClientRect(record->hwnd, &client);
  for (const DockedChild& child : record->docked)
    if (child.hwnd)
      MoveWindow(child.hwnd, 2, child.top, client.right - 4, client.bottom - child.top, TRUE);
}

}  // namespace skin
