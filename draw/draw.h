// The drawing layer: owned wrappers over the GDI+ flat API (DrawObject and its classes),
// starting and stopping GDI+, and the layer's status. gdiplus.dll is loaded when first
// called. Uses only the platform and the standard library. Texts are code-page-936 strings.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "draw/draw_enums.h"
#include "draw/hglobal_stream.h"
#include "draw/tooltip_window.h"

// GDI+ Status of the most recent wrapper call (gdip::Ok = 0). GUI thread only.
extern int last_gdip_status;
// Token of the last gdiplus_start.
extern ULONG_PTR last_gdiplus_token;

// Starts GDI+ (version 1 by default); returns the token, also kept in last_gdiplus_token,
// or 0 on failure.
ULONG_PTR gdiplus_start(UINT32 version = 1);
// Stops the last start and clears last_gdiplus_token.
void gdiplus_stop();
// Stops the start that gave `token`; 0 does nothing.
void gdiplus_stop(ULONG_PTR token);

struct DrawPointF {
  float x;
  float y;
};
struct DrawRectF {
  float x;
  float y;
  float width;
  float height;
};

// Every operation below stores the GDI+ Status of its flat call in last_gdip_status and
// returns true exactly when it is Ok; getters return the value read (0 on failure).
// Delete/Dispose on a blank wrapper calls nothing and returns false; afterwards the
// wrapper is blank. A create operation releases the object held before.
// Colours are ARGB 0xAARRGGBB; modes, units and flags take the gdip:: values.

// Common base: the wrapped object's handle (null when blank). Wrappers own their object,
// release it when destroyed, can be moved but never copied.
class DrawObject {
 public:
  DrawObject() = default;
  DrawObject(const DrawObject&) = delete;
  DrawObject& operator=(const DrawObject&) = delete;
  virtual ~DrawObject() = default;

  void* GetHandle() const { return handle_; }
  // Stores h here and in the class's own typed handle; it does not release anything.
  void SetHandle(void* h) {
    handle_ = h;
    store_handle(h);
  }

  static void* Alloc(size_t size);  // GdipAlloc
  static void Free(void* pointer);  // GdipFree

 protected:
  virtual void store_handle(void* h) = 0;
  // Moves other's object here (this must be blank) and leaves other blank.
  void take(DrawObject& other) {
    SetHandle(other.handle_);
    other.SetHandle(nullptr);
  }

 private:
  void* handle_ = nullptr;
};

class DrawGraphicsPath;
class DrawBrush;
class DrawPen;
class DrawFont;
class DrawFontFamily;
class DrawStringFormat;
class DrawPicture;

// A GDI+ Graphics on a DC or an image.
class DrawGraphics : public DrawObject {
 public:
  DrawGraphics() = default;
  ~DrawGraphics() override { Delete(); }
  DrawGraphics(DrawGraphics&& other) noexcept { take(other); }
  DrawGraphics& operator=(DrawGraphics&& other) noexcept {
    if (this != &other) { Delete(); take(other); }
    return *this;
  }

  bool Delete();
  bool FromHDC(HDC hdc);
  bool FromHDC(HDC hdc, HANDLE hdevice);
  bool FromImage(const DrawPicture& image);
  bool SetCompositingQuality(int quality);
  bool SetInterpolationMode(int mode);
  bool SetSmoothingMode(int mode);
  bool SetPixelOffsetMode(int mode);
  bool DrawLine(const DrawPen& pen, float x1, float y1, float x2, float y2);
  bool DrawRectangle(const DrawPen& pen, float x, float y, float width, float height);
  bool DrawPath(const DrawPen& pen, const DrawGraphicsPath& path);
  bool Clear(DWORD argb = 0);
  bool FillRectangle(const DrawBrush& brush, float x, float y, float width, float height);
  bool FillPath(const DrawBrush& brush, const DrawGraphicsPath& path);
  // The text is converted to UTF-16 with the ANSI code page; it ends at its first zero byte.
  bool DrawString(const std::string& text, const DrawFont& font, const DrawBrush& brush,
                  const DrawRectF& rect);
  bool DrawString(const std::string& text, const DrawFont& font, const DrawBrush& brush,
                  const DrawRectF& rect, const DrawStringFormat& format);
  // The text's bounding box inside `layout` is written to `bounding`.
  bool MeasureString(const std::string& text, const DrawFont& font, const DrawRectF& layout,
                     DrawRectF& bounding);
  bool MeasureString(const std::string& text, const DrawFont& font, const DrawRectF& layout,
                     const DrawStringFormat& format, DrawRectF& bounding);
  bool DrawImage(const DrawPicture& image, float x, float y);
  // The whole image stretched into the rectangle.
  bool DrawImageRect(const DrawPicture& image, float x, float y, float width, float height,
                     int unit = gdip::UnitPixel);
  bool SetClipPath(const DrawGraphicsPath& path, int combine_mode = gdip::CombineModeReplace);
  bool SetClipRect(float x, float y, float width, float height,
                   int combine_mode = gdip::CombineModeReplace);
  bool ResetClip();

