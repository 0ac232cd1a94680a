// Containers: registering twice registers once (and skins the controls inside),
// the group-box title placements, children answered with transparent
// backgrounds, the tint and its opacity, panel frames, invalidation on moves.
#include <gtest/gtest.h>

#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/controls/text_width.h"
#include "skin/core/attach.h"
#include "skin/core/window_props.h"
#include "skin/methods/container.h"
#include "tests/kit/pixels.h"
#include "tests/skin/control_test_util.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

constexpr COLORREF back = RGB(200, 200, 200);
constexpr COLORREF tint = RGB(0, 128, 255);

class Container : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = back;
    window_ = std::make_unique<SkinnedTestWindow>(400, 300, skintest::ButtonSet{}, true);
    window_->record().has_caption = 0;
    window_->render();
  }
  void TearDown() override {
    skintest::drop_waiting_messages();
    EXPECT_TRUE(skin::memory_dcs.empty());
  }
  HWND add_group_box(DWORD style = 0, const char* title = "分组") {
    return skintest::make_control(window_->hwnd(), "BUTTON", BS_GROUPBOX | style, 40, 40, 200,
                                  120, 0, title);
  }
  skin::ContainerRecord& container(int n = 1) {
    return *window_->record().container_list.at(static_cast<size_t>(n - 1));
  }

  std::unique_ptr<SkinnedTestWindow> window_;
};

TEST_F(Container, RegisteringTwiceRegistersOnceWithTheControlsInside) {
  HWND box = add_group_box();
  HWND push = skintest::make_control(box, "BUTTON", BS_PUSHBUTTON, 10, 20, 80, 24);
  HWND check = skintest::make_control(box, "BUTTON", BS_AUTOCHECKBOX, 10, 50, 80, 20);
  HWND edit = skintest::make_control(box, "EDIT", 0, 100, 20, 80, 24);
  const LONG_PTR class_proc = GetWindowLongPtrA(box, GWLP_WNDPROC);

  skintest::the_skin().skin_group_box(box);
  skintest::the_skin().skin_group_box(box);
  skin::register_container(box, 1, 0, 255, 0);

  ASSERT_EQ(window_->record().container_list.size(), 1u);
  const skin::ContainerRecord& r = container();
  EXPECT_EQ(r.hwnd, box);
  EXPECT_EQ(r.is_group_box, 1);
  EXPECT_EQ(r.skin_painting, 1);
  EXPECT_EQ(r.tint_colour, 0u);
  EXPECT_EQ(r.tint_alpha, 255);
  EXPECT_EQ(r.draw_frame, 0);
  EXPECT_FALSE(r.font_name.empty());
  EXPECT_GT(r.font_size, 0);
  EXPECT_EQ(GetWindowLongPtrA(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::container_proc));
  EXPECT_EQ(skin::get_prop_value(box, skin::prop_prev_proc), class_proc);
  EXPECT_EQ(skin::get_prop_value(box, skin::prop_list_index), 1);
  EXPECT_EQ(skin::get_prop_value(box, skin::prop_owner_index), window_->index());
  EXPECT_EQ(GetPropA(box, skin::prop_backdrop_owner), nullptr);

  // The controls inside, each once, with the container in their records.
  EXPECT_EQ(window_->record().button_list.size(), 2u);
  EXPECT_EQ(window_->record().edit_list.size(), 1u);
  for (HWND button : {push, check}) {
    const int n = skin::find_button_index(window_->index(), button);
    ASSERT_GT(n, 0);
    EXPECT_EQ(window_->record().button_list[static_cast<size_t>(n - 1)]->container, box);
  }
  EXPECT_EQ(skin::find_edit(window_->index(), edit), 1);
  EXPECT_FALSE(skin::is_group_box_window(push));
  EXPECT_TRUE(skin::is_group_box_window(box));
  EXPECT_FALSE(skin::is_group_box_window(edit));
}

