// The picture a skinned window shows behind everything, ready for drawing.
// Uses the skin's records and draw/.
#pragma once
#include <windows.h>

#include "draw/draw.h"
#include "skin/core/skin_records.h"

namespace skin {

// What a window's background is drawn from: its own picture, mode and fill
// colour when it has a picture, else the skin-wide ones.
struct PictureInEffect {
  const Bytes* picture;
  int mode;
  COLORREF fill;
};
PictureInEffect picture_in_effect(const SkinnedWindow& w);

// Loads the window's picture in effect (its own, else the skin-wide one) into
// `target`, already tiled for mode 4; false when there is no picture.
bool prepare_picture(int window_index, const RECT& client, DrawBitmap& target);

}  // namespace skin
