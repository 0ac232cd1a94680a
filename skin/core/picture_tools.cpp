// The average colour of a picture and its edge-faded copy, for background
// pictures of the skin. Uses draw/ and runtime/ (random numbers).
#include "skin/core/picture_tools.h"

#include "draw/draw.h"
#include "runtime/services.h"
#include "skin/core/shapes.h"

namespace skin {

namespace {

template <typename Image>
bool load(Image& image, const std::string& bytes, const std::string& file_name) {
  return file_name.empty() ? image.FromBytes(bytes) : image.FromFile(file_name);
}

void fill_gradient(DrawGraphics& g, DrawPointF from, DrawPointF to, DWORD argb1, DWORD argb2,
                   DrawRectF area) {
  DrawLinearBrush brush;
  brush.Create(from, to, argb1, argb2);
  g.FillRectangle(brush, area.x, area.y, area.width, area.height);
}

}  // namespace

COLORREF picture_average_colour(const std::string& picture, int samples,
                                std::optional<int> right_strip, std::optional<int> bottom_strip,
                                const std::string& file_name) {
  DrawBitmap bitmap;
  load(bitmap, picture, file_name);
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  if (samples < 1 || width < 1 || height < 1) return 0xFF000000;
  int left = 0, top = 0;
  if (right_strip && *right_strip >= 1) left = width > *right_strip ? width - *right_strip : 0;
  if (bottom_strip && *bottom_strip >= 1) top = height > *bottom_strip ? height - *bottom_strip : 0;
  long long red = 0, green = 0, blue = 0;
  for (int k = 0; k < samples; ++k) {
    DWORD argb = bitmap.GetPixel(runtime::random_number(left, width - 1),
                                 runtime::random_number(top, height - 1));
    red += (argb >> 16) & 0xFF;
    green += (argb >> 8) & 0xFF;
    blue += argb & 0xFF;
  }
  return 0xFF000000 | RGB(red / samples, green / samples, blue / samples);
}

std::string fade_picture_edges(const std::string& picture, std::optional<int> band_width,
                               COLORREF fill, std::optional<bool> fade_right,
                               const std::string& file_name) {
  DrawPicture image;
  load(image, picture, file_name);
  const int width = static_cast<int>(image.GetWidth());
  const int height = static_cast<int>(image.GetHeight());
  DrawBitmap canvas;
  if (!canvas.Create(width, height)) return std::string();
  {
    DrawGraphics g;
    g.FromImage(canvas);
    g.SetCompositingQuality(gdip::CompositingQualityGammaCorrected);
    g.DrawImageRect(image, 0, 0, static_cast<float>(width), static_cast<float>(height));
    const float W = static_cast<float>(width), H = static_cast<float>(height);
    const float b = static_cast<float>(band_width ? *band_width : static_cast<int>(width * 0.3));
    const DWORD solid = colour_to_argb(fill, 255), clear = colour_to_argb(fill, 0);
    if (fade_right.value_or(true))
      fill_gradient(g, {W - b, 0}, {W, 0}, colour_to_argb(0xFFFFFF, 0), solid,
                    {W - b + 1, 0, b, H});
    else
      fill_gradient(g, {0, 0}, {b, 0}, solid, colour_to_argb(0xFFFFFF, 0), {0, 0, b, H});
    fill_gradient(g, {0, H - b}, {0, H}, clear, solid, {0, H - b + 1, W, b});
  }
  return canvas.SaveToBytes(gdip::ImageFormatPNG);
}

}  // namespace skin
