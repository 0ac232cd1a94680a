// Shared set-up of the skin tests (see skin_fixture.h).
#include "tests/skin/skin_fixture.h"

#include "draw/draw.h"
#include "skin/core/caption_button_set.h"
#include "skin/core/gdi_guards.h"
#include "runtime/services.h"

namespace skintest {

namespace {

const char* const window_class = "ZovraSkinTestWindow";

class SkinEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    token_ = gdiplus_start();
    ASSERT_NE(token_, 0u);
  }
  void TearDown() override { gdiplus_stop(token_); }

 private:
  ULONG_PTR token_ = 0;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new SkinEnvironment);

}  // namespace

void register_test_class(const char* name, UINT style) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassA(&wc);  // fails harmlessly when the class exists
}

skin::WindowSkin& the_skin() {
  static skin::WindowSkin skin_object;
  return skin_object;
}

void reset_skin_settings() {
  the_skin().frame_margin = 3;
  the_skin().hot_button = 0;
  skin::window_table.clear();
  skin::first_size_pending = true;
  skin::skin_controls = true;
  skin::control_alpha = 160;
  skin::theme_colour = skin::default_theme_colour;
  skin::trackbar_channel = 1;
  skin::back_colour = runtime::default_back_colour();
  skin::controls_transparent = false;
  skin::picture_mode = 0;
  skin::background_picture.clear();
}

SkinnedTestWindow::SkinnedTestWindow(int width, int height, ButtonSet buttons, bool visible,
                                     const char* title) {
  register_test_class(window_class);
  hwnd_ = CreateWindowExA(0, window_class, title, WS_POPUP | (visible ? WS_VISIBLE : 0), 40, 40,
                          width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  auto w = std::make_unique<skin::SkinnedWindow>();
  w->hwnd = hwnd_;
  w->has_help_button = buttons.help;
  w->has_menu_button = buttons.menu;
  w->has_min_button = buttons.min;
  w->has_max_button = buttons.max;
  skin::make_standard_caption_buttons(*w, the_skin().frame_margin);
  skin::window_table.push_back(std::move(w));
  the_skin().layout_caption_buttons(index());
}

SkinnedTestWindow::~SkinnedTestWindow() {
  if (int i = index()) skin::window_table.erase(skin::window_table.begin() + (i - 1));
  DestroyWindow(hwnd_);
}

COLORREF SkinnedTestWindow::pixel(int x, int y) const {
  GdiFlush();
  return GetPixel(record().back_buffer_dc, x, y);
}

COLORREF SkinnedTestWindow::screen_pixel(int x, int y) const {
  skin::ScopedGetDC dc(hwnd_);
  return GetPixel(dc.get(), x, y);
}

HWND make_child(HWND parent, int x, int y, int width, int height, const char* cls, DWORD style) {
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string make_picture(int width, int height, const std::vector<Fill>& fills, const char* format) {
  DrawBitmap bitmap;
  bitmap.Create(width, height);
  {
    DrawGraphics g;
    g.FromImage(bitmap);
    for (const Fill& f : fills) {
      DrawSolidBrush brush;
      brush.Create(f.argb);
      g.FillRectangle(brush, static_cast<float>(f.area.left), static_cast<float>(f.area.top),
                      static_cast<float>(f.area.right - f.area.left),
                      static_cast<float>(f.area.bottom - f.area.top));
    }
  }
  return bitmap.SaveToBytes(format ? format : gdip::ImageFormatPNG);
}

}  // namespace skintest
