// ToolTipWindow: a tooltip window and the tools it shows over rectangles of its owner.
// Uses only the platform (user32, comctl32).
#include "draw/tooltip_window.h"

#include <commctrl.h>

namespace {

// The first TOOLINFOA layout, which every comctl32 version accepts.
TOOLINFOA tool_info(HWND owner, UINT_PTR id) {
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_SUBCLASS;  // the tooltip watches the owner's mouse messages itself
  info.hwnd = owner;
  info.uId = id;
  return info;
}

}  // namespace

HWND ToolTipWindow::Create(HWND owner, bool balloon) {
  destroy();
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};  // registers the class
  InitCommonControlsEx(&controls);
  const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
  window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  owner_ = window_ ? owner : nullptr;
  return window_;
}

bool ToolTipWindow::AddTool(const RECT& rect, const std::string& text, UINT_PTR id) {
  if (!window_) return false;
  TOOLINFOA info = tool_info(owner_, id);
  info.rect = rect;
  info.lpszText = const_cast<char*>(text.c_str());  // the tooltip keeps its own copy
  return SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool ToolTipWindow::SetToolRect(UINT_PTR id, const RECT& rect) {
  if (!window_) return false;
  TOOLINFOA info = tool_info(owner_, id);
  info.rect = rect;
  SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
  return true;
}

bool ToolTipWindow::UpdateText(UINT_PTR id, const std::string& text) {
  if (!window_) return false;
  TOOLINFOA info = tool_info(owner_, id);
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  return true;
}

void ToolTipWindow::destroy() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
  owner_ = nullptr;
}
