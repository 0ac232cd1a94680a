// Picture routines for background pictures: the average colour of random samples,
// and a copy with edges faded into a colour. Uses draw/ and runtime/.
#pragma once
#include <windows.h>
#include <optional>
#include <string>

namespace skin {

// Average of `samples` random pixels (restricted to the last right_strip columns
// and bottom_strip rows when given), with 0xFF in the top byte. A non-empty file
// name is loaded instead of the bytes.
COLORREF picture_average_colour(const std::string& picture, int samples,
                                std::optional<int> right_strip = {},
                                std::optional<int> bottom_strip = {},
                                const std::string& file_name = std::string());

// PNG bytes of the picture with its right (or, fade_right = 0, left) band and its
// bottom band fading into `fill`; the band is 30 % of the width when not given.
// Empty when the picture does not decode.
std::string fade_picture_edges(const std::string& picture, std::optional<int> band_width,
                               COLORREF fill, std::optional<bool> fade_right = {},
                               const std::string& file_name = std::string());

}  // namespace skin
