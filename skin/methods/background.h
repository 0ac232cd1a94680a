// The picture a skinned window shows behind everything, ready for drawing.
// Uses the skin's records and draw/.
#pragma once
#include <windows.h>

#include "draw/draw.h"

namespace skin {

// Loads the window's picture in effect (its own, else the skin-wide one) into
// `target`, already tiled for mode 4; false when there is no picture.
bool prepare_picture(int window_index, const RECT& client, DrawBitmap& target);

}  // namespace skin
