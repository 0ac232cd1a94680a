// The first layers of a rendered window: background fill inside the rounded
// outline, the picture in its placement mode, the caption gloss, and the two
// border outlines. Uses the skin's records and shapes, and draw/.
#include "skin/methods/background.h"

#include "skin/core/shapes.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

RECT client_of(const SkinnedWindow& w) {
  RECT r{};
  GetClientRect(w.hwnd, &r);
  return r;
}

void stroke_rounded(DrawGraphics& g, float x, float y, float width, float height, int radius,
                    DWORD argb) {
  DrawGraphicsPath path;
  path.Create();
  add_rounded_rect(path, x, y, width, height, radius);
  DrawPen pen;
  pen.Create(argb, 1.0f);
  g.DrawPath(pen, path);
}

}  // namespace

PictureInEffect picture_in_effect(const SkinnedWindow& w) {
  if (!w.own_picture.empty()) return {&w.own_picture, w.own_picture_mode, w.own_fill_colour};
  return {&background_picture, picture_mode, back_colour};
}

bool prepare_picture(int window_index, const RECT& client, DrawBitmap& target) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return false;
  const PictureInEffect in_effect = picture_in_effect(*w);
  if (in_effect.picture->empty()) return false;
  if (in_effect.mode != 4) {
    target.FromBytes(*in_effect.picture);
    return true;
  }
  DrawPicture tile;
  tile.FromBytes(*in_effect.picture);
  const int pw = static_cast<int>(tile.GetWidth()), ph = static_cast<int>(tile.GetHeight());
  target.Create(client.right, ph);
  if (pw < 1) return true;  // an undecodable picture would never end the strip
  DrawGraphics g;
  g.FromImage(target);
  // Tiles alternate between the picture and its mirror image, so seams match.
  int remaining = 0;
  for (int k = 0;; ++k) {
    g.DrawImageRect(tile, static_cast<float>(k * pw), 0, static_cast<float>(pw),
                    static_cast<float>(ph));
    remaining = client.right - k * pw;
    tile.RotateFlip(gdip::RotateNoneFlipX);
    if (remaining <= 0) break;
  }
  return true;
}

void WindowSkin::draw_background(DrawGraphics& surface, int window_index) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const RECT client = client_of(*w);
  const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);
  const PictureInEffect in_effect = picture_in_effect(*w);

  surface.Clear(0xFFFF00FF);  // survives only outside the rounded corners
  {
    DrawGraphicsPath outline;
    outline.Create();
    add_rounded_rect(outline, 0, 0, width, height, 4);
    surface.SetClipPath(outline);
    DrawSolidBrush fill;
    fill.Create(colour_to_argb(in_effect.fill, 255));
    surface.FillPath(fill, outline);
  }
  if (!in_effect.picture->empty()) {
    DrawBitmap picture;
    prepare_picture(window_index, client, picture);
    // Natural size is given explicitly: DrawImage alone would scale by the file's DPI.
    const float pw = static_cast<float>(picture.GetWidth());
    const float ph = static_cast<float>(picture.GetHeight());
    switch (in_effect.mode) {
      case 0:
      case 4: surface.DrawImageRect(picture, 0, 0, pw, ph); break;
      case 1: surface.DrawImageRect(picture, width - pw, 0, pw, ph); break;
      case 2: surface.DrawImageRect(picture, (width - pw) / 2, (height - ph) / 2, pw, ph); break;
      case 3: surface.DrawImageRect(picture, 0, 0, width, height); break;
      default: break;
    }
  }
  if (w->caption_gloss) {
    DrawLinearBrush gloss;
    gloss.Create(DrawPointF{0, 0}, DrawPointF{0, static_cast<float>(w->caption_height)},
                 colour_to_argb(0xFFFFFF, 150), colour_to_argb(0xFFFFFF, 0));
    surface.FillRectangle(gloss, 0, 0, width, static_cast<float>(w->caption_height));
  }
  surface.ResetClip();  // later layers and callers get the surface unclipped
}

void WindowSkin::draw_border(int window_index, DrawGraphics& surface) {
  const SkinnedWindow* w = window_record(window_index);
  if (!w) return;
  const RECT client = client_of(*w);
  const float width = static_cast<float>(client.right), height = static_cast<float>(client.bottom);
  stroke_rounded(surface, 0, 0, width - 1, height - 1, 7, 0xB4000000);
  stroke_rounded(surface, 1, 1, width - 3, height - 3, 6, 0xB4FFFFFF);
}

}  // namespace skin
