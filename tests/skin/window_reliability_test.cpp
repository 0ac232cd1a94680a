// Skinned windows over many rounds: the process's live GDI objects, its windows
// and the skin's memory_dcs come back to where they were after a thousand
// hover-fade-leave cycles over the caption buttons and after a hundred skinned
// windows made, used and destroyed.
#include <gtest/gtest.h>

#include "skin/core/attach.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/window_steps.h"
#include "tests/kit/gdi_count.h"
#include "tests/skin/applied_window.h"

namespace {

using skintest::AppliedOptions;
using skintest::AppliedWindow;

class WindowReliability : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::first_size_pending = false;
  }
};

BOOL CALLBACK count_child(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK count_with_children(HWND hwnd, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(hwnd, count_child, count);
  return TRUE;
}

// The windows of this thread, children included.
int count_windows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), count_with_children, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Levels {
  int gdi_objects, windows;
  size_t memory_dcs;
};

Levels levels() {
  skintest::pump_messages();
  return Levels{count_live_gdi_objects(), count_windows(), skin::memory_dcs.size()};
}

void expect_same(const Levels& before, const Levels& after) {
  EXPECT_EQ(after.gdi_objects, before.gdi_objects);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.memory_dcs, before.memory_dcs);
}

void send(HWND hwnd, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  SendMessageA(hwnd, message, wparam, lparam);
}

// The mouse enters button n, rests, moves on to button m, and leaves the
// window; the timer ticks through every fade. True when all fade state ended.
bool hover_cycle(const AppliedWindow& window, int n, int m) {
  HWND hwnd = window.hwnd();
  const WPARAM timer = skin::fade_timer_id(hwnd);
  const POINT a = window.button_centre(n), b = window.button_centre(m);
  send(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(a.x, a.y));
  send(hwnd, WM_MOUSEHOVER, 0, MAKELPARAM(a.x, a.y));
  for (int k = 0; k < 8; ++k) send(hwnd, WM_TIMER, timer);
  send(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(b.x, b.y));
  for (int k = 0; k < 4; ++k) send(hwnd, WM_TIMER, timer);
  send(hwnd, WM_MOUSELEAVE);
  for (int k = 0; k < 8; ++k) send(hwnd, WM_TIMER, timer);
  const skin::SkinnedWindow& w = window.record();
  return w.fade_timer_on == 0 && w.hot_caption_button == 0 && w.fade_in.button == 0 &&
         w.fade_out.button == 0;
}

TEST_F(WindowReliability, AThousandHoverFadeLeaveCyclesLeaveNothingBehind) {
  AppliedWindow window;
  for (int k = 0; k < 20; ++k) ASSERT_TRUE(hover_cycle(window, 1 + k % 3, 1 + (k + 1) % 3));
  const Levels before = levels();
  int unfinished = 0;
  for (int k = 0; k < 1000; ++k) {
    unfinished += !hover_cycle(window, 1 + k % 3, 1 + (k + 1) % 3);
    if (k % 50 == 0) skintest::pump_messages();
  }
  EXPECT_EQ(unfinished, 0);
  expect_same(before, levels());
}

// A hidden skinned window with a push button, an edit and a static, rendered,
// its controls given backdrop brushes, hovered, and destroyed.
void window_round() {
  AppliedOptions options;
  options.visible = false;
  HWND hwnd;
  {
    AppliedWindow window(options);
    hwnd = window.hwnd();
    HWND edit = skintest::make_child(hwnd, 10, 40, 120, 24, "Edit");
    HWND label = skintest::make_child(hwnd, 10, 70, 120, 24, "Static");
    skintest::make_child(hwnd, 10, 100, 80, 24, "Button", BS_PUSHBUTTON);
    skin::attach_push_buttons(window.index(), hwnd);
    send(hwnd, WM_SHOWWINDOW, TRUE);  // renders at once
    for (HWND control : {edit, label, edit}) {
      skin::ScopedGetDC dc(control);
      send(hwnd, control == edit ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
           reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(control));
    }
    hover_cycle(window, 1, 2);
    send(hwnd, WM_SIZE);
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowReliability, AHundredSkinnedWindowsMadeAndDestroyedLeaveNothingBehind) {
  skin::controls_transparent = true;
  for (int k = 0; k < 5; ++k) window_round();
  const Levels before = levels();
  for (int k = 0; k < 100; ++k) window_round();
  EXPECT_TRUE(skin::window_table.empty());
  expect_same(before, levels());
}

}  // namespace
