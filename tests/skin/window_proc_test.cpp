// The skinned window procedure, message by message: size and system-command
// bookkeeping, painting, track sizes, the full-screen fix, the colour messages of
// child controls with their brushes, repaints after notifications, and the
// removal of a destroyed window with the renumbering of every index it leaves.
#include <gtest/gtest.h>

#include "runtime/services.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/window_proc.h"
#include "skin/core/window_props.h"
#include "skin/core/window_steps.h"
#include "tests/skin/applied_window.h"

namespace {

using skintest::AppliedOptions;
using skintest::AppliedWindow;

class WindowProc : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::first_size_pending = false;
  }
};

// The previous procedure of a recording window: a marker brush for the colour
// messages, system commands swallowed (so only the skin's bookkeeping acts).
HBRUSH const marker_brush = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(0x7E57));
UINT last_forwarded = 0;

LRESULT CALLBACK recording_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  last_forwarded = message;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    return reinterpret_cast<LRESULT>(marker_brush);
  if (message == WM_SYSCOMMAND) return 0;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

const char* recording_class() {
  static const char* const name = "ZovraRecordingTestWindow";
  static bool done = false;
  if (!done) {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = recording_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    done = true;
  }
  return name;
}

TEST_F(WindowProc, FirstSizeOfTheProgramRendersNothingAndLaterOnesDo) {
  AppliedOptions options;
  options.style = WS_POPUP;
  options.visible = false;
  AppliedWindow window(options);
  skin::first_size_pending = true;
  skin::SkinnedWindow& w = window.record();
  struct Step { int width; int needs_render; bool pending_after; };
  const Step steps[] = {{420, 0, false}, {440, 1, false}, {460, 1, false}};
  for (const Step& s : steps) {
    w.needs_render = 0;
    w.hot_caption_button = 2;
    SetWindowPos(window.hwnd(), nullptr, 0, 0, s.width, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(w.needs_render, s.needs_render) << s.width;
    EXPECT_EQ(skin::first_size_pending, s.pending_after);
    EXPECT_EQ(w.hot_caption_button, 0);
  }
}

TEST_F(WindowProc, SystemCommandsKeepTheFlagsAndCommandsWithHitTestBitsChangeNone) {
  struct Case { const char* name; WPARAM command; int maximized, minimized, needs_render; };
  const Case cases[] = {
      {"maximize", SC_MAXIMIZE, 1, 0, 1},
      {"minimize", SC_MINIMIZE, 0, 1, 1},
      {"restore", SC_RESTORE, 0, 0, 1},
      {"maximize with caption hit test", SC_MAXIMIZE | HTCAPTION, 0, 0, 0},
      {"minimize with hit test bits", SC_MINIMIZE | 0x2, 0, 0, 0},
      {"arrange", SC_ARRANGE, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppliedOptions options;
    options.visible = false;
    options.window_class = recording_class();
    AppliedWindow window(options);
    skin::SkinnedWindow& w = window.record();
    w.needs_render = 0;
    if (c.command == SC_RESTORE) w.minimized = 1;
    last_forwarded = 0;
    SendMessageA(window.hwnd(), WM_SYSCOMMAND, c.command, 0);
    EXPECT_EQ(last_forwarded, static_cast<UINT>(WM_SYSCOMMAND));
    EXPECT_EQ(w.maximized, c.maximized);
    EXPECT_EQ(w.minimized, c.minimized);
    EXPECT_EQ(w.needs_render, c.needs_render);
  }
}

TEST_F(WindowProc, SmallMessagesKeepTheirFlags) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM wparam;
    int minimized_before;
    int minimized_after, mouse_tracking_after;
    bool rendered;
  };
  const Case cases[] = {
      {"query open", WM_QUERYOPEN, 0, 1, 0, 0, false},
      {"mouse hover", WM_MOUSEHOVER, 0, 0, 0, 1, false},
      {"shown while minimized", WM_SHOWWINDOW, TRUE, 1, 0, 0, false},
      {"shown", WM_SHOWWINDOW, TRUE, 0, 0, 0, true},
      {"hidden", WM_SHOWWINDOW, FALSE, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppliedOptions options;
    options.visible = false;
    AppliedWindow window(options);
    skin::SkinnedWindow& w = window.record();
    w.minimized = c.minimized_before;
    SendMessageA(window.hwnd(), c.message, c.wparam, 0);
    EXPECT_EQ(w.minimized, c.minimized_after);
    EXPECT_EQ(w.mouse_tracking, c.mouse_tracking_after);
    EXPECT_EQ(w.back_buffer_dc != nullptr, c.rendered);
  }
}

TEST_F(WindowProc, NewTitleIsDrawnAtOnceWhenTheTitleIsShown) {
  for (bool shown : {true, false}) {
    SCOPED_TRACE(shown);
    AppliedWindow window;
    skin::SkinnedWindow& w = window.record();
    w.show_title = shown;
    w.needs_render = 1;
    UpdateWindow(window.hwnd());
    const RECT title{30, 5, 200, 22};
    auto title_pixels = [&] {
      GdiFlush();
      std::vector<COLORREF> pixels;
      for (int y = title.top; y < title.bottom; ++y)
        for (int x = title.left; x < title.right; ++x)
          pixels.push_back(GetPixel(w.back_buffer_dc, x, y));
      return pixels;
    };
    const std::vector<COLORREF> before = title_pixels();
    SetWindowTextA(window.hwnd(), "一个新的标题");
    const std::vector<COLORREF> after = title_pixels();
    int changed = 0;
    for (size_t k = 0; k < before.size(); ++k) changed += before[k] != after[k];
    EXPECT_EQ(changed > 0, shown);
    char text[64] = {};
    GetWindowTextA(window.hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "一个新的标题");  // forwarded: the window keeps the text
  }
}

TEST_F(WindowProc, QuitStopsGdiplusOnceWithTheSkinsToken) {
  AppliedOptions options;
  options.visible = false;
  AppliedWindow window(options);
  skin::gdiplus_token = gdiplus_start();  // a second start of the running GDI+
  ASSERT_NE(skin::gdiplus_token, 0u);
  SendMessageA(window.hwnd(), WM_QUIT, 0, 0);
  EXPECT_EQ(skin::gdiplus_token, 0u);  // the skin's destructor will not stop it again
  DrawBitmap still_running;
  EXPECT_TRUE(still_running.Create(4, 4));
}

TEST_F(WindowProc, PaintRendersWhenAskedElsePresentsAndAMinimizedWindowPaintsNothing) {
  AppliedWindow window;
  skin::SkinnedWindow& w = window.record();
  ASSERT_NE(w.back_buffer_dc, nullptr);  // shown and painted by the fixture
  EXPECT_EQ(w.needs_render, 0);
  struct Case { int needs_render, minimized; bool new_buffer; int needs_render_after; };
  const Case cases[] = {{1, 0, true, 0}, {0, 0, false, 0}, {1, 1, false, 1}};
  for (const Case& c : cases) {
    w.needs_render = c.needs_render;
    w.minimized = c.minimized;
    HANDLE before = GetPropA(window.hwnd(), skin::prop_back_buffer);
    InvalidateRect(window.hwnd(), nullptr, FALSE);
    UpdateWindow(window.hwnd());
    EXPECT_EQ(GetPropA(window.hwnd(), skin::prop_back_buffer) != before, c.new_buffer);
    EXPECT_EQ(w.needs_render, c.needs_render_after);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(window.hwnd(), &update, FALSE));  // validated in every case
  }
  w.minimized = 0;
  EXPECT_EQ(SendMessageA(window.hwnd(), WM_ERASEBKGND,
                         reinterpret_cast<WPARAM>(w.back_buffer_dc), 0), 1);
}

