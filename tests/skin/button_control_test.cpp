// Skinned buttons: which children the attach routines take (each once, in the
// fixed order), the hover highlight painted once per entry and again after
// another kind was lit, a double click counting as one click.
#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/controls/registration.h"
#include "skin/core/attach.h"
#include "tests/kit/pixels.h"
#include "tests/skin/control_test_util.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

struct ChildCase {
  const char* cls;
  DWORD style;
  int kind;  // ButtonRecord kind, -1: not a skinned button
  bool checked;
};

const ChildCase child_cases[] = {
    {"BUTTON", BS_PUSHBUTTON, 0, false},       {"BUTTON", BS_DEFPUSHBUTTON, 0, false},
    {"BUTTON", BS_CHECKBOX, 5, false},         {"BUTTON", BS_AUTOCHECKBOX, 5, true},
    {"BUTTON", BS_PUSHBOX, 5, false},          {"BUTTON", BS_AUTORADIOBUTTON, 4, true},
    {"BUTTON", BS_RADIOBUTTON, -1, false},     {"BUTTON", BS_3STATE, -1, false},
    {"BUTTON", BS_AUTO3STATE, -1, false},      {"BUTTON", BS_GROUPBOX, -1, false},
    {"BUTTON", BS_OWNERDRAW, -1, false},       {"STATIC", SS_LEFT, -1, false},
};

class ButtonAttach : public ::testing::Test {
 protected:
  void SetUp() override { skintest::reset_skin_settings(); }
};

TEST_F(ButtonAttach, TakesEachKindOnceInTheFixedOrder) {
  SkinnedTestWindow window(400, 300);
  std::vector<HWND> children;
  std::vector<LONG_PTR> class_procs;
  for (size_t k = 0; k < std::size(child_cases); ++k) {
    const ChildCase& c = child_cases[k];
    HWND child = skintest::make_control(window.hwnd(), c.cls, c.style, 5, 5 + 20 * static_cast<int>(k),
                                        120, 18, 0, "选项");
    if (c.checked) SendMessageA(child, BM_SETCHECK, BST_CHECKED, 0);
    children.push_back(child);
    class_procs.push_back(GetWindowLongPtrA(child, GWLP_WNDPROC));
  }
  HWND panel = skintest::make_control(window.hwnd(), "STATIC", 0, 200, 5, 150, 100);
  HWND nested = skintest::make_control(panel, "BUTTON", BS_AUTOCHECKBOX, 5, 5, 100, 18);
  HWND edit = skintest::make_control(window.hwnd(), "EDIT", 0, 200, 150, 120, 22, WS_EX_CLIENTEDGE);

  // A second pass over the same window takes nothing again.
  skin::attach_controls(window.index(), window.hwnd());
  skin::attach_controls(window.index(), window.hwnd());

  int expected_buttons = 0;
  for (size_t k = 0; k < children.size(); ++k) {
    const ChildCase& c = child_cases[k];
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style << " " << c.cls);
    HWND child = children[k];
    const int n = skin::find_button_index(window.index(), child);
    if (c.kind < 0) {
      EXPECT_EQ(n, 0);
      EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), class_procs[k]);
      continue;
    }
    ++expected_buttons;
    ASSERT_GT(n, 0);
    const skin::ButtonRecord& r = *window.record().button_list[static_cast<size_t>(n - 1)];
    EXPECT_EQ(r.kind, c.kind);
    EXPECT_EQ(r.checked, c.checked ? 1 : 0);
    EXPECT_EQ(r.text, "选项");
    EXPECT_FALSE(r.font_name.empty());
    EXPECT_EQ(skin::get_prop_value(child, skin::prop_list_index), n);
    EXPECT_EQ(skin::get_prop_value(child, skin::prop_owner_index), window.index());
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::button_proc));
    // Chained once: the property names the class procedure, not button_proc again.
    EXPECT_EQ(skin::get_prop_value(child, skin::prop_prev_proc), class_procs[k]);
    // Push buttons become owner-drawn; check boxes and radio buttons keep their style.
    const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
    EXPECT_EQ(type, c.kind == 0 ? static_cast<LONG_PTR>(BS_OWNERDRAW) : static_cast<LONG_PTR>(c.style));
  }
  EXPECT_EQ(static_cast<int>(window.record().button_list.size()), expected_buttons);
  EXPECT_EQ(skin::find_button_index(window.index(), nested), 0);  // direct children only
  ASSERT_EQ(window.record().edit_list.size(), 1u);
  EXPECT_EQ(skin::find_edit(window.index(), edit), 1);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::edit_proc));
}

