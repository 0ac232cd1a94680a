// ToolTipWindow: a common-controls tooltip window whose tools are rectangles of one owner window.
// Uses only the platform (user32, comctl32). Texts are code-page-936 byte strings.
#pragma once
#include <windows.h>
#include <string>

// Owns its tooltip window: destroyed with the object (or by the next Create).
class ToolTipWindow {
 public:
  ToolTipWindow() = default;
  ~ToolTipWindow() { destroy(); }
  ToolTipWindow(const ToolTipWindow&) = delete;
  ToolTipWindow& operator=(const ToolTipWindow&) = delete;
  ToolTipWindow(ToolTipWindow&& other) noexcept
      : window_(other.window_), owner_(other.owner_) {
    other.window_ = nullptr;
    other.owner_ = nullptr;
  }
  ToolTipWindow& operator=(ToolTipWindow&& other) noexcept {
    if (this != &other) {
      destroy();
      window_ = other.window_;
      owner_ = other.owner_;
      other.window_ = nullptr;
      other.owner_ = nullptr;
    }
    return *this;
  }

  // A tooltip (TTS_ALWAYSTIP, plus TTS_BALLOON when asked) for the owner's tools; null on failure.
  HWND Create(HWND owner, bool balloon = false);
  // A tool over `rect` (client coordinates of the owner) showing `text`; true when added.
  bool AddTool(const RECT& rect, const std::string& text, UINT_PTR id);
  // These two answer whether the message reached a tooltip window.
  bool SetToolRect(UINT_PTR id, const RECT& rect);
  bool UpdateText(UINT_PTR id, const std::string& text);
  HWND Window() const { return window_; }

 private:
  void destroy();

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
};
