// Control backdrops: captured from the window's back buffer, from a tinted
// container, from a foreign window's own backdrop DC; none outside skinned
// windows; released once only; the veiled bitmap; client areas in window
// coordinates; owner-drawn list boxes.
#include <gtest/gtest.h>

#include "skin/core/backdrop.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/window_props.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

class Backdrop : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    // Four quadrants, stretched: every spot of the back buffer is told apart by place.
    skin::background_picture = skintest::make_picture(
        2, 2, {{{0, 0, 1, 1}, 0xFFFF0000}, {{1, 0, 2, 1}, 0xFF00FF00},
               {{0, 1, 1, 2}, 0xFF0000FF}, {{1, 1, 2, 2}, 0xFFFFFF00}});
    skin::picture_mode = 3;
  }
  void TearDown() override { EXPECT_TRUE(skin::memory_dcs.empty()); }
};

COLORREF dc_pixel(HDC dc, int x, int y) {
  GdiFlush();
  return GetPixel(dc, x, y);
}

TEST_F(Backdrop, WindowCaseCopiesTheBackBufferUnderTheControl) {
  SkinnedTestWindow window(200, 160);
  window.record().has_caption = 0;
  window.render();
  HWND control = skintest::make_child(window.hwnd(), 50, 40, 100, 80);
  const RECT area{0, 0, 100, 80};
  HDC dc = skin::capture_backdrop(control, area);
  ASSERT_NE(dc, nullptr);
  const POINT points[] = {{5, 5}, {49, 39}, {51, 41}, {95, 75}, {60, 10}};
  for (const POINT& p : points)
    EXPECT_TRUE(colour_matches(dc_pixel(dc, p.x, p.y), window.pixel(50 + p.x, 40 + p.y), 0))
        << p.x << "," << p.y;
  EXPECT_TRUE(skin::release_backdrop(dc));
}

TEST_F(Backdrop, RectangleOffsetMovesTheCapture) {
  SkinnedTestWindow window(200, 160);
  window.record().has_caption = 0;
  window.render();
  HWND control = skintest::make_child(window.hwnd(), 50, 40, 100, 80);
  skin::ScopedBackdrop backdrop(control, RECT{10, 20, 60, 70});
  ASSERT_NE(backdrop.get(), nullptr);
  EXPECT_TRUE(colour_matches(dc_pixel(backdrop.get(), 0, 0), window.pixel(60, 60), 0));
  EXPECT_TRUE(colour_matches(dc_pixel(backdrop.get(), 45, 5), window.pixel(105, 65), 0));
}

TEST_F(Backdrop, ContainerTintCoversTheControlsInside) {
  SkinnedTestWindow window(200, 160);
  window.record().has_caption = 0;
  window.render();
  HWND panel = skintest::make_child(window.hwnd(), 20, 20, 160, 120);
  HWND control = skintest::make_child(panel, 10, 10, 50, 30);
  auto container = std::make_unique<skin::ContainerRecord>();
  container->hwnd = panel;
  container->tint_colour = RGB(0, 128, 255);
  container->tint_alpha = 255;
  window.record().container_list.push_back(std::move(container));

  skin::ScopedBackdrop inside(control, RECT{0, 0, 50, 30});
  ASSERT_NE(inside.get(), nullptr);
  EXPECT_TRUE(colour_matches(dc_pixel(inside.get(), 25, 15), RGB(0, 128, 255), 2));

  window.record().container_list[0]->tint_colour = 0;  // no tint: the plain back buffer
  skin::ScopedBackdrop plain(control, RECT{0, 0, 50, 30});
  EXPECT_TRUE(colour_matches(dc_pixel(plain.get(), 25, 15), window.pixel(55, 45), 0));
}

TEST_F(Backdrop, ForeignWindowSuppliesItsOwnBackdrop) {
  SkinnedTestWindow window(200, 160);
  window.record().has_caption = 0;
  window.render();
  HWND host = skintest::make_child(window.hwnd(), 20, 20, 160, 120);
  HWND control = skintest::make_child(host, 30, 40, 50, 30);
  Canvas own(160, 120, RGB(10, 200, 30));
  // Mark the spot under the control's (5, 5).
  SetPixel(own.dc(), 35, 45, RGB(250, 0, 250));
  skin::set_prop_value(host, skin::prop_own_backdrop, 1);
  SetPropA(host, skin::prop_own_backdrop_dc, own.dc());
  skin::ScopedBackdrop backdrop(control, RECT{0, 0, 50, 30});
  ASSERT_NE(backdrop.get(), nullptr);
  EXPECT_TRUE(colour_matches(dc_pixel(backdrop.get(), 20, 20), RGB(10, 200, 30), 0));
  EXPECT_TRUE(colour_matches(dc_pixel(backdrop.get(), 5, 5), RGB(250, 0, 250), 0));
  RemovePropA(host, skin::prop_own_backdrop);
  RemovePropA(host, skin::prop_own_backdrop_dc);
}

