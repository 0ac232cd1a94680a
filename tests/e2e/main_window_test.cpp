// The main window as a user meets it: title, frame, place, controls, fixed size, exit.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "tests/e2e/app_driver.h"

namespace {

struct ExpectedControl {
  const char* window_class;
  const char* parent;  // nullptr: the main window; else the group box's title
  RECT rect;           // left, top, right, bottom in the parent's client area
  const char* text;
  DWORD style_bits;    // must all be set
};

constexpr DWORD kSingle = WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kMulti = WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

const ExpectedControl kControls[] = {
    {"Static", nullptr, {8, 34, 88, 58}, "Zovra播放地址：", 0},
    {"Edit", nullptr, {88, 34, 392, 60}, "", kSingle},
    {"Button", nullptr, {431, 33, 495, 60}, "粘贴", 0},
    {"Static", nullptr, {9, 70, 81, 94}, "下载地址：", 0},
    {"Edit", nullptr, {88, 71, 392, 98}, "", kMulti},
    {"Button", nullptr, {395, 70, 435, 97}, "播放", 0},
    {"Button", nullptr, {441, 70, 497, 97}, "下载", 0},
    {"Button", nullptr, {8, 106, 200, 330}, "作品ID头像", BS_GROUPBOX},
    {"ZovraPictureBox", "作品ID头像", {8, 16, 184, 216}, "", 0},
    {"Button", nullptr, {204, 106, 496, 330}, "作品人", BS_GROUPBOX},
    {"Edit", "作品人", {4, 16, 180, 40}, "", kSingle},
    {"Edit", nullptr, {208, 162, 384, 282}, "", kMulti},
};

class MainWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app.started()) << "no main window appeared"; }

  SIZE size() const {
    RECT r;
    GetWindowRect(app.main_window(), &r);
    return {r.right - r.left, r.bottom - r.top};
  }

  HWND group_box(const char* title) const {
    for (const ExpectedControl& c : kControls)
      if ((c.style_bits & BS_GROUPBOX) == BS_GROUPBOX && std::string(c.text) == title)
        return app.find_child(app.main_window(), "Button", c.rect);
    return nullptr;
  }

  ZovraProcess app;
};

TEST_F(MainWindow, HasItsTitleFrameAndCentredPlace) {
  HWND w = app.main_window();
  EXPECT_EQ(window_text(w), app::kMainTitle);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 504) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 339) / 2);
  EXPECT_EQ(size().cx, 504);
  EXPECT_EQ(size().cy, 339);
  LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_CAPTION) << "the system draws no caption";
  EXPECT_FALSE(style & WS_THICKFRAME) << "the system draws no frame";
  EXPECT_TRUE(IsWindowVisible(w));
}

TEST_F(MainWindow, HoldsEveryControlAtItsPlace) {
  for (const ExpectedControl& c : kControls) {
    SCOPED_TRACE(c.text[0] ? c.text : c.window_class);
    HWND parent = c.parent ? group_box(c.parent) : app.main_window();
    ASSERT_NE(parent, nullptr);
    HWND control = app.find_child(parent, c.window_class, c.rect);
    ASSERT_NE(control, nullptr) << "missing at " << c.rect.left << "," << c.rect.top;
    EXPECT_EQ(window_text(control), c.text);
    EXPECT_EQ(DWORD(GetWindowLongPtrA(control, GWL_STYLE)) & c.style_bits, c.style_bits);
    EXPECT_TRUE(IsWindowVisible(control));
    if (lstrcmpiA(c.window_class, "Edit") == 0) {
      RECT client;
      GetClientRect(control, &client);
      EXPECT_EQ(client.right, c.rect.right - c.rect.left - 2) << "a one-pixel frame";
      EXPECT_GE(DWORD(SendMessageA(control, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu)
          << "no length limit";
      EXPECT_FALSE(GetWindowLongPtrA(control, GWL_STYLE) & (ES_READONLY | ES_PASSWORD));
      EXPECT_FALSE(GetWindowLongPtrA(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
    }
  }
}

TEST_F(MainWindow, EditBoxesTakeLongTexts) {
  HWND edit = app.find_child(app.main_window(), "Edit", {88, 34, 392, 60});
  ASSERT_NE(edit, nullptr);
  std::string long_text(100000, 'x');
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(long_text.c_str()));
  EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), LRESULT(long_text.size()));
}

TEST_F(MainWindow, KeepsItsSizeWhateverResizesIt) {
  struct Case {
    const char* how;
    void (*resize)(HWND);
  };
  const Case cases[] = {
      {"SetWindowPos", [](HWND w) { SetWindowPos(w, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER); }},
      {"MoveWindow smaller", [](HWND w) { MoveWindow(w, 10, 10, 100, 80, TRUE); }},
      {"maximize command", [](HWND w) { SendMessageA(w, WM_SYSCOMMAND, SC_MAXIMIZE, 0); }},
      {"ShowWindow maximize", [](HWND w) { ShowWindow(w, SW_MAXIMIZE); }},
      {"restore", [](HWND w) { ShowWindow(w, SW_RESTORE); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    c.resize(app.main_window());
    EXPECT_EQ(size().cx, 504);
    EXPECT_EQ(size().cy, 339);
  }
}

TEST_F(MainWindow, ClosingEndsTheProcessCleanly) {
  EXPECT_TRUE(app.close_and_wait());
}

}  // namespace
