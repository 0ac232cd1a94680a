// The records of the window skin: SkinnedWindow with its caption buttons and fade
// state, and the per-kind control, container, transparent-control and status records.
// Uses the drawing layer (ToolTipWindow) and the platform only.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>

#include "draw/draw.h"

namespace skin {

using Bytes = std::string;  // an encoded picture or other byte buffer

// Owned records held by pointer: an index into one of these lists is 1-based
// (record n lives at position n - 1). Lists start empty; the first record
// added gets index 1.
template <typename Record>
using RecordList = std::vector<std::unique_ptr<Record>>;

// Record n (1-based) of a list, or null when n is outside it.
template <typename Record>
Record* record_at(const RecordList<Record>& list, int n) {
  if (n < 1 || n > static_cast<int>(list.size())) return nullptr;
  return list[static_cast<size_t>(n - 1)].get();
}

enum CaptionButtonKind : int {
  kind_close = 0, kind_maximize = 1, kind_minimize = 2,
  kind_main_menu = 3, kind_help = 4, kind_custom = 5,
};

struct CaptionRect { float x = 0, y = 0, width = 0, height = 0; };

struct CaptionButton {
  int width = 0;              // 26, the close button 38
  int height = 0;             // 18
  Bytes picture;              // encoded 32-bit RGBA PNG
  Bytes second_picture;       // maximize button: shown while the window is maximized
  int kind = kind_close;
  std::string tooltip;
  void (*handler)() = nullptr;  // run by a custom button
  CaptionRect rect;           // client coordinates, set by layout_caption_buttons
};

struct FadeState {
  int button = 0;  // 1-based caption button, 0 none
  int step = 0;    // 0..8
};

struct ButtonRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int kind = 0;  // 0 push button, 1 image button, 3 state image button, 4 radio, 5 check box
  Bytes pictures[5];
  int picture_value = 0;
  std::string text;
  int focused = 0;
  int checked = 0;
  HWND container = nullptr;
  ToolTipWindow tooltip;
  std::string font_name;
  int font_size = 0;
  int font_style = 0;
};

struct EditRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int focused = 0, hot = 0, mouse_down = 0;
};

struct FramedControlRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int focused = 0, hot = 0, key_down = 0;
};

struct TrackbarRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int vertical = 0, tick_side = 0, hot = 0, selection = 0;
};

struct ProgressRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int vertical = 0;
};

struct ComboRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int focused = 0;
};

struct UpDownRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int hot = 0, hot_part = 0, pressed = 0, horizontal = 0;
  LPARAM last_mouse = 0;
};

struct HeaderRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  int hot = 0, hot_item = 0, lit_item = 0, buttons = 0, pressed_item = 0, pressed = 0;
  std::string font_name;
  int font_style = 0, font_size = 0;
  HIMAGELIST image_list = nullptr;
};

struct DockedChild {
  HWND hwnd = nullptr;
  int top = 0;
};

struct ContainerRecord {
  HWND hwnd = nullptr;
  COLORREF tint_colour = 0;  // 0 = no tint
  int tint_alpha = 255;
  int draw_frame = 0;
  LONG_PTR old_proc = 0;
  int needs_paint = 0;
  int is_group_box = 0;
  int skin_painting = 1;
  std::string font_name;
  int font_size = 0, font_style = 0;
  std::vector<DockedChild> docked;
};

struct TransparentRecord {
  HWND hwnd = nullptr;
  LONG_PTR old_proc = 0;
  COLORREF colour_key = 0;
};

struct StatusItem {
  int width = 0;  // -1: the item takes the rest of the bar
  std::string text;
  Bytes picture;
  COLORREF colour = 0;
};

struct StatusRect { int x = 0, y = 0, width = 0, height = 0; };

// render_window's copy of a window's background and border layers, reused while
// nothing they are drawn from has changed: scaling a picture through GDI+ costs
// far more than copying the finished layers.
struct LayerCache {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr, old_bitmap = nullptr;
  int width = 0, height = 0, mode = 0, gloss = 0, caption_height = 0, border = 0;
  COLORREF fill = 0;
  Bytes picture;
  int generation = 0;  // counts redraws, so later layers can tell which ones they lie on
};