TEST_F(ButtonAttach, NothingIsTakenWhileControlSkinningIsOff) {
  SkinnedTestWindow window(300, 200);
  skintest::make_control(window.hwnd(), "BUTTON", BS_PUSHBUTTON, 5, 5, 80, 24);
  skintest::make_control(window.hwnd(), "BUTTON", BS_AUTOCHECKBOX, 5, 35, 80, 24);
  skintest::make_control(window.hwnd(), "EDIT", 0, 5, 65, 80, 24);
  skin::skin_controls = false;
  skin::attach_controls(window.index(), window.hwnd());
  EXPECT_TRUE(window.record().button_list.empty());
  EXPECT_TRUE(window.record().edit_list.empty());
}

// A visible skinned window with a push button and an edit, both registered.
class ButtonHover : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = RGB(200, 200, 200);
    window_ = std::make_unique<SkinnedTestWindow>(300, 200, skintest::ButtonSet{}, true);
    window_->record().has_caption = 0;
    window_->render();
    button_ = skintest::make_control(window_->hwnd(), "BUTTON", BS_PUSHBUTTON, 40, 60, 100, 30,
                                     0, "确定");
    edit_ = skintest::make_control(window_->hwnd(), "EDIT", 0, 40, 120, 120, 24, WS_EX_CLIENTEDGE);
    skin::attach_controls(window_->index(), window_->hwnd());
    UpdateWindow(window_->hwnd());
    UpdateWindow(button_);
  }
  void TearDown() override {
    skintest::drop_waiting_messages();
    EXPECT_TRUE(skin::memory_dcs.empty());
  }

  std::unique_ptr<SkinnedTestWindow> window_;
  HWND button_ = nullptr, edit_ = nullptr;
};

TEST_F(ButtonHover, HighlightOncePerEntryAndAgainAfterAnotherKind) {
  enum Look { untouched, hot, normal, any };
  struct Step {
    bool on_button;
    UINT message;
    Look look;  // the button afterwards
  };
  const Step steps[] = {
      {true, WM_MOUSEMOVE, hot},        // entry: highlighted
      {true, WM_MOUSEMOVE, untouched},  // moving within: nothing painted
      {false, WM_MOUSEMOVE, any},       // the edit is lit now
      {true, WM_MOUSEMOVE, hot},        // back on the same button: highlighted again
      {true, WM_MOUSEMOVE, untouched},
      {true, WM_LBUTTONUP, any},        // a click clears the lit control...
      {true, WM_MOUSEMOVE, hot},        // ...so the next move paints again
      {true, WM_MOUSELEAVE, normal},    // leaving: the plain look
      {true, WM_MOUSEMOVE, hot},
  };
  const COLORREF theme = skin::theme_colour;
  for (size_t k = 0; k < std::size(steps); ++k) {
    const Step& s = steps[k];
    SCOPED_TRACE(testing::Message() << "step " << k);
    skintest::fill_window(button_, kMarkerColour);
    SendMessageA(s.on_button ? button_ : edit_, s.message, 0, MAKELPARAM(10, 10));
    const COLORREF edge = skintest::window_pixel(button_, 50, 0);
    const COLORREF inside = skintest::window_pixel(button_, 50, 15);
    switch (s.look) {
      case untouched:
        EXPECT_TRUE(colour_matches(inside, kMarkerColour, 0));
        break;
      case hot:
        EXPECT_TRUE(colour_matches(edge, theme, 8));
        break;
      case normal:
        EXPECT_FALSE(colour_matches(inside, kMarkerColour, 0));
        EXPECT_TRUE(is_dark(edge, 0x90)) << colour_text(edge);
        break;
      case any:
        break;
    }
  }
  const skin::SkinnedWindow& w = window_->record();
  EXPECT_EQ(w.lit_kind, skin::lit_button);
  EXPECT_EQ(w.lit_control, 1);
  EXPECT_EQ(w.hot_control, 1);
}

