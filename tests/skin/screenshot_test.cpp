// A skinned window as the application shows it (its background picture, the blue
// theme) with every caption button, one of them hovered, saved as a PNG for
// review: to the path in ZOVRA_SKIN_SCREENSHOT, else to the temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/background_picture.h"
#include "tests/kit/pixels.h"
#include "tests/kit/window_shot.h"
#include "tests/skin/skin_fixture.h"

namespace {

void pump_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

TEST(Screenshot, SkinnedWindowWithEveryCaptionButton) {
  skintest::reset_skin_settings();
  skin::WindowSkin& s = skintest::the_skin();
  s.set_theme({}, app::background_picture(), 0, 0x00FF8800, 3);
  skintest::SkinnedTestWindow window(504, 339, {true, true, true, true}, true, "Zovra 皮肤演示");
  pump_messages();
  s.render_window(window.index(), nullptr, 1);
  s.draw_caption_button(window.index(), 3, nullptr, 0, 240);  // the minimize button, hovered
  pump_messages();

  // The white pictograms reach the screen: the centre of the close button's X.
  const skin::CaptionButton& close = window.record().caption_buttons.back();
  const int cx = static_cast<int>(close.rect.x - 1) + 19, cy = window.record().strip_y + 1 + 9;
  EXPECT_GT(GetGValue(window.screen_pixel(cx, cy)), 220) << colour_text(window.screen_pixel(cx, cy));

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const char* wanted = std::getenv("ZOVRA_SKIN_SCREENSHOT");
  const std::string path = wanted ? wanted : std::string(temp) + "skin_screenshot.png";
  EXPECT_TRUE(save_window_png(window.hwnd(), path)) << path;
}

}  // namespace
