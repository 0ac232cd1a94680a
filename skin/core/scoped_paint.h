// BeginPaint/EndPaint as a scope guard, for the skinned window procedure.
// Platform only.
#pragma once
#include <windows.h>

namespace skin {

class ScopedPaint {
 public:
  explicit ScopedPaint(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  ~ScopedPaint() { if (dc_) EndPaint(hwnd_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace skin