TEST_F(Container, OutsideASkinnedWindowNothingIsRegistered) {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                nullptr, nullptr);
  HWND box = skintest::make_control(parent, "BUTTON", BS_GROUPBOX, 0, 0, 100, 100);
  const LONG_PTR class_proc = GetWindowLongPtrA(box, GWLP_WNDPROC);
  skintest::the_skin().skin_group_box(box);
  EXPECT_EQ(GetWindowLongPtrA(box, GWLP_WNDPROC), class_proc);
  EXPECT_TRUE(window_->record().container_list.empty());
  DestroyWindow(parent);
}

TEST_F(Container, BackdropOwnerIsTheNearestAncestorSupplyingOne) {
  HWND outer = skintest::make_control(window_->hwnd(), "STATIC", 0, 10, 10, 300, 250);
  HWND middle = skintest::make_control(outer, "STATIC", 0, 10, 10, 250, 200);
  HWND box = skintest::make_control(middle, "BUTTON", BS_GROUPBOX, 10, 10, 200, 150);
  EXPECT_EQ(skin::nearest_backdrop_owner(box), nullptr);
  skin::set_prop_value(outer, skin::prop_own_backdrop, 1);
  EXPECT_EQ(skin::nearest_backdrop_owner(box), outer);
  skin::set_prop_value(middle, skin::prop_own_backdrop, 1);
  EXPECT_EQ(skin::nearest_backdrop_owner(box), middle);
}

TEST_F(Container, TitlePlacementFollowsTheAlignmentBits) {
  struct Case {
    DWORD style;
    enum { left, right, centre } place;
  };
  // A group box without alignment bits takes its title to the right.
  const Case cases[] = {
      {0, Case::right}, {BS_LEFT, Case::left}, {BS_RIGHT, Case::right}, {BS_CENTER, Case::centre}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
    HWND box = add_group_box(c.style, "标题文字");
    skintest::the_skin().skin_group_box(box);
    const int l = skin::find_container_index(window_->index(), box);
    ASSERT_GT(l, 0);
    const skin::ContainerRecord& r = container(l);
    const int tw = skin::text_width("标题文字", r.font_name, r.font_size, r.font_style);
    ASSERT_GT(tw, 20);
    const int x = c.place == Case::left ? 10 : c.place == Case::right ? 200 - tw - 10 : (200 - tw) / 2;
    const RECT place = skin::group_box_title_rect(box, tw, r.font_size);
    EXPECT_EQ(place.left, x);
    EXPECT_EQ(place.top, 1);
    EXPECT_EQ(place.right, x + tw);
    EXPECT_EQ(place.bottom, r.font_size + 4);

    // The title's dark pixels lie in that place and nowhere else on its band.
    Canvas canvas(200, 120);
    skin::paint_container(window_->index(), l, canvas.dc());
    const RECT band_inside{x, 1, x + tw, place.bottom};
    const RECT before{0, 0, x - 1, place.bottom + 2}, after{x + tw + 1, 0, 200, place.bottom + 2};
    auto dark = [](COLORREF p) { return is_dark(p, 0x50); };
    EXPECT_GT(canvas.count_pixels(band_inside, dark), 10);
    EXPECT_EQ(canvas.count_pixels(before, dark), 0);
    EXPECT_EQ(canvas.count_pixels(after, dark), 0);
    DestroyWindow(box);
  }
}

TEST_F(Container, TintCoversTheInsideAndFollowsItsOpacity) {
  HWND box = add_group_box(BS_LEFT, "");
  skintest::the_skin().skin_group_box(box, 1, tint, 255, 0);
  const int l = skin::find_container_index(window_->index(), box);
  {
    Canvas canvas(200, 120);
    skin::paint_container(window_->index(), l, canvas.dc());
    EXPECT_TRUE(colour_matches(canvas.pixel(100, 60), tint, 2));
    EXPECT_TRUE(colour_matches(canvas.pixel(100, 2), back, 2));  // above the frame: no tint
    EXPECT_EQ(container(l).needs_paint, 0);
  }
  skintest::the_skin().set_container_tint_alpha(box, 0);
  {
    Canvas canvas(200, 120);
    skin::paint_container(window_->index(), l, canvas.dc());
    EXPECT_TRUE(colour_matches(canvas.pixel(100, 60), back, 2));
  }
  SendMessageA(box, WM_SIZE, 0, MAKELPARAM(200, 120));
  EXPECT_EQ(container(l).needs_paint, 1);
}

