// Windows skinned through apply_to_window for the window-procedure tests, with
// message pumping and real mouse input on the (virtual) display.
// Uses the skin, the skin test fixture and the platform.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "tests/skin/skin_fixture.h"

namespace skintest {

struct AppliedOptions {
  DWORD style = WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  RECT frame{100, 100, 500, 400};  // screen rectangle of the window
  bool visible = true;
  bool activate = true;  // shown active (SetForegroundWindow) rather than without activation
  std::optional<bool> dblclick_maximizes;
  std::optional<bool> caption_interaction;
  const char* window_class = nullptr;  // a class registered by the test; null = plain one
};

// A top-level window of a class with CS_DBLCLKS, skinned by apply_to_window and
// (when visible) shown and painted; destroyed with the object unless already gone.
// Under Wine without a window manager a visible window with WS_SYSMENU (which the
// skin adds) takes two seconds to be destroyed: Wine waits for a window manager
// to withdraw it. Tests that need no screen keep their windows hidden.
class AppliedWindow {
 public:
  explicit AppliedWindow(const AppliedOptions& options = {});
  ~AppliedWindow();
  AppliedWindow(const AppliedWindow&) = delete;
  AppliedWindow& operator=(const AppliedWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  int index() const { return skin::find_window_index(hwnd_); }
  skin::SkinnedWindow& record() const { return *skin::window_record(index()); }
  // The client point as a mouse message's lParam, and as a screen point.
  static LPARAM at(int x, int y) { return MAKELPARAM(x, y); }
  POINT on_screen(int x, int y) const;
  // The centre of caption button n, in client coordinates.
  POINT button_centre(int n) const;
  RECT window_rect() const;

 private:
  HWND hwnd_ = nullptr;
};

// Dispatches waiting messages of this thread.
void pump_messages();
// Pumps until the condition holds or about `limit_ms` have gone by; the result of the condition.
bool pump_until(const std::function<bool()>& condition, int limit_ms = 3000);

// Real mouse input at screen points (absolute SendInput).
void mouse_move_to(POINT screen);
void mouse_button(bool down);
// Runs `input` on a thread of its own while this thread pumps messages, for input
// that drives a modal loop (moving or sizing) entered from a message handler.
void drive_input_while_pumping(const std::function<void()>& input);

}  // namespace skintest
