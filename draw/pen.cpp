// DrawPen: a GDI+ Pen of a colour or of a brush. Uses the flat functions only.
#include "draw/flat_api.h"

using flat::api;
using flat::call;
using flat::record;

bool DrawPen::Delete() {
  if (!pen_) return false;
  const int status = call(api().GdipDeletePen, pen_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawPen::Create(DWORD argb, float width, int unit) {
  if (pen_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreatePen1, argb, width, unit, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawPen::CreateFromBrush(const DrawBrush& brush, float width, int unit) {
  if (pen_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreatePen2, brush.GetHandle(), width, unit, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawPen::SetWidth(float width) {
  return record(call(api().GdipSetPenWidth, pen_, width));
}
