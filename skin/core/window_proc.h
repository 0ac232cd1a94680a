// Routines of the skinned window procedure that other skin code and tests call:
// the strip test, owner-drawn buttons, the clean-up of a window, working-set trimming.
// Uses the skin's records and the platform.
#pragma once
#include <windows.h>

namespace skin {

// Whether the client point packed in lParam lies on window i's caption-button strip
// (two pixels of slack on its left, from the top of the client area down).
bool in_caption_strip(int window_index, LPARAM point);

// Paints an owner-drawn push button of window i by its ButtonRecord kind.
void dispatch_draw_item(int window_index, const DRAWITEMSTRUCT& item);

// Deletes the colour brushes and bitmaps that WM_CTLCOLOR handling left in the
// properties of the window's descendants. Run while they still exist (WM_DESTROY).
void release_control_brushes(HWND hwnd);

// Removes hwnd's record from window_table (releasing all it owns) and rewrites
// every property that holds a window index, whether or not a record was removed.
void remove_window(HWND hwnd);

// Empties the working set of this process; false when its limits cannot be read.
bool trim_working_set();
// Runs trim_working_set on a short-lived thread of its own; nothing waits for it.
bool start_working_set_trim();

}  // namespace skin
