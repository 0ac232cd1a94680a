// Applying the skin: the record built from the arguments and the window style, the
// caption buttons and tooltips, subclassing once, the window's own picture, and
// the push buttons taken over (which ones, their properties and fonts).
#include <gtest/gtest.h>

#include "skin/core/attach.h"
#include "skin/core/window_props.h"
#include "runtime/services.h"
#include "tests/skin/applied_window.h"

namespace {

using skintest::AppliedOptions;
using skintest::AppliedWindow;

class Apply : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::first_size_pending = false;
  }
};

HWND make_popup(DWORD style) {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP | style, 50, 50, 300, 200, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST_F(Apply, RecordFollowsTheArgumentsAndTheWindowStyle) {
  struct Case {
    const char* name;
    DWORD style;
    std::optional<int> caption;
    bool help, menu;
    int caption_height, strip_width;
    std::vector<int> kinds;
  };
  const Case cases[] = {
      {"caption omitted, both boxes", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, {}, false, false, 25, 95,
       {2, 1, 0}},
      {"caption 0, no boxes", 0, 0, false, false, 25, 41, {0}},
      {"caption 10, minimize only", WS_MINIMIZEBOX, 10, false, false, 25, 68, {2, 0}},
      {"caption 30, all five", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 30, true, true, 30, 149,
       {4, 3, 2, 1, 0}},
  };
  const SIZE screen = runtime::screen_size();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND hwnd = make_popup(c.style);
    skintest::the_skin().apply_to_window(hwnd, c.caption, {}, {}, c.help, c.menu);
    const int index = skin::find_window_index(hwnd);
    ASSERT_GT(index, 0);
    const skin::SkinnedWindow& w = *skin::window_record(index);
    EXPECT_EQ(w.caption_height, c.caption_height);
    EXPECT_EQ(w.strip_width, c.strip_width);
    EXPECT_EQ(w.has_min_button, (c.style & WS_MINIMIZEBOX) != 0);
    EXPECT_EQ(w.has_max_button, (c.style & WS_MAXIMIZEBOX) != 0);
    ASSERT_EQ(w.caption_buttons.size(), c.kinds.size());
    for (size_t k = 0; k < c.kinds.size(); ++k) EXPECT_EQ(w.caption_buttons[k].kind, c.kinds[k]);
    const float close_x = static_cast<float>(300 - c.strip_width + 1 + 2 + 27 * (c.kinds.size() - 1));
    EXPECT_EQ(w.caption_buttons.back().rect.x, close_x);
    EXPECT_EQ(w.has_caption, 1);
    EXPECT_EQ(w.dblclick_maximizes, 1);
    EXPECT_EQ(w.show_title, 1);
    EXPECT_EQ(w.caption_gloss, 0);
    EXPECT_EQ(w.needs_render, 1);
    EXPECT_EQ(w.min_track_width, 200);
    EXPECT_EQ(w.min_track_height, 150);
    EXPECT_EQ(w.max_track_width, screen.cx);
    EXPECT_EQ(w.max_track_height, screen.cy);
    EXPECT_EQ(w.title_font, "宋体");
    EXPECT_EQ(skintest::the_skin().frame_margin, 3);
    EXPECT_TRUE(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_SYSMENU);
    // One tool per caption button, over the button as laid out.
    HWND tips = w.tooltips.Window();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), static_cast<LRESULT>(c.kinds.size()));
    DestroyWindow(hwnd);
    EXPECT_EQ(skin::find_window_index(hwnd), 0);
  }
}

