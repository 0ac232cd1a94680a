// Theme and control options: what set_theme changes for each combination of
// arguments, the refresh of visible windows, set_control_options defaults, and
// where set_control_text_colour puts the colour.
#include <gtest/gtest.h>

#include <cstdio>

#include "skin/core/window_props.h"
#include "tests/kit/pixels.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

constexpr COLORREF start_back = RGB(1, 2, 3);
constexpr COLORREF picture_colour = RGB(10, 20, 30);
constexpr COLORREF average = 0xFF000000 | picture_colour;

class Theme : public ::testing::Test {
 protected:
  void SetUp() override {
    skintest::reset_skin_settings();
    skin::back_colour = start_back;
    skin::picture_mode = 3;
    skin::background_picture = "old";
    picture_ = skintest::make_picture(40, 20, {{{0, 0, 40, 20}, 0xFF0A141E}});
  }
  std::string picture_;
};

// The colour of a pixel of an encoded picture.
COLORREF picture_pixel(const std::string& bytes, int x, int y) {
  DrawBitmap bitmap;
  bitmap.FromBytes(bytes);
  const DWORD argb = bitmap.GetPixel(x, y);
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

TEST_F(Theme, SetThemeChangesWhatItsArgumentsSay) {
  struct Case {
    const char* name;
    bool with_picture;
    std::optional<COLORREF> back, theme;
    std::optional<int> mode;
    COLORREF expected_back, expected_theme;
    int expected_mode;
    const char* expected_picture;  // "old", "same" (the bytes given), "none", "png"
  };
  const Case cases[] = {
      {"theme colour only", false, {}, 0x123456, {}, start_back, 0x123456, 3, "old"},
      {"nothing: the default theme colour", false, {}, {}, {}, start_back,
       skin::default_theme_colour, 3, "old"},
      {"theme -1 and a picture: both the average", true, {}, CLR_INVALID, {}, average, average,
       4, "same"},
      {"picture with back colour and mode", true, 0x00FF00, {}, 2, 0x00FF00,
       skin::default_theme_colour, 2, "same"},
      {"back colour, no picture", false, 0x0000FF, {}, {}, 0x0000FF, skin::default_theme_colour,
       3, "none"},
      {"back colour with theme -1", false, 0x0000FF, CLR_INVALID, 1, 0x0000FF, 0x0000FF, 3,
       "none"},
      {"mode 0 fades the right edge", true, 0xFFFFFF, {}, 0, 0xFFFFFF, skin::default_theme_colour,
       0, "png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    skintest::the_skin().set_theme({}, c.with_picture ? std::optional<std::string>(picture_)
                                                      : std::nullopt,
                                   c.back, c.theme, c.mode);
    EXPECT_EQ(skin::back_colour, c.expected_back);
    EXPECT_EQ(skin::theme_colour, c.expected_theme);
    EXPECT_EQ(skin::picture_mode, c.expected_mode);
    const std::string expected = c.expected_picture;
    if (expected == "old") {
      EXPECT_EQ(skin::background_picture, "old");
    } else if (expected == "same") {
      EXPECT_EQ(skin::background_picture, picture_);
    } else if (expected == "none") {
      EXPECT_TRUE(skin::background_picture.empty());
    } else {
      EXPECT_EQ(skin::background_picture.compare(0, 4, "\x89PNG"), 0);
      EXPECT_TRUE(colour_matches(picture_pixel(skin::background_picture, 2, 2), picture_colour, 3));
      EXPECT_TRUE(colour_matches(picture_pixel(skin::background_picture, 39, 2), 0xFFFFFF, 32));
    }
  }
}

TEST_F(Theme, FileNameLoadsThePictureAndModeOneFadesTheLeftEdge) {
  char path[MAX_PATH], dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  GetTempFileNameA(dir, "zsk", 0, path);
  const std::string wide = skintest::make_picture(100, 60, {{{0, 0, 100, 60}, 0xFFC8C8C8}});
  FILE* f = std::fopen(path, "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(wide.data(), 1, wide.size(), f);
  std::fclose(f);

  skintest::the_skin().set_theme(std::string(path), {}, RGB(0, 0, 255), {}, 1);
  EXPECT_EQ(skin::picture_mode, 1);
  ASSERT_EQ(skin::background_picture.compare(0, 4, "\x89PNG"), 0);
  EXPECT_TRUE(colour_matches(picture_pixel(skin::background_picture, 0, 10), RGB(0, 0, 255), 12));
  EXPECT_TRUE(colour_matches(picture_pixel(skin::background_picture, 99, 10), RGB(200, 200, 200), 3));
  EXPECT_TRUE(colour_matches(picture_pixel(skin::background_picture, 99, 59), RGB(0, 0, 255), 12));

  skintest::the_skin().set_theme(std::string(path), {}, {}, {}, 3);  // unchanged, as PNG
  EXPECT_EQ(skin::background_picture.compare(0, 4, "\x89PNG"), 0);
  EXPECT_TRUE(colour_matches(picture_pixel(skin::background_picture, 0, 10), RGB(200, 200, 200), 3));
  EXPECT_EQ(skin::back_colour, 0xFF000000 | RGB(200, 200, 200));
  DeleteFileA(path);
}

TEST_F(Theme, VisibleWindowsAreRenderedAgainOnlyWhenThePictureOrBackChanges) {
  SkinnedTestWindow shown(200, 150, {}, true), hidden(200, 150, {}, false);
  shown.record().needs_render = hidden.record().needs_render = 1;
  skintest::the_skin().set_theme({}, {}, {}, 0x00FF00, {});  // theme colour only
  EXPECT_EQ(shown.record().needs_render, 1);
  EXPECT_EQ(shown.record().back_buffer_dc, nullptr);

  skintest::the_skin().set_theme({}, {}, RGB(200, 30, 30), {}, {});
  EXPECT_EQ(shown.record().needs_render, 0);
  ASSERT_NE(shown.record().back_buffer_dc, nullptr);
  EXPECT_TRUE(colour_matches(shown.pixel(100, 100), RGB(200, 30, 30), 4));
  EXPECT_EQ(hidden.record().needs_render, 1);
  EXPECT_EQ(hidden.record().back_buffer_dc, nullptr);
}

TEST_F(Theme, ControlOptionsDefaults) {
  struct Case {
    int skin;
    std::optional<int> alpha, channel;
    bool skin_controls;
    int control_alpha;
    bool transparent;
    int trackbar_channel;
  };
  const Case cases[] = {
      {1, {}, {}, true, 160, false, 1},
      {1, 0, {}, true, 0, true, 1},
      {0, 200, 0, false, 200, true, 0},
      {1, {}, 0, true, 160, false, 0},
  };
  for (const Case& c : cases) {
    skintest::the_skin().set_control_options(c.skin, c.alpha, c.channel);
    EXPECT_EQ(skin::skin_controls, c.skin_controls);
    EXPECT_EQ(skin::control_alpha, c.control_alpha);
    EXPECT_EQ(skin::controls_transparent, c.transparent);
    EXPECT_EQ(skin::trackbar_channel, c.trackbar_channel);
  }
  EXPECT_EQ(skintest::the_skin().get_back_colour(), skin::back_colour);
}

TEST_F(Theme, TextColourGoesOnTheControlOrTheComboBoxEdit) {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                nullptr, nullptr);
  HWND edit = skintest::make_child(parent, 0, 0, 100, 20, "EDIT");
  HWND combo = skintest::make_child(parent, 0, 30, 100, 200, "COMBOBOX", CBS_DROPDOWN);
  HWND list_only = skintest::make_child(parent, 0, 60, 100, 200, "COMBOBOX", CBS_DROPDOWNLIST);
  HWND combo_edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(combo_edit, nullptr);
  skin::WindowSkin& s = skintest::the_skin();
  s.set_control_text_colour(edit, 0x112233);
  s.set_control_text_colour(combo, 0x445566);
  s.set_control_text_colour(list_only, 0x778899);
  s.set_control_text_colour(nullptr, 0x778899);
  EXPECT_EQ(skin::get_prop_value(edit, skin::prop_text_colour), 0x112233);
  EXPECT_EQ(skin::get_prop_value(combo_edit, skin::prop_text_colour), 0x445566);
  EXPECT_EQ(GetPropA(combo, skin::prop_text_colour), nullptr);
  EXPECT_EQ(GetPropA(list_only, skin::prop_text_colour), nullptr);
  for (HWND child = GetWindow(list_only, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    EXPECT_EQ(GetPropA(child, skin::prop_text_colour), nullptr);
  DestroyWindow(parent);
}

}  // namespace