TEST_F(Backdrop, NoBackdropOutsideSkinnedWindowsAndReleaseOnlyOnce) {
  HWND stray_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 80, 80, nullptr, nullptr,
                                      nullptr, nullptr);
  HWND stray = skintest::make_child(stray_parent, 0, 0, 40, 40);
  EXPECT_EQ(skin::capture_backdrop(stray, RECT{0, 0, 40, 40}), nullptr);
  EXPECT_TRUE(skin::memory_dcs.empty());
  DestroyWindow(stray_parent);

  SkinnedTestWindow window(200, 160);
  window.render();
  HWND control = skintest::make_child(window.hwnd(), 10, 40, 40, 40);
  HDC dc = skin::capture_backdrop(control, RECT{0, 0, 40, 40});
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(skin::memory_dcs.size(), 1u);
  EXPECT_TRUE(skin::release_backdrop(dc));
  EXPECT_FALSE(skin::release_backdrop(dc));
  EXPECT_FALSE(skin::release_backdrop(nullptr));
  EXPECT_TRUE(skin::memory_dcs.empty());
}

TEST_F(Backdrop, VeiledBitmapIsTheBackdropUnderWhiteAtControlAlpha) {
  skin::background_picture.clear();
  skin::back_colour = RGB(0, 0, 0);
  SkinnedTestWindow window(200, 160);
  window.record().has_caption = 0;
  window.render();
  HWND control = skintest::make_child(window.hwnd(), 50, 50, 60, 40);
  struct Case { int alpha; int expected; };
  for (const Case& c : {Case{160, 160}, Case{0, 0}, Case{255, 255}}) {
    skin::control_alpha = c.alpha;
    skin::OwnedGdiObject<HBITMAP> bitmap(skin::control_backdrop_bitmap(control));
    ASSERT_NE(bitmap.get(), nullptr);
    BITMAP info{};
    GetObjectA(bitmap.get(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 60);
    EXPECT_EQ(info.bmHeight, 40);
    skin::OwnedMemoryDC dc(nullptr);
    skin::ScopedSelect select(dc.get(), bitmap.get());
    EXPECT_TRUE(colour_matches(dc_pixel(dc.get(), 30, 20), RGB(c.expected, c.expected, c.expected), 2))
        << c.alpha;
  }
}

// A window whose client area is exactly what the test asks for.
LRESULT CALLBACK sized_client_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCALCSIZE && wparam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam);
    const SIZE* client = static_cast<const SIZE*>(GetPropA(hwnd, "test_client"));
    RECT& r = params->rgrc[0];
    const SIZE wanted = client ? *client : SIZE{r.right - r.left, r.bottom - r.top};
    r.left += 1;
    r.top += 1;
    r.right = r.left + wanted.cx;
    r.bottom = r.top + wanted.cy;
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

TEST(ClientAreaInWindow, AssumesEqualBordersAndSeventeenPixelScrollBars) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = sized_client_proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZovraSizedClient";
  RegisterClassA(&wc);
  struct Case { DWORD scroll; SIZE window, client; RECT expected; };
  const Case cases[] = {
      {WS_VSCROLL | WS_HSCROLL, {120, 100}, {99, 79}, {2, 2, 101, 81}},  // the list-box example
      {0, {120, 100}, {116, 96}, {2, 2, 118, 98}},
      {WS_VSCROLL, {120, 100}, {100, 96}, {1, 2, 101, 98}},
      {WS_HSCROLL, {120, 100}, {116, 80}, {2, 1, 118, 81}},
      {0, {121, 100}, {116, 96}, {2, 2, 118, 98}},  // odd difference rounds down
  };
  for (const Case& c : cases) {
    SIZE client = c.client;
    HWND hwnd = CreateWindowExA(0, "ZovraSizedClient", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    SetPropA(hwnd, "test_client", &client);
    // The scroll-bar bits are read from the style only; the client size comes from above.
    SetWindowLongPtrA(hwnd, GWL_STYLE, WS_POPUP | c.scroll);
    SetWindowPos(hwnd, nullptr, 0, 0, c.window.cx, c.window.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    const RECT r = skin::client_area_in_window(hwnd);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
    RemovePropA(hwnd, "test_client");
    DestroyWindow(hwnd);
  }
}

TEST(IsOwnerDrawListbox, NeedsTheListBoxClassAndAnOwnerDrawStyle) {
  struct Case { const char* cls; DWORD style; bool expected; };
  const Case cases[] = {
      {"ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true},
      {"ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, true},
      {"ListBox", LBS_NOTIFY, false},
      {"Static", 0x10, false},
  };
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                nullptr, nullptr);
  for (const Case& c : cases) {
    HWND hwnd = skintest::make_child(parent, 0, 0, 100, 100, c.cls, c.style);
    ASSERT_NE(hwnd, nullptr) << c.cls;
    EXPECT_EQ(skin::is_owner_draw_listbox(hwnd), c.expected) << c.cls << " " << c.style;
  }
  DestroyWindow(parent);
}

}  // namespace
