// The skin-wide theme (picture, back colour, theme colour, picture mode), the
// control options, and a control's text colour. Uses the skin's records, its
// picture routines and draw/.
#include <cstring>

#include "skin/core/picture_tools.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

constexpr COLORREF use_back_colour = CLR_INVALID;  // the theme colour argument -1

// The refresh after a theme change: every visible skinned window is rendered
// again and its children repaint over the new back buffer.
void refresh_windows(WindowSkin& skin) {
  for (size_t k = 0; k < window_table.size(); ++k) {
    const SkinnedWindow& w = *window_table[k];
    if (!IsWindowVisible(w.hwnd)) continue;
    skin.render_window(static_cast<int>(k + 1), nullptr, 0);
    InvalidateRect(w.hwnd, nullptr, FALSE);
    for (HWND child = GetWindow(w.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    for (const auto& header : w.header_list)
      if (header->hwnd) InvalidateRect(header->hwnd, nullptr, FALSE);
  }
}

}  // namespace

void WindowSkin::set_theme(std::optional<std::string> file_name, std::optional<Bytes> picture,
                           std::optional<COLORREF> back, std::optional<COLORREF> theme,
                           std::optional<int> mode) {
  const bool theme_from_back = theme && *theme == use_back_colour;
  if (!theme_from_back) theme_colour = theme.value_or(default_theme_colour);
  const std::string file = file_name.value_or(std::string());
  const Bytes bytes = picture.value_or(Bytes());
  if (bytes.empty() && file.empty() && !back) return;

  if (!file.empty() || !bytes.empty()) {
    const COLORREF average = picture_average_colour(bytes, 2000, {}, {}, file);
    back_colour = back.value_or(average);
    if (theme_from_back) theme_colour = back_colour;
    picture_mode = mode.value_or(4);
    if (picture_mode == 0 || picture_mode == 1) {
      background_picture = fade_picture_edges(bytes, {}, back_colour, picture_mode == 0, file);
    } else if (!file.empty()) {
      DrawPicture image;
      image.FromFile(file);
      background_picture = image.SaveToBytes(gdip::ImageFormatPNG);
    } else {
      background_picture = bytes;
    }
  } else {
    background_picture.clear();
    back_colour = *back;
    if (theme_from_back) theme_colour = back_colour;
  }
  refresh_windows(*this);
}

void WindowSkin::set_control_options(int skin, std::optional<int> alpha,
                                     std::optional<int> channel) {
  skin_controls = skin != 0;
  control_alpha = alpha.value_or(160);
  controls_transparent = alpha.has_value();
  trackbar_channel = channel.value_or(1);
}

void WindowSkin::set_control_text_colour(HWND hwnd, COLORREF colour) {
  if (!hwnd) return;
  char name[255] = {};
  GetClassNameA(hwnd, name, sizeof name);
  HWND target = hwnd;
  if (std::strcmp(name, "ComboBox") == 0) {
    target = FindWindowExA(hwnd, nullptr, "Edit", nullptr);
    if (!target) return;
  }
  set_prop_value(target, prop_text_colour, static_cast<LONG_PTR>(colour));
}

}  // namespace skin