 private:
  void store_handle(void* h) override { graphics_ = static_cast<gdip::Graphics*>(h); }
  gdip::Graphics* graphics_ = nullptr;
};

class DrawGraphicsPath : public DrawObject {
 public:
  DrawGraphicsPath() = default;
  ~DrawGraphicsPath() override { Delete(); }
  DrawGraphicsPath(DrawGraphicsPath&& other) noexcept { take(other); }
  DrawGraphicsPath& operator=(DrawGraphicsPath&& other) noexcept {
    if (this != &other) { Delete(); take(other); }
    return *this;
  }

  bool Delete();
  bool Create(int fill_mode = gdip::FillModeAlternate);
  bool Reset();
  bool CloseFigure();
  bool AddLine(float x1, float y1, float x2, float y2);
  // Angles in degrees, clockwise from the x axis.
  bool AddArc(float x, float y, float width, float height, float start_angle, float sweep_angle);
  bool AddRectangle(float x, float y, float width, float height);
  bool AddEllipse(float x, float y, float width, float height);

 private:
  void store_handle(void* h) override { path_ = static_cast<gdip::Path*>(h); }
  gdip::Path* path_ = nullptr;
};

// Any brush: what FillRectangle, FillPath, DrawString and pens take.
class DrawBrush : public DrawObject {
 public:
  ~DrawBrush() override { Delete(); }
  bool Delete();  // GdipDeleteBrush

 protected:
  DrawBrush() = default;
  void move_from(DrawBrush& other) {
    if (this != &other) { Delete(); take(other); }
  }
  gdip::Brush* brush_ = nullptr;

 private:
  void store_handle(void* h) override { brush_ = static_cast<gdip::Brush*>(h); }
};

class DrawSolidBrush : public DrawBrush {
 public:
  DrawSolidBrush() = default;
  DrawSolidBrush(DrawSolidBrush&& other) noexcept { take(other); }
  DrawSolidBrush& operator=(DrawSolidBrush&& other) noexcept { move_from(other); return *this; }

  bool Create(DWORD argb);
};

// A linear gradient from point1 (argb1) to point2 (argb2), tiled beyond them.
class DrawLinearBrush : public DrawBrush {
 public:
  DrawLinearBrush() = default;
  DrawLinearBrush(DrawLinearBrush&& other) noexcept { take(other); }
  DrawLinearBrush& operator=(DrawLinearBrush&& other) noexcept { move_from(other); return *this; }

  bool Create(const DrawPointF& point1, const DrawPointF& point2, DWORD argb1, DWORD argb2);
  // One position (0..1) per colour; fewer positions than colours fail with InvalidParameter.
  bool SetPresetBlend(const std::vector<DWORD>& colours, const std::vector<float>& positions);
  bool SetLinearBlend(float focus, float scale);
};

// A gradient from a path's centre colour to its surround colours.
class DrawPathBrush : public DrawBrush {
 public:
  DrawPathBrush() = default;
  DrawPathBrush(DrawPathBrush&& other) noexcept { take(other); }
  DrawPathBrush& operator=(DrawPathBrush&& other) noexcept { move_from(other); return *this; }

  bool CreateFromPath(const DrawGraphicsPath& path);
  bool SetCenterColor(DWORD argb);
  // The first `count` colours (all when not given); a count beyond them fails with InvalidParameter.
  bool SetSurroundColors(const std::vector<DWORD>& colours);
  bool SetSurroundColors(const std::vector<DWORD>& colours, int count);
};

class DrawPen : public DrawObject {
 public:
  DrawPen() = default;
  ~DrawPen() override { Delete(); }
  DrawPen(DrawPen&& other) noexcept { take(other); }
  DrawPen& operator=(DrawPen&& other) noexcept {
    if (this != &other) { Delete(); take(other); }
    return *this;
  }

  bool Delete();
  bool Create(DWORD argb, float width, int unit = gdip::UnitWorld);
  bool CreateFromBrush(const DrawBrush& brush, float width, int unit = gdip::UnitWorld);
  bool SetWidth(float width);

 private:
  void store_handle(void* h) override { pen_ = static_cast<gdip::Pen*>(h); }
  gdip::Pen* pen_ = nullptr;
};

// A font family of the installed fonts; released when destroyed, like every wrapper.
class DrawFontFamily : public DrawObject {
 public:
  DrawFontFamily() = default;
  ~DrawFontFamily() override { Delete(); }
  DrawFontFamily(DrawFontFamily&& other) noexcept { take(other); }
  DrawFontFamily& operator=(DrawFontFamily&& other) noexcept {
    if (this != &other) { Delete(); take(other); }
    return *this;
  }

  bool Delete();
  bool FromName(const std::string& name);
  std::string GetName() const;  // empty on failure

 private:
  void store_handle(void* h) override { family_ = static_cast<gdip::FontFamily*>(h); }
  gdip::FontFamily* family_ = nullptr;
};

