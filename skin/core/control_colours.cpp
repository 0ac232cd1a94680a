// What a skinned window answers for its child controls: the WM_CTLCOLOR brushes
// (the control's backdrop, or hollow), repaints after notifications, and the
// painting of owner-drawn push buttons. Uses the skin's records and backdrops.
#include <cstring>

#include "skin/core/backdrop.h"
#include "skin/core/window_proc.h"
#include "skin/core/window_props.h"
#include "skin/core/window_steps.h"

namespace skin {

namespace {

void prepare_text(HWND control, HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(get_prop_value(control, prop_text_colour)));
  SetBkMode(dc, TRANSPARENT);
}

// The object a property names goes; the property stays and holds 0.
void delete_held_object(HWND control, const char* property) {
  if (HANDLE object = GetPropA(control, property)) {
    DeleteObject(static_cast<HGDIOBJ>(object));
    SetPropA(control, property, nullptr);
  }
}

// Notifications after which a control's content has moved or changed under a
// transparent background, by the control's class.
struct RepaintCase {
  const char* class_name;
  int code;
};
constexpr RepaintCase repaint_cases[] = {
    {"Edit", EN_VSCROLL},        {"Edit", EN_HSCROLL},         {"Edit", EN_CHANGE},
    {"Edit", EN_UPDATE},         {"ListBox", LBN_SELCHANGE},   {"ListBox", LBN_SELCANCEL},
    {"ComboBox", CBN_KILLFOCUS}, {"ComboBox", CBN_SELCHANGE},
};

BOOL CALLBACK release_brushes_of(HWND child, LPARAM) {
  delete_held_object(child, prop_back_brush);
  delete_held_object(child, prop_back_bitmap);
  return TRUE;
}

}  // namespace

bool has_class(HWND hwnd, const char* name) {
  char buffer[255] = {};
  if (!hwnd || !GetClassNameA(hwnd, buffer, sizeof buffer)) return false;
  return std::strcmp(buffer, name) == 0;
}

HBRUSH backdrop_brush(HWND control, HDC dc) {
  prepare_text(control, dc);
  delete_held_object(control, prop_back_brush);
  delete_held_object(control, prop_back_bitmap);
  HBITMAP bitmap = control_backdrop_bitmap(control);
  if (!bitmap) return nullptr;  // in no skinned window: the previous procedure answers
  HBRUSH brush = CreatePatternBrush(bitmap);
  if (!brush) {
    DeleteObject(bitmap);
    return nullptr;
  }
  SetPropA(control, prop_back_brush, brush);
  SetPropA(control, prop_back_bitmap, bitmap);
  return brush;
}

HBRUSH hollow_brush(HWND control, HDC dc) {
  prepare_text(control, dc);
  delete_held_object(control, prop_back_brush);
  HBRUSH brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  SetPropA(control, prop_back_brush, brush);
  return brush;
}

HBRUSH control_colour(UINT message, HDC dc, HWND control) {
  if (!skin_controls || !controls_transparent) return nullptr;
  switch (message) {
    case WM_CTLCOLOREDIT:
      // The edit of a combo box is painted by the combo box's own skin.
      return has_class(GetParent(control), "ComboBox") ? nullptr : backdrop_brush(control, dc);
    case WM_CTLCOLORSTATIC:
      return backdrop_brush(control, dc);
    case WM_CTLCOLORLISTBOX:
      if (!has_class(control, "ListBox") || is_owner_draw_listbox(control)) return nullptr;
      return hollow_brush(control, dc);
    case WM_CTLCOLORBTN:
      return hollow_brush(control, dc);
    default:
      return nullptr;
  }
}

void repaint_after_command(HWND control, int code) {
  if (!controls_transparent || !skin_controls || !control) return;
  for (const RepaintCase& c : repaint_cases) {
    if (c.code == code && has_class(control, c.class_name)) {
      InvalidateRect(control, nullptr, TRUE);
      return;
    }
  }
}

void repaint_after_notify(const NMHDR& header) {
  if (header.code == TVN_ITEMEXPANDEDA || header.code == TVN_ITEMEXPANDINGA)
    InvalidateRect(header.hwndFrom, nullptr, TRUE);
}

void dispatch_draw_item(int window_index, const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return;
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const int i = static_cast<int>(get_prop_value(item.hwndItem, prop_list_index));
  if (i <= 0) return;
  const ButtonRecord* record = record_at(w->button_list, i);
  // The index must lead back to this very button, not to another window's list.
  if (!record || record->hwnd != item.hwndItem) return;
  switch (record->kind) {
    case 0:
      paint_push_button(item.hwndItem, item.hDC, item.itemState, item.rcItem);
      break;
    default:  // image buttons join here; check boxes and radio buttons paint themselves
      break;
  }
}

void release_control_brushes(HWND hwnd) {
  EnumChildWindows(hwnd, release_brushes_of, 0);
}

}  // namespace skin
