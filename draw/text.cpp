// Text objects: DrawFontFamily, DrawFont and DrawStringFormat. Uses the flat functions
// and gdi32 (a GDI font's LOGFONT).
#include "draw/flat_api.h"

using flat::api;
using flat::call;
using flat::record;

bool DrawFontFamily::Delete() {
  if (!family_) return false;
  const int status = call(api().GdipDeleteFontFamily, family_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawFontFamily::FromName(const std::string& name) {
  if (family_) Delete();
  const std::wstring wide = flat::to_wide(name);
  flat::H created = nullptr;
  // no font collection: the installed fonts
  const int status =
      call(api().GdipCreateFontFamilyFromName, wide.c_str(), flat::H(nullptr), &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

std::string DrawFontFamily::GetName() const {
  WCHAR name[LF_FACESIZE + 1] = {};  // GDI+ writes at most LF_FACESIZE characters
  const LANGID neutral = 0;
  if (!record(call(api().GdipGetFamilyName, family_, name, neutral))) return std::string();
  return flat::from_wide(name);
}

bool DrawFont::Delete() {
  if (!font_) return false;
  const int status = call(api().GdipDeleteFont, font_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawFont::Create(const std::string& family_name, float size, int style, int unit) {
  if (font_) Delete();
  // The font keeps what it needs of the family; the family goes at once.
  DrawFontFamily family;
  family.FromName(family_name);
  flat::H created = nullptr;
  const int status = call(api().GdipCreateFont, family.GetHandle(), size, style, unit, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  family.Delete();
  return record(status);
}

bool DrawFont::FromDC(HDC hdc) {
  if (font_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateFontFromDC, hdc, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawFont::FromDC(HDC hdc, HFONT hfont) {
  LOGFONTA logfont = {};
  if (!hfont || GetObjectA(hfont, sizeof logfont, &logfont) != sizeof logfont) return FromDC(hdc);
  if (font_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateFontFromLogfontA, hdc, &logfont, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawFont::GetFamily(DrawFontFamily& family) const {
  flat::H read = nullptr;
  const int status = call(api().GdipGetFamily, font_, &read);
  family.Delete();
  family.SetHandle(status == gdip::Ok ? read : nullptr);
  return record(status);
}

int DrawFont::GetStyle() const {
  int style = 0;
  record(call(api().GdipGetFontStyle, font_, &style));
  return style;
}

float DrawFont::GetSize() const {
  float size = 0.0f;
  record(call(api().GdipGetFontSize, font_, &size));
  return size;
}

bool DrawStringFormat::Delete() {
  if (!format_) return false;
  const int status = call(api().GdipDeleteStringFormat, format_);
  SetHandle(nullptr);
  return record(status);
}

bool DrawStringFormat::Create(int flags, LANGID language) {
  if (format_) Delete();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateStringFormat, flags, language, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawStringFormat::SetAlign(int alignment) {
  return record(call(api().GdipSetStringFormatAlign, format_, alignment));
}

bool DrawStringFormat::SetLineAlign(int alignment) {
  return record(call(api().GdipSetStringFormatLineAlign, format_, alignment));
}

bool DrawStringFormat::SetTrimming(int trimming) {
  return record(call(api().GdipSetStringFormatTrimming, format_, trimming));
}