TEST_F(Container, PanelFrameIsDrawnOnlyWhenAsked) {
  struct Case {
    int frame;
    COLORREF edge;
  };
  const Case cases[] = {{0, back}, {1, skintest::blend(0, back, 40)}};
  for (const Case& c : cases) {
    HWND panel = skintest::make_control(window_->hwnd(), "STATIC", 0, 40, 40, 200, 120);
    skintest::the_skin().skin_group_box(panel, 1, 0, 255, c.frame);
    const int l = skin::find_container_index(window_->index(), panel);
    EXPECT_EQ(container(l).is_group_box, 0);
    Canvas canvas(200, 120);
    skin::paint_container(window_->index(), l, canvas.dc());
    EXPECT_TRUE(colour_matches(canvas.pixel(0, 60), c.edge, 3)) << c.frame;
    EXPECT_TRUE(colour_matches(canvas.pixel(100, 60), back, 2)) << c.frame;
    DestroyWindow(panel);
  }
}

TEST_F(Container, PaintsItselfAndItsOwnerDrawnButtonsWithoutCoveringChildren) {
  HWND box = add_group_box(BS_LEFT, "");
  HWND push = skintest::make_control(box, "BUTTON", BS_PUSHBUTTON, 20, 30, 80, 26, 0, "按钮");
  HWND label = skintest::make_control(box, "STATIC", 0, 110, 30, 60, 40);
  skintest::the_skin().skin_group_box(box, 1, tint, 255, 0);
  const int l = skin::find_container_index(window_->index(), box);
  // The button's WM_DRAWITEM reaches the container, which paints it by its kind.
  skintest::fill_window(push, kMarkerColour);
  InvalidateRect(push, nullptr, FALSE);
  UpdateWindow(push);
  EXPECT_FALSE(colour_matches(skintest::window_pixel(push, 40, 13), kMarkerColour, 0));

  // The first paint is complete; later ones leave the children's places alone.
  InvalidateRect(box, nullptr, FALSE);
  UpdateWindow(box);
  EXPECT_EQ(container(l).needs_paint, 0);
  EXPECT_TRUE(colour_matches(skintest::window_pixel(box, 100, 100), tint, 2));
  skintest::fill_window(box, RGB(0, 0, 0));
  skintest::fill_window(label, kMarkerColour);
  skin::repaint_container(window_->index(), l, box);
  EXPECT_TRUE(colour_matches(skintest::window_pixel(box, 100, 100), tint, 2));
  EXPECT_TRUE(colour_matches(skintest::window_pixel(label, 30, 20), kMarkerColour, 0));
}

TEST_F(Container, TintOpacitySetting) {
  struct Case {
    COLORREF colour;
    int alpha;
    int stored;
    bool invalidated;
  };
  const Case cases[] = {{0, 100, 255, false}, {tint, 300, 44, true}, {tint, 128, 128, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "colour " << c.colour << " alpha " << c.alpha);
    HWND box = add_group_box();
    skintest::the_skin().skin_group_box(box, 1, c.colour, 255, 0);
    const int l = skin::find_container_index(window_->index(), box);
    UpdateWindow(box);
    ValidateRect(box, nullptr);
    skintest::the_skin().set_container_tint_alpha(box, c.alpha);
    EXPECT_EQ(container(l).tint_alpha, c.stored);
    EXPECT_EQ(GetUpdateRect(box, nullptr, FALSE) != 0, c.invalidated);
    DestroyWindow(box);
  }
  // Not a registered container: nothing happens.
  HWND stray = skintest::make_control(window_->hwnd(), "STATIC", 0, 0, 0, 10, 10);
  skintest::the_skin().set_container_tint_alpha(stray, 10);
}

