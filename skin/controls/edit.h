// Skinned edit boxes: registration, the edit procedure, the border ring painted
// over the skinned background, the veiled client background, and the scroll-bar
// helpers that framed list controls share. Uses the skin's records and draw/.
#pragma once
#include <windows.h>
#include <optional>

#include "draw/draw.h"

namespace skin {

// Registers `container`'s direct "Edit" children into window i's edit_list (each
// once); the combo-box half joins after the edits.
void attach_edits_and_combos(int window_index, HWND container);

// 1-based position of hwnd in window i's edit_list; 0 when absent.
int find_edit(int window_index, HWND hwnd);

// The procedure of every registered edit.
LRESULT CALLBACK edit_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Paints the border ring (window area outside client and scroll bars) now. A
// state not given comes from the edit's record.
void paint_edit_frame(HWND edit, std::optional<bool> focused = {}, std::optional<bool> hot = {});
// The same into `dc`, a surface in the edit's window coordinates; the DC's clip
// is left as found.
void paint_edit_frame_into(HWND edit, HDC dc, std::optional<bool> focused = {},
                           std::optional<bool> hot = {});
// The border rectangle: 2-pixel theme colour when hot, 1-pixel theme colour when
// focused, faint black otherwise. Nothing outside a skinned window.
void draw_edit_border(HWND edit, std::optional<bool> focused, std::optional<bool> hot,
                      DrawGraphics& graphics);

// The client background: the skinned background under the client area under a
// white veil of control_alpha, copied to dc at (0, 0).
void fill_veiled_background(HWND hwnd, HDC dc);

// A new region (screen coordinates) over the window's scroll bars and the corner
// box between them; null when it has none. The caller deletes it.
HRGN scroll_bar_region(HWND hwnd);
// WS_HSCROLL or WS_VSCROLL in the style.
bool has_scroll_bars(HWND hwnd);

// The client area together with the scroll bars, in window coordinates; the
// border is taken to be equally wide on all sides.
RECT inner_area_rect(HWND hwnd);

}  // namespace skin
