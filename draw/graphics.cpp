// DrawGraphics: a GDI+ Graphics and the drawing calls the skin makes on it.
// Uses the flat functions only.
#include "draw/flat_api.h"

using flat::api;
using flat::call;
using flat::record;

bool DrawGraphics::Delete() {
  if (!graphics_) return false;
  const int status = call(api().GdipDeleteGraphics, graphics_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawGraphics::FromHDC(HDC hdc) {
  if (graphics_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateFromHDC, hdc, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawGraphics::FromHDC(HDC hdc, HANDLE hdevice) {
  if (graphics_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateFromHDC2, hdc, hdevice, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawGraphics::FromImage(const DrawPicture& image) {
  if (graphics_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipGetImageGraphicsContext, image.GetHandle(), &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawGraphics::SetCompositingQuality(int quality) {
  return record(call(api().GdipSetCompositingQuality, graphics_, quality));
}

bool DrawGraphics::SetInterpolationMode(int mode) {
  return record(call(api().GdipSetInterpolationMode, graphics_, mode));
}

bool DrawGraphics::SetSmoothingMode(int mode) {
  return record(call(api().GdipSetSmoothingMode, graphics_, mode));
}

bool DrawGraphics::SetPixelOffsetMode(int mode) {
  return record(call(api().GdipSetPixelOffsetMode, graphics_, mode));
}

bool DrawGraphics::DrawLine(const DrawPen& pen, float x1, float y1, float x2, float y2) {
  return record(call(api().GdipDrawLine, graphics_, pen.GetHandle(), x1, y1, x2, y2));
}

bool DrawGraphics::DrawRectangle(const DrawPen& pen, float x, float y, float width,
                                 float height) {
  return record(call(api().GdipDrawRectangle, graphics_, pen.GetHandle(), x, y, width, height));
}

bool DrawGraphics::DrawPath(const DrawPen& pen, const DrawGraphicsPath& path) {
  return record(call(api().GdipDrawPath, graphics_, pen.GetHandle(), path.GetHandle()));
}

bool DrawGraphics::Clear(DWORD argb) {
  return record(call(api().GdipGraphicsClear, graphics_, argb));
}

bool DrawGraphics::FillRectangle(const DrawBrush& brush, float x, float y, float width,
                                 float height) {
  return record(
      call(api().GdipFillRectangle, graphics_, brush.GetHandle(), x, y, width, height));
}

bool DrawGraphics::FillPath(const DrawBrush& brush, const DrawGraphicsPath& path) {
  return record(call(api().GdipFillPath, graphics_, brush.GetHandle(), path.GetHandle()));
}

namespace {

int draw_string(gdip::Graphics* graphics, const std::string& text, const DrawFont& font,
                const DrawBrush& brush, const DrawRectF& rect, flat::H format) {
  const std::wstring wide = flat::to_wide(text);
  return call(api().GdipDrawString, graphics, wide.c_str(), lstrlenW(wide.c_str()),
              font.GetHandle(), &rect, format, brush.GetHandle());
}

int measure_string(gdip::Graphics* graphics, const std::string& text, const DrawFont& font,
                   const DrawRectF& layout, flat::H format, DrawRectF& bounding) {
  const std::wstring wide = flat::to_wide(text);
  return call(api().GdipMeasureString, graphics, wide.c_str(), lstrlenW(wide.c_str()),
              font.GetHandle(), &layout, format, &bounding, static_cast<int*>(nullptr),
              static_cast<int*>(nullptr));
}

}  // namespace

bool DrawGraphics::DrawString(const std::string& text, const DrawFont& font,
                              const DrawBrush& brush, const DrawRectF& rect) {
  return record(draw_string(graphics_, text, font, brush, rect, nullptr));
}

bool DrawGraphics::DrawString(const std::string& text, const DrawFont& font,
                              const DrawBrush& brush, const DrawRectF& rect,
                              const DrawStringFormat& format) {
  return record(draw_string(graphics_, text, font, brush, rect, format.GetHandle()));
}

bool DrawGraphics::MeasureString(const std::string& text, const DrawFont& font,
                                 const DrawRectF& layout, DrawRectF& bounding) {
  return record(measure_string(graphics_, text, font, layout, nullptr, bounding));
}

bool DrawGraphics::MeasureString(const std::string& text, const DrawFont& font,
                                 const DrawRectF& layout, const DrawStringFormat& format,
                                 DrawRectF& bounding) {
  return record(measure_string(graphics_, text, font, layout, format.GetHandle(), bounding));
}

bool DrawGraphics::DrawImage(const DrawPicture& image, float x, float y) {
  return record(call(api().GdipDrawImage, graphics_, image.GetHandle(), x, y));
}

bool DrawGraphics::DrawImageRect(const DrawPicture& image, float x, float y, float width,
                                 float height, int unit) {
  // The source is the whole image; its size is read here, not kept.
  UINT image_width = 0;
  UINT image_height = 0;
  call(api().GdipGetImageWidth, image.GetHandle(), &image_width);
  call(api().GdipGetImageHeight, image.GetHandle(), &image_height);
  return record(call(api().GdipDrawImageRectRect, graphics_, image.GetHandle(), x, y, width,
                     height, 0.0f, 0.0f, static_cast<float>(image_width),
                     static_cast<float>(image_height), unit, flat::H(nullptr),
                     static_cast<void*>(nullptr), static_cast<void*>(nullptr)));
}

bool DrawGraphics::SetClipPath(const DrawGraphicsPath& path, int combine_mode) {
  return record(call(api().GdipSetClipPath, graphics_, path.GetHandle(), combine_mode));
}

bool DrawGraphics::SetClipRect(float x, float y, float width, float height, int combine_mode) {
  return record(call(api().GdipSetClipRect, graphics_, x, y, width, height, combine_mode));
}

bool DrawGraphics::ResetClip() {
  return record(call(api().GdipResetClip, graphics_));
}