TEST_F(Container, MovingInvalidatesOnlyAContainerWithATranslucentTint) {
  struct Case {
    int alpha;
    bool invalidated;
  };
  const Case cases[] = {{255, false}, {128, true}, {0, true}};
  for (const Case& c : cases) {
    HWND box = add_group_box();
    skintest::the_skin().skin_group_box(box, 1, tint, c.alpha, 0);
    UpdateWindow(box);
    ValidateRect(box, nullptr);
    SendMessageA(box, WM_MOVE, 0, MAKELPARAM(40, 40));
    EXPECT_EQ(GetUpdateRect(box, nullptr, FALSE) != 0, c.invalidated) << c.alpha;
    DestroyWindow(box);
  }
}

TEST_F(Container, ChildrenAreAnsweredWithTransparentBackgrounds) {
  HWND box = add_group_box();
  HWND label = skintest::make_control(box, "STATIC", 0, 10, 20, 80, 20);
  HWND edit = skintest::make_control(box, "EDIT", 0, 100, 20, 80, 24);
  HWND check = skintest::make_control(box, "BUTTON", BS_AUTOCHECKBOX, 10, 50, 80, 20);
  HWND list = skintest::make_control(box, "LISTBOX", 0, 100, 50, 80, 40);
  HWND combo = skintest::make_control(box, "COMBOBOX", CBS_DROPDOWN, 10, 80, 80, 100);
  HWND combo_edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(combo_edit, nullptr);
  skintest::the_skin().skin_group_box(box);
  skin::set_prop_value(label, skin::prop_text_colour, RGB(1, 2, 3));

  enum Answer { backdrop, hollow, forwarded };
  struct Case {
    bool transparent;
    UINT message;
    HWND control;
    Answer answer;
  };
  const Case cases[] = {
      {true, WM_CTLCOLORSTATIC, label, backdrop}, {true, WM_CTLCOLOREDIT, edit, backdrop},
      {true, WM_CTLCOLORBTN, check, hollow},      {true, WM_CTLCOLORLISTBOX, list, hollow},
      {true, WM_CTLCOLOREDIT, combo_edit, forwarded},
      {false, WM_CTLCOLORSTATIC, label, forwarded}, {false, WM_CTLCOLORBTN, check, forwarded},
  };
  const COLORREF veil = skintest::blend(RGB(255, 255, 255), back, skin::control_alpha);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "transparent " << c.transparent << " message 0x"
                                    << std::hex << c.message);
    skin::controls_transparent = c.transparent;
    SetPropA(c.control, skin::prop_back_brush, nullptr);
    Canvas canvas(40, 10);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(
        box, c.message, reinterpret_cast<WPARAM>(canvas.dc()), reinterpret_cast<LPARAM>(c.control)));
    HANDLE kept = GetPropA(c.control, skin::prop_back_brush);
    switch (c.answer) {
      case backdrop: {
        EXPECT_EQ(kept, brush);
        EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
        EXPECT_EQ(GetTextColor(canvas.dc()), c.control == label ? RGB(1, 2, 3) : RGB(0, 0, 0));
        RECT all{0, 0, 40, 10};
        FillRect(canvas.dc(), &all, brush);
        EXPECT_TRUE(colour_matches(canvas.pixel(20, 5), veil, 3));
        break;
      }
      case hollow:
        EXPECT_EQ(brush, GetStockObject(NULL_BRUSH));
        EXPECT_EQ(kept, brush);
        break;
      case forwarded:
        EXPECT_EQ(kept, nullptr);
        break;
    }
  }
}

}  // namespace
