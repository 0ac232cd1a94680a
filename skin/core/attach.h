// Taking over a window's push buttons, and the font measurement the control
// records keep. Uses the skin's records, its window properties and draw/.
#pragma once
#include <windows.h>
#include <string>

namespace skin {

// Registers the push buttons among `container`'s direct children into the
// button_list of window i: owner-drawn from then on, so that their owner's
// WM_DRAWITEM paints them. Nothing happens while skin_controls is 0.
void attach_push_buttons(int window_index, HWND container);

// BS_PUSHBUTTON, BS_DEFPUSHBUTTON and other styles that are neither check
// boxes, radio buttons, group boxes nor owner-drawn.
bool is_push_button(HWND hwnd);

// 1-based position of hwnd in window i's button_list; 0 when absent.
int find_button_index(int window_index, HWND hwnd);

struct WindowFont {
  std::string family;  // empty when the font could not be measured
  int size = 0;        // truncated
  int style = 0;       // bold 1, italic 2, underline 4, strikeout 8
};

// The window's font (WM_GETFONT; the DC's font when it has none) as GDI+ sees it.
WindowFont measure_window_font(HWND hwnd);

}  // namespace skin
