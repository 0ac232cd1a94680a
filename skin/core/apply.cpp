// Applying the skin to a top-level window: its SkinnedWindow record, caption
// buttons and tooltips, own picture, the attach routines, and subclassing last.
// Uses the skin's records, picture tools, attach routines and runtime/.
#include <algorithm>

#include "runtime/services.h"
#include "skin/controls/registration.h"
#include "skin/core/attach.h"
#include "skin/core/caption_button_set.h"
#include "skin/core/picture_tools.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

// The window's own background picture, prepared to blend into its average colour:
// mode 0 sits at the top left (right and bottom edges fade), mode 1 at the top
// right (left and bottom edges fade); other modes use the picture as it is.
void prepare_own_picture(SkinnedWindow& w, const Bytes& picture) {
  w.own_fill_colour = picture_average_colour(picture, 2000);
  if (w.own_picture_mode == 0)
    w.own_picture = fade_picture_edges(picture, {}, w.own_fill_colour, true);
  else if (w.own_picture_mode == 1)
    w.own_picture = fade_picture_edges(picture, {}, w.own_fill_colour, false);
  else
    w.own_picture = picture;
}

void add_caption_tooltips(SkinnedWindow& w) {
  w.tooltips.Create(w.hwnd);
  for (size_t k = 0; k < w.caption_buttons.size(); ++k) {
    const CaptionButton& b = w.caption_buttons[k];
    const int x = static_cast<int>(b.rect.x), y = static_cast<int>(b.rect.y);
    const RECT rect{x, y, x + static_cast<int>(b.rect.width), y + static_cast<int>(b.rect.height)};
    w.tooltips.AddTool(rect, b.tooltip, k + 1);
  }
}

}  // namespace

void WindowSkin::apply_to_window(HWND hwnd, std::optional<int> caption_height,
                                 std::optional<bool> caption_interaction,
                                 std::optional<bool> dblclick_maximizes,
                                 std::optional<bool> help_button, std::optional<bool> menu_button,
                                 std::optional<bool> show_title, std::optional<bool> caption_gloss,
                                 std::optional<int> status_height,
                                 std::optional<std::vector<StatusItem>> status_items,
                                 std::optional<Bytes> own_picture,
                                 std::optional<int> own_picture_mode) {
  if (!IsWindow(hwnd) || find_window_index(hwnd)) return;
  const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
  frame_margin = 3;

  auto record = std::make_unique<SkinnedWindow>();
  SkinnedWindow& w = *record;
  w.hwnd = hwnd;
  w.caption_height = std::max(caption_height.value_or(0), 25);
  w.has_help_button = help_button.value_or(false);
  w.has_menu_button = menu_button.value_or(false);
  w.has_min_button = (style & WS_MINIMIZEBOX) != 0;
  w.has_max_button = (style & WS_MAXIMIZEBOX) != 0;
  w.has_caption = caption_interaction.value_or(true);
  w.has_close_button = 1;
  w.dblclick_maximizes = dblclick_maximizes.value_or(true);
  w.show_title = show_title.value_or(true);
  w.caption_gloss = caption_gloss.value_or(false);
  w.own_picture_mode = own_picture_mode.value_or(picture_mode);
  w.min_track_width = 200;
  w.min_track_height = 150;
  const SIZE screen = runtime::screen_size();
  w.max_track_width = screen.cx;
  w.max_track_height = screen.cy;
  if (own_picture && !own_picture->empty()) prepare_own_picture(w, *own_picture);
  w.title_colour = 0xFFFFFF;
  w.title_halo_colour = 0x808080;
  w.title_font = "宋体";
  w.title_font_size = 12;
  w.title_bold = 1;
  make_standard_caption_buttons(w, frame_margin);

  SetWindowLongPtrA(hwnd, GWL_STYLE, style | WS_SYSMENU);
  window_table.push_back(std::move(record));
  const int index = static_cast<int>(window_table.size());
  add_caption_tooltips(w);
  layout_caption_buttons(index);

  // The status bar (its items, text style and layout) is laid out here once the
  // status bar routines exist; until then a requested bar is not made.
  (void)status_height;
  (void)status_items;

  attach_controls(index, hwnd);  // every control kind, in the fixed order

  w.needs_render = 1;
  // Subclassing comes last: no message reaches window_proc before the record,
  // its tooltips, its layout and its controls are ready.
  w.prev_wndproc = SetWindowLongPtrA(hwnd, GWLP_WNDPROC,
                                     reinterpret_cast<LONG_PTR>(window_proc_entry));
  set_prop_value(hwnd, prop_prev_proc, w.prev_wndproc);
  set_prop_value(hwnd, prop_list_index, index);
}

}  // namespace skin
