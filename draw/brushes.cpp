// The brushes: DrawBrush (release), DrawSolidBrush, DrawLinearBrush and DrawPathBrush.
// Uses the flat functions only.
#include "draw/flat_api.h"

using flat::api;
using flat::call;
using flat::record;

bool DrawBrush::Delete() {
  if (!brush_) return false;
  const int status = call(api().GdipDeleteBrush, brush_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawSolidBrush::Create(DWORD argb) {
  if (brush_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateSolidFill, argb, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawLinearBrush::Create(const DrawPointF& point1, const DrawPointF& point2, DWORD argb1,
                             DWORD argb2) {
  if (brush_) Delete();
  const int wrap_tile = 0;
  flat::H created = nullptr;
  const int status =
      call(api().GdipCreateLineBrush, &point1, &point2, argb1, argb2, wrap_tile, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawLinearBrush::SetPresetBlend(const std::vector<DWORD>& colours,
                                     const std::vector<float>& positions) {
  // GDI+ reads as many positions as colours: fewer would be read past their end.
  if (positions.size() < colours.size()) return record(gdip::InvalidParameter);
  return record(call(api().GdipSetLinePresetBlend, brush_, colours.data(), positions.data(),
                     static_cast<int>(colours.size())));
}

bool DrawLinearBrush::SetLinearBlend(float focus, float scale) {
  return record(call(api().GdipSetLineLinearBlend, brush_, focus, scale));
}

bool DrawPathBrush::CreateFromPath(const DrawGraphicsPath& path) {
  if (brush_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreatePathGradientFromPath, path.GetHandle(), &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawPathBrush::SetCenterColor(DWORD argb) {
  return record(call(api().GdipSetPathGradientCenterColor, brush_, argb));
}

bool DrawPathBrush::SetSurroundColors(const std::vector<DWORD>& colours) {
  return SetSurroundColors(colours, static_cast<int>(colours.size()));
}

bool DrawPathBrush::SetSurroundColors(const std::vector<DWORD>& colours, int count) {
  if (count < 0 || static_cast<size_t>(count) > colours.size())
    return record(gdip::InvalidParameter);
  int written = count;  // GDI+ writes back how many it took; nobody asks
  return record(
      call(api().GdipSetPathGradientSurroundColorsWithCount, brush_, colours.data(), &written));
}
