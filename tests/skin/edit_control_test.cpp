// Skinned edits: the ring's pixels unfocused, focused and hot, with and without
// transparent controls, with both scroll bars; the scroll-bar region; the veiled
// background; typing in a transparent edit redrawing it; the hover bookkeeping.
#include <gtest/gtest.h>

#include "skin/controls/edit.h"
#include "skin/controls/registration.h"
#include "tests/kit/pixels.h"
#include "tests/skin/applied_window.h"
#include "tests/skin/control_test_util.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

constexpr COLORREF back = RGB(90, 110, 130);

class EditFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = back;
    window_ = std::make_unique<SkinnedTestWindow>(300, 220);
    window_->record().has_caption = 0;
    window_->render();
  }
  void TearDown() override {
    skintest::drop_waiting_messages();
    EXPECT_TRUE(skin::memory_dcs.empty());
  }
  HWND add_edit(DWORD style, int width, int height) {
    HWND edit = skintest::make_control(window_->hwnd(), "EDIT", style, 40, 40, width, height,
                                       WS_EX_CLIENTEDGE);
    skin::attach_edits_and_combos(window_->index(), window_->hwnd());
    return edit;
  }

  std::unique_ptr<SkinnedTestWindow> window_;
};

TEST_F(EditFrame, RingPixelsByState) {
  constexpr int W = 120, H = 24;
  HWND edit = add_edit(0, W, H);
  // WS_EX_CLIENTEDGE: a ring two pixels wide around the client area.
  ASSERT_EQ(skin::inner_area_rect(edit).left, 2);

  const COLORREF white = RGB(255, 255, 255);
  const COLORREF veil = skintest::blend(white, back, skin::control_alpha);
  const COLORREF theme = skin::theme_colour;
  struct Case {
    bool transparent, focused, hot;
    COLORREF outer, inner;  // ring pixels at x 0 and x 1
  };
  const Case cases[] = {
      {false, false, false, skintest::blend(0, white, 80), white},
      {false, true, false, skintest::blend(theme, white, 180), white},
      {false, true, true, skintest::blend(theme, white, 180), skintest::blend(theme, white, 180)},
      {false, false, true, skintest::blend(theme, white, 180), skintest::blend(theme, white, 180)},
      {true, false, false, skintest::blend(0, veil, 80), veil},
      {true, true, false, skintest::blend(theme, veil, 180), veil},
      {true, false, true, skintest::blend(theme, veil, 180), skintest::blend(theme, veil, 180)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "transparent " << c.transparent << " focused "
                                    << c.focused << " hot " << c.hot);
    skin::controls_transparent = c.transparent;
    Canvas canvas(W, H);
    skin::paint_edit_frame_into(edit, canvas.dc(), c.focused, c.hot);
    for (const POINT& p : {POINT{0, 12}, POINT{60, 0}, POINT{W - 1, 12}, POINT{60, H - 1}})
      EXPECT_TRUE(colour_matches(canvas.pixel(p.x, p.y), c.outer, 3)) << p.x << "," << p.y;
    for (const POINT& p : {POINT{1, 12}, POINT{60, 1}, POINT{W - 2, 12}, POINT{60, H - 2}})
      EXPECT_TRUE(colour_matches(canvas.pixel(p.x, p.y), c.inner, 3)) << p.x << "," << p.y;
    // The client area is left to the edit itself.
    EXPECT_TRUE(colour_matches(canvas.pixel(2, 12), kMarkerColour, 0));
    EXPECT_TRUE(colour_matches(canvas.pixel(60, 12), kMarkerColour, 0));
  }
}

TEST_F(EditFrame, StateNotGivenComesFromTheRecord) {
  HWND edit = add_edit(0, 120, 24);
  skin::EditRecord& r = *window_->record().edit_list.at(0);
  const COLORREF theme_on_white = skintest::blend(skin::theme_colour, RGB(255, 255, 255), 180);
  r.focused = 1;
  Canvas focused(120, 24);
  skin::paint_edit_frame_into(edit, focused.dc());
  EXPECT_TRUE(colour_matches(focused.pixel(0, 12), theme_on_white, 3));
  EXPECT_TRUE(colour_matches(focused.pixel(1, 12), RGB(255, 255, 255), 3));
  // A state given by the caller wins over the record's.
  Canvas given(120, 24);
  skin::paint_edit_frame_into(edit, given.dc(), false, false);
  EXPECT_TRUE(colour_matches(given.pixel(0, 12), skintest::blend(0, RGB(255, 255, 255), 80), 3));
}

