// Screenshots of windows as PNG files, for reviewing what a window shows.
#pragma once
#include <windows.h>

#include <string>

// Copies the window's rectangle from the screen and writes it as a PNG file.
bool save_window_png(HWND window, const std::string& path);
