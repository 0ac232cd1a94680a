// The window table lookups: a window's index, the skinned window a control lies
// in, and a container's list index.
#include <gtest/gtest.h>

#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinnedTestWindow;

class WindowTable : public ::testing::Test {
 protected:
  void SetUp() override { skintest::reset_skin_settings(); }
};

TEST_F(WindowTable, IndexesAreOneBasedInOrderOfSkinning) {
  SkinnedTestWindow first(200, 150), second(200, 150);
  EXPECT_EQ(skin::find_window_index(first.hwnd()), 1);
  EXPECT_EQ(skin::find_window_index(second.hwnd()), 2);
  EXPECT_EQ(skin::find_window_index(nullptr), 0);
  EXPECT_EQ(skin::find_window_index(GetDesktopWindow()), 0);
  EXPECT_EQ(skin::window_record(0), nullptr);
  EXPECT_EQ(skin::window_record(3), nullptr);
}

TEST_F(WindowTable, OwnerIndexWalksTheParentChain) {
  SkinnedTestWindow first(200, 150), second(300, 200);
  HWND panel = skintest::make_child(second.hwnd(), 10, 30, 100, 100);
  HWND inner = skintest::make_child(panel, 5, 5, 50, 50);
  SkinnedTestWindow unskinned_host(100, 100);
  HWND stray_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                      nullptr, nullptr);
  HWND stray = skintest::make_child(stray_parent, 0, 0, 10, 10);
  EXPECT_EQ(skin::owner_window_index(inner), 2);
  EXPECT_EQ(skin::owner_window_index(panel), 2);
  EXPECT_EQ(skin::owner_window_index(stray), 0);       // lies in no skinned window
  EXPECT_EQ(skin::owner_window_index(first.hwnd()), 0);  // a top-level window has no owner
  DestroyWindow(stray_parent);
}

TEST_F(WindowTable, ContainerIndexIsThePositionInTheList) {
  SkinnedTestWindow window(300, 200);
  HWND a = skintest::make_child(window.hwnd(), 10, 30, 100, 100);
  HWND b = skintest::make_child(window.hwnd(), 120, 30, 100, 100);
  for (HWND h : {a, b}) {
    auto c = std::make_unique<skin::ContainerRecord>();
    c->hwnd = h;
    window.record().container_list.push_back(std::move(c));
  }
  EXPECT_EQ(skin::find_container_index(window.index(), a), 1);
  EXPECT_EQ(skin::find_container_index(window.index(), b), 2);
  EXPECT_EQ(skin::find_container_index(window.index(), window.hwnd()), 0);
  EXPECT_EQ(skin::find_container_index(7, a), 0);  // no such window
}

}  // namespace

namespace {

int custom_presses = 0;
void count_custom_press() { ++custom_presses; }

TEST(WindowSkinObject, EntryPointsReachTheOneInstance) {
  skintest::reset_skin_settings();
  skin::WindowSkin& s = skintest::the_skin();
  EXPECT_EQ(skin::WindowSkin::instance(), &s);
  ASSERT_NE(s.window_proc_entry, nullptr);
  ASSERT_NE(s.button_action_entry, nullptr);
  EXPECT_EQ(s.button_action_entry_address, reinterpret_cast<UINT_PTR>(s.button_action_entry));

  SkinnedTestWindow window(200, 150);
  skin::CaptionButton custom;
  custom.kind = skin::kind_custom;
  custom.handler = count_custom_press;
  window.record().caption_buttons.insert(window.record().caption_buttons.begin(), custom);
  custom_presses = 0;
  s.button_action_entry(window.index(), 1);
  s.button_action_entry(window.index(), 0);   // outside the list: nothing
  s.button_action_entry(window.index(), 99);
  EXPECT_EQ(custom_presses, 1);
}

}  // namespace
