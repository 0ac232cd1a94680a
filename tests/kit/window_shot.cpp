// Screenshots: a BitBlt of the window's screen rectangle, encoded with GDI+.
#include "tests/kit/window_shot.h"

#include "tests/kit/test_pictures.h"

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

namespace gp = Gdiplus::DllExports;

bool save_window_png(HWND window, const std::string& path) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  int width = r.right - r.left, height = r.bottom - r.top;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(mem, bitmap);
  BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  bool ok = false;
  Gdiplus::GpBitmap* image = nullptr;
  CLSID clsid;
  if (gdiplus_encoder(L"image/png", &clsid) &&
      gp::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok) {
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                                           int(wide.size()))));
    if (!wide.empty()) wide.pop_back();
    ok = gp::GdipSaveImageToFile(image, wide.c_str(), &clsid, nullptr) == Gdiplus::Ok;
    gp::GdipDisposeImage(image);
  }
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  Gdiplus::GdiplusShutdown(token);
  return ok;
}
