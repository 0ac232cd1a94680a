// Lookups in window_table shared by all skin code: a window's index, the skinned
// window a control lies in, and a container's list index. Platform only.
#include "skin/core/window_skin.h"

namespace skin {

int find_window_index(HWND hwnd) {
  if (!hwnd) return 0;
  for (size_t k = 0; k < window_table.size(); ++k)
    if (window_table[k]->hwnd == hwnd) return static_cast<int>(k + 1);
  return 0;
}

int owner_window_index(HWND hwnd) {
  if (!hwnd) return 0;
  for (HWND parent = GetParent(hwnd); parent; parent = GetParent(parent)) {
    if (int index = find_window_index(parent)) return index;
  }
  return 0;
}

int find_container_index(int window_index, HWND hwnd) {
  const SkinnedWindow* record = window_record(window_index);
  if (!record || !hwnd) return 0;
  const auto& list = record->container_list;
  for (size_t k = 0; k < list.size(); ++k)
    if (list[k]->hwnd == hwnd) return static_cast<int>(k + 1);
  return 0;
}

}  // namespace skin
