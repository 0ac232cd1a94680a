// The application's skin set-up, start to exit, on the real main window in-process.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/skin_setup.h"
#include "draw/draw.h"
#include "skin/core/window_skin.h"

namespace {

class SkinSetup : public testing::Test {
 protected:
  static void SetUpTestSuite() { runtime::initialise(); }
  void SetUp() override {
    app::create_skin_objects();
    app::initialise_skin_module();
    window = runtime::load_start_window(app::main_window_def());
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (app::main_window()) DestroyWindow(window->handle());
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    if (app::the_skin()) app::tear_down_skin();
  }
  runtime::Window* window = nullptr;
};

TEST_F(SkinSetup, StartValuesAndTheMainWindowsLook) {
  EXPECT_NE(skin::gdiplus_token, 0u);
  EXPECT_TRUE(skin::skin_controls);
  EXPECT_EQ(skin::theme_colour, COLORREF(0x00FF8800));
  EXPECT_EQ(skin::picture_mode, 3);
  EXPECT_EQ(skin::trackbar_channel, 1);
  EXPECT_TRUE(skin::controls_transparent) << "control alpha 0 given";
  EXPECT_FALSE(skin::background_picture.empty());
  // This test program carries no icon group, so no icon is loaded: nothing breaks.
  EXPECT_EQ(skin::app_icon, nullptr);
}

TEST_F(SkinSetup, SkinsTheMainWindowThenItsGroupBoxesInOrder) {
  ASSERT_EQ(skin::window_table.size(), 1u);
  skin::SkinnedWindow* record = skin::window_record(1);
  EXPECT_EQ(record->hwnd, window->handle());
  EXPECT_EQ(record->caption_height, 25);
  EXPECT_EQ(record->has_min_button, 1);
  EXPECT_EQ(record->has_max_button, 0) << "the window has no maximize box";
  EXPECT_EQ(record->has_help_button + record->has_menu_button, 0);
  EXPECT_EQ(app::the_skin()->find_maximize_button(1), 0);
  ASSERT_EQ(record->container_list.size(), 2u);
  EXPECT_EQ(record->container_list[0]->hwnd, window->control("分组框1"));
  EXPECT_EQ(record->container_list[1]->hwnd, window->control("分组框2"));
}

TEST_F(SkinSetup, ExitFreesThePageThenTheSkinThenTheTables) {
  app::page_text = std::string(1 << 20, 'p');
  DestroyWindow(window->handle());
  app::program_exit();
  EXPECT_EQ(app::page_text.capacity(), std::string().capacity()) << "the page is freed";
  EXPECT_EQ(app::the_skin(), nullptr);
  EXPECT_EQ(skin::gdiplus_token, 0u) << "GDI+ stopped by the skin's destruction";
  EXPECT_TRUE(skin::window_table.empty());
  EXPECT_TRUE(skin::memory_dcs.empty());
  EXPECT_TRUE(skin::background_picture.empty());
}

}  // namespace