// Records the clicks a parent is told about.
struct ClickLog {
  static inline int clicked = 0, double_clicked = 0;
  static inline WNDPROC previous = nullptr;
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) ++clicked;
    if (message == WM_COMMAND && HIWORD(wparam) == BN_DOUBLECLICKED) ++double_clicked;
    return CallWindowProcA(previous, hwnd, message, wparam, lparam);
  }
};

TEST_F(ButtonAttach, DoubleClickCountsAsOneClick) {
  struct Case {
    DWORD style;
    bool skinned;
    int clicks;
    int checked_after;
  };
  // Unskinned rows show what the standard procedure makes of the same input.
  const Case cases[] = {
      {BS_AUTOCHECKBOX, true, 1, BST_CHECKED},   {BS_AUTOCHECKBOX, false, 2, BST_UNCHECKED},
      {BS_PUSHBUTTON, true, 1, BST_UNCHECKED},   {BS_PUSHBUTTON, false, 2, BST_UNCHECKED},
      {BS_AUTORADIOBUTTON, true, 1, BST_CHECKED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << (c.skinned ? " skinned" : " plain"));
    SkinnedTestWindow window(300, 200);
    ClickLog::previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClickLog::proc)));
    ClickLog::clicked = ClickLog::double_clicked = 0;
    HWND button = skintest::make_control(window.hwnd(), "BUTTON", c.style, 20, 20, 100, 30);
    if (c.skinned) skin::attach_controls(window.index(), window.hwnd());
    const LPARAM at = MAKELPARAM(10, 10);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
      SendMessageA(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    EXPECT_EQ(ClickLog::clicked, c.clicks);
    EXPECT_EQ(ClickLog::double_clicked, 0);
    EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), c.checked_after);
    skintest::drop_waiting_messages();
  }
}

TEST_F(ButtonAttach, CaptionAndFocusFollowTheirMessages) {
  SkinnedTestWindow window(300, 200, skintest::ButtonSet{}, true);
  HWND box = skintest::make_control(window.hwnd(), "BUTTON", BS_AUTOCHECKBOX, 20, 20, 120, 20, 0, "旧");
  skin::attach_controls(window.index(), window.hwnd());
  const skin::ButtonRecord& r = *window.record().button_list.at(0);
  SetWindowTextA(box, "新的文字");
  EXPECT_EQ(r.text, "新的文字");
  SendMessageA(box, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(r.focused, 1);
  SendMessageA(box, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(r.focused, 0);
  // Erasing paints nothing and hands back the previous text colour.
  Canvas canvas(20, 20);
  SetTextColor(canvas.dc(), RGB(1, 2, 3));
  skin::set_prop_value(box, skin::prop_text_colour, RGB(9, 8, 7));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(box, WM_ERASEBKGND,
                                               reinterpret_cast<WPARAM>(canvas.dc()), 0)),
            RGB(1, 2, 3));
  EXPECT_EQ(GetTextColor(canvas.dc()), RGB(9, 8, 7));
  EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);
  EXPECT_TRUE(colour_matches(canvas.pixel(5, 5), kMarkerColour, 0));
}

}  // namespace
