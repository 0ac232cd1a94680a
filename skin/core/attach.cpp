// Registering a container's push buttons into their window's button_list, and
// measuring a window's font. Uses the skin's records, window properties and draw/.
#include "skin/core/attach.h"

#include "skin/controls/button.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

std::string window_text(HWND hwnd) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
  return text;
}

void take_push_button(SkinnedWindow& w, int window_index, HWND child, HWND container) {
  auto record = std::make_unique<ButtonRecord>();
  record->hwnd = child;
  record->kind = 0;
  record->text = window_text(child);
  record->container = container;
  const WindowFont font = measure_window_font(child);
  record->font_name = font.family.empty() ? "宋体" : font.family;
  record->font_size = font.size == 0 ? 12 : font.size;
  record->font_style = font.style;
  w.button_list.push_back(std::move(record));
  ButtonRecord& b = *w.button_list.back();

  set_prop_value(child, prop_list_index, static_cast<LONG_PTR>(w.button_list.size()));
  set_prop_value(child, prop_owner_index, window_index);
  b.old_proc = SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(button_proc));
  set_prop_value(child, prop_prev_proc, b.old_proc);
  // Owner-drawn, so that the skinned window's WM_DRAWITEM paints the button.
  SetWindowLongPtrA(child, GWL_STYLE, GetWindowLongPtrA(child, GWL_STYLE) | BS_OWNERDRAW);
  InvalidateRect(child, nullptr, FALSE);
}

}  // namespace

void attach_push_buttons(int window_index, HWND container) {
  if (!skin_controls) return;
  SkinnedWindow* w = window_record(window_index);
  if (!w || !container) return;
  for (HWND child = FindWindowExA(container, nullptr, "BUTTON", nullptr); child;
       child = FindWindowExA(container, child, "BUTTON", nullptr)) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if ((style & BS_OWNERDRAW) == BS_OWNERDRAW || !is_push_button(child) ||
        find_button_index(window_index, child))
      continue;
    take_push_button(*w, window_index, child, container);
  }
}

bool is_push_button(HWND hwnd) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  if (style & 0x2) return false;                  // check boxes, group boxes, owner-drawn
  if ((style & 0x9) == 0x9) return false;         // auto radio buttons
  if (style & 0x4) return false;                  // radio buttons, three-state boxes
  return true;
}

int find_button_index(int window_index, HWND hwnd) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w || !hwnd) return 0;
  for (size_t k = 0; k < w->button_list.size(); ++k)
    if (w->button_list[k]->hwnd == hwnd) return static_cast<int>(k + 1);
  return 0;
}

WindowFont measure_window_font(HWND hwnd) {
  WindowFont result;
  const HFONT font_handle = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  ScopedGetDC dc(hwnd);
  if (!dc.get()) return result;
  DrawFont font;
  if (!font.FromDC(dc.get(), font_handle)) return result;
  result.size = static_cast<int>(font.GetSize());
  result.style = font.GetStyle();
  DrawFontFamily family;
  if (font.GetFamily(family)) result.family = family.GetName();
  return result;
}

}  // namespace skin
