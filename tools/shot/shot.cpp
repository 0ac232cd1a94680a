// zovra_shot OUT.png [TITLE]: waits (up to 30 s) for a window with the title,
// the main window's by default, and saves a screenshot of it.
#include <windows.h>

#include <cstdio>

#include "app/main_window.h"
#include "tests/kit/window_shot.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zovra_shot OUT.png [TITLE]\n");
    return 2;
  }
  const char* title = argc > 2 ? argv[2] : app::kMainTitle;
  HWND window = nullptr;
  for (int i = 0; i < 300 && !(window = FindWindowA(nullptr, title)); ++i) Sleep(100);
  if (!window) {
    std::fprintf(stderr, "zovra_shot: no window with that title\n");
    return 1;
  }
  Sleep(500);  // let it finish painting
  return save_window_png(window, argv[1]) ? 0 : 1;
}
