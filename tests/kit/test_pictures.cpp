// Test pictures encoded with GDI+ into memory streams.
#include "tests/kit/test_pictures.h"

#include <shlwapi.h>

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

namespace gp = Gdiplus::DllExports;

bool gdiplus_encoder(const wchar_t* mime, CLSID* clsid) {
  UINT count = 0, size = 0;
  if (gp::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::string buffer(size, '\0');
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (gp::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i)
    if (lstrcmpiW(codecs[i].MimeType, mime) == 0) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  return false;
}

std::string make_test_picture(int width, int height, COLORREF fill, const wchar_t* mime) {
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return {};
  std::string bytes;
  Gdiplus::GpBitmap* bitmap = nullptr;
  Gdiplus::GpGraphics* graphics = nullptr;
  CLSID clsid;
  if (gdiplus_encoder(mime, &clsid) &&
      gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) ==
          Gdiplus::Ok &&
      gp::GdipGetImageGraphicsContext(bitmap, &graphics) == Gdiplus::Ok) {
    gp::GdipGraphicsClear(graphics, 0xFF000000 | (GetRValue(fill) << 16) |
                                        (GetGValue(fill) << 8) | GetBValue(fill));
    gp::GdipDeleteGraphics(graphics);
    IStream* stream = SHCreateMemStream(nullptr, 0);
    if (stream && gp::GdipSaveImageToStream(bitmap, stream, &clsid, nullptr) == Gdiplus::Ok) {
      STATSTG stat = {};
      stream->Stat(&stat, STATFLAG_NONAME);
      bytes.resize(size_t(stat.cbSize.QuadPart));
      LARGE_INTEGER zero = {};
      stream->Seek(zero, STREAM_SEEK_SET, nullptr);
      ULONG read = 0;
      stream->Read(bytes.data(), ULONG(bytes.size()), &read);
      bytes.resize(read);
    }
    if (stream) stream->Release();
  }
  if (bitmap) gp::GdipDisposeImage(bitmap);
  Gdiplus::GdiplusShutdown(token);
  return bytes;
}