TEST_F(Apply, SubclassesLastAndOnlyOnce) {
  HWND first = make_popup(WS_MAXIMIZEBOX), second = make_popup(0);
  skin::WindowSkin& s = skintest::the_skin();
  s.apply_to_window(first);
  s.apply_to_window(second, 40, false, false, {}, {}, false, true);
  const skin::SkinnedWindow* w = skin::window_record(2);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->hwnd, second);
  EXPECT_EQ(w->caption_height, 40);
  EXPECT_EQ(w->has_caption, 0);
  EXPECT_EQ(w->dblclick_maximizes, 0);
  EXPECT_EQ(w->show_title, 0);
  EXPECT_EQ(w->caption_gloss, 1);
  const auto entry = reinterpret_cast<LONG_PTR>(s.window_proc_entry);
  EXPECT_EQ(GetWindowLongPtrA(second, GWLP_WNDPROC), entry);
  EXPECT_EQ(w->prev_wndproc, skin::get_prop_value(second, skin::prop_prev_proc));
  EXPECT_NE(w->prev_wndproc, entry);
  EXPECT_EQ(skin::get_prop_value(first, skin::prop_list_index), 1);
  EXPECT_EQ(skin::get_prop_value(second, skin::prop_list_index), 2);

  s.apply_to_window(second, 60);  // already skinned: nothing changes
  EXPECT_EQ(skin::window_table.size(), 2u);
  EXPECT_EQ(skin::window_record(2), w);
  EXPECT_EQ(w->caption_height, 40);
  EXPECT_EQ(skin::get_prop_value(second, skin::prop_prev_proc), w->prev_wndproc);
  DestroyWindow(second);
  DestroyWindow(first);
}

TEST_F(Apply, OwnPictureIsPreparedByItsMode) {
  // Left half red, right half blue: the average is a purple.
  const std::string picture = skintest::make_picture(
      100, 60, {{{0, 0, 50, 60}, 0xFFFF0000}, {{50, 0, 100, 60}, 0xFF0000FF}});
  struct Case { int mode; bool copy; };
  const Case cases[] = {
      {0, false},  // right edge faded into the average, left edge kept red
      {1, false},  // left edge faded, right edge kept blue
      {3, true},   // other modes use the picture as it is
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    HWND hwnd = make_popup(0);
    skintest::the_skin().apply_to_window(hwnd, {}, {}, {}, {}, {}, {}, {}, {}, {}, picture, c.mode);
    const skin::SkinnedWindow& w = *skin::window_record(skin::find_window_index(hwnd));
    EXPECT_EQ(w.own_picture_mode, c.mode);
    EXPECT_NEAR(GetRValue(w.own_fill_colour), 127, 20);
    EXPECT_NEAR(GetBValue(w.own_fill_colour), 127, 20);
    EXPECT_EQ(GetGValue(w.own_fill_colour), 0);
    EXPECT_EQ(w.own_picture == picture, c.copy);
    DrawBitmap result;
    ASSERT_TRUE(result.FromBytes(w.own_picture));
    const DWORD left = result.GetPixel(0, 10), right = result.GetPixel(99, 10);
    if (c.mode == 0) {
      EXPECT_EQ(left, 0xFFFF0000u);
      EXPECT_NE(right, 0xFF0000FFu);
    } else if (c.mode == 1) {
      EXPECT_NE(left, 0xFFFF0000u);
      EXPECT_EQ(right, 0xFF0000FFu);
    }
    DestroyWindow(hwnd);
  }
  // Without a picture the window keeps the skin-wide one; the mode defaults to picture_mode.
  skin::picture_mode = 2;
  HWND hwnd = make_popup(0);
  skintest::the_skin().apply_to_window(hwnd);
  const skin::SkinnedWindow& w = *skin::window_record(skin::find_window_index(hwnd));
  EXPECT_TRUE(w.own_picture.empty());
  EXPECT_EQ(w.own_picture_mode, 2);
  DestroyWindow(hwnd);
}

TEST_F(Apply, IsPushButtonByStyle) {
  struct Case { DWORD style; bool push; };
  const Case cases[] = {
      {BS_PUSHBUTTON, true},   {BS_DEFPUSHBUTTON, true},  {BS_USERBUTTON, true},
      {BS_CHECKBOX, false},    {BS_AUTOCHECKBOX, false},  {BS_RADIOBUTTON, false},
      {BS_3STATE, false},      {BS_AUTO3STATE, false},    {BS_GROUPBOX, false},
      {BS_AUTORADIOBUTTON, false}, {BS_OWNERDRAW, false}, {BS_PUSHBUTTON | BS_FLAT, true},
  };
  HWND parent = make_popup(0);
  for (const Case& c : cases) {
    HWND button = skintest::make_child(parent, 0, 0, 50, 20, "BUTTON", c.style);
    EXPECT_EQ(skin::is_push_button(button), c.push) << std::hex << c.style;
    DestroyWindow(button);
  }
  DestroyWindow(parent);
}

