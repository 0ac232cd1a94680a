// Push-button painting: normal, hot, focus, pressed and disabled looks (hot wins
// over focus; pressed adds the inner gradient), the caption colour, the DC left
// as found, and nothing drawn outside a skinned window.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "skin/core/backdrop.h"
#include "skin/core/window_props.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

constexpr int W = 100, H = 30;

class PushButton : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = RGB(90, 90, 90);
    window_ = std::make_unique<SkinnedTestWindow>(240, 160);
    window_->record().has_caption = 0;
    window_->render();
    button_ = skintest::make_child(window_->hwnd(), 40, 60, W, H, "BUTTON", BS_OWNERDRAW);
    auto record = std::make_unique<skin::ButtonRecord>();
    record->hwnd = button_;
    record->text = "确定";
    record->font_name = "宋体";
    record->font_size = 12;
    window_->record().button_list.push_back(std::move(record));
    skin::set_prop_value(button_, skin::prop_owner_index, window_->index());
    skin::set_prop_value(button_, skin::prop_list_index, 1);
  }
  void TearDown() override { EXPECT_TRUE(skin::memory_dcs.empty()); }

  std::vector<COLORREF> paint(UINT state) {
    Canvas canvas(W, H);
    skin::paint_push_button(button_, canvas.dc(), state, RECT{0, 0, W, H});
    std::vector<COLORREF> pixels;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) pixels.push_back(canvas.pixel(x, y));
    return pixels;
  }
  static COLORREF at(const std::vector<COLORREF>& pixels, int x, int y) {
    return pixels[static_cast<size_t>(y * W + x)];
  }

  std::unique_ptr<SkinnedTestWindow> window_;
  HWND button_ = nullptr;
};

TEST_F(PushButton, StatesLookAsDesigned) {
  const COLORREF theme = skin::theme_colour;
  std::map<UINT, std::vector<COLORREF>> look;
  const UINT states[] = {0u, ODS_HOTLIGHT, ODS_FOCUS, ODS_HOTLIGHT | ODS_FOCUS, ODS_SELECTED,
                        ODS_SELECTED | ODS_HOTLIGHT, ODS_DISABLED};
  for (UINT state : states)
    look[state] = paint(state);

  EXPECT_TRUE(look[ODS_HOTLIGHT | ODS_FOCUS] == look[ODS_HOTLIGHT]);  // hot wins over focus
  EXPECT_FALSE(look[ODS_FOCUS] == look[0]);                           // the focus glow shows
  EXPECT_FALSE(look[ODS_FOCUS] == look[ODS_HOTLIGHT]);

  // The outline along the top edge: theme colour when hot, dark otherwise.
  EXPECT_TRUE(colour_matches(at(look[ODS_HOTLIGHT], 50, 0), theme, 6));
  EXPECT_TRUE(is_dark(at(look[0], 50, 0), 0x80));

  // Pressed adds the inner gradient, theme-tinted near the top, on either look.
  for (UINT base : {0u, static_cast<UINT>(ODS_HOTLIGHT)}) {
    const COLORREF plain = at(look[base], 50, 4), pressed = at(look[base | ODS_SELECTED], 50, 4);
    EXPECT_FALSE(colour_near(plain, pressed, 4)) << base;
    EXPECT_GT(GetBValue(pressed) - GetRValue(pressed), GetBValue(plain) - GetRValue(plain)) << base;
  }

  // Disabled: the opaque light grey body.
  EXPECT_TRUE(colour_matches(at(look[ODS_DISABLED], 10, 20), RGB(0xC0, 0xC0, 0xC0), 24));
}

TEST_F(PushButton, CaptionColourComesFromTheProperty) {
  auto dark_pixels = [&](const std::vector<COLORREF>& pixels) {
    int count = 0;
    for (int y = 5; y < 25; ++y)
      for (int x = 30; x < 70; ++x) count += is_dark(at(pixels, x, y), 0x40) ? 1 : 0;
    return count;
  };
  EXPECT_GT(dark_pixels(paint(0)), 10);  // no "Kj_Ztys": opaque black
  skin::set_prop_value(button_, skin::prop_text_colour, 0xFFFFFF);
  EXPECT_EQ(dark_pixels(paint(0)), 0);
}

TEST_F(PushButton, LeavesTheTargetDcAsFound) {
  Canvas canvas(W, H);
  const UINT kinds[] = {OBJ_BITMAP, OBJ_PEN, OBJ_BRUSH, OBJ_FONT};
  HGDIOBJ before[4];
  for (int k = 0; k < 4; ++k) before[k] = GetCurrentObject(canvas.dc(), kinds[k]);
  skin::paint_push_button(button_, canvas.dc(), ODS_FOCUS, RECT{0, 0, W, H});
  for (int k = 0; k < 4; ++k) EXPECT_EQ(GetCurrentObject(canvas.dc(), kinds[k]), before[k]);
  EXPECT_FALSE(colour_matches(canvas.pixel(50, 15), kMarkerColour, 0));  // it did paint
}

TEST_F(PushButton, NothingIsPaintedOutsideASkinnedWindow) {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                nullptr, nullptr);
  HWND stray = skintest::make_child(parent, 0, 0, W, H, "BUTTON", BS_OWNERDRAW);
  // Record properties that point into the table, but the button lies in no skinned window.
  skin::set_prop_value(stray, skin::prop_owner_index, window_->index());
  skin::set_prop_value(stray, skin::prop_list_index, 1);
  Canvas canvas(W, H);
  skin::paint_push_button(stray, canvas.dc(), 0, RECT{0, 0, W, H});
  EXPECT_TRUE(colour_matches(canvas.pixel(50, 15), kMarkerColour, 0));
  DestroyWindow(parent);
}

}  // namespace
