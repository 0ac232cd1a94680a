// Windows skinned through apply_to_window, message pumping and mouse input for
// the window-procedure tests (see applied_window.h).
#include "tests/skin/applied_window.h"

#include "tests/skin/skin_fixture.h"

#include <thread>

namespace skintest {

namespace {

const char* const window_class = "ZovraAppliedTestWindow";

void send_mouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

AppliedWindow::AppliedWindow(const AppliedOptions& o) {
  register_test_class(window_class, CS_DBLCLKS);
  hwnd_ = CreateWindowExA(0, o.window_class ? o.window_class : window_class, "应用测试", o.style,
                          o.frame.left, o.frame.top, o.frame.right - o.frame.left,
                          o.frame.bottom - o.frame.top, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  the_skin().apply_to_window(hwnd_, {}, o.caption_interaction, o.dblclick_maximizes);
  if (o.visible) {
    ShowWindow(hwnd_, o.activate ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
    if (o.activate) SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
    pump_messages();
  }
}

AppliedWindow::~AppliedWindow() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  pump_messages();
}

POINT AppliedWindow::on_screen(int x, int y) const {
  POINT p{x, y};
  ClientToScreen(hwnd_, &p);
  return p;
}

POINT AppliedWindow::button_centre(int n) const {
  const skin::CaptionRect& r = record().caption_buttons[static_cast<size_t>(n - 1)].rect;
  return POINT{static_cast<int>(r.x + r.width / 2), static_cast<int>(r.y + r.height / 2)};
}

RECT AppliedWindow::window_rect() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r;
}

void pump_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool pump_until(const std::function<bool()>& condition, int limit_ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(limit_ms);
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    pump_messages();
  }
  return true;
}

void mouse_move_to(POINT p) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  // Absolute coordinates run from 0 to 65535 over the screen; the extra half
  // pixel keeps rounding from landing one pixel short.
  const LONG dx = static_cast<LONG>((p.x * 65536LL + 32768) / w);
  const LONG dy = static_cast<LONG>((p.y * 65536LL + 32768) / h);
  send_mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, dx, dy);
}

void mouse_button(bool down) { send_mouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); }

void drive_input_while_pumping(const std::function<void()>& input) {
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread driver([&] {
    input();
    SetEvent(done);
  });
  while (MsgWaitForMultipleObjects(1, &done, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
    pump_messages();
  driver.join();
  CloseHandle(done);
  pump_messages();
}

}  // namespace skintest
