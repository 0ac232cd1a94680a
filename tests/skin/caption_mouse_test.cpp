// The caption buttons under the mouse: the fade timer and its alphas under real
// mouse input, the pressed look and the action chosen at the release, minimize,
// maximize and restore through the buttons and through double clicks.
#include <gtest/gtest.h>

#include <vector>

#include "skin/core/gdi_guards.h"
#include "skin/core/window_steps.h"
#include "tests/kit/pixels.h"
#include "tests/skin/applied_window.h"

namespace {

using skintest::AppliedOptions;
using skintest::AppliedWindow;

class CaptionMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::first_size_pending = false;
    skin::back_colour = RGB(60, 60, 60);
  }
};

// A point of caption button n beside its pictogram.
POINT probe_of(const skin::SkinnedWindow& w, int n) {
  const skin::CaptionButton& b = w.caption_buttons[static_cast<size_t>(n - 1)];
  return POINT{static_cast<int>(b.rect.x - 1) + 3, w.strip_y + 1 + 9};
}

COLORREF back_buffer_pixel(const skin::SkinnedWindow& w, POINT p) {
  GdiFlush();
  return GetPixel(w.back_buffer_dc, p.x, p.y);
}

COLORREF window_pixel_on_screen(const AppliedWindow& window, POINT p) {
  skin::ScopedGetDC dc(window.hwnd());
  return GetPixel(dc.get(), p.x, p.y);
}

struct Tick {
  skin::FadeState fade_in, fade_out;
  COLORREF in_pixel, out_pixel;
};

// Dispatches this thread's messages until `done` holds, recording the fade state
// after every tick of the window's fade timer.
bool record_ticks(const AppliedWindow& window, int in_button, int out_button,
                  const std::function<bool()>& done, std::vector<Tick>& ticks) {
  const ULONGLONG end = GetTickCount64() + 5000;
  const skin::SkinnedWindow& w = window.record();
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    DispatchMessageA(&msg);
    if (msg.message == WM_TIMER && msg.hwnd == window.hwnd() &&
        msg.wParam == skin::fade_timer_id(window.hwnd()))
      ticks.push_back(Tick{w.fade_in, w.fade_out, back_buffer_pixel(w, probe_of(w, in_button)),
                           back_buffer_pixel(w, probe_of(w, out_button))});
  }
  return true;
}

TEST_F(CaptionMouse, HoverFadesTheButtonInAndLeavingFadesItOut) {
  AppliedWindow window;
  const skin::SkinnedWindow& w = window.record();
  const int n = 1;  // minimize
  const COLORREF plain = back_buffer_pixel(w, probe_of(w, n));
  skintest::mouse_move_to(POINT{20, 20});  // off the window
  skintest::pump_until([] { return false; }, 50);

  const POINT centre = window.button_centre(n);
  skintest::mouse_move_to(window.on_screen(centre.x, centre.y));
  std::vector<Tick> fade_in;
  ASSERT_TRUE(record_ticks(window, n, n, [&] { return w.fade_in.step == 8; }, fade_in));
  EXPECT_EQ(w.fade_timer_on, 1);
  EXPECT_EQ(w.hot_caption_button, n);
  EXPECT_EQ(skintest::the_skin().hot_button, n);

  skintest::mouse_move_to(POINT{20, 20});
  std::vector<Tick> fade_out;
  ASSERT_TRUE(record_ticks(window, n, n, [&] { return w.fade_timer_on == 0; }, fade_out));

  // Fade-in: steps 1 to 8, drawn at alpha 30 x step (ticks while the mouse rests add nothing).
  int step = 0;
  for (const Tick& t : fade_in) {
    ASSERT_EQ(t.fade_in.button, n);
    if (t.fade_in.step == step) continue;
    ASSERT_EQ(t.fade_in.step, step + 1);
    step = t.fade_in.step;
    skintest::the_skin().draw_caption_button(window.index(), n, nullptr, 0, 30 * step);
    EXPECT_TRUE(colour_matches(t.in_pixel, back_buffer_pixel(w, probe_of(w, n)), 1)) << step;
  }
  EXPECT_EQ(step, 8);
  // Fade-out: steps 1 to 8 at alpha 240 - 30 x step; the last tick also ends it all.
  ASSERT_EQ(fade_out.size(), 8u);
  for (size_t k = 0; k + 1 < fade_out.size(); ++k) {
    const Tick& t = fade_out[k];
    EXPECT_EQ(t.fade_out.button, n);
    EXPECT_EQ(t.fade_out.step, static_cast<int>(k + 1));
    skintest::the_skin().draw_caption_button(window.index(), n, nullptr, 0,
                                             240 - 30 * t.fade_out.step);
    EXPECT_TRUE(colour_matches(t.out_pixel, back_buffer_pixel(w, probe_of(w, n)), 1)) << k;
  }
  EXPECT_TRUE(colour_matches(fade_out.back().out_pixel, plain, 1));
  EXPECT_EQ(w.hot_caption_button, 0);
  EXPECT_EQ(w.fade_in.button, 0);
  EXPECT_EQ(w.fade_in.step, 0);
  EXPECT_EQ(w.fade_out.button, 0);
  EXPECT_EQ(w.fade_out.step, 0);
  EXPECT_FALSE(KillTimer(window.hwnd(), skin::fade_timer_id(window.hwnd())));  // already gone
}

