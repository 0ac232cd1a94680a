// GDI objects after many hover and paint rounds of skinned buttons, edits and a
// group box with transparent controls: back to the count before the rounds.
#include <gtest/gtest.h>

#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/controls/registration.h"
#include "skin/methods/container.h"
#include "tests/kit/gdi_count.h"
#include "tests/kit/pixels.h"
#include "tests/skin/control_test_util.h"
#include "tests/skin/skin_fixture.h"

namespace {

TEST(ControlGdiObjects, BackToBaselineAfterManyHoverAndPaintRounds) {
  skintest::reset_skin_settings();
  skin::controls_transparent = true;
  skintest::SkinnedTestWindow window(400, 300, skintest::ButtonSet{}, true);
  window.record().has_caption = 0;
  window.render();
  HWND button = skintest::make_control(window.hwnd(), "BUTTON", BS_PUSHBUTTON, 20, 20, 100, 30,
                                       0, "确定");
  HWND edit = skintest::make_control(window.hwnd(), "EDIT", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL,
                                     20, 60, 150, 80, WS_EX_CLIENTEDGE);
  HWND box = skintest::make_control(window.hwnd(), "BUTTON", BS_GROUPBOX, 200, 20, 180, 200, 0,
                                    "分组");
  HWND inner = skintest::make_control(box, "EDIT", 0, 10, 30, 150, 24, WS_EX_CLIENTEDGE);
  HWND label = skintest::make_control(box, "STATIC", 0, 10, 70, 150, 20);
  skin::attach_controls(window.index(), window.hwnd());
  skintest::the_skin().skin_group_box(box, 1, RGB(0, 128, 255), 100, 0);
  const int l = skin::find_container_index(window.index(), box);

  Canvas canvas(160, 90);
  auto round = [&] {
    for (HWND control : {button, edit, inner}) {
      SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      SendMessageA(control, WM_MOUSELEAVE, 0, 0);
    }
    skin::paint_button_state(button, ODS_FOCUS, true);
    skin::paint_edit_frame(edit, true, true);
    SendMessageA(edit, WM_NCPAINT, 1, 0);
    SendMessageA(inner, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.dc()),
                 reinterpret_cast<LPARAM>(label));
    SendMessageA(box, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.dc()),
                 reinterpret_cast<LPARAM>(inner));
    skin::paint_container(window.index(), l, nullptr);
    InvalidateRect(box, nullptr, FALSE);
    UpdateWindow(box);
    skintest::drop_waiting_messages();
  };
  for (int k = 0; k < 5; ++k) round();
  const int before = count_live_gdi_objects();
  for (int k = 0; k < 100; ++k) round();
  EXPECT_EQ(count_live_gdi_objects(), before);
  EXPECT_TRUE(skin::memory_dcs.empty());
}

}  // namespace
