// Helpers of the control-procedure tests: child windows with extended styles,
// pixels read from a window's own DC, expected blends, posted-message clean-up.
// Uses the platform and the skin test fixture.
#pragma once
#include <windows.h>

namespace skintest {

// A visible child of `parent` at (x, y, width, height) with text, style and extended style.
HWND make_control(HWND parent, const char* cls, DWORD style, int x, int y, int width, int height,
                  DWORD ex_style = 0, const char* text = "");

// A pixel of the window's client DC (window DC when `whole_window`), as on the screen.
COLORREF window_pixel(HWND hwnd, int x, int y, bool whole_window = false);
// Fills the window's client area with a colour through its own DC.
void fill_window(HWND hwnd, COLORREF colour);

// `top` drawn with opacity alpha/255 over `bottom`.
COLORREF blend(COLORREF top, COLORREF bottom, int alpha);

// Drops, undispatched, the WM_MOUSELEAVE messages that mouse tracking posts
// while the real cursor is elsewhere.
void drop_waiting_messages();

}  // namespace skintest