TEST_F(EditFrame, BothScrollBarsStayOutOfTheRing) {
  constexpr int W = 140, H = 90;
  HWND edit = add_edit(ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, W, H);
  ASSERT_TRUE(skin::has_scroll_bars(edit));
  RECT client{};
  GetClientRect(edit, &client);
  const RECT inner = skin::inner_area_rect(edit);
  EXPECT_EQ(inner.left, 2);
  EXPECT_EQ(inner.top, 2);
  EXPECT_EQ(inner.right, W - 2);
  EXPECT_EQ(inner.bottom, H - 2);
  EXPECT_LT(client.right, inner.right - inner.left);  // the bars lie inside the inner area

  Canvas canvas(W, H);
  skin::paint_edit_frame_into(edit, canvas.dc(), false, false);
  const COLORREF ring = skintest::blend(0, RGB(255, 255, 255), 80);
  for (const POINT& p : {POINT{0, 40}, POINT{W - 1, 40}, POINT{70, H - 1}, POINT{W - 1, H - 1}})
    EXPECT_TRUE(colour_matches(canvas.pixel(p.x, p.y), ring, 3)) << p.x << "," << p.y;
  // Scroll bars and the corner box are left to the standard painting.
  for (const POINT& p : {POINT{W - 5, 40}, POINT{70, H - 5}, POINT{W - 5, H - 5}})
    EXPECT_TRUE(colour_matches(canvas.pixel(p.x, p.y), kMarkerColour, 0)) << p.x << "," << p.y;

  // The region the standard painting gets: both bars and the corner box, on the screen.
  HRGN region = skin::scroll_bar_region(edit);
  ASSERT_NE(region, nullptr);
  RECT window{};
  GetWindowRect(edit, &window);
  struct Probe {
    POINT at;  // window coordinates
    bool inside;
  };
  const Probe probes[] = {
      {{W - 5, 40}, true}, {{70, H - 5}, true}, {{W - 5, H - 5}, true},
      {{40, 40}, false},   {{0, 40}, false},
  };
  for (const Probe& p : probes)
    EXPECT_EQ(PtInRegion(region, window.left + p.at.x, window.top + p.at.y) != 0, p.inside)
        << p.at.x << "," << p.at.y;
  DeleteObject(region);

  HWND plain = skintest::make_control(window_->hwnd(), "EDIT", 0, 10, 180, 80, 24);
  EXPECT_FALSE(skin::has_scroll_bars(plain));
  EXPECT_EQ(skin::scroll_bar_region(plain), nullptr);
}

TEST_F(EditFrame, VeiledBackgroundIsTheBackdropUnderAWhiteVeil) {
  HWND edit = add_edit(0, 120, 24);
  Canvas canvas(116, 20);
  skin::fill_veiled_background(edit, canvas.dc());
  const COLORREF veil = skintest::blend(RGB(255, 255, 255), back, skin::control_alpha);
  for (const POINT& p : {POINT{0, 0}, POINT{60, 10}, POINT{115, 19}})
    EXPECT_TRUE(colour_matches(canvas.pixel(p.x, p.y), veil, 3)) << p.x << "," << p.y;
}

TEST_F(EditFrame, HoverPaintsOncePerEntryAndLeaveClearsIt) {
  HWND first = add_edit(0, 120, 24);
  HWND second = skintest::make_control(window_->hwnd(), "EDIT", 0, 40, 100, 120, 24);
  skin::attach_edits_and_combos(window_->index(), window_->hwnd());
  skin::SkinnedWindow& w = window_->record();
  skin::EditRecord& r = *w.edit_list.at(0);

  SendMessageA(first, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(r.hot, 1);
  EXPECT_EQ(w.lit_kind, skin::lit_edit);
  EXPECT_EQ(w.lit_control, 1);
  EXPECT_EQ(w.lit_parent, window_->hwnd());
  SendMessageA(second, WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(w.lit_control, 2);
  SendMessageA(first, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(r.hot, 0);
  EXPECT_EQ(w.lit_control, 0);

  SendMessageA(first, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(r.focused, 1);
  SendMessageA(first, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_EQ(r.mouse_down, 1);
  SendMessageA(first, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(r.mouse_down, 0);
  SendMessageA(first, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(r.focused, 0);
}

class TypingInEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = back;
  }
  void TearDown() override { skintest::drop_waiting_messages(); }
};

TEST_F(TypingInEdit, TransparentEditWithoutScrollBarsIsRedrawnWhole) {
  struct Case {
    bool transparent;
    DWORD style;
    bool redrawn;
  };
  const Case cases[] = {
      {true, 0, true},
      {true, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, false},
      {false, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "transparent " << c.transparent << " style " << c.style);
    skin::controls_transparent = c.transparent;
    skintest::AppliedWindow window;
    HWND edit = skintest::make_control(window.hwnd(), "EDIT", c.style, 40, 80, 160, 60,
                                       WS_EX_CLIENTEDGE);
    // Controls made after apply_to_window are taken the way it takes them.
    skin::attach_controls(window.index(), window.hwnd());
    UpdateWindow(edit);
    ValidateRect(edit, nullptr);

    SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 0);
    RECT update{};
    const bool pending = GetUpdateRect(edit, &update, FALSE) != 0;
    EXPECT_EQ(pending, c.redrawn);
    if (!c.redrawn) continue;
    RECT client{};
    GetClientRect(edit, &client);
    EXPECT_TRUE(EqualRect(&update, &client));
    // Erased over the background: the veiled backdrop, not the edit's white.
    skintest::fill_window(edit, kMarkerColour);
    InvalidateRect(edit, nullptr, TRUE);
    UpdateWindow(edit);
    const COLORREF veil = skintest::blend(RGB(255, 255, 255), back, skin::control_alpha);
    EXPECT_TRUE(colour_matches(skintest::window_pixel(edit, 120, 40), veil, 4));
  }
}

TEST_F(TypingInEdit, FramePaintingLeavesTheRingToTheSkin) {
  struct Case {
    DWORD style;
    int y;  // a row of the left ring beside the client area
  };
  // Without scroll bars the standard painting is handed a region that paints
  // nothing; with them it paints the bars only.
  const Case cases[] = {{0, 15}, {ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 30}};
  const COLORREF white = RGB(255, 255, 255);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    skintest::AppliedWindow window;
    HWND edit = skintest::make_control(window.hwnd(), "EDIT", c.style, 40, 80, 160, 90,
                                       WS_EX_CLIENTEDGE);
    skin::attach_controls(window.index(), window.hwnd());
    UpdateWindow(edit);
    SendMessageA(edit, WM_NCPAINT, 1, 0);
    EXPECT_TRUE(colour_matches(skintest::window_pixel(edit, 0, c.y, true),
                               skintest::blend(0, white, 80), 3));
    EXPECT_TRUE(colour_matches(skintest::window_pixel(edit, 1, c.y, true), white, 3));
  }
}

}  // namespace