class DrawFont : public DrawObject {
 public:
  DrawFont() = default;
  ~DrawFont() override { Delete(); }
  DrawFont(DrawFont&& other) noexcept { take(other); }
  DrawFont& operator=(DrawFont&& other) noexcept {
    if (this != &other) { Delete(); take(other); }
    return *this;
  }

  bool Delete();
  // A font of an installed family; style bits gdip::FontStyle*, size in `unit`.
  bool Create(const std::string& family_name, float size, int style = gdip::FontStyleRegular,
              int unit = gdip::UnitWorld);
  // The DC's font, or the given GDI font measured on the DC.
  bool FromDC(HDC hdc);
  bool FromDC(HDC hdc, HFONT hfont);
  // The font's family, into `family` (which releases what it held).
  bool GetFamily(DrawFontFamily& family) const;
  int GetStyle() const;
  float GetSize() const;

 private:
  void store_handle(void* h) override { font_ = static_cast<gdip::Font*>(h); }
  gdip::Font* font_ = nullptr;
};

class DrawStringFormat : public DrawObject {
 public:
  DrawStringFormat() = default;
  ~DrawStringFormat() override { Delete(); }
  DrawStringFormat(DrawStringFormat&& other) noexcept { take(other); }
  DrawStringFormat& operator=(DrawStringFormat&& other) noexcept {
    if (this != &other) { Delete(); take(other); }
    return *this;
  }

  bool Delete();
  bool Create(int flags = 0, LANGID language = 0);
  bool SetAlign(int alignment);       // gdip::StringAlignment*
  bool SetLineAlign(int alignment);
  bool SetTrimming(int trimming);     // gdip::StringTrimming*

 private:
  void store_handle(void* h) override { format_ = static_cast<gdip::StringFormat*>(h); }
  gdip::StringFormat* format_ = nullptr;
};

// A GDI+ Image. Loaded from bytes, it keeps its own copy of them (GDI+ reads the stream
// lazily), so the caller's buffer may go at once.
class DrawPicture : public DrawObject {
 public:
  DrawPicture() = default;
  ~DrawPicture() override { DrawPicture::Dispose(); }
  DrawPicture(DrawPicture&& other) noexcept : stream_(std::move(other.stream_)) { take(other); }
  DrawPicture& operator=(DrawPicture&& other) noexcept {
    if (this != &other) {
      Dispose();
      stream_ = std::move(other.stream_);
      take(other);
    }
    return *this;
  }

  virtual bool Dispose();
  // The file name is converted to UTF-16 with the ANSI code page.
  virtual bool FromFile(const std::string& file_name, bool use_icm = false);
  // JPEG, PNG, BMP, GIF... bytes; an empty buffer fails.
  virtual bool FromBytes(const std::string& bytes, bool use_icm = false);
  // The image encoded in the format named by its GUID text ("{B96B3CAF-...}" = PNG, see
  // gdip::ImageFormat*), or in its own format when the text is empty. Empty when no
  // installed encoder has exactly that text (upper-case, braces) or on failure.
  // `encoder_parameters` points at a GDI+ EncoderParameters block, or is null.
  std::string SaveToBytes(const std::string& format_id = std::string(),
                          const void* encoder_parameters = nullptr) const;
  UINT GetWidth() const;
  UINT GetHeight() const;
  bool RotateFlip(int type);  // gdip::Rotate*

 protected:
  void store_handle(void* h) override { image_ = static_cast<gdip::Image*>(h); }
  gdip::Image* image_ = nullptr;
  HGlobalStream stream_;  // the bytes an image loaded from memory reads from
};

// A GDI+ Bitmap: an image with pixels of its own.
class DrawBitmap : public DrawPicture {
 public:
  DrawBitmap() = default;
  ~DrawBitmap() override { DrawBitmap::Dispose(); }
  DrawBitmap(DrawBitmap&& other) noexcept : DrawPicture(std::move(other)) { SetHandle(GetHandle()); }
  DrawBitmap& operator=(DrawBitmap&& other) noexcept {
    DrawPicture::operator=(std::move(other));
    return *this;
  }

  bool Dispose() override;
  bool FromFile(const std::string& file_name, bool use_icm = false) override;
  bool FromBytes(const std::string& bytes, bool use_icm = false) override;
  // A blank bitmap; 32 bits per pixel with alpha unless another gdip::PixelFormat* is given.
  bool Create(int width, int height, int pixel_format = gdip::PixelFormat32bppARGB);
  bool FromHICON(HICON icon);
  // A new GDI bitmap of the image over `background`; the caller owns it. Null on failure.
  HBITMAP ToHBITMAP(DWORD background_argb = 0) const;
  DWORD GetPixel(int x, int y) const;  // ARGB; 0 on failure

 private:
  void store_handle(void* h) override {
    DrawPicture::store_handle(h);
    bitmap_ = static_cast<gdip::Bitmap*>(h);
  }
  gdip::Bitmap* bitmap_ = nullptr;
};
