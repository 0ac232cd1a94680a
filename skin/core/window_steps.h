// The steps of the skinned window procedure that keep per-window state: caption-
// button hover, fade timer, leave and press; size limits and the full-screen fix;
// the colour brushes and repaints for child controls. Internal to skin/core.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "skin/core/window_skin.h"

namespace skin {

// The window's own fade timer: id = its handle, so that one id never serves two windows.
inline UINT_PTR fade_timer_id(HWND hwnd) { return reinterpret_cast<UINT_PTR>(hwnd); }
constexpr UINT fade_timer_period = 20;

// The window index held in hwnd's "Hw_lbID", checked against the table; 0 when
// hwnd has no record (anymore).
int window_index_of(HWND hwnd);

// x and y of a mouse message's lParam, signed.
inline int point_x(LPARAM point) { return static_cast<short>(LOWORD(point)); }
inline int point_y(LPARAM point) { return static_cast<short>(HIWORD(point)); }

void hover_step(WindowSkin& skin, HWND hwnd, int window_index, LPARAM point);
void timer_step(WindowSkin& skin, HWND hwnd, int window_index);
void leave_step(WindowSkin& skin, int window_index);
void press_step(WindowSkin& skin, HWND hwnd, int window_index, LPARAM point);

// Height of the taskbar window ("Shell_TrayWnd"), 0 when there is none.
int taskbar_height();
void limits_step(int window_index, MINMAXINFO& info);
void full_screen_step(int window_index);

// Answers to WM_CTLCOLOR*: a pattern brush of the control's backdrop, or the
// hollow stock brush; each replaces the brush the control got last time. Null
// when no backdrop could be made.
HBRUSH backdrop_brush(HWND control, HDC dc);
HBRUSH hollow_brush(HWND control, HDC dc);
// The brush a skinned window or container gives a child for a WM_CTLCOLOR*
// message, or null when the previous procedure answers.
HBRUSH control_colour(UINT message, HDC dc, HWND control);
// Whether a class name matches exactly (GetClassNameA into 255 bytes).
bool has_class(HWND hwnd, const char* name);
// Repaints a control whose content a notification says has changed.
void repaint_after_command(HWND control, int code);
void repaint_after_notify(const NMHDR& header);

}  // namespace skin
