// Control backdrops: the piece of a skinned window's back buffer under a control,
// captured into a memory DC for painting over, and the bitmap behind pattern brushes.
// Uses the skin's records and the drawing layer.
#pragma once
#include <windows.h>

namespace skin {

// A zero-filled (transparent black) 32-bit top-down bitmap; null on failure.
HBITMAP create_argb_bitmap(int width, int height);

// A memory DC holding the backdrop under `rect` (control window coordinates), or
// null when the control lies in no skinned window. Release with release_backdrop.
HDC capture_backdrop(HWND control, const RECT& rect);
// True when the DC was handed out by capture_backdrop and is now freed.
bool release_backdrop(HDC dc);

// Releases a captured backdrop at scope end.
class ScopedBackdrop {
 public:
  ScopedBackdrop(HWND control, const RECT& rect) : dc_(capture_backdrop(control, rect)) {}
  ~ScopedBackdrop() { if (dc_) release_backdrop(dc_); }
  ScopedBackdrop(const ScopedBackdrop&) = delete;
  ScopedBackdrop& operator=(const ScopedBackdrop&) = delete;
  HDC get() const { return dc_; }
 private:
  HDC dc_;
};

// The client area in the window's own window-rectangle coordinates.
RECT client_area_in_window(HWND hwnd);
// The control's backdrop under a white veil of control_alpha; the caller owns it.
HBITMAP control_backdrop_bitmap(HWND control);
// Class "ListBox" with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool is_owner_draw_listbox(HWND hwnd);

// Push buttons (ButtonRecord kind 0), in ODS_* states, copied to dc at (0, 0).
void paint_push_button(HWND button, HDC dc, UINT state, const RECT& rect);

}  // namespace skin
