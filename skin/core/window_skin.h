// The one WindowSkin object, the skin-wide settings and the window table lookups.
// Its methods are defined across skin/core and skin/methods. Uses draw/ and runtime/.
#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

#include "draw/draw.h"
#include "skin/core/skin_records.h"

namespace skin {

using WindowTable = RecordList<SkinnedWindow>;

struct MemoryDcEntry {  // a backdrop handed out by capture_backdrop, not yet released
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous_bitmap = nullptr;
};

// Skin-wide settings, shared by every skinned window.
extern ULONG_PTR gdiplus_token;
extern HICON app_icon;
extern bool first_size_pending;
extern bool skin_controls;
extern int control_alpha;
extern COLORREF theme_colour;
extern int trackbar_channel;
extern COLORREF back_colour;
extern WindowTable window_table;
extern bool controls_transparent;
extern std::vector<MemoryDcEntry> memory_dcs;
extern int picture_mode;
extern Bytes background_picture;

constexpr COLORREF default_theme_colour = 0x00DDCA22;

// Record i of window_table (1-based), or null.
inline SkinnedWindow* window_record(int index) { return record_at(window_table, index); }

int find_window_index(HWND hwnd);                   // 0 when hwnd is no skinned window
int owner_window_index(HWND hwnd);                  // first skinned window up the parent chain
int find_container_index(int window_index, HWND hwnd);

using ButtonActionEntry = void (*)(int window_index, int button_index);

class WindowSkin {
 public:
  // Creates the entry points, reads the run time's default back colour and
  // becomes the instance the entry points reach.
  WindowSkin();
  // Destroys app_icon, stops GDI+ with gdiplus_token, releases the entry points.
  ~WindowSkin();
  WindowSkin(const WindowSkin&) = delete;  // one instance; the program never copies it
  WindowSkin& operator=(const WindowSkin&) = delete;

  // The instance the native entry points reach; null before construction.
  static WindowSkin* instance();

  WNDPROC window_proc_entry = nullptr;
  int frame_margin = 0;
  int hot_button = 0;
  ButtonActionEntry button_action_entry = nullptr;
  UINT_PTR button_action_entry_address = 0;

  LRESULT window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void caption_button_action(int window_index, int button_index);

  // Theme and control options.
  void set_theme(std::optional<std::string> file_name, std::optional<Bytes> picture,
                 std::optional<COLORREF> back, std::optional<COLORREF> theme,
                 std::optional<int> mode);
  void set_control_options(int skin, std::optional<int> alpha, std::optional<int> channel);
  COLORREF get_back_colour() const;
  void set_control_text_colour(HWND hwnd, COLORREF colour);

  // Rendering pipeline.
  void render_window(int window_index, HDC dc, int present);
  void present_window(int window_index, HDC dc);
  void restore_caption_rect(int window_index, RECT rect);
  void restore_status_rect(int window_index, RECT rect);

  // Background and border.
  void draw_background(DrawGraphics& surface, int window_index);
  void draw_border(int window_index, DrawGraphics& surface);

  // Caption buttons and caption.
  void layout_caption_buttons(int window_index);
  int hit_test_caption_button(int window_index, int x, int y);
  int find_maximize_button(int window_index);
  void draw_caption_button(int window_index, int button_index, DrawGraphics* surface = nullptr,
                           std::optional<int> state = {}, std::optional<int> alpha = {});
  void draw_caption_button_highlight(DrawGraphics& surface, int window_index, int button_index,
                                     std::optional<int> alpha = {});
  void draw_caption_button_separator(int window_index, int button_index, DrawGraphics& surface);
  void draw_caption(int window_index, DrawGraphics* surface = nullptr,
                    std::optional<std::string> text = {});

  // Skins a top-level window (apply.cpp); a window already skinned is left alone.
  // The caption is never lower than 25; the status bar needs a height of at least 1.
  void apply_to_window(HWND hwnd, std::optional<int> caption_height = {},
                       std::optional<bool> caption_interaction = {},
                       std::optional<bool> dblclick_maximizes = {},
                       std::optional<bool> help_button = {},
                       std::optional<bool> menu_button = {},
                       std::optional<bool> show_title = {},
                       std::optional<bool> caption_gloss = {},
                       std::optional<int> status_height = {},
                       std::optional<std::vector<StatusItem>> status_items = {},
                       std::optional<Bytes> own_picture = {},
                       std::optional<int> own_picture_mode = {});

  // Frame mouse handling and docked children (skin/methods/frame_mouse.cpp). The
  // point is the mouse message's lParam, `client` the window's client rectangle.
  LRESULT begin_drag_or_resize(int window_index, LPARAM point, const RECT& client);
  void update_resize_cursor(int window_index, LPARAM point, const RECT& client);
  void layout_docked_children(int window_index);

  // Containers (skin/methods/container.cpp): registers a group box or panel of a
  // skinned window once, skinning the controls inside it; and the opacity of a
  // tinted container's tint (low 8 bits).
  void skin_group_box(HWND hwnd, std::optional<int> skin_painting = {},
                      std::optional<COLORREF> tint_colour = {}, std::optional<int> tint_alpha = {},
                      std::optional<int> draw_frame = {});
  void set_container_tint_alpha(HWND hwnd, int alpha);
};

}  // namespace skin
