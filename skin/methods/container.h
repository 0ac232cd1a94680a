// Containers of skinned windows (group boxes and panels): registration with the
// controls inside them, the container procedure, and the container painters.
// Uses the skin's records, backdrops and draw/.
#pragma once
#include <windows.h>

namespace skin {

// Registers a container of a skinned window once: skins its direct children in
// the fixed attach order, then subclasses it. Nothing for a window that lies in
// no skinned window.
void register_container(HWND hwnd, int skin_painting, COLORREF tint_colour, int tint_alpha,
                        int draw_frame);

// The procedure installed on every registered container.
LRESULT CALLBACK container_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Paints container l of window f completely (backdrop, tint, frame or group-box
// decoration) into dc, or into the container's own DC with its visible children
// excluded when dc is null; clears needs_paint.
void paint_container(int window_index, int list_index, HDC dc);
// The same picture into the container's own DC with its children excluded, then
// the transparent children are asked to paint again.
void repaint_container(int window_index, int list_index, HWND hwnd);
// The group box's rounded frame and its title, over the backdrop in `dc`.
void draw_group_box(int window_index, int list_index, HDC dc);
// Copies the backdrop (tint included) under `rect` of the container into dc again.
void group_box_title_backdrop(HWND container, HDC dc, const RECT& rect);
// Where a title of `title_width` pixels goes: centred for BS_CENTER, at 10 for
// BS_LEFT, 10 from the right edge otherwise.
RECT group_box_title_rect(HWND container, int title_width, int font_size);

// Class "Button" with style bit 0x4.
bool is_group_box_window(HWND hwnd);
// The first ancestor whose "Wxk_Zpf" is 1, or null.
HWND nearest_backdrop_owner(HWND hwnd);
// Keeps the docked children of container l of window f filling it below their top.
void layout_container_docked(int window_index, int list_index);

}  // namespace skin
