// Shared set-up of the skin tests: GDI+ and the one WindowSkin for the program,
// plain test windows with a SkinnedWindow record built directly, test pictures
// and back-buffer pixel reads. Uses the skin, draw/ and the test kit.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/core/window_skin.h"

namespace skintest {

// Registers a plain window class for test windows (DefWindowProcA, arrow
// cursor); registering a name again does nothing.
void register_test_class(const char* name, UINT style = 0);

// The skin object of the test program (GDI+ started before it).
skin::WindowSkin& the_skin();

// Puts every skin-wide setting back to its start value and empties window_table.
void reset_skin_settings();

struct ButtonSet {
  bool help = false, menu = false, min = true, max = true;
};

// A popup window (client = window rectangle) of the given size, destroyed with the
// object, with a SkinnedWindow record in window_table holding the standard buttons.
class SkinnedTestWindow {
 public:
  SkinnedTestWindow(int width, int height, ButtonSet buttons = {}, bool visible = false,
                    const char* title = "测试窗口");
  ~SkinnedTestWindow();
  SkinnedTestWindow(const SkinnedTestWindow&) = delete;
  SkinnedTestWindow& operator=(const SkinnedTestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  int index() const { return skin::find_window_index(hwnd_); }
  skin::SkinnedWindow& record() const { return *skin::window_record(index()); }
  void render() { the_skin().render_window(index(), nullptr, 0); }
  // A back-buffer pixel (no alpha byte).
  COLORREF pixel(int x, int y) const;
  // A pixel of the window as it is on the screen.
  COLORREF screen_pixel(int x, int y) const;

 private:
  HWND hwnd_ = nullptr;
};

// A plain child window of `parent` at (x, y, width, height) in its client area.
HWND make_child(HWND parent, int x, int y, int width, int height, const char* cls = "STATIC",
                DWORD style = 0);

struct Fill {
  RECT area;
  DWORD argb;
};
// PNG bytes of a width x height picture: transparent, then the rectangles filled in order.
std::string make_picture(int width, int height, const std::vector<Fill>& fills,
                         const char* format = nullptr);

}  // namespace skintest
