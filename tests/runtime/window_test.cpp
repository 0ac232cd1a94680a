// Windows built from definitions: events, control services, pictures, size.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/picture_box.h"
#include "runtime/window.h"
#include "tests/kit/test_pictures.h"

const runtime::WindowDef& test_def_ref();

namespace {

struct Recorder {
  std::vector<std::string> events;
  bool visible_at_creation = true;
};
Recorder recorder;

runtime::WindowDef test_def() {
  using namespace runtime;
  WindowDef def;
  def.title = "运行时测试窗口";
  def.width = 300;
  def.height = 200;
  def.border = Border::none;
  def.controls = {
      {kEditBox, "编辑框1", "", 5, 5, 200, 24, "初始", WS_BORDER | ES_AUTOHSCROLL},
      {kButton, "按钮1", "", 210, 5, 60, 24, "按", 0},
      {kGroupBox, "分组框1", "", 5, 40, 200, 150, "组", 0},
      {kPictureBox, "图片框1", "分组框1", 8, 16, 176, 120, "", 0},
      {kButton, "按钮2", "分组框1", 8, 140, 40, 8, "内", 0},
      {"没有这种", "怪1", "", 0, 0, 10, 10, "", 0},
  };
  def.created = [] {
    recorder.events.push_back("created");
    recorder.visible_at_creation = IsWindowVisible(FindWindowA(nullptr, "运行时测试窗口"));
  };
  def.size_changed = [] {
    recorder.events.push_back("size");
    if (auto* w = runtime::window_of(test_def_ref())) w->set_size(300, 200);
  };
  def.clicks = {{"按钮1", [] { recorder.events.push_back("click"); }}};
  return def;
}

class RuntimeWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() { runtime::initialise(); }
  void SetUp() override {
    recorder = {};
    window = runtime::load_start_window(test_def_ref());
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (runtime::window_of(test_def_ref())) DestroyWindow(window->handle());
    MSG msg;  // the last window's end posts a quit message
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
  }
  runtime::Window* window = nullptr;
};

}  // namespace

const runtime::WindowDef& test_def_ref() {
  static const runtime::WindowDef def = test_def();
  return def;
}

namespace {

TEST_F(RuntimeWindow, CreatedEventRunsOnceBeforeTheWindowShows) {
  ASSERT_FALSE(recorder.events.empty());
  EXPECT_EQ(recorder.events.front(), "created");
  EXPECT_FALSE(recorder.visible_at_creation);
  EXPECT_TRUE(IsWindowVisible(window->handle()));
}

TEST_F(RuntimeWindow, UnknownKindsAreSkippedAndKnownOnesFound) {
  EXPECT_EQ(window->control("怪1"), nullptr);
  EXPECT_NE(window->control("按钮2"), nullptr);
  EXPECT_EQ(GetParent(window->control("按钮2")), window->control("分组框1"));
}

TEST_F(RuntimeWindow, ControlTextReadsAndWrites) {
  EXPECT_EQ(window->text("编辑框1"), "初始");
  window->set_text("编辑框1", "");
  EXPECT_EQ(window->text("编辑框1"), "");
  window->set_text("编辑框1", "https://例子.cn/a?b=1");
  EXPECT_EQ(window->text("编辑框1"), "https://例子.cn/a?b=1");
  EXPECT_EQ(window->text("没有"), "");
}

TEST_F(RuntimeWindow, ClickRunsTheBoundHandlerOnly) {
  SendMessageA(window->control("按钮1"), BM_CLICK, 0, 0);
  SendMessageA(window->control("按钮2"), BM_CLICK, 0, 0);  // bound to nothing
  EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "click"), 1);
}

TEST_F(RuntimeWindow, SizeChangedRunsAfterEachChangeWithoutLooping) {
  recorder.events.clear();
  SetWindowPos(window->handle(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  GetWindowRect(window->handle(), &r);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
  EXPECT_EQ(std::count(recorder.events.begin(), recorder.events.end(), "size"), 1);
}

TEST_F(RuntimeWindow, PictureIsShownPlacedAndClearedByEmptyBytes) {
  HWND box = window->control("图片框1");
  std::string red = make_test_picture(88, 60, RGB(255, 0, 0));
  ASSERT_FALSE(red.empty());
  window->set_picture("图片框1", red);
  EXPECT_EQ(runtime::picture_box_picture_size(box).cx, 88);
  UpdateWindow(box);
  HDC dc = GetDC(box);
  // Centred: (176-88)/2 = 44, (120-60)/2 = 30.
  EXPECT_EQ(GetPixel(dc, 44 + 44, 30 + 30), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(dc, 43, 29), RGB(255, 0, 0));
  ReleaseDC(box, dc);

  window->set_picture("图片框1", "");
  EXPECT_EQ(runtime::picture_box_picture_size(box).cx, 0);
  window->set_picture("图片框1", red);
  window->set_picture("图片框1", "not a picture at all");
  EXPECT_EQ(runtime::picture_box_picture_size(box).cx, 0);
  UpdateWindow(box);
  dc = GetDC(box);
  EXPECT_EQ(GetPixel(dc, 88, 60), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(box, dc);
}

TEST_F(RuntimeWindow, LargePictureIsScaledDownInTheBox) {
  HWND box = window->control("图片框1");
  window->set_picture("图片框1", make_test_picture(352, 120, RGB(0, 0, 255), L"image/jpeg"));
  EXPECT_EQ(runtime::picture_box_picture_size(box).cx, 352);
  UpdateWindow(box);
  HDC dc = GetDC(box);
  // 352 x 120 at half size is 176 x 60, at top (120-60)/2 = 30.
  COLORREF inside = GetPixel(dc, 88, 60), above = GetPixel(dc, 88, 20);
  ReleaseDC(box, dc);
  EXPECT_GT(GetBValue(inside), 200);
  EXPECT_LT(GetRValue(inside), 60);
  EXPECT_EQ(above, GetSysColor(COLOR_BTNFACE));
}

}  // namespace
