// The zones at the edges of a skinned window's frame: which one a client point
// lies in, with its resize cursor and sizing command. Uses the platform only.
#pragma once
#include <windows.h>

namespace skin {

struct FrameZone {
  LPCSTR cursor = nullptr;  // system cursor id (IDC_SIZE*); null = no zone
  WPARAM command = 0;       // SC_SIZE plus the WMSZ_* edge
};

// The first zone, in the order left, right, top, bottom edge, then the four
// corners, that holds (x, y) in a client area `client`; edges are `margin` wide,
// corners 10 pixels.
FrameZone frame_zone(int x, int y, const RECT& client, int margin);

}  // namespace skin
