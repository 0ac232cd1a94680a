// What render_window keeps between renders: the finished caption, reused only
// while everything it is drawn from is unchanged, and the window region, rebuilt
// only when the size or maximized state changed or the region went; both
// released with the window's record.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "skin/core/window_props.h"
#include "tests/kit/gdi_count.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

class RenderCache : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = RGB(60, 90, 140);
    skin::app_icon = nullptr;
  }
  void TearDown() override { skin::app_icon = nullptr; }
};

// Every pixel of the window's current back buffer, alpha included.
std::vector<DWORD> buffer_pixels(const SkinnedTestWindow& window) {
  GdiFlush();
  DIBSECTION section{};
  HANDLE bitmap = GetPropA(window.hwnd(), skin::prop_back_buffer);
  if (!bitmap || GetObjectA(bitmap, sizeof(section), &section) != sizeof(section)) return {};
  const DWORD* bits = static_cast<const DWORD*>(section.dsBm.bmBits);
  return std::vector<DWORD>(bits, bits + section.dsBm.bmWidth * section.dsBm.bmHeight);
}

// Title text with Latin letters, so a change of font face shows.
const char* const title = "Title 标题";

TEST_F(RenderCache, CaptionAfterAChangeLooksAsAFreshRenderDrawsIt) {
  // Each change is made once to a window that has rendered before (its caption
  // kept) and once to a window that never has; both must then render alike.
  HICON icon = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
  const std::string dot = skintest::make_picture(26, 18, {{{8, 5, 18, 13}, 0xFFFF0000}});
  struct Case {
    const char* name;
    std::function<void(SkinnedTestWindow&)> change;
    bool changes_look;  // false: the change must leave the caption as it was
  };
  const Case cases[] = {
      {"title text", [](SkinnedTestWindow& t) { SetWindowTextA(t.hwnd(), "Other 其他"); }, true},
      {"title font", [](SkinnedTestWindow& t) { t.record().title_font = "Tahoma"; }, true},
      {"font size", [](SkinnedTestWindow& t) { t.record().title_font_size = 17; }, true},
      {"bold", [](SkinnedTestWindow& t) { t.record().title_bold = 0; }, true},
      {"title colour", [](SkinnedTestWindow& t) { t.record().title_colour = RGB(255, 0, 0); },
       true},
      {"halo colour",
       [](SkinnedTestWindow& t) { t.record().title_halo_colour = RGB(0, 255, 0); }, true},
      {"show title", [](SkinnedTestWindow& t) { t.record().show_title = 0; }, true},
      {"icon", [&](SkinnedTestWindow&) { skin::app_icon = icon; }, true},
      {"frame margin", [](SkinnedTestWindow&) { skintest::the_skin().frame_margin = 7; }, true},
      {"maximized", [](SkinnedTestWindow& t) { t.record().maximized = 1; }, true},
      {"button picture",
       [&](SkinnedTestWindow& t) { t.record().caption_buttons.front().picture = dot; }, true},
      {"strip width", [](SkinnedTestWindow& t) { t.record().strip_width += 150; }, true},
      {"strip place", [](SkinnedTestWindow& t) {
         t.record().strip_y = 4;
         skintest::the_skin().layout_caption_buttons(t.index());
       }, true},
      {"button added", [](SkinnedTestWindow& t) {
         skin::CaptionButton extra = t.record().caption_buttons.front();
         extra.kind = skin::kind_custom;
         t.record().caption_buttons.insert(t.record().caption_buttons.begin(), extra);
         t.record().strip_width += 27;
         skintest::the_skin().layout_caption_buttons(t.index());
       }, true},
      {"caption height", [](SkinnedTestWindow& t) { t.record().caption_height = 40; }, true},
      {"theme", [](SkinnedTestWindow&) { skin::back_colour = RGB(200, 170, 40); }, true},
      {"width", [](SkinnedTestWindow& t) {
         SetWindowPos(t.hwnd(), nullptr, 0, 0, 360, 120, SWP_NOMOVE | SWP_NOZORDER |
                      SWP_NOACTIVATE);
         skintest::the_skin().layout_caption_buttons(t.index());
       }, true},
      {"hover drawn between renders", [](SkinnedTestWindow& t) {
         skintest::the_skin().draw_caption_button(t.index(), 2, nullptr, 0, 240);
       }, false},
      {"nothing", [](SkinnedTestWindow&) {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    skintest::reset_skin_settings();
    skin::back_colour = RGB(60, 90, 140);
    skin::app_icon = nullptr;
    SkinnedTestWindow kept(300, 120, {}, false, title);
    kept.record().caption_gloss = 1;  // so that the caption height shows
    kept.render();
    kept.render();  // the second render is drawn from the kept caption
    const std::vector<DWORD> before = buffer_pixels(kept);
    c.change(kept);
    kept.render();
    SkinnedTestWindow fresh(300, 120, {}, false, title);
    fresh.record().caption_gloss = 1;
    c.change(fresh);
    fresh.render();
    const std::vector<DWORD> expected = buffer_pixels(fresh);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(before != expected, c.changes_look) << "the change is not what the case says";
    EXPECT_TRUE(buffer_pixels(kept) == expected);
  }
  skin::app_icon = nullptr;
  DestroyIcon(icon);
}

TEST_F(RenderCache, CaptionBackdropIsTheLayersAloneWhenTheCaptionIsReused) {
  // Restoring the whole caption of a render drawn from the kept caption shows
  // what a window with no title and no buttons shows there.
  SkinnedTestWindow kept(300, 120, {}, false, title);
  kept.render();
  kept.render();
  skintest::the_skin().restore_caption_rect(kept.index(), RECT{0, 0, 300, 25});
  SkinnedTestWindow bare(300, 120, {}, false, title);
  bare.record().show_title = 0;
  bare.record().caption_buttons.clear();
  bare.render();
  const std::vector<DWORD> restored = buffer_pixels(kept), expected = buffer_pixels(bare);
  ASSERT_EQ(restored.size(), expected.size());
  ASSERT_FALSE(expected.empty());
  EXPECT_TRUE(std::equal(restored.begin(), restored.begin() + 300 * 25, expected.begin()));
}

// Counts the position-changed messages the window region's rebuild sends.
int position_messages = 0;
LRESULT CALLBACK counting_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_WINDOWPOSCHANGED) ++position_messages;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

TEST_F(RenderCache, RegionIsRebuiltOnlyWhenWhatItIsMadeFromChanged) {
  struct Case {
    const char* name;
    std::function<void(SkinnedTestWindow&)> change;
    bool rebuilt;
  };
  const Case cases[] = {
      {"nothing", [](SkinnedTestWindow&) {}, false},
      {"theme", [](SkinnedTestWindow&) { skin::back_colour = RGB(1, 2, 3); }, false},
      {"size", [](SkinnedTestWindow& t) {
         SetWindowPos(t.hwnd(), nullptr, 0, 0, 260, 170, SWP_NOMOVE | SWP_NOZORDER |
                      SWP_NOACTIVATE);
       }, true},
      {"maximized", [](SkinnedTestWindow& t) { t.record().maximized = 1; }, true},
      {"restored", [](SkinnedTestWindow& t) {
         t.record().maximized = 1;
         t.render();
         t.record().maximized = 0;
       }, true},
      {"region removed", [](SkinnedTestWindow& t) { SetWindowRgn(t.hwnd(), nullptr, FALSE); },
       true},
      {"region replaced", [](SkinnedTestWindow& t) {
         SetWindowRgn(t.hwnd(), CreateRectRgn(0, 0, 50, 40), FALSE);
       }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SkinnedTestWindow window(200, 150);
    SetWindowLongPtrA(window.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting_proc));
    window.render();
    c.change(window);
    position_messages = 0;
    window.render();
    EXPECT_EQ(position_messages > 0, c.rebuilt);
    // Either way the window ends with the region of its present client area.
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window.hwnd(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, client.right - 1, client.bottom / 2));
    EXPECT_TRUE(PtInRegion(region, client.right / 2, client.bottom - 1));
    EXPECT_FALSE(PtInRegion(region, client.right + 1, client.bottom / 2));
    DeleteObject(region);
  }
}

TEST_F(RenderCache, KeptPicturesGoWithTheRecord) {
  auto round = [] {
    SkinnedTestWindow window(240, 140, {}, false, title);
    window.render();
    SetWindowTextA(window.hwnd(), "Other 其他");
    window.render();  // a new kept caption replaces the first
    window.render();
  };
  for (int k = 0; k < 3; ++k) round();
  const int settled = count_live_gdi_objects();
  for (int k = 0; k < 30; ++k) round();
  EXPECT_EQ(count_live_gdi_objects(), settled);
}

}  // namespace
