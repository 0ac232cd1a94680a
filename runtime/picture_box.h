// The picture box control: shows an encoded picture (JPEG, PNG, ...) centred,
// scaled down to fit but never enlarged. Decoding uses GDI+.
#pragma once
#include <windows.h>

#include <string>

namespace runtime {

inline constexpr char kPictureBoxClass[] = "ZovraPictureBox";

struct Placement {
  int left, top, width, height;
  bool operator==(const Placement& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

// Where a picture of the given size goes in a box: centred, halves truncated
// toward zero; one larger than the box is scaled by the smaller of the two ratios.
Placement picture_placement(int box_width, int box_height, int picture_width,
                            int picture_height);

bool register_picture_box_class();
// Shows the picture; an empty or undecodable buffer clears the box.
void set_picture_box_picture(HWND box, const std::string& encoded);
// Natural size of the picture shown, {0, 0} when none (for tests and callers).
SIZE picture_box_picture_size(HWND box);
// Stops GDI+ if the picture boxes started it.
void shutdown_picture_boxes();

}  // namespace runtime
