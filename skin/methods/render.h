// Window routines around rendering: the rounded window region, clipping out
// visible children, and invalidating a window's skinned controls.
// Uses the skin's records and the platform.
#pragma once
#include <windows.h>

namespace skin {

// Gives the window a rounded region matching its client area (corners of 5).
void round_window_region(HWND hwnd);
// The rounded window shape of a width x height window, as a new region.
HRGN corner_cut_region(int width, int height);
// Excludes every visible direct child without WS_EX_TRANSPARENT from dc's clip.
void exclude_visible_children(HWND hwnd, HDC dc);
// Invalidates the skinned controls of window i that are its direct children.
void invalidate_skinned_controls(int window_index);
// Invalidates the window and its visible direct children, with erase.
void invalidate_with_children(HWND hwnd);

}  // namespace skin
