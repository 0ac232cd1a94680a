// Capturing and releasing control backdrops: from a skinned window's back buffer,
// from a registered container's window, or from a foreign window that supplies its
// own ("Wxk_Zpf"/"Wxk_Cj"); the veiled backdrop bitmap. Uses the skin and draw/.
#include "skin/core/backdrop.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>
#include <utility>

#include "skin/core/gdi_guards.h"
#include "skin/core/shapes.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

bool supplies_own_backdrop(HWND hwnd) { return get_prop_value(hwnd, prop_own_backdrop) == 1; }

HDC own_backdrop_dc(HWND hwnd) {
  return reinterpret_cast<HDC>(GetPropA(hwnd, prop_own_backdrop_dc));
}

// Offset of `inner`'s window rectangle from `outer`'s.
POINT window_offset(HWND inner, HWND outer) {
  RECT a{}, b{};
  GetWindowRect(inner, &a);
  GetWindowRect(outer, &b);
  return POINT{a.left - b.left, a.top - b.top};
}

// A registered container of any skinned window: (window index, list index), or 0s.
std::pair<int, int> find_container_anywhere(HWND hwnd) {
  for (size_t k = 0; k < window_table.size(); ++k) {
    int window_index = static_cast<int>(k + 1);
    if (int l = find_container_index(window_index, hwnd)) return {window_index, l};
  }
  return {0, 0};
}

ContainerRecord* container_record(int window_index, int list_index) {
  SkinnedWindow* w = window_record(window_index);
  return w ? record_at(w->container_list, list_index) : nullptr;
}

// Repeats on the backdrop the tint a container paints over itself: a rounded
// band for a group box (its frame starts 5 pixels down), else the whole rectangle.
void tint_backdrop(HDC dc, const ContainerRecord& container, bool rounded, const RECT& rect,
                   int width, int height) {
  if (container.tint_colour == 0) return;
  DrawGraphics g;
  g.FromHDC(dc);
  DrawSolidBrush brush;
  brush.Create(colour_to_argb(container.tint_colour, container.tint_alpha));
  if (rounded) {
    DrawGraphicsPath path;
    path.Create();
    add_rounded_rect(path, 0, 5, static_cast<float>(rect.right),
                     static_cast<float>(rect.bottom - 6), 5);
    g.SetClipPath(path);
    g.FillPath(brush, path);
  } else {
    g.FillRectangle(brush, 0, 0, static_cast<float>(width), static_cast<float>(height));
  }
}

void copy_from(HDC dc, int width, int height, HDC source, POINT offset, const RECT& rect) {
  if (!source) return;
  BitBlt(dc, 0, 0, width, height, source, offset.x + rect.left, offset.y + rect.top, SRCCOPY);
}

HDC back_buffer_of(int window_index) {
  SkinnedWindow* w = window_record(window_index);
  return w ? w->back_buffer_dc : nullptr;
}

void register_memory_dc(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
  for (MemoryDcEntry& entry : memory_dcs) {
    if (entry.dc == dc) {
      entry.bitmap = bitmap;
      entry.previous_bitmap = previous;
      return;
    }
  }
  memory_dcs.push_back(MemoryDcEntry{dc, bitmap, previous});
}

// The foreign case: `source` supplies its backdrop in its "Wxk_Cj" DC.
void capture_foreign(HDC dc, HWND control, HWND source, const RECT& rect, int width, int height) {
  if (source == control) {
    HWND named = reinterpret_cast<HWND>(GetPropA(control, prop_backdrop_owner));
    if (named) {
      copy_from(dc, width, height, own_backdrop_dc(named), window_offset(control, named), rect);
    } else {
      HWND root = GetAncestor(control, GA_ROOT);
      copy_from(dc, width, height, back_buffer_of(owner_window_index(control)),
                window_offset(control, root), rect);
    }
    return;
  }
  copy_from(dc, width, height, own_backdrop_dc(source), window_offset(control, source), rect);
  // The tint comes from the control itself when it is a container, else from
  // the nearest enclosing container that paints itself.
  auto [window_index, list_index] = find_container_anywhere(control);
  bool is_self = list_index != 0;
  if (!is_self) {
    for (HWND p = GetParent(control); p && p != source; p = GetParent(p)) {
      auto found = find_container_anywhere(p);
      ContainerRecord* c = container_record(found.first, found.second);
      if (c && c->skin_painting) {
        std::tie(window_index, list_index) = found;
        break;
      }
    }
  }
  if (ContainerRecord* c = container_record(window_index, list_index))
    tint_backdrop(dc, *c, is_self && c->is_group_box, rect, width, height);
}

}  // namespace

