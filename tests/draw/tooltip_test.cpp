// ToolTipWindow: a tooltip over rectangles of an owner window, its texts and rectangles
// read back from the tooltip control. Uses the drawing layer's tooltip and GoogleTest.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "draw/tooltip_window.h"

namespace {

class Owner {
 public:
  Owner()
      : hwnd_(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {}
  ~Owner() { DestroyWindow(hwnd_); }
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TOOLINFOA info_of(HWND owner, UINT_PTR id, char* text = nullptr) {
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = owner;
  info.uId = id;
  info.lpszText = text;
  return info;
}

std::string tool_text(const ToolTipWindow& tip, HWND owner, UINT_PTR id) {
  char text[256] = {};
  TOOLINFOA info = info_of(owner, id, text);
  SendMessageA(tip.Window(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
  return text;
}

// The tool under a point of the owner's client area; 0 when none.
UINT_PTR tool_at(const ToolTipWindow& tip, HWND owner, int x, int y) {
  TTHITTESTINFOA hit = {};
  hit.hwnd = owner;
  hit.pt = {x, y};
  hit.ti.cbSize = TTTOOLINFOA_V1_SIZE;
  if (!SendMessageA(tip.Window(), TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit))) return 0;
  return hit.ti.uId;
}

struct Tool {
  UINT_PTR id;
  std::string text;
  RECT rect;
};

TEST(ToolTip, ToolsShowTheirTextOverTheirRectangles) {
  Owner owner;
  ASSERT_NE(owner.hwnd(), nullptr);
  ToolTipWindow tip;
  HWND window = tip.Create(owner.hwnd());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(tip.Window(), window);
  char class_name[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  EXPECT_EQ(lstrcmpiA(class_name, "tooltips_class32"), 0) << class_name;
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & TTS_ALWAYSTIP);
  EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & TTS_BALLOON);

  const std::vector<Tool> tools = {
      {1, "关闭", {260, 0, 300, 18}},
      {2, "最小化", {234, 0, 260, 18}},
      {7, "", {0, 0, 0, 0}},  // a custom button not laid out yet
  };
  for (const Tool& t : tools) EXPECT_TRUE(tip.AddTool(t.rect, t.text, t.id));
  EXPECT_EQ(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0), 3);
  for (const Tool& t : tools) {
    SCOPED_TRACE(t.text);
    EXPECT_EQ(tool_text(tip, owner.hwnd(), t.id), t.text);
    TOOLINFOA info = info_of(owner.hwnd(), t.id);
    ASSERT_TRUE(SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_TRUE(info.uFlags & TTF_SUBCLASS);
    EXPECT_TRUE(EqualRect(&info.rect, &t.rect));
  }
  EXPECT_EQ(tool_at(tip, owner.hwnd(), 280, 9), 1u);
  EXPECT_EQ(tool_at(tip, owner.hwnd(), 240, 9), 2u);
  EXPECT_EQ(tool_at(tip, owner.hwnd(), 100, 100), 0u);
}

TEST(ToolTip, RectangleAndTextChangeInPlace) {
  Owner owner;
  ToolTipWindow tip;
  ASSERT_NE(tip.Create(owner.hwnd()), nullptr);
  ASSERT_TRUE(tip.AddTool({0, 0, 0, 0}, "帮助", 4));
  EXPECT_EQ(tool_at(tip, owner.hwnd(), 50, 10), 0u);
  EXPECT_TRUE(tip.SetToolRect(4, {40, 0, 66, 18}));
  EXPECT_EQ(tool_at(tip, owner.hwnd(), 50, 10), 4u);
  EXPECT_TRUE(tip.UpdateText(4, "还原"));
  EXPECT_EQ(tool_text(tip, owner.hwnd(), 4), "还原");
  EXPECT_EQ(SendMessageA(tip.Window(), TTM_GETTOOLCOUNT, 0, 0), 1) << "no tool was added";
}

TEST(ToolTip, WindowLivesWithTheObject) {
  Owner owner;
  HWND first = nullptr;
  {
    ToolTipWindow tip;
    first = tip.Create(owner.hwnd(), true);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(first, GWL_STYLE) & TTS_BALLOON);
    ASSERT_TRUE(tip.AddTool({0, 0, 10, 10}, "x", 1));
    HWND second = tip.Create(owner.hwnd());
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first)) << "a new Create replaces the earlier window";
    EXPECT_EQ(SendMessageA(second, TTM_GETTOOLCOUNT, 0, 0), 0);
    first = second;
    ToolTipWindow moved(std::move(tip));
    EXPECT_EQ(tip.Window(), nullptr);
    EXPECT_EQ(moved.Window(), second);
  }
  EXPECT_FALSE(IsWindow(first));
}

TEST(ToolTip, BlankObjectDoesNothing) {
  ToolTipWindow tip;
  EXPECT_EQ(tip.Window(), nullptr);
  EXPECT_FALSE(tip.AddTool({0, 0, 1, 1}, "x", 1));
  EXPECT_FALSE(tip.SetToolRect(1, {0, 0, 1, 1}));
  EXPECT_FALSE(tip.UpdateText(1, "y"));
}

}  // namespace