TEST_F(WindowProc, TrackSizesComeFromTheRecordOrTheScreenWhenMaximized) {
  AppliedOptions options;
  options.visible = false;
  AppliedWindow window(options);
  skin::SkinnedWindow& w = window.record();
  w.max_track_width = 900;
  w.max_track_height = 700;
  const SIZE screen = runtime::screen_size();
  struct Case { int maximized; POINT max_track; };
  const Case cases[] = {{0, {900, 700}}, {1, {screen.cx, screen.cy - skin::taskbar_height()}}};
  for (const Case& c : cases) {
    w.maximized = c.maximized;
    MINMAXINFO info{};
    info.ptMaxSize = POINT{11, 12};
    info.ptMaxPosition = POINT{13, 14};
    info.ptMinTrackSize = POINT{1, 1};
    SendMessageA(window.hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, c.max_track.x);
    EXPECT_EQ(info.ptMaxTrackSize.y, c.max_track.y);
    EXPECT_EQ(info.ptMaxSize.x, 11);  // the other members stay as they were
    EXPECT_EQ(info.ptMaxPosition.y, 14);
  }
}

TEST_F(WindowProc, AWindowSizedToTheScreenIsPutAtTheScreenMinusTheTaskbar) {
  const SIZE screen = runtime::screen_size();
  const int taskbar = skin::taskbar_height();
  struct Case { const char* name; DWORD style; RECT expected; int maximized; };
  // Sized at (10, 10): the maximizable window also goes to the screen's origin.
  const Case cases[] = {
      {"maximizable", WS_POPUP | WS_MAXIMIZEBOX, {0, 0, screen.cx, screen.cy - taskbar}, 1},
      {"without maximize box", WS_POPUP, {10, 10, 10 + screen.cx, 10 + screen.cy}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppliedOptions options;
    options.style = c.style;
    AppliedWindow window(options);
    SetWindowPos(window.hwnd(), nullptr, 10, 10, screen.cx, screen.cy, SWP_NOZORDER);
    skintest::pump_messages();
    const RECT r = window.window_rect();
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
    EXPECT_EQ(window.record().maximized, c.maximized);
    // The caption buttons follow the new width.
    EXPECT_EQ(window.record().strip_x, r.right - r.left - window.record().strip_width + 1);
  }
}

struct ColourCase {
  const char* name;
  UINT message;
  const char* control_class;
  DWORD style;
  enum Answer { forwarded, backdrop, hollow } answer;
};

// The brush answered to `message` for a fresh child of the given class.
TEST_F(WindowProc, ColourMessagesAreForwardedUnlessControlsAreTransparent) {
  const ColourCase cases[] = {
      {"edit", WM_CTLCOLOREDIT, "Edit", 0, ColourCase::backdrop},
      {"static", WM_CTLCOLORSTATIC, "Static", 0, ColourCase::backdrop},
      {"list box", WM_CTLCOLORLISTBOX, "ListBox", 0, ColourCase::hollow},
      {"owner-drawn list box", WM_CTLCOLORLISTBOX, "ListBox", LBS_OWNERDRAWFIXED,
       ColourCase::forwarded},
      {"combo list as list box", WM_CTLCOLORLISTBOX, "Static", 0, ColourCase::forwarded},
      {"button", WM_CTLCOLORBTN, "Button", BS_CHECKBOX, ColourCase::hollow},
      {"scroll bar", WM_CTLCOLORSCROLLBAR, "ScrollBar", 0, ColourCase::forwarded},
  };
  struct Setting { bool skin_controls, transparent; };
  const Setting settings[] = {{true, false}, {false, true}, {true, true}};
  for (const Setting& setting : settings) {
    skin::skin_controls = setting.skin_controls;
    skin::controls_transparent = setting.transparent;
    const bool active = setting.skin_controls && setting.transparent;
    AppliedOptions options;
    options.window_class = recording_class();
    AppliedWindow window(options);
    for (const ColourCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (active ? ", transparent" : ", forwarded"));
      HWND control = skintest::make_child(window.hwnd(), 20, 40, 120, 60, c.control_class, c.style);
      skin::set_prop_value(control, skin::prop_text_colour, RGB(1, 2, 3));
      skin::ScopedGetDC dc(control);
      const auto answer = reinterpret_cast<HBRUSH>(SendMessageA(
          window.hwnd(), c.message, reinterpret_cast<WPARAM>(dc.get()),
          reinterpret_cast<LPARAM>(control)));
      const auto held = static_cast<HBRUSH>(GetPropA(control, skin::prop_back_brush));
      const ColourCase::Answer expected = active ? c.answer : ColourCase::forwarded;
      switch (expected) {
        case ColourCase::forwarded:
          EXPECT_EQ(answer, marker_brush);
          EXPECT_EQ(held, nullptr);
          break;
        case ColourCase::backdrop:
          EXPECT_EQ(answer, held);
          EXPECT_EQ(GetObjectType(answer), static_cast<DWORD>(OBJ_BRUSH));
          EXPECT_NE(answer, GetStockObject(NULL_BRUSH));
          EXPECT_EQ(GetObjectType(GetPropA(control, skin::prop_back_bitmap)),
                    static_cast<DWORD>(OBJ_BITMAP));
          break;
        case ColourCase::hollow:
          EXPECT_EQ(answer, GetStockObject(NULL_BRUSH));
          EXPECT_EQ(held, answer);
          break;
      }
      if (expected != ColourCase::forwarded) {
        EXPECT_EQ(GetTextColor(dc.get()), RGB(1, 2, 3));
        EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
      }
      DestroyWindow(control);
    }
  }
}

