// Helpers of the control-procedure tests (see control_test_util.h).
#include "tests/skin/control_test_util.h"

namespace skintest {

HWND make_control(HWND parent, const char* cls, DWORD style, int x, int y, int width, int height,
                  DWORD ex_style, const char* text) {
  return CreateWindowExA(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

COLORREF window_pixel(HWND hwnd, int x, int y, bool whole_window) {
  GdiFlush();
  HDC dc = whole_window ? GetWindowDC(hwnd) : GetDC(hwnd);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return colour;
}

void fill_window(HWND hwnd, COLORREF colour) {
  HDC dc = GetDC(hwnd);
  RECT client{};
  GetClientRect(hwnd, &client);
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  ReleaseDC(hwnd, dc);
  GdiFlush();
}

COLORREF blend(COLORREF top, COLORREF bottom, int alpha) {
  auto mix = [alpha](int a, int b) { return (a * alpha + b * (255 - alpha) + 127) / 255; };
  return RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
             mix(GetBValue(top), GetBValue(bottom)));
}

void drop_waiting_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_MOUSELEAVE, WM_MOUSELEAVE, PM_REMOVE)) {
  }
}

}  // namespace skintest
