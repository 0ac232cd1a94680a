// The standard caption buttons of a window (help, main menu, minimize,
// maximize/restore, close) as its flags ask for, and the strip they make.
// Uses the skin's records and the built-in artwork.
#pragma once
#include "skin/core/skin_records.h"

namespace skin {

// Rebuilds w.caption_buttons from has_help_button, has_menu_button, has_min_button
// and has_max_button (close always), and sets the provisional strip geometry
// (width, height 22, x from the client width and the frame margin, y 0).
void make_standard_caption_buttons(SkinnedWindow& w, int frame_margin);

// The width of a strip holding these buttons: widths + one pixel between + 3.
int caption_strip_width(const std::vector<CaptionButton>& buttons);

}  // namespace skin
