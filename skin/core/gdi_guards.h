// Scope guards and owners for GDI handles used by the skin's painters:
// SelectObject, GetDC/ReleaseDC, memory DCs and owned GDI objects. Platform only.
#pragma once
#include <windows.h>
#include <utility>

namespace skin {

// Selects an object into a DC and puts the previous one back at scope end.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~ScopedSelect() { if (previous_) SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// GetDC of a window, released at scope end.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~ScopedGetDC() { if (dc_) ReleaseDC(hwnd_, dc_); }
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  HDC get() const { return dc_; }
 private:
  HWND hwnd_;
  HDC dc_;
};

// An owned memory DC (DeleteDC at scope end).
class OwnedMemoryDC {
 public:
  explicit OwnedMemoryDC(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {}
  ~OwnedMemoryDC() { if (dc_) DeleteDC(dc_); }
  OwnedMemoryDC(const OwnedMemoryDC&) = delete;
  OwnedMemoryDC& operator=(const OwnedMemoryDC&) = delete;
  HDC get() const { return dc_; }
 private:
  HDC dc_;
};

// An owned GDI object (DeleteObject at scope end unless released).
template <typename Handle>
class OwnedGdiObject {
 public:
  explicit OwnedGdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~OwnedGdiObject() { if (handle_) DeleteObject(handle_); }
  OwnedGdiObject(OwnedGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedGdiObject& operator=(OwnedGdiObject&& other) noexcept {
    if (this != &other) {
      if (handle_) DeleteObject(handle_);
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedGdiObject(const OwnedGdiObject&) = delete;
  OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
  Handle get() const { return handle_; }
  Handle release() { return std::exchange(handle_, nullptr); }
 private:
  Handle handle_;
};

}  // namespace skin
