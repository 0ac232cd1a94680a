// Speed of the window skin: one full render_window of a 504 x 339 window with a
// stretched 602 x 456 JPEG background, as a ratio to one GDI StretchBlt of the same
// decoded picture (goal: at most 3x); and one caption-button fade frame (restore
// plus one button drawn and shown), as a share of the 20 ms timer period (goal: < 5 %).
// Renders after a theme change (every layer drawn anew) and after a title change (the
// caption drawn anew over the kept background) are shown too.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "draw/draw.h"
#include "skin/core/backdrop.h"
#include "skin/core/caption_button_set.h"
#include "skin/core/gdi_guards.h"
#include "skin/core/window_skin.h"

namespace {

double now_ms() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The best timing of each piece of work over `rounds` rounds, after a warm-up
// round. The pieces take turns within a round, so a busy machine slows them alike.
std::vector<double> best_ms(int rounds, const std::vector<std::function<void()>>& work) {
  std::vector<double> best(work.size(), 1e9);
  for (const auto& w : work) w();
  for (int k = 0; k < rounds; ++k) {
    for (size_t i = 0; i < work.size(); ++i) {
      const double start = now_ms();
      work[i]();
      GdiFlush();
      best[i] = std::min(best[i], now_ms() - start);
    }
  }
  return best;
}

// A 602 x 456 JPEG with gradients and shapes, so the encoder has real work.
std::string make_background_jpeg() {
  DrawBitmap bitmap;
  bitmap.Create(602, 456);
  {
    DrawGraphics g;
    g.FromImage(bitmap);
    DrawLinearBrush sky;
    sky.Create(DrawPointF{0, 0}, DrawPointF{0, 456}, 0xFF1E5AA8, 0xFF9FD3F0);
    g.FillRectangle(sky, 0, 0, 602, 456);
    g.SetSmoothingMode(gdip::SmoothingModeAntiAlias);
    for (int k = 0; k < 24; ++k) {
      DrawSolidBrush spot;
      spot.Create(0x40FFFFFF ^ static_cast<DWORD>(k * 0x0A0B0C));
      g.FillRectangle(spot, static_cast<float>(k * 23 % 560), static_cast<float>(k * 37 % 420),
                      60.0f + k, 30.0f + k);
    }
  }
  return bitmap.SaveToBytes(gdip::ImageFormatJPEG);
}

LRESULT CALLBACK plain_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int main() {
  const ULONG_PTR token = gdiplus_start();
  if (!token) {
    std::printf("skin_bench: GDI+ did not start\n");
    return 1;
  }
  {
    skin::WindowSkin skin_object;
    skin_object.frame_margin = 3;
    const std::string jpeg = make_background_jpeg();
    skin::background_picture = jpeg;
    skin::picture_mode = 3;

    WNDCLASSA wc{};
    wc.lpfnWndProc = plain_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZovraSkinBench";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "性能测试", WS_POPUP | WS_VISIBLE, 50, 50,
                                504, 339, nullptr, nullptr, wc.hInstance, nullptr);
    auto record = std::make_unique<skin::SkinnedWindow>();
    record->hwnd = hwnd;
    record->has_min_button = 1;
    skin::make_standard_caption_buttons(*record, skin_object.frame_margin);
    skin::window_table.push_back(std::move(record));
    skin_object.layout_caption_buttons(1);

    // Baseline: the decoded picture stretched once into a bitmap of the window's size.
    DrawBitmap decoded;
    decoded.FromBytes(jpeg);
    skin::OwnedGdiObject<HBITMAP> source(decoded.ToHBITMAP());
    skin::OwnedGdiObject<HBITMAP> target(skin::create_argb_bitmap(504, 339));
    skin::OwnedMemoryDC source_dc(nullptr), target_dc(nullptr);
    skin::ScopedSelect select_source(source_dc.get(), source.get());
    skin::ScopedSelect select_target(target_dc.get(), target.get());
    SetStretchBltMode(target_dc.get(), COLORONCOLOR);
    skin_object.render_window(1, nullptr, 1);
    int alpha = 0;
    bool long_title = false;
    const std::vector<double> best = best_ms(100, {
        [&] { StretchBlt(target_dc.get(), 0, 0, 504, 339, source_dc.get(), 0, 0, 602, 456, SRCCOPY); },
        [&] { skin_object.render_window(1, nullptr, 0); },
        [&] {  // one timer tick: the next step of a fade, alphas 30 .. 240
          alpha = alpha % 240 + 30;
          skin_object.draw_caption_button(1, 2, nullptr, 0, alpha);
        },
        [&] {  // a render after the theme's back colour changed: every layer drawn anew
          skin::back_colour ^= 0x010101;
          skin_object.render_window(1, nullptr, 0);
        },
        [&] {  // a render after the title changed: the caption drawn anew
          long_title = !long_title;
          SetWindowTextA(hwnd, long_title ? "性能测试一" : "性能测试");
          skin_object.render_window(1, nullptr, 0);
        },
    });
    const double stretch = best[0], render = best[1], fade = best[2], fresh = best[3];
    const double retitled = best[4];

    std::printf("skin_bench: StretchBlt 504x339 floor        %8.3f ms\n", stretch);
    std::printf("skin_bench: render_window 504x339 (JPEG, mode 3) %8.3f ms = %.2fx StretchBlt (goal <= 3x)\n",
                render, render / stretch);
    std::printf("skin_bench: render_window, background redrawn   %8.3f ms = %.2fx StretchBlt\n",
                fresh, fresh / stretch);
    std::printf("skin_bench: render_window, title changed      %8.3f ms = %.2fx StretchBlt\n",
                retitled, retitled / stretch);
    std::printf("skin_bench: caption-button fade frame       %8.3f ms = %.2f %% of 20 ms (goal < 5 %%)\n",
                fade, 100.0 * fade / 20.0);
    skin::window_table.clear();
    DestroyWindow(hwnd);
  }
  gdiplus_stop(token);
  return 0;
}
