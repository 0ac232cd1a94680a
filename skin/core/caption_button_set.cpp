// Building the standard caption buttons of a window with their pictures and
// tooltips, and the strip geometry they need. Uses the skin's records and artwork.
#include "skin/core/caption_button_set.h"

#include "skin/core/caption_button_art.h"

namespace skin {

namespace {

CaptionButton make_button(int kind, int width, CaptionGlyph glyph, const char* tooltip) {
  CaptionButton b;
  b.kind = kind;
  b.width = width;
  b.height = 18;
  b.picture = caption_button_picture(glyph);
  b.tooltip = tooltip;
  return b;
}

}  // namespace

int caption_strip_width(const std::vector<CaptionButton>& buttons) {
  if (buttons.empty()) return 3;
  int width = 0;
  for (const CaptionButton& b : buttons) width += b.width;
  return width + static_cast<int>(buttons.size()) - 1 + 3;
}

void make_standard_caption_buttons(SkinnedWindow& w, int frame_margin) {
  w.caption_buttons.clear();
  if (w.has_help_button)
    w.caption_buttons.push_back(make_button(kind_help, 26, CaptionGlyph::help, "帮助"));
  if (w.has_menu_button)
    w.caption_buttons.push_back(make_button(kind_main_menu, 26, CaptionGlyph::main_menu, "主菜单"));
  if (w.has_min_button)
    w.caption_buttons.push_back(make_button(kind_minimize, 26, CaptionGlyph::minimize, "最小化"));
  if (w.has_max_button) {
    CaptionButton b = make_button(kind_maximize, 26, CaptionGlyph::maximize, "最大化");
    b.second_picture = caption_button_picture(CaptionGlyph::restore);
    w.caption_buttons.push_back(std::move(b));
  }
  w.caption_buttons.push_back(make_button(kind_close, 38, CaptionGlyph::close, "关闭"));

  RECT client{};
  GetClientRect(w.hwnd, &client);
  w.strip_width = caption_strip_width(w.caption_buttons);
  w.strip_height = 22;
  w.strip_x = client.right - frame_margin - w.strip_width - 2;
  w.strip_y = 0;
}

}  // namespace skin