TEST_F(Apply, PushButtonsAreTakenOverOnceWithTheirTextAndFont) {
  HWND parent = make_popup(0);
  struct Child { const char* text; DWORD style; bool taken; };
  const Child children[] = {
      {"确定", BS_PUSHBUTTON, true},       {"默认", BS_DEFPUSHBUTTON, true},
      {"自绘", BS_OWNERDRAW, false},       {"勾选", BS_AUTOCHECKBOX, false},
      {"单选", BS_AUTORADIOBUTTON, false}, {"分组", BS_GROUPBOX, false},
  };
  std::vector<HWND> handles;
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
  for (const Child& c : children) {
    HWND h = skintest::make_child(parent, 0, 0, 80, 24, "BUTTON", c.style);
    SetWindowTextA(h, c.text);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    handles.push_back(h);
  }
  HWND nested_panel = skintest::make_child(parent, 0, 0, 100, 100);
  HWND nested = skintest::make_child(nested_panel, 0, 0, 80, 24, "BUTTON", BS_PUSHBUTTON);

  skintest::the_skin().apply_to_window(parent);
  const int index = skin::find_window_index(parent);
  skin::SkinnedWindow& w = *skin::window_record(index);
  const size_t registered = w.button_list.size();
  skin::attach_push_buttons(index, parent);  // a second run adds nothing
  EXPECT_EQ(w.button_list.size(), registered);
  int push_records = 0;
  for (const auto& b : w.button_list) push_records += b->kind == 0;
  EXPECT_EQ(push_records, 2);
  for (size_t k = 0; k < handles.size(); ++k) {
    SCOPED_TRACE(children[k].text);
    HWND h = handles[k];
    const LONG_PTR style = GetWindowLongPtrA(h, GWL_STYLE);
    const int list_index = skin::find_button_index(index, h);
    if (!children[k].taken) {
      // Check boxes and radio buttons have an attach routine of their own; they
      // keep their style and are no push-button records.
      EXPECT_EQ(style & 0xF, static_cast<LONG_PTR>(children[k].style));
      if (list_index) {
        EXPECT_NE(w.button_list[static_cast<size_t>(list_index - 1)]->kind, 0);
      }
      continue;
    }
    ASSERT_GT(list_index, 0);
    const skin::ButtonRecord& b = *w.button_list[static_cast<size_t>(list_index - 1)];
    EXPECT_EQ(b.hwnd, h);
    EXPECT_EQ(b.kind, 0);
    EXPECT_EQ(b.text, children[k].text);
    EXPECT_EQ(b.container, parent);
    EXPECT_EQ(b.font_size, 16);
    EXPECT_EQ(b.font_style & 1, 1);  // bold
    EXPECT_FALSE(b.font_name.empty());
    EXPECT_EQ((style & BS_OWNERDRAW), BS_OWNERDRAW);
    EXPECT_EQ(skin::get_prop_value(h, skin::prop_list_index), list_index);
    EXPECT_EQ(skin::get_prop_value(h, skin::prop_owner_index), index);
    EXPECT_EQ(skin::get_prop_value(h, skin::prop_prev_proc), b.old_proc);
    EXPECT_NE(b.old_proc, 0);
  }
  EXPECT_EQ(skin::find_button_index(index, nested), 0);  // only direct children
  EXPECT_EQ(skin::find_button_index(index + 1, handles[0]), 0);  // no such window
  DestroyWindow(parent);
  DeleteObject(font);
}

TEST_F(Apply, NoButtonIsTakenWhileControlsAreNotSkinned) {
  skin::skin_controls = false;
  HWND parent = make_popup(0);
  HWND button = skintest::make_child(parent, 0, 0, 80, 24, "BUTTON", BS_PUSHBUTTON);
  skintest::the_skin().apply_to_window(parent);
  EXPECT_TRUE(skin::window_record(1)->button_list.empty());
  EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
  DestroyWindow(parent);
}

TEST_F(Apply, FontOfAWindowWithoutItsOwnIsTheDcFont) {
  HWND parent = make_popup(0);
  const skin::WindowFont font = skin::measure_window_font(parent);
  EXPECT_FALSE(font.family.empty());
  EXPECT_GT(font.size, 0);
  DestroyWindow(parent);
}

}  // namespace
