// The decoded-picture cache behind draw_cached_picture: a few entries keyed by
// the picture's bytes, the oldest dropped first. GDI bitmaps rather than GDI+
// images, so entries may outlive GDI+ itself. Uses draw/ and GDI (msimg32).
#include "skin/core/picture_cache.h"

#include <deque>

#include "draw/draw.h"
#include "skin/core/backdrop.h"
#include "skin/core/gdi_guards.h"

namespace skin {

namespace {

struct Entry {
  std::string bytes;
  OwnedGdiObject<HBITMAP> bitmap;  // null when the bytes did not decode
  int width = 0, height = 0;
};

constexpr size_t cache_size = 16;

Entry decode(const std::string& bytes) {
  Entry entry;
  entry.bytes = bytes;
  DrawBitmap picture;
  if (!picture.FromBytes(bytes)) return entry;
  const int w = static_cast<int>(picture.GetWidth()), h = static_cast<int>(picture.GetHeight());
  HBITMAP bitmap = create_argb_bitmap(w, h);
  if (!bitmap) return entry;
  DIBSECTION dib{};
  GetObjectA(bitmap, sizeof dib, &dib);
  auto* bits = static_cast<DWORD*>(dib.dsBm.bmBits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {  // AlphaBlend takes premultiplied pixels
      const DWORD argb = picture.GetPixel(x, y), a = argb >> 24;
      const DWORD r = ((argb >> 16) & 0xFF) * a / 255, g = ((argb >> 8) & 0xFF) * a / 255,
                  b = (argb & 0xFF) * a / 255;
      bits[y * w + x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  entry.bitmap = OwnedGdiObject<HBITMAP>(bitmap);
  entry.width = w;
  entry.height = h;
  return entry;
}

const Entry& cached(const std::string& bytes) {
  static std::deque<Entry> entries;
  for (const Entry& e : entries)
    if (e.bytes == bytes) return e;
  if (entries.size() >= cache_size) entries.pop_front();
  entries.push_back(decode(bytes));
  return entries.back();
}

}  // namespace

void draw_cached_picture(HDC dc, const std::string& picture, int x, int y, int width, int height) {
  if (!dc || picture.empty() || width <= 0 || height <= 0) return;
  const Entry& entry = cached(picture);
  if (!entry.bitmap.get()) return;
  OwnedMemoryDC source(dc);
  ScopedSelect select(source.get(), entry.bitmap.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, width, height, source.get(), 0, 0, entry.width, entry.height, blend);
}

}  // namespace skin
