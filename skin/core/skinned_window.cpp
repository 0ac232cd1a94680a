// What a SkinnedWindow record releases when it goes: its back buffer and the
// caption and status backdrop copies, and render's layer cache. Platform (GDI) only.
#include "skin/core/skin_records.h"
#include "skin/core/window_props.h"

namespace skin {

void release_copy_dc(HDC& dc, HBITMAP& old_bitmap, HBITMAP& bitmap) {
  if (dc) {
    if (old_bitmap) SelectObject(dc, old_bitmap);
    DeleteDC(dc);
  }
  if (bitmap) DeleteObject(bitmap);
  dc = nullptr;
  old_bitmap = nullptr;
  bitmap = nullptr;
}

SkinnedWindow::~SkinnedWindow() {
  if (back_buffer_dc) {
    // Deleting the DC first frees its current bitmap for deletion; the DC's
    // first bitmap is the stock one and stays.
    HGDIOBJ current = GetCurrentObject(back_buffer_dc, OBJ_BITMAP);
    DeleteDC(back_buffer_dc);
    HGDIOBJ first = GetPropA(hwnd, prop_first_bitmap);
    if (current && current != first) DeleteObject(current);
  }
  release_copy_dc(caption_copy_dc, caption_copy_old_bitmap, caption_copy_bitmap);
  release_copy_dc(status_copy_dc, status_copy_old_bitmap, status_copy_bitmap);
  release_copy_dc(layer_cache.dc, layer_cache.old_bitmap, layer_cache.bitmap);
}

}  // namespace skin
