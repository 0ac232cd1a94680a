// The application's skin: a bright blue theme over a stretched background
// picture, a 25-pixel caption, and the two group boxes as containers.
#include "app/skin_setup.h"

#include <memory>

#include "app/background_picture.h"
#include "app/main_window.h"
#include "draw/draw.h"
#include "runtime/services.h"
#include "skin/core/backdrop.h"
#include "skin/core/window_skin.h"

namespace app {
namespace {

std::unique_ptr<skin::WindowSkin> skin_object;

constexpr COLORREF kThemeColour = 0x00FF8800;  // a bright blue
constexpr int kStretched = 3;
constexpr int kIconResource = 129;

}  // namespace

skin::WindowSkin* the_skin() { return skin_object.get(); }

void create_skin_objects() {
  skin_object = std::make_unique<skin::WindowSkin>();
  skin::window_table.clear();
  skin::memory_dcs.clear();
}

void initialise_skin_module() {
  skin::gdiplus_token = gdiplus_start();
  HMODULE module = GetModuleHandleA(nullptr);
  skin::app_icon = LoadIconA(module, MAKEINTRESOURCEA(kIconResource));
  if (!skin::app_icon) skin::app_icon = LoadIconA(module, "DEFAULT_ICON");
  skin::first_size_pending = true;
  skin::skin_controls = true;
  skin::control_alpha = 160;
  skin::theme_colour = skin::default_theme_colour;
  skin::trackbar_channel = 1;
}

void main_window_created() {
  runtime::Window* window = main_window();
  if (!skin_object || !window) return;
  skin_object->set_theme(std::nullopt, background_picture(), COLORREF(0), kThemeColour,
                         kStretched);
  // Alpha 0 makes the controls' veil fully transparent.
  skin_object->set_control_options(1, 0, std::nullopt);
  skin_object->apply_to_window(window->handle(), 25, true, true, false, false, true, false);
  for (const char* group_box : {"分组框1", "分组框2"})
    skin_object->skin_group_box(window->control(group_box), 1, runtime::default_back_colour(),
                                0);
}

void tear_down_skin() {
  skin_object.reset();  // destroys the icon and stops GDI+
  skin::window_table.clear();
  // Backdrops still handed out at exit are released with their table.
  while (!skin::memory_dcs.empty()) {
    HDC dc = skin::memory_dcs.back().dc;
    if (!skin::release_backdrop(dc)) skin::memory_dcs.pop_back();
  }
  skin::background_picture.clear();
}

}  // namespace app