// Releases a backdrop copy: selects its first bitmap back, deletes DC and bitmap,
// and zeroes the three handles.
void release_copy_dc(HDC& dc, HBITMAP& old_bitmap, HBITMAP& bitmap);

// render_window's copy of the finished caption (icon, haloed title and caption
// buttons over the layers), reused while nothing it is drawn from has changed:
// five GDI+ text draws cost several times a copy of the whole window.
struct CaptionCache {
  CaptionCache() = default;
  CaptionCache(const CaptionCache&) = delete;
  CaptionCache& operator=(const CaptionCache&) = delete;
  ~CaptionCache() { release_copy_dc(dc, old_bitmap, bitmap); }

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr, old_bitmap = nullptr;
  int layers = 0;  // the LayerCache generation it was drawn over
  int show_title = 0, margin = 0, strip_width = 0, strip_y = 0, strip_height = 0;
  int maximized = 0;
  std::string title, font;
  int font_size = 0, bold = 0;
  COLORREF colour = 0, halo = 0;
  HICON icon = nullptr;
  std::vector<CaptionButton> buttons;
};

// The window region render_window last applied and what it was made from.
struct RegionMemo {
  int width = -1, height = -1, maximized = 0;
  RECT box{};
};

// One skinned top-level window. Owned by window_table from apply_to_window to the
// window's WM_NCDESTROY. The destructor releases the back buffer and the two
// backdrop copies with their bitmaps (the DCs and bitmaps render_window made).
struct SkinnedWindow {
  SkinnedWindow() = default;
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;
  ~SkinnedWindow();

  HWND hwnd = nullptr;
  int caption_height = 25;
  int has_help_button = 0, has_menu_button = 0, has_min_button = 0, has_max_button = 0;
  int has_close_button = 1;
  int show_title = 1;
  int caption_gloss = 0;
  LONG_PTR prev_wndproc = 0;
  Bytes own_picture;
  int own_picture_mode = 0;
  COLORREF own_fill_colour = 0;
  std::vector<CaptionButton> caption_buttons;
  int strip_x = 0, strip_y = 0, strip_width = 0, strip_height = 0;
  HBITMAP caption_copy_old_bitmap = nullptr, caption_copy_bitmap = nullptr;
  HBITMAP status_copy_old_bitmap = nullptr, status_copy_bitmap = nullptr;
  int maximized = 0, minimized = 0;
  int min_track_width = 200, min_track_height = 150;
  int max_track_width = 0, max_track_height = 0;
  int dblclick_maximizes = 1;
  int has_caption = 1;
  COLORREF title_colour = 0xFFFFFF;
  COLORREF title_halo_colour = 0x808080;
  std::string title_font = "宋体";
  int title_font_size = 12;
  int title_bold = 1;
  int hot_caption_button = 0;
  int lit_kind = 0;
  HWND lit_parent = nullptr;
  void (*help_handler)() = nullptr;
  void (*menu_handler)() = nullptr;
  ToolTipWindow tooltips;
  int status_height = 0;
  StatusRect status_rect;
  std::vector<StatusItem> status_items;
  std::vector<StatusRect> status_item_rects;
  int status_inverse_text = 0, status_glow = 0;
  COLORREF status_glow_text_colour = 0, status_glow_colour = 0;
  std::string status_font;
  int status_font_size = 0;
  RecordList<ButtonRecord> button_list;
  RecordList<EditRecord> edit_list;
  RecordList<FramedControlRecord> framed_list;
  RecordList<TrackbarRecord> trackbar_list;
  RecordList<ProgressRecord> progress_list;
  RecordList<ComboRecord> combo_list;
  RecordList<UpDownRecord> updown_list;
  RecordList<HeaderRecord> header_list;
  RecordList<TransparentRecord> transparent_list;
  int needs_render = 0;
  HDC back_buffer_dc = nullptr;
  HDC caption_copy_dc = nullptr, status_copy_dc = nullptr;
  int lit_control = 0, hot_control = 0;
  RecordList<ContainerRecord> container_list;
  std::vector<DockedChild> docked_children;
  int mouse_tracking = 0;
  FadeState fade_in, fade_out;
  int fade_timer_on = 0;
  LayerCache layer_cache;  // render_window's own bookkeeping
  CaptionCache caption_cache;
  RegionMemo region_memo;
};

}  // namespace skin
