// Internal to draw/: the GDI+ flat functions the layer calls, resolved from gdiplus.dll
// once on first use, and small helpers shared by the layer's sources. Uses only the platform.
#pragma once
#include <windows.h>
#include <objidl.h>
#include <string>

#include "draw/draw.h"

namespace flat {

using H = void*;  // any GDI+ object; the layer's typed handles convert to it

// One line per flat function: name, parameters. Each returns a GDI+ Status.
#define ZOVRA_GDIPLUS_FUNCTIONS(X)                                                       \
  X(GdiplusStartup, (ULONG_PTR*, const void*, void*))                                    \
  X(GdipDeleteGraphics, (H))                                                             \
  X(GdipCreateFromHDC, (HDC, H*))                                                        \
  X(GdipCreateFromHDC2, (HDC, HANDLE, H*))                                               \
  X(GdipGetImageGraphicsContext, (H, H*))                                                \
  X(GdipSetCompositingQuality, (H, int))                                                 \
  X(GdipSetInterpolationMode, (H, int))                                                  \
  X(GdipSetSmoothingMode, (H, int))                                                      \
  X(GdipSetPixelOffsetMode, (H, int))                                                    \
  X(GdipDrawLine, (H, H, float, float, float, float))                                    \
  X(GdipDrawRectangle, (H, H, float, float, float, float))                               \
  X(GdipDrawPath, (H, H, H))                                                             \
  X(GdipGraphicsClear, (H, DWORD))                                                       \
  X(GdipFillRectangle, (H, H, float, float, float, float))                               \
  X(GdipFillPath, (H, H, H))                                                             \
  X(GdipDrawString, (H, const WCHAR*, int, H, const DrawRectF*, H, H))                   \
  X(GdipMeasureString, (H, const WCHAR*, int, H, const DrawRectF*, H, DrawRectF*, int*,  \
                        int*))                                                           \
  X(GdipDrawImage, (H, H, float, float))                                                 \
  X(GdipDrawImageRectRect, (H, H, float, float, float, float, float, float, float,      \
                            float, int, H, void*, void*))                                \
  X(GdipSetClipPath, (H, H, int))                                                        \
  X(GdipSetClipRect, (H, float, float, float, float, int))                               \
  X(GdipResetClip, (H))                                                                  \
  X(GdipDeletePath, (H))                                                                 \
  X(GdipCreatePath, (int, H*))                                                           \
  X(GdipResetPath, (H))                                                                  \
  X(GdipClosePathFigure, (H))                                                            \
  X(GdipAddPathLine, (H, float, float, float, float))                                    \
  X(GdipAddPathArc, (H, float, float, float, float, float, float))                       \
  X(GdipAddPathRectangle, (H, float, float, float, float))                               \
  X(GdipAddPathEllipse, (H, float, float, float, float))                                 \
  X(GdipDeleteBrush, (H))                                                                \
  X(GdipCreateSolidFill, (DWORD, H*))                                                    \
  X(GdipCreateLineBrush, (const DrawPointF*, const DrawPointF*, DWORD, DWORD, int, H*))  \
  X(GdipSetLinePresetBlend, (H, const DWORD*, const float*, int))                        \
  X(GdipSetLineLinearBlend, (H, float, float))                                           \
  X(GdipCreatePathGradientFromPath, (H, H*))                                             \
  X(GdipSetPathGradientCenterColor, (H, DWORD))                                          \
  X(GdipSetPathGradientSurroundColorsWithCount, (H, const DWORD*, int*))                 \
  X(GdipDeletePen, (H))                                                                  \
  X(GdipCreatePen1, (DWORD, float, int, H*))                                             \
  X(GdipCreatePen2, (H, float, int, H*))                                                 \
  X(GdipSetPenWidth, (H, float))                                                         \
  X(GdipDeleteFont, (H))                                                                 \
  X(GdipCreateFont, (H, float, int, int, H*))                                            \
  X(GdipCreateFontFromDC, (HDC, H*))                                                     \
  X(GdipCreateFontFromLogfontA, (HDC, const LOGFONTA*, H*))                              \
  X(GdipGetFamily, (H, H*))                                                              \
  X(GdipGetFontStyle, (H, int*))                                                         \
  X(GdipGetFontSize, (H, float*))                                                        \
  X(GdipDeleteFontFamily, (H))                                                           \
  X(GdipCreateFontFamilyFromName, (const WCHAR*, H, H*))                                 \
  X(GdipGetFamilyName, (H, WCHAR*, LANGID))                                              \
  X(GdipDeleteStringFormat, (H))                                                         \
  X(GdipCreateStringFormat, (int, LANGID, H*))                                           \
  X(GdipSetStringFormatAlign, (H, int))                                                  \
  X(GdipSetStringFormatLineAlign, (H, int))                                              \
  X(GdipSetStringFormatTrimming, (H, int))                                               \
  X(GdipDisposeImage, (H))                                                               \
  X(GdipLoadImageFromFile, (const WCHAR*, H*))                                           \
  X(GdipLoadImageFromFileICM, (const WCHAR*, H*))                                        \
  X(GdipLoadImageFromStream, (IStream*, H*))                                             \
  X(GdipLoadImageFromStreamICM, (IStream*, H*))                                          \
  X(GdipGetImageRawFormat, (H, GUID*))                                                   \
  X(GdipGetImageEncodersSize, (UINT*, UINT*))                                            \
  X(GdipGetImageEncoders, (UINT, UINT, void*))                                           \
  X(GdipSaveImageToStream, (H, IStream*, const CLSID*, const void*))                     \
  X(GdipGetImageWidth, (H, UINT*))                                                       \
  X(GdipGetImageHeight, (H, UINT*))                                                      \
  X(GdipImageRotateFlip, (H, int))                                                       \
  X(GdipCreateBitmapFromFile, (const WCHAR*, H*))                                        \
  X(GdipCreateBitmapFromFileICM, (const WCHAR*, H*))                                     \
  X(GdipCreateBitmapFromStream, (IStream*, H*))                                          \
  X(GdipCreateBitmapFromStreamICM, (IStream*, H*))                                       \
  X(GdipCreateBitmapFromScan0, (int, int, int, int, BYTE*, H*))                          \
  X(GdipCreateBitmapFromHICON, (HICON, H*))                                              \
  X(GdipCreateHBITMAPFromBitmap, (H, HBITMAP*, DWORD))                                   \
  X(GdipBitmapGetPixel, (H, int, int, DWORD*))

// The resolved addresses; a function gdiplus.dll lacks (or all, without the DLL) is null.
struct Api {
#define ZOVRA_FLAT_MEMBER(name, params) int(WINAPI* name) params = nullptr;
  ZOVRA_GDIPLUS_FUNCTIONS(ZOVRA_FLAT_MEMBER)
#undef ZOVRA_FLAT_MEMBER
  void(WINAPI* GdiplusShutdown)(ULONG_PTR) = nullptr;
  void*(WINAPI* GdipAlloc)(size_t) = nullptr;
  void(WINAPI* GdipFree)(void*) = nullptr;
};

// Loads gdiplus.dll and resolves every function, the first time only.
const Api& api();

// The address of any export of gdiplus.dll; null when missing.
FARPROC proc(const char* name);

// Calls a resolved function; a missing one answers NotImplemented instead of crashing.
template <class Fn, class... Args>
int call(Fn fn, Args... args) {
  return fn ? fn(args...) : gdip::NotImplemented;
}

// Keeps the status as the layer's last one and tells whether it is Ok.
inline bool record(int status) {
  last_gdip_status = status;
  return status == gdip::Ok;
}

// A code-page-936 text (up to its first zero byte) as UTF-16, by the ANSI code page.
std::wstring to_wide(const std::string& text);
// UTF-16 as text in the ANSI code page.
std::string from_wide(const WCHAR* text);

}  // namespace flat
