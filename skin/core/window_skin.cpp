// The WindowSkin object's life: the skin-wide settings with their start values,
// construction with the two native entry points, destruction. Uses draw/ and runtime/.
#include "skin/core/window_skin.h"

#include "runtime/services.h"

namespace skin {

ULONG_PTR gdiplus_token = 0;
HICON app_icon = nullptr;
bool first_size_pending = true;
bool skin_controls = true;
int control_alpha = 160;
COLORREF theme_colour = default_theme_colour;
int trackbar_channel = 1;
COLORREF back_colour = 0;
WindowTable window_table;
bool controls_transparent = false;
std::vector<MemoryDcEntry> memory_dcs;
int picture_mode = 0;
Bytes background_picture;

namespace {

WindowSkin* the_instance = nullptr;

// The platform calls plain functions; these reach the single instance.
LRESULT CALLBACK window_proc_trampoline(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!the_instance) return DefWindowProcA(hwnd, message, wparam, lparam);
  return the_instance->window_proc(hwnd, message, wparam, lparam);
}

void button_action_trampoline(int window_index, int button_index) {
  if (the_instance) the_instance->caption_button_action(window_index, button_index);
}

}  // namespace

WindowSkin* WindowSkin::instance() { return the_instance; }

WindowSkin::WindowSkin() {
  window_proc_entry = window_proc_trampoline;
  button_action_entry = button_action_trampoline;
  button_action_entry_address = reinterpret_cast<UINT_PTR>(button_action_entry);
  back_colour = runtime::default_back_colour();
  the_instance = this;
}

WindowSkin::~WindowSkin() {
  if (app_icon) DestroyIcon(app_icon);
  app_icon = nullptr;
  // A zero token stops nothing: GDI+ started by someone else stays up.
  if (gdiplus_token) gdiplus_stop(gdiplus_token);
  gdiplus_token = 0;
  window_proc_entry = nullptr;
  button_action_entry = nullptr;
  button_action_entry_address = 0;
  if (the_instance == this) the_instance = nullptr;
}

COLORREF WindowSkin::get_back_colour() const { return back_colour; }

}  // namespace skin