HBITMAP create_argb_bitmap(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  // CreateDIBSection hands out zeroed memory: fully transparent black.
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

HDC capture_backdrop(HWND control, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  HBITMAP bitmap = create_argb_bitmap(width, height);
  HGDIOBJ previous = bitmap ? SelectObject(dc, bitmap) : nullptr;
  register_memory_dc(dc, bitmap, previous);

  enum class Source { window, container, foreign } source = Source::container;
  HWND foreign = nullptr;
  int window_index = 0, container_index = 0;
  if (supplies_own_backdrop(control)) {
    source = Source::foreign;
    foreign = control;
  } else if ((window_index = find_window_index(control)) != 0) {
    source = Source::window;
  } else {
    for (HWND p = GetParent(control); p; p = GetParent(p)) {
      if (supplies_own_backdrop(p)) {
        source = Source::foreign;
        foreign = p;
        break;
      }
      if ((window_index = find_window_index(p)) != 0) {
        source = Source::window;
        break;
      }
      auto found = find_container_anywhere(p);
      if (found.second) {
        if (HWND named = reinterpret_cast<HWND>(GetPropA(p, prop_backdrop_owner))) {
          source = Source::foreign;
          foreign = named;
        } else {
          std::tie(window_index, container_index) = found;
        }
        break;
      }
    }
  }

  switch (source) {
    case Source::window: {
      SkinnedWindow* w = window_record(window_index);
      copy_from(dc, width, height, w->back_buffer_dc, window_offset(control, w->hwnd), rect);
      if (ContainerRecord* c = container_record(window_index,
                                                find_container_index(window_index, control)))
        tint_backdrop(dc, *c, c->is_group_box != 0, rect, width, height);
      break;
    }
    case Source::foreign:
      capture_foreign(dc, control, foreign, rect, width, height);
      break;
    case Source::container: {
      if (!window_index) window_index = owner_window_index(control);
      if (!window_index) {
        release_backdrop(dc);
        return nullptr;
      }
      if (int self = find_container_index(window_index, control)) container_index = self;
      copy_from(dc, width, height, back_buffer_of(window_index),
                window_offset(control, GetAncestor(control, GA_ROOT)), rect);
      if (ContainerRecord* c = container_record(window_index, container_index))
        tint_backdrop(dc, *c, false, rect, width, height);
      break;
    }
  }
  return dc;
}

bool release_backdrop(HDC dc) {
  if (!dc) return false;
  auto entry = std::find_if(memory_dcs.begin(), memory_dcs.end(),
                            [dc](const MemoryDcEntry& e) { return e.dc == dc; });
  if (entry == memory_dcs.end()) return false;
  if (entry->previous_bitmap) DeleteObject(SelectObject(dc, entry->previous_bitmap));
  DeleteDC(dc);
  memory_dcs.erase(entry);
  return true;
}

RECT client_area_in_window(HWND hwnd) {
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  const int W = window.right - window.left, H = window.bottom - window.top;
  const int cw = client.right, ch = client.bottom;
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  // Borders are taken as equal on both sides, a scroll bar as 17 pixels.
  const int across = (style & WS_VSCROLL) ? cw + 17 : cw;
  const int down = (style & WS_HSCROLL) ? ch + 17 : ch;
  const int left = static_cast<int>(std::floor((W - across) / 2.0));
  const int top = static_cast<int>(std::floor((H - down) / 2.0));
  return RECT{left, top, left + cw, top + ch};
}

HBITMAP control_backdrop_bitmap(HWND control) {
  const RECT r = client_area_in_window(control);
  const int width = r.right - r.left, height = r.bottom - r.top;
  ScopedBackdrop backdrop(control, r);
  if (!backdrop.get()) return nullptr;
  {
    DrawGraphics g;
    g.FromHDC(backdrop.get());
    DrawSolidBrush veil;
    veil.Create(colour_to_argb(0xFFFFFF, control_alpha));
    g.FillRectangle(veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
  }
  OwnedMemoryDC copy(backdrop.get());
  HBITMAP bitmap = CreateCompatibleBitmap(backdrop.get(), width, height);
  if (bitmap) {
    ScopedSelect select(copy.get(), bitmap);
    BitBlt(copy.get(), 0, 0, width, height, backdrop.get(), 0, 0, SRCCOPY);
  }
  return bitmap;
}

bool is_owner_draw_listbox(HWND hwnd) {
  char name[255] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (std::strcmp(name, "ListBox") != 0) return false;
  return (GetWindowLongPtrA(hwnd, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

}  // namespace skin
