// DrawGraphicsPath: a GDI+ GraphicsPath built from lines, arcs, rectangles and ellipses.
// Uses the flat functions only.
#include "draw/flat_api.h"

using flat::api;
using flat::call;
using flat::record;

bool DrawGraphicsPath::Delete() {
  if (!path_) return false;
  const int status = call(api().GdipDeletePath, path_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawGraphicsPath::Create(int fill_mode) {
  if (path_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreatePath, fill_mode, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawGraphicsPath::Reset() {
  return record(call(api().GdipResetPath, path_));
}

bool DrawGraphicsPath::CloseFigure() {
  return record(call(api().GdipClosePathFigure, path_));
}

bool DrawGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  return record(call(api().GdipAddPathLine, path_, x1, y1, x2, y2));
}

bool DrawGraphicsPath::AddArc(float x, float y, float width, float height, float start_angle,
                              float sweep_angle) {
  return record(
      call(api().GdipAddPathArc, path_, x, y, width, height, start_angle, sweep_angle));
}

bool DrawGraphicsPath::AddRectangle(float x, float y, float width, float height) {
  return record(call(api().GdipAddPathRectangle, path_, x, y, width, height));
}

bool DrawGraphicsPath::AddEllipse(float x, float y, float width, float height) {
  return record(call(api().GdipAddPathEllipse, path_, x, y, width, height));
}
