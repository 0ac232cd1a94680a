// The main window's background picture: a JPEG of 602 x 456 pixels of our own
// making (assets/background), embedded whole as a byte buffer.
#pragma once
#include <string>

namespace app {

std::string background_picture();

}  // namespace app
