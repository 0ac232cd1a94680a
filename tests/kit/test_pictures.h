// Encoded pictures made on the fly for tests: a filled rectangle as PNG or JPEG.
#pragma once
#include <windows.h>

#include <string>

// The CLSID of GDI+'s encoder for a MIME type; GDI+ must be started.
bool gdiplus_encoder(const wchar_t* mime, CLSID* clsid);

// A picture of the size, filled with `fill`, encoded with the GDI+ encoder of
// the MIME type ("image/png", "image/jpeg"); empty on failure.
std::string make_test_picture(int width, int height, COLORREF fill,
                              const wchar_t* mime = L"image/png");