TEST_F(WindowProc, EachColourMessageReplacesTheBrushOfTheLastOne) {
  skin::controls_transparent = true;
  AppliedWindow window;
  HWND edit = skintest::make_child(window.hwnd(), 20, 40, 120, 24, "Edit");
  skin::ScopedGetDC dc(edit);
  auto ask = [&](UINT message) {
    return reinterpret_cast<HGDIOBJ>(SendMessageA(window.hwnd(), message,
                                                  reinterpret_cast<WPARAM>(dc.get()),
                                                  reinterpret_cast<LPARAM>(edit)));
  };
  HGDIOBJ first = ask(WM_CTLCOLOREDIT);
  HGDIOBJ first_bitmap = GetPropA(edit, skin::prop_back_bitmap);
  HGDIOBJ second = ask(WM_CTLCOLOREDIT);
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(GetObjectType(first_bitmap), 0u);
  EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
  HGDIOBJ second_bitmap = GetPropA(edit, skin::prop_back_bitmap);
  EXPECT_EQ(ask(WM_CTLCOLORBTN), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetObjectType(second), 0u);  // the hollow answer deletes the brush ...
  EXPECT_EQ(GetObjectType(second_bitmap), static_cast<DWORD>(OBJ_BITMAP));  // ... not its bitmap
  // Destroying the window releases what its controls still hold.
  DestroyWindow(window.hwnd());
  EXPECT_EQ(GetObjectType(second_bitmap), 0u);
}

