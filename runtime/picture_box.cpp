// The picture box: decodes an encoded picture once with GDI+ and keeps a GDI
// bitmap of the box's size with the picture placed on the back colour.
#include "runtime/picture_box.h"

#include "runtime/control_class.h"

#include <shlwapi.h>

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

namespace runtime {
namespace {

namespace gp = Gdiplus::DllExports;

ULONG_PTR gdiplus_token = 0;

bool ensure_gdiplus() {
  if (gdiplus_token) return true;
  Gdiplus::GdiplusStartupInput input;
  return Gdiplus::GdiplusStartup(&gdiplus_token, &input, nullptr) == Gdiplus::Ok;
}

// What a box holds: the picture rendered at the box's size, and its natural size.
struct PictureState {
  HBITMAP bitmap = nullptr;
  SIZE natural = {0, 0};
  ~PictureState() {
    if (bitmap) DeleteObject(bitmap);
  }
};

PictureState* state_of(HWND box) {
  return reinterpret_cast<PictureState*>(GetWindowLongPtrA(box, GWLP_USERDATA));
}

struct ScopedImage {
  Gdiplus::GpImage* image = nullptr;
  ~ScopedImage() {
    if (image) gp::GdipDisposeImage(image);
  }
};

// Renders the picture placed in a box-sized bitmap over the box's back colour.
HBITMAP render_placed(Gdiplus::GpImage* image, int box_width, int box_height, SIZE natural) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, box_width, box_height);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (!bitmap || !dc) {
    if (bitmap) DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
    return nullptr;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, box_width, box_height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  Placement at = picture_placement(box_width, box_height, natural.cx, natural.cy);
  Gdiplus::GpGraphics* graphics = nullptr;
  if (gp::GdipCreateFromHDC(dc, &graphics) == Gdiplus::Ok) {
    gp::GdipSetInterpolationMode(graphics, Gdiplus::InterpolationModeHighQualityBicubic);
    gp::GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);
    gp::GdipDrawImageRectI(graphics, image, at.left, at.top, at.width, at.height);
    gp::GdipDeleteGraphics(graphics);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

void on_paint(HWND box) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(box, &ps);
  RECT client;
  GetClientRect(box, &client);
  PictureState* st = state_of(box);
  if (st && st->bitmap) {
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, st->bitmap);
    BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
  } else {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  }
  EndPaint(box, &ps);
}

LRESULT CALLBACK picture_box_proc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureState));
      break;
    case WM_NCDESTROY:
      delete state_of(box);
      SetWindowLongPtrA(box, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND: return 1;  // painting covers the whole box
    case WM_PAINT: on_paint(box); return 0;
  }
  return DefWindowProcA(box, msg, wp, lp);
}

}  // namespace

Placement picture_placement(int box_width, int box_height, int picture_width,
                            int picture_height) {
  double width = picture_width, height = picture_height;
  if (picture_width > box_width || picture_height > box_height) {
    double scale = std::min(double(box_width) / picture_width,
                            double(box_height) / picture_height);
    width *= scale;
    height *= scale;
  }
  int w = int(width), h = int(height);
  return {(box_width - w) / 2, (box_height - h) / 2, w, h};
}

bool register_picture_box_class() {
  return register_control_class(kPictureBoxClass, picture_box_proc, nullptr);
}

void set_picture_box_picture(HWND box, const std::string& encoded) {
  PictureState* st = state_of(box);
  if (!st) return;
  if (st->bitmap) DeleteObject(st->bitmap);
  st->bitmap = nullptr;
  st->natural = {0, 0};
  if (!encoded.empty() && ensure_gdiplus()) {
    IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(encoded.data()),
                                        UINT(encoded.size()));
    ScopedImage picture;
    if (stream) {
      gp::GdipLoadImageFromStream(stream, &picture.image);
      stream->Release();
    }
    UINT width = 0, height = 0;
    if (picture.image) {
      gp::GdipGetImageWidth(picture.image, &width);
      gp::GdipGetImageHeight(picture.image, &height);
    }
    RECT client;
    GetClientRect(box, &client);
    if (width && height && client.right > 0 && client.bottom > 0) {
      st->natural = {LONG(width), LONG(height)};
      st->bitmap = render_placed(picture.image, client.right, client.bottom, st->natural);
    }
  }
  InvalidateRect(box, nullptr, FALSE);
}

SIZE picture_box_picture_size(HWND box) {
  PictureState* st = state_of(box);
  return st && st->bitmap ? st->natural : SIZE{0, 0};
}

void shutdown_picture_boxes() {
  if (gdiplus_token) Gdiplus::GdiplusShutdown(gdiplus_token);
  gdiplus_token = 0;
}

}  // namespace runtime