void send_mouse(HWND hwnd, UINT message, POINT p) {
  SendMessageA(hwnd, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
}

void click(const AppliedWindow& window, int n) {
  const POINT p = window.button_centre(n);
  send_mouse(window.hwnd(), WM_MOUSEMOVE, p);
  send_mouse(window.hwnd(), WM_LBUTTONDOWN, p);
  send_mouse(window.hwnd(), WM_LBUTTONUP, p);
  skintest::pump_messages();
}

TEST_F(CaptionMouse, PressPaintsThePressedLookAndReleaseRunsTheLastHitButton) {
  AppliedWindow window;
  skin::SkinnedWindow& w = window.record();
  const POINT maximize = window.button_centre(2), minimize = window.button_centre(1);
  const COLORREF plain = back_buffer_pixel(w, probe_of(w, 2));
  send_mouse(window.hwnd(), WM_MOUSEMOVE, maximize);
  send_mouse(window.hwnd(), WM_LBUTTONDOWN, maximize);
  EXPECT_EQ(skintest::the_skin().hot_button, 2);
  const COLORREF pressed = back_buffer_pixel(w, probe_of(w, 2));
  EXPECT_FALSE(colour_near(pressed, plain, 10));
  skintest::the_skin().draw_caption_button(window.index(), 2, nullptr, 1);
  EXPECT_TRUE(colour_matches(pressed, back_buffer_pixel(w, probe_of(w, 2)), 1));
  EXPECT_TRUE(colour_matches(window_pixel_on_screen(window, probe_of(w, 2)), pressed, 2));

  // The mouse moved on to minimize before the release: minimize runs.
  send_mouse(window.hwnd(), WM_MOUSEMOVE, minimize);
  send_mouse(window.hwnd(), WM_LBUTTONUP, maximize);
  skintest::pump_messages();
  EXPECT_TRUE(IsIconic(window.hwnd()));
  EXPECT_FALSE(IsZoomed(window.hwnd()));
  EXPECT_EQ(window.record().minimized, 1);
  EXPECT_EQ(window.record().maximized, 0);
}

TEST_F(CaptionMouse, ButtonsMinimizeMaximizeAndRestore) {
  AppliedWindow window;
  const RECT normal = window.window_rect();
  struct Step { const char* name; int button; bool iconic, zoomed; int minimized, maximized; };
  const Step steps[] = {
      {"maximize", 2, false, true, 0, 1},
      {"restore", 2, false, false, 0, 0},
      {"minimize", 1, true, false, 1, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    click(window, s.button);
    EXPECT_EQ(IsIconic(window.hwnd()) != FALSE, s.iconic);
    EXPECT_EQ(IsZoomed(window.hwnd()) != FALSE, s.zoomed);
    EXPECT_EQ(window.record().minimized, s.minimized);
    EXPECT_EQ(window.record().maximized, s.maximized);
  }
  SendMessageA(window.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(window.record().minimized, 0);
  const RECT restored = window.window_rect();
  EXPECT_TRUE(EqualRect(&restored, &normal));

  click(window, 3);  // close
  EXPECT_FALSE(IsWindow(window.hwnd()));
  EXPECT_EQ(skin::find_window_index(window.hwnd()), 0);
}

TEST_F(CaptionMouse, DoubleClickOnTheCaptionTogglesMaximize) {
  struct Case {
    const char* name;
    DWORD style;
    std::optional<bool> dblclick;
    int y;
    std::vector<int> maximized_after;  // after each of two double clicks
  };
  const Case cases[] = {
      {"maximizable", WS_POPUP | WS_MAXIMIZEBOX, {}, 10, {1, 0}},
      {"on the caption's last row", WS_POPUP | WS_MAXIMIZEBOX, {}, 25, {1, 0}},
      {"below the caption", WS_POPUP | WS_MAXIMIZEBOX, {}, 26, {0, 0}},
      {"without maximize box", WS_POPUP | WS_MINIMIZEBOX, {}, 10, {0, 0}},
      {"double click turned off", WS_POPUP | WS_MAXIMIZEBOX, false, 10, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppliedOptions options;
    options.style = c.style;
    options.dblclick_maximizes = c.dblclick;
    AppliedWindow window(options);
    for (int expected : c.maximized_after) {
      send_mouse(window.hwnd(), WM_LBUTTONDBLCLK, POINT{60, c.y});
      skintest::pump_messages();
      EXPECT_EQ(window.record().maximized, expected);
      EXPECT_EQ(IsZoomed(window.hwnd()) != FALSE, expected == 1);
    }
  }
}

}  // namespace