TEST_F(WindowProc, NotificationsRepaintTheControlWhoseContentChanged) {
  struct Case { const char* control_class; DWORD style; WORD code; bool repainted; };
  const Case cases[] = {
      {"Edit", 0, EN_CHANGE, true},         {"Edit", 0, EN_UPDATE, true},
      {"Edit", 0, EN_VSCROLL, true},        {"Edit", 0, EN_HSCROLL, true},
      {"Edit", 0, EN_SETFOCUS, false},      {"ListBox", 0, LBN_SELCHANGE, true},
      {"ListBox", 0, LBN_SELCANCEL, true},  {"ListBox", 0, LBN_DBLCLK, false},
      {"ComboBox", CBS_DROPDOWNLIST, CBN_SELCHANGE, true},
      {"ComboBox", CBS_DROPDOWNLIST, CBN_KILLFOCUS, true},
      {"ComboBox", CBS_DROPDOWNLIST, CBN_DROPDOWN, false},
      {"Static", 0, EN_CHANGE, false},
  };
  for (bool transparent : {false, true}) {
    skin::controls_transparent = transparent;
    AppliedWindow window;
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.control_class) + " " + std::to_string(c.code));
      HWND control = skintest::make_child(window.hwnd(), 20, 40, 120, 60, c.control_class, c.style);
      UpdateWindow(control);
      ValidateRect(control, nullptr);
      SendMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(1, c.code),
                   reinterpret_cast<LPARAM>(control));
      RECT update{};
      EXPECT_EQ(GetUpdateRect(control, &update, FALSE) != FALSE, transparent && c.repainted);
      DestroyWindow(control);
    }
  }
  // Tree views repaint when an item expands, transparent or not.
  AppliedWindow window;
  HWND tree = skintest::make_child(window.hwnd(), 20, 40, 120, 60, WC_TREEVIEWA);
  for (UINT code : {TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}) {
    UpdateWindow(tree);
    ValidateRect(tree, nullptr);
    NMHDR header{tree, 1, code};
    SendMessageA(window.hwnd(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
    RECT update{};
    EXPECT_EQ(GetUpdateRect(tree, &update, FALSE) != FALSE, code != TVN_SELCHANGEDA) << code;
  }
}

TEST_F(WindowProc, DestroyingAWindowRemovesItAndRenumbersEveryIndexLeft) {
  skin::controls_transparent = true;
  AppliedWindow first, second;
  // A push button of each window is taken by apply_to_window; more controls are
  // registered here the way their attach routines do.
  HWND first_edit = skintest::make_child(first.hwnd(), 10, 40, 100, 24, "Edit");
  struct Owned { HWND hwnd; const char* property; };
  std::vector<Owned> owned;
  auto add = [&](AppliedWindow& w, auto list, const char* cls, const char* property) {
    HWND h = skintest::make_child(w.hwnd(), 10, 80, 50, 20, cls);
    using List = std::remove_reference_t<decltype(w.record().*list)>;
    auto record = std::make_unique<typename List::value_type::element_type>();
    record->hwnd = h;
    (w.record().*list).push_back(std::move(record));
    skin::set_prop_value(h, property, w.index());
    owned.push_back({h, property});
  };
  add(second, &skin::SkinnedWindow::edit_list, "Edit", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::framed_list, "ListBox", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::combo_list, "ComboBox", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::trackbar_list, "Static", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::progress_list, "Static", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::updown_list, "Static", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::header_list, "Static", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::container_list, "Static", skin::prop_owner_index);
  add(second, &skin::SkinnedWindow::transparent_list, "Static", skin::prop_tr_owner_index);
  for (const Owned& o : owned) EXPECT_EQ(skin::get_prop_value(o.hwnd, o.property), 2);

  // The first window's edit holds a backdrop brush when it goes.
  skin::ScopedGetDC dc(first_edit);
  HGDIOBJ brush = reinterpret_cast<HGDIOBJ>(SendMessageA(
      first.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()),
      reinterpret_cast<LPARAM>(first_edit)));
  HGDIOBJ bitmap = GetPropA(first_edit, skin::prop_back_bitmap);
  ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));

  DestroyWindow(first.hwnd());
  ASSERT_EQ(skin::window_table.size(), 1u);
  EXPECT_EQ(skin::window_record(1)->hwnd, second.hwnd());
  EXPECT_EQ(skin::get_prop_value(second.hwnd(), skin::prop_list_index), 1);
  for (const Owned& o : owned) EXPECT_EQ(skin::get_prop_value(o.hwnd, o.property), 1);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);

  // A window that was never skinned removes nothing and still renumbers.
  skin::set_prop_value(second.hwnd(), skin::prop_list_index, 5);
  skin::remove_window(GetDesktopWindow());
  EXPECT_EQ(skin::window_table.size(), 1u);
  EXPECT_EQ(skin::get_prop_value(second.hwnd(), skin::prop_list_index), 1);
}

TEST_F(WindowProc, DeactivationTrimsTheWorkingSetWithoutWritingAFile) {
  EXPECT_TRUE(skin::trim_working_set());
  const std::string tool = runtime::environment_variable("windir") + "\\empty.exe";
  AppliedWindow window;
  SendMessageA(window.hwnd(), WM_ACTIVATEAPP, FALSE, 0);
  SendMessageA(window.hwnd(), WM_ACTIVATEAPP, TRUE, 0);
  skintest::pump_until([] { return false; }, 100);
  EXPECT_FALSE(runtime::file_exists(tool));
}

}  // namespace
